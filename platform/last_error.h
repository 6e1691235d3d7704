#pragma once
#include <cstdint>

// The reason for the last refused platform call of this thread: an errno value (0 when none).
uint32_t GetLastError();
void SetLastError(uint32_t error);
