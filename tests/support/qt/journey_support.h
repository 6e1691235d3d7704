// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A user at the real widgets: a Qt host that knows which dialog is in front, clicks and typing on
// its controls, answers to message boxes, and the steps of a journey played one per turn of the
// event loop under a watchdog.
#include <QMessageBox>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/qt/qt_test_support.h"

class JourneyHost : public RecordingQtHost {
public:
    // The innermost running dialog; null when none runs.
    CDialog* Current() const { return InnermostDialog(); }
    // The template of the dialog in front; 0 when none runs.
    uint32_t CurrentTemplate() const;
    // The widget of control `id` of the dialog in front (fails the test when there is none).
    QWidget* Control(int id) const;

    void Click(int id) const;
    void Type(int id, const char* text) const;
    // Selects the row of a list box that shows `text`, as a click on it would.
    void ChooseRow(int id, const char* text) const;
};

// The message box in front; null (and a failure) when none is.
QMessageBox* ShownMessageBox();
// Answers the message box in front with `button`, after checking that it asks `text`.
void Answer(const std::string& text, QMessageBox::StandardButton button);

// Runs the program's main window, the Servers and Printers list, and answers how it closed.
int RunMainWindow();

// Plays `steps`, one every `interval`, while `run` runs the first dialog; a step that opens a modal
// dialog has the next one act inside it. Fails the test when a step is left unplayed, and abandons
// every run when dialogs still run long after the last step. Answers what `run` returned.
// A mnemonic presses its button a moment after the key (Qt animates the click): journeys that use
// them take a longer interval.
int PlayJourney(JourneyHost& host, std::vector<std::function<void()>> steps, const std::function<int()>& run,
                std::chrono::milliseconds interval = std::chrono::milliseconds(10));
