// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The changes the everyday commands make to a server list: each the one the window makes for it. A
// new server or queue goes to the head of its list, and a server that changed moves to the head of
// the list, as after the window's Modify, so that the file is the one the window would write.
#include "cli/cli_text.h"
#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "config/server_records.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

[[nodiscard]] Failure UsageError(CliText text, std::initializer_list<std::string_view> arguments = {});
// Refused by the dialogs' rule with this message, or by one of norvanectl's own.
[[nodiscard]] Failure Refusal(uint32_t messageId);
[[nodiscard]] Failure Refusal(CliText text);
// A name from the file, for a message: 'fileserver'.
[[nodiscard]] std::string Quoted(std::string_view bytes);
// A command-line text as the file's bytes; `argument` names it in the message.
[[nodiscard]] std::optional<Failure> ToBytes(const std::string& text, std::string_view argument, std::string& bytes);

template <typename Record>
void Prepend(Record*& head, Record* record)
{
    record->next = head;
    head = record;
}

// The edit of the server (it may move in the list, or be removed), or nothing to do.
using ListEdit = std::function<std::optional<Failure>(ServerList& list)>;

// The edit a server, stream-queue or lpr-queue command makes of the server named `name`.
[[nodiscard]] ListEdit ServerEdit(const Invocation& invocation, const std::string& name);

// The queue commands' edits of their server.
[[nodiscard]] std::optional<Failure> AddStreamQueue(const Invocation& invocation, ServerEntry& server);
[[nodiscard]] std::optional<Failure> RemoveStreamQueue(const Invocation& invocation, ServerEntry& server);
[[nodiscard]] std::optional<Failure> AddLprQueue(const Invocation& invocation, ServerEntry& server);
[[nodiscard]] std::optional<Failure> RemoveLprQueue(const Invocation& invocation, ServerEntry& server);
