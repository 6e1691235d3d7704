// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The escape sequences terminals send for their keys, read by the host itself so that a key works
// whatever TERM claims: xterm and its kin, the Linux console, PuTTY, rxvt, screen and tmux each
// have their own for Home, End and the function keys. curses decodes the sequences its terminal
// description names; the rest reach here.
#include <string_view>

#include "ui/tui/key.h"

namespace tui {

// Whether `sequence`, the characters after Esc read so far, is a whole key sequence (or a broken
// one that cannot go on); false while more of it is to come.
bool SequenceEnds(std::u32string_view sequence);
// The key a whole sequence stands for; KeyCode::None for one the host has no use for, which is
// dropped whole.
Key DecodeSequence(std::u32string_view sequence);

}   // namespace tui
