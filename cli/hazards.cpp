// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/hazards.h"

#include "cli/cli_text.h"
#include "cli/file_text.h"
#include "cli/profile_lines.h"
#include "config/field_rules.h"
#include "config/global_options.h"
#include "config/server_records.h"
#include "platform/profile.h"
#include "platform/profile_text.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <unordered_map>

namespace {

// What a reader's buffer holds of a value; what the network component's holds of a summary list.
constexpr size_t kValueCapacity = kTextFieldSize - 1;
constexpr size_t kSummaryCapacity = 1023;
// The loader's limit on absent numbered keys in a row.
constexpr int64_t kLongestGap = 4096;
constexpr long kHighestPort = 65536;
// The print-file types of the line printer daemon protocol.
constexpr std::string_view kPrintFileLetters = "cdfglnoprtv";

std::vector<std::string_view> Split(std::string_view text)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const size_t comma = text.find(',');
        fields.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos)
            return fields;
        text.remove_prefix(comma + 1);
    }
}

// The numbers of the keys a count promises and the file lacks, as "Server2, Server4 to Server9".
class MissingKeys {
public:
    explicit MissingKeys(std::string prefix, std::string suffix = {})
        : m_prefix(std::move(prefix)), m_suffix(std::move(suffix)) {}

    void Add(int64_t first, int64_t last)
    {
        if (!m_ranges.empty() && m_ranges.back().second + 1 == first)
            m_ranges.back().second = last;
        else
            m_ranges.emplace_back(first, last);
    }
    bool Any() const { return !m_ranges.empty(); }
    std::string Text() const
    {
        std::string text;
        for (const auto& [first, last] : m_ranges) {
            if (!text.empty())
                text += ", ";
            text += first == last ? Key(first) : ::Text(CliText::KeyRange, {Key(first), Key(last)});
        }
        return text;
    }

private:
    std::string Key(int64_t n) const { return PrintableText(m_prefix + std::to_string(n) + m_suffix); }

    std::string m_prefix;
    std::string m_suffix;
    std::vector<std::pair<int64_t, int64_t>> m_ranges;
};

struct Server {
    std::string name;
    uint32_t line;
    bool drive;
    bool printer;
    bool stream;
    bool lpr;
};

class HazardFinder {
public:
    explicit HazardFinder(std::string_view bytes) : m_lines(bytes) {}

    std::vector<Hazard> Find()
    {
        CheckLengths();
        CheckServers();
        for (const Server& server : m_servers) {
            if (server.stream)
                CheckQueues(server, "StreamQueues");
            if (server.lpr)
                CheckQueues(server, "LPRQueues");
        }
        CheckSameNames();
        CheckSummary("KnownServers", CliText::DriveMountsList, [](const Server& s) { return s.drive; });
        CheckSummary("KnownPrintServers", CliText::PrintServersList,
                     [](const Server& s) { return s.printer || s.stream || s.lpr; });
        CheckUserName();
        std::stable_sort(m_hazards.begin(), m_hazards.end(), [](const Hazard& a, const Hazard& b) {
            return (a.line ? a.line : UINT32_MAX) < (b.line ? b.line : UINT32_MAX);
        });
        return std::move(m_hazards);
    }

private:
    void Add(uint32_t line, std::string_view server, std::string_view key, std::string reason)
    {
        m_hazards.push_back({line, std::string(server), std::string(key), std::move(reason)});
    }

    // What a reader gets for the key: its value cut to the reader's buffer; empty counts as none.
    std::optional<std::string_view> Read(std::string_view section, std::string_view key, const ProfileKeyLine** at = nullptr) const
    {
        const ProfileKeyLine* line = m_lines.Find(section, key);
        if (at)
            *at = line;
        if (!line || line->value.empty())
            return std::nullopt;
        return line->value.substr(0, kValueCapacity);
    }

    static bool IsSummaryKey(const ProfileKeyLine& line)
    {
        return ProfileNameKey(line.section) == "servers"
            && (ProfileNameKey(line.key) == "knownservers" || ProfileNameKey(line.key) == "knownprintservers");
    }

    void CheckLengths()
    {
        for (const ProfileKeyLine& line : m_lines.Keys()) {
            if (line.key.size() > kValueCapacity)
                Add(line.number, {}, line.key, Text(CliText::HazardKeyTooLong, {std::to_string(line.key.size())}));
            else if (line.value.size() > kValueCapacity && !IsSummaryKey(line))
                Add(line.number, {}, line.key, Text(CliText::HazardValueTooLong, {std::to_string(line.value.size())}));
        }
    }

    // Reads <prefix>1.. up to the count of `countKey` as the loader does, calling `found` for each
    // key present, and reports the keys the count promises that are absent.
    template <typename Found>
    void ScanNumbered(std::string_view section, const std::string& countKey, const std::string& prefix,
                      const std::string& suffix, std::string_view server, Found found)
    {
        const ProfileKeyLine* countLine = nullptr;
        const std::optional<std::string_view> countText = Read(section, countKey, &countLine);
        const int32_t count = countText ? static_cast<int32_t>(ParseProfileInt(*countText)) : 0;
        MissingKeys missing(prefix, suffix);
        int64_t gap = 0;
        for (int64_t n = 1; n <= count; ++n) {
            const std::string key = prefix + std::to_string(n) + suffix;
            const ProfileKeyLine* line = nullptr;
            const std::optional<std::string_view> value = Read(section, key, &line);
            if (value) {
                gap = 0;
                found(key, *value, line->number);
                continue;
            }
            if (++gap < kLongestGap) {
                missing.Add(n, n);
                continue;
            }
            // The loader gives up here: what follows is never read.
            missing.Add(n, count);
            break;
        }
        if (missing.Any())
            Add(countLine ? countLine->number : 0, server, countKey,
                Text(CliText::HazardMissingKeys, {std::to_string(count), missing.Text()}));
    }

    void CheckServers()
    {
        ScanNumbered("ServerList", "NumServers", "Server", {}, {},
                     [this](const std::string& key, std::string_view value, uint32_t line) {
                         ReadServerLine(key, value, line);
                     });
    }

    // As the loader reads a server line: five fields, or with more the name is all before the last
    // four commas, with fewer the missing flags are off.
    void ReadServerLine(const std::string& key, std::string_view value, uint32_t line)
    {
        const std::vector<std::string_view> fields = Split(value);
        Server server{std::string(fields[0]), line, false, false, false, false};
        bool* flags[4] = {&server.drive, &server.printer, &server.stream, &server.lpr};
        const size_t flagStart = fields.size() > 5 ? fields.size() - 4 : 1;
        if (fields.size() > 5)
            server.name = std::string(value.substr(0, static_cast<size_t>(fields[flagStart].data() - value.data()) - 1));
        for (size_t i = 0; i < 4 && flagStart + i < fields.size(); ++i)
            *flags[i] = fields[flagStart + i].starts_with('1');
        if (fields.size() != 5)
            Add(line, server.name, key, Text(CliText::HazardServerFields));
        if (server.name.empty())
            Add(line, server.name, key, Text(CliText::HazardEmptyName));
        else if (const uint32_t refusal = ServerNameRefusal(server.name, nullptr, nullptr))
            Add(line, server.name, key, TableText(refusal));
        m_servers.push_back(std::move(server));
    }

    void CheckQueues(const Server& server, std::string_view section)
    {
        const bool stream = section == "StreamQueues";
        ScanNumbered(section, server.name + "NumQueues", server.name + "Queue", {}, server.name,
                     [&](const std::string& key, std::string_view value, uint32_t line) {
                         const std::vector<std::string_view> fields = Split(value);
                         if (stream)
                             CheckStreamLine(server, key, fields, line);
                         else
                             CheckLprLine(server, key, fields, line);
                     });
    }

    void CheckStreamLine(const Server& server, const std::string& key, const std::vector<std::string_view>& fields,
                         uint32_t line)
    {
        if (fields.size() != 2) {
            Add(line, server.name, key, Text(CliText::HazardStreamFields));
            return;
        }
        // Read as the loader reads it: leading blanks, a sign and digits.
        const std::string port(fields[0]);
        const long value = std::strtol(port.c_str(), nullptr, 10);
        if (value < 1 || value > kHighestPort)
            Add(line, server.name, key, Text(CliText::HazardStreamPort, {PrintableText(port)}));
    }

    void CheckLprLine(const Server& server, const std::string& key, const std::vector<std::string_view>& fields,
                      uint32_t line)
    {
        if (fields.size() != 4) {
            Add(line, server.name, key, Text(CliText::HazardLprFields));
            return;
        }
        if (const std::optional<LprRefusal> refusal = LprQueueRefusal({fields[0], fields[1], fields[2], fields[3]}))
            Add(line, server.name, key, TableText(refusal->messageId));
        if (fields[1].size() != 1 || kPrintFileLetters.find(fields[1][0]) == std::string_view::npos)
            Add(line, server.name, key, Text(CliText::HazardFilterLetter, {PrintableText(fields[1])}));
    }

    void CheckSameNames()
    {
        std::unordered_map<std::string, const Server*> first;
        for (const Server& server : m_servers) {
            const auto [found, added] = first.try_emplace(ProfileNameKey(server.name), &server);
            if (added)
                continue;
            const Server& earlier = *found->second;
            if (earlier.name == server.name)
                Add(server.line, server.name, {}, Text(CliText::HazardSameName, {std::to_string(earlier.line)}));
            else
                Add(server.line, server.name, {},
                    Text(CliText::HazardSameNameCase, {PrintableText(earlier.name), std::to_string(earlier.line)}));
        }
    }

    // The list a save writes, where a name that would overflow the list is left out; and the list as
    // stored, of which the network component reads only the first 1,023 characters.
    template <typename Listed>
    void CheckSummary(std::string_view key, CliText list, Listed listed)
    {
        const ProfileKeyLine* line = m_lines.Find("Servers", key);
        const uint32_t number = line ? line->number : 0;
        size_t length = 0;
        size_t needed = 0;
        std::string leftOut;
        for (const Server& server : m_servers) {
            if (!listed(server))
                continue;
            needed += server.name.size() + 1;
            if (length + server.name.size() + 1 > kSummaryCapacity) {
                leftOut += (leftOut.empty() ? "" : ", ") + PrintableText(server.name);
                continue;
            }
            length += server.name.size() + 1;
        }
        if (!leftOut.empty())
            Add(number, {}, key, Text(CliText::HazardSummaryTooLong, {Text(list), std::to_string(needed), leftOut}));

        if (!line || line->value.size() <= kSummaryCapacity)
            return;
        std::string unseen;
        size_t start = 0;
        for (const std::string_view name : Split(line->value)) {
            if (start + name.size() > kSummaryCapacity)
                unseen += (unseen.empty() ? "" : ", ") + PrintableText(name);
            start += name.size() + 1;
        }
        Add(number, {}, key, Text(CliText::HazardStoredSummaryTooLong, {std::to_string(line->value.size()), unseen}));
    }

    void CheckUserName()
    {
        const ProfileKeyLine* line = m_lines.Find("Auth", "UserName");
        if (!line || line->value.empty())
            return;
        if (const uint32_t refusal = UserNameRefusal(line->value))
            Add(line->number, {}, line->key, TableText(refusal));
        if (line->value.size() >= kUserNameMaxSize)
            Add(line->number, {}, line->key, Text(CliText::HazardUserNameTooLong, {std::to_string(line->value.size())}));
    }

    ProfileLines m_lines;
    std::vector<Server> m_servers;
    std::vector<Hazard> m_hazards;
};

} // namespace

std::vector<Hazard> FindHazards(std::string_view bytes)
{
    return HazardFinder(bytes).Find();
}
