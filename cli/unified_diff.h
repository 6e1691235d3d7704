// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What `apply --diff` prints: the change from one version of kqnet.ini to another.
#include <string>
#include <string_view>

// The unified diff (the form of "diff -u", three lines of context) that turns `before` into
// `after`, both sides labelled `label`; empty when they are equal. Lines end at LF, CRLF or CR, as
// the profile functions read them; bytes that start no character show as U+FFFD.
[[nodiscard]] std::string UnifiedDiff(std::string_view before, std::string_view after, std::string_view label);
