// SPDX-License-Identifier: GPL-2.0-or-later
// A write of one key into an arbitrary file through the profile functions: it succeeds exactly when
// the text would read back; then the key reads as the reading rules give the value and every other
// key reads as before; when refused, the file keeps every byte and no temporary remains.
#include "fuzz/fuzz_dir.h"
#include "fuzz/fuzz_file.h"
#include "fuzz/profile_model.h"
#include "platform/profile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

namespace {

std::string CText(FuzzedDataProvider& data, size_t maximum)
{
    std::string text = data.ConsumeRandomLengthString(maximum);
    return text.substr(0, text.find('\0'));
}

std::string Get(const std::string& section, const std::string& key, const std::string& path, size_t size)
{
    std::vector<char> buffer(size + 1);
    const uint32_t length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                                     static_cast<uint32_t>(buffer.size()), path.c_str());
    return std::string(buffer.data(), length);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const std::string section = CText(data, 24);
    const std::string key = CText(data, 24);
    const std::string value = CText(data, 64);
    const std::string file = data.ConsumeRemainingBytesAsString();
    const std::string path = FuzzProfilePath();
    ReplaceWholeFile(path, file);

    const ProfileModel before = ModelProfile(file);
    for (const auto& [name, stored] : before)
        Check(Get(name.first, name.second, path, file.size()) == ReadValueOf(stored));

    const bool written = WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != 0;
    Check(written == WritableNames(section, key, value));
    Check(!HasTemporaries(FuzzSystemDir()));
    if (!written) {
        Check(ReadWholeFile(path) == file);
        return 0;
    }
    const std::string after = ReadWholeFile(path);
    Check(Get(section, key, path, after.size()) == ReadValueOf(value));
    const std::pair<std::string, std::string> writtenName{NameOf(section), NameOf(key)};
    for (const auto& [name, stored] : before) {
        if (name != writtenName)
            Check(Get(name.first, name.second, path, after.size()) == ReadValueOf(stored));
    }
    ProfileModel now = ModelProfile(after);
    now.erase(writtenName);
    ProfileModel expected = before;
    expected.erase(writtenName);
    Check(now == expected);
    return 0;
}
