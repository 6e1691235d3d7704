// SPDX-License-Identifier: GPL-2.0-or-later
// norvanectl's `show --json` and an `apply` that changes one server, run in-process, against the
// store's own load of the same file (BM_LoadServerList) and its load and save (BM_LoadAndSaveServerList).
// Every run parses the file afresh, as a program that starts does.
#include "bench/bench_profile.h"

#include "cli/norvanectl.h"
#include "config/server_file.h"
#include "config/server_merge.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <streambuf>

namespace {

// Output that is formatted in full and then dropped.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

// Runs norvanectl, dropping what it prints unless `out` asks for it.
int RunQuietly(const std::vector<std::string>& arguments, std::string* out = nullptr)
{
    NullBuffer null;
    std::ostream discard(&null);
    std::istringstream in;
    if (!out)
        return RunNorvanectl(arguments, in, discard, discard);
    std::ostringstream captured;
    const int status = RunNorvanectl(arguments, in, captured, discard);
    *out = captured.str();
    return status;
}

// Outside the timing: the next read parses the file again, as the first read of a program does.
void ParseAfresh(benchmark::State& state)
{
    state.PauseTiming();
    TouchProfile();
    state.ResumeTiming();
}

bool PrepareProfile(benchmark::State& state)
{
    const OwnedServerList source(BuildServerList(static_cast<int>(state.range(0))));
    if (WriteFreshProfile(source.get()))
        return true;
    state.SkipWithError("cannot write the profile");
    return false;
}

// The store's floor for apply: the program's load of the file, one server changed, its save.
void BM_LoadAndSaveServerList(benchmark::State& state)
{
    if (!PrepareProfile(state))
        return;
    for (auto _ : state) {
        ParseAfresh(state);
        ServerList list = nullptr;
        if (LoadServerList(list) != ProfileOk || !list)
            state.SkipWithError("load failed");
        list->nfsDriveMounts = !list->nfsDriveMounts;
        if (SaveServerList(list) != ProfileOk)
            state.SkipWithError("save failed");
        state.PauseTiming();
        (void)FreeServerList(list);
        state.ResumeTiming();
    }
}

void BM_NorvanectlShowJson(benchmark::State& state)
{
    if (!PrepareProfile(state))
        return;
    for (auto _ : state) {
        ParseAfresh(state);
        if (RunQuietly({"show", "--json"}) != 0)
            state.SkipWithError("show failed");
    }
}

void BM_NorvanectlApplyOneServer(benchmark::State& state)
{
    if (!PrepareProfile(state))
        return;
    // Two documents that differ in one flag of the first server, applied in turn from files.
    std::string shown;
    if (RunQuietly({"show", "--json"}, &shown) != 0) {
        state.SkipWithError("show failed");
        return;
    }
    const std::string flag = "\"nfsDriveMounts\": true";
    std::string changed = shown;
    changed.replace(changed.find(flag), flag.size(), "\"nfsDriveMounts\": false");
    const std::string documents[2] = {BenchSystemDir::Instance().path() + "/changed.json",
                                      BenchSystemDir::Instance().path() + "/shown.json"};
    std::ofstream(documents[0]) << changed;
    std::ofstream(documents[1]) << shown;
    size_t turn = 0;
    for (auto _ : state) {
        ParseAfresh(state);
        if (RunQuietly({"apply", documents[turn++ % 2]}) != 0)
            state.SkipWithError("apply failed");
    }
}

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

} // namespace

BENCHMARK(BM_LoadAndSaveServerList)->Apply(Sizes);
BENCHMARK(BM_NorvanectlShowJson)->Apply(Sizes);
BENCHMARK(BM_NorvanectlApplyOneServer)->Apply(Sizes);
