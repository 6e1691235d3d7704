// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Whether the window can be shown, asked before Qt starts: Qt's X11 and Wayland platforms end the
// process when they cannot reach their display, so the program looks first and can say why, or
// go on in the terminal.
#include <string>

struct xcb_connection_t;

// True when a display is named at all: DISPLAY or WAYLAND_DISPLAY is set, or QT_QPA_PLATFORM
// names a platform (offscreen, for instance).
[[nodiscard]] bool DisplayNamed();

class WindowSystemCheck {
public:
    // Tries the platforms Qt will try, in its order, until one reaches its display: the X display
    // that DISPLAY names answers, or a Wayland compositor listens on its socket. Platforms of other
    // kinds (offscreen, vnc...) count as reachable.
    WindowSystemCheck();
    ~WindowSystemCheck();
    WindowSystemCheck(const WindowSystemCheck&) = delete;
    WindowSystemCheck& operator=(const WindowSystemCheck&) = delete;

    // Empty when a platform reaches its display; otherwise why none does, in a few words.
    const std::string& problem() const { return m_problem; }

    // Ends the check's own connection to the X display. Keep it until Qt has opened its own: an X
    // server left without clients resets itself and turns new ones away for a moment (a bare
    // virtual server does), which would fail Qt's connection right after the check.
    void Close();

private:
    std::string m_problem;
    xcb_connection_t* m_x11 = nullptr;
};
