// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/help_window.h"

#include <algorithm>

#include "res/resource_ids.h"
#include "ui/base/message_box.h"
#include "ui/tui/dialog_painter.h"
#include "ui/tui/help_text.h"
#include "ui/tui/tui_text.h"

namespace tui {

namespace {

constexpr int kPage = 10;

}   // namespace

HelpWindow::HelpWindow(HelpLibrary& help, std::u32string title) : m_help(help), m_title(std::move(title))
{
    Filter();
}

const HelpTopic* HelpWindow::currentTopic() const
{
    const HelpTopics* topics = m_help.Topics();
    if (!topics || m_current < 0 || static_cast<size_t>(m_current) >= topics->Topics().size())
        return nullptr;
    return &topics->Topics()[static_cast<size_t>(m_current)];
}

void HelpWindow::ShowTopic(HelpTopicKind kind, uint32_t id)
{
    m_current = m_help.IndexOf(m_help.Find(kind, id));
    if (m_current >= 0 &&
        std::find(m_shown.begin(), m_shown.end(), static_cast<size_t>(m_current)) == m_shown.end()) {
        m_search.clear();
        Filter();
    }
    m_textTop = 0;
}

void HelpWindow::Filter()
{
    m_shown = m_help.Search(m_search);
}

void HelpWindow::Paint(Canvas& canvas)
{
    const Rect box{0, 0, canvas.width(), std::max(canvas.height() - 1, 3)};
    PaintFrame(canvas, box, ToAnsi(m_title));
    const int side = std::clamp(canvas.width() / 3, 12, 34);
    const Rect contents{box.left + 1, box.top + 2, box.left + 1 + side, box.bottom - 1};
    const Rect text{contents.right + 2, box.top + 1, box.right - 2, box.bottom - 1};
    for (int y = box.top + 1; y < box.bottom - 1; ++y)
        canvas.Put(contents.right, y, kLineVertical, CellStyle::Frame);

    const std::u32string label = FromAnsi(LoadString(IDS_HELP_SEARCH_LABEL));
    canvas.Text(box.left + 2, box.top + 1, label, CellStyle::Window);
    const int fieldLeft = box.left + 2 + static_cast<int>(label.size());
    const int fieldWidth = std::max(contents.right - 1 - fieldLeft, 1);
    canvas.Fill({fieldLeft, box.top + 1, fieldLeft + fieldWidth, box.top + 2}, CellStyle::Field);
    const auto searchLength = static_cast<int>(m_search.size());
    const int skip = std::max(searchLength - fieldWidth + 1, 0);
    canvas.Text(fieldLeft, box.top + 1, std::u32string_view(m_search).substr(static_cast<size_t>(skip)),
                CellStyle::Field, fieldWidth);
    PaintContents(canvas, contents);
    PaintText(canvas, text);
    if (m_pane == Pane::Search)
        canvas.SetCursor(fieldLeft + searchLength - skip, box.top + 1);
}

void HelpWindow::PaintContents(Canvas& canvas, const Rect& pane)
{
    const int visible = std::max(pane.height(), 1);
    const auto at = std::find(m_shown.begin(), m_shown.end(), static_cast<size_t>(std::max(m_current, 0)));
    const int row = at == m_shown.end() ? -1 : static_cast<int>(at - m_shown.begin());
    if (row >= 0)
        m_listTop = std::clamp(m_listTop, row - visible + 1, row);
    m_listTop = std::clamp(m_listTop, 0, std::max(static_cast<int>(m_shown.size()) - visible, 0));
    const auto all = m_help.Topics() ? m_help.Topics()->Topics() : std::span<const HelpTopic>();
    for (int i = 0; i < visible && m_listTop + i < static_cast<int>(m_shown.size()); ++i) {
        const size_t index = m_shown[static_cast<size_t>(m_listTop + i)];
        const HelpTopic& topic = all[index];
        const bool current = static_cast<int>(index) == m_current;
        // Overviews head the topics of their dialog; the others are indented under them.
        const std::u32string title = (topic.kind == HelpTopicKind::Overview ? U"" : U"  ") + FromUtf8(topic.title);
        const CellStyle style = current ? CellStyle::Selected
                                : topic.kind == HelpTopicKind::Overview ? CellStyle::Caption
                                                                        : CellStyle::Window;
        const int y = pane.top + i;
        if (current)
            canvas.Fill({pane.left, y, pane.right, y + 1}, style);
        canvas.Text(pane.left + 1, y, title, style, pane.width() - 1);
        if (current && m_pane == Pane::Contents)
            canvas.SetCursor(pane.left + 1, y);
    }
}

void HelpWindow::PaintText(Canvas& canvas, const Rect& pane)
{
    const HelpTopic* topic = currentTopic();
    const int width = std::max(pane.width(), 1);
    const std::vector<std::u32string> lines =
        topic ? TopicLines(*topic, width) : WrapText(FromUtf8(m_help.MissingTopicText()), width);
    m_textRows = std::max(pane.height(), 1);
    m_textLines = static_cast<int>(lines.size());
    m_textTop = std::clamp(m_textTop, 0, std::max(m_textLines - m_textRows, 0));
    for (int i = 0; i < m_textRows && m_textTop + i < m_textLines; ++i)
        canvas.Text(pane.left, pane.top + i, lines[static_cast<size_t>(m_textTop + i)],
                    topic && m_textTop + i == 0 ? CellStyle::Caption : CellStyle::Window, width);
    if (m_textTop > 0)
        canvas.Put(pane.right, pane.top, kArrowUp, CellStyle::Frame);
    if (m_textTop + m_textRows < m_textLines)
        canvas.Put(pane.right, pane.bottom - 1, kArrowDown, CellStyle::Frame);
    if (m_pane == Pane::Text)
        canvas.SetCursor(pane.left, pane.top);
}

void HelpWindow::HandleKey(const Key& key)
{
    if (key.Is(KeyCode::Escape)) {
        m_done = true;
        return;
    }
    if (key.code == KeyCode::Tab || key.code == KeyCode::BackTab) {
        const int step = key.code == KeyCode::Tab ? 1 : 2;
        m_pane = static_cast<Pane>((static_cast<int>(m_pane) + step) % 3);
        return;
    }
    switch (m_pane) {
    case Pane::Search:
        if (key.code == KeyCode::Char && !key.alt && !key.ctrl) {
            m_search.push_back(key.ch);
            Filter();
        } else if (key.Is(KeyCode::Backspace) && !m_search.empty()) {
            m_search.pop_back();
            Filter();
        } else if (key.Is(KeyCode::Down) || key.Is(KeyCode::Enter)) {
            m_pane = Pane::Contents;
        }
        return;
    case Pane::Contents:
        if ((key.code == KeyCode::Char && !key.alt && !key.ctrl && key.ch > U' ') || key.Is(KeyCode::Backspace)) {
            // Typing in the list searches, and Backspace edits what was typed.
            m_pane = Pane::Search;
            HandleKey(key);
        } else if (key.Is(KeyCode::Enter)) {
            m_pane = Pane::Text;
        } else {
            MoveInContents(key);
        }
        return;
    case Pane::Text:
        ScrollText(key);
        return;
    }
}

void HelpWindow::MoveInContents(const Key& key)
{
    if (m_shown.empty())
        return;
    const auto at = std::find(m_shown.begin(), m_shown.end(), static_cast<size_t>(std::max(m_current, 0)));
    const int row = at == m_shown.end() ? -1 : static_cast<int>(at - m_shown.begin());
    const int last = static_cast<int>(m_shown.size()) - 1;
    int next = row;
    switch (key.code) {
    case KeyCode::Up:
        next = std::max(row - 1, 0);
        break;
    case KeyCode::Down:
        next = std::min(row + 1, last);
        break;
    case KeyCode::PageUp:
        next = std::max(row - kPage, 0);
        break;
    case KeyCode::PageDown:
        next = std::min(std::max(row, 0) + kPage, last);
        break;
    case KeyCode::Home:
        next = 0;
        break;
    case KeyCode::End:
        next = last;
        break;
    default:
        return;
    }
    if (next != row) {
        m_current = static_cast<int>(m_shown[static_cast<size_t>(next)]);
        m_textTop = 0;
    }
}

void HelpWindow::ScrollText(const Key& key)
{
    switch (key.code) {
    case KeyCode::Up:
        --m_textTop;
        break;
    case KeyCode::Down:
        ++m_textTop;
        break;
    case KeyCode::PageUp:
        m_textTop -= m_textRows;
        break;
    case KeyCode::PageDown:
        m_textTop += m_textRows;
        break;
    case KeyCode::Home:
        m_textTop = 0;
        break;
    case KeyCode::End:
        m_textTop = m_textLines;
        break;
    default:
        return;
    }
    m_textTop = std::clamp(m_textTop, 0, std::max(m_textLines - m_textRows, 0));
}

std::u32string HelpWindow::Hint() const
{
    return LoadText(IDS_HINT_HELP_WINDOW);
}

}   // namespace tui
