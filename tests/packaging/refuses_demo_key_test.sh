#!/bin/sh
# The package configuration refuses the demo update key.
#   refuses_demo_key_test.sh SOURCE_DIR
set -e
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if cmake -S "$1" -B "$work" -G Ninja -DVELTRANO_PACKAGE=ON >"$work.log" 2>&1; then
  rm -f "$work.log"
  echo "the package was configured with the demo key" >&2
  exit 1
fi
grep -q "demo update key" "$work.log" || { cat "$work.log" >&2; rm -f "$work.log"; exit 1; }
rm -f "$work.log"
