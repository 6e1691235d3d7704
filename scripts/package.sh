#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the Debian packages of Norvane (norvane_<version>-<revision>_<arch>.deb, the window, and
# norvanectl_<version>-<revision>_<arch>.deb, the command line, in the build folder) with Debian's
# build flags and checks them: the files each installs, the libraries each depends on (norvanectl
# on no toolkit), the staged installation starting, and lintian finding no error and no warning.
# Installs what it needs (root or sudo).
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
rm -f "$build"/norvane_*.deb "$build"/norvanectl_*.deb
(cd "$build" && cpack -G DEB)

fail() { echo "package: $*" >&2; exit 1; }
window=$(ls "$build"/norvane_*.deb)
cli=$(ls "$build"/norvanectl_*.deb)
# Each package holds its own files, and only those: the window with its help and icons; the command
# line with what both programs read.
holds() {
    local package=$1 contents
    shift
    contents=$(dpkg-deb -c "$package")
    for file in "$@"; do
        grep -q " \./usr/$file\$" <<<"$contents" || fail "$package lacks /usr/$file"
    done
}
lacks() {
    local package=$1 contents
    shift
    contents=$(dpkg-deb -c "$package")
    for file in "$@"; do
        ! grep -q " \./usr/$file\$" <<<"$contents" || fail "$package holds /usr/$file, which belongs to the other package"
    done
}
holds "$window" bin/norvane share/man/man1/norvane.1.gz share/applications/norvane.desktop \
    share/icons/hicolor/scalable/apps/norvane.svg share/icons/hicolor/48x48/apps/norvane.png \
    share/norvane/help/norvane-help.txt share/doc/norvane/copyright share/doc/norvane/changelog.Debian.gz
lacks "$window" bin/norvanectl share/locale/de/LC_MESSAGES/norvane.mo
holds "$cli" bin/norvanectl share/man/man1/norvanectl.1.gz share/man/man5/kqnet.ini.5.gz \
    share/bash-completion/completions/norvanectl share/locale/de/LC_MESSAGES/norvane.mo \
    share/doc/norvanectl/copyright share/doc/norvanectl/changelog.Debian.gz
lacks "$cli" bin/norvane share/norvane/help/norvane-help.txt

depends=$(dpkg-deb -f "$window" Depends)
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins norvanectl; do
    grep -q "\b$dependency\b" <<<"$depends" || fail "$window does not depend on $dependency: $depends"
done
recommends=$(dpkg-deb -f "$window" Recommends)
grep -q "\bqt6-translations-l10n\b" <<<"$recommends" || fail "$window does not recommend Qt's translations: $recommends"
# norvanectl runs on a server without a toolkit or a display.
cli_depends=$(dpkg-deb -f "$cli" Depends)
! grep -qiE "qt|libx|curses|libgl" <<<"$cli_depends" || fail "$cli depends on a toolkit: $cli_depends"
# lintian judges each package as Debian would: an error or a warning fails it. What it is told to
# pass over is in packaging/lintian-overrides.in, each with its reason.
for package in "$window" "$cli"; do
    lintian --fail-on error,warning "$package" || fail "lintian finds fault with $package"
done
echo "package: $window"
echo "  Depends: $depends"
echo "package: $cli"
echo "  Depends: $cli_depends"
