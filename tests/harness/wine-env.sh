# Shared by every test that runs a Windows program: a private Wine prefix under
# the build folder, a private X display, and a scratch folder per test.
# Source it, then call vantrel_setup BUILD_DIR.

vantrel_setup() {
  VANTREL_BUILD_DIR=$(cd "$1" && pwd)
  export WINEPREFIX="$VANTREL_BUILD_DIR/wine-prefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
  # One prefix per build folder, made once; a lock keeps parallel tests from racing.
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.vantrel-ready" ]; then
      rm -rf "$WINEPREFIX"
      DISPLAY= wineboot -i >/dev/null 2>&1 || true
      # No window manager runs on the test displays: Wine frames and focuses its
      # windows itself, so a clicked clock is never re-mapped mid-drag.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.vantrel-ready"
    fi
  ) 9>"$VANTREL_BUILD_DIR/.wine-prefix.lock"
  VANTREL_SCRATCH=$(mktemp -d "$VANTREL_BUILD_DIR/scratch.XXXXXX")
  trap vantrel_cleanup EXIT
}

# Starts a private Xvfb on a free display number and exports DISPLAY.
vantrel_start_display() {
  local size=${1:-1280x800x24} n
  for n in $(seq 40 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "$size" -nolisten tcp -noreset >/dev/null 2>&1 &
    VANTREL_XVFB_PID=$!
    export DISPLAY=":$n"
    # Another run may have taken the number at the same moment: then our server
    # has exited and the display answering is not ours.
    if vantrel_wait_for 10 xdpyinfo >/dev/null 2>&1 && kill -0 "$VANTREL_XVFB_PID" 2>/dev/null; then
      return 0
    fi
    kill "$VANTREL_XVFB_PID" 2>/dev/null
    unset VANTREL_XVFB_PID
  done
  echo "no free X display" >&2
  return 1
}

# Runs a command until it succeeds or the seconds run out.
vantrel_wait_for() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  while ! "$@"; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.1
  done
}

# Copies an executable into a fresh folder of its own and prints the new path.
vantrel_sandbox_copy() {
  local dir
  dir=$(mktemp -d "$VANTREL_SCRATCH/run.XXXXXX")
  cp "$1" "$dir/"
  echo "$dir/$(basename "$1")"
}

vantrel_cleanup() {
  wineserver -k >/dev/null 2>&1
  if [ -n "${VANTREL_XVFB_PID:-}" ]; then
    kill "$VANTREL_XVFB_PID" 2>/dev/null
    wait "$VANTREL_XVFB_PID" 2>/dev/null
  fi
  [ -n "${VANTREL_KEEP_SCRATCH:-}" ] || rm -rf "$VANTREL_SCRATCH"
}
