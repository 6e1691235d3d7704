// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/save_failure_text.h"

#include "res/resource_ids.h"
#include "ui/base/format_string.h"

#include <cstring>

namespace {

std::string Words(const FailureReason& reason)
{
    if (reason.stringId == 0)
        return std::strerror(reason.error);
    return AfxFormatString2(reason.stringId, reason.argument, "");
}

}   // namespace

std::string DescribeFileFailure(const FileFailure& failure)
{
    return AfxFormatString2(IDS_FILE_AND_REASON, failure.path, Words(ReasonOf(failure)));
}

std::string SaveFailureReason(const SaveFailure& failure)
{
    return Words(ReasonOf(failure));
}

std::string DescribeSaveFailure(const SaveFailure& failure)
{
    if (failure.file.path.empty())
        return SaveFailureReason(failure);
    return AfxFormatString2(IDS_FILE_AND_REASON, failure.file.path, SaveFailureReason(failure));
}
