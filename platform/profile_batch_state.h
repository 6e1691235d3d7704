// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a ProfileBatch collects, and how it lands. Internal to the profile functions; a single write
// outside any batch is a batch of one.
#include "platform/profile_cache.h"
#include "platform/profile_scope.h"

#include <functional>
#include <string>
#include <vector>

struct ProfileBatchState;
// The innermost batch of this thread on `path`, or null.
ProfileBatchState* FindActiveBatch(std::string_view path);

struct ProfileBatchState {
    explicit ProfileBatchState(std::string path);
    ~ProfileBatchState();
    ProfileBatchState(const ProfileBatchState&) = delete;
    ProfileBatchState& operator=(const ProfileBatchState&) = delete;

    // The version the batch started from with its writes applied; null when the file is unreadable.
    const ProfileDocument* WorkingDocument();
    // Records a write that has passed the read-back checks; false (and the batch refused) when the
    // file cannot be read.
    bool Record(std::string_view section, std::string_view key, std::string_view value);
    void Refuse(FileFailure failure);
    // Lands every recorded write in one replacement of the file; sets the last error and the last
    // file failure on failure.
    // `decide`, when given, runs under the lock first (ProfileBatch::Commit); `options` and `report`
    // go together.
    bool Commit(const std::function<bool()>* decide = nullptr, const ProfileCommitOptions* options = nullptr,
                ProfileCommitReport* report = nullptr);

    const std::string path;

private:
    friend ProfileBatchState* FindActiveBatch(std::string_view path);

    void Load();
    // Under the lock: makes the working document the file on disk now, with the log applied again
    // when another writer replaced the file since this batch read it.
    bool CatchUp();
    bool Fail(FileFailure failure);

    // Every recorded write as "section\0key\0value\0", in order: kept to apply the batch again
    // to a file that another writer replaced meanwhile. One buffer, not three strings a write.
    std::string m_writeLog;
    ProfileVersion m_version;
    bool m_loaded = false;
    bool m_changed = false;
    FileFailure m_refusal;
    // The batch on the same path this one joined; its writes are recorded there.
    ProfileBatchState* m_joined = nullptr;
    ProfileBatchState* m_outer = nullptr;
};

