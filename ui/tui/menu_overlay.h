// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A pop-up menu: the system menu, the "What's This?" menu and the items of a drop-down list.
// Up and Down move (over separators), Enter chooses, an item's letter chooses it, Esc closes.
#include <string>
#include <vector>

#include "ui/tui/overlay.h"

namespace tui {

struct MenuLine {
    std::string text;   // single-byte, mnemonic marked by '&'
    bool separator = false;
};

class MenuOverlay : public Overlay {
public:
    // Opens at `anchor` (its top-left corner), moved as far as needed to stay on the screen, with
    // item `current` highlighted.
    MenuOverlay(std::vector<MenuLine> lines, Point anchor, int current = 0);

    // The index of the line chosen; -1 while none is, or after Esc.
    int chosen() const { return m_chosen; }

    void Paint(Canvas& canvas) override;
    void HandleKey(const Key& key) override;
    bool done() const override { return m_done; }
    std::u32string Hint() const override;

private:
    void Step(int direction);

    std::vector<MenuLine> m_lines;
    Point m_anchor;
    int m_current;
    int m_top = 0;
    int m_chosen = -1;
    bool m_done = false;
};

}   // namespace tui
