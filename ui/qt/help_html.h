// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The help topics as the Qt host shows them: rich text for popups, "What's This?" texts and the
// help window, plain text for screen readers.
#include <QString>
#include <cstdint>

#include "res/help_topics.h"

class HelpLibrary;

// A text of the help file, which is UTF-8.
QString FromHelpText(const std::string& text);
// The topic as rich text: its title as a heading, then its paragraphs and list items; an overview
// ends with how help and the window's menu are reached in this window.
QString TopicHtml(const HelpTopic& topic);
// The topic as plain text (title and body), for screen readers.
QString TopicPlainText(const HelpTopic& topic);
// Rich text of `topic`, or of why there is none.
QString TopicHtml(const HelpTopic* topic, HelpLibrary& help);
