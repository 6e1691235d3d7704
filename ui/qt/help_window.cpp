// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt/help_window.h"

#include <QFontMetrics>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "res/resource_ids.h"
#include "ui/base/message_box.h"
#include "ui/host/help_library.h"
#include "ui/host/host_text.h"
#include "ui/qt/help_html.h"
#include "ui/qt/qt_text.h"

HelpWindow::HelpWindow(HelpLibrary& library)
    : QDialog(nullptr, Qt::Window), m_library(library), m_search(new QLineEdit(this)),
      m_contents(new QListWidget(this)), m_text(new QTextBrowser(this))
{
    setWindowTitle(FromHelpText(HelpLibrary::WindowCaption()));
    m_search->setPlaceholderText(ToQString(LoadString(IDS_HELP_SEARCH)));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(ToQString(LoadString(IDS_HELP_SEARCH)));
    m_contents->setAccessibleName(ToQString(LoadString(IDS_HELP_CONTENTS)));
    m_text->setAccessibleName(ToQString(LoadString(IDS_HELP_TOPIC)));

    auto* splitter = new QSplitter(this);
    auto* side = new QWidget(splitter);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(m_search);
    sideLayout->addWidget(m_contents);
    splitter->addWidget(side);
    splitter->addWidget(m_text);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);

    // Sized in text, not pixels: room for a topic's lines at any font and scale.
    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 110, metrics.height() * 32);

    FillContents();
    connect(m_contents, &QListWidget::currentRowChanged, this, &HelpWindow::ShowRow);
    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::Filter);
}

void HelpWindow::FillContents()
{
    const HelpTopics* topics = m_library.Topics();
    if (!topics)
        return;
    for (const HelpTopic& topic : topics->Topics()) {
        auto* item = new QListWidgetItem(FromHelpText(topic.title), m_contents);
        // Overviews head the topics of their dialog.
        if (topic.kind == HelpTopicKind::Overview) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
}

void HelpWindow::ShowTopic(HelpTopicKind kind, uint32_t id)
{
    const int row = m_library.IndexOf(m_library.Find(kind, id));
    // The topic asked for is shown even when the search has hidden it from the list.
    if (row >= 0 && m_contents->item(row)->isHidden())
        m_search->clear();
    {
        const QSignalBlocker blocker(m_contents);
        m_contents->setCurrentRow(row);
    }
    ShowRow(row);
    if (!isVisible())
        FitScreen();
    show();
    raise();
    activateWindow();
}

void HelpWindow::FitScreen()
{
    // On the screen of the dialog it explains, frame and all: its size is set in text, and the
    // screen may have far less room at a large scale. The user's own size and place are kept where
    // they fit.
    const QWindow* owner = windowHandle() ? windowHandle()->transientParent() : nullptr;
    QScreen* screen = owner ? owner->screen() : this->screen();
    if (!screen)
        return;
    setScreen(screen);
    const QRect room = screen->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    resize(size().boundedTo(room.size() * 9 / 10 - frame));
    QRect placed = frameGeometry();
    if (!testAttribute(Qt::WA_Moved))
        placed.moveCenter(owner ? owner->geometry().center() : room.center());
    placed.moveRight(std::min(placed.right(), room.right()));
    placed.moveBottom(std::min(placed.bottom(), room.bottom()));
    placed.moveLeft(std::max(placed.left(), room.left()));
    placed.moveTop(std::max(placed.top(), room.top()));
    move(placed.topLeft());
}

void HelpWindow::ShowRow(int row)
{
    const HelpTopics* topics = m_library.Topics();
    if (!topics || row < 0 || static_cast<size_t>(row) >= topics->Topics().size()) {
        m_current = nullptr;
        m_text->setHtml(TopicHtml(nullptr, m_library));
        return;
    }
    m_current = &topics->Topics()[static_cast<size_t>(row)];
    m_text->setHtml(TopicHtml(*m_current));
}

void HelpWindow::Filter(const QString& text)
{
    const std::vector<size_t> found = m_library.Search(text.toStdU32String());
    for (int row = 0; row < m_contents->count(); ++row)
        m_contents->item(row)->setHidden(!std::binary_search(found.begin(), found.end(), static_cast<size_t>(row)));
    // The text beside the list is always of a topic the list shows: the first one found, or none.
    const int current = m_contents->currentRow();
    if (current >= 0 && !m_contents->item(current)->isHidden())
        return;
    const int first = found.empty() ? -1 : static_cast<int>(found.front());
    {
        const QSignalBlocker blocker(m_contents);
        m_contents->setCurrentRow(first);
    }
    if (first >= 0) {
        ShowRow(first);
    } else {
        m_current = nullptr;
        m_text->clear();
    }
}
