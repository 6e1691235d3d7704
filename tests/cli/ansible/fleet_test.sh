#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# A real ansible-playbook with the norvane module on 20 local hosts, each with its own system
# directory: the first run changes every host and writes the file the dialogs write; the second
# changes none and no byte; a check-mode run of a changed declaration reports every host changed,
# with its diff, and writes nothing; a server name with a comma fails with the dialogs' message.
#
#   fleet_test.sh <norvanectl> <contrib/ansible folder> <golden kqnet.ini>
set -euo pipefail
norvanectl=$(realpath "$1")
library=$(realpath "$2")/library
golden=$3
here=$(dirname "$(realpath "$0")")
fail() { echo "fleet_test: $*" >&2; exit 1; }
command -v ansible-playbook >/dev/null || fail "ansible-playbook is not installed (scripts/deps.sh installs ansible-core)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
hosts=20
{
    echo "[fleet]"
    for n in $(seq -w 1 $hosts); do
        mkdir "$work/host$n"
        echo "host$n norvane_dir=$work/host$n"
    done
    echo "[fleet:vars]"
    echo "ansible_connection=local"
    echo "ansible_python_interpreter=$(command -v python3)"
} >"$work/inventory"

# No configuration of the machine's own counts: what the test needs is set here.
printf '[defaults]\n' >"$work/ansible.cfg"
export ANSIBLE_CONFIG=$work/ansible.cfg ANSIBLE_LIBRARY=$library ANSIBLE_FORKS=$hosts ANSIBLE_PIPELINING=True \
    ANSIBLE_NOCOLOR=1 ANSIBLE_RETRY_FILES_ENABLED=False ANSIBLE_LOCAL_TEMP=$work/.ansible \
    ANSIBLE_HOME=$work/.ansible ANSIBLE_DEPRECATION_WARNINGS=False

# Runs the playbook with extra arguments; leaves its output in $work/out and its status in $status.
play() {
    status=0
    ansible-playbook -i "$work/inventory" "$here/fleet.yml" -e norvanectl="$norvanectl" "$@" >"$work/out" 2>&1 ||
        status=$?
}
# The number of hosts the recap reports with `changed=<n>` and `failed=<m>`.
hosts_with() { grep -cE "^host[0-9]+ +: .*\b$1\b" "$work/out" || true; }
snapshot() { for n in $(seq -w 1 $hosts); do cat "$work/host$n/kqnet.ini"; done | md5sum; }

play
[ "$status" -eq 0 ] || fail "the first run failed: $(cat "$work/out")"
[ "$(hosts_with changed=1)" -eq $hosts ] || fail "the first run did not change every host: $(cat "$work/out")"
for n in $(seq -w 1 $hosts); do
    cmp -s "$golden" "$work/host$n/kqnet.ini" || fail "host$n holds another file than the dialogs write"
done
first=$(snapshot)

play
[ "$status" -eq 0 ] || fail "the second run failed: $(cat "$work/out")"
[ "$(hosts_with changed=0)" -eq $hosts ] || fail "the second run changed something: $(cat "$work/out")"
[ "$(snapshot)" = "$first" ] || fail "the second run changed a file"

# The changed declaration: printserver without its port 515 queue.
cat >"$work/changed.json" <<'JSON'
{"norvane_servers": [
  {"name": "fileserver", "drive_mounts": true, "lpr_printing": true,
   "lpr_queues": [{"queue_name": "lp", "filter": "f", "user_name": "admin", "personal_name": "Print Room"}]},
  {"name": "printserver", "printer_mounts": true, "stream_printing": true,
   "stream_queues": [{"port": 9100, "telnet_negotiation": true}]}]}
JSON
play --check --diff -e @"$work/changed.json"
[ "$status" -eq 0 ] || fail "the check-mode run failed: $(cat "$work/out")"
[ "$(hosts_with changed=1)" -eq $hosts ] || fail "the check-mode run did not report every host changed: $(cat "$work/out")"
[ "$(grep -c '^+printserverNumQueues=1' "$work/out")" -eq $hosts ] || fail "the diff is not shown: $(cat "$work/out")"
[ "$(snapshot)" = "$first" ] || fail "the check-mode run wrote a file"

echo '{"norvane_servers": [{"name": "file,server", "drive_mounts": true}]}' >"$work/comma.json"
play -e @"$work/comma.json"
[ "$status" -ne 0 ] || fail "a server name with a comma did not fail"
[ "$(hosts_with failed=1)" -eq $hosts ] || fail "a server name with a comma did not fail on every host: $(cat "$work/out")"
grep -q "The server name cannot contain a comma." "$work/out" || fail "the failure does not give the rule's message: $(cat "$work/out")"
[ "$(snapshot)" = "$first" ] || fail "the failed run wrote a file"
echo "fleet_test: $hosts hosts: written as the dialogs write, idempotent, checked without writing, refused by the rule"
