#!/usr/bin/env bash
# The settings page xscreensaver's settings tool builds from quorvane.xml: every choice passes
# arguments the program takes, each list has a choice that keeps the saved setting, and the
# magnification slider passes every value a user can pick (the tool leaves a number out at its
# default, so that default must be no magnification of its own). Needs no display: a command
# line the program takes ends with status 1 there, a wrong one with 2.
source "$(dirname "$0")/lib.sh"
unset DISPLAY WAYLAND_DISPLAY
config="$(dirname "$0")/../../data/quorvane.xml"

xmllint --noout "$config" || fail "quorvane.xml is not well-formed"
xpath() {
  xmllint --xpath "$1" "$config" 2>/dev/null | sed -E 's/^ *[a-z-]+="(.*)"$/\1/'
}

# status ARGS...: the program's exit status for the hack's command line with these arguments.
status() {
  local command status=0
  command=$(xpath 'string(/screensaver/command/@arg)')
  "$QUORVANE" $command "$@" >/dev/null 2>"$E2E_TMP/err" || status=$?
  echo "$status"
}

[ "$(status)" = 1 ] || fail "the hack's own command line is refused: $(cat "$E2E_TMP/err")"
for select in $(xpath '/screensaver/select/@id'); do
  [ "$(xpath "count(/screensaver/select[@id='$select']/option[not(@arg-set)])")" = 1 ] ||
    fail "the list '$select' has no choice that keeps the saved setting"
  while read -r arguments; do
    [ -n "$arguments" ] || continue
    [ "$(status $arguments)" = 1 ] || fail "'$arguments' is refused: $(cat "$E2E_TMP/err")"
  done <<<"$(xpath "/screensaver/select[@id='$select']/option/@arg-set")"
done

argument=$(xpath 'string(/screensaver/number[@id="zoom"]/@arg)')
low=$(xpath 'string(/screensaver/number[@id="zoom"]/@low)')
high=$(xpath 'string(/screensaver/number[@id="zoom"]/@high)')
default=$(xpath 'string(/screensaver/number[@id="zoom"]/@default)')
[ "$(status ${argument//%/$default})" = 2 ] ||
  fail "the slider's default $default is a magnification, which the tool would never pass"
# The slider moves in whole steps: the first past the default, one in the middle, the last.
for value in $((default + 1)) $(((low + high) / 2)) "$high"; do
  [ "$(status ${argument//%/$value})" = 1 ] || fail "the slider's $value is refused: $(cat "$E2E_TMP/err")"
done

echo "xscreensaver settings page: all checks passed"
