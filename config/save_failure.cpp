#include "config/save_failure.h"

#include "platform/last_error.h"

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
