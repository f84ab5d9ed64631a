#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it.
set -u
cd "$(dirname "$0")/.."
bad=0
while IFS= read -r file; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
    echo "not formatted: $file (run: make format)"
    bad=1
  fi
done < <(git ls-files '*.cpp' '*.h')
exit $bad
