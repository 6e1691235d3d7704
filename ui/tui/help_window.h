// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The help window: a search field, the contents list of every topic (narrowed by the search) and
// the text of the chosen topic, over the whole screen. Tab moves between the three; Esc closes.
#include <string>
#include <vector>

#include "ui/host/help_library.h"
#include "ui/tui/overlay.h"

namespace tui {

class HelpWindow : public Overlay {
public:
    HelpWindow(HelpLibrary& help, std::u32string title);

    // Shows a topic (or why there is none); a search that hides it from the list is cleared.
    void ShowTopic(HelpTopicKind kind, uint32_t id);
    void Close() { m_done = true; }
    // The topic on show; null when none is.
    const HelpTopic* currentTopic() const;

    void Paint(Canvas& canvas) override;
    void HandleKey(const Key& key) override;
    bool done() const override { return m_done; }
    std::u32string Hint() const override;

private:
    enum class Pane { Search, Contents, Text };

    void Filter();
    void MoveInContents(const Key& key);
    void ScrollText(const Key& key);
    void PaintContents(Canvas& canvas, const Rect& pane);
    void PaintText(Canvas& canvas, const Rect& pane);

    HelpLibrary& m_help;
    std::u32string m_title;
    std::u32string m_search;
    std::vector<size_t> m_shown;   // indexes of the topics the search lets through
    int m_current = -1;            // index of the topic on show
    Pane m_pane = Pane::Contents;
    int m_listTop = 0;
    int m_textTop = 0;
    int m_textRows = 1;            // rows of text the last frame showed, for paging
    int m_textLines = 0;
    bool m_done = false;
};

}   // namespace tui
