// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/command_line.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr const char* kHelp =
    "Usage: norvane [--help | --version]\n"
    "Edit the NFS servers, their stream and LPR print queues and the options for every\n"
    "NFS connection, kept in kqnet.ini. Norvane opens its window on the display, or\n"
    "runs in the terminal when there is no display.\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "\n"
    "Environment:\n"
    "  NORVANE_SYSTEM_DIR  the folder of kqnet.ini (otherwise $XDG_CONFIG_HOME/norvane,\n"
    "                      or ~/.config/norvane)\n"
    "  NORVANE_UI          qt for the window, tui for the terminal\n"
    "\n"
    "See norvane(1) and kqnet.ini(5).\n";

// What --help and --version print is all they do: a failed write (a full disk, a closed pipe) fails.
int Printed()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    std::fputs("norvane: cannot write to standard output\n", stderr);
    return 1;
}

}   // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const* argv)
{
    if (argc < 2)
        return std::nullopt;
    const std::string_view first(argv[1]);
    if (argc == 2 && first == "--help") {
        std::fputs(kHelp, stdout);
        return Printed();
    }
    if (argc == 2 && first == "--version") {
        std::puts("norvane " NORVANE_VERSION);
        return Printed();
    }
    const bool firstKnown = first == "--help" || first == "--version";
    std::fprintf(stderr, "norvane: unexpected argument '%s' (norvane --help lists the options)\n",
                 firstKnown ? argv[2] : argv[1]);
    return 2;
}
