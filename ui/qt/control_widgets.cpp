// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt/control_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QValidator>
#include <qdrawutil.h>
#include <algorithm>
#include <utility>

#include "res/window_styles.h"
#include "ui/base/control_kind.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/qt_text.h"

namespace {

// A static icon: the icon drawn square in the control's top-left corner, as large as the control
// allows, so that it grows with the dialog font and the screen's scale like everything else.
class IconWidget : public QWidget {
public:
    IconWidget(QIcon icon, QWidget* parent) : QWidget(parent), m_icon(std::move(icon)) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const int side = std::min(width(), height());
        m_icon.paint(&painter, QRect(0, 0, side, side), Qt::AlignLeft | Qt::AlignTop);
    }

private:
    QIcon m_icon;
};

// Check boxes and radio buttons take a click anywhere in their rectangle, not only on the
// indicator and the caption's glyphs: the templates size them for a wider font than Qt's.
template <class Button> class WholeRectButton : public Button {
public:
    using Button::Button;

protected:
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

// An edit field's limit counts the bytes of its text, where a character can take up to four; Qt's
// own limit counts UTF-16 units. A change that would pass the limit is refused whole (the field
// then signals inputRejected), never cut; one that shortens a text set longer by code is allowed.
class ByteLimit : public QValidator {
public:
    ByteLimit(const LiveWindow& window, QObject* parent) : QValidator(parent), m_window(window) {}

    State validate(QString& input, int& /*position*/) const override
    {
        const int limit = m_window.textLimit();
        if (limit <= 0)
            return Acceptable;
        // What the field shows of the model's text: a stray byte shows as three.
        const qsizetype shown = ToQString(m_window.text()).toUtf8().size();
        const qsizetype bytes = input.toUtf8().size();
        return bytes <= limit || bytes <= shown ? Acceptable : Invalid;
    }

private:
    const LiveWindow& m_window;
};

// A sunken separator: a dark line over a light one, drawn so that the dark one shows even when
// the control is a single pixel high, as a one-unit line can be with a small font.
class SeparatorLine : public QFrame {
public:
    explicit SeparatorLine(QWidget* parent) : QFrame(parent)
    {
        setFrameShape(QFrame::HLine);
        setFrameShadow(QFrame::Sunken);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const int top = std::max(0, height() / 2 - 1);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(0, top, width() - 1, top);
        if (top + 1 < height()) {
            painter.setPen(palette().color(QPalette::Light));
            painter.drawLine(0, top + 1, width() - 1, top + 1);
        }
    }
};

// A group box as the templates were laid out for: the etched frame runs through the middle of the
// caption's line, so that the controls placed a line below the box's top stand clear inside it.
// Qt's styles draw the line below the whole caption, on those controls' top edges.
class GroupFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QFontMetrics metrics = fontMetrics();
        qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true, 1, 0);
        if (title().isEmpty())
            return;
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;
        const int indent = metrics.averageCharWidth();
        const QRect room(indent, 0, std::max(0, width() - 2 * indent), metrics.height());
        const QRect caption = style()->itemTextRect(metrics, room, flags, isEnabled(), title());
        painter.fillRect(caption.adjusted(-2, 0, 2, 0), palette().window());
        style()->drawItemText(&painter, caption, flags, palette(), isEnabled(), title(), QPalette::WindowText);
    }
};

// A list box as the keyboard knows it: with no row selected, the arrows select the row the focus
// rectangle stands on (Qt would only move the rectangle, and select nothing where it cannot move),
// Home and End select the first and last rows, and an empty list shows that it has the focus.
class ListBox : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const int key = event->key();
        const bool arrow = key == Qt::Key_Up || key == Qt::Key_Down;
        const bool moves = event->modifiers() == Qt::NoModifier &&
                           (arrow || key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_PageUp ||
                            key == Qt::Key_PageDown);
        if (!moves || !selectedItems().isEmpty()) {
            QListWidget::keyPressEvent(event);
            return;
        }
        if (!arrow || !currentIndex().isValid())
            QListWidget::keyPressEvent(event);
        if (currentIndex().isValid())
            selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
        event->accept();
    }

    void paintEvent(QPaintEvent* event) override
    {
        QListWidget::paintEvent(event);
        if (!hasFocus() || currentIndex().isValid())
            return;
        QPainter painter(viewport());
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.state |= QStyle::State_KeyboardFocusChange | QStyle::State_HasFocus;
        option.rect = QRect(0, 0, viewport()->width(), fontMetrics().height() + 2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
};

QWidget* CreateLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* CreateRadioButton(QWidget* parent)
{
    // The model decides which buttons form a group and clears the others.
    auto* radio = new WholeRectButton<QRadioButton>(parent);
    radio->setAutoExclusive(false);
    return radio;
}

QWidget* CreatePushButton(QWidget* parent)
{
    // Enter presses the model's default button, never the focused one by Qt's own rule.
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    return button;
}

QWidget* CreateListBox(const LiveWindow& window, QWidget* parent)
{
    auto* list = new ListBox(parent);
    // The rows stand in the model's order: it sorts a sorted list box itself.
    list->setSortingEnabled(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // A list box's rows are one line of one font, so the widget need not measure every row again
    // whenever one is added.
    list->setUniformItemSizes(true);
    list->setVerticalScrollBarPolicy((window.style() & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy((window.style() & WS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    return list;
}

QWidget* CreateComboBox(const LiveWindow& window, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    // A combo box with an edit field of its own is editable; a drop-down list is not.
    combo->setEditable(!window.children().empty());
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

void ApplyText(QWidget& widget, const LiveWindow& window)
{
    const QString text = ToQString(window.text());
    if (auto* label = qobject_cast<QLabel*>(&widget))
        label->setText(label->buddy() ? text : WithoutMnemonic(text));
    else if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(&widget))
        group->setTitle(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(&widget); edit && edit->text() != text)
        edit->setText(text);
}

void ApplySelection(QWidget& widget, const LiveWindow& window)
{
    const int index = window.selection();
    if (auto* list = qobject_cast<QListWidget*>(&widget)) {
        if (index < 0) {
            list->clearSelection();
            list->setCurrentItem(nullptr);
        } else if (list->currentRow() != index || !list->item(index)->isSelected()) {
            list->setCurrentRow(index);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(&widget); combo && !combo->isEditable()) {
        combo->setCurrentIndex(index);
    }
}

void ApplyStyle(QWidget& widget, const LiveWindow& window)
{
    if (auto* button = qobject_cast<QPushButton*>(&widget))
        button->setDefault(window.IsDefaultButton());
    // Tab reaches tab stops only; a click still gives the focus to the other controls that take
    // clicks. Labels and group boxes never take the focus.
    if (!TakesInput(ControlKindOf(window)))
        widget.setFocusPolicy(Qt::NoFocus);
    else
        widget.setFocusPolicy((window.style() & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
}

}   // namespace

QWidget* CreateControlWidget(const LiveWindow& window, QWidget* parent)
{
    switch (ControlKindOf(window)) {
    case ControlKind::PushButton:
        return CreatePushButton(parent);
    case ControlKind::CheckBox:
        return new WholeRectButton<QCheckBox>(parent);
    case ControlKind::RadioButton:
        return CreateRadioButton(parent);
    case ControlKind::GroupBox:
        return new GroupFrame(parent);
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(parent);
        edit->setValidator(new ByteLimit(window, edit));
        return edit;
    }
    case ControlKind::ListBox:
        return CreateListBox(window, parent);
    case ControlKind::ComboBox:
        return CreateComboBox(window, parent);
    case ControlKind::Icon:
        return new IconWidget(IconResource(IconReference(window.text()).value_or(0)), parent);
    case ControlKind::Separator:
        return new SeparatorLine(parent);
    case ControlKind::Label:
    case ControlKind::Other:
        break;
    }
    return CreateLabel(parent);
}

void ApplyChange(QWidget& widget, const LiveWindow& window, WindowChange change)
{
    switch (change) {
    case WindowChange::Text:
        ApplyText(widget, window);
        break;
    case WindowChange::Enabled:
        widget.setEnabled(window.IsWindowEnabled());
        break;
    case WindowChange::Visible:
        widget.setVisible((window.style() & WS_VISIBLE) != 0);
        break;
    case WindowChange::Style:
        ApplyStyle(widget, window);
        break;
    case WindowChange::Check:
        if (auto* button = qobject_cast<QAbstractButton*>(&widget); button && button->isCheckable())
            button->setChecked(window.check() == BST_CHECKED);
        break;
    case WindowChange::Rows:        // ShownRows brings them in line
        break;
    case WindowChange::Selection:
        ApplySelection(widget, window);
        break;
    case WindowChange::Focus:
    case WindowChange::Placement:
    case WindowChange::SystemMenu:
    case WindowChange::Icon:
        break;
    }
}

void ApplyState(QWidget& widget, const LiveWindow& window)
{
    for (const WindowChange change : {WindowChange::Text, WindowChange::Enabled, WindowChange::Visible,
                                      WindowChange::Style, WindowChange::Check})
        ApplyChange(widget, window, change);
}
