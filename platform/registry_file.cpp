// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/registry_file.h"

#include "platform/registry.h"

#include <unordered_map>
#include <utility>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
            return false;
    }
    return true;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// 1 to `maxDigits` hex digits and nothing else.
std::optional<uint32_t> ParseHex(std::string_view digits, size_t maxDigits)
{
    if (digits.empty() || digits.size() > maxDigits)
        return std::nullopt;
    uint32_t result = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        result = result * 16u + static_cast<uint32_t>(digit);
    }
    return result;
}

// Takes a quoted string with its \\ and \" escapes off the front of `text`.
std::optional<std::string> TakeQuoted(std::string_view& text)
{
    if (text.empty() || text.front() != '"')
        return std::nullopt;
    std::string result;
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return result;
        }
        if (c == '\\') {
            if (i + 1 == text.size() || (text[i + 1] != '\\' && text[i + 1] != '"'))
                return std::nullopt;
            c = text[++i];
        }
        result += c;
    }
    return std::nullopt;
}

// "aa,bb,..." (possibly empty), blanks allowed around each byte.
std::optional<std::string> ParseByteList(std::string_view list)
{
    std::string bytes;
    if (Trim(list).empty())
        return bytes;
    while (true) {
        const size_t comma = list.find(',');
        const auto byte = ParseHex(Trim(list.substr(0, comma)), 2);
        if (!byte)
            return std::nullopt;
        bytes += static_cast<char>(*byte);
        if (comma == std::string_view::npos)
            return bytes;
        list.remove_prefix(comma + 1);
    }
}

std::optional<RegistryValue> ParseData(std::string_view data)
{
    RegistryValue value;
    if (data.starts_with('"')) {
        auto text = TakeQuoted(data);
        if (!text || !Trim(data).empty())
            return std::nullopt;
        value.type = REG_SZ;
        value.data = std::move(*text);
        value.data += '\0';
        return value;
    }
    if (data.starts_with("dword:")) {
        const auto number = ParseHex(data.substr(6), 8);
        if (!number)
            return std::nullopt;
        value.type = REG_DWORD;
        for (int shift = 0; shift < 32; shift += 8)
            value.data += static_cast<char>((*number >> shift) & 0xFFu);
        return value;
    }
    std::string_view list;
    if (data.starts_with("hex:")) {
        value.type = REG_BINARY;
        list = data.substr(4);
    } else if (data.starts_with("hex(")) {
        const size_t close = data.find("):");
        const auto type = close == std::string_view::npos ? std::nullopt : ParseHex(data.substr(4, close - 4), 8);
        if (!type)
            return std::nullopt;
        value.type = *type;
        list = data.substr(close + 2);
    } else {
        return std::nullopt;
    }
    auto bytes = ParseByteList(list);
    if (!bytes)
        return std::nullopt;
    value.data = std::move(*bytes);
    return value;
}

struct ValueLine {
    std::string name;
    std::string data;
};

// `"name"=data` or `@=data`, blanks allowed around '='.
std::optional<ValueLine> SplitValueLine(std::string_view line)
{
    ValueLine result;
    if (line.starts_with('@')) {
        line.remove_prefix(1);
    } else {
        auto name = TakeQuoted(line);
        if (!name)
            return std::nullopt;
        result.name = std::move(*name);
    }
    line = Trim(line);
    if (!line.starts_with('='))
        return std::nullopt;
    result.data = Trim(line.substr(1));
    return result;
}

// The key named by a "[path]" line; null when the line is malformed.
std::vector<RegistryValue>* AddKey(RegistryKeys& keys, std::string_view line)
{
    if (!line.ends_with(']') || line.starts_with("[-"))
        return nullptr;
    auto path = RegistryPathKey(line.substr(1, line.size() - 2));
    if (!path)
        return nullptr;
    return &keys.try_emplace(std::move(*path)).first->second;
}

// Where each value of each key stands, by upper-cased name, so that a key with many values is
// still read in linear time. Keyed by the key's value list, which a std::map never moves.
using ValuePositions = std::unordered_map<const std::vector<RegistryValue>*, std::unordered_map<std::string, size_t>>;

void StoreValue(std::vector<RegistryValue>& values, RegistryValue value, ValuePositions& positions)
{
    std::string name = value.name;
    for (char& c : name)
        c = AsciiUpper(c);
    const auto [position, added] = positions[&values].try_emplace(std::move(name), values.size());
    if (!added) {
        RegistryValue& existing = values[position->second];
        existing.type = value.type;
        existing.data = std::move(value.data);
        return;
    }
    values.push_back(std::move(value));
}

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace

std::optional<RegistryKeys> ParseRegistryText(std::string_view text)
{
    const std::vector<std::string_view> lines = SplitLines(text);
    if (lines.empty() || Trim(lines[0]) != "REGEDIT4")
        return std::nullopt;
    RegistryKeys keys;
    ValuePositions positions;
    std::vector<RegistryValue>* current = nullptr;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = Trim(lines[i]);
        if (line.empty() || line.starts_with(';'))
            continue;
        if (line.starts_with('[')) {
            current = AddKey(keys, line);
            continue;
        }
        auto parts = SplitValueLine(line);
        if (!parts)
            continue;
        // Long byte lists are wrapped: a trailing '\' joins the next line to this one.
        while (parts->data.starts_with("hex") && parts->data.ends_with('\\') && i + 1 < lines.size()) {
            parts->data.pop_back();
            parts->data += Trim(lines[++i]);
        }
        if (!current)
            continue;
        if (auto value = ParseData(parts->data)) {
            value->name = std::move(parts->name);
            StoreValue(*current, std::move(*value), positions);
        }
    }
    return keys;
}

const std::vector<RegistryValue>* FindRegistryKey(const RegistryKeys& keys, std::string_view path)
{
    if (const auto listed = keys.find(path); listed != keys.end())
        return &listed->second;
    // Keys below `path` sort together, right after "path\\".
    static const std::vector<RegistryValue> kNoValues;
    const std::string below = std::string(path) + '\\';
    const auto next = keys.lower_bound(below);
    return next != keys.end() && next->first.starts_with(below) ? &kNoValues : nullptr;
}

std::optional<std::string> RegistryPathKey(std::string_view path)
{
    if (path.empty() || path.front() == '\\' || path.back() == '\\' || path.find("\\\\") != std::string_view::npos)
        return std::nullopt;
    std::string key(path);
    for (char& c : key)
        c = AsciiUpper(c);
    return key;
}

const RegistryValue* FindRegistryValue(const std::vector<RegistryValue>& values, std::string_view name)
{
    for (const RegistryValue& value : values) {
        if (EqualIgnoringCase(value.name, name))
            return &value;
    }
    return nullptr;
}
