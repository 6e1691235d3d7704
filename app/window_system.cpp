// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/window_system.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <vector>

#include "res/resource_ids.h"
#include "ui/base/format_string.h"
#include "ui/base/message_box.h"

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// As Qt chooses: the platforms QT_QPA_PLATFORM lists (separated by ';', each name followed by its
// own options after a ':'); otherwise Wayland first where the session names it, then X11.
std::vector<std::string> QtPlatforms()
{
    std::vector<std::string> platforms;
    const std::string chosen = Environment("QT_QPA_PLATFORM");
    if (!chosen.empty()) {
        size_t start = 0;
        while (start <= chosen.size()) {
            const size_t end = std::min(chosen.find(';', start), chosen.size());
            const std::string entry = chosen.substr(start, end - start);
            if (const std::string name = entry.substr(0, entry.find(':')); !name.empty())
                platforms.push_back(name);
            start = end + 1;
        }
        return platforms;
    }
    if (!Environment("WAYLAND_DISPLAY").empty() || Environment("XDG_SESSION_TYPE") == "wayland")
        platforms.emplace_back("wayland");
    platforms.emplace_back("xcb");
    return platforms;
}

// The whole connection set-up, authorisation included, as the X11 platform does it: a forwarded
// display whose other end is gone accepts the connection and then fails here. The connection is
// the caller's on success.
std::string X11Problem(xcb_connection_t*& opened)
{
    const std::string display = Environment("DISPLAY");
    if (display.empty())
        return LoadString(IDS_NO_X_DISPLAY);
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(connection) == 0) {
        opened = connection;
        return "";
    }
    xcb_disconnect(connection);
    return AfxFormatString2(IDS_X_DISPLAY_UNREACHABLE, display, "");
}

// Where the Wayland client library looks: a socket already handed over in WAYLAND_SOCKET, or the
// one WAYLAND_DISPLAY names (wayland-0 by default), relative to XDG_RUNTIME_DIR unless absolute.
std::string WaylandProblem()
{
    if (!Environment("WAYLAND_SOCKET").empty())
        return "";
    std::string path = Environment("WAYLAND_DISPLAY");
    if (path.empty())
        path = "wayland-0";
    if (path.front() != '/') {
        const std::string runtimeDir = Environment("XDG_RUNTIME_DIR");
        if (runtimeDir.empty() || runtimeDir.front() != '/')
            return LoadString(IDS_NO_WAYLAND_RUNTIME_DIR);
        path = runtimeDir + "/" + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return AfxFormatString2(IDS_WAYLAND_PATH_TOO_LONG, path, "");
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socketFd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool connected =
        socketFd >= 0 && connect(socketFd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (socketFd >= 0)
        close(socketFd);
    return connected ? "" : AfxFormatString2(IDS_NO_WAYLAND_COMPOSITOR, path, "");
}

}   // namespace

bool DisplayNamed()
{
    return !Environment("DISPLAY").empty() || !Environment("WAYLAND_DISPLAY").empty()
        || !Environment("QT_QPA_PLATFORM").empty();
}

WindowSystemCheck::WindowSystemCheck()
{
    for (const std::string& platform : QtPlatforms()) {
        const std::string problem = platform == "xcb"                 ? X11Problem(m_x11)
                                    : platform.starts_with("wayland") ? WaylandProblem()
                                                                      : "";
        if (problem.empty()) {
            m_problem.clear();
            return;
        }
        m_problem = m_problem.empty() ? problem : AfxFormatString2(IDS_PROBLEM_AND_PROBLEM, m_problem, problem);
    }
}

WindowSystemCheck::~WindowSystemCheck()
{
    Close();
}

void WindowSystemCheck::Close()
{
    if (m_x11)
        xcb_disconnect(m_x11);
    m_x11 = nullptr;
}
