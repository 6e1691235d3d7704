// SPDX-License-Identifier: GPL-2.0-or-later
// Floors for the Qt host's actions: the same toolkit doing the least that shows the same result,
// in a bare dialog holding a bare list widget of the same names, given just the row that changed.
// The list's rows are uniform in height, as the host's are: the least a list widget can do.
// Timed as the actions are, from the first widget call to the window painted.
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <benchmark/benchmark.h>
#include <memory>
#include <strings.h>

#include "bench/bench_profile.h"
#include "bench/window/qt_driver.h"
#include "res/template_list.h"
#include "res/window_styles.h"

namespace {

// The names of BuildServerList in a bare list widget, in the list box's order, on screen.
class BareWindow {
public:
    explicit BareWindow(int servers)
    {
        ListGuard source{BuildServerList(servers)};
        QStringList names;
        for (const ServerEntry* entry = source.head; entry; entry = entry->next)
            names.append(QString::fromUtf8(entry->name));
        std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        list = new QListWidget(&dialog);
        list->setUniformItemSizes(true);
        (new QVBoxLayout(&dialog))->addWidget(list);
        list->addItems(names);
        dialog.show();
        Settle();
    }

    QDialog dialog;
    QListWidget* list;
};

int Middle(const BareWindow& window)
{
    return window.list->count() / 2;
}

// A second window in front of the list, as the server dialog or the delete question stands.
template <typename Window>
std::unique_ptr<Window> ShowInFront(BareWindow& window)
{
    auto front = std::make_unique<Window>(&window.dialog);
    front->show();
    Settle();
    return front;
}

// Shows a `Window` in front of the list (not timed), then times its going and `change` of the
// list until the window is painted.
template <typename Window>
void TimeClosing(benchmark::State& state, const std::function<void(BareWindow&)>& change)
{
    BareWindow window(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const auto front = ShowInFront<Window>(window);
        const Clock::time_point start = Clock::now();
        front->hide();
        change(window);
        Settle();
        state.SetIterationTime(SecondsSince(start));
    }
}

// Add, then OK: the dialog in front goes, one row comes in its sorted place and is selected.
void BM_QtFloorAddRow(benchmark::State& state)
{
    int added = 0;
    TimeClosing<QDialog>(state, [&](BareWindow& window) {
        const int row = Middle(window);
        window.list->insertItem(row, QString("added-%1").arg(++added));
        window.list->setCurrentRow(row);
    });
}

// Modify, then OK or Cancel, with the name unchanged: the dialog in front goes.
void BM_QtFloorCloseDialog(benchmark::State& state)
{
    TimeClosing<QDialog>(state, [](BareWindow&) {});
}

// Delete, then Yes: the question goes, the row goes, the row now at its place is selected.
void BM_QtFloorRemoveRow(benchmark::State& state)
{
    TimeClosing<QMessageBox>(state, [](BareWindow& window) {
        const int row = Middle(window);
        delete window.list->takeItem(row);
        window.list->setCurrentRow(row);
    });
}

// Delete, then No: the question goes.
void BM_QtFloorCloseMessageBox(benchmark::State& state)
{
    TimeClosing<QMessageBox>(state, [](BareWindow&) {});
}

void BM_QtFloorSelectRow(benchmark::State& state)
{
    BareWindow window(static_cast<int>(state.range(0)));
    int next = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        window.list->setCurrentRow(Middle(window) + (next++ % 2));
        Settle();
        state.SetIterationTime(SecondsSince(start));
    }
}

// A bare widget for each control of the server dialog's template, at its place.
QWidget* BareControl(const ControlTemplate& control, QWidget* parent)
{
    const uint32_t type = control.style & BS_TYPEMASK;
    QWidget* widget = nullptr;
    if (strcasecmp(control.className, "Edit") == 0)
        widget = new QLineEdit(parent);
    else if (strcasecmp(control.className, "ListBox") == 0)
        widget = new QListWidget(parent);
    else if (strcasecmp(control.className, "Button") != 0)
        widget = new QLabel(QString::fromUtf8(control.text), parent);
    else if (type == BS_GROUPBOX)
        widget = new QGroupBox(QString::fromUtf8(control.text), parent);
    else if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX)
        widget = new QCheckBox(QString::fromUtf8(control.text), parent);
    else
        widget = new QPushButton(QString::fromUtf8(control.text), parent);
    widget->setGeometry(control.x * 2, control.y * 2, control.cx * 2, control.cy * 2);
    return widget;
}

// Opening the server dialog: a bare dialog with the same controls, shown in front of the list.
void BM_QtFloorOpenDialog(benchmark::State& state)
{
    BareWindow window(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        QDialog front(&window.dialog);
        for (const ControlTemplate& control : kServerTemplate.controls)
            BareControl(control, &front);
        front.show();
        Settle();
        state.SetIterationTime(SecondsSince(start));
    }
}

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseManualTime();
}

} // namespace

BENCHMARK(BM_QtFloorAddRow)->Apply(Sizes);
BENCHMARK(BM_QtFloorCloseDialog)->Apply(Sizes);
BENCHMARK(BM_QtFloorRemoveRow)->Apply(Sizes);
BENCHMARK(BM_QtFloorCloseMessageBox)->Apply(Sizes);
BENCHMARK(BM_QtFloorSelectRow)->Apply(Sizes);
BENCHMARK(BM_QtFloorOpenDialog)->Apply(Sizes);
