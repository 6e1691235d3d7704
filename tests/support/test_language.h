// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's texts in another language for the lifetime of the object, from the catalogs of the
// build tree, as a user with LANGUAGE=<language> in a UTF-8 locale has them; English afterwards.
#include <optional>
#include <string>

class ScopedLanguage {
public:
    explicit ScopedLanguage(const std::string& language);
    ~ScopedLanguage();
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;

private:
    std::optional<std::string> m_language;
    std::optional<std::string> m_all;
};

// The build tree's share/locale, where the compiled catalogs are.
std::string BuiltLocaleDir();
