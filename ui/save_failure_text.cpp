#include "ui/save_failure_text.h"

#include "res/resource_ids.h"
#include "ui/base/format_string.h"
#include "ui/base/message_box.h"

#include <cstring>

namespace {

// The reason alone, e.g. "Permission denied" or "not a regular file".
std::string FileFailureReason(const FileFailure& failure)
{
    switch (failure.problem) {
    case FileProblem::None:
    case FileProblem::SystemError:
        break;
    case FileProblem::NotRegularFile:
        return LoadString(IDS_REASON_NOT_REGULAR_FILE);
    case FileProblem::UntrustedLink:
        return LoadString(IDS_REASON_UNTRUSTED_LINK);
    case FileProblem::LockHeld:
        return failure.holder > 0 ? AfxFormatString2(IDS_REASON_LOCK_HELD_BY, std::to_string(failure.holder), "")
                                  : LoadString(IDS_REASON_LOCK_HELD);
    case FileProblem::ForeignOwner:
        return LoadString(IDS_REASON_FOREIGN_OWNER);
    case FileProblem::WritableByOthers:
        return LoadString(IDS_REASON_WRITABLE_BY_OTHERS);
    }
    return std::strerror(failure.error);
}

}   // namespace

std::string DescribeFileFailure(const FileFailure& failure)
{
    return AfxFormatString2(IDS_FILE_AND_REASON, failure.path, FileFailureReason(failure));
}

std::string SaveFailureFile(const SaveFailure& failure)
{
    return failure.file.path.empty() ? "kqnet.ini" : failure.file.path;
}

std::string SaveFailureReason(const SaveFailure& failure)
{
    switch (failure.problem) {
    case SaveProblem::NoSystemDirectory:
        return LoadString(IDS_SAVE_NO_SYSTEM_DIRECTORY);
    case SaveProblem::TextTooLong:
        return LoadString(IDS_SAVE_LINE_TOO_LONG);
    case SaveProblem::None:
    case SaveProblem::File:
        break;
    }
    return FileFailureReason(failure.file);
}

std::string DescribeSaveFailure(const SaveFailure& failure)
{
    if (failure.file.path.empty())
        return SaveFailureReason(failure);
    return AfxFormatString2(IDS_FILE_AND_REASON, failure.file.path, SaveFailureReason(failure));
}
