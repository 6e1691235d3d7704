// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The help window: a contents list of every topic, a search field that narrows it, and the text
// of the chosen topic. One window serves the whole program and stays open beside the dialogs.
#include <QDialog>
#include <cstdint>

#include "res/help_topics.h"

class QLineEdit;
class QListWidget;
class QTextBrowser;
class HelpLibrary;

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(HelpLibrary& library);

    // Shows the window at a topic (or at why there is none) and brings it to the front.
    void ShowTopic(HelpTopicKind kind, uint32_t id);

    // The topic on show; null when none is.
    const HelpTopic* currentTopic() const { return m_current; }
    QListWidget* contents() const { return m_contents; }
    QLineEdit* searchField() const { return m_search; }

private:
    void FillContents();
    void ShowRow(int row);
    void Filter(const QString& text);
    void FitScreen();

    HelpLibrary& m_library;
    QLineEdit* m_search;
    QListWidget* m_contents;
    QTextBrowser* m_text;
    const HelpTopic* m_current = nullptr;
};
