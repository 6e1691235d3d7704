// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/profile_keys.h"
#include "config/server_file.h"

#include "platform/last_error.h"
#include "platform/profile.h"
#include "platform/profile_scope.h"
#include "platform/profile_text.h"

#include <cstring>
#include <string>
#include <string_view>

namespace {

// Names in a summary list, each counted with its comma, stay within this many characters: the
// network component reads the list into a buffer of one more byte.
constexpr std::size_t kSummaryCapacity = 1023;

// Readers trim a value and strip one pair of matching quotes from it. A value that starts or ends
// with a blank, or starts and ends with the same quote (the four single-space fields the loader gives
// a damaged LPR line, or fields of a hand-edited file), goes inside one more pair of quotes, so that
// it reads back as it was written.
bool WriteText(const char* section, const char* key, const char* value, const char* path)
{
    const std::string_view text(value);
    const bool quoteNeeded = !text.empty()
        && (IsProfileBlank(text.front()) || IsProfileBlank(text.back())
            || (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()));
    if (!quoteNeeded)
        return WritePrivateProfileStringA(section, key, value, path) != 0;
    const std::string quoted = '"' + std::string(text) + '"';
    return WritePrivateProfileStringA(section, key, quoted.c_str(), path) != 0;
}

bool WriteNumber(const char* section, const char* key, int32_t number, const char* path)
{
    char value[kTextFieldSize];
    return FieldText(value).Add(number).Fits() && WriteText(section, key, value, path);
}

// "name,drive,printer,stream,lpr"
bool WriteServerLine(const ServerEntry& entry, int32_t n, const char* path)
{
    char key[kTextFieldSize];
    char line[kTextFieldSize];
    return NumberedKey(key, kServerKeyStem, n)
        && FieldText(line).AddField(entry.name).Add(",").Add(entry.nfsDriveMounts).Add(",").Add(entry.nfsPrinterMounts)
               .Add(",").Add(entry.streamPrinting).Add(",").Add(entry.lprPrinting).Fits()
        && WriteText(kServerListSection, key, line, path);
}

// "port,telnet"
bool FormatStreamLine(char (&line)[kTextFieldSize], const StreamQueue& queue)
{
    return FieldText(line).Add(queue.port).Add(",").Add(queue.telnetNegotiation).Fits();
}

// "queue,filter,user,personal"
bool FormatLprLine(char (&line)[kTextFieldSize], const LprQueue& queue)
{
    return FieldText(line).AddField(queue.queueName).Add(",").AddField(queue.filter).Add(",")
        .AddField(queue.userName).Add(",").AddField(queue.personalName).Fits();
}

// <name>Queue1.. in list order, then <name>NumQueues with the number written.
template <typename Record, typename Format>
bool WriteQueues(const char* section, const char (&name)[kTextFieldSize], const Record* first, const char* path,
                 Format format)
{
    char stem[kTextFieldSize];
    char key[kTextFieldSize];
    char line[kTextFieldSize];
    const bool stemFits = NameKey(stem, name, kQueueKeySuffix);
    int32_t k = 0;
    for (const Record* queue = first; queue; queue = queue->next) {
        ++k;
        if (!stemFits || !NumberedKey(key, stem, k) || !format(line, *queue)
            || !WriteText(section, key, line, path))
            return false;
    }
    return NameKey(key, name, kNumQueuesKeySuffix) && WriteNumber(section, key, k, path);
}

bool WriteServer(const ServerEntry& entry, int32_t n, const char* path)
{
    if (!WriteServerLine(entry, n, path))
        return false;
    if (entry.streamPrinting) {
        char key[kTextFieldSize];
        if (!NameKey(key, entry.name, kDefaultQueueKeySuffix)
            || !WriteNumber(kStreamQueuesSection, key, entry.defaultStreamQueue, path)
            || !WriteQueues(kStreamQueuesSection, entry.name, entry.streamQueues, path, FormatStreamLine))
            return false;
    }
    return !entry.lprPrinting || WriteQueues(kLprQueuesSection, entry.name, entry.lprQueues, path, FormatLprLine);
}

// Builds "a,b,c" within kSummaryCapacity; a name that would overflow is left out and later, shorter
// names still get their place, so the component learns of as many servers as fit.
class NameList {
public:
    void Add(const char (&name)[kTextFieldSize])
    {
        const std::size_t length = strnlen(name, kTextFieldSize - 1);
        if (m_length + length + 1 > kSummaryCapacity)
            return;
        std::memcpy(m_text + m_length, name, length);
        m_length += length;
        m_text[m_length++] = ',';
        m_text[m_length] = '\0';
    }

    const char* Text()
    {
        if (m_length > 0 && m_text[m_length - 1] == ',')
            m_text[--m_length] = '\0';
        return m_text;
    }

private:
    char m_text[kSummaryCapacity + 1] = {};
    std::size_t m_length = 0;
};

// False when a key could not be formed or a write was refused; every other key is still written.
bool WriteSummaryKeys(const ServerEntry* first, const char* path)
{
    bool complete = true;
    NameList known;
    NameList knownPrint;
    for (const ServerEntry* entry = first; entry; entry = entry->next) {
        if (entry->nfsDriveMounts)
            known.Add(entry->name);
        if (entry->nfsPrinterMounts || entry->streamPrinting || entry->lprPrinting)
            knownPrint.Add(entry->name);
        char key[kTextFieldSize];
        complete = NameKey(key, entry->name, kStreamEnabledKeySuffix)
                && WriteNumber(kPrintingSection, key, entry->streamPrinting, path) && complete;
        complete = NameKey(key, entry->name, kLprEnabledKeySuffix)
                && WriteNumber(kPrintingSection, key, entry->lprPrinting, path) && complete;
    }
    complete = WriteText(kServersSection, "KnownServers", known.Text(), path) && complete;
    complete = WriteText(kServersSection, "KnownPrintServers", knownPrint.Text(), path) && complete;
    return complete;
}

} // namespace

void WriteServerSummary(const ServerEntry* first)
{
    char path[kProfilePathSize];
    if (GetProfilePath(path))
        (void)WriteSummaryKeys(first, path);
}

ProfileResult SaveServerList(const ServerEntry* first, SaveFailure* why)
{
    // Any refusal from here on is this save's: a failure without one is a text too long.
    SetLastError(0);
    char path[kProfilePathSize];
    if (!GetProfilePath(path))
        return SaveRefused(why, nullptr, SaveProblem::NoSystemDirectory);
    // One replacement of the file for the whole list: a save that stops part-way must not leave
    // new server lines next to an old count and old summaries.
    ProfileBatch batch(path);
    int32_t n = 0;
    for (const ServerEntry* entry = first; entry; entry = entry->next) {
        if (!WriteServer(*entry, ++n, path))
            return SaveRefused(why, path, SaveProblem::TextTooLong);
    }
    if (!WriteNumber(kServerListSection, kNumServersKey, n, path) || !WriteSummaryKeys(first, path)
        || !batch.Commit())
        return SaveRefused(why, path, SaveProblem::TextTooLong);
    return SaveSucceeded(why);
}
