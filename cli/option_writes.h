// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a command asks of the global options, and how it writes them: like the Global Options
// dialog, each option it changes and each one the file lacks, in the dialog's order, so that the
// file then holds every option. Texts are as kqnet.ini holds them (bytes).
#include "cli/configuration.h"
#include "cli/exit_status.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

// The file protection mask in two parts; a part not given keeps what the file holds.
struct ProtectionRequest {
    std::optional<bool> useParent;
    std::optional<int32_t> mask;   // the nine permission bits
};

struct OptionsRequest {
    std::optional<std::string> userName;
    std::optional<bool> warnings;
    std::optional<bool> restore;
    std::optional<ProtectionRequest> protection;

    [[nodiscard]] bool Any() const { return userName || warnings || restore || protection; }
};

// The nine permission bits as four octal digits ("0750"), and back from one to four octal digits
// up to 0777 (nullopt otherwise).
[[nodiscard]] std::string OctalMask(int32_t mask);
[[nodiscard]] std::optional<int32_t> ParseOctalMask(std::string_view text);
// "parent" (the parent directory's mask, the specified one kept) or an octal mask; nullopt otherwise.
[[nodiscard]] std::optional<ProtectionRequest> ParseProtection(std::string_view text);

// Refuses a user name that differs from the stored one and breaks the dialog's rules.
[[nodiscard]] std::optional<Failure> CheckUserName(const OptionsRequest& request, const Configuration& now);

// With `request` asking anything: writes what it changes against `now` (the file as it is) and what
// the file lacks. The writes join the caller's batch. A refused write gives a FileFailure.
[[nodiscard]] std::optional<Failure> WriteOptions(const OptionsRequest& request, const Configuration& now);

// Whether warnings are on once the request is written over `now`.
[[nodiscard]] bool WarningsOn(const OptionsRequest& request, const Configuration& now);

// Tells the network component whether warnings are off, as the Global Options dialog does at
// every OK. When its library was refused, the options stay saved and `err` gets a warning that
// names the library and the reason.
void NotifyNetworkComponent(bool warningsOn, std::ostream& err);
