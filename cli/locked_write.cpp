// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/locked_write.h"

#include "cli/cli_text.h"
#include "cli/files.h"
#include "config/server_file.h"
#include "platform/last_error.h"
#include "platform/profile_scope.h"

std::optional<Failure> WriteUnderLock(const WriteRequest& request, const Edit& edit, WriteOutcome& outcome)
{
    char path[kProfilePathSize];
    if (!GetProfilePath(path))
        return NoSystemDirectory(true);
    outcome = {};
    outcome.path = path;

    std::optional<Failure> failure;
    ProfileBatch batch(path);
    ProfileCommitReport report;
    SetLastError(0);
    const bool committed = batch.Commit(
        [&] {
            Configuration now;
            if (!ReadConfiguration(now)) {
                failure = ProfileReadFailure(LastRefusal(path));
                return false;
            }
            if (request.ifMatch) {
                const std::string version = ConfigurationVersion(now);
                if (version != *request.ifMatch) {
                    failure = Failure{ExitStatus::FileFailure,
                                      Text(CliText::VersionMismatch, {path, *request.ifMatch, version})};
                    return false;
                }
            }
            failure = edit(now);
            return !failure;
        },
        {.preview = request.preview, .keepBytes = request.keepBytes}, report);
    if (failure)
        return failure;
    if (!committed)
        return ProfileWriteFailure(LastRefusal(path));
    outcome.changed = report.changed;
    outcome.before = std::move(report.before);
    outcome.after = std::move(report.after);
    return std::nullopt;
}
