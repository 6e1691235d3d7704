// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstdint>

// The process holding a lock on the file open as `fd`, as /proc/locks tells it; 0 when it does not.
[[nodiscard]] int64_t LockHolder(int fd);
