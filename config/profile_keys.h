#pragma once
// Section names, key formats and the bounded formatter shared by the loader and the saver of the
// server list, so both always build the same key for the same server.
#include "config/server_records.h"

inline constexpr const char* kServerListSection = "ServerList";
inline constexpr const char* kStreamQueuesSection = "StreamQueues";
inline constexpr const char* kLprQueuesSection = "LPRQueues";
inline constexpr const char* kPrintingSection = "Printing";
inline constexpr const char* kServersSection = "Servers";

// Texts are printed with "%.259s", so a field that lost its terminator is never read past its end.
inline constexpr const char* kNumServersKey = "NumServers";
inline constexpr const char* kServerKeyFormat = "Server%d";
inline constexpr const char* kServerLineFormat = "%.259s,%d,%d,%d,%d";
inline constexpr const char* kDefaultQueueKeyFormat = "%.259sStreamDefaultQueue";
inline constexpr const char* kQueueKeyFormat = "%.259sQueue%d";
inline constexpr const char* kNumQueuesKeyFormat = "%.259sNumQueues";
inline constexpr const char* kStreamLineFormat = "%lu,%d";
inline constexpr const char* kLprLineFormat = "%.259s,%.259s,%.259s,%.259s";
inline constexpr const char* kStreamEnabledKeyFormat = "%.259s_StreamEnabled";
inline constexpr const char* kLprEnabledKeyFormat = "%.259s_LPREnabled";

// snprintf into a text-field-sized buffer. False when the result does not fit in 259 characters:
// the buffer then holds a cut text that names something else and must not be used.
[[nodiscard]] [[gnu::format(printf, 2, 3)]] bool FormatText(char (&buffer)[kTextFieldSize], const char* format, ...);
