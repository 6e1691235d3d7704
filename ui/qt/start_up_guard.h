// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Qt ends the process (qFatal, then abort) when no platform plugin can start while the
// QApplication is being made: a plugin that is missing or cannot be loaded, a display that turns
// its connection down. A StartUpGuard, alive around that construction, holds Qt's messages back
// and turns such an end into a call of `cannotStart` with the reason Qt gave first, so that the
// program can say so in one line (and go on without Qt). Held messages are passed on when the
// guard ends, as Qt would have shown them.
#include <string>

class StartUpGuard {
public:
    // Must not return: Qt aborts when it does. Null leaves Qt to end the process itself.
    using CannotStart = void (*)(const std::string& why);

    explicit StartUpGuard(CannotStart cannotStart);
    ~StartUpGuard();
    StartUpGuard(const StartUpGuard&) = delete;
    StartUpGuard& operator=(const StartUpGuard&) = delete;
};
