#!/usr/bin/env bash
# Compares Vantrel with a minimal reference clock under Wine on a private
# display, alternating the two (after one warm-up run of each), and prints for
# every figure the median with its range and the ratio Vantrel / reference,
# taken pair by pair.
#   BENCH_PAIRS (default 5) pairs, BENCH_SECONDS (default 60) of ticking each.
set -u
build_dir=$(cd "${1:-build/win32}" && pwd)
pairs=${BENCH_PAIRS:-5}
seconds=${BENCH_SECONDS:-60}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tests/harness/wine-env.sh"
# A prefix of its own: no test or other clock shares its server or its
# single-instance name.
mkdir -p "$build_dir/bench"
vantrel_setup "$build_dir/bench"
vantrel_start_display || exit 1
xsetroot -solid '#3070a0'
wineserver -p  # a server that stays up between runs, the same for both programs
results="$VANTREL_SCRATCH/results.txt"

# CPU ticks (user + system) of a process and all its threads.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
# Context switches of all threads: how often the process woke up.
wakeups() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ {n += $2} END {print n + 0}'; }
# The newest process matching PATTERN that runs in this benchmark's prefix
# (other Wine prefixes may be busy on the same machine).
prefix_pid() {
  local pid
  for pid in $(pgrep -f "$1" | sort -rn); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && { echo "$pid"; return; }
  done
}
status_kb() { awk -v key="$2:" '$1 == key {print $2}' "/proc/$1/status"; }

# Runs one program: prints "startup cpu server_cpu rss_kb peak_kb wakeups_per_s".
measure() {
  local exe=$1 title=$2 copy pid server start
  copy=$(vantrel_sandbox_copy "$exe")
  server=$(prefix_pid wineserver)
  start=$(date +%s%N)
  (cd "$(dirname "$copy")" && exec wine "./$(basename "$copy")") >/dev/null 2>&1 &
  # Mapped with its digits drawn: a white pixel inside the window.
  local window="" ready=""
  while [ -z "$ready" ]; do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
    if [ -n "$window" ]; then
      eval "$(xdotool getwindowgeometry --shell "$window")"
      import -window root -screen -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" rgb:- 2>/dev/null |
        od -An -tu1 -v | tr -s ' ' '\n' | grep -q '^255$' && ready=1
    fi
    [ $(( ($(date +%s%N) - start) / 1000000000 )) -gt 60 ] && { echo "no window" >&2; return 1; }
  done
  local startup_ms=$(( ($(date +%s%N) - start) / 1000000 ))
  pid=$(prefix_pid "$(basename "$copy")")
  sleep 2
  local cpu0 server0 wake0
  cpu0=$(cpu_ticks "$pid"); server0=$(cpu_ticks "$server"); wake0=$(wakeups "$pid")
  sleep "$seconds"
  local cpu1 server1 wake1 rss peak
  cpu1=$(cpu_ticks "$pid"); server1=$(cpu_ticks "$server"); wake1=$(wakeups "$pid")
  rss=$(status_kb "$pid" VmRSS); peak=$(status_kb "$pid" VmHWM)
  kill "$pid"
  vantrel_wait_for 10 bash -c "! kill -0 $pid 2>/dev/null"
  local hz; hz=$(getconf CLK_TCK)
  echo "$startup_ms $(( (cpu1 - cpu0) * 1000 / hz )) $(( (server1 - server0) * 1000 / hz )) $rss $peak $(( (wake1 - wake0) * 100 / seconds ))"
}

echo "warming up (one run of each, not counted)"
measure "$build_dir/Vantrel.exe" MainFrm >/dev/null
measure "$build_dir/reference_clock.exe" ReferenceClock >/dev/null
for i in $(seq 1 "$pairs"); do
  echo "pair $i of $pairs"
  echo "vantrel $(measure "$build_dir/Vantrel.exe" MainFrm)" >>"$results"
  echo "reference $(measure "$build_dir/reference_clock.exe" ReferenceClock)" >>"$results"
done

python3 - "$results" "$seconds" "$build_dir" <<'PY'
import os, statistics, sys
rows = [line.split() for line in open(sys.argv[1])]
seconds, build = int(sys.argv[2]), sys.argv[3]
program = [list(map(float, r[1:])) for r in rows if r[0] == "vantrel"]
reference = [list(map(float, r[1:])) for r in rows if r[0] == "reference"]
names = ["start-up (ms)", f"CPU over {seconds} s, program (ms)", f"CPU over {seconds} s, wineserver (ms)",
         "resident memory, steady (KiB)", "resident memory, peak (KiB)", "wake-ups per second"]
scale = [1, 1, 1, 1, 1, 0.01]
def summary(values):
    return f"{statistics.median(values):10.2f} ({min(values):.2f}-{max(values):.2f})"
print(f"\n{'figure':38} {'Vantrel median (range)':>30} {'reference median (range)':>30} {'ratio (range)':>22}")
for i, name in enumerate(names):
    a = [r[i] * scale[i] for r in program]
    b = [r[i] * scale[i] for r in reference]
    ratios = [x / y for x, y in zip(a, b) if y]
    ratio = f"{statistics.median(ratios):6.2f} ({min(ratios):.2f}-{max(ratios):.2f})" if ratios else "n/a"
    print(f"{name:38} {summary(a):>30} {summary(b):>30} {ratio:>22}")
for arch in ("win32", "win64"):
    path = os.path.join(os.path.dirname(build), arch, "Vantrel.exe")
    if os.path.exists(path):
        print(f"size of {arch}/Vantrel.exe: {os.path.getsize(path) / 1024:.1f} KiB")
print(f"size of reference clock (win32): {os.path.getsize(os.path.join(build, 'reference_clock.exe')) / 1024:.1f} KiB")
PY
