#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds Norvane and runs every test. With --sanitize, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer in a build folder of its own. Installs what it needs (root or sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
# shellcheck disable=SC2086
norvane_install $norvane_packages_build $norvane_packages_test $norvane_packages_metadata

build=build
# The benchmarks are built too, so that they keep building; they run in scripts/bench.sh.
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DNORVANE_BENCH=ON)
if [ "${1:-}" = "--sanitize" ]; then
    build=build-sanitize
    flags=(-DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DNORVANE_SANITIZE=ON -DNORVANE_BENCH=OFF)
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
    export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
fi
[ "${CI:-}" = "true" ] && flags+=(-DNORVANE_WERROR=ON)

cmake -S . -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build" -j "$(nproc)"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
