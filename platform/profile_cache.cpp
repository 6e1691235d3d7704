#include "platform/profile_cache.h"

#include "platform/profile_batch_state.h"

#include <unordered_map>

namespace {

struct CacheEntry {
    bool loaded = false;
    ProfileVersion version;
    int pins = 0;
};

// Single-threaded by design: the program has one user-interface thread.
std::unordered_map<std::string, CacheEntry>& Cache()
{
    static std::unordered_map<std::string, CacheEntry> cache;
    return cache;
}

} // namespace

ProfileVersion ReadProfileVersion(const std::string& path)
{
    FileSnapshot snapshot = ReadProfileFile(path);
    ProfileVersion version;
    version.state = snapshot.state;
    version.error = snapshot.error;
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
    int error = 0;
    const FileState state = StatProfileFile(path, identity, error);
    if (state != version.state)
        return false;
    return state == FileState::Missing || (state == FileState::Regular && identity == version.identity);
}

const ProfileDocument* ProfileDocumentForReading(const std::string& path)
{
    if (ProfileBatchState* batch = FindActiveBatch(path))
        return batch->WorkingDocument();

    CacheEntry& entry = Cache()[path];
    if (!entry.loaded || (entry.pins == 0 && !IsCurrentProfileVersion(entry.version, path))) {
        entry.version = ReadProfileVersion(path);
        entry.loaded = true;
    }
    return entry.version.document.get();
}

ProfileVersion TakeProfileVersion(const std::string& path)
{
    CacheEntry& entry = Cache()[path];
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
    CacheEntry& entry = Cache()[path];
    entry.version = std::move(version);
    entry.loaded = true;
}

void PinProfile(const std::string& path)
{
    ++Cache()[path].pins;
}

void UnpinProfile(const std::string& path)
{
    --Cache()[path].pins;
}
