// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The JSON form of the configuration: what `show --json` prints and what `apply` takes.
//
//   {"version": "<digest>",                       printed by show, ignored by apply
//    "servers": [{"name": "alpha", "nfsDriveMounts": true, "nfsPrinterMounts": false,
//                 "streamPrinting": true, "lprPrinting": false, "defaultStreamQueue": true,
//                 "streamQueues": [{"port": 515, "telnetNegotiation": false}],
//                 "lprQueues": [{"queueName": "lp", "filter": "f", "userName": "guest",
//                                "personalName": "Lab"}]}],
//    "options": {"defaultUserName": "guest", "networkWarnings": true, "restoreConnections": true,
//                "fileProtection": {"useParent": true, "mask": "0750"}}}
//
// In a document every part may be left out: without "servers" the server list stays as it is, and
// an option left out keeps its value. A server's flags default to false (defaultStreamQueue to
// true, as for a server the window adds), its queue lists to empty. "fileProtection" may also be
// "parent" or an octal mask such as "0644", as on the command line. Texts are UTF-8, stored as they
// are; a text of the file that is not UTF-8 is shown with U+FFFD (file_text.h).
#include "cli/configuration.h"
#include "cli/exit_status.h"
#include "cli/option_writes.h"

#include <optional>
#include <string>
#include <string_view>

struct Document {
    std::optional<OwnedServerList> servers;   // the complete list, in order
    OptionsRequest options;
};

[[nodiscard]] std::string ConfigurationJson(const Configuration& configuration, const std::string& version);

// Reads a document; `origin` names it in messages. A value no record could hold (a text longer than
// its field, a NUL) is refused here by the field rule it breaks; the other rules are the caller's,
// as they depend on what the file holds.
[[nodiscard]] std::optional<Failure> ParseDocument(std::string_view text, std::string_view origin, Document& document);

// Each text of `document` that is what `show --json` shows of a text of `now` that is not UTF-8
// takes that text's bytes again: a document given back unchanged leaves them as the file has them,
// and only a text the user edited is written as typed.
void KeepUnshownBytes(Document& document, const Configuration& now);
