#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs the program with no display, no terminal and no NORVANE_UI, plus the given variables and
# arguments, and checks how it ends: its exit status, and what it printed matching a pattern. A
# failing start says so in exactly one line.
#
#   expect_program.sh <status> <extended regular expression> <program> [VAR=value...] [-- <argument>...]
set -uo pipefail
expected_status=$1 pattern=$2 program=$3
shift 3
variables=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    variables+=("$1")
    shift
done
[ $# -gt 0 ] && shift

output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u NORVANE_UI "${variables[@]}" \
    timeout 10 "$program" "$@" </dev/null 2>&1)
status=$?
fail() { echo "expect_program: $*; it printed:"; printf '%s\n' "$output"; exit 1; }
[ "$status" -eq "$expected_status" ] || fail "ended with status $status, not $expected_status"
grep -qE -- "$pattern" <<<"$output" || fail "nothing matches /$pattern/"
if [ "$expected_status" -ne 0 ] && [ "$(printf '%s\n' "$output" | wc -l)" -ne 1 ]; then
    fail "more than one line"
fi
exit 0
