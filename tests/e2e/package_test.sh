#!/usr/bin/env bash
# Installing and packaging. `cmake --install` with any prefix puts the program, the menu entry,
# the icons, the manual page and the package's documents below it, and the xscreensaver hack and
# its settings file where xscreensaver reads them. `cpack -G DEB` builds a package holding the
# same files, depending on run-time packages, that lintian, desktop-file-validate and mandoc find
# clean, whose manual page and changelog show the program's version.
source "$(dirname "$0")/lib.sh"
build=$(dirname "$QUORVANE")
version=$("$QUORVANE" --version | awk '{ print $2 }')

# below PREFIX: the files installed below the prefix, without its leading slash.
below() {
  local prefix=${1#/}
  printf '%s\n' "$prefix/bin/quorvane" \
    "$prefix/share/applications/quorvane.desktop" \
    "$prefix/share/man/man6/quorvane.6.gz" \
    "$prefix/share/doc/quorvane/copyright" \
    "$prefix/share/doc/quorvane/changelog.gz" \
    "$prefix/share/icons/hicolor/16x16/apps/quorvane.png" \
    "$prefix/share/icons/hicolor/48x48/apps/quorvane.png" \
    "$prefix/share/icons/hicolor/128x128/apps/quorvane.png" \
    "$prefix/share/icons/hicolor/256x256/apps/quorvane.png"
}
xscreensaver_files=(usr/libexec/xscreensaver/quorvane usr/share/xscreensaver/config/quorvane.xml)

# An unusual prefix: the xscreensaver files still go to xscreensaver's folders.
stage="$E2E_TMP/stage"
DESTDIR="$stage" cmake --install "$build" --prefix /opt/quorvane >"$E2E_TMP/install.log" ||
  fail "cmake --install failed: $(cat "$E2E_TMP/install.log")"
for file in $(below /opt/quorvane) "${xscreensaver_files[@]}"; do
  [ -e "$stage/$file" ] || fail "cmake --install did not install $file"
done
# The hack is the program itself, under the name xscreensaver runs.
[ "$("$stage/usr/libexec/xscreensaver/quorvane" --version)" = "$("$QUORVANE" --version)" ] ||
  fail "the xscreensaver hack is not the program"
[ "$(readlink "$stage/usr/libexec/xscreensaver/quorvane")" = ../../../opt/quorvane/bin/quorvane ] ||
  fail "the hack is no relative link: $(readlink "$stage/usr/libexec/xscreensaver/quorvane")"
grep -q '^Exec=quorvane /c$' "$stage/opt/quorvane/share/applications/quorvane.desktop" ||
  fail "the menu entry does not open the settings"

# The large icons are drawn at their size, not enlarged from the 32 pixel one: sampling one pixel
# in eight and enlarging that again does not give them back.
icons="$stage/opt/quorvane/share/icons/hicolor"
for size in 128 256; do
  icon="$icons/${size}x$size/apps/quorvane.png"
  [ "$(identify -format %wx%h "$icon")" = "${size}x$size" ] || fail "the $size pixel icon is not $size pixels"
  blocks=$(convert "$icon" -sample 32x32 -sample "${size}x$size" png:- |
    compare -metric AE "$icon" - null: 2>&1 || true)
  [ "$blocks" -gt $((size * size / 20)) ] || fail "the $size pixel icon is an enlarged 32 pixel one"
done

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$E2E_TMP/package" >"$E2E_TMP/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$E2E_TMP/cpack.log")"
deb=$(ls "$E2E_TMP"/package/quorvane_*.deb)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] ||
  fail "the package's version $(dpkg-deb -f "$deb" Version) is not the program's $version"
dpkg -c "$deb" >"$E2E_TMP/contents"
for file in $(below /usr) "${xscreensaver_files[@]}"; do
  grep -q " \./$file\( -> .*\)\?$" "$E2E_TMP/contents" || fail "the package lacks $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 qt6-qpa-plugins libx11-6 "fonts-ipaexfont-gothic | " fonts-liberation2; do
  [[ "$depends" == *"$package"* ]] || fail "the package does not depend on $package: $depends"
done
for package in dev gtest benchmark xvfb xdotool imagemagick; do
  [[ "$depends" != *"$package"* ]] || fail "the package depends on a build or test package: $depends"
done

# What Debian's tools say of it, run on the package's own files.
status=0
lintian -EvIL +pedantic "$deb" >"$E2E_TMP/lintian.log" 2>&1 || status=$?
! grep -E '^[EWIPXC]: ' "$E2E_TMP/lintian.log" || fail "lintian found the tags above"
[ "$status" = 0 ] || fail "lintian ended with status $status: $(cat "$E2E_TMP/lintian.log")"
unpacked="$E2E_TMP/unpacked"
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/quorvane.desktop" >"$E2E_TMP/desktop.log" 2>&1 ||
  fail "desktop-file-validate: $(cat "$E2E_TMP/desktop.log")"
[ ! -s "$E2E_TMP/desktop.log" ] || fail "desktop-file-validate: $(cat "$E2E_TMP/desktop.log")"
page="$unpacked/usr/share/man/man6/quorvane.6.gz"
mandoc -Tlint -W all "$page" >"$E2E_TMP/mandoc.log" 2>&1 || fail "mandoc -Tlint: $(cat "$E2E_TMP/mandoc.log")"
footer=$(mandoc -Tascii "$page" | tail -n 1)
[[ "$footer" =~ ^Quorvane\ $version\ +[0-9]{4}-[0-9]{2}-[0-9]{2}\ +QUORVANE\(6\)$ ]] ||
  fail "the manual page's footer reads: $footer"
zcat "$unpacked/usr/share/doc/quorvane/changelog.gz" | head -n 1 | grep -qF "quorvane ($version)" ||
  fail "the changelog does not start with the version $version"

echo "package: all checks passed"
