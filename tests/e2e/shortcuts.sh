#!/usr/bin/env bash
# A double-click on the digits starts the date and time settings, and Quit
# ends the program while a dialog runs, saving nothing.
set -u
. "$(dirname "$0")/../harness/clock-e2e.sh"
e2e_setup "$1" "$2"

folder=$(e2e_install)
cp "$E2E_TOOLS/control.exe" "$folder/"
printf '[System]\r\nLastPositX=400\r\nLastPositY=150\r\n' >"$folder/zuvirozo.ini"
e2e_start "$folder"
e2e_check "the clock appears" e2e_has_window MainFrm
e2e_clock_drawn
read -r left top right bottom <<<"$(e2e_bounds MainFrm)"
read -r x y <<<"$(e2e_digit_pixel shortcuts)"
xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
e2e_check "a double-click on the digits starts the date and time settings" \
  vantrel_wait_for 10 test -s "$folder/launched.txt"
e2e_check "as control.exe timedate.cpl" grep -q 'control.exe timedate.cpl$' "$folder/launched.txt"
e2e_check "the clock stays where it was" test "$(e2e_bounds MainFrm)" = "$left $top $right $bottom"

# A fresh run: Wine is slow to settle the activation after a process starts.
e2e_probe close MainFrm
e2e_exit_code "$folder" >/dev/null
e2e_start "$folder"
e2e_has_window MainFrm
read -r icon_x icon_y <<<"$(e2e_tray_icon)"
e2e_check "Preferences opens" e2e_open_from_icon_menu 11 Preferences "$icon_x" "$icon_y"
printf '; untouched\r\n[System]\r\nLastPositX=400\r\nLastPositY=150\r\n' >"$folder/zuvirozo.ini"
e2e_check "the menu opens from the icon while Preferences runs" e2e_open_icon_menu "$icon_x" "$icon_y"
e2e_choose_menu_row 37
e2e_check "Quit ends the program while the dialog runs" test "$(e2e_exit_code "$folder")" = 0
e2e_check "and nothing was saved" \
  test "$(cat "$folder/zuvirozo.ini")" = "$(printf '; untouched\r\n[System]\r\nLastPositX=400\r\nLastPositY=150\r\n')"

e2e_finish
