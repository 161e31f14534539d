#!/usr/bin/env bash
# Runs a command as root in a fresh Debian root, as a new user of a minimal Debian would meet it:
# the root holds what debootstrap's minbase variant installs plus git, sudo and ca-certificates,
# and a copy of this tree at /root/quorvane. Every run starts from a new copy of a cached root, so
# nothing a run installs is there for the next; only downloaded packages are kept.
#
#   scripts/fresh-root.sh [--bind HOST_PATH:ROOT_PATH]... [--no-tree] SUITE COMMAND...
#
# SUITE     bookworm (Debian 12), trixie (Debian 13), or another suite debootstrap knows.
# COMMAND   joined by spaces and run by bash -c in /root/quorvane (in /root with --no-tree), with
#           the clean environment of a root login. Its output passes through; the script exits
#           with its status (124 when it ran out of time).
# --bind    mounts a host file or folder, read-write, at ROOT_PATH inside the root: to hand in a
#           built package, or to take out screenshots and logs.
# --no-tree leaves the tree out. The tree is its files as git lists them: tracked and untracked,
#           without ignored ones (build folders) and without .git.
#
# Environment:
#   FRESH_ROOT_CACHE    (/var/cache/quorvane-fresh-root) <suite>.tar, the debootstrap result,
#                       made when missing or made with other options (delete it to make it anew);
#                       archives/, every package downloaded so far, for debootstrap and for apt.
#   FRESH_ROOT_MIRROR   (http://deb.debian.org/debian)
#   FRESH_ROOT_TIMEOUT  (5400) seconds the command may take.
#   FRESH_ROOT_WORK     (/var/tmp) where the run's root is unpacked; it is removed afterwards.
#
# Needs root, mount and PID namespaces (unshare), and debootstrap when a root must be made (then
# installed if missing). The command runs in namespaces of its own, so its mounts never reach the
# host and every process it leaves behind ends with it. Mounted inside: /proc, /sys, a small /dev
# (null, zero, full, random, urandom, tty, its own /dev/pts, a tmpfs /dev/shm), a tmpfs /tmp.
# The host's /etc/resolv.conf and /etc/hosts are copied in, and the packages downloaded before
# (here, or by the host's apt) are linked into the root's apt cache; the root keeps debootstrap's
# package lists, so run apt-get update before installing (scripts/install-missing.sh does).
# For example, a built package on a fresh Debian 13 without recommended packages:
#   scripts/fresh-root.sh --no-tree --bind "$PWD/build/quorvane_1.1.0_amd64.deb:/root/q.deb" \
#     trixie 'apt-get update && apt-get install -y --no-install-recommends ./q.deb'
set -euo pipefail

say() { echo "fresh-root: $*" >&2; }
since() { echo $(($(date +%s) - $1)); }

# run_inside ROOT DIRECTORY COMMAND [BIND...]: the second stage, in the new namespaces: mounts,
# then runs the command in the root.
run_inside() {
  local root=$1 directory=$2 command=$3 node bind host inside status=0
  shift 3
  mount -t proc proc "$root/proc"
  mount --rbind /sys "$root/sys"
  mount --make-rslave "$root/sys"
  mount -t tmpfs -o mode=755,nosuid dev "$root/dev"
  for node in null zero full random urandom tty; do
    touch "$root/dev/$node"
    mount --bind "/dev/$node" "$root/dev/$node"
  done
  mkdir "$root/dev/pts" "$root/dev/shm"
  mount -t devpts -o newinstance,ptmxmode=0666,mode=620,gid=5 devpts "$root/dev/pts"
  mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"
  ln -s pts/ptmx "$root/dev/ptmx"
  ln -s /proc/self/fd "$root/dev/fd"
  ln -s /proc/self/fd/0 "$root/dev/stdin"
  ln -s /proc/self/fd/1 "$root/dev/stdout"
  ln -s /proc/self/fd/2 "$root/dev/stderr"
  mount -t tmpfs -o mode=1777,nosuid,nodev tmp "$root/tmp"
  for bind in "$@"; do
    host=${bind%%:*} inside=$root/${bind#*:}
    if [ -d "$host" ]; then mkdir -p "$inside"; else mkdir -p "$(dirname "$inside")" && touch "$inside"; fi
    mount --bind "$host" "$inside"
  done
  # Not exec: this shell stays process 1 of the namespace and reaps what the command orphans.
  timeout --kill-after=10 "${FRESH_ROOT_TIMEOUT:-5400}" chroot "$root" /usr/bin/env -i \
    HOME=/root USER=root LOGNAME=root SHELL=/bin/bash TERM="${TERM:-dumb}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c "cd $directory && $command" || status=$?
  return "$status"
}

# cached_root TARBALL SUITE: makes the suite's root with debootstrap unless the tarball holds one
# made with the same options. A lock keeps two runs from making it at the same time.
cached_root() {
  local tarball=$1 suite=$2 lock started building
  local options="--variant=minbase --include=git,sudo,ca-certificates"
  exec {lock}>"$tarball.lock"
  flock "$lock"
  if [ ! -s "$tarball" ] || [ "$(cat "$tarball.options" 2>/dev/null)" != "$options $mirror" ]; then
    started=$(date +%s)
    say "making the $suite root: debootstrap $options $suite ... $mirror"
    "$tree_root/scripts/install-missing.sh" debootstrap
    building=$(mktemp -d "$work_folder/fresh-root-debootstrap.XXXXXX")
    # shellcheck disable=SC2086 # the options are words
    if ! debootstrap --cache-dir="$cache/archives" $options "$suite" "$building/root" "$mirror" \
      >"$building/log" 2>&1; then
      tail -n 30 "$building/log" "$building/root/debootstrap/debootstrap.log" >&2 || true
      rm -rf "$building"
      say "debootstrap failed"
      return 1
    fi
    tar -C "$building/root" -cf "$tarball.new" .
    mv "$tarball.new" "$tarball"
    echo "$options $mirror" >"$tarball.options"
    rm -rf "$building"
    say "debootstrap took $(since "$started") s"
  fi
  exec {lock}>&-
}

# link_packages FROM TO: links the packages of one folder into another, or copies them where the
# two are on different file systems; packages already there stay.
link_packages() {
  find "$1" -maxdepth 1 -name '*.deb' -exec cp -l -n -t "$2" {} + 2>/dev/null ||
    find "$1" -maxdepth 1 -name '*.deb' -exec cp -n -t "$2" {} +
}

# copy_tree TO: the tree's files as git lists them.
copy_tree() {
  mkdir "$1"
  git -C "$tree_root" ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do
      [ -e "$tree_root/$file" ] || [ -L "$tree_root/$file" ] && printf '%s\0' "$file"
    done | tar -C "$tree_root" --null -T - -cf - | tar -C "$1" -xf -
}

main() {
  local binds=() tree=yes suite started directory=/root status=0
  while [ $# -gt 0 ]; do
    case $1 in
      --bind)
        [[ ${2:-} == /*:/* ]] || { say "--bind needs HOST_PATH:ROOT_PATH, both absolute"; exit 2; }
        binds+=("$2")
        shift 2
        ;;
      --no-tree) tree=no && shift ;;
      *) break ;;
    esac
  done
  if [ $# -lt 2 ]; then
    sed -n '7s/^#  */usage: /p' "$0" >&2
    exit 2
  fi
  suite=$1
  shift
  [ "$(id -u)" -eq 0 ] || { say "run it as root"; exit 2; }
  mkdir -p "$cache/archives"
  cached_root "$cache/$suite.tar" "$suite"

  started=$(date +%s)
  work=$(mktemp -d "$work_folder/fresh-root.XXXXXX")
  trap cleanup EXIT
  local root=$work/root
  mkdir "$root"
  tar -C "$root" -xf "$cache/$suite.tar"
  cp /etc/resolv.conf /etc/hosts "$root/etc/"
  # apt takes what it needs of these and fetches only the rest.
  link_packages "$cache/archives" "$root/var/cache/apt/archives"
  link_packages /var/cache/apt/archives "$root/var/cache/apt/archives"
  if [ "$tree" = yes ]; then
    directory=/root/quorvane
    copy_tree "$root$directory"
  fi
  say "$suite root ready in $(since "$started") s"

  started=$(date +%s)
  unshare --mount --pid --fork --kill-child --propagation private \
    "$tree_root/scripts/fresh-root.sh" --inside "$root" "$directory" "$*" "${binds[@]}" ||
    status=$?
  say "the command ended in $suite with status $status after $(since "$started") s"
  link_packages "$root/var/cache/apt/archives" "$cache/archives"
  exit "$status"
}

# The mounts lived in the command's namespace: none is left here, but never delete through one.
cleanup() {
  if findmnt -rn -o TARGET | grep -q "^$work/"; then
    say "$work still has mounts; left in place"
  else
    rm -rf "$work"
  fi
}

cache=${FRESH_ROOT_CACHE:-/var/cache/quorvane-fresh-root}
mirror=${FRESH_ROOT_MIRROR:-http://deb.debian.org/debian}
work_folder=${FRESH_ROOT_WORK:-/var/tmp}
tree_root=$(cd "$(dirname "$0")/.." && pwd)
work=
# All of it parsed before any of it runs, so editing the script during a run harms nothing.
if [ "${1:-}" = --inside ]; then
  shift
  run_inside "$@"
else
  main "$@"
fi
