// SPDX-License-Identifier: GPL-2.0-or-later
// Opening the Servers and Printers window on the Qt host, against the floor of a bare list widget in
// a dialog filled with the same names (as Qt makes it, and with rows of one height as the host's). Both are timed from the start to the first turn of the event
// loop after the window is shown; the window's time includes loading the list from kqnet.ini.
#include "bench/bench_profile.h"
#include "ui/qt/qt_host.h"
#include "ui/server_list_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>
#include <string>

namespace {

void BM_OpenServerListWindow(benchmark::State& state)
{
    ListGuard source{BuildServerList(static_cast<int>(state.range(0)))};
    if (!WriteFreshProfile(source.head)) {
        state.SkipWithError("cannot write the profile");
        return;
    }
    QtHost host;
    const HostScope scope(host);
    for (auto _ : state) {
        // Every opening of the program's window is its first: the file is parsed afresh.
        state.PauseTiming();
        TouchProfile();
        state.ResumeTiming();
        ServerListDialog dialog;
        QTimer::singleShot(0, [&host] { host.AbandonRuns(); });
        benchmark::DoNotOptimize(dialog.DoModal());
    }
}

// `uniform`: rows of one height, as the host's list widget takes them, so that the widget need not
// measure each; the least a list widget can do.
void BareListWidget(benchmark::State& state, bool uniform)
{
    ListGuard source{BuildServerList(static_cast<int>(state.range(0)))};
    QStringList names;
    for (const ServerEntry* entry = source.head; entry; entry = entry->next)
        names.append(QString::fromUtf8(entry->name));
    for (auto _ : state) {
        QDialog dialog;
        auto* list = new QListWidget(&dialog);
        (new QVBoxLayout(&dialog))->addWidget(list);
        list->setSortingEnabled(true);
        list->setUniformItemSizes(uniform);
        list->addItems(names);
        dialog.show();
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void BM_BareListWidget(benchmark::State& state)
{
    BareListWidget(state, false);
}

void BM_BareUniformListWidget(benchmark::State& state)
{
    BareListWidget(state, true);
}

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

} // namespace

BENCHMARK(BM_OpenServerListWindow)->Apply(Sizes);
BENCHMARK(BM_BareListWidget)->Apply(Sizes);
BENCHMARK(BM_BareUniformListWidget)->Apply(Sizes);

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // `--bare-dialog` shows an empty dialog until the program is stopped: what any Qt program holds
    // in memory, against which scripts/bench.sh weighs Norvane's own.
    if (argc == 2 && std::string(argv[1]) == "--bare-dialog") {
        QDialog dialog;
        dialog.show();
        return QApplication::exec();
    }
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
