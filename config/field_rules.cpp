// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/field_rules.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/profile.h"
#include "res/resource_ids.h"

namespace {

bool IsControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

bool HasControl(std::string_view text)
{
    return std::ranges::any_of(text, IsControl);
}

bool IsQuote(char c)
{
    return c == '"' || c == '\'';
}

bool IsNameTaken(std::string_view name, const ServerEntry* servers, const ServerEntry* self)
{
    // Compared the way the file compares keys, since the names end up in them.
    const std::string key = ProfileNameKey(name);
    for (const ServerEntry* server = servers; server; server = server->next) {
        if (server != self && ProfileNameKey(server->name) == key)
            return true;
    }
    return false;
}

struct LprFieldMessages {
    uint32_t comma;
    uint32_t control;
};

LprFieldMessages MessagesOf(LprField field)
{
    switch (field) {
    case LprField::QueueName:
        return {IDS_LPR_QUEUE_NAME_COMMA, IDS_LPR_QUEUE_NAME_CONTROL};
    case LprField::Filter:
        return {IDS_LPR_FILTER_COMMA, IDS_LPR_FILTER_CONTROL};
    case LprField::UserName:
        return {IDS_LPR_USER_NAME_COMMA, IDS_LPR_USER_NAME_CONTROL};
    case LprField::PersonalName:
        break;
    }
    return {IDS_LPR_PERSONAL_NAME_COMMA, IDS_LPR_PERSONAL_NAME_CONTROL};
}

} // namespace

uint32_t ServerNameRefusal(std::string_view name, const ServerEntry* servers, const ServerEntry* self)
{
    if (HasControl(name))
        return IDS_SERVER_NAME_CONTROL;
    if (name.find(',') != std::string_view::npos)
        return IDS_SERVER_NAME_COMMA;
    if (name.find('=') != std::string_view::npos)
        return IDS_SERVER_NAME_EQUALS;
    if (name.starts_with('[') || name.starts_with(';'))
        return IDS_SERVER_NAME_LEADING_MARK;
    if (!name.empty() && (IsProfileBlank(name.front()) || IsProfileBlank(name.back())))
        return IDS_SERVER_NAME_EDGE_BLANK;
    // A quote inside a key is kept, but the summary lists for the network component start with the
    // first listed name and end with the last: a quote at both ends would be stripped from them.
    if (!name.empty() && (IsQuote(name.front()) || IsQuote(name.back())))
        return IDS_SERVER_NAME_EDGE_QUOTE;
    if (name.size() > kServerNameMaxLength)
        return IDS_SERVER_NAME_TOO_LONG;
    if (IsNameTaken(name, servers, self))
        return IDS_SERVER_NAME_TAKEN;
    return 0;
}

std::optional<LprRefusal> LprQueueRefusal(const LprQueueTexts& texts)
{
    const std::array<std::pair<LprField, std::string_view>, 4> fields{{
        {LprField::QueueName, texts.queueName},
        {LprField::Filter, texts.filter},
        {LprField::UserName, texts.userName},
        {LprField::PersonalName, texts.personalName},
    }};
    size_t lineLength = fields.size() - 1;
    for (const auto& [field, text] : fields) {
        if (HasControl(text))
            return LprRefusal{field, MessagesOf(field).control};
        if (text.find(',') != std::string_view::npos)
            return LprRefusal{field, MessagesOf(field).comma};
        lineLength += text.size();
    }
    // The line is queue name first and personal name last; the reader trims the line's ends and
    // strips a quote that both ends carry.
    if (!texts.queueName.empty() && IsProfileBlank(texts.queueName.front()))
        return LprRefusal{LprField::QueueName, IDS_LPR_QUEUE_NAME_LEADING_BLANK};
    if (!texts.personalName.empty() && IsProfileBlank(texts.personalName.back()))
        return LprRefusal{LprField::PersonalName, IDS_LPR_PERSONAL_NAME_TRAILING_BLANK};
    if (!texts.queueName.empty() && !texts.personalName.empty() && IsQuote(texts.queueName.front()) &&
        texts.personalName.back() == texts.queueName.front())
        return LprRefusal{LprField::PersonalName, IDS_LPR_QUOTE_PAIR};
    if (lineLength > kLprLineMaxLength)
        return LprRefusal{LprField::QueueName, IDS_LPR_QUEUE_TOO_LONG};
    return std::nullopt;
}

uint32_t UserNameRefusal(std::string_view name)
{
    // A NUL would even cut the value short.
    if (HasControl(name))
        return IDS_OPTIONS_USER_NAME_CONTROL;
    if (!name.empty() && (name.front() == ' ' || name.back() == ' '))
        return IDS_OPTIONS_USER_NAME_EDGE_BLANK;
    if (name.size() >= 2 && IsQuote(name.front()) && name.back() == name.front())
        return IDS_OPTIONS_USER_NAME_EDGE_QUOTE;
    return 0;
}

std::optional<uint32_t> PortFromText(std::string_view text)
{
    constexpr uint32_t kHighestPort = 65536;
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Any value above the highest port is refused, so the digits are only followed that far: a long
    // run of them cannot overflow, and one beyond the 32-bit range is refused like any other.
    uint64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min<uint64_t>(value * 10 + static_cast<uint64_t>(text[i] - '0'), kHighestPort + 1);
    // A negative number, taken as unsigned, lies far above the highest port.
    if (negative || value < 1 || value > kHighestPort)
        return std::nullopt;
    return static_cast<uint32_t>(value);
}
