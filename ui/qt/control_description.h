// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a control tells the user about itself beyond what it shows: its help topic as its
// "What's This?" text, and for screen readers its name (from its caption or label) and its topic.
#include <QWidget>

#include "ui/base/live_window.h"

class HelpLibrary;

void DescribeControl(QWidget& widget, const LiveWindow& control, HelpLibrary& help);
