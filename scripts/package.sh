#!/usr/bin/env bash
# Builds the Debian package of Norvane (norvane_<version>_<arch>.deb in the build folder) and
# checks it: the files it installs, the libraries it depends on, and the staged installation
# starting. Installs what it needs (root or sudo).
#
#   NORVANE_BUILD_DIR  build folder (default: build-package)
#   NORVANE_JOBS       parallel build jobs (default: all processors)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
# dpkg-shlibdeps (dpkg-dev) works out the runtime dependencies from the libraries the program links.
# shellcheck disable=SC2086
norvane_install $norvane_packages_build dpkg-dev file libncurses-dev

build=${NORVANE_BUILD_DIR:-build-package}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DNORVANE_BENCH=OFF
cmake --build "$build" -j "${NORVANE_JOBS:-$(nproc)}"
packaging/check_install.sh "$build" "$build/install-check"
(cd "$build" && cpack -G DEB)

package=$(ls "$build"/norvane_*.deb)
fail() { echo "package: $*" >&2; exit 1; }
contents=$(dpkg-deb -c "$package")
for file in ./usr/bin/norvane ./usr/share/applications/norvane.desktop \
            ./usr/share/icons/hicolor/scalable/apps/norvane.svg ./usr/share/icons/hicolor/48x48/apps/norvane.png \
            ./usr/share/norvane/help/norvane-help.txt; do
    grep -q " $file\$" <<<"$contents" || fail "$package lacks $file"
done
depends=$(dpkg-deb -f "$package" Depends)
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    grep -q "\b$dependency\b" <<<"$depends" || fail "$package does not depend on $dependency: $depends"
done
echo "package: $package"
echo "  Depends: $depends"
