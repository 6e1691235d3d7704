// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstdint>

// The result of every operation of the configuration store. The values are fixed: other parts of
// the system compare against the numbers, so this stays a plain enumeration with a 32-bit base.
enum ProfileResult : int32_t {
    ProfileOk = 1,
    ProfileTooSmall = 2,     // the caller's buffer is too small for the stored value
    ProfileBadArgument = 3,  // an argument is outside its allowed range
    ProfileFailed = 4,       // no profile path, value missing, write refused, record not found
};
