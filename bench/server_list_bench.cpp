// SPDX-License-Identifier: GPL-2.0-or-later
// LoadServerList and SaveServerList against two floors: inih parsing the same file, and one atomic
// replacement (write, fsync, rename) of the same bytes.
#include "bench/bench_profile.h"

#include "config/server_file.h"

#include <benchmark/benchmark.h>
#include <ini.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void BM_LoadServerList(benchmark::State& state)
{
    ListGuard source{BuildServerList(static_cast<int>(state.range(0)))};
    if (!WriteFreshProfile(source.head)) {
        state.SkipWithError("cannot write the profile");
        return;
    }
    for (auto _ : state) {
        // Every load of the program is its first: make the profile layer parse the file again.
        state.PauseTiming();
        TouchProfile();
        state.ResumeTiming();
        ServerList list = nullptr;
        if (LoadServerList(list) != ProfileOk)
            state.SkipWithError("load failed");
        state.PauseTiming();
        FreeServerList(list);
        state.ResumeTiming();
    }
}

int CountPair(void* user, const char*, const char*, const char*)
{
    ++*static_cast<long*>(user);
    return 1;
}

void BM_InihParse(benchmark::State& state)
{
    ListGuard source{BuildServerList(static_cast<int>(state.range(0)))};
    if (!WriteFreshProfile(source.head)) {
        state.SkipWithError("cannot write the profile");
        return;
    }
    const std::string path = BenchSystemDir::Instance().iniPath();
    for (auto _ : state) {
        long pairs = 0;
        // A positive result is the first line inih found fault with: the summary lists run past its
        // 200-byte line limit. It still reads the whole file, so only a failure to open counts.
        if (ini_parse(path.c_str(), CountPair, &pairs) < 0)
            state.SkipWithError("inih cannot read the file");
        benchmark::DoNotOptimize(pairs);
    }
}

void BM_SaveServerList(benchmark::State& state)
{
    ListGuard source{BuildServerList(static_cast<int>(state.range(0)))};
    // Saving over the file the list came from, as the program does on OK.
    if (!WriteFreshProfile(source.head)) {
        state.SkipWithError("cannot write the profile");
        return;
    }
    for (auto _ : state) {
        // A save that changes nothing may be skipped by the profile layer; the user changed one flag.
        source.head->defaultStreamQueue = !source.head->defaultStreamQueue;
        if (SaveServerList(source.head) != ProfileOk)
            state.SkipWithError("save failed");
    }
}

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void BM_AtomicWrite(benchmark::State& state)
{
    ListGuard source{BuildServerList(static_cast<int>(state.range(0)))};
    if (!WriteFreshProfile(source.head)) {
        state.SkipWithError("cannot write the profile");
        return;
    }
    const std::string bytes = FileBytes(BenchSystemDir::Instance().iniPath());
    const std::string target = BenchSystemDir::Instance().path() + "/floor.ini";
    const std::string temporary = target + ".tmp";
    for (auto _ : state) {
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const bool written = fd >= 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
        if (fd >= 0)
            close(fd);
        if (!written || rename(temporary.c_str(), target.c_str()) != 0)
            state.SkipWithError("atomic write failed");
    }
}

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

} // namespace

BENCHMARK(BM_LoadServerList)->Apply(Sizes);
BENCHMARK(BM_InihParse)->Apply(Sizes);
BENCHMARK(BM_SaveServerList)->Apply(Sizes);
BENCHMARK(BM_AtomicWrite)->Apply(Sizes);

// `--write-profile DIR N` puts the files of a program start on N servers into DIR instead (see
// scripts/bench.sh, which measures the program's memory on them).
int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--write-profile")
        return WriteProgramFiles(argv[2], std::atoi(argv[3])) ? 0 : 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
