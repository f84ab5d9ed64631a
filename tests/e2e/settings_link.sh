#!/usr/bin/env bash
# A settings file that is a symbolic link to a file elsewhere stays a link
# after a save, and the file it points to keeps every line.
set -u
. "$(dirname "$0")/../harness/clock-e2e.sh"
e2e_setup "$1" "$2"

folder=$(e2e_install)
shared="$VANTREL_SCRATCH/shared-settings.ini"
printf '; kept by hand\r\n[System]\r\nLastPositX=200\r\nLastPositY=150\r\nMine=1\r\n[Other]\r\nA=b\r\n' >"$shared"
ln -s "$shared" "$folder/zuvirozo.ini"
e2e_start "$folder"
e2e_check "the clock starts from the linked file" e2e_has_window MainFrm
e2e_clock_drawn
read -r left top right bottom <<<"$(e2e_bounds MainFrm)"
e2e_check "at the place the linked file holds ($left,$top)" test "$left,$top" = "200,150"
read -r x y <<<"$(e2e_digit_pixel link-before)"
xdotool mousemove "$x" "$y" mousedown 1 mousemove "$((x + 20))" "$((y + 10))" mouseup 1
e2e_wait_saved "$shared" 'LastPositX=220'
e2e_check "the save went to the linked file" grep -q $'LastPositX=220\r' "$shared"
e2e_check "the settings file is still a link" test -L "$folder/zuvirozo.ini"
for line in '; kept by hand' 'Mine=1' '[Other]' 'A=b'; do
  e2e_check "the linked file keeps '$line'" grep -qF "$line" "$shared"
done
e2e_probe close MainFrm
e2e_exit_code "$folder" >/dev/null
e2e_finish
