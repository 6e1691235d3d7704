// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a list or combo widget shows, and how it is brought in line with its live window's rows with
// the fewest widget edits: none when the rows are the same (a refresh that changed nothing), one
// insertion, removal or move for a row added, deleted or renamed, and only the changed stretch
// otherwise. A list widget refilled row by row lays itself out again for every row.
#include <QWidget>
#include <string>
#include <vector>

#include "ui/base/live_window.h"

class ShownRows {
public:
    // `widget` is the window's QListWidget or QComboBox, with its signals blocked by the caller.
    void Sync(QWidget& widget, const LiveWindow& window);

private:
    std::vector<std::string> m_texts;
};
