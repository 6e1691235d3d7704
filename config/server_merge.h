// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Saving a server list over a file that other programs may have changed since it was loaded.
//
// The file stores the list by position (Server<n> and a count), so writing a whole list from an old
// copy would drop what others added and bring back what they removed. A writer that loaded `base`
// and let the user make `mine` of it therefore merges, server by server, with `theirs`, the list the
// file holds now. A server is known by its name, compared as the file compares the keys built from
// it (ASCII case ignored); its value is everything a save writes for it: the exact name, the four
// flags and, where its printing kind is on, defaultStreamQueue with the stream queues and the LPR
// queues. Entries that share a name are one server, whose value is all of them in list order.
//   - unchanged in mine (mine's value is base's): theirs' version, also when theirs added, changed
//     or removed it;
//   - unchanged in theirs: mine's version, likewise;
//   - changed on both sides to the same value: that value;
//   - otherwise a conflict, which the caller settles: changed on both sides differently, removed on
//     one side and changed on the other, or added on both sides with different values.
// A rename is the removal of the old name and the addition of the new one.
// The merged list holds the servers whose version is mine's first, in mine's order (the added and
// edited ones, which an editor puts at the head), then the others in theirs' order.
#include "config/save_failure.h"
#include "config/server_records.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

enum class ConflictKind {
    ChangedOnBothSides,
    AddedOnBothSides,
    RemovedHereChangedThere,   // mine removed it, theirs changed it
    ChangedHereRemovedThere,   // mine changed it, theirs removed it
};

struct MergeConflict {
    std::string key;    // the server's identity; the key of its answer in MergeDecisions::choices
    std::string name;   // its name to show: mine's, or theirs' when mine removed it
    ConflictKind kind;
    friend bool operator==(const MergeConflict&, const MergeConflict&) = default;
};

// An answer to a conflict: mine's version (a removal, if mine removed it) or theirs'.
enum class MergeChoice { KeepMine, KeepTheirs };

// Releases a whole list; for holding one in a std::unique_ptr.
struct ServerListDeleter {
    void operator()(ServerEntry* first) const { (void)FreeServerList(first); }
};
using OwnedServerList = std::unique_ptr<ServerEntry, ServerListDeleter>;

// The caller's answers, by MergeConflict::key, and the list of the other side they were given about.
// An answer holds while theirs still has the version of that server it was given about; once theirs
// changes that server again, it is a conflict again, to be asked about anew.
struct MergeDecisions {
    std::map<std::string, MergeChoice> choices;
    OwnedServerList seen;
};

// Whether two entries save alike: the same name and flags and, where a printing kind is on, the
// same defaultStreamQueue and queues of that kind (what memory holds for a kind that is off is
// never written).
[[nodiscard]] bool SameSavedEntry(const ServerEntry& first, const ServerEntry& second);

// Whether two lists save alike: the same servers in the same order with the same values.
[[nodiscard]] bool SameServerLists(const ServerEntry* first, const ServerEntry* second);

// Merges as above. When every conflict has an answer that holds, `merged` (empty on entry) receives
// the merged list, copies sharing no record with the three, and `conflicts` is left empty.
// Otherwise `conflicts` receives every conflict without one, in mine's then theirs' order, and
// `merged` stays empty. ProfileFailed, with `merged` empty, when memory runs out; else ProfileOk.
[[nodiscard]] ProfileResult MergeServerLists(const ServerEntry* base, const ServerEntry* mine,
                                             const ServerEntry* theirs, const MergeDecisions& decisions,
                                             ServerList& merged, std::vector<MergeConflict>& conflicts);

// Saves `mine`, edited from `base`, in one replacement of the file, deciding under the file's lock
// what to write from the list the file holds at that moment: when that is still `base`, exactly
// what SaveServerList(mine) writes; otherwise the list MergeServerLists makes of the three.
// When a conflict has no answer that holds, nothing is written: `conflicts` receives them,
// decisions.seen becomes the file's list they are about, and the result is ProfileOk. Put the
// answers into decisions.choices and call again: the file is read afresh, and only servers that
// changed again meanwhile come back as conflicts. ProfileFailed when the list cannot be read or
// saved (as SaveServerList); the file is then exactly as it was, and `why` (when given) says why.
[[nodiscard]] ProfileResult SaveMergedServerList(const ServerEntry* base, const ServerEntry* mine,
                                                 MergeDecisions& decisions, std::vector<MergeConflict>& conflicts,
                                                 SaveFailure* why = nullptr);
