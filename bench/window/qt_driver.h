// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Drives the Servers and Printers window on the Qt host as a user would, through its widgets, and
// times one action from the input to the window ready for the next one.
#include <QWidget>
#include <chrono>
#include <functional>

#include "ui/qt/qt_host.h"

class CDialog;
class QMessageBox;

using Clock = std::chrono::steady_clock;

// Seconds from `start` until now.
double SecondsSince(Clock::time_point start);

// Lets the event loop run until everything it has been given is done, painting included: one
// turn, since the posted events (the paint requests among them) go before a timer of no delay.
void Settle();

// Runs `body` inside the next modal run that starts (a dialog or a message box opened by the
// input that follows), once that window is up.
void InNextRun(std::function<void()> body);

// The running dialog built from template `templateId`, and the widget of its control `id`.
CDialog* RunningDialog(uint32_t templateId);
QWidget* Control(QtHost& host, uint32_t templateId, int id);
// Clicks a push button or check box of a running dialog, as the mouse would.
void Click(QtHost& host, uint32_t templateId, int id);
// The message box in front, or null.
QMessageBox* MessageBoxInFront();

// Opens the main window on kqnet.ini (every name resolving), runs `body` once it is up, then gives
// the window up unless `body` ended it.
void WithMainWindow(const std::function<void(QtHost&)>& body);
