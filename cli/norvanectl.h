// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// norvanectl: the Norvane configuration from scripts and configuration management, on the same
// store, field rules and locked saves as the Norvane window. It never asks anything: every
// question the window would ask has a fixed answer here (see norvanectl(1)).
#include <istream>
#include <ostream>
#include <string>
#include <vector>

// Runs the program with `arguments` (those after its name) and returns its exit status. Output goes
// to `out`; an error goes to `err` as one line that starts with "norvanectl: ".
[[nodiscard]] int RunNorvanectl(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                                std::ostream& err);
