// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/help_popup.h"

#include <algorithm>

#include "ui/tui/help_text.h"
#include "res/resource_ids.h"
#include "ui/tui/tui_text.h"

namespace tui {

namespace {

constexpr int kMaxTextWidth = 58;

}   // namespace

HelpPopup::HelpPopup(const HelpTopic* topic, std::u32string missing, Rect anchor)
    : m_topic(topic), m_missing(std::move(missing)), m_anchor(anchor)
{
}

void HelpPopup::Paint(Canvas& canvas)
{
    const int wrapWidth = std::max(std::min(kMaxTextWidth, canvas.width() - 4), 1);
    const std::vector<std::u32string> lines =
        m_topic ? TopicLines(*m_topic, wrapWidth) : WrapText(m_missing, wrapWidth);
    int textWidth = 1;
    for (const std::u32string& line : lines)
        textWidth = std::max(textWidth, CellCount(line));
    const int width = std::min(textWidth + 4, canvas.width());
    // The bottom line is the key help's.
    const int room = std::max(canvas.height() - 1, 1);
    const int height = std::min(static_cast<int>(lines.size()) + 2, room);
    // Below the control when there is room, else above it, else wherever it fits.
    int y = m_anchor.bottom;
    if (y + height > room)
        y = m_anchor.top - height >= 0 ? m_anchor.top - height : std::max(room - height, 0);
    const int x = std::max(std::min(m_anchor.left, canvas.width() - width), 0);
    const Rect box{x, y, x + width, y + height};
    canvas.Fill(box, CellStyle::Popup);
    canvas.Box(box, CellStyle::Popup);
    const int visible = std::max(height - 2, 0);
    m_top = std::clamp(m_top, 0, std::max(static_cast<int>(lines.size()) - visible, 0));
    for (int i = 0; i < visible && m_top + i < static_cast<int>(lines.size()); ++i)
        canvas.Text(box.left + 2, box.top + 1 + i, lines[static_cast<size_t>(m_top + i)],
                    i == 0 && m_top == 0 ? CellStyle::Caption : CellStyle::Popup, width - 4);
    m_hiddenBelow = std::max(static_cast<int>(lines.size()) - m_top - visible, 0);
    if (m_top > 0)
        canvas.Put(box.right - 1, box.top + 1, kArrowUp, CellStyle::Popup);
    if (m_hiddenBelow > 0)
        canvas.Put(box.right - 1, box.bottom - 2, kArrowDown, CellStyle::Popup);
}

void HelpPopup::HandleKey(const Key& key)
{
    if (key.Is(KeyCode::Down) && m_hiddenBelow > 0) {
        ++m_top;
        return;
    }
    if (key.Is(KeyCode::Up) && m_top > 0) {
        --m_top;
        return;
    }
    m_done = true;
}

std::u32string HelpPopup::Hint() const
{
    return LoadText(m_hiddenBelow > 0 || m_top > 0 ? IDS_HINT_HELP_POPUP_SCROLL : IDS_HINT_HELP_POPUP);
}

}   // namespace tui
