// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Scopes over one profile file. Both are for one thread at a time and may not be copied.
#include <functional>
#include <memory>
#include <string>

struct ProfileBatchState;
struct ProfileReadScopeState;

// How a commit is to go: replacing the file, or only telling what a replacement would be.
struct ProfileCommitOptions {
    bool preview = false;     // everything under the lock as for a commit, but the file stays as it is
    bool keepBytes = false;   // fill the report's before and after
};

// What a commit did to the file, or in a preview would have done.
struct ProfileCommitReport {
    bool changed = false;     // the file's bytes differ from what the commit found
    std::string before;       // the file as the commit found it, with the batch's earlier writes
    std::string after;        // the file as the commit left it (or, in a preview, would have)
};

// Collects every WritePrivateProfileStringA on `path` made while it is alive and lands them in one
// replacement of the file when Commit() is called: under the file's lock it re-reads the current
// file, applies the writes in order and replaces the file once. Reads of `path` inside the batch see
// its own writes. If any write of the batch was refused, or the commit fails, the file stays exactly
// as it was and Commit() returns false (GetLastError() tells why, GetLastFileFailure() also which
// file). A batch destroyed without a commit writes nothing.
//
// A batch started while another batch of this thread on the same path is alive joins that one: its
// writes land with the outer batch's commit, and its own Commit() only tells whether a write of the
// outer batch has been refused so far. So a function that saves in a batch of its own can be called
// inside a larger one.
class ProfileBatch {
public:
    explicit ProfileBatch(const char* path);
    ~ProfileBatch();
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

    [[nodiscard]] bool Commit();
    // Commit(), with `decide` run first under the file's lock: its reads of `path` see the file as it
    // is on disk now, with the batch's earlier writes applied, and its writes join the batch. Nothing
    // can come between what it read and the replacement. When `decide` returns false, nothing is
    // written and Commit returns false with the last error as `decide` left it; the batch is spent.
    [[nodiscard]] bool Commit(const std::function<bool()>& decide);
    // Commit(decide) that tells in `report` whether the file changed. A batch that joined another
    // reports no change: its writes land, or would, with the outer batch.
    [[nodiscard]] bool Commit(const std::function<bool()>& decide, const ProfileCommitOptions& options,
                              ProfileCommitReport& report);

private:
    std::unique_ptr<ProfileBatchState> m_state;
};

// Gives every read of `path` made while it is alive one consistent version of the file, checked
// against the disk once, when the scope opens. A successful write of the file inside the scope is
// seen by the reads after it.
class ProfileReadScope {
public:
    explicit ProfileReadScope(const char* path);
    ~ProfileReadScope();
    ProfileReadScope(const ProfileReadScope&) = delete;
    ProfileReadScope& operator=(const ProfileReadScope&) = delete;

private:
    std::unique_ptr<ProfileReadScopeState> m_state;
};
