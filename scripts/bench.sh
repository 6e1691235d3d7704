#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the benchmarks in Release and runs them, then prints every figure against its floor:
# loading and saving the server list (inih parsing the same file; one atomic write of the same
# bytes), norvanectl's show --json and apply (the store's own load and save), opening the main
# window (a bare list widget of the same names), each action a user takes in the main window on the
# Qt host and on the terminal host (bare widgets given just the changed row; the terminal host's
# own redraw), how each figure grows with the list, and the program's peak memory at start.
# Installs what it needs.
#   scripts/bench.sh [--short] [benchmark arguments...]
# --short runs one repetition of the smallest size only, as CI does, so that the benchmarks keep
# building and running; its figures mean little. Other arguments go to every benchmark program
# (e.g. --benchmark_repetitions=3, whose medians are then used).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
# shellcheck disable=SC2086
norvane_install $norvane_packages_build $norvane_packages_test

short=false
if [ "${1:-}" = "--short" ]; then
    short=true
    shift
fi
servers=10000
run_args=("$@")
if $short; then
    servers=100
    run_args+=("--benchmark_filter=/(servers:)?100/" --benchmark_min_time=0.01 --benchmark_repetitions=1)
fi

# Warnings fail the build in CI's test build (scripts/test.sh), which compiles the benchmarks too;
# this one only measures.
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DNORVANE_GUI=ON -DNORVANE_BENCH=ON >/dev/null
cmake --build build-bench --target norvane norvane_bench norvane_window_bench norvane_terminal_bench

work=$(mktemp -d)
trap 'tmux -L norvane-bench kill-server 2>/dev/null || true; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
build-bench/bin/norvane_bench --benchmark_out="$work/store.csv" --benchmark_out_format=csv "${run_args[@]}"
build-bench/bin/norvane_window_bench --benchmark_out="$work/qt.csv" --benchmark_out_format=csv "${run_args[@]}" 2>/dev/null
build-bench/bin/norvane_terminal_bench --benchmark_out="$work/tui.csv" --benchmark_out_format=csv "${run_args[@]}"

# Peak resident memory (kB) of process $1 once its start is over: VmHWM, read until it has not
# grown for a second.
peak_rss() {
    local pid=$1 last=0 same=0 hwm
    for _ in $(seq 300); do
        sleep 0.1
        hwm=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status" 2>/dev/null) || break
        [ -n "$hwm" ] || break
        if [ "$hwm" = "$last" ]; then
            same=$((same + 1))
            [ "$same" -ge 10 ] && break
        else
            same=0
            last=$hwm
        fi
    done
    echo "$last"
}

# The program started on directory $1 with the Qt host, then with the terminal host in a terminal
# of 80 x 24 (tmux), and a bare Qt dialog: name and peak kB, one a line.
memory_of() {
    local dir=$1 pid
    NORVANE_SYSTEM_DIR=$dir build-bench/bin/norvane 2>/dev/null &
    pid=$!
    echo "qt $(peak_rss "$pid")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    tmux -L norvane-bench new-session -d -x 80 -y 24 \
        "exec env NORVANE_UI=tui NORVANE_SYSTEM_DIR=$dir $PWD/build-bench/bin/norvane"
    pid=$(tmux -L norvane-bench list-panes -F '#{pane_pid}')
    echo "tui $(peak_rss "$pid")"
    tmux -L norvane-bench kill-server
    sleep 0.5
}
mkdir "$work/full" "$work/empty"
build-bench/bin/norvane_bench --write-profile "$work/full" "$servers"
build-bench/bin/norvane_bench --write-profile "$work/empty" 0
{
    memory_of "$work/full" | sed 's/^/full_/'
    memory_of "$work/empty" | sed 's/^/empty_/'
    build-bench/bin/norvane_window_bench --bare-dialog 2>/dev/null &
    pid=$!
    echo "bare $(peak_rss "$pid")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "file $(($(stat -c %s "$work/full/kqnet.ini") / 1024))"
} >"$work/memory.txt"

# CSV rows look like "BM_LoadServerList/100/real_time",iterations,real_time,... (ms); with
# repetitions, the "..._median" row counts.
awk -F, -v servers="$servers" '
    FILENAME ~ /memory/ { memory[$1] = $2; next }
    /^"BM_/ {
        gsub(/"/, "", $1)
        # The merged save names its arguments: BM_SaveMergedServerList/servers:N/otherWriter:0/...
        if (sub(/\/servers:/, "/", $1) && sub(/\/otherWriter:0/, "", $1) == 0) next
        split($1, part, "/")
        aggregate = part[3]; sub(/^(real|manual)_time_?/, "", aggregate)
        if (aggregate != "" && aggregate != "median") next
        if (aggregate == "" && ((part[1], part[2]) in median)) next
        if (aggregate == "median") median[part[1], part[2]] = 1
        t[part[1], part[2]] = ($9 == "true") ? "" : $3
        if (!(part[2] in seen)) { seen[part[2]] = 1; sizes[++count] = part[2] }
    }
    function ms(x) { return x == "" ? "n/a" : sprintf("%.3f", x) }
    function ratio(a, b) { return (a == "" || b == "" || b <= 0) ? "n/a" : sprintf("%.2f", a / b) }
    function row(label, n, a, floor) {
        printf "%-22s %8s %10s %10s %8s\n", label, n, ms(t[a, n]), ms(t[floor, n]), ratio(t[a, n], t[floor, n])
    }
    function actions(title, prefix, names, labels, floors,    i, k, n) {
        print ""; print title
        printf "%-22s %8s %10s %10s %8s\n", "action", "servers", "ms", "floor ms", "ratio"
        for (i = 1; i in names; ++i)
            for (k = 1; k <= count; ++k) {
                n = sizes[k]
                if ((prefix names[i], n) in t) row(labels[i], n, prefix names[i], floors[i])
            }
    }
    END {
        print ""; print "Loading and saving the server list (targets: load <= 1.5 x inih, save <= 3 x the atomic write)"
        printf "%-8s %9s %9s %9s %9s %9s %11s %9s %12s\n", "servers", "load ms", "inih ms", "load/inih", "save ms",
               "atomic ms", "save/atomic", "merged ms", "merged/atomic"
        for (k = 1; k <= count; ++k) {
            n = sizes[k]
            if (!(("BM_LoadServerList", n) in t)) continue
            printf "%-8s %9s %9s %9s %9s %9s %11s %9s %12s\n", n, ms(t["BM_LoadServerList", n]), ms(t["BM_InihParse", n]),
                   ratio(t["BM_LoadServerList", n], t["BM_InihParse", n]), ms(t["BM_SaveServerList", n]),
                   ms(t["BM_AtomicWrite", n]), ratio(t["BM_SaveServerList", n], t["BM_AtomicWrite", n]),
                   ms(t["BM_SaveMergedServerList", n]), ratio(t["BM_SaveMergedServerList", n], t["BM_AtomicWrite", n])
        }

        print ""; print "norvanectl against the store (show --json / load; apply of one server / load and save)"
        printf "%-8s %12s %12s\n", "servers", "show / load", "apply / both"
        for (k = 1; k <= count; ++k) {
            n = sizes[k]
            if (("BM_NorvanectlShowJson", n) in t)
                printf "%-8s %12s %12s\n", n, ratio(t["BM_NorvanectlShowJson", n], t["BM_LoadServerList", n]),
                       ratio(t["BM_NorvanectlApplyOneServer", n], t["BM_LoadAndSaveServerList", n])
        }

        print ""; print "Opening the main window on the Qt host (target: <= 1.5 x the bare list widget)"
        printf "%-8s %10s %10s %10s %12s %14s\n", "servers", "window ms", "bare ms", "window/bare", "uniform ms", "window/uniform"
        for (k = 1; k <= count; ++k) {
            n = sizes[k]
            if (!(("BM_OpenServerListWindow", n) in t)) continue
            printf "%-8s %10s %10s %10s %12s %14s\n", n, ms(t["BM_OpenServerListWindow", n]), ms(t["BM_BareListWidget", n]),
                   ratio(t["BM_OpenServerListWindow", n], t["BM_BareListWidget", n]), ms(t["BM_BareUniformListWidget", n]),
                   ratio(t["BM_OpenServerListWindow", n], t["BM_BareUniformListWidget", n])
        }

        split("AddThenOk ModifyThenOk ModifyThenCancel DeleteYes DeleteNo SelectRow OpenServerDialog MainOk", names, " ")
        split("Add, then OK|Modify, then OK|Modify, then Cancel|Delete, Yes|Delete, No|Selecting a row|Opening the dialog|OK (save)", labels, "|")
        split("BM_QtFloorAddRow BM_QtFloorCloseDialog BM_QtFloorCloseDialog BM_QtFloorRemoveRow BM_QtFloorCloseMessageBox BM_QtFloorSelectRow BM_QtFloorOpenDialog BM_AtomicWrite", qtFloors, " ")
        actions("Actions on the Qt host (targets: <= 100 ms and <= 2 x the floor: bare widgets given the changed row)", "BM_Qt", names, labels, qtFloors)
        split("BM_TuiRedraw BM_TuiRedraw BM_TuiRedraw BM_TuiRedraw BM_TuiRedraw BM_TuiRedraw BM_TuiRedraw BM_AtomicWrite", tuiFloors, " ")
        actions("Actions on the terminal host (targets: <= 100 ms and <= 2 x the floor: the host redrawing the screen)", "BM_Tui", names, labels, tuiFloors)

        print ""; print "Growth: the time for ten times the servers (n log n allows 15 from 100, 13.3 from 1,000)"
        printf "%-30s %12s %14s\n", "figure", "100 -> 1000", "1000 -> 10000"
        split("BM_LoadServerList BM_SaveServerList BM_SaveMergedServerList BM_OpenServerListWindow", whole, " ")
        for (i = 1; i <= 8; ++i) { whole[4 + i] = "BM_Qt" names[i]; whole[12 + i] = "BM_Tui" names[i] }
        for (i = 1; i in whole; ++i) {
            b = whole[i]
            if (!((b, 100) in t) && !((b, 1000) in t)) continue
            printf "%-30s %12s %14s\n", b, ratio(t[b, 1000], t[b, 100]), ratio(t[b, 10000], t[b, 1000])
        }

        print ""; printf "Peak memory at start with %s servers (kB; target: Norvane'"'"'s part < 10 x the file)\n", servers
        printf "%-14s %10s %14s %12s %10s\n", "host", "peak", "baseline", "difference", "x file"
        printf "%-14s %10s %14s %12s %10s\n", "Qt", memory["full_qt"], memory["bare"] " (dialog)", memory["full_qt"] - memory["bare"],
               ratio(memory["full_qt"] - memory["bare"], memory["file"])
        printf "%-14s %10s %14s %12s %10s\n", "Qt", memory["full_qt"], memory["empty_qt"] " (empty)", memory["full_qt"] - memory["empty_qt"],
               ratio(memory["full_qt"] - memory["empty_qt"], memory["file"])
        printf "%-14s %10s %14s %12s %10s\n", "terminal", memory["full_tui"], memory["empty_tui"] " (empty)", memory["full_tui"] - memory["empty_tui"],
               ratio(memory["full_tui"] - memory["empty_tui"], memory["file"])
        printf "(kqnet.ini: %s kB; a bare Qt dialog: %s kB)\n", memory["file"], memory["bare"]
    }' "$work/store.csv" "$work/qt.csv" "$work/tui.csv" FS=' ' "$work/memory.txt"
