// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The user's language for every text the program shows, in the window, in the terminal and on the
// command line: gettext's catalogs of the "norvane" domain, found beside the program. English, the
// text of the sources, is what a text without a translation shows.
#include <filesystem>
#include <string>

// <dir of the running program>/../share, the installed layout that the build tree mirrors.
[[nodiscard]] std::filesystem::path InstalledDataDir();

// Takes the language from LANGUAGE, LC_ALL, LC_MESSAGES and LANG, and the catalogs from
// `localeDir` (<dir>/<language>/LC_MESSAGES/norvane.mo). Sets the locale's character type and
// messages only, so that numbers and sorting stay as a script expects. A locale that is asked for
// but not generated on this machine still gives its language, on UTF-8 ("C.UTF-8"); the plain "C"
// and "POSIX" locales stay English, whatever LANGUAGE says, as gettext has it.
void StartTranslation(const std::filesystem::path& localeDir = InstalledDataDir() / "locale");

// `english` in the user's language (UTF-8), or `english` itself; "" stays "". Before
// StartTranslation, and in the "C" locale, always `english`.
[[nodiscard]] const char* Translate(const char* english);

// The language of the catalog in use ("de", "pt_BR"), from its header; empty for English.
[[nodiscard]] std::string TranslationLanguage();
