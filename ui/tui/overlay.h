// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A window in front of the dialogs that takes the keys while it is open: a message box, a menu,
// a help popup or the help window. The host paints it after the dialogs and runs it until done.
#include <string>

#include "ui/base/win_defs.h"
#include "ui/tui/canvas.h"
#include "ui/tui/key.h"

namespace tui {

class Overlay {
public:
    virtual ~Overlay() = default;
    virtual void Paint(Canvas& canvas) = 0;
    virtual void HandleKey(const Key& key) = 0;
    virtual bool done() const = 0;
    // The key help on the bottom line while it is in front.
    virtual std::u32string Hint() const = 0;
};

// The top-left corner that centres a box of `width` x `height` on `canvas`, one third down.
Point CentreOn(const Canvas& canvas, int width, int height);

}   // namespace tui
