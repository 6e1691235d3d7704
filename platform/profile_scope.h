#pragma once
// Scopes over one profile file. Both are for one thread at a time and may not be copied.
#include <memory>

struct ProfileBatchState;
struct ProfileReadScopeState;

// Collects every WritePrivateProfileStringA on `path` made while it is alive and lands them in one
// replacement of the file when Commit() is called: under the file's lock it re-reads the current
// file, applies the writes in order and replaces the file once. Reads of `path` inside the batch see
// its own writes. If any write of the batch was refused, or the commit fails, the file stays exactly
// as it was and Commit() returns false (GetLastError() tells why). A batch destroyed without a
// commit writes nothing.
class ProfileBatch {
public:
    explicit ProfileBatch(const char* path);
    ~ProfileBatch();
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

    [[nodiscard]] bool Commit();

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
