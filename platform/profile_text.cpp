// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/profile_text.h"

#include <cstring>

namespace {

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr uint64_t kEveryByte = 0x0101010101010101ull;

// Eight bytes of a name, ASCII letters lower-cased, in one go: names are compared and hashed on
// every look-up of the profile functions.
uint64_t FoldAscii(uint64_t bytes)
{
    const uint64_t low = bytes & (0x7F * kEveryByte);
    const uint64_t fromA = low + (0x80 - 'A') * kEveryByte;     // top bit set where low >= 'A'
    const uint64_t pastZ = low + (0x80 - 'Z' - 1) * kEveryByte; // top bit set where low > 'Z'
    const uint64_t upper = fromA & ~pastZ & ~bytes & (0x80 * kEveryByte);
    return bytes | (upper >> 2);
}

uint64_t Load8(const char* bytes)
{
    uint64_t chunk;
    std::memcpy(&chunk, bytes, 8);
    return chunk;
}

// A name of fewer than eight bytes as one chunk, zero-padded.
uint64_t ShortChunk(std::string_view text)
{
    uint64_t chunk = 0;
    for (size_t i = 0; i < text.size(); ++i)
        chunk |= uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
    return chunk;
}

// The offsets of a name's eight-byte chunks: every eighth byte, and a last chunk ending with the
// name, which overlaps the one before it when the length is not a multiple of eight. Names of
// fewer than eight bytes are one ShortChunk.
template <typename Visit>
bool ForEachChunk(size_t size, Visit visit)
{
    for (size_t at = 0; at + 8 < size; at += 8) {
        if (!visit(at))
            return false;
    }
    return visit(size - 8);
}

} // namespace

std::string ProfileNameKey(std::string_view name)
{
    std::string key(TrimProfileBlanks(name));
    for (char& c : key)
        c = LowerAscii(c);
    return key;
}

size_t ProfileNameHash::operator()(std::string_view name) const
{
    uint64_t hash = name.size() * 0x9E3779B97F4A7C15ull;
    const auto mix = [&hash](uint64_t chunk) {
        hash = (hash ^ FoldAscii(chunk)) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 29;
        return true;
    };
    if (name.size() < 8)
        mix(ShortChunk(name));
    else
        ForEachChunk(name.size(), [&](size_t at) { return mix(Load8(name.data() + at)); });
    return static_cast<size_t>(hash);
}

bool ProfileNameEqual::EqualIgnoringCase(std::string_view a, std::string_view b)
{
    const auto same = [](uint64_t x, uint64_t y) { return x == y || FoldAscii(x) == FoldAscii(y); };
    if (a.size() < 8)
        return same(ShortChunk(a), ShortChunk(b));
    return ForEachChunk(a.size(), [&](size_t at) { return same(Load8(a.data() + at), Load8(b.data() + at)); });
}

std::string_view UnquoteProfileValue(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

uint32_t ParseProfileInt(std::string_view value)
{
    size_t i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
        negative = value[i] == '-';
        ++i;
    }
    uint32_t result = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i)
        result = result * 10u + static_cast<uint32_t>(value[i] - '0');
    return negative ? 0u - result : result;
}
