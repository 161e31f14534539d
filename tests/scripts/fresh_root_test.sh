#!/usr/bin/env bash
# scripts/fresh-root.sh on a tiny root made from this machine's bash, in place of a cached
# debootstrap result: what the command sees inside, what it hands back, and that nothing it did
# outlives it (processes, mounts, the unpacked root), while bound host folders stay untouched.
set -euo pipefail
script=$(cd "$(dirname "$0")/../.." && pwd)/scripts/fresh-root.sh
if [ "$(id -u)" != 0 ] || ! unshare --mount --pid --fork true 2>/dev/null; then
  echo "SKIP: needs root and namespaces"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The cached root of a suite named "tiny": bash, env and sleep with their libraries.
tiny=$work/tiny
mkdir -p "$tiny"/{proc,sys,dev,tmp,etc,root,var/cache/apt/archives}
for program in /bin/bash /usr/bin/env /bin/sleep; do
  cp --parents "$program" $(ldd "$program" | grep -o '/[^ ]*') "$tiny"
done
mkdir "$work/cache"
tar -C "$tiny" -cf "$work/cache/tiny.tar" .
echo "--variant=minbase --include=git,sudo,ca-certificates http://deb.debian.org/debian" \
  >"$work/cache/tiny.tar.options"
export FRESH_ROOT_CACHE=$work/cache FRESH_ROOT_WORK=$work/roots
mkdir "$work/roots" "$work/shared"
echo kept >"$work/shared/host-file"

# A process left running carries this mark, so the host can look for it afterwards.
mark=$((RANDOM + 100000))
inside='[ -f scripts/fresh-root.sh ] && [ ! -e .git ] && [ ! -e build ] || exit 11
  mapfile -d "" first </proc/1/cmdline && [[ ${first[1]} == */fresh-root.sh ]] || exit 12
  mounted() { local l; while read -r l; do [[ $l == *" $1 "* ]] && return 0; done; return 1; }
  mounted /tmp </proc/self/mountinfo && mounted /dev/pts </proc/self/mountinfo || exit 13
  [ -z "${CI:-}" ] && [ "$HOME" = /root ] || exit 14
  [ "$(</shared/host-file)" = kept ] && echo written >/shared/from-root || exit 15
  sleep '"$mark"' &
  exit 7'
status=0
CI=true "$script" --bind "$work/shared:/shared" tiny "$inside" 2>"$work/log" || status=$?
[ "$status" = 7 ] || fail "the command's checks or status: $status; $(cat "$work/log")"
[ "$(cat "$work/shared/host-file" "$work/shared/from-root")" = "kept"$'\n'"written" ] ||
  fail "the bound folder lost or missed files: $(ls "$work/shared")"
! pgrep -f "sleep $mark" >/dev/null || fail "a process of the command outlived it"
[ -z "$(ls -A "$work/roots")" ] || fail "the unpacked root was left: $(ls "$work/roots")"
! findmnt -rn -o TARGET | grep -q "^$work" || fail "mounts leaked to the host"

# A command that runs too long is ended; a bad call is refused.
status=0
FRESH_ROOT_TIMEOUT=1 "$script" tiny 'sleep 60' 2>/dev/null || status=$?
[ "$status" = 124 ] || fail "a command past its time ended with $status"
status=0
"$script" --bind relative:/x tiny true 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "a relative --bind was taken: $status"
echo "fresh root: all checks passed"
