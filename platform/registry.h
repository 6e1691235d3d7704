// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Read-only registry functions, with the platform's names, argument order and result codes.
// The registry is the REGEDIT4 text file "registry.reg" in the system directory (see
// registry_file.h for what is read from it). It is read afresh by every open and query, and never
// written: this layer offers no function that changes it.
#include <cstdint>

struct RegistryKey;
using HKEY = RegistryKey*;

// The one predefined root key. It needs no opening, and closing it does nothing.
extern const HKEY HKEY_LOCAL_MACHINE;

inline constexpr int32_t ERROR_SUCCESS = 0;
inline constexpr int32_t ERROR_FILE_NOT_FOUND = 2;    // no registry file, key or value
inline constexpr int32_t ERROR_ACCESS_DENIED = 5;     // the registry file may not be read
inline constexpr int32_t ERROR_INVALID_HANDLE = 6;    // not an open key (closed already, or never opened)
inline constexpr int32_t ERROR_INVALID_PARAMETER = 87;
inline constexpr int32_t ERROR_BAD_PATHNAME = 161;    // a key path with an empty component
inline constexpr int32_t ERROR_MORE_DATA = 234;       // the value does not fit the caller's buffer
inline constexpr int32_t ERROR_BADDB = 1009;          // the registry file cannot be read or is not REGEDIT4
inline constexpr int32_t ERROR_KEY_DELETED = 1018;    // the open key is gone from the file

inline constexpr uint32_t REG_NONE = 0;
inline constexpr uint32_t REG_SZ = 1;
inline constexpr uint32_t REG_BINARY = 3;
inline constexpr uint32_t REG_DWORD = 4;

inline constexpr uint32_t KEY_QUERY_VALUE = 0x0001;
inline constexpr uint32_t KEY_READ = 0x00020019;
inline constexpr uint32_t KEY_ALL_ACCESS = 0x000F003F;

// Opens `subKey` (a path of '\'-separated names, matched ignoring ASCII case; null or "" opens
// `key` itself again) below `key`. The access asked for is not checked: nothing can be written.
// On success *result is a new handle for RegCloseKey; on failure it is null.
[[nodiscard]] int32_t RegOpenKeyExA(HKEY key, const char* subKey, uint32_t options, uint32_t desiredAccess,
                                    HKEY* result);

// Reads the value `valueName` (matched ignoring ASCII case; null or "" is the key's default value
// "@") of an open key. `reserved` must be null. `type`, when not null, receives the value's type.
// `size` is in/out: in, the capacity of `data`; out, the bytes the value takes (a string counts its
// terminating zero). With `data` null only the size is reported. A value larger than *size fails
// with ERROR_MORE_DATA, writes nothing to `data` and reports the size needed.
[[nodiscard]] int32_t RegQueryValueExA(HKEY key, const char* valueName, uint32_t* reserved, uint32_t* type,
                                       uint8_t* data, uint32_t* size);

// Releases a handle from RegOpenKeyExA. ERROR_INVALID_HANDLE for anything that is not one.
int32_t RegCloseKey(HKEY key);
