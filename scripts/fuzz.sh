#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz: clang with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time, default 20 s, on a temporary copy
# of its corpus in fuzz/corpus/<target>/, so the tree is not changed. An input that breaks a
# target is kept under build-fuzz/crashes/ and the script fails.
#   scripts/fuzz.sh [seconds per target] [seed]
# The seed (default 1) makes a run repeat the same search, so a CI run that passed once passes
# again; another seed, or 0 for a random one, searches elsewhere.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
seed="${2:-1}"

scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
crashes="$PWD/build-fuzz/crashes"
mkdir -p "$crashes"
failed=0
for target in build-fuzz/fuzz/*_fuzz; do
  name="$(basename "$target")"
  mkdir -p "$work/$name"
  cp -R "fuzz/corpus/$name/." "$work/$name/" 2>/dev/null || true
  log="$work/$name.log"
  if "$target" -seed="$seed" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$crashes/$name-" "$work/$name" >"$log" 2>&1; then
    echo "$name: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log" || echo done)"
  else
    tail -n 40 "$log"
    echo "$name: FAILED; the input is in $crashes/"
    failed=1
  fi
done
exit "$failed"
