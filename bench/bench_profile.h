// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The setting the server-list benchmarks share: a private system directory holding a kqnet.ini of a
// given size, and the list that produced it.
#include "config/server_records.h"
#include "platform/resolver.h"

#include <benchmark/benchmark.h>
#include <string>

// Points NORVANE_SYSTEM_DIR at a fresh temporary folder for the whole run.
class BenchSystemDir {
public:
    static BenchSystemDir& Instance();
    const std::string& path() const { return m_path; }
    std::string iniPath() const { return m_path + "/kqnet.ini"; }

    BenchSystemDir(const BenchSystemDir&) = delete;
    BenchSystemDir& operator=(const BenchSystemDir&) = delete;

private:
    BenchSystemDir();
    ~BenchSystemDir();
    std::string m_path;
};

// `servers` servers, each with its four resources on, two stream and two LPR queues. Their order is
// not the order of their names, as in a list that grew over the years: a sorted list box receives
// them in an order of its own.
ServerList BuildServerList(int servers);

// Owns a list for the length of one benchmark.
struct ListGuard {
    ServerList head;
    ~ListGuard() { FreeServerList(head); }
};

// While it lives, every host name and address resolves at once, as on a network that knows them.
class KnownNames final : public Resolver {
public:
    KnownNames() : m_previous(SetResolverForTesting(this)) {}
    ~KnownNames() override { SetResolverForTesting(m_previous); }
    KnownNames(const KnownNames&) = delete;
    KnownNames& operator=(const KnownNames&) = delete;
    bool HasHostByAddress(uint32_t) override { return true; }
    bool HasHostByName(const char* name) override { return name && *name; }

private:
    Resolver* m_previous;
};

// Puts kqnet.ini of BuildServerList(servers) and a registry naming the network component into
// `directory`, for a program started on them; false when they cannot be written.
[[nodiscard]] bool WriteProgramFiles(const std::string& directory, int servers);

// Replaces kqnet.ini by the saved form of `list`, or of BuildServerList(servers); false when the
// save failed.
[[nodiscard]] bool WriteFreshProfile(const ServerEntry* list);
[[nodiscard]] bool WriteServers(int servers);
// WriteServers of the benchmark's size (its first argument); false, with the benchmark skipped as
// failed, when the file cannot be written.
[[nodiscard]] bool WriteServersOrSkip(benchmark::State& state);

// Gives the file a new modification time, so the next read parses it afresh as after a restart.
void TouchProfile();
