#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the Debian package of Norvane (norvane_<version>-<revision>_<arch>.deb in the build folder)
# with Debian's build flags and checks it: the files it installs, the libraries it depends on, the
# staged installation starting, and lintian finding no error and no warning. Installs what it needs
# (root or sudo).
#
#   NORVANE_BUILD_DIR  build folder (default: build-package)
#   NORVANE_JOBS       parallel build jobs (default: all processors)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
# shellcheck disable=SC2086
norvane_install $norvane_packages_build $norvane_packages_package

# Debian's flags: its optimisation and debugging information, and every hardening feature (fortify,
# stack protector, relro with BIND_NOW, PIE). The build type adds only NDEBUG to them.
flags=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)
eval "$flags"
build=${NORVANE_BUILD_DIR:-build-package}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DNORVANE_BENCH=OFF \
    -DCMAKE_C_FLAGS="$CPPFLAGS $CFLAGS" -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" \
    -DCMAKE_C_FLAGS_RELEASE=-DNDEBUG -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
    -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" -DCMAKE_SHARED_LINKER_FLAGS="$LDFLAGS"
cmake --build "$build" -j "${NORVANE_JOBS:-$(nproc)}"
packaging/check_install.sh "$build" "$build/install-check"
rm -f "$build"/norvane_*.deb
(cd "$build" && cpack -G DEB)

package=$(ls "$build"/norvane_*.deb)
fail() { echo "package: $*" >&2; exit 1; }
contents=$(dpkg-deb -c "$package")
for file in ./usr/bin/norvane ./usr/bin/norvanectl ./usr/share/man/man1/norvanectl.1.gz \
            ./usr/share/bash-completion/completions/norvanectl ./usr/share/applications/norvane.desktop \
            ./usr/share/icons/hicolor/scalable/apps/norvane.svg ./usr/share/icons/hicolor/48x48/apps/norvane.png \
            ./usr/share/norvane/help/norvane-help.txt ./usr/share/doc/norvane/copyright; do
    grep -q " $file\$" <<<"$contents" || fail "$package lacks $file"
done
depends=$(dpkg-deb -f "$package" Depends)
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    grep -q "\b$dependency\b" <<<"$depends" || fail "$package does not depend on $dependency: $depends"
done
# lintian judges the package as Debian would: an error or a warning fails it. What it is told to
# pass over is in packaging/lintian-overrides, each with its reason.
lintian --fail-on error,warning "$package" || fail "lintian finds fault with $package"
echo "package: $package"
echo "  Depends: $depends"
