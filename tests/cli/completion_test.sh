#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The bash completion offers every command, every option each command's --help lists, and the
# server names of the configuration.
#
#   completion_test.sh <norvanectl> <completion script>
set -euo pipefail
norvanectl=$(realpath "$1")
# shellcheck source=/dev/null
source "$2"
fail() { echo "completion_test: $*" >&2; exit 1; }
export NORVANE_SYSTEM_DIR
NORVANE_SYSTEM_DIR=$(mktemp -d)
trap 'rm -rf "$NORVANE_SYSTEM_DIR"' EXIT

# What completing the last word of the line offers, one a line.
complete_line() {
    COMP_WORDS=("$norvanectl" "$@")
    COMP_CWORD=$#
    _norvanectl
    printf '%s\n' "${COMPREPLY[@]}"
}
offers() {
    local word=$1 offered
    shift
    offered=$(complete_line "$@")
    grep -qxF -- "$word" <<<"$offered" || fail "'$*' does not offer $word"
}

for command in show apply check server stream-queue lpr-queue option; do
    offers "$command" ""
done
# Every command of the program's help, and every option of its own help.
"$norvanectl" --help | sed -n 's/^  \([a-z][a-z-]*\)\( [a-z][a-z]*\)\? .*/\1\2/p' | while read -r group sub; do
    [ -n "$sub" ] && offers "$sub" "$group" ""
    words=("$group")
    [ -n "$sub" ] && words+=("$sub")
    "$norvanectl" "${words[@]}" --help | sed -n 's/^  \(--[a-z-]*\).*/\1/p' | while read -r option; do
        offers "$option" "${words[@]}" "--"
    done
done

"$norvanectl" server add fileserver --lpr >/dev/null
"$norvanectl" server add printserver --stream >/dev/null
offers printserver server change ""
offers fileserver lpr-queue add f
offers text lpr-queue add fileserver lp --filter ""
offers off option set warnings ""
echo "completion_test: every command, option and server is offered"
