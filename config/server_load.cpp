// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/profile_keys.h"
#include "config/server_file.h"

#include "platform/profile.h"
#include "platform/profile_scope.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr uint32_t kDefaultPort = 9100;
constexpr uint32_t kHighestPort = 65536;
constexpr int kFlagCount = 4;

// A value read into a text-field buffer; an empty value counts as no value.
bool ReadValue(const char* section, const char (&key)[kTextFieldSize], char (&value)[kTextFieldSize], const char* path)
{
    return GetPrivateProfileStringA(section, key, "", value, sizeof value, path) > 0;
}

int32_t ReadCount(const char* section, const char (&key)[kTextFieldSize], const char* path)
{
    return static_cast<int32_t>(GetPrivateProfileIntA(section, key, 0, path));
}

int32_t FlagOf(const char* field)
{
    return field[0] == '1' ? 1 : 0;
}

// Leading white space, optional sign, then digits; no digits give 0. Out-of-range values saturate
// instead of overflowing.
long DecimalOf(const char* field)
{
    return std::strtol(field, nullptr, 10);
}

int32_t ClampToInt32(long value)
{
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

// Sets the name and flags from a server line. A line that is not exactly five fields is still kept:
// with more, the name is everything before the last four commas (it held commas); with fewer, the
// name is the first field and the missing flags are off. Either way the entry saves back to a line
// that reloads as the same entry.
void ParseServerLine(const char (&line)[kTextFieldSize], ServerEntry& entry)
{
    char text[kTextFieldSize];
    std::memcpy(text, line, std::strlen(line) + 1);
    char* fields[kFlagCount + 1] = {};
    const int32_t count = SplitFields(text, fields, kFlagCount + 1);
    int32_t* flags[kFlagCount] = {&entry.nfsDriveMounts, &entry.nfsPrinterMounts, &entry.streamPrinting,
                                  &entry.lprPrinting};
    if (count == 0) {
        // More than five fields means at least five commas, so each search below finds one.
        std::memcpy(text, line, std::strlen(line) + 1);
        for (int flag = kFlagCount - 1; flag >= 0; --flag) {
            char* comma = std::strrchr(text, ',');
            *comma = '\0';
            *flags[flag] = FlagOf(comma + 1);
        }
        std::memcpy(entry.name, text, std::strlen(text) + 1);
        return;
    }
    std::memcpy(entry.name, fields[0], std::strlen(fields[0]) + 1);
    for (int flag = 0; flag < kFlagCount; ++flag)
        *flags[flag] = flag + 1 < count ? FlagOf(fields[flag + 1]) : 0;
}

void ParseStreamLine(char (&line)[kTextFieldSize], StreamQueue& queue)
{
    char* fields[2] = {};
    if (SplitFields(line, fields, 2) != 2) {
        queue.port = kDefaultPort;
        queue.telnetNegotiation = 0;
        return;
    }
    const long port = DecimalOf(fields[0]);
    queue.port = port >= 1 && port <= static_cast<long>(kHighestPort) ? static_cast<uint32_t>(port) : kDefaultPort;
    queue.telnetNegotiation = ClampToInt32(DecimalOf(fields[1]));
}

void ParseLprLine(char (&line)[kTextFieldSize], LprQueue& queue)
{
    char* fields[4] = {};
    char* texts[4] = {queue.queueName, queue.filter, queue.userName, queue.personalName};
    const bool complete = SplitFields(line, fields, 4) == 4;
    // Every field comes out of one line of at most 259 characters, so each fits its text field.
    for (int i = 0; i < 4; ++i) {
        const char* from = complete ? fields[i] : " ";
        std::memcpy(texts[i], from, std::strlen(from) + 1);
    }
}

template <typename Record>
Record** TailOf(Record*& head)
{
    Record** link = &head;
    while (*link)
        link = &(*link)->next;
    return link;
}

// Calls `read(value)` for each <stem><n> of `section` that has a value, n from 1 to `count` in
// order; false as soon as `read` answers false. Absent numbers are skipped. From the first one on,
// only the numbers present in the file are visited, so a count of 2^31 - 1 or keys far apart cost
// no more than the keys that are there.
template <typename Read>
bool ForEachNumberedValue(const char* section, const char* stem, int32_t count, const char* path, Read read)
{
    char key[kTextFieldSize];
    char value[kTextFieldSize];
    int32_t n = 1;
    for (; n <= count; ++n) {
        if (!NumberedKey(key, stem, n) || !ReadValue(section, key, value, path))
            break;
        if (!read(value))
            return false;
        if (n == INT32_MAX)
            return true;
    }
    if (n > count)
        return true;
    for (const int32_t present : ListProfileKeyNumbers(section, stem, path)) {
        if (present <= n)
            continue;
        if (present > count)
            break;
        if (NumberedKey(key, stem, present) && ReadValue(section, key, value, path) && !read(value))
            return false;
    }
    return true;
}

// Reads <name>Queue1 .. <name>Queue<count> of `section` and appends one record per value found.
template <typename Record, typename Parse>
ProfileResult LoadQueues(const char* section, const char (&name)[kTextFieldSize], Record*& head, const char* path,
                         Parse parse)
{
    char key[kTextFieldSize];
    char stem[kTextFieldSize];
    if (!NameKey(key, name, kNumQueuesKeySuffix) || !NameKey(stem, name, kQueueKeySuffix))
        return ProfileOk;
    const int32_t count = ReadCount(section, key, path);
    Record** tail = TailOf(head);
    const bool loaded = ForEachNumberedValue(section, stem, count, path, [&](char (&value)[kTextFieldSize]) {
        Record* queue = new (std::nothrow) Record{};
        if (!queue)
            return false;
        parse(value, *queue);
        *tail = queue;
        tail = &queue->next;
        return true;
    });
    return loaded ? ProfileOk : ProfileFailed;
}

ProfileResult LoadStreamQueuesFrom(ServerEntry& entry, const char* path)
{
    char key[kTextFieldSize];
    entry.defaultStreamQueue = NameKey(key, entry.name, kDefaultQueueKeySuffix)
        ? ReadCount(kStreamQueuesSection, key, path)
        : 0;
    return LoadQueues(kStreamQueuesSection, entry.name, entry.streamQueues, path, ParseStreamLine);
}

ProfileResult LoadLprQueuesFrom(ServerEntry& entry, const char* path)
{
    return LoadQueues(kLprQueuesSection, entry.name, entry.lprQueues, path, ParseLprLine);
}

} // namespace

ProfileResult LoadStreamQueues(ServerEntry* entry)
{
    char path[kProfilePathSize];
    if (!entry || !GetProfilePath(path))
        return ProfileFailed;
    return LoadStreamQueuesFrom(*entry, path);
}

ProfileResult LoadLprQueues(ServerEntry* entry)
{
    char path[kProfilePathSize];
    if (!entry || !GetProfilePath(path))
        return ProfileFailed;
    return LoadLprQueuesFrom(*entry, path);
}

ProfileResult LoadServerList(ServerList& list)
{
    char path[kProfilePathSize];
    if (!GetProfilePath(path))
        return ProfileFailed;
    // The network component or a second editor may rewrite the file meanwhile; read one version of it.
    ProfileReadScope snapshot(path);
    const int32_t count = static_cast<int32_t>(GetPrivateProfileIntA(kServerListSection, kNumServersKey, 0, path));
    ServerEntry** tail = TailOf(list);
    const bool loaded = ForEachNumberedValue(kServerListSection, kServerKeyStem, count, path,
                                             [&](char (&line)[kTextFieldSize]) {
        ServerEntry* entry = new (std::nothrow) ServerEntry{};
        if (!entry)
            return false;
        *tail = entry;
        tail = &entry->next;
        ParseServerLine(line, *entry);
        // Queue results are not used: an entry whose queues cannot be read still loads.
        if (entry->streamPrinting)
            (void)LoadStreamQueuesFrom(*entry, path);
        else
            entry->defaultStreamQueue = 1;
        if (entry->lprPrinting)
            (void)LoadLprQueuesFrom(*entry, path);
        return true;
    });
    return loaded ? ProfileOk : ProfileFailed;
}
