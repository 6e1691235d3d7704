// SPDX-License-Identifier: GPL-2.0-or-later
// The profile parser on arbitrary bytes: it keeps every byte, finds every key the plain reading
// finds, and an edit lands where a fresh parse of the result finds it, with every other key as it was.
#include "fuzz/fuzz_file.h"
#include "fuzz/profile_model.h"
#include "platform/profile_document.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

void CheckAgainstModel(const ProfileDocument& document, const ProfileModel& model)
{
    for (const auto& [name, value] : model) {
        const auto found = document.FindValue(name.first, name.second);
        Check(found.has_value() && *found == value);
    }
}

// The number a key name ends in, as a reader's "<stem><n>" can write it (1 to 2^31 - 1, no leading
// zero), and the length of the stem before it; nullopt for any other name.
std::optional<std::pair<size_t, int32_t>> NumberOf(std::string_view key)
{
    size_t digits = 0;
    while (digits < key.size() && std::isdigit(static_cast<unsigned char>(key[key.size() - 1 - digits])))
        ++digits;
    if (digits == 0 || digits > 10 || key[key.size() - digits] == '0')
        return std::nullopt;
    const long long n = std::stoll(std::string(key.substr(key.size() - digits)));
    if (n > INT32_MAX)
        return std::nullopt;
    return std::pair{key.size() - digits, static_cast<int32_t>(n)};
}

// Each stem lists exactly the numbers of the model's keys <stem><n>, in order.
void CheckKeyNumbers(const ProfileDocument& document, const ProfileModel& model, const std::string& section,
                     const std::string& key)
{
    std::map<std::pair<std::string, std::string>, std::vector<int32_t>> expected;
    for (const auto& [name, value] : model) {
        if (const auto number = NumberOf(name.second))
            expected[{name.first, name.second.substr(0, number->first)}].push_back(number->second);
    }
    for (auto& [stem, numbers] : expected) {
        std::sort(numbers.begin(), numbers.end()); // the model keeps names in text order
        const std::vector<int32_t>* listed = document.KeyNumbers(stem.first, stem.second);
        Check(listed && *listed == numbers);
    }
    const std::string name = NameOf(key);
    const auto number = NumberOf(name);
    const std::string stem = number ? name.substr(0, number->first) : name;
    if (stem.empty() || !std::isdigit(static_cast<unsigned char>(stem.back()))) {
        const auto found = expected.find({NameOf(section), stem});
        const std::vector<int32_t>* listed = document.KeyNumbers(section, stem);
        Check(found == expected.end() ? listed == nullptr || listed->empty() : listed && *listed == found->second);
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
    CheckKeyNumbers(document, before, section, key);
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
