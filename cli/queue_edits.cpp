// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/edits.h"

#include "cli/file_text.h"
#include "config/field_rules.h"
#include "config/filter_types.h"
#include "config/global_options.h"
#include "config/text_field.h"
#include "res/resource_ids.h"

namespace {

constexpr const char* kDefaultPort = "9100";

// The dialog's filter types, as the command line names them, in the order of its list.
constexpr std::string_view kFilterTypeNames[] = {"binary", "dvi", "text", "plot", "fortran", "cif"};
static_assert(std::size(kFilterTypeNames) == kUserDefinedFilter);

// Unlinks and frees every record `matches` picks; false when there was none.
template <typename Record, typename Matches, typename Free>
bool RemoveRecords(Record*& head, Matches matches, Free free)
{
    bool removed = false;
    for (Record** link = &head; *link;) {
        Record* record = *link;
        if (!matches(*record)) {
            link = &record->next;
            continue;
        }
        *link = record->next;
        record->next = nullptr;
        (void)free(record);
        removed = true;
    }
    return removed;
}

std::optional<Failure> PortOf(const std::string& text, uint32_t& port)
{
    const std::optional<uint32_t> value = PortFromText(text);
    if (!value)
        return Refusal(IDS_PORT_RANGE);
    port = *value;
    return std::nullopt;
}

std::string FilterLetter(const std::string& filter)
{
    for (int32_t index = 0; index < kUserDefinedFilter; ++index) {
        if (filter == kFilterTypeNames[index])
            return std::string(FilterIndexToLetter(index));
    }
    return filter;
}

} // namespace

std::optional<Failure> AddStreamQueue(const Invocation& invocation, ServerEntry& server)
{
    if (!server.streamPrinting)
        return UsageError(CliText::StreamPrintingOff, {PrintableText(server.name)});
    uint32_t port = 0;
    if (auto failure = PortOf(invocation.arguments.size() > 1 ? invocation.arguments[1] : kDefaultPort, port))
        return failure;
    auto* queue = new StreamQueue{};
    queue->port = port;
    queue->telnetNegotiation = invocation.Has("--telnet") ? 1 : 0;
    Prepend(server.streamQueues, queue);
    return std::nullopt;
}

std::optional<Failure> RemoveStreamQueue(const Invocation& invocation, ServerEntry& server)
{
    uint32_t port = 0;
    if (auto failure = PortOf(invocation.arguments[1], port))
        return failure;
    if (!RemoveRecords(server.streamQueues, [port](const StreamQueue& queue) { return queue.port == port; },
                       FreeStreamQueues))
        return UsageError(CliText::NoSuchStreamQueue, {PrintableText(server.name), std::to_string(port)});
    return std::nullopt;
}

std::optional<Failure> AddLprQueue(const Invocation& invocation, ServerEntry& server)
{
    if (!server.lprPrinting)
        return UsageError(CliText::LprPrintingOff, {PrintableText(server.name)});
    // The LPR queue dialog's defaults: the binary filter, and the default user name.
    std::string queueName;
    std::string filter(FilterIndexToLetter(0));
    std::string userName;
    std::string personalName;
    char defaultUser[kUserNameMaxSize];
    if (ReadDefaultUserName(defaultUser, sizeof defaultUser) == ProfileOk)
        userName = defaultUser;
    if (auto failure = ToBytes(invocation.arguments[1], "QUEUE", queueName))
        return failure;
    const std::pair<const char*, std::string*> options[] = {
        {"--filter", &filter}, {"--user", &userName}, {"--personal-name", &personalName}};
    for (const auto& [option, text] : options) {
        if (const std::optional<std::string> value = invocation.Value(option))
            if (auto failure = ToBytes(*value, option, *text))
                return failure;
    }
    if (invocation.Has("--filter"))
        filter = FilterLetter(filter);
    if (queueName.empty())
        return Refusal(CliText::EmptyQueueName);
    if (const std::optional<LprRefusal> refusal = LprQueueRefusal({queueName, filter, userName, personalName}))
        return Refusal(refusal->messageId);
    auto* queue = new LprQueue{};
    StoreFieldText(queue->queueName, queueName);
    StoreFieldText(queue->filter, filter);
    StoreFieldText(queue->userName, userName);
    StoreFieldText(queue->personalName, personalName);
    Prepend(server.lprQueues, queue);
    return std::nullopt;
}

std::optional<Failure> RemoveLprQueue(const Invocation& invocation, ServerEntry& server)
{
    std::string queueName;
    if (auto failure = ToBytes(invocation.arguments[1], "QUEUE", queueName))
        return failure;
    if (!RemoveRecords(server.lprQueues, [&queueName](const LprQueue& queue) { return FieldText(queue.queueName) == queueName; },
                       FreeLprQueues))
        return UsageError(CliText::NoSuchLprQueue, {PrintableText(server.name), Quoted(queueName)});
    return std::nullopt;
}
