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

bool UsablePath(const char* path)
{
    return path && *path && std::strlen(path) < kMaxPath;
}

std::optional<std::string_view> FindProfileValue(const char* section, const char* key, const char* path)
{
    if (!section || !key || !UsablePath(path))
        return std::nullopt;
    const ProfileDocument* document = ProfileDocumentForReading(path);
    if (!document)
        return std::nullopt;
    const auto value = document->FindValue(section, key);
    if (!value)
        return std::nullopt;
    return UnquoteProfileValue(*value);
}

bool HasAny(const char* text, const char* characters)
{
    return std::strpbrk(text, characters) != nullptr;
}

// 0 when section, key and value would read back exactly as they are written; EINVAL otherwise.
// The file has no quoting, so such text would split or merge lines and damage other keys.
uint32_t CheckReadsBack(const char* section, const char* key, const char* value)
{
    if (!section || !key || !value)
        return EINVAL;
    const std::string_view trimmedKey = TrimProfileBlanks(key);
    if (HasAny(section, "]\r\n") || HasAny(key, "=\r\n") || HasAny(value, "\r\n") || trimmedKey.empty()
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
    if (!path || !*path) {
        SetLastError(EINVAL);
        return 0;
    }
    if (std::strlen(path) >= kMaxPath) {
        SetLastError(ENAMETOOLONG);
        return 0;
    }
    ProfileBatchState* batch = FindActiveBatch(path);
    std::optional<ProfileBatchState> single;
    if (!batch)
        batch = &single.emplace(path);

    if (const uint32_t error = CheckReadsBack(section, key, value)) {
        FileFailure failure = RefusedFile(path, static_cast<int>(error));
        batch->Refuse(failure);
        SetLastFileFailure(std::move(failure));
        return 0;
    }
    if (!batch->Record(section, key, value))
        return 0;
    return (single && !single->Commit()) ? 0 : 1;
}
