// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/command_line.h"

#include <cstdio>
#include <string_view>

#include "res/resource_ids.h"
#include "ui/base/format_string.h"
#include "ui/base/message_box.h"

namespace {

// What --help and --version print is all they do: a failed write (a full disk, a closed pipe) fails.
int Printed()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    std::fprintf(stderr, "norvane: %s\n", LoadString(IDS_CANNOT_WRITE_OUTPUT).c_str());
    return 1;
}

}   // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const* argv)
{
    if (argc < 2)
        return std::nullopt;
    const std::string_view first(argv[1]);
    if (argc == 2 && first == "--help") {
        std::fputs(LoadString(IDS_USAGE).c_str(), stdout);
        return Printed();
    }
    if (argc == 2 && first == "--version") {
        std::puts("norvane " NORVANE_VERSION);
        return Printed();
    }
    const bool firstKnown = first == "--help" || first == "--version";
    std::fprintf(stderr, "norvane: %s\n",
                 AfxFormatString2(IDS_UNEXPECTED_ARGUMENT, firstKnown ? argv[2] : argv[1], "").c_str());
    return 2;
}
