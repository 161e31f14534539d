# Installing and packaging: `cmake --install` into a staging folder puts the program, the
# xscreensaver hack and its settings file, the menu entry, the icons and the manual page in place,
# and `cpack -G DEB` builds a package holding the same files and depending on run-time packages.
source "$(dirname "$0")/lib.sh"
build=$(dirname "$QUORVANE")

expected=(
  usr/bin/quorvane
  usr/libexec/xscreensaver/quorvane
  usr/share/xscreensaver/config/quorvane.xml
  usr/share/applications/quorvane.desktop
  usr/share/man/man6/quorvane.6
  usr/share/icons/hicolor/16x16/apps/quorvane.png
  usr/share/icons/hicolor/48x48/apps/quorvane.png
  usr/share/icons/hicolor/256x256/apps/quorvane.png
)

stage="$E2E_TMP/stage"
cmake --install "$build" --prefix "$stage/usr" >"$E2E_TMP/install.log" ||
  fail "cmake --install failed: $(cat "$E2E_TMP/install.log")"
for file in "${expected[@]}"; do
  [ -e "$stage/$file" ] || fail "cmake --install did not install $file"
done
# The hack is the program itself, under the name xscreensaver runs.
[ "$("$stage/usr/libexec/xscreensaver/quorvane" --version)" = "$("$QUORVANE" --version)" ] ||
  fail "the xscreensaver hack is not the program"
[ "$(identify -format %wx%h "$stage/usr/share/icons/hicolor/256x256/apps/quorvane.png")" = 256x256 ] ||
  fail "the 256 pixel icon is not 256 pixels"
grep -q '^Exec=quorvane /c$' "$stage/usr/share/applications/quorvane.desktop" ||
  fail "the menu entry does not open the settings"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$E2E_TMP/package" >"$E2E_TMP/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$E2E_TMP/cpack.log")"
deb=$(ls "$E2E_TMP"/package/quorvane_*.deb)
dpkg -c "$deb" >"$E2E_TMP/contents"
for file in "${expected[@]}"; do
  grep -q " \./$file\( -> .*\)\?$" "$E2E_TMP/contents" || fail "the package lacks $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 qt6-qpa-plugins libx11-6; do
  [[ "$depends" == *"$package"* ]] || fail "the package does not depend on $package: $depends"
done
for package in dev gtest benchmark xvfb xdotool imagemagick; do
  [[ "$depends" != *"$package"* ]] || fail "the package depends on a build or test package: $depends"
done

echo "package: all checks passed"
