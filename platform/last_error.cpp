// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/last_error.h"

#include <utility>

namespace {
thread_local FileFailure t_lastFailure;
}

uint32_t GetLastError()
{
    return static_cast<uint32_t>(t_lastFailure.error);
}

void SetLastError(uint32_t error)
{
    t_lastFailure = error == 0 ? FileFailure{} : RefusedFile({}, static_cast<int>(error));
}

const FileFailure& GetLastFileFailure()
{
    return t_lastFailure;
}

void SetLastFileFailure(FileFailure failure)
{
    t_lastFailure = std::move(failure);
}
