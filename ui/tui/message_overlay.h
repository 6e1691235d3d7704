// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A message box: a caption, a wrapped text and a row of buttons. Tab and the arrows move between
// the buttons, Enter or Space presses the one with the focus, a button's letter presses it, and Esc
// gives the answer that stands for closing the box.
#include <string>
#include <vector>

#include "ui/tui/overlay.h"

namespace tui {

class MessageOverlay : public Overlay {
public:
    // `buttons` are captions with their mnemonic marked by '&'; `escapeAnswer` indexes them.
    MessageOverlay(std::u32string caption, std::u32string text, std::vector<std::string> buttons, int escapeAnswer);

    // The index of the button pressed; -1 while none is.
    int answer() const { return m_answer; }

    void Paint(Canvas& canvas) override;
    void HandleKey(const Key& key) override;
    bool done() const override { return m_answer >= 0; }
    std::u32string Hint() const override;

private:
    std::u32string m_caption;
    std::u32string m_text;
    std::vector<std::string> m_buttons;
    int m_escapeAnswer;
    int m_focus = 0;
    int m_answer = -1;
};

}   // namespace tui
