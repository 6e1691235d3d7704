// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/profile_cache.h"

#include "platform/profile_batch_state.h"

#include <functional>
#include <unordered_map>

namespace {

struct CacheEntry {
    bool loaded = false;
    ProfileVersion version;
    int pins = 0;
};

struct PathHash {
    using is_transparent = void;
    size_t operator()(std::string_view path) const { return std::hash<std::string_view>{}(path); }
};

// Single-threaded by design: the program has one user-interface thread.
using CacheMap = std::unordered_map<std::string, CacheEntry, PathHash, std::equal_to<>>;
CacheMap& Cache()
{
    static CacheMap cache;
    return cache;
}

// Reads look their file up by the caller's own text, without making a string of it each time; a
// run of reads of one file finds it without hashing. Entries are never removed, so the one found
// last stays valid.
CacheEntry& EntryFor(std::string_view path)
{
    static std::pair<const std::string, CacheEntry>* last = nullptr;
    if (last && last->first == path)
        return last->second;
    CacheMap& cache = Cache();
    auto found = cache.find(path);
    if (found == cache.end())
        found = cache.try_emplace(std::string(path)).first;
    last = &*found;
    return found->second;
}

} // namespace

ProfileVersion ReadProfileVersion(const std::string& path)
{
    FileSnapshot snapshot = ReadProfileFile(path);
    ProfileVersion version;
    version.state = snapshot.state;
    version.failure = std::move(snapshot.failure);
    version.identity = snapshot.identity;
    if (snapshot.state == FileState::Regular)
        version.document = std::make_unique<ProfileDocument>(std::move(snapshot.bytes));
    return version;
}

// An unreadable file is never taken as unchanged: a permission change does not always change
// the identity.
bool IsCurrentProfileVersion(const ProfileVersion& version, const std::string& path)
{
    FileIdentity identity;
    FileFailure failure;
    const FileState state = StatProfileFile(path, identity, failure);
    if (state != version.state)
        return false;
    return state == FileState::Missing || (state == FileState::Regular && identity == version.identity);
}

const ProfileDocument* ProfileDocumentForReading(std::string_view path)
{
    if (ProfileBatchState* batch = FindActiveBatch(path))
        return batch->WorkingDocument();

    CacheEntry& entry = EntryFor(path);
    if (!entry.loaded || (entry.pins == 0 && !IsCurrentProfileVersion(entry.version, std::string(path)))) {
        entry.version = ReadProfileVersion(std::string(path));
        entry.loaded = true;
    }
    return entry.version.document.get();
}

ProfileVersion TakeProfileVersion(const std::string& path)
{
    CacheEntry& entry = EntryFor(path);
    if (entry.loaded) {
        entry.loaded = false;
        ProfileVersion version = std::move(entry.version);
        if (IsCurrentProfileVersion(version, path))
            return version;
    }
    return ReadProfileVersion(path);
}

void StoreProfileVersion(const std::string& path, ProfileVersion version)
{
    CacheEntry& entry = EntryFor(path);
    entry.version = std::move(version);
    entry.loaded = true;
}

void PinProfile(const std::string& path)
{
    ++EntryFor(path).pins;
}

void UnpinProfile(const std::string& path)
{
    --EntryFor(path).pins;
}
