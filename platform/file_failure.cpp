// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/file_failure.h"

#include <utility>

FileFailure RefusedFile(std::string path, int error, FileProblem problem)
{
    return {problem, error, std::move(path), 0};
}
