# SPDX-License-Identifier: GPL-2.0-or-later
# Sourced by the build scripts: installs the Debian packages Norvane needs, skipping what is present.
# Needs root, or sudo for apt-get.

# What building the programs needs; the tests and benchmarks need the second list as well.
# norvanectl reads and writes JSON with nlohmann-json and digests with OpenSSL's libcrypto; gettext's
# msgfmt compiles the translations.
norvane_packages_build="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libxcb1-dev libncurses-dev
    nlohmann-json3-dev libssl-dev gettext"
# acl, attr: the tests that a save keeps access control lists and attributes; fusefat, dosfstools:
# the test on a file system without hard links; ansible-core: the playbook of norvanectl's test;
# qt6-translations-l10n: Qt's own buttons in German in the test that starts the window in German.
norvane_packages_test="googletest libgtest-dev libgmock-dev libbenchmark-dev libinih-dev tmux acl attr fusefat dosfstools
    ansible-core qt6-translations-l10n"
# The validators of the desktop entry, the AppStream data and the manual pages, which the tests run.
norvane_packages_metadata="desktop-file-utils appstream man-db"
# Building and judging the Debian package: dpkg-shlibdeps and dpkg-buildflags (dpkg-dev), lintian.
norvane_packages_package="dpkg-dev file lintian"

norvane_install() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "norvane: installing ${missing[*]} needs root or sudo" >&2; return 1; }
        sudo="sudo"
    fi
    echo "norvane: installing ${missing[*]}"
    $sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends \
        -o DPkg::Lock::Timeout=600 "${missing[@]}"
}
