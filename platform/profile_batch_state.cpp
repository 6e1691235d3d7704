// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/profile_batch_state.h"

#include <cstring>

#include "platform/last_error.h"
#include "platform/trusted_links.h"

namespace {
thread_local ProfileBatchState* t_innermost = nullptr;

std::unique_ptr<ProfileDocument> EmptyDocument()
{
    return std::make_unique<ProfileDocument>(std::string());
}
} // namespace

ProfileBatchState* FindActiveBatch(std::string_view path)
{
    for (ProfileBatchState* batch = t_innermost; batch; batch = batch->m_outer) {
        if (batch->path == path)
            return batch;
    }
    return nullptr;
}

ProfileBatchState::ProfileBatchState(std::string batchPath)
    : path(std::move(batchPath))
    , m_joined(FindActiveBatch(path))
{
    // A joined batch stays out of the chain, so the writes made while it lives find the outer one.
    if (m_joined)
        return;
    m_outer = t_innermost;
    t_innermost = this;
}

ProfileBatchState::~ProfileBatchState()
{
    // Scopes end in reverse order of their start, so this batch is the innermost one.
    if (!m_joined)
        t_innermost = m_outer;
}

void ProfileBatchState::Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_version = TakeProfileVersion(path);
    if (m_version.state == FileState::Missing)
        m_version.document = EmptyDocument();
}

const ProfileDocument* ProfileBatchState::WorkingDocument()
{
    Load();
    return m_version.document.get();
}

void ProfileBatchState::Refuse(FileFailure failure)
{
    if (!m_refusal)
        m_refusal = std::move(failure);
}

bool ProfileBatchState::Record(std::string_view section, std::string_view key, std::string_view value)
{
    Load();
    if (!m_version.document) {
        Refuse(m_version.failure);
        SetLastFileFailure(m_version.failure);
        return false;
    }
    // A batch of a whole list writes about as many bytes as the file holds.
    if (m_writeLog.empty())
        m_writeLog.reserve(m_version.document->Bytes() + 4096);
    // One growth for the three texts, their terminators included.
    size_t at = m_writeLog.size();
    m_writeLog.resize(at + section.size() + key.size() + value.size() + 3);
    for (const std::string_view part : {section, key, value}) {
        std::memcpy(m_writeLog.data() + at, part.data(), part.size());
        at += part.size() + 1;
    }
    m_changed |= m_version.document->SetValue(section, key, value);
    return true;
}

bool ProfileBatchState::Fail(FileFailure failure)
{
    SetLastFileFailure(std::move(failure));
    return false;
}

bool ProfileBatchState::CatchUp()
{
    Load();
    if (IsCurrentProfileVersion(m_version, path))
        return true;
    m_version = ReadProfileVersion(path);
    if (m_version.state == FileState::Unreadable)
        return Fail(m_version.failure);
    if (!m_version.document)
        m_version.document = EmptyDocument();
    m_changed = false;
    std::string_view log = m_writeLog;
    const auto next = [&log] {
        const std::string_view part = log.substr(0, log.find('\0'));
        log.remove_prefix(part.size() + 1);
        return part;
    };
    while (!log.empty()) {
        const std::string_view section = next();
        const std::string_view key = next();
        m_changed |= m_version.document->SetValue(section, key, next());
    }
    return true;
}

bool ProfileBatchState::Commit(const std::function<bool()>* decide, const ProfileCommitOptions* options,
                               ProfileCommitReport* report)
{
    if (m_joined)
        return !m_joined->m_refusal || Fail(m_joined->m_refusal);
    if (m_refusal)
        return Fail(m_refusal);
    if (m_writeLog.empty() && !decide)
        return true;

    std::string target;
    if (FileFailure failure = ResolveTrustedLinks(path, target))
        return Fail(std::move(failure));
    ProfileLock lock;
    if (FileFailure failure = lock.Acquire(target))
        return Fail(std::move(failure));

    // Under the lock: if another writer replaced the file since this batch read it, apply the batch
    // to what is there now, so that neither writer's keys are lost.
    if (!CatchUp())
        return false;
    const bool keepBytes = report && options && options->keepBytes;
    if (keepBytes)
        report->before = m_version.document->Serialize();
    if (decide) {
        if (!(*decide)())
            return false;
        if (m_refusal)
            return Fail(m_refusal);
    }
    if (!m_changed) {
        if (keepBytes)
            report->after = report->before;
        return true;
    }

    std::string bytes = m_version.document->Serialize();
    if (report) {
        report->changed = true;
        if (keepBytes)
            report->after = bytes;
        // The batch is spent: its working document is not what the disk holds, so it is not cached.
        if (options && options->preview)
            return true;
    }
    if (FileFailure failure = ReplaceProfileFile(target, bytes))
        return Fail(std::move(failure));

    m_version.state = StatProfileFile(path, m_version.identity, m_version.failure);
    // Edits keep their old text alive; start afresh from the bytes once that outweighs the file,
    // so that a program saving in a loop does not grow.
    if (m_version.document->OwnedBytes() > bytes.size())
        m_version.document = std::make_unique<ProfileDocument>(std::move(bytes));
    StoreProfileVersion(path, std::move(m_version));
    m_writeLog.clear();
    m_changed = false;
    return true;
}
