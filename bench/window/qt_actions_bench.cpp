// SPDX-License-Identifier: GPL-2.0-or-later
// What a user does in the Servers and Printers window on the Qt host, each action timed from the
// input (the click) to the window ready for the next one, painted: what leads up to the input
// (opening a dialog, typing a name, selecting the row) is not counted.
#include <QAbstractButton>
#include <QListWidget>
#include <QMessageBox>
#include <benchmark/benchmark.h>
#include <string>

#include "bench/bench_profile.h"
#include "bench/window/qt_driver.h"
#include "res/resource_ids.h"
#include "ui/base/dialog.h"
#include "ui/base/user_input.h"

namespace {

QListWidget* ServerRows(QtHost& host)
{
    return qobject_cast<QListWidget*>(Control(host, IDD_SERVER_LIST, IDC_MAIN_SERVER_LIST));
}

// Clicks row `row` of the main window's list.
void SelectRow(QtHost& host, int row)
{
    ServerRows(host)->setCurrentRow(row);
    Settle();
}

int MiddleRow(QtHost& host)
{
    return ServerRows(host)->count() / 2;
}

// Runs one timed action per iteration in the main window, open on kqnet.ini of the benchmark's
// size; `action` returns the seconds its action took.
void InMainWindow(benchmark::State& state, const std::function<double(QtHost&)>& action)
{
    if (!WriteServersOrSkip(state))
        return;
    WithMainWindow([&](QtHost& host) {
        for (auto _ : state)
            state.SetIterationTime(action(host));
    });
}

// Opens the server dialog with `opener` (Add or Modify), does `prepare` in it, then times the
// click on `button` until the main window is back and painted.
double CloseServerDialog(QtHost& host, int opener, int button, const std::function<void()>& prepare)
{
    Clock::time_point start;
    InNextRun([&] {
        prepare();
        start = Clock::now();
        Click(host, IDD_SERVER, button);
    });
    Click(host, IDD_SERVER_LIST, opener);
    Settle();
    return SecondsSince(start);
}

// Adds a server of that name through the server dialog; returns the seconds from its OK on.
double AddServer(QtHost& host, const std::string& name)
{
    return CloseServerDialog(host, IDC_MAIN_ADD, IDOK,
                             [&] { UserTypeText(RunningDialog(IDD_SERVER)->GetDlgItem(IDC_SERVER_NAME), name); });
}

// Deletes the selected server, answering `answer`; returns the seconds from the answer on.
double AnswerDelete(QtHost& host, QMessageBox::StandardButton answer)
{
    Clock::time_point start;
    InNextRun([&] {
        QMessageBox* box = MessageBoxInFront();
        start = Clock::now();
        box->button(answer)->click();
    });
    Click(host, IDD_SERVER_LIST, IDC_MAIN_DELETE);
    Settle();
    return SecondsSince(start);
}

// Each added server is deleted again, and each deleted one added again (neither timed), so that
// the list keeps its length.
void BM_QtAddThenOk(benchmark::State& state)
{
    InMainWindow(state, [](QtHost& host) {
        const double took = AddServer(host, "added-server");
        SelectRow(host, ServerRows(host)->row(ServerRows(host)->findItems("added-server", Qt::MatchExactly).front()));
        (void)AnswerDelete(host, QMessageBox::Yes);
        return took;
    });
}

void BM_QtModifyThenOk(benchmark::State& state)
{
    InMainWindow(state, [](QtHost& host) {
        SelectRow(host, MiddleRow(host));
        return CloseServerDialog(host, IDC_MAIN_MODIFY, IDOK, [&] { Click(host, IDD_SERVER, IDC_SERVER_NFS_DRIVES); });
    });
}

void BM_QtModifyThenCancel(benchmark::State& state)
{
    InMainWindow(state, [](QtHost& host) {
        SelectRow(host, MiddleRow(host));
        return CloseServerDialog(host, IDC_MAIN_MODIFY, IDCANCEL, [] {});
    });
}

void BM_QtDeleteYes(benchmark::State& state)
{
    InMainWindow(state, [](QtHost& host) {
        SelectRow(host, MiddleRow(host));
        const std::string name = ServerRows(host)->currentItem()->text().toStdString();
        const double took = AnswerDelete(host, QMessageBox::Yes);
        (void)AddServer(host, name);
        return took;
    });
}

void BM_QtDeleteNo(benchmark::State& state)
{
    InMainWindow(state, [](QtHost& host) {
        SelectRow(host, MiddleRow(host));
        return AnswerDelete(host, QMessageBox::No);
    });
}

void BM_QtSelectRow(benchmark::State& state)
{
    int next = 0;
    InMainWindow(state, [&](QtHost& host) {
        const int row = MiddleRow(host) + (next++ % 2);
        const Clock::time_point start = Clock::now();
        SelectRow(host, row);
        return SecondsSince(start);
    });
}

void BM_QtOpenServerDialog(benchmark::State& state)
{
    InMainWindow(state, [](QtHost& host) {
        SelectRow(host, MiddleRow(host));
        double took = 0;
        const Clock::time_point start = Clock::now();
        InNextRun([&] {
            took = SecondsSince(start);
            Click(host, IDD_SERVER, IDCANCEL);
        });
        Click(host, IDD_SERVER_LIST, IDC_MAIN_MODIFY);
        Settle();
        return took;
    });
}

// OK in the main window: the whole list saved, and the window closed. Each iteration opens the
// window afresh and changes one server first.
void BM_QtMainOk(benchmark::State& state)
{
    if (!WriteServersOrSkip(state))
        return;
    for (auto _ : state) {
        Clock::time_point start;
        WithMainWindow([&](QtHost& host) {
            SelectRow(host, MiddleRow(host));
            (void)CloseServerDialog(host, IDC_MAIN_MODIFY, IDOK, [&] { Click(host, IDD_SERVER, IDC_SERVER_NFS_DRIVES); });
            start = Clock::now();
            Click(host, IDD_SERVER_LIST, IDOK);
        });
        state.SetIterationTime(SecondsSince(start));
    }
}

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseManualTime();
}

} // namespace

BENCHMARK(BM_QtAddThenOk)->Apply(Sizes);
BENCHMARK(BM_QtModifyThenOk)->Apply(Sizes);
BENCHMARK(BM_QtModifyThenCancel)->Apply(Sizes);
BENCHMARK(BM_QtDeleteYes)->Apply(Sizes);
BENCHMARK(BM_QtDeleteNo)->Apply(Sizes);
BENCHMARK(BM_QtSelectRow)->Apply(Sizes);
BENCHMARK(BM_QtOpenServerDialog)->Apply(Sizes);
BENCHMARK(BM_QtMainOk)->Apply(Sizes);
