// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The server list in kqnet.ini: where the file is, how its comma-separated values split, and how a
// ServerList is loaded from it and saved to it.
//
// Layout (<name> is the server name as stored, <n> and <k> count from 1):
//   [ServerList]   Server<n>=name,drive,printer,stream,lpr     NumServers=<count>
//   [StreamQueues] <name>StreamDefaultQueue=<flag>  <name>Queue<k>=port,telnet  <name>NumQueues=<count>
//   [LPRQueues]    <name>Queue<k>=queue,filter,user,personal   <name>NumQueues=<count>
//   [Printing]     <name>_StreamEnabled=<flag>  <name>_LPREnabled=<flag>
//   [Servers]      KnownServers=a,b  KnownPrintServers=a,c
// The last two sections are written for the network component and never read back here. Nothing is
// ever deleted from the file: the loader reaches only what the counts and flags lead it to.
//
// Every key and value line is at most 259 characters. A save that would need a longer one is refused
// as a whole rather than writing a cut key that could land on another server's data; the loader treats
// such a key as absent.
#include "config/save_failure.h"
#include "config/server_records.h"

#include <cstddef>
#include <cstdint>

inline constexpr std::size_t kProfilePathSize = 260;

// The system directory, a "/" unless it already ends in one, and "kqnet.ini". False when there is
// no system directory or the path does not fit; `path` then holds an empty string.
[[nodiscard]] bool GetProfilePath(char (&path)[kProfilePathSize]);

// Splits `text` in place at every comma (each comma becomes a NUL) and stores the start of each
// field in `fields`, at most `maximum` of them. Returns the number of fields when it is at most
// `maximum`, 0 when there are more (every comma is still overwritten), and -1 when `text` or
// `fields` is null or `maximum` is below 1. Empty text is one empty field.
[[nodiscard]] int32_t SplitFields(char* text, char** fields, int32_t maximum);

// Appends the servers of the file, in file order, with their queues, to `list` (normally empty).
// Reads one consistent version of the file. Numbered keys are read up to their count, skipping absent
// ones; only the numbers present in the file are visited, so the time follows the file's size
// whatever counts a damaged file claims.
// ProfileFailed when there is no profile path or memory runs out; a missing file loads as nothing.
[[nodiscard]] ProfileResult LoadServerList(ServerList& list);

// Fill one entry's defaultStreamQueue and stream queues, or its LPR queues, from the file.
// ProfileFailed for a null entry or no profile path.
[[nodiscard]] ProfileResult LoadStreamQueues(ServerEntry* entry);
[[nodiscard]] ProfileResult LoadLprQueues(ServerEntry* entry);

// Writes the list from `first` (may be null), its queues, the count and the summary keys in one
// replacement of the file. ProfileFailed when there is no profile path, a key or line would not fit,
// a write is refused or the file cannot be replaced; the file is then exactly as it was, and `why`
// (when given) tells which of these it was.
[[nodiscard]] ProfileResult SaveServerList(const ServerEntry* first, SaveFailure* why = nullptr);

// Writes the per-server "Printing" keys and the two "Servers" lists for the list from `first`.
// Each list keeps, in list order, the names that fit within 1023 characters (each name counted with
// one comma); a name that would overflow it is left out. Results of the writes are not reported.
void WriteServerSummary(const ServerEntry* first);
