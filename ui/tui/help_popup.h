// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A help topic in a small window by the control it explains, as the help viewer's popup. The
// next key closes it (and does nothing else), except the keys that scroll a topic too long for
// the screen.
#include <string>

#include "res/help_topics.h"
#include "ui/tui/overlay.h"

namespace tui {

class HelpPopup : public Overlay {
public:
    // Shows `topic`, or `missing` when it is null, under (or else over) `anchor`, in screen cells.
    HelpPopup(const HelpTopic* topic, std::u32string missing, Rect anchor);

    void Paint(Canvas& canvas) override;
    void HandleKey(const Key& key) override;
    bool done() const override { return m_done; }
    std::u32string Hint() const override;

private:
    const HelpTopic* m_topic;
    std::u32string m_missing;
    Rect m_anchor;
    int m_top = 0;
    int m_hiddenBelow = 0;   // lines the last frame had no room for
    bool m_done = false;
};

}   // namespace tui
