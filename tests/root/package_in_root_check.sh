#!/usr/bin/env bash
# The Debian package on a fresh Debian root, installed as a user with recommended packages
# turned off would: it must bring all the program needs to show its texts. Builds the package
# from a build folder, installs it into the root with apt (--no-install-recommends), checks
# `quorvane --version` there, then runs the settings dialog's font test inside the root on Qt's
# offscreen platform: in the fonts the root actually has, every Japanese text has glyphs and the
# footer's text fits its label.
#
#   tests/root/package_in_root_check.sh <root> [build folder, default build]
#
# The root is a Debian system in a folder (debootstrap --variant=minbase, for one) in which
# `chroot <root> apt-get install` works: /proc and /dev mounted, name resolution and the archive
# reachable. Run as root. The check adds to it only the package, what the package depends on,
# and Qt's test library, which the font test links.
set -euo pipefail
root=${1:?usage: package_in_root_check.sh <root> [build folder]}
build=$(realpath "${2:-$(dirname "$0")/../../build}")

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
in_root() {
  chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/tmp LANG=C.UTF-8 "$@"
}

work=$(mktemp -d "$root/tmp/quorvane-check.XXXXXX")
trap 'rm -rf "$work"' EXIT
inside=${work#"$root"}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$work/cpack.log")"
deb=$(cd "$work" && ls quorvane_*.deb)
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "$inside/$deb" >"$work/apt.log" 2>&1 || fail "the package does not install: $(cat "$work/apt.log")"

expected=$("$build/quorvane" --version)
[ "$(in_root quorvane --version)" = "$expected" ] || fail "the installed program is not $expected"

# The test needs Qt's test library, which must bring no fonts of its own.
fonts() {
  find "$root/usr/share/fonts" -type f 2>/dev/null | sort
}
fonts_before=$(fonts)
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  libqt6test6 >"$work/apt-test.log" 2>&1 || fail "libqt6test6: $(cat "$work/apt-test.log")"
[ "$(fonts)" = "$fonts_before" ] || fail "Qt's test library brought fonts"
install -m 755 "$build/tests/frm_config_test" "$work/frm_config_test"
in_root env QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$inside/config" XDG_RUNTIME_DIR="$inside" \
  "$inside/frm_config_test" textsFitAndShowInTheFontsActuallyChosen layout >"$work/test.log" 2>&1 ||
  fail "the dialog's texts in the root's fonts: $(cat "$work/test.log")"

echo "package in a fresh root: all checks passed, with the fonts"
sed "s|^$root||" <<<"$fonts_before"
