#pragma once
// Section names, key formats and the bounded formatter shared by the loader and the saver of the
// server list, so both always build the same key for the same server.
#include "config/server_records.h"

inline constexpr const char* kServerListSection = "ServerList";
inline constexpr const char* kStreamQueuesSection = "StreamQueues";
inline constexpr const char* kLprQueuesSection = "LPRQueues";
inline constexpr const char* kPrintingSection = "Printing";
inline constexpr const char* kServersSection = "Servers";

inline constexpr const char* kNumServersKey = "NumServers";
inline constexpr const char* kServerKeyFormat = "Server%d";
inline constexpr const char* kServerLineFormat = "%s,%d,%d,%d,%d";
inline constexpr const char* kDefaultQueueKeyFormat = "%sStreamDefaultQueue";
inline constexpr const char* kQueueKeyFormat = "%sQueue%d";
inline constexpr const char* kNumQueuesKeyFormat = "%sNumQueues";
inline constexpr const char* kStreamLineFormat = "%lu,%d";
inline constexpr const char* kLprLineFormat = "%s,%s,%s,%s";
inline constexpr const char* kStreamEnabledKeyFormat = "%s_StreamEnabled";
inline constexpr const char* kLprEnabledKeyFormat = "%s_LPREnabled";

// snprintf into a text-field-sized buffer. False when the result does not fit in 259 characters:
// the buffer then holds a cut text that names something else and must not be used.
[[nodiscard]] [[gnu::format(printf, 2, 3)]] bool FormatText(char (&buffer)[kTextFieldSize], const char* format, ...);
