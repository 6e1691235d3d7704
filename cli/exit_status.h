// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How norvanectl ends, and what it says when a command cannot do its work.
#include <string>

// The exit statuses are part of the program's interface: scripts and the manual page rely on them.
enum class ExitStatus : int {
    Success = 0,
    Differs = 1,       // `apply --check`: something would change; `check`: a hazard was found
    Usage = 2,         // the command line or a document is not what the command takes
    Refused = 3,       // a field rule of the dialogs refused a value
    FileFailure = 4,   // a file could not be read or written, or --if-match failed
};

// A command that could not do its work: the status to end with and the one-line message, without
// the program's name in front.
struct Failure {
    ExitStatus status;
    std::string message;
};
