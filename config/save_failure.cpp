// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/save_failure.h"

#include "platform/last_error.h"
#include "res/resource_ids.h"

ProfileResult SaveRefused(SaveFailure* why, const char* path, SaveProblem otherwise)
{
    if (why) {
        const FileFailure& refusal = GetLastFileFailure();
        why->problem = refusal ? SaveProblem::File : otherwise;
        why->file = refusal;
        // A refusal of the text itself comes without a file: it is the one being saved.
        if (why->file.path.empty() && path)
            why->file.path = path;
    }
    return ProfileFailed;
}

ProfileResult SaveSucceeded(SaveFailure* why)
{
    if (why)
        *why = {};
    return ProfileOk;
}

FailureReason ReasonOf(const FileFailure& failure)
{
    switch (failure.problem) {
    case FileProblem::None:
    case FileProblem::SystemError:
        break;
    case FileProblem::NotRegularFile:
        return {IDS_REASON_NOT_REGULAR_FILE, {}, failure.error};
    case FileProblem::UntrustedLink:
        return {IDS_REASON_UNTRUSTED_LINK, {}, failure.error};
    case FileProblem::LockHeld:
        if (failure.holder > 0)
            return {IDS_REASON_LOCK_HELD_BY, std::to_string(failure.holder), failure.error};
        return {IDS_REASON_LOCK_HELD, {}, failure.error};
    case FileProblem::ForeignOwner:
        return {IDS_REASON_FOREIGN_OWNER, {}, failure.error};
    case FileProblem::WritableByOthers:
        return {IDS_REASON_WRITABLE_BY_OTHERS, {}, failure.error};
    }
    return {0, {}, failure.error};
}

FailureReason ReasonOf(const SaveFailure& failure)
{
    switch (failure.problem) {
    case SaveProblem::NoSystemDirectory:
        return {IDS_SAVE_NO_SYSTEM_DIRECTORY, {}, 0};
    case SaveProblem::TextTooLong:
        return {IDS_SAVE_LINE_TOO_LONG, {}, 0};
    case SaveProblem::None:
    case SaveProblem::File:
        break;
    }
    return ReasonOf(failure.file);
}

std::string SaveFailureFile(const SaveFailure& failure)
{
    return failure.file.path.empty() ? "kqnet.ini" : failure.file.path;
}
