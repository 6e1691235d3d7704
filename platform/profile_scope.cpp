// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/profile_scope.h"

#include "platform/profile_batch_state.h"

struct ProfileReadScopeState {
    std::string path;
};

ProfileBatch::ProfileBatch(const char* path)
    : m_state(std::make_unique<ProfileBatchState>(path ? path : ""))
{
}

ProfileBatch::~ProfileBatch() = default;

bool ProfileBatch::Commit()
{
    return m_state->Commit();
}

bool ProfileBatch::Commit(const std::function<bool()>& decide)
{
    return m_state->Commit(&decide);
}

bool ProfileBatch::Commit(const std::function<bool()>& decide, const ProfileCommitOptions& options,
                          ProfileCommitReport& report)
{
    report = {};
    return m_state->Commit(&decide, &options, &report);
}

ProfileReadScope::ProfileReadScope(const char* path)
    : m_state(std::make_unique<ProfileReadScopeState>(ProfileReadScopeState{path ? path : ""}))
{
    // Check the disk once, then hold on to what it held.
    ProfileDocumentForReading(m_state->path);
    PinProfile(m_state->path);
}

ProfileReadScope::~ProfileReadScope()
{
    UnpinProfile(m_state->path);
}
