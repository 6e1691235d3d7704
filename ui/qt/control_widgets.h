// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One widget for each kind of control, and how a change of the control's state reaches it.
#include <QWidget>

#include "ui/base/live_window.h"

// The widget that renders control `window`, created inside `parent` and not yet placed.
QWidget* CreateControlWidget(const LiveWindow& window, QWidget* parent);

// Brings `widget` in line with one aspect of `window`'s state. The caller blocks the widget's
// signals, so that nothing goes back to the model. Focus and placement are the dialog's business.
void ApplyChange(QWidget& widget, const LiveWindow& window, WindowChange change);
// Every aspect at once, for a freshly created widget, but its rows and selection: the dialog view
// keeps those in line itself (ShownRows).
void ApplyState(QWidget& widget, const LiveWindow& window);
