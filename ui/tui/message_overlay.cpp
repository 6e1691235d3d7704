// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/message_overlay.h"

#include <algorithm>

#include "ui/tui/dialog_painter.h"
#include "res/resource_ids.h"
#include "ui/tui/tui_text.h"

namespace tui {

namespace {

constexpr int kMaxTextWidth = 60;
constexpr int kButtonGap = 2;

}   // namespace

MessageOverlay::MessageOverlay(std::u32string caption, std::u32string text, std::vector<std::string> buttons,
                               int escapeAnswer)
    : m_caption(std::move(caption)), m_text(std::move(text)), m_buttons(std::move(buttons)),
      m_escapeAnswer(escapeAnswer)
{
}

void MessageOverlay::Paint(Canvas& canvas)
{
    std::vector<std::u32string> faces;
    int buttonsWidth = -kButtonGap;
    for (const std::string& button : m_buttons) {
        faces.push_back(U"[ " + StripMnemonic(button).text + U" ]");
        buttonsWidth += static_cast<int>(faces.back().size()) + kButtonGap;
    }
    const int wrapWidth = std::max(std::min(kMaxTextWidth, canvas.width() - 6), 1);
    const std::vector<std::u32string> lines = WrapText(m_text, wrapWidth);
    int contentWidth = std::max(buttonsWidth, CellCount(m_caption) + 2);
    for (const std::u32string& line : lines)
        contentWidth = std::max(contentWidth, CellCount(line));
    const int width = std::min(contentWidth + 4, canvas.width());
    const int height = std::min(static_cast<int>(lines.size()) + 4, canvas.height());
    const Point at = CentreOn(canvas, width, height);
    const Rect box{at.x, at.y, at.x + width, at.y + height};
    PaintFrame(canvas, box, ToAnsi(m_caption));
    for (size_t i = 0; i < lines.size(); ++i)
        canvas.Text(box.left + 2, box.top + 1 + static_cast<int>(i), lines[i], CellStyle::Window, width - 4);
    // The buttons stay on the last line inside the frame, whatever the text left room for.
    const int y = box.bottom - 2;
    int x = box.left + std::max((width - buttonsWidth) / 2, 1);
    for (size_t i = 0; i < faces.size(); ++i) {
        const bool focused = static_cast<int>(i) == m_focus;
        const CellStyle style = focused ? CellStyle::Focused : CellStyle::Window;
        canvas.Text(x, y, faces[i], style);
        const MnemonicText caption = StripMnemonic(m_buttons[i]);
        if (caption.hotkey >= 0)
            canvas.Put(x + 2 + caption.hotkey, y, caption.text[static_cast<size_t>(caption.hotkey)], style, true);
        if (focused)
            canvas.SetCursor(x + 2, y);
        x += static_cast<int>(faces[i].size()) + kButtonGap;
    }
}

void MessageOverlay::HandleKey(const Key& key)
{
    const auto count = static_cast<int>(m_buttons.size());
    switch (key.code) {
    case KeyCode::Tab:
    case KeyCode::Right:
    case KeyCode::Down:
        m_focus = (m_focus + 1) % count;
        return;
    case KeyCode::BackTab:
    case KeyCode::Left:
    case KeyCode::Up:
        m_focus = (m_focus + count - 1) % count;
        return;
    case KeyCode::Enter:
        m_answer = m_focus;
        return;
    case KeyCode::Escape:
        m_answer = m_escapeAnswer;
        return;
    case KeyCode::Char:
        if (key.ch == U' ' && !key.alt) {
            m_answer = m_focus;
            return;
        }
        for (int i = 0; i < count; ++i)
            if (MnemonicOf(m_buttons[static_cast<size_t>(i)]) == FoldCase(key.ch))
                m_answer = i;
        return;
    default:
        return;
    }
}

std::u32string MessageOverlay::Hint() const
{
    return LoadText(m_buttons.size() > 1 ? IDS_HINT_MESSAGE : IDS_HINT_MESSAGE_ONE_BUTTON);
}

}   // namespace tui
