// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/cli_text.h"
#include "cli/exit_status.h"
#include "cli/norvanectl.h"
#include "res/translation.h"

#include <iostream>

int main(int argc, char** argv)
{
    StartTranslation();
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const int status = RunNorvanectl(arguments, std::cin, std::cout, std::cerr);
    std::cout.flush();
    // Output that could not be written (a full disk, a closed pipe) is a failure too.
    if (!std::cout) {
        std::cerr << "norvanectl: " << Text(CliText::CannotWriteOutput) << "\n";
        return static_cast<int>(ExitStatus::FileFailure);
    }
    return status;
}
