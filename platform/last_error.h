// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/file_failure.h"

#include <cstdint>

// The reason for the last refused platform call of this thread: an errno value (0 when none).
uint32_t GetLastError();
// Sets the reason; the file failure below then holds only that errno (no file, no problem for 0).
void SetLastError(uint32_t error);

// The last refusal of a profile file function of this thread, with the file it was about. Always
// agrees with GetLastError(): any SetLastError replaces it.
const FileFailure& GetLastFileFailure();
void SetLastFileFailure(FileFailure failure);
