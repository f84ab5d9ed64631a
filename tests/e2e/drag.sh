#!/usr/bin/env bash
# Dragging the digits moves the clock so that the grabbed spot ends under the
# pointer, saves the place, and the clock reopens there.
set -u
. "$(dirname "$0")/../harness/clock-e2e.sh"
e2e_setup "$1" "$2"

folder=$(e2e_install)
printf '[System]\r\nLastPositX=200\r\nLastPositY=150\r\n' >"$folder/zuvirozo.ini"
e2e_start "$folder"
e2e_check "the clock appears" e2e_has_window MainFrm
e2e_clock_drawn
read -r left top right bottom <<<"$(e2e_bounds MainFrm)"
e2e_check "it opens at the saved place ($left,$top)" test "$left,$top" = "200,150"

read -r grab_x grab_y <<<"$(e2e_digit_pixel drag-before)"
e2e_check "a glyph pixel to grab (${grab_x:-none},${grab_y:-none})" test -n "${grab_x:-}"

# A drag of 100,60 in small steps with the left button.
xdotool mousemove "$grab_x" "$grab_y" mousedown 1
for step in $(seq 1 20); do
  xdotool mousemove "$((grab_x + step * 5))" "$((grab_y + step * 3))"
done
xdotool mouseup 1
e2e_wait_saved "$folder/zuvirozo.ini" "LastPositY=210"
read -r left top right bottom <<<"$(e2e_bounds MainFrm)"
e2e_check "the clock moved by the drag to ($left,$top)" test "$left,$top" = "300,210"
e2e_check "the new place is saved" grep -q $'LastPositX=300\r' "$folder/zuvirozo.ini"
e2e_check "the new place is saved" grep -q $'LastPositY=210\r' "$folder/zuvirozo.ini"
shot=$(e2e_screenshot drag-after)
e2e_check "the grabbed spot is under the pointer again" \
  test "$(e2e_pixel "$shot" "$((grab_x + 100))" "$((grab_y + 60))")" = "#FFFFFF"

# The middle button drags too, and a release far outside the clock still ends
# the drag: the pointer stays captured.
xdotool mousemove "$((grab_x + 100))" "$((grab_y + 60))" mousedown 2
xdotool mousemove "$((grab_x + 300))" "$((grab_y + 400))" mouseup 2
e2e_wait_saved "$folder/zuvirozo.ini" "LastPositY=550"
read -r left top _ <<<"$(e2e_bounds MainFrm)"
e2e_check "a middle-button drag released outside moves it to ($left,$top)" test "$left,$top" = "500,550"
before=$(e2e_screenshot drag-middle)
xdotool mousemove 5 5
sleep 0.5
e2e_check "and it is not stuck in a drag" test "$(e2e_bounds MainFrm | cut -d' ' -f1-2)" = "500 550"
e2e_check "the clock ticks again after the drag" e2e_screen_changes_from "$before"
printf '[System]\r\nLastPositX=300\r\nLastPositY=210\r\n' >"$folder/zuvirozo.ini"

e2e_probe close MainFrm
e2e_check "the clock quits" test "$(e2e_exit_code "$folder")" = 0
e2e_start "$folder"
e2e_check "the clock reappears" e2e_has_window MainFrm
read -r left top _ <<<"$(e2e_bounds MainFrm)"
e2e_check "it reopens at the dragged place ($left,$top)" test "$left,$top" = "300,210"
e2e_probe close MainFrm
e2e_exit_code "$folder" >/dev/null

e2e_finish
