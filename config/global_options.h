// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The options that apply to every NFS connection. Nothing is held in memory: each call forms the
// profile path and reads or writes its one key. A failed read leaves the caller's variable as it was.
#include "config/profile_result.h"
#include "config/save_failure.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Bits of the file protection mask: the parent directory's mask, or the nine Unix permission bits.
inline constexpr int32_t kFileProtUseParent = 0x8000;
inline constexpr int32_t kFileProtPermissionBits = 0777;
inline constexpr int32_t kDefaultFileProtection = 33256;  // use parent; otherwise owner all, group r-x

// Capacity a caller may offer for the user name (terminator included).
inline constexpr uint32_t kUserNameMaxSize = 32;

// Read: ProfileOk with the stored number (defaults: warnings 1, restore 1, protection 33256), or
// ProfileFailed when there is no profile path. Write: stores "1" for any nonzero flag, else "0";
// the mask in decimal. ProfileFailed when there is no profile path or the write is refused; every
// write also tells `why` (when given) the reason of a failure, or None.
[[nodiscard]] ProfileResult ReadNetworkWarnings(int32_t& warnings);
[[nodiscard]] ProfileResult WriteNetworkWarnings(int32_t warnings, SaveFailure* why = nullptr);
[[nodiscard]] ProfileResult ReadRestoreConnections(int32_t& restore);
[[nodiscard]] ProfileResult WriteRestoreConnections(int32_t restore, SaveFailure* why = nullptr);
[[nodiscard]] ProfileResult ReadFileProtection(int32_t& mask);
[[nodiscard]] ProfileResult WriteFileProtection(int32_t mask, SaveFailure* why = nullptr);

// Copies the stored name with its terminator into `buffer` of `size` bytes.
// ProfileBadArgument: size above 32 or a null buffer (nothing read). ProfileFailed: no profile path,
// or no name stored (absent or empty). ProfileTooSmall: the name does not fit; `buffer` is untouched.
[[nodiscard]] ProfileResult ReadDefaultUserName(char* buffer, uint32_t size);

// Writes `name` as it is, also an empty one. ProfileFailed when there is no profile path, the name is
// null or the write is refused.
[[nodiscard]] ProfileResult WriteDefaultUserName(const char* name, SaveFailure* why = nullptr);

// Another program may change an option while a writer has it open. A writer that read the options
// keeps what the file held then, and at its save writes only what it must (DecideOptionWrite).
enum class GlobalOption { UserName, Restore, Warnings, FileProtection };   // the order they are written in
inline constexpr std::size_t kGlobalOptionCount = 4;

// The option's value as the file holds it (what a reader gets, before it is taken as a number), or
// nullopt when its key is absent or there is no profile path.
[[nodiscard]] std::optional<std::string> ReadStoredOption(GlobalOption option);

// What the Write function of a numeric option stores for `value`: "1" or "0" for the flags, the
// mask in decimal.
[[nodiscard]] std::string StoredNumberText(GlobalOption option, int32_t value);

enum class OptionWrite {
    Keep,    // leave what the file holds
    Write,   // write the writer's value
    Ask,     // another program changed it to something else meanwhile: the user decides
};

// What a writer does with one option whose stored value was `atOpen` when it read the options and is
// `now`, its own value being `mine` (as stored), `changed` by the user or not. An unchanged option is
// written only when its key is absent, so that the file then holds every option. A changed one is
// written, unless the file's value changed meanwhile to something else than `mine`.
[[nodiscard]] OptionWrite DecideOptionWrite(const std::optional<std::string>& atOpen,
                                            const std::optional<std::string>& now, bool changed,
                                            std::string_view mine);
