// SPDX-License-Identifier: GPL-2.0-or-later
// The registry file parser on arbitrary bytes: whatever it accepts is a consistent tree of keys
// (every ancestor present, paths in lookup form) whose values can each be found by their name.
#include "fuzz/fuzz_file.h"
#include "platform/registry_file.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    const auto keys = ParseRegistryText(text);
    if (!keys)
        return 0;
    for (const auto& [path, values] : *keys) {
        Check(RegistryPathKey(path) == path);
        for (size_t slash = path.find('\\'); slash != std::string::npos; slash = path.find('\\', slash + 1))
            Check(FindRegistryKey(*keys, path.substr(0, slash)) != nullptr);
        Check(FindRegistryKey(*keys, path) == &values);
        for (const RegistryValue& value : values)
            Check(FindRegistryValue(values, value.name) == &value);
    }
    return 0;
}
