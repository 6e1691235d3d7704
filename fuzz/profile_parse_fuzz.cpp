// The profile parser on arbitrary bytes: it keeps every byte, finds every key the plain reading
// finds, and an edit lands where a fresh parse of the result finds it, with every other key as it was.
#include "fuzz/fuzz_file.h"
#include "fuzz/profile_model.h"
#include "platform/profile_document.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

void CheckAgainstModel(const ProfileDocument& document, const ProfileModel& model)
{
    for (const auto& [name, value] : model) {
        const auto found = document.FindValue(name.first, name.second);
        Check(found.has_value() && *found == value);
    }
}

// A C string's worth of the provider's bytes: the profile functions take C strings.
std::string CText(FuzzedDataProvider& data, size_t maximum)
{
    std::string text = data.ConsumeRandomLengthString(maximum);
    return text.substr(0, text.find('\0'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const std::string section = CText(data, 24);
    const std::string key = CText(data, 24);
    const std::string value = CText(data, 64);
    const std::string file = data.ConsumeRemainingBytesAsString();

    ProfileDocument document(file);
    Check(document.Serialize() == file);
    const ProfileModel before = ModelProfile(file);
    CheckAgainstModel(document, before);
    if (!WritableNames(section, key, value))
        return 0;

    document.SetValue(section, key, value);
    const std::string edited = document.Serialize();
    ProfileModel after = ModelProfile(edited);
    const std::pair<std::string, std::string> name{NameOf(section), NameOf(key)};
    const auto written = after.find(name);
    Check(written != after.end() && ReadValueOf(written->second) == ReadValueOf(value));
    after.erase(written);
    ProfileModel expected = before;
    expected.erase(name);
    Check(after == expected);
    CheckAgainstModel(ProfileDocument(edited), ModelProfile(edited));
    return 0;
}
