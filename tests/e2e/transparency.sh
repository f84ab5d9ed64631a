#!/usr/bin/env bash
# Only the digits show and only they take the mouse: every other pixel of the
# clock shows what lies beneath, clicks there reach the window beneath, and
# the digits have no fringe of the key colour over any desktop.
set -u
. "$(dirname "$0")/../harness/clock-e2e.sh"
E2E_ROOT_COLOUR='#3070A0'
e2e_setup "$1" "$2"

folder=$(e2e_install)
# A smoothed TrueType face would show any fringe at once.
printf '[System]\r\nLastPositX=300\r\nLastPositY=200\r\nDispFontName=IPAゴシック\r\nDispFontSize=20\r\n' |
  iconv -f UTF-8 -t CP932 >"$folder/zuvirozo.ini"
e2e_start "$folder"
e2e_check "the clock appears" e2e_has_window MainFrm
e2e_clock_drawn
read -r left top right bottom <<<"$(e2e_bounds MainFrm)"
shot=$(e2e_screenshot transparency-root)
colours=$(e2e_colours "$shot" "$left" "$top" "$right" "$bottom" | tr '\n' ' ')
e2e_check "the clock's area shows only the desktop and white digits ($colours)" \
  test "$colours" = "#3070A0 #FFFFFF "

# A window beneath the clock that reports the clicks it gets. It opens first:
# with no window manager, Wine stacks a newly shown window above every other
# one, top-most or not.
e2e_probe close MainFrm
e2e_exit_code "$folder" >/dev/null
catcher_log="$VANTREL_SCRATCH/catcher.txt"
wine "$E2E_TOOLS/catcher.exe" 250 150 400 200 >"$catcher_log" 2>/dev/null &
vantrel_wait_for 20 grep -q ready "$catcher_log"
e2e_start "$folder"
e2e_has_window MainFrm
e2e_clock_drawn
shot=$(e2e_screenshot transparency-catcher)
e2e_check "the window beneath shows through the clock" \
  test "$(e2e_colours "$shot" "$left" "$top" "$right" "$bottom" | tr '\n' ' ')" = "#C828A0 #FFFFFF "
read -r bx by <<<"$(e2e_find_pixel "$shot" '#C828A0' "$left" "$top" "$right" "$bottom")"
read -r gx gy <<<"$(e2e_find_pixel "$shot" '#FFFFFF' "$left" "$top" "$right" "$bottom")"
e2e_check "the clock stays on top of it" test -n "${gx:-}"
# The clock saves its place on every release it gets: a changed file shows it.
# The digit comes first: with no window manager, Wine raises a window it
# activates above every other, so the clicked window beneath would then hide
# the clock.
sed -i 's/LastPositX=300/LastPositX=999/' "$folder/zuvirozo.ini"
xdotool mousemove "$gx" "$gy" click 1
e2e_check "a click on a digit reaches the clock" \
  e2e_wait_saved "$folder/zuvirozo.ini" $'LastPositX=300\r'
sed -i 's/LastPositX=300/LastPositX=999/' "$folder/zuvirozo.ini"
sleep 0.6  # no double-click with the next click
xdotool mousemove "$bx" "$by" click 1
e2e_check "a click on the clock's background reaches the window beneath" \
  vantrel_wait_for 10 grep -q "click $bx $by" "$catcher_log"
e2e_check "and not the clock" grep -q $'LastPositX=999\r' "$folder/zuvirozo.ini"
e2e_check "the digit's click did not reach the window beneath" \
  bash -c "! grep -q 'click $gx $gy' '$catcher_log'"
pkill -f catcher.exe
vantrel_wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Catcher\$' >/dev/null"

for desktop in '#FFFFFF' '#000000' '#808080'; do
  xsetroot -solid "$desktop"
  sleep 1.2  # a tick repaints the digits over the new desktop
  shot=$(e2e_screenshot "transparency-${desktop#\#}")
  colours=$(e2e_colours "$shot" "$left" "$top" "$right" "$bottom" | grep -vx "$desktop" | tr '\n' ' ')
  e2e_check "over $desktop only white digits show, no fringe ($colours)" test "$colours" = "#FFFFFF " -o \
    "$desktop" = '#FFFFFF' -a -z "$colours"
done

e2e_probe close MainFrm
e2e_exit_code "$folder" >/dev/null
e2e_finish
