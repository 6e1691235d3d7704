// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What may be typed into kqnet.ini: the server name, the queues' fields, the default user name. The
// file has no quoting: a comma splits the fields of a value, the first '=' ends a key, a server's name
// is the front of its queue keys, and blanks and one pair of matching quotes around a value are
// stripped when it is read. A text these rules accept reads back exactly as it was typed after a save
// and a load; a refusal carries the string id (res/resource_ids.h) of the message that names the
// field and says why, so every program that edits the file gives the same messages.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "config/server_records.h"

// The longest key built from a name, "<name>StreamDefaultQueue", must fit 259 bytes.
inline constexpr size_t kServerNameMaxLength = 241;
// One LPR queue field, and the whole line of four fields with three commas.
inline constexpr size_t kLprFieldMaxLength = kTextFieldSize - 1;
inline constexpr size_t kLprLineMaxLength = kTextFieldSize - 1;

// The message id of the reason `name` cannot be given to a server, or 0 when it can. A name that a
// server of the list from `servers` already has, ignoring ASCII case as the file's keys do, is
// refused; `self` (the entry being modified, or null) does not count against itself.
[[nodiscard]] uint32_t ServerNameRefusal(std::string_view name, const ServerEntry* servers, const ServerEntry* self);

enum class LprField { QueueName, Filter, UserName, PersonalName };

struct LprQueueTexts {
    std::string_view queueName;
    std::string_view filter;
    std::string_view userName;
    std::string_view personalName;
};

struct LprRefusal {
    LprField field;       // the field to correct
    uint32_t messageId;
    friend bool operator==(const LprRefusal&, const LprRefusal&) = default;
};

// Why the four texts cannot be stored as one LPR queue line, or nullopt when they can.
[[nodiscard]] std::optional<LprRefusal> LprQueueRefusal(const LprQueueTexts& texts);

// The message id of the reason `name` cannot be stored as the default user name, or 0 when it can:
// a control character, a blank at either end, or the same quotation mark at both ends.
[[nodiscard]] uint32_t UserNameRefusal(std::string_view name);

// The port that `text` gives when read like the runtime's atol (leading white space, one optional
// sign, decimal digits up to the first other character; none gives 0), when that lies from 1 to
// 65536; nullopt otherwise, also for digits beyond the signed 32-bit range.
[[nodiscard]] std::optional<uint32_t> PortFromText(std::string_view text);
