#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Renders each of the five dialogs on the Qt host under a virtual X server and saves them as
# docs/screenshots/<template id>-<name>.png, and again at twice the scale in
# docs/screenshots/scale-200/. Installs what it needs (root or sudo).
#
#   NORVANE_BUILD_DIR  build folder (default: build)
#   NORVANE_JOBS       parallel build jobs (default: all processors)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
# shellcheck disable=SC2086
norvane_install $norvane_packages_build $norvane_packages_test xvfb xauth

build=${NORVANE_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build "$build" --target norvane_screenshots -j "${NORVANE_JOBS:-$(nproc)}"

# A real X server renders the platform's fonts and style, unlike the offscreen platform.
shoot() {
    local scale=$1 directory=$2
    xvfb-run --auto-servernum --server-args="-screen 0 1600x1200x24" \
        env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" "$build/bin/norvane_screenshots" "$directory"
}
shoot 1 docs/screenshots
shoot 2 docs/screenshots/scale-200
