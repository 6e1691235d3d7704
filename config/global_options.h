#pragma once
// The options that apply to every NFS connection. Nothing is held in memory: each call forms the
// profile path and reads or writes its one key. A failed read leaves the caller's variable as it was.
#include "config/profile_result.h"

#include <cstdint>

// Bits of the file protection mask: the parent directory's mask, or the nine Unix permission bits.
inline constexpr int32_t kFileProtUseParent = 0x8000;
inline constexpr int32_t kFileProtPermissionBits = 0777;
inline constexpr int32_t kDefaultFileProtection = 33256;  // use parent; otherwise owner all, group r-x

// Capacity a caller may offer for the user name (terminator included).
inline constexpr uint32_t kUserNameMaxSize = 32;

// Read: ProfileOk with the stored number (defaults: warnings 1, restore 1, protection 33256), or
// ProfileFailed when there is no profile path. Write: stores "1" for any nonzero flag, else "0";
// the mask in decimal. ProfileFailed when there is no profile path or the write is refused.
[[nodiscard]] ProfileResult ReadNetworkWarnings(int32_t& warnings);
[[nodiscard]] ProfileResult WriteNetworkWarnings(int32_t warnings);
[[nodiscard]] ProfileResult ReadRestoreConnections(int32_t& restore);
[[nodiscard]] ProfileResult WriteRestoreConnections(int32_t restore);
[[nodiscard]] ProfileResult ReadFileProtection(int32_t& mask);
[[nodiscard]] ProfileResult WriteFileProtection(int32_t mask);

// Copies the stored name with its terminator into `buffer` of `size` bytes.
// ProfileBadArgument: size above 32 or a null buffer (nothing read). ProfileFailed: no profile path,
// or no name stored (absent or empty). ProfileTooSmall: the name does not fit; `buffer` is untouched.
[[nodiscard]] ProfileResult ReadDefaultUserName(char* buffer, uint32_t size);

// Writes `name` as it is, also an empty one. ProfileFailed when there is no profile path, the name is
// null or the write is refused.
[[nodiscard]] ProfileResult WriteDefaultUserName(const char* name);
