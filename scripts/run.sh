#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds Norvane and starts it, without its tests and benchmarks. Installs what it needs (root or
# sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
# shellcheck disable=SC2086
norvane_install $norvane_packages_build

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DNORVANE_BENCH=OFF
cmake --build build -j "$(nproc)" --target norvane
exec build/bin/norvane "$@"
