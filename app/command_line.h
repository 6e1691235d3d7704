// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's command line: without arguments the program runs; --help and --version answer
// and end it.
#include <optional>

// The exit status when the command line ends the program before it opens anything or reads the
// configuration: 0 after printing the help (--help) or the version (--version) on standard output,
// 2 after a one-line usage error on standard error for anything else. Empty when there are no
// arguments and the program is to run.
[[nodiscard]] std::optional<int> AnswerCommandLine(int argc, const char* const* argv);
