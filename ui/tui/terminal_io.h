// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The terminal under the host: its size, the keys it sends, the frames shown on it, its bell.
// The curses terminal is the real one; tests put a scripted one in its place.
#include "ui/tui/canvas.h"
#include "ui/tui/key.h"

namespace tui {

struct TerminalSize {
    int columns = 80;
    int rows = 24;
};

class TerminalIo {
public:
    virtual ~TerminalIo() = default;
    virtual TerminalSize Size() = 0;
    // Waits for the next key. KeyCode::Resize when the size changed; KeyCode::EndOfInput once the
    // terminal is gone, and on every call after that.
    virtual Key ReadKey() = 0;
    // Shows a frame of the terminal's current size; after a resize, redraws every cell.
    virtual void Present(const Canvas& canvas) = 0;
    virtual void Beep() = 0;
};

}   // namespace tui
