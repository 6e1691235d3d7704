// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/configuration.h"

#include "config/server_file.h"
#include "platform/profile_scope.h"

#include <openssl/evp.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr GlobalOption kOptions[] = {GlobalOption::UserName, GlobalOption::Restore, GlobalOption::Warnings,
                                     GlobalOption::FileProtection};

// What the digest covers, each field ended so that no two configurations give the same text.
class CanonicalText {
public:
    void Field(std::string_view text)
    {
        m_text += text;
        m_text += '\0';
    }
    void Field(const char (&text)[kTextFieldSize]) { Field(std::string_view(text, strnlen(text, kTextFieldSize))); }
    void Number(int64_t number) { Field(std::to_string(number)); }
    const std::string& text() const { return m_text; }

private:
    std::string m_text;
};

} // namespace

bool ReadConfiguration(Configuration& configuration)
{
    char path[kProfilePathSize];
    if (!GetProfilePath(path))
        return false;
    ProfileReadScope snapshot(path);
    ServerList list = nullptr;
    const ProfileResult loaded = LoadServerList(list);
    configuration.servers.reset(list);
    if (loaded != ProfileOk)
        return false;
    for (const GlobalOption option : kOptions)
        configuration.stored[static_cast<size_t>(option)] = ReadStoredOption(option);
    return ReadNetworkWarnings(configuration.warnings) == ProfileOk
        && ReadRestoreConnections(configuration.restore) == ProfileOk
        && ReadFileProtection(configuration.protection) == ProfileOk;
}

std::string ConfigurationVersion(const Configuration& configuration)
{
    CanonicalText canonical;
    for (const ServerEntry* entry = configuration.servers.get(); entry; entry = entry->next) {
        canonical.Field(entry->name);
        for (const int32_t flag : {entry->nfsDriveMounts, entry->nfsPrinterMounts, entry->streamPrinting,
                                   entry->lprPrinting, entry->defaultStreamQueue})
            canonical.Number(flag);
        for (const StreamQueue* queue = entry->streamQueues; queue; queue = queue->next) {
            canonical.Field("stream");
            canonical.Number(queue->port);
            canonical.Number(queue->telnetNegotiation);
        }
        for (const LprQueue* queue = entry->lprQueues; queue; queue = queue->next) {
            canonical.Field("lpr");
            for (const auto* text : {&queue->queueName, &queue->filter, &queue->userName, &queue->personalName})
                canonical.Field(*text);
        }
        canonical.Field("end");
    }
    for (const auto& stored : configuration.stored) {
        canonical.Field(stored ? "present" : "absent");
        canonical.Field(stored.value_or(""));
    }

    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    const std::string& text = canonical.text();
    if (EVP_Digest(text.data(), text.size(), digest, &length, EVP_sha256(), nullptr) != 1)
        return {};
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", digest[i]);
        hex += pair;
    }
    return hex;
}
