// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/edits.h"

#include "cli/files.h"
#include "cli/file_text.h"
#include "config/field_rules.h"
#include "config/server_merge.h"
#include "config/text_field.h"
#include "platform/ansi_text.h"
#include "platform/profile.h"

#include <cerrno>

Failure UsageError(CliText text, std::initializer_list<std::string_view> arguments)
{
    return {ExitStatus::Usage, Text(text, arguments)};
}

Failure Refusal(uint32_t messageId)
{
    return {ExitStatus::Refused, TableText(messageId)};
}

Failure Refusal(CliText text)
{
    return {ExitStatus::Refused, Text(text)};
}

std::string Quoted(std::string_view bytes)
{
    std::string quoted(1, '\'');
    quoted += PrintableText(bytes);
    quoted += '\'';
    return quoted;
}

// A command-line text as the file's bytes.
std::optional<Failure> ToBytes(const std::string& text, std::string_view argument, std::string& bytes)
{
    if (!IsWellFormedAnsi(text))
        return UsageError(CliText::NotUtf8, {argument});
    bytes = text;
    return std::nullopt;
}

namespace {

// The one server of that name (capital and small letters alike, as the file's keys).
std::optional<Failure> FindServer(ServerList list, const std::string& name, ServerEntry*& found)
{
    const std::string key = ProfileNameKey(name);
    found = nullptr;
    for (ServerEntry* entry = list; entry; entry = entry->next) {
        if (ProfileNameKey(entry->name) != key)
            continue;
        if (found)
            return UsageError(CliText::AmbiguousServer, {Quoted(name)});
        found = entry;
    }
    if (!found)
        return UsageError(CliText::NoSuchServer, {Quoted(name)});
    return std::nullopt;
}

// The flags the options name: `on` sets a flag, `off` clears it, and without either it stays.
void SetFlags(const Invocation& invocation, ServerEntry& entry)
{
    const struct {
        const char* on;
        const char* off;
        int32_t& flag;
    } flags[] = {
        {"--drive-mounts", "--no-drive-mounts", entry.nfsDriveMounts},
        {"--printer-mounts", "--no-printer-mounts", entry.nfsPrinterMounts},
        {"--stream", "--no-stream", entry.streamPrinting},
        {"--lpr", "--no-lpr", entry.lprPrinting},
    };
    for (const auto& flag : flags) {
        if (invocation.Has(flag.on))
            flag.flag = 1;
        else if (invocation.Has(flag.off))
            flag.flag = 0;
    }
}

// A change to one server found by name.
using EntryEdit = std::function<std::optional<Failure>(ServerList& list, ServerEntry& entry)>;

// The window's Modify of the server `name`: when the edit changed what is saved of it, it moves to
// the head of the list; an edit that changed nothing leaves the list as it was.
ListEdit Modify(const std::string& name, EntryEdit edit)
{
    return [name, edit](ServerList& list) -> std::optional<Failure> {
        ServerEntry* entry = nullptr;
        if (auto failure = FindServer(list, name, entry))
            return failure;
        ServerList before = nullptr;
        if (CopyServerEntries(entry, before, false) != ProfileOk)
            return OutOfMemory(true);
        const OwnedServerList owned(before);
        if (auto failure = edit(list, *entry))
            return failure;
        if (SameSavedEntry(*owned, *entry) || list == entry)
            return std::nullopt;
        ServerEntry** link = &list;
        while (*link != entry)
            link = &(*link)->next;
        *link = entry->next;
        Prepend(list, entry);
        return std::nullopt;
    };
}

std::optional<Failure> AddServer(const Invocation& invocation, const std::string& name, ServerList& list)
{
    if (name.empty())
        return Refusal(CliText::EmptyServerName);
    if (const uint32_t refusal = ServerNameRefusal(name, list, nullptr))
        return Refusal(refusal);
    // A new server as the main window's Add makes it, with the resources the command names.
    auto* entry = new ServerEntry{};
    StoreFieldText(entry->name, name);
    entry->defaultStreamQueue = 1;
    SetFlags(invocation, *entry);
    Prepend(list, entry);
    return std::nullopt;
}

std::optional<Failure> ChangeServer(const Invocation& invocation, ServerList& list, ServerEntry& server)
{
    if (const std::optional<std::string> newName = invocation.Value("--name")) {
        std::string bytes;
        if (auto failure = ToBytes(*newName, "--name", bytes))
            return failure;
        if (bytes.empty())
            return Refusal(CliText::EmptyServerName);
        if (const uint32_t refusal = ServerNameRefusal(bytes, list, &server))
            return Refusal(refusal);
        StoreFieldText(server.name, bytes);
    }
    SetFlags(invocation, server);
    return std::nullopt;
}

std::optional<Failure> RemoveServer(const std::string& name, ServerList& list)
{
    ServerEntry* entry = nullptr;
    if (auto failure = FindServer(list, name, entry))
        return failure;
    (void)RemoveServerEntry(entry, list);
    return std::nullopt;
}

} // namespace

ListEdit ServerEdit(const Invocation& invocation, const std::string& name)
{
    const auto modify = [&invocation, name](auto change) {
        return Modify(name, [&invocation, change](ServerList& list, ServerEntry& server) {
            return change(invocation, list, server);
        });
    };
    switch (invocation.command->id) {
    case CommandId::ServerAdd:
        return [&invocation, name](ServerList& list) { return AddServer(invocation, name, list); };
    case CommandId::ServerRemove:
        return [name](ServerList& list) { return RemoveServer(name, list); };
    case CommandId::ServerChange:
        return modify(ChangeServer);
    case CommandId::StreamQueueAdd:
        return modify([](const Invocation& i, ServerList&, ServerEntry& server) { return AddStreamQueue(i, server); });
    case CommandId::StreamQueueRemove:
        return modify([](const Invocation& i, ServerList&, ServerEntry& server) { return RemoveStreamQueue(i, server); });
    case CommandId::LprQueueAdd:
        return modify([](const Invocation& i, ServerList&, ServerEntry& server) { return AddLprQueue(i, server); });
    case CommandId::LprQueueRemove:
        return modify([](const Invocation& i, ServerList&, ServerEntry& server) { return RemoveLprQueue(i, server); });
    case CommandId::Show:
    case CommandId::Apply:
    case CommandId::Check:
    case CommandId::OptionSet:
        break;
    }
    return {};
}
