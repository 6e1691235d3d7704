// SPDX-License-Identifier: GPL-2.0-or-later
#include "fuzz/profile_model.h"

#include <set>
#include <vector>

namespace {

bool Blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && Blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && Blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

} // namespace

std::string NameOf(std::string_view name)
{
    std::string lower(Trim(name));
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

ProfileModel ModelProfile(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    ProfileModel model;
    std::set<std::string> seenSections;
    bool inSection = false;
    bool reachable = false;  // false in a repeated section: its keys are never found
    std::string section;
    for (std::string_view line : Lines(bytes)) {
        line = line.substr(0, line.find('\0'));
        const std::string_view trimmed = Trim(line);
        const size_t close = line.rfind(']');
        if (trimmed.starts_with('[') && close != std::string_view::npos && close > line.find('[')) {
            section = NameOf(line.substr(line.find('[') + 1, close - line.find('[') - 1));
            inSection = true;
            reachable = seenSections.insert(section).second;
            continue;
        }
        const size_t equals = line.find('=');
        if (trimmed.starts_with(';') || equals == std::string_view::npos || !inSection || !reachable)
            continue;
        model.try_emplace({section, NameOf(line.substr(0, equals))}, Trim(line.substr(equals + 1)));
    }
    return model;
}

std::string ReadValueOf(std::string_view value)
{
    value = Trim(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

bool WritableNames(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string_view trimmedKey = Trim(key);
    return section.find_first_of("]\r\n") == std::string_view::npos && key.find_first_of("=\r\n") == std::string_view::npos
        && value.find_first_of("\r\n") == std::string_view::npos && !trimmedKey.empty() && trimmedKey.front() != '['
        && trimmedKey.front() != ';';
}
