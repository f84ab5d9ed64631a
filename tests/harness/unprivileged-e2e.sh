# End-to-end tests that run the program as an ordinary Unix user, so that file
# permissions bind it as they bind a person's account. Source this instead of
# clock-e2e.sh and call e2e_user_setup BUILD_DIR EXE in place of e2e_setup.
# Every Wine program the test starts, the clock and the probe alike, then runs
# as that user in a prefix of its own; the test itself stays privileged to lay
# out files the user may not touch.
. "$(dirname "${BASH_SOURCE[0]}")/clock-e2e.sh"

E2E_USER=vantrel-e2e
# The exit status ctest reports as a skipped test.
E2E_SKIPPED=77

# Runs a command as root: directly when the test is root, through sudo otherwise.
e2e_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  else
    sudo -n "$@"
  fi
}

# Runs a command as the test user with the test's Wine and X settings.
e2e_as_user() {
  local become=(setpriv --reuid="$E2E_USER" --regid="$E2E_USER" --init-groups)
  [ "$(id -u)" -eq 0 ] || become=(sudo -n -u "$E2E_USER")
  "${become[@]}" env PATH="$PATH" HOME="$E2E_USER_HOME" WINEPREFIX="$E2E_USER_HOME/wine-prefix" \
    WINEDEBUG="$WINEDEBUG" WINEDLLOVERRIDES="$WINEDLLOVERRIDES" LANG="$LANG" LC_ALL="$LC_ALL" \
    DISPLAY="${DISPLAY:-}" "$@"
}

e2e_user_setup() {
  if [ "$(id -u)" -ne 0 ] && ! sudo -n true 2>/dev/null; then
    echo "skipped: making and becoming the user $E2E_USER needs root or passwordless sudo"
    exit "$E2E_SKIPPED"
  fi
  if ! id -u "$E2E_USER" >/dev/null 2>&1; then
    e2e_root useradd --system --no-create-home --home-dir /nonexistent \
      --shell /usr/sbin/nologin "$E2E_USER" || exit 1
  fi
  e2e_setup "$1" "$2"
  trap e2e_user_cleanup EXIT
  # The user's home and Wine prefix, made once per build folder by the same
  # code as everyone else's, run as the user: Wine refuses a prefix it does
  # not own.
  E2E_USER_HOME="$VANTREL_BUILD_DIR/as-$E2E_USER"
  e2e_root install -d -o "$E2E_USER" -g "$E2E_USER" "$E2E_USER_HOME"
  e2e_as_user bash -c '. "$1"; vantrel_setup "$2"' _ \
    "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh" "$E2E_USER_HOME" || exit 1
  # Xvfb lets local users in while it has no authority file; the grant keeps
  # the display open to the user should that change.
  xhost "+si:localuser:$E2E_USER" >/dev/null
  # The scratch folder is private to the test; its program folders must be
  # reachable.
  chmod 755 "$VANTREL_SCRATCH"
  export E2E_USER E2E_USER_HOME
  # The harness's helpers call wine and wineserver by name, also from child
  # shells: these send them to the user's prefix.
  wine() { e2e_as_user wine "$@"; }
  wineserver() { e2e_as_user wineserver "$@"; }
  export -f wine wineserver e2e_as_user
}

# The test's account may not read what the user owns.
e2e_read_settings() {
  e2e_root cat "$1" 2>/dev/null
}

# Hands the scratch folder back to the test, so that it can be removed.
e2e_user_cleanup() {
  e2e_root chown -R "$(id -u):$(id -g)" "$VANTREL_SCRATCH"
  chmod -R u+rwX "$VANTREL_SCRATCH"
  vantrel_cleanup
}

# Gives PATH to OWNER, an account or "user" for the test user, and its login
# group, with MODE.
e2e_own() {
  local owner=$1 mode=$2 path=$3
  [ "$owner" = user ] && owner=$E2E_USER
  e2e_root chown "$owner:" "$path" && e2e_root chmod "$mode" "$path"
}
