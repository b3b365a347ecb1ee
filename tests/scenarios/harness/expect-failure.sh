#!/usr/bin/env bash
# Runs a scenario that must fail and must say PATTERN (an extended regular expression); then removes the folder
# the failure left behind.
# usage: expect-failure.sh PATTERN COMMAND...
pattern=$1
shift
output=$("$@" 2>&1) && { echo "expected a failure, got success:"; echo "$output"; exit 1; }
echo "$output"
grep -Eq -- "$pattern" <<<"$output" || { echo "the output does not say: $pattern"; exit 1; }
left=$(sed -n 's/^left in //p' <<<"$output")
[ -z "$left" ] || rm -rf "$left"
