// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/support/test_language.h"

#include <clocale>
#include <cstdlib>

#include "res/translation.h"

namespace {

std::optional<std::string> Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

void Restore(const char* name, const std::optional<std::string>& value)
{
    if (value)
        setenv(name, value->c_str(), 1);
    else
        unsetenv(name);
}

}   // namespace

std::string BuiltLocaleDir()
{
    return NORVANE_BUILT_LOCALE_DIR;
}

ScopedLanguage::ScopedLanguage(const std::string& language)
    : m_language(Variable("LANGUAGE")), m_all(Variable("LC_ALL"))
{
    setenv("LANGUAGE", language.c_str(), 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    StartTranslation(BuiltLocaleDir());
}

ScopedLanguage::~ScopedLanguage()
{
    Restore("LANGUAGE", m_language);
    Restore("LC_ALL", m_all);
    (void)std::setlocale(LC_CTYPE, "C");
    (void)std::setlocale(LC_MESSAGES, "C");
}
