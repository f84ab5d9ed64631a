#!/usr/bin/env bash
# Runs a fuzz target over its regression cases, then for SECONDS on a fresh
# corpus. A crash is saved beside the build for a regression case to be made.
set -u
target=$1 regressions=$2 seconds=$3
work=$(mktemp -d "$(dirname "$target")/fuzz-$(basename "$target").XXXXXX")
trap 'rm -rf "$work/corpus"' EXIT
mkdir -p "$work/corpus"
if [ -d "$regressions" ] && [ -n "$(ls -A "$regressions")" ]; then
  "$target" -runs=0 "$regressions"/* || exit 1
fi
"$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/" \
  "$work/corpus" 2>"$work/log.txt"
status=$?
tail -n 12 "$work/log.txt"
[ $status -eq 0 ] || echo "crash input saved under $work"
exit $status
