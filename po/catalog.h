// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Every English text the programs show, with where it is shown: what a translator translates, in
// the order the sources hold them. The catalog template (norvane.pot) is written from it, and the
// tests hold each language's catalog to it.
#include <string>
#include <vector>

#include "res/help_topics.h"

struct CatalogEntry {
    std::string text;                  // English, as the sources hold it
    std::vector<std::string> places;   // where it is shown, for the translator ("dialog 102, control 1022")
};

// The string table, the dialog templates (captions, control texts, drop-down items), norvanectl's
// texts and the help topics `help` (titles and paragraphs); a text shown in several places is one
// entry. Taken before StartTranslation, or the texts come out translated.
[[nodiscard]] std::vector<CatalogEntry> CatalogEntries(const HelpTopics& help);

// The entries as a gettext catalog template.
[[nodiscard]] std::string CatalogTemplate(const std::vector<CatalogEntry>& entries);
