// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt/shown_rows.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QListWidget>
#include <QStringList>
#include <algorithm>

#include "ui/qt/qt_text.h"

namespace {

// The row operations a list widget and a combo box share, each one widget edit.
class RowWidget {
public:
    explicit RowWidget(QWidget& widget)
        : m_list(qobject_cast<QListWidget*>(&widget)), m_combo(qobject_cast<QComboBox*>(&widget)) {}
    bool valid() const { return m_list || m_combo; }

    void Insert(size_t row, const QStringList& texts)
    {
        if (m_list)
            m_list->insertItems(static_cast<int>(row), texts);
        else
            m_combo->insertItems(static_cast<int>(row), texts);
    }
    void Remove(size_t row, size_t count)
    {
        QAbstractItemModel* model = m_list ? m_list->model() : m_combo->model();
        model->removeRows(static_cast<int>(row), static_cast<int>(count));
    }
    void SetText(size_t row, const QString& text)
    {
        if (m_list)
            m_list->item(static_cast<int>(row))->setText(text);
        else
            m_combo->setItemText(static_cast<int>(row), text);
    }

private:
    QListWidget* m_list;
    QComboBox* m_combo;
};

QStringList Texts(const ListRows& rows, size_t begin, size_t end)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(end - begin));
    for (size_t i = begin; i < end; ++i)
        texts.append(ToQString(rows[i].text));
    return texts;
}

} // namespace

void ShownRows::Sync(QWidget& widget, const LiveWindow& window)
{
    RowWidget target(widget);
    if (!target.valid())
        return;
    const ListRows& rows = window.rows();
    const size_t shown = m_texts.size();
    const size_t wanted = rows.size();
    size_t prefix = 0;
    for (auto row = rows.begin(); prefix < shown && prefix < wanted && m_texts[prefix] == row->text; ++row)
        ++prefix;
    size_t suffix = 0;
    while (suffix < shown - prefix && suffix < wanted - prefix && m_texts[shown - 1 - suffix] == rows[wanted - 1 - suffix].text)
        ++suffix;
    // What differs: rows [prefix, oldEnd) shown, [prefix, newEnd) wanted.
    const size_t oldEnd = shown - suffix;
    const size_t newEnd = wanted - suffix;
    if (prefix == oldEnd && prefix == newEnd)
        return;
    const auto same = [&](size_t shownFrom, size_t shownTo, size_t wantedFrom) {
        for (size_t i = shownFrom; i < shownTo; ++i) {
            if (m_texts[i] != rows[wantedFrom + i - shownFrom].text)
                return false;
        }
        return true;
    };
    const size_t count = oldEnd - prefix;
    if (count >= 2 && count == newEnd - prefix && same(prefix + 1, oldEnd, prefix)) {
        // The first row of the stretch moved to its end: a row renamed into a later place.
        target.Remove(prefix, 1);
        target.Insert(newEnd - 1, Texts(rows, newEnd - 1, newEnd));
    } else if (count >= 2 && count == newEnd - prefix && same(prefix, oldEnd - 1, prefix + 1)) {
        target.Remove(oldEnd - 1, 1);
        target.Insert(prefix, Texts(rows, prefix, prefix + 1));
    } else if (count == newEnd - prefix) {
        for (size_t i = prefix; i < oldEnd; ++i) {
            if (m_texts[i] != rows[i].text)
                target.SetText(i, ToQString(rows[i].text));
        }
    } else {
        if (count > 0)
            target.Remove(prefix, count);
        if (newEnd > prefix)
            target.Insert(prefix, Texts(rows, prefix, newEnd));
    }
    m_texts.erase(m_texts.begin() + static_cast<std::ptrdiff_t>(prefix), m_texts.begin() + static_cast<std::ptrdiff_t>(oldEnd));
    std::vector<std::string> added;
    added.reserve(newEnd - prefix);
    for (size_t i = prefix; i < newEnd; ++i)
        added.push_back(rows[i].text);
    m_texts.insert(m_texts.begin() + static_cast<std::ptrdiff_t>(prefix), std::make_move_iterator(added.begin()),
                   std::make_move_iterator(added.end()));
}
