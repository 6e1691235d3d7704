#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Checks what desktops and package tools read about Norvane with their own validators: the desktop
# entry (not even a hint), the AppStream data (not even a remark beyond pedantry) and the manual
# pages (not a warning from man). A validator that is not installed is passed over, and said so.
#
#   check_metadata.sh <desktop entry> <metainfo file> <manual page>...
set -uo pipefail
entry=$1 metainfo=$2
shift 2
failed=0
fail() { echo "check_metadata: $*" >&2; failed=1; }
skip() { echo "check_metadata: $1 is not installed; $2 not checked"; }

if command -v desktop-file-validate >/dev/null; then
    if ! output=$(desktop-file-validate "$entry" 2>&1) || [ -n "$output" ]; then
        fail "desktop-file-validate: $output"
    fi
else
    skip desktop-file-validate "the desktop entry"
fi

if command -v appstreamcli >/dev/null; then
    output=$(appstreamcli validate --no-net --strict "$metainfo" 2>&1) || fail "appstreamcli: $output"
else
    skip appstreamcli "the AppStream data"
fi

if command -v man >/dev/null; then
    for page in "$@"; do
        if ! output=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) ||
            [ -n "$output" ]; then
            fail "man $page: $output"
        fi
    done
else
    skip man "the manual pages"
fi
exit $failed
