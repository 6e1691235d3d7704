// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's entry into Qt: the application object and the Qt host for as long as `body` runs.
#include <functional>

#include "ui/qt/start_up_guard.h"

// Creates the QApplication from the command line, installs a QtHost (HostScope) and returns what
// `body` returns. Dialogs that `body` runs modally appear as Qt windows. When no platform plugin
// can start, `cannotStart` is called instead (see StartUpGuard).
int RunWithQtHost(int argc, char** argv, const std::function<int()>& body,
                  StartUpGuard::CannotStart cannotStart = nullptr);
