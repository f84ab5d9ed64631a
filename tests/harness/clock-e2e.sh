# Helpers for end-to-end tests of the real program. Source this, then call
# e2e_setup BUILD_DIR EXE.
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

e2e_setup() {
  vantrel_setup "$1"
  E2E_EXE=$2
  E2E_TOOLS=$VANTREL_BUILD_DIR
  E2E_SHOTS="$VANTREL_BUILD_DIR/e2e-shots"
  mkdir -p "$E2E_SHOTS"
  E2E_FAILURES=0
  vantrel_start_display || exit 1
  xsetroot -solid "${E2E_ROOT_COLOUR:-#3070a0}"
}

# A fresh folder with a copy of the program; prints the folder.
e2e_install() {
  dirname "$(vantrel_sandbox_copy "$E2E_EXE")"
}

# Starts the program in FOLDER in the background; its exit code lands in
# FOLDER/exit-code when it ends.
e2e_start() {
  local folder=$1
  rm -f "$folder/exit-code"
  (cd "$folder" && wine ./Vantrel.exe >/dev/null 2>&1; echo $? >"$folder/exit-code") &
}

e2e_exit_code() {
  local folder=$1
  vantrel_wait_for "${2:-20}" test -s "$folder/exit-code" || {
    echo timeout
    return
  }
  cat "$folder/exit-code"
}

e2e_probe() {
  wine "$E2E_TOOLS/probe.exe" "$@" 2>/dev/null | iconv -f CP932 -t UTF-8 | tr -d '\r'
}

# Waits until a visible X window with exactly this name exists; prints its id.
e2e_window() {
  local name=$1 seconds=${2:-20} id=""
  local deadline=$((SECONDS + seconds))
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] && break
    sleep 0.2
  done
  echo "$id"
  [ -n "$id" ]
}

e2e_screenshot() {
  local file="$E2E_SHOTS/$1.png"
  import -window root -screen "$file.ppm.png" 2>/dev/null
  convert "$file.ppm.png" -depth 8 "$file"
  rm -f "$file.ppm.png"
  echo "$file"
}

# The colour of one pixel of a screenshot, as "#RRGGBB".
e2e_pixel() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 -format '#%[hex:p{0,0}]' info:- | cut -c1-7
}

e2e_check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAILED: $what"
    E2E_FAILURES=$((E2E_FAILURES + 1))
  fi
}

e2e_finish() {
  echo "screenshots: $E2E_SHOTS"
  [ "$E2E_FAILURES" -eq 0 ]
}

# Waits until the clock's window shows its digits: more than one colour in it.
e2e_clock_drawn() {
  local deadline=$((SECONDS + ${1:-10})) shot left top right bottom
  while [ $SECONDS -lt $deadline ]; do
    read -r left top right bottom <<<"$(e2e_bounds MainFrm)"
    if [ -n "$bottom" ]; then
      shot=$(e2e_screenshot drawn)
      [ "$(e2e_colours "$shot" "$left" "$top" "$right" "$bottom" | wc -l)" -gt 1 ] && return 0
    fi
    sleep 0.2
  done
  return 1
}

e2e_has_window() {
  e2e_window "$@" >/dev/null
}

# True when a child of the window TITLE reads exactly TEXT.
e2e_window_says() {
  e2e_probe text "$1" | cut -f2- | grep -qxF "$2"
}

# Bounds of a window as "LEFT TOP RIGHT BOTTOM".
e2e_bounds() {
  e2e_probe rect "$1" | cut -d' ' -f1-4
}

# The first pixel of COLOUR (e.g. "#FFFFFF") inside LEFT TOP RIGHT BOTTOM of a
# screenshot, as "X Y" in screen coordinates; nothing when there is none.
e2e_find_pixel() {
  local shot=$1 colour=$2 left=$3 top=$4 right=$5 bottom=$6
  convert "$shot" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage -depth 8 txt:- |
    grep -m1 -i " $colour" | sed -E "s/^([0-9]+),([0-9]+):.*/\1 \2/" |
    { read -r x y && [ -n "$x" ] && echo "$((x + left)) $((y + top))"; }
}

# A pixel of a white digit of the clock, as "X Y", from a screenshot NAME.
e2e_digit_pixel() {
  local shot left top right bottom
  read -r left top right bottom <<<"$(e2e_bounds MainFrm)"
  shot=$(e2e_screenshot "$1")
  e2e_find_pixel "$shot" '#FFFFFF' "$left" "$top" "$right" "$bottom"
}

# The distinct colours inside LEFT TOP RIGHT BOTTOM of a screenshot, one per line.
e2e_colours() {
  local shot=$1 left=$2 top=$3 right=$4 bottom=$5
  convert "$shot" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage -depth 8 \
    -format %c histogram:info:- | grep -oE '#[0-9A-Fa-f]{6}' | tr a-f A-F | sort -u
}

# True once the screen differs from the screenshot FILE (within SECONDS).
e2e_screen_changes_from() {
  local reference=$1 seconds=${2:-5}
  vantrel_wait_for "$seconds" bash -c "import -window root -screen '$reference.now.png' 2>/dev/null &&
    ! cmp -s <(convert '$reference' -depth 8 rgb:-) <(convert '$reference.now.png' -depth 8 rgb:-)"
  local changed=$?
  rm -f "$reference.now.png"
  return $changed
}

# The centre of the first icon in Wine's own notification area, as "X Y",
# once the icon is drawn there.
e2e_tray_icon() {
  local left top deadline=$((SECONDS + 20)) shot
  while [ $SECONDS -lt $deadline ]; do
    read -r left top _ <<<"$(e2e_probe client "Wine System Tray")"
    if [ -n "$left" ]; then
      shot=$(e2e_screenshot tray)
      if [ "$(e2e_colours "$shot" "$((left + 2))" "$((top + 2))" "$((left + 18))" "$((top + 18))" | wc -l)" -gt 2 ]; then
        echo "$((left + 10)) $((top + 10))"
        return 0
      fi
    fi
    sleep 0.2
  done
  return 1
}

# A single click with BUTTON on the notification icon at X Y. Two clicks on
# the icon within the double-click time make a double-click, which opens
# nothing, so a click waits that long after the one before.
e2e_click_icon() {
  local button=$1 x=$2 y=$3
  sleep 0.6
  xdotool mousemove "$x" "$y" click "$button"
}

e2e_menu_open() {
  vantrel_wait_for "${1:-10}" bash -c "wine '$E2E_TOOLS/probe.exe' menu >/dev/null 2>&1"
}

e2e_menu_closed() {
  vantrel_wait_for "${1:-10}" bash -c "! wine '$E2E_TOOLS/probe.exe' menu >/dev/null 2>&1"
}

# Closes the open menu the way a user would: a click away from it.
e2e_dismiss_menu() {
  xdotool mousemove 1200 750 click 1
  e2e_menu_closed
}

# True when no menu opens within SECONDS.
e2e_no_menu_for() {
  ! e2e_menu_open "$1"
}

# Whether a row of the open menu (by its offset from the menu's top) shows
# black text: an enabled item does, a greyed one does not.
e2e_menu_row_is_black() {
  local row=$1 left top right bottom shot
  read -r left top right bottom <<<"$(e2e_probe menu)"
  shot=$(e2e_screenshot menu-row)
  e2e_colours "$shot" "$((left + 4))" "$((top + row - 8))" "$((right - 4))" "$((top + row + 8))" |
    grep -qx '#000000'
}

# Chooses the item of the open menu at ROW below its top with a click.
e2e_choose_menu_row() {
  local left top
  read -r left top _ <<<"$(e2e_probe menu)"
  # Point at the item first, as a hand does; a menu that has only just
  # opened may not be tracking the mouse yet.
  xdotool mousemove "$((left + 30))" "$((top + $1))"
  sleep 0.3
  xdotool click 1
}

e2e_menu_row_is_grey() {
  e2e_menu_open 2 && ! e2e_menu_row_is_black "$1"
}

# Opens the icon's menu with a click (BUTTON, left by default) and leaves it
# open. Without a window manager, Wine may hand the activation around a moment
# after the menu opens (just after start, or to a dialog that has just
# appeared) and close it again; a person would then click once more, and so
# does this, once.
e2e_open_icon_menu() {
  local icon_x=$1 icon_y=$2 button=${3:-1} attempt
  for attempt in 1 2; do
    e2e_click_icon "$button" "$icon_x" "$icon_y"
    if e2e_menu_open; then
      sleep 0.5
      e2e_menu_open 1 && return 0
    fi
  done
  return 1
}

# Opens the window TITLE through the item at ROW of the icon's menu.
e2e_open_from_icon_menu() {
  local row=$1 title=$2 icon_x=$3 icon_y=$4 attempt
  for attempt in 1 2; do
    e2e_open_icon_menu "$icon_x" "$icon_y" && e2e_choose_menu_row "$row"
    e2e_has_window "$title" 5 && return 0
  done
  return 1
}

# Answers the message box TITLE with Enter, as a person would, pressing again
# if the key went to a window that had not taken the focus yet.
e2e_answer_box() {
  local title=$1 attempt
  for attempt in 1 2 3; do
    xdotool windowfocus --sync "$(e2e_window "$title")" key Return 2>/dev/null
    vantrel_wait_for 5 bash -c "! xdotool search --onlyvisible --name '^$title\$' >/dev/null" && return 0
  done
  return 1
}

# The settings FILE as the test reads it; a test whose files are closed to its
# own account reads them another way.
e2e_read_settings() {
  cat "$1" 2>/dev/null
}

# Waits until the settings FILE holds PATTERN and has stopped changing: a save
# rewrites the whole file once for each of its keys.
e2e_wait_saved() {
  local file=$1 pattern=$2 deadline=$((SECONDS + ${3:-10})) before
  while [ $SECONDS -lt $deadline ]; do
    if e2e_read_settings "$file" | grep -q "$pattern"; then
      before=$(e2e_read_settings "$file")
      sleep 0.3
      [ "$(e2e_read_settings "$file")" = "$before" ] && return 0
    else
      sleep 0.1
    fi
  done
  return 1
}

# Starts the clock in FOLDER, checks for the case NAME that it opens at PLACE
# ("X,Y"), then drags its digits 100 pixels right and 50 down, which saves.
e2e_start_and_drag() {
  local name=$1 folder=$2 place=$3 left top x y
  e2e_start "$folder"
  e2e_check "$name: the clock starts" e2e_has_window MainFrm
  e2e_clock_drawn
  read -r left top _ <<<"$(e2e_bounds MainFrm)"
  e2e_check "$name: at $place ($left,$top)" test "$left,$top" = "$place"
  # Wine's own notification area opens over the default place.
  e2e_has_window "Wine System Tray" 1 && xdotool windowunmap --sync "$(e2e_window "Wine System Tray")"
  read -r x y <<<"$(e2e_digit_pixel before-drag)"
  xdotool mousemove "$x" "$y" mousedown 1 mousemove "$((x + 100))" "$((y + 50))" mouseup 1
}

# Checks for the case NAME that the save to the settings FILE was refused with
# the error box naming it, and answers the box.
e2e_check_refused() {
  local name=$1 file=$2
  e2e_check "$name: the save is refused with the error box" e2e_has_window Vantrel
  e2e_screenshot refused >/dev/null
  e2e_check "$name: naming the settings file" \
    e2e_window_says Vantrel "Z:${file//\//\\} に書き込めません."
  e2e_answer_box Vantrel
}
