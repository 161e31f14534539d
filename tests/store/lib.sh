# Shared by the store tests: a scratch folder with the settings file, its state before a save
# and the file that save should produce.
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/store" "$scratch/expected"
store="$scratch/store/Quorvane.ini"
# Lines of other programs and of a hand editor must survive every save untouched.
printf '; hand note\n[Config]\nZoom=2.0\nOther=@Variant(\\0\\x1) \xff\n[UpdateInfo]\nCurrentVersion=1.01.0000\n' \
  >"$scratch/expected/old"
cp "$scratch/expected/old" "$scratch/expected/Quorvane.ini"
"$SAVE_DRIVER" "$scratch/expected/Quorvane.ini" 9.5
mv "$scratch/expected/Quorvane.ini" "$scratch/expected/new"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Nothing but the store and its lock file may remain beside it.
check_no_leftovers() {
  local extra
  extra=$(ls -A "$scratch/store" | grep -vx -e Quorvane.ini -e Quorvane.lock || true)
  [ -z "$extra" ] || fail "$1: left behind: $extra"
}
