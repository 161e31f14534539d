#!/usr/bin/env bash
# The Debian package on a fresh Debian root, installed as a user with recommended packages turned
# off would: it must bring all the program needs to show its texts. Run inside such a root (CI
# runs it through scripts/fresh-root.sh), with a folder that holds the built package and the
# settings dialog's window test, frm_config_test, from the same build. Installs the package with
# apt (--no-install-recommends), checks that `quorvane --version` names the package's version,
# then runs the dialog's font test on Qt's offscreen platform: in the fonts the root actually
# has, every Japanese text has glyphs and the footer's text fits its label.
#
#   tests/root/package_in_root_check.sh <folder with quorvane_*.deb and frm_config_test>
#
# For example, from a build folder made by scripts/test.sh:
#   mkdir /tmp/out && (cd build && cpack -G DEB -B /tmp/out) && cp build/tests/frm_config_test /tmp/out
#   scripts/fresh-root.sh --bind /tmp/out:/root/out bookworm tests/root/package_in_root_check.sh /root/out
set -euo pipefail
folder=${1:?usage: package_in_root_check.sh <folder with the package and frm_config_test>}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
debs=("$folder"/quorvane_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "not one package in $folder: ${debs[*]}"
deb=$(realpath "${debs[0]}")

apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" \
  >"$work/apt.log" 2>&1 || fail "the package does not install: $(cat "$work/apt.log")"

expected="quorvane $(dpkg-deb -f "$deb" Version)"
[ "$(quorvane --version)" = "$expected" ] || fail "the installed program is not $expected"

# The test needs Qt's test library, which must bring no fonts of its own.
fonts() {
  find /usr/share/fonts -type f 2>/dev/null | sort
}
fonts_before=$(fonts)
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends libqt6test6 \
  >"$work/apt-test.log" 2>&1 || fail "libqt6test6: $(cat "$work/apt-test.log")"
[ "$(fonts)" = "$fonts_before" ] || fail "Qt's test library brought fonts"
install -m 755 "$folder/frm_config_test" "$work/frm_config_test"
mkdir -m 700 "$work/runtime"
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
  "$work/frm_config_test" textsFitAndShowInTheFontsActuallyChosen layout >"$work/test.log" 2>&1 ||
  fail "the dialog's texts in the root's fonts: $(cat "$work/test.log")"

echo "package in a fresh root: all checks passed, with the fonts"
echo "$fonts_before"
