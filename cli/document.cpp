// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/document.h"

#include "cli/cli_text.h"
#include "cli/json_writer.h"
#include "cli/file_text.h"
#include "config/field_rules.h"
#include "config/text_field.h"
#include "platform/ansi_text.h"
#include "res/resource_ids.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <initializer_list>
#include <unordered_map>

namespace {

using Json = nlohmann::json;

constexpr uint32_t kHighestPort = 65536;

std::string Utf8(const char (&field)[kTextFieldSize])
{
    return ShownText(FieldText(field));
}

void WriteServer(JsonWriter& json, const ServerEntry& entry)
{
    json.BeginObject();
    json.Key("name");
    json.String(Utf8(entry.name));
    const std::pair<const char*, int32_t> flags[] = {
        {"nfsDriveMounts", entry.nfsDriveMounts}, {"nfsPrinterMounts", entry.nfsPrinterMounts},
        {"streamPrinting", entry.streamPrinting}, {"lprPrinting", entry.lprPrinting},
        {"defaultStreamQueue", entry.defaultStreamQueue},
    };
    for (const auto& [key, flag] : flags) {
        json.Key(key);
        json.Bool(flag != 0);
    }
    json.Key("streamQueues");
    json.BeginArray();
    for (const StreamQueue* queue = entry.streamQueues; queue; queue = queue->next) {
        json.BeginObject();
        json.Key("port");
        json.Number(queue->port);
        json.Key("telnetNegotiation");
        json.Bool(queue->telnetNegotiation != 0);
        json.EndObject();
    }
    json.EndArray();
    json.Key("lprQueues");
    json.BeginArray();
    for (const LprQueue* queue = entry.lprQueues; queue; queue = queue->next) {
        json.BeginObject();
        for (const auto& [key, text] : {std::pair{"queueName", &queue->queueName}, std::pair{"filter", &queue->filter},
                                        std::pair{"userName", &queue->userName},
                                        std::pair{"personalName", &queue->personalName}}) {
            json.Key(key);
            json.String(Utf8(*text));
        }
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

// A text a record's field can hold as it is: no NUL (it would end the text) and at most 259 bytes.
bool FitsField(std::string_view text)
{
    return text.size() < kTextFieldSize && text.find('\0') == std::string_view::npos;
}

// Reads a document and remembers the first fault, named by its place: "doc.json: servers[1].port".
class DocumentReader {
public:
    explicit DocumentReader(std::string_view origin) : m_origin(origin) {}

    std::optional<Failure> failure;

    bool Fail(ExitStatus status, std::string message)
    {
        failure = Failure{status, std::move(message)};
        return false;
    }
    bool Shape(CliText text, const std::string& path) { return Fail(ExitStatus::Usage, Text(text, {Where(path)})); }
    bool Refuse(const std::string& path, std::string_view message)
    {
        return Fail(ExitStatus::Refused, Where(path) + ": " + std::string(message));
    }
    std::string Where(const std::string& path) const
    {
        return path.empty() ? std::string(m_origin) : std::string(m_origin) + ": " + path;
    }

    // An object holding only the given keys.
    bool Object(const Json& value, const std::string& path, std::initializer_list<std::string_view> keys)
    {
        if (!value.is_object())
            return Shape(CliText::MustBeObject, path);
        for (const auto& [key, member] : value.items()) {
            if (std::find(keys.begin(), keys.end(), key) == keys.end())
                return Fail(ExitStatus::Usage, Text(CliText::UnknownKey, {Where(path), ShownText(key)}));
        }
        return true;
    }

    bool Boolean(const Json& object, const char* key, const std::string& path, std::optional<bool>& result)
    {
        const auto found = object.find(key);
        if (found == object.end())
            return true;
        if (!found->is_boolean())
            return Shape(CliText::MustBeBoolean, path + "." + key);
        result = found->get<bool>();
        return true;
    }

    bool Flag(const Json& object, const char* key, const std::string& path, bool fallback, int32_t& flag)
    {
        std::optional<bool> value;
        if (!Boolean(object, key, path, value))
            return false;
        flag = value.value_or(fallback) ? 1 : 0;
        return true;
    }

    // A text as the file's bytes.
    bool Bytes(const Json& object, const char* key, const std::string& path, std::optional<std::string>& result)
    {
        const auto found = object.find(key);
        if (found == object.end())
            return true;
        if (!found->is_string())
            return Shape(CliText::MustBeText, path + "." + key);
        // The parser has checked that the document is UTF-8.
        result = found->get<std::string>();
        return true;
    }

    bool List(const Json& object, const char* key, const std::string& path, const Json*& list)
    {
        const auto found = object.find(key);
        list = nullptr;
        if (found == object.end())
            return true;
        if (!found->is_array())
            return Shape(CliText::MustBeList, path.empty() ? key : path + "." + key);
        list = &*found;
        return true;
    }

private:
    std::string_view m_origin;
};

bool ReadStreamQueues(DocumentReader& reader, const Json& list, const std::string& path, ServerEntry& entry)
{
    StreamQueue** tail = &entry.streamQueues;
    for (size_t k = 0; k < list.size(); ++k) {
        const std::string at = path + ".streamQueues[" + std::to_string(k) + "]";
        const Json& item = list[k];
        if (!reader.Object(item, at, {"port", "telnetNegotiation"}))
            return false;
        const auto port = item.find("port");
        if (port == item.end())
            return reader.Fail(ExitStatus::Usage, Text(CliText::MissingKey, {reader.Where(at), "port"}));
        if (!port->is_number_integer())
            return reader.Shape(CliText::MustBeWholeNumber, at + ".port");
        // The stream queue dialog's range, and its message. The parser keeps a number that is not
        // negative as unsigned.
        const uint64_t value = port->is_number_unsigned() ? port->get<uint64_t>() : 0;
        if (value < 1 || value > kHighestPort)
            return reader.Refuse(at + ".port", TableText(IDS_PORT_RANGE));
        auto* queue = new StreamQueue{};
        queue->port = static_cast<uint32_t>(value);
        *tail = queue;
        tail = &queue->next;
        if (!reader.Flag(item, "telnetNegotiation", at, false, queue->telnetNegotiation))
            return false;
    }
    return true;
}

bool ReadLprQueues(DocumentReader& reader, const Json& list, const std::string& path, ServerEntry& entry)
{
    LprQueue** tail = &entry.lprQueues;
    for (size_t k = 0; k < list.size(); ++k) {
        const std::string at = path + ".lprQueues[" + std::to_string(k) + "]";
        const Json& item = list[k];
        if (!reader.Object(item, at, {"queueName", "filter", "userName", "personalName"}))
            return false;
        // The queue's texts in the order of its line; only the queue name must be given.
        constexpr const char* kKeys[4] = {"queueName", "filter", "userName", "personalName"};
        std::string texts[4];
        for (int i = 0; i < 4; ++i) {
            std::optional<std::string> text;
            if (!reader.Bytes(item, kKeys[i], at, text))
                return false;
            if (!text && i == 0)
                return reader.Fail(ExitStatus::Usage, Text(CliText::MissingKey, {reader.Where(at), kKeys[i]}));
            texts[i] = text.value_or("");
        }
        const LprQueueTexts fields{texts[0], texts[1], texts[2], texts[3]};
        if (!FitsField(fields.queueName) || !FitsField(fields.filter) || !FitsField(fields.userName)
            || !FitsField(fields.personalName)) {
            const std::optional<LprRefusal> refusal = LprQueueRefusal(fields);
            return reader.Refuse(at, TableText(refusal ? refusal->messageId : IDS_LPR_QUEUE_TOO_LONG));
        }
        auto* queue = new LprQueue{};
        *tail = queue;
        tail = &queue->next;
        StoreFieldText(queue->queueName, fields.queueName);
        StoreFieldText(queue->filter, fields.filter);
        StoreFieldText(queue->userName, fields.userName);
        StoreFieldText(queue->personalName, fields.personalName);
    }
    return true;
}

bool ReadServer(DocumentReader& reader, const Json& item, const std::string& path, ServerEntry& entry)
{
    if (!reader.Object(item, path,
                       {"name", "nfsDriveMounts", "nfsPrinterMounts", "streamPrinting", "lprPrinting",
                        "defaultStreamQueue", "streamQueues", "lprQueues"}))
        return false;
    std::optional<std::string> name;
    if (!reader.Bytes(item, "name", path, name))
        return false;
    if (!name)
        return reader.Fail(ExitStatus::Usage, Text(CliText::MissingKey, {reader.Where(path), "name"}));
    if (!FitsField(*name)) {
        const uint32_t refusal = ServerNameRefusal(*name, nullptr, nullptr);
        return reader.Refuse(path, TableText(refusal ? refusal : IDS_SERVER_NAME_TOO_LONG));
    }
    StoreFieldText(entry.name, *name);
    if (!reader.Flag(item, "nfsDriveMounts", path, false, entry.nfsDriveMounts)
        || !reader.Flag(item, "nfsPrinterMounts", path, false, entry.nfsPrinterMounts)
        || !reader.Flag(item, "streamPrinting", path, false, entry.streamPrinting)
        || !reader.Flag(item, "lprPrinting", path, false, entry.lprPrinting)
        || !reader.Flag(item, "defaultStreamQueue", path, true, entry.defaultStreamQueue))
        return false;
    const Json* streams = nullptr;
    const Json* lprs = nullptr;
    if (!reader.List(item, "streamQueues", path, streams) || !reader.List(item, "lprQueues", path, lprs))
        return false;
    // A save writes the queues of a printing kind only while it is on: they would be lost unseen.
    if (streams && !streams->empty() && !entry.streamPrinting)
        return reader.Fail(ExitStatus::Usage, Text(CliText::StreamQueuesNotSaved, {reader.Where(path)}));
    if (lprs && !lprs->empty() && !entry.lprPrinting)
        return reader.Fail(ExitStatus::Usage, Text(CliText::LprQueuesNotSaved, {reader.Where(path)}));
    return (!streams || ReadStreamQueues(reader, *streams, path, entry))
        && (!lprs || ReadLprQueues(reader, *lprs, path, entry));
}

bool ReadProtection(DocumentReader& reader, const Json& options, OptionsRequest& request)
{
    const auto found = options.find("fileProtection");
    if (found == options.end())
        return true;
    const std::string path = "options.fileProtection";
    ProtectionRequest protection;
    if (found->is_string()) {
        const std::string& text = found->get_ref<const std::string&>();
        const std::optional<ProtectionRequest> parsed = ParseProtection(text);
        if (!parsed)
            return reader.Fail(ExitStatus::Usage, reader.Where(path) + ": " + Text(CliText::BadMask, {text}));
        protection = *parsed;
    } else {
        if (!reader.Object(*found, path, {"useParent", "mask"})
            || !reader.Boolean(*found, "useParent", path, protection.useParent))
            return false;
        std::optional<std::string> mask;
        if (!reader.Bytes(*found, "mask", path, mask))
            return false;
        if (mask) {
            protection.mask = ParseOctalMask(*mask);
            if (!protection.mask)
                return reader.Fail(ExitStatus::Usage, reader.Where(path + ".mask") + ": " + Text(CliText::BadMask, {*mask}));
        }
    }
    request.protection = protection;
    return true;
}

bool ReadOptions(DocumentReader& reader, const Json& root, OptionsRequest& request)
{
    const auto found = root.find("options");
    if (found == root.end())
        return true;
    const Json& options = *found;
    const std::string path = "options";
    if (!reader.Object(options, path, {"defaultUserName", "networkWarnings", "restoreConnections", "fileProtection"})
        || !reader.Bytes(options, "defaultUserName", path, request.userName)
        || !reader.Boolean(options, "networkWarnings", path, request.warnings)
        || !reader.Boolean(options, "restoreConnections", path, request.restore))
        return false;
    if (request.userName && !FitsField(*request.userName)) {
        const uint32_t refusal = UserNameRefusal(*request.userName);
        return reader.Fail(ExitStatus::Refused, reader.Where(path + ".defaultUserName") + ": "
                                                    + (refusal ? TableText(refusal) : Text(CliText::UserNameTooLong)));
    }
    return ReadProtection(reader, options, request);
}

} // namespace

std::string ConfigurationJson(const Configuration& configuration, const std::string& version)
{
    std::string out;
    JsonWriter json(out);
    json.BeginObject();
    json.Key("version");
    json.String(version);
    json.Key("servers");
    json.BeginArray();
    for (const ServerEntry* entry = configuration.servers.get(); entry; entry = entry->next)
        WriteServer(json, *entry);
    json.EndArray();
    json.Key("options");
    json.BeginObject();
    json.Key("defaultUserName");
    json.String(ShownText(configuration.Stored(GlobalOption::UserName).value_or("")));
    json.Key("networkWarnings");
    json.Bool(configuration.warnings != 0);
    json.Key("restoreConnections");
    json.Bool(configuration.restore != 0);
    json.Key("fileProtection");
    json.BeginObject();
    json.Key("useParent");
    json.Bool((configuration.protection & kFileProtUseParent) != 0);
    json.Key("mask");
    json.String(OctalMask(configuration.protection));
    json.EndObject();
    json.EndObject();
    json.EndObject();
    out += '\n';
    return out;
}

void KeepUnshownBytes(Document& document, const Configuration& now)
{
    std::unordered_map<std::string, std::string> bytesOf;
    const auto remember = [&bytesOf](std::string_view bytes) {
        if (!IsWellFormedAnsi(bytes))
            bytesOf.try_emplace(ShownText(bytes), bytes);
    };
    for (const ServerEntry* entry = now.servers.get(); entry; entry = entry->next) {
        remember(FieldText(entry->name));
        for (const LprQueue* queue = entry->lprQueues; queue; queue = queue->next)
            for (const auto* field : {&queue->queueName, &queue->filter, &queue->userName, &queue->personalName})
                remember(FieldText(*field));
    }
    if (const auto& userName = now.Stored(GlobalOption::UserName))
        remember(*userName);
    if (bytesOf.empty())
        return;
    // A shown text is longer than its bytes, so they fit where it did.
    const auto restore = [&bytesOf](char (&field)[kTextFieldSize]) {
        if (const auto found = bytesOf.find(std::string(FieldText(field))); found != bytesOf.end())
            StoreFieldText(field, found->second);
    };
    if (document.options.userName)
        if (const auto found = bytesOf.find(*document.options.userName); found != bytesOf.end())
            document.options.userName = found->second;
    if (!document.servers)
        return;
    for (ServerEntry* entry = document.servers->get(); entry; entry = entry->next) {
        restore(entry->name);
        for (LprQueue* queue = entry->lprQueues; queue; queue = queue->next)
            for (auto* field : {&queue->queueName, &queue->filter, &queue->userName, &queue->personalName})
                restore(*field);
    }
}

std::optional<Failure> ParseDocument(std::string_view text, std::string_view origin, Document& document)
{
    Json root;
    try {
        root = Json::parse(text);
    } catch (const Json::parse_error& error) {
        return Failure{ExitStatus::Usage, Text(CliText::NotJson, {origin, std::to_string(error.byte)})};
    }
    DocumentReader reader(origin);
    const Json* servers = nullptr;
    if (!reader.Object(root, "", {"version", "servers", "options"}) || !reader.List(root, "servers", "", servers)
        || !ReadOptions(reader, root, document.options))
        return reader.failure;
    if (!servers)
        return std::nullopt;
    OwnedServerList owned;
    ServerEntry** tail = nullptr;
    for (size_t i = 0; i < servers->size(); ++i) {
        auto* entry = new ServerEntry{};
        if (tail)
            *tail = entry;
        else
            owned.reset(entry);
        tail = &entry->next;
        if (!ReadServer(reader, (*servers)[i], "servers[" + std::to_string(i) + "]", *entry))
            return reader.failure;
    }
    document.servers = std::move(owned);
    return std::nullopt;
}
