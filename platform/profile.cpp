// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/profile.h"

#include "platform/last_error.h"
#include "platform/profile_batch_state.h"
#include "platform/profile_text.h"

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr size_t kMaxPath = 260;

uint64_t g_keyLookups = 0;

const ProfileDocument* DocumentForReading(const char* section, const char* key, const char* path)
{
    if (!section || !key || !path)
        return nullptr;
    const size_t length = strnlen(path, kMaxPath);
    if (length == 0 || length == kMaxPath)
        return nullptr;
    return ProfileDocumentForReading(std::string_view(path, length));
}

std::optional<std::string_view> FindProfileValue(const char* section, const char* key, const char* path)
{
    const ProfileDocument* document = DocumentForReading(section, key, path);
    if (!document)
        return std::nullopt;
    ++g_keyLookups;
    const auto value = document->FindValue(section, key);
    if (!value)
        return std::nullopt;
    return UnquoteProfileValue(*value);
}

// Whether `text` holds CR, LF or `other`, looked for eight bytes at a time (the last eight overlap
// the ones before them): every write checks its three texts.
bool HasLineBreakOr(std::string_view text, char other)
{
    if (text.size() < 8) {
        for (const char c : text) {
            if (c == '\r' || c == '\n' || c == other)
                return true;
        }
        return false;
    }
    constexpr uint64_t kOnes = 0x0101010101010101ull;
    const uint64_t others = kOnes * static_cast<unsigned char>(other);
    const auto zeroByte = [](uint64_t x) { return (x - kOnes) & ~x & (kOnes << 7); };
    const auto holds = [&](size_t at) {
        uint64_t chunk;
        std::memcpy(&chunk, text.data() + at, 8);
        return (zeroByte(chunk ^ (kOnes * '\r')) | zeroByte(chunk ^ (kOnes * '\n')) | zeroByte(chunk ^ others)) != 0;
    };
    for (size_t at = 0; at + 8 < text.size(); at += 8) {
        if (holds(at))
            return true;
    }
    return holds(text.size() - 8);
}

// 0 when section, key and value would read back exactly as they are written; EINVAL otherwise.
// The file has no quoting, so such text would split or merge lines and damage other keys.
uint32_t CheckReadsBack(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string_view trimmedKey = TrimProfileBlanks(key);
    if (HasLineBreakOr(section, ']') || HasLineBreakOr(key, '=') || HasLineBreakOr(value, '\r') || trimmedKey.empty()
        || trimmedKey.front() == '[' || trimmedKey.front() == ';')
        return EINVAL;
    return 0;
}

} // namespace

uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, uint32_t size, const char* path)
{
    if (!buffer || size == 0)
        return 0;
    std::string_view text;
    if (const auto value = FindProfileValue(section, key, path)) {
        text = *value;
    } else {
        text = defaultValue ? defaultValue : "";
        while (!text.empty() && text.back() == ' ')
            text.remove_suffix(1);
        text = UnquoteProfileValue(text);
    }
    const size_t copied = std::min<size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return static_cast<uint32_t>(copied);
}

uint32_t GetPrivateProfileIntA(const char* section, const char* key, int32_t defaultValue, const char* path)
{
    const auto value = FindProfileValue(section, key, path);
    if (!value || value->empty())
        return static_cast<uint32_t>(defaultValue);
    return ParseProfileInt(*value);
}

int32_t WritePrivateProfileStringA(const char* section, const char* key, const char* value, const char* path)
{
    const size_t pathLength = path ? strnlen(path, kMaxPath) : 0;
    if (pathLength == 0 || pathLength == kMaxPath) {
        SetLastError(pathLength == 0 ? EINVAL : ENAMETOOLONG);
        return 0;
    }
    const std::string_view pathText(path, pathLength);
    ProfileBatchState* batch = FindActiveBatch(pathText);
    std::optional<ProfileBatchState> single;
    if (!batch)
        batch = &single.emplace(std::string(pathText));

    // A text that would not read back is refused for the whole batch, naming the file.
    const auto refuse = [&](uint32_t error) {
        FileFailure failure = RefusedFile(std::string(pathText), static_cast<int>(error));
        batch->Refuse(failure);
        SetLastFileFailure(std::move(failure));
        return 0;
    };
    if (!section || !key || !value)
        return refuse(EINVAL);
    const std::string_view sectionText(section);
    const std::string_view keyText(key);
    const std::string_view valueText(value);
    if (const uint32_t error = CheckReadsBack(sectionText, keyText, valueText))
        return refuse(error);
    if (!batch->Record(sectionText, keyText, valueText))
        return 0;
    return (single && !single->Commit()) ? 0 : 1;
}

std::vector<int32_t> ListProfileKeyNumbers(const char* section, const char* stem, const char* path)
{
    const ProfileDocument* document = DocumentForReading(section, stem, path);
    const std::vector<int32_t>* numbers = document ? document->KeyNumbers(section, stem) : nullptr;
    return numbers ? *numbers : std::vector<int32_t>();
}

uint64_t ProfileKeyLookupsForTesting()
{
    return g_keyLookups;
}
