// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/server_file.h"
#include "config/server_merge.h"

#include "platform/last_error.h"
#include "platform/profile_scope.h"

ProfileResult SaveMergedServerList(const ServerEntry* base, const ServerEntry* mine, MergeDecisions& decisions,
                                   std::vector<MergeConflict>& conflicts, SaveFailure* why)
{
    conflicts.clear();
    SetLastError(0);
    char path[kProfilePathSize];
    if (!GetProfilePath(path))
        return SaveRefused(why, nullptr, SaveProblem::NoSystemDirectory);
    ProfileResult result = ProfileFailed;
    SaveFailure written;   // why the list could not be written, when that was what failed
    OwnedServerList current;
    // The list is read and the writes are chosen under the lock, in the batch that writes them:
    // another writer's save can come before this one or after it, never in between.
    ProfileBatch batch(path);
    const bool committed = batch.Commit([&] {
        ServerList read = nullptr;
        result = LoadServerList(read);
        current.reset(read);
        if (result != ProfileOk)
            return false;
        // Nobody else wrote the list: the save is the one it has always been, byte for byte.
        if (SameServerLists(current.get(), base)) {
            result = SaveServerList(mine, &written);
            return result == ProfileOk;
        }
        ServerList merged = nullptr;
        result = MergeServerLists(base, mine, current.get(), decisions, merged, conflicts);
        const OwnedServerList owned(merged);
        if (result != ProfileOk || !conflicts.empty())
            return false;
        result = SaveServerList(owned.get(), &written);
        return result == ProfileOk;
    });
    if (!conflicts.empty()) {
        decisions.seen = std::move(current);
        return SaveSucceeded(why);
    }
    if (committed && result == ProfileOk)
        return SaveSucceeded(why);
    if (written.problem == SaveProblem::None)
        return SaveRefused(why, path, SaveProblem::File);   // the lock, or the replacement
    if (why)
        *why = written;
    return ProfileFailed;
}
