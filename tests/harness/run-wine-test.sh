#!/usr/bin/env bash
# Runs one Windows GoogleTest program under Wine on a private display, from a
# copy in its own folder. Passes only when the program itself reports success:
# Wine's exit code alone can hide a program that never started.
set -u
build_dir=$1
exe=$2
shift 2
here=$(dirname "$0")
. "$here/wine-env.sh"
vantrel_setup "$build_dir"
vantrel_start_display || exit 1
copy=$(vantrel_sandbox_copy "$exe")
log="$VANTREL_SCRATCH/output.txt"
(cd "$(dirname "$copy")" && timeout 300 wine "$copy" "$@") >"$log" 2>&1
status=$?
cat "$log"
if [ $status -ne 0 ]; then
  echo "exit status $status"
  exit 1
fi
grep -q '^\[  PASSED  \]' "$log" && ! grep -q '^\[  FAILED  \]' "$log"
