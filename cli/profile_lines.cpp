// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/profile_lines.h"

#include "platform/profile.h"
#include "platform/profile_text.h"

#include <unordered_set>

ProfileLines::ProfileLines(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    // The first section of a name counts; a later one of the same name is never read.
    std::unordered_set<std::string> seenSections;
    std::string_view section;
    std::unordered_map<std::string, size_t>* keys = nullptr;
    uint32_t number = 0;
    while (!bytes.empty()) {
        size_t end = 0;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        std::string_view text = bytes.substr(0, end);
        size_t eol = end < bytes.size() ? 1 : 0;
        if (eol && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
            eol = 2;
        bytes.remove_prefix(end + eol);
        ++number;

        text = text.substr(0, text.find('\0'));
        const std::string_view trimmed = TrimProfileBlanks(text);
        if (trimmed.starts_with('[')) {
            const size_t close = trimmed.rfind(']');
            if (close != std::string_view::npos && close > 0) {
                section = TrimProfileBlanks(trimmed.substr(1, close - 1));
                const bool first = seenSections.insert(ProfileNameKey(section)).second;
                keys = first ? &m_index[ProfileNameKey(section)] : nullptr;
                continue;
            }
        }
        const size_t equals = text.find('=');
        if (trimmed.starts_with(';') || equals == std::string_view::npos)
            continue;
        const std::string_view key = TrimProfileBlanks(text.substr(0, equals));
        const std::string_view value = UnquoteProfileValue(TrimProfileBlanks(text.substr(equals + 1)));
        m_keys.push_back({number, section, key, value});
        // Keys before the first header belong to no section a reader can name.
        if (keys && !section.empty())
            keys->try_emplace(ProfileNameKey(key), m_keys.size() - 1);
    }
}

const ProfileKeyLine* ProfileLines::Find(std::string_view section, std::string_view key) const
{
    const auto found = m_index.find(ProfileNameKey(section));
    if (found == m_index.end())
        return nullptr;
    const auto line = found->second.find(ProfileNameKey(key));
    return line == found->second.end() ? nullptr : &m_keys[line->second];
}
