#!/usr/bin/env bash
# Compares Vantrel with a minimal reference clock under Wine on a private
# display, alternating the two (after one warm-up run of each), and prints for
# every figure the median with its range and the ratio Vantrel / reference,
# taken pair by pair.
#   BENCH_PAIRS (default 5) pairs, BENCH_SECONDS (default 60) of ticking each,
#   then BENCH_TRACE_SECONDS (default 10) under strace to count wake-ups;
#   BENCH_STARTS (default 30) further pairs of start-ups alone, as start-up
#   varies far more from run to run than the other figures.
set -u
build_dir=$(cd "${1:-build/win32}" && pwd)
pairs=${BENCH_PAIRS:-5}
seconds=${BENCH_SECONDS:-60}
trace_seconds=${BENCH_TRACE_SECONDS:-10}
starts=${BENCH_STARTS:-30}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tests/harness/wine-env.sh"
# A prefix of its own: no test or other clock shares its server or its
# single-instance name.
mkdir -p "$build_dir/bench"
vantrel_setup "$build_dir/bench"
vantrel_start_display || exit 1
xsetroot -solid '#3070a0'
wineserver -p  # a server that stays up between runs, the same for both programs
# Wine starts its desktop process with the first window of a session and ends
# it with the last; a minimised window kept open holds it, as a running shell
# is always there on Windows, so that each start-up is the program's own.
wine start /min notepad >/dev/null 2>&1
results="$VANTREL_SCRATCH/results.txt"
startups="$VANTREL_SCRATCH/startups.txt"
# Watches the display every 2 ms, where a shell loop of screenshots
# would round the start-up up to its own pace.
window_ready="$build_dir/bench/window_ready"
cc -O2 -Wall -Wextra -Werror -o "$window_ready" "$here/tools/window_ready.c" -lX11 || exit 1

# CPU time (user + system) of a process and all its threads, in microseconds:
# the scheduler's own account, finer than the 10 ms ticks of /proc/PID/stat.
cpu_us() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{n += $1} END {printf "%d\n", n / 1000}'; }
# Context switches of all threads. Under Wine every call into the Wine server
# is a round trip that blocks for microseconds, so this counts those too.
context_switches() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ {n += $2} END {print n + 0}'; }
# Traces every thread of the process for SECONDS and prints "WAKEUPS SYSCALLS":
# a wake-up is a return from a blocking call that waited 2 ms or more (server
# round trips take microseconds, even traced); the system calls show the work
# done per wake-up.
traced_wakeups() {
  local trace="$VANTREL_SCRATCH/trace.$1"
  timeout --signal=INT "$2" strace -f -qq -T -p "$1" -o "$trace" 2>/dev/null
  awk '!/resumed>/ { calls++ } match($0, /<[0-9.]+>$/) { if (substr($0, RSTART + 1, RLENGTH - 2) + 0 >= 0.002) woke++ }
       END { print woke + 0, calls + 0 }' "$trace"
}
# The newest process matching PATTERN that runs in this benchmark's prefix
# (other Wine prefixes may be busy on the same machine).
prefix_pid() {
  local pid
  for pid in $(pgrep -f "$1" | sort -rn); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && { echo "$pid"; return; }
  done
}
status_kb() { awk -v key="$2:" '$1 == key {print $2}' "/proc/$1/status"; }

# Starts a fresh copy of EXE and waits until its window TITLE is mapped with
# its digits drawn (a white pixel inside it); sets launched_pid and
# startup_ms, the time from process start to then.
launch() {
  local exe=$1 title=$2 copy start
  copy=$(vantrel_sandbox_copy "$exe")
  # Vantrel at the reference's place, clear of Wine's notification area at
  # the top-left corner, which would otherwise cover the clock's default place.
  printf '[System]\r\nLastPositX=400\r\nLastPositY=300\r\n' >"$(dirname "$copy")/zuvirozo.ini"
  start=$(date +%s%N)
  (cd "$(dirname "$copy")" && exec wine "./$(basename "$copy")") >/dev/null 2>&1 &
  startup_ms=$("$window_ready" "$title" "$start" 60) || { echo "no window" >&2; return 1; }
  launched_pid=$(prefix_pid "$(basename "$copy")")
}

stop_program() {
  kill "$1"
  vantrel_wait_for 10 bash -c "! kill -0 $1 2>/dev/null"
}

# Runs one program: prints "startup_ms cpu_us server_cpu_us rss_kb peak_kb
# wakeups syscalls context_switches", the counts over their own spans.
measure() {
  local server pid
  server=$(prefix_pid wineserver)
  launch "$1" "$2" || return 1
  pid=$launched_pid
  sleep 2
  local cpu0 server0 switches0
  cpu0=$(cpu_us "$pid"); server0=$(cpu_us "$server"); switches0=$(context_switches "$pid")
  sleep "$seconds"
  local cpu1 server1 switches1 rss peak
  cpu1=$(cpu_us "$pid"); server1=$(cpu_us "$server"); switches1=$(context_switches "$pid")
  rss=$(status_kb "$pid" VmRSS); peak=$(status_kb "$pid" VmHWM)
  # Traced after the ticking figures, which the tracer would slow down.
  local woke calls
  read -r woke calls <<<"$(traced_wakeups "$pid" "$trace_seconds")"
  stop_program "$pid"
  echo "$startup_ms $((cpu1 - cpu0)) $((server1 - server0)) $rss $peak $woke $calls" \
    "$((switches1 - switches0))"
}

echo "warming up (one run of each, not counted)"
measure "$build_dir/Vantrel.exe" MainFrm >/dev/null
measure "$build_dir/reference_clock.exe" ReferenceClock >/dev/null
for i in $(seq 1 "$pairs"); do
  echo "pair $i of $pairs"
  echo "vantrel $(measure "$build_dir/Vantrel.exe" MainFrm)" >>"$results"
  echo "reference $(measure "$build_dir/reference_clock.exe" ReferenceClock)" >>"$results"
done
awk '{print $1, $2}' "$results" >"$startups"
for i in $(seq 1 "$starts"); do
  echo "start-up pair $i of $starts"
  for program in "vantrel Vantrel.exe MainFrm" "reference reference_clock.exe ReferenceClock"; do
    set -- $program
    launch "$build_dir/$2" "$3" || exit 1
    echo "$1 $startup_ms" >>"$startups"
    stop_program "$launched_pid"
  done
done

python3 - "$results" "$seconds" "$trace_seconds" "$build_dir" "$startups" <<'PY'
import os, statistics, sys
rows = [line.split() for line in open(sys.argv[1])]
seconds, trace_seconds, build = int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
starts = [line.split() for line in open(sys.argv[5])]
program = [list(map(float, r[2:])) for r in rows if r[0] == "vantrel"]
reference = [list(map(float, r[2:])) for r in rows if r[0] == "reference"]
# Each measured column: its name and its factor to the unit shown.
columns = [(f"CPU over {seconds} s, program (ms)", 0.001),
           (f"CPU over {seconds} s, wineserver (ms)", 0.001),
           ("resident memory, steady (KiB)", 1), ("resident memory, peak (KiB)", 1),
           ("wake-ups per second", 1 / trace_seconds), ("system calls per second", 1 / trace_seconds),
           ("context switches per second", 1 / seconds)]
def summary(values):
    return f"{statistics.median(values):10.2f} ({min(values):.2f}-{max(values):.2f})"
# Start-up from every start, the pairs' and the further ones.
figures = [(f"start-up (ms), {sum(r[0] == 'vantrel' for r in starts)} of each",
            [float(r[1]) for r in starts if r[0] == "vantrel"],
            [float(r[1]) for r in starts if r[0] == "reference"])]
figures += [(name, [r[i] * factor for r in program], [r[i] * factor for r in reference])
            for i, (name, factor) in enumerate(columns)]
print(f"\n{'figure':38} {'Vantrel median (range)':>30} {'reference median (range)':>30} {'ratio (range)':>22}")
for name, a, b in figures:
    ratios = [x / y for x, y in zip(a, b) if y]
    ratio = f"{statistics.median(ratios):6.2f} ({min(ratios):.2f}-{max(ratios):.2f})" if ratios else "n/a"
    print(f"{name:38} {summary(a):>30} {summary(b):>30} {ratio:>22}")
for arch in ("win32", "win64"):
    path = os.path.join(os.path.dirname(build), arch, "Vantrel.exe")
    if os.path.exists(path):
        print(f"size of {arch}/Vantrel.exe: {os.path.getsize(path) / 1024:.1f} KiB")
print(f"size of reference clock (win32): {os.path.getsize(os.path.join(build, 'reference_clock.exe')) / 1024:.1f} KiB")
PY
