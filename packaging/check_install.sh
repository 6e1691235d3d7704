#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs a built tree into a staging folder as a package would (prefix /usr) and checks what
# lands there: exactly the programs, the desktop entry and AppStream data, the icons, the help
# topics, the translations, the manual pages, each package's licence, changelog and lintian
# overrides; no path of the build tree inside the program; and the installed programs starting
# from the staged copy, in English and in German.
#
#   check_install.sh <build folder> <staging folder>
set -euo pipefail
build=$(realpath "$1")
stage=$2
rm -rf "$stage"
mkdir -p "$stage"
stage=$(realpath "$stage")
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null

fail() { echo "check_install: $*" >&2; exit 1; }

expected="usr/bin/norvane
usr/bin/norvanectl
usr/share/applications/norvane.desktop
usr/share/bash-completion/completions/norvanectl
usr/share/doc/norvane/changelog.Debian.gz
usr/share/doc/norvane/copyright
usr/share/doc/norvanectl/changelog.Debian.gz
usr/share/doc/norvanectl/copyright
usr/share/icons/hicolor/16x16/apps/norvane.png
usr/share/icons/hicolor/256x256/apps/norvane.png
usr/share/icons/hicolor/32x32/apps/norvane.png
usr/share/icons/hicolor/48x48/apps/norvane.png
usr/share/icons/hicolor/64x64/apps/norvane.png
usr/share/icons/hicolor/scalable/apps/norvane.svg
usr/share/lintian/overrides/norvane
usr/share/lintian/overrides/norvanectl
usr/share/locale/de/LC_MESSAGES/norvane.mo
usr/share/man/man1/norvane.1.gz
usr/share/man/man1/norvanectl.1.gz
usr/share/man/man5/kqnet.ini.5.gz
usr/share/metainfo/org.norvane.Norvane.metainfo.xml
usr/share/norvane/help/norvane-help.txt"
installed=$(cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$installed" = "$expected" ] || fail "installed files differ:
$(diff <(echo "$expected") <(echo "$installed") || true)"

entry=$stage/usr/share/applications/norvane.desktop
for line in '[Desktop Entry]' 'Type=Application' 'Name=Norvane' 'Exec=norvane' 'Icon=norvane' \
            'Categories=Settings;'; do
    grep -qxF "$line" "$entry" || fail "the desktop entry lacks '$line'"
done
grep -q '^Comment=.' "$entry" || fail "the desktop entry has no comment"
grep -q '^Comment\[de\]=.' "$entry" || fail "the desktop entry has no German comment"

# The manual pages are compressed as Debian wants them, their version filled in.
for page in "$stage"/usr/share/man/man*/*; do
    header=$(gzip -dc "$page" | head -1) || fail "$page is not gzip data"
    grep -q '^\.TH .* "Norvane [0-9][^"]*"' <<<"$header" || fail "$page has no version in its title line: $header"
done

# The program finds its data beside itself, so the build folder must not be compiled in. (A
# sanitizer build records the paths of the files it instruments, so it is not checked.)
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
strip -o "$stripped" "$stage/usr/bin/norvane"
if ! grep -qaF __asan_init "$stripped"; then
    ! grep -qaF "$build/" "$stripped" || fail "the program names the build folder $build"
fi

# Started from the staged copy, with the component registered, it opens its window (reading its
# help topics from beside itself) and waits for the user: still running after a few seconds, with
# no complaint of its own (Qt may note what the offscreen platform lacks).
system_dir=$(mktemp -d)
trap 'rm -f "$stripped"; rm -rf "$system_dir"' EXIT
printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\VxD\\KQNET95]\r\n"StaticVxD"="VKQNFS.VXD"\r\n' \
    >"$system_dir/registry.reg"
trace=()
command -v strace >/dev/null && trace=(strace -f -e trace=openat -o "$system_dir/opened")
status=0
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u NORVANE_UI QT_QPA_PLATFORM=offscreen NORVANE_SYSTEM_DIR="$system_dir" \
    timeout 3 "${trace[@]}" "$stage/usr/bin/norvane" 2>&1 </dev/null) || status=$?
[ "$status" -eq 124 ] || fail "the installed program ended with status $status: $output"
! grep -q '^norvane:' <<<"$output" || fail "the installed program said: $output"
if [ ${#trace[@]} -gt 0 ]; then
    grep -q "\"$stage/usr/share/norvane/help/norvane-help.txt\", O_RDONLY[^=]*= [0-9]" "$system_dir/opened" ||
        fail "the installed program did not read its help topics"
fi
# norvanectl runs from the staged copy too, on the same system directory.
version=$("$stage/usr/bin/norvanectl" --version) || fail "the installed norvanectl does not start"
NORVANE_SYSTEM_DIR="$system_dir" "$stage/usr/bin/norvanectl" show >/dev/null ||
    fail "the installed norvanectl cannot show the configuration"
# Both find their translations beside themselves.
german=$(LANGUAGE=de LANG=C.UTF-8 "$stage/usr/bin/norvane" --help) || fail "the installed norvane --help fails"
grep -q '^Aufruf: norvane' <<<"$german" || fail "the installed norvane does not speak German: $german"
german=$(LANGUAGE=de LANG=C.UTF-8 "$stage/usr/bin/norvanectl" --help) || fail "the installed norvanectl --help fails"
grep -q '^Aufruf:' <<<"$german" || fail "the installed norvanectl does not speak German: $german"
echo "check_install: the staged installation is complete and starts ($version too)"
