// SPDX-License-Identifier: GPL-2.0-or-later
// norvane_write_pot HELP_FILE OUTPUT: writes the catalog template of every text the programs show.
#include <fstream>
#include <iostream>

#include "po/catalog.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: norvane_write_pot HELP_FILE OUTPUT\n";
        return 2;
    }
    const std::optional<HelpTopics> help = HelpTopics::Load(argv[1]);
    if (!help) {
        std::cerr << "norvane_write_pot: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << CatalogTemplate(CatalogEntries(*help));
    out.close();
    if (!out) {
        std::cerr << "norvane_write_pot: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
