#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them: loading and saving the server list against its
# floors (inih parsing the same file; one atomic write of the same bytes), norvanectl's show --json
# and apply against the store's own load and save, and opening the main window on the Qt host
# against a bare list widget of the same names; then prints the ratios.
# Extra arguments go to norvane_bench (e.g. --benchmark_repetitions=3). Installs what it needs.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
# shellcheck disable=SC2086
norvane_install $norvane_packages_build $norvane_packages_test

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DNORVANE_GUI=ON -DNORVANE_BENCH=ON
cmake --build build-bench --target norvane_bench norvane_window_bench
csv=$(mktemp)
window_csv=$(mktemp)
trap 'rm -f "$csv" "$window_csv"' EXIT
build-bench/bin/norvane_bench --benchmark_out="$csv" --benchmark_out_format=csv "$@"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} build-bench/bin/norvane_window_bench \
    --benchmark_out="$window_csv" --benchmark_out_format=csv 2>/dev/null

# Rows look like "BM_LoadServerList/100/real_time",iterations,real_time,cpu_time,ms,...
awk -F, '
    /^"BM_/ {
        gsub(/"/, "", $1); split($1, part, "/")
        if (!(part[2] in seen)) { seen[part[2]] = 1; sizes[++count] = part[2] }
        t[part[1], part[2]] = $3
    }
    function ratio(a, b) { return b > 0 ? sprintf("%.2f", a / b) : "n/a" }
    END {
        print ""
        printf "%-8s %-22s %-22s\n", "servers", "load / inih parse", "save / atomic write"
        for (i = 1; i <= count; ++i) {
            n = sizes[i]
            printf "%-8s %-22s %-22s\n", n, ratio(t["BM_LoadServerList", n], t["BM_InihParse", n]),
                   ratio(t["BM_SaveServerList", n], t["BM_AtomicWrite", n])
        }
        print ""
        printf "%-8s %-30s %-30s\n", "servers", "norvanectl show --json / load", "norvanectl apply / load + save"
        for (i = 1; i <= count; ++i) {
            n = sizes[i]
            if ((("BM_NorvanectlShowJson", n) in t))
                printf "%-8s %-30s %-30s\n", n, ratio(t["BM_NorvanectlShowJson", n], t["BM_LoadServerList", n]),
                       ratio(t["BM_NorvanectlApplyOneServer", n], t["BM_LoadAndSaveServerList", n])
        }
        print ""
        printf "%-16s %-10s %-10s\n", "ten times more", "load", "save"
        for (i = 2; i <= count; ++i) {
            a = sizes[i - 1]; b = sizes[i]
            printf "%-16s %-10s %-10s\n", a " -> " b, ratio(t["BM_LoadServerList", b], t["BM_LoadServerList", a]),
                   ratio(t["BM_SaveServerList", b], t["BM_SaveServerList", a])
        }
    }' "$csv"

awk -F, '
    /^"BM_/ { gsub(/"/, "", $1); split($1, part, "/"); t[part[1], part[2]] = $3; sizes[part[2]] = 1 }
    END {
        print ""
        printf "%-8s %-28s\n", "servers", "window / bare list widget"
        for (n in sizes)
            printf "%-8s %-28s\n", n, t["BM_BareListWidget", n] > 0 ? sprintf("%.1f", t["BM_OpenServerListWindow", n] / t["BM_BareListWidget", n]) : "n/a"
    }' "$window_csv"
