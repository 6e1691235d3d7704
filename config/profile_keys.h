// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Section names, key names and the bounded text builder shared by the loader and the saver of the
// server list, so both always build the same key for the same server.
#include "config/server_records.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

inline constexpr const char* kServerListSection = "ServerList";
inline constexpr const char* kStreamQueuesSection = "StreamQueues";
inline constexpr const char* kLprQueuesSection = "LPRQueues";
inline constexpr const char* kPrintingSection = "Printing";
inline constexpr const char* kServersSection = "Servers";

// Keys: "NumServers", "Server<n>", and "<name><suffix>" or "<name>Queue<k>" for each server.
inline constexpr const char* kNumServersKey = "NumServers";
inline constexpr const char* kServerKeyStem = "Server";
inline constexpr const char* kQueueKeySuffix = "Queue";
inline constexpr const char* kDefaultQueueKeySuffix = "StreamDefaultQueue";
inline constexpr const char* kNumQueuesKeySuffix = "NumQueues";
inline constexpr const char* kStreamEnabledKeySuffix = "_StreamEnabled";
inline constexpr const char* kLprEnabledKeySuffix = "_LPREnabled";

// Builds a key or a value line in a text-field buffer, always terminated. A text is taken up to
// its 259th character at most, so a field that lost its terminator is never read past its end;
// numbers are written in decimal. Fits() is false once the whole no longer fits in 259
// characters: the buffer then holds a cut text that names something else and must not be used.
// Inline: a save builds some twenty texts for every server.
class FieldText {
public:
    explicit FieldText(char (&buffer)[kTextFieldSize]) : m_buffer(buffer) { buffer[0] = '\0'; }
    FieldText& Add(std::string_view text)
    {
        const std::size_t room = kTextFieldSize - 1 - m_length;
        if (text.size() > room) {
            text = text.substr(0, room);
            m_fits = false;
        }
        std::memcpy(m_buffer + m_length, text.data(), text.size());
        m_length += text.size();
        m_buffer[m_length] = '\0';
        return *this;
    }
    FieldText& AddField(const char (&field)[kTextFieldSize])
    {
        return Add(std::string_view(field, strnlen(field, kTextFieldSize - 1)));
    }
    FieldText& Add(int64_t number)
    {
        char digits[24];
        const auto length = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, number).ptr - digits);
        // Never more than the buffer, as the compiler cannot tell by itself.
        return Add(std::string_view(digits, length < sizeof digits ? length : sizeof digits));
    }
    [[nodiscard]] bool Fits() const { return m_fits; }

private:
    char* m_buffer;
    std::size_t m_length = 0;
    bool m_fits = true;
};

// "<name><suffix>" (a server's name field); false when it does not fit.
[[nodiscard]] bool NameKey(char (&key)[kTextFieldSize], const char (&name)[kTextFieldSize], const char* suffix);
// "<stem><n>" ("Server3", or "alphaQueue2" from the stem "alphaQueue"); false when it does not fit.
[[nodiscard]] bool NumberedKey(char (&key)[kTextFieldSize], const char* stem, int32_t n);
