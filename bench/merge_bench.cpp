// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's save at OK: SaveMergedServerList reads the file's list under the lock before it
// writes, and merges when another program changed it. Compare with BM_SaveServerList.
#include "bench/bench_profile.h"

#include "config/server_merge.h"

#include <benchmark/benchmark.h>

namespace {

// The list as loaded (base), as the user left it (one server changed), and as another program
// left the file (another server changed), or the base itself when nobody else wrote.
void BM_SaveMergedServerList(benchmark::State& state)
{
    const OwnedServerList base(BuildServerList(static_cast<int>(state.range(0))));
    ServerList copies[2] = {nullptr, nullptr};
    if (CopyServerEntries(base.get(), copies[0], true) != ProfileOk
        || CopyServerEntries(base.get(), copies[1], true) != ProfileOk) {
        state.SkipWithError("out of memory");
        return;
    }
    const OwnedServerList mine(copies[0]);
    const OwnedServerList theirs(copies[1]);
    mine->nfsDriveMounts = 0;
    const bool otherWriter = state.range(1) != 0;
    ServerEntry* last = theirs.get();
    while (last->next)
        last = last->next;
    last->nfsPrinterMounts = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const bool written = WriteFreshProfile(otherWriter ? theirs.get() : base.get());
        state.ResumeTiming();
        MergeDecisions decisions;
        std::vector<MergeConflict> conflicts;
        if (!written || SaveMergedServerList(base.get(), mine.get(), decisions, conflicts) != ProfileOk
            || !conflicts.empty())
            state.SkipWithError("save failed");
    }
}

} // namespace

BENCHMARK(BM_SaveMergedServerList)
    ->ArgsProduct({{100, 1000, 10000}, {0, 1}})
    ->ArgNames({"servers", "otherWriter"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
