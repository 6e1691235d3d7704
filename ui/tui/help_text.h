// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A help topic as the terminal shows it: lines of text for popups and the help window.
#include <string>
#include <vector>

#include "res/help_topics.h"

namespace tui {

// A topic as lines of at most `width` cells: its title, a blank line, then its paragraphs with a
// blank line between them; a list item starts "- " and its further lines are indented. An overview
// ends with how help and the window's menu are reached by the terminal's keys.
std::vector<std::u32string> TopicLines(const HelpTopic& topic, int width);

}   // namespace tui
