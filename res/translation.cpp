// SPDX-License-Identifier: GPL-2.0-or-later
#include "res/translation.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace {

constexpr const char* kDomain = "norvane";

const char* Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

// The locale the user asks for messages in, by the variables' order of precedence.
const char* RequestedMessagesLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = Environment(name))
            return value;
    return nullptr;
}

}   // namespace

std::filesystem::path InstalledDataDir()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path programDir = error ? std::filesystem::current_path(error) : program.parent_path();
    return (programDir / ".." / "share").lexically_normal();
}

void StartTranslation(const std::filesystem::path& localeDir)
{
    const bool generated = std::setlocale(LC_CTYPE, "") && std::setlocale(LC_MESSAGES, "");
    if (!generated) {
        // gettext would fall back to "C" and so to English; the user asked for a language, and
        // the characters of its catalog are UTF-8.
        (void)std::setlocale(LC_CTYPE, "C.UTF-8");
        (void)std::setlocale(LC_MESSAGES, "C.UTF-8");
        if (const char* requested = RequestedMessagesLocale(); requested && !Environment("LANGUAGE"))
            setenv("LANGUAGE", requested, 0);
    }
    (void)bindtextdomain(kDomain, localeDir.c_str());
    (void)bind_textdomain_codeset(kDomain, "UTF-8");
}

const char* Translate(const char* english)
{
    // gettext answers "" with the catalog's header.
    if (!english || !*english)
        return english;
    return dgettext(kDomain, english);
}

std::string TranslationLanguage()
{
    const std::string_view header = dgettext(kDomain, "");
    constexpr std::string_view kField = "\nLanguage: ";
    const std::string withBreak = "\n" + std::string(header);
    const size_t at = withBreak.find(kField);
    if (at == std::string::npos)
        return {};
    const size_t start = at + kField.size();
    return withBreak.substr(start, withBreak.find('\n', start) - start);
}
