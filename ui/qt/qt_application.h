#pragma once
// The program's entry into Qt: the application object and the Qt host for as long as `body` runs.
#include <functional>

// Creates the QApplication from the command line, installs a QtHost (HostScope) and returns what
// `body` returns. Dialogs that `body` runs modally appear as Qt windows.
int RunWithQtHost(int argc, char** argv, const std::function<int()>& body);
