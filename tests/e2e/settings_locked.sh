#!/usr/bin/env bash
# A settings file that no program can open (another holds it without sharing)
# starts the clock with its defaults; a save is refused with the error box,
# the clock goes on at its new place, and the file loses nothing.
set -u
. "$(dirname "$0")/../harness/clock-e2e.sh"
e2e_setup "$1" "$2"

folder=$(e2e_install)
content=$(printf '; mine\r\n[System]\r\nLastPositX=300\r\nLastPositY=200\r\nDispFontColor=clRed\r\n')
printf '%s\r\n' "$content" >"$folder/zuvirozo.ini"
(cd "$folder" && wine "$E2E_TOOLS/holder.exe" zuvirozo.ini release >"$VANTREL_SCRATCH/holder.txt" 2>&1) &
vantrel_wait_for 20 grep -qs holding "$VANTREL_SCRATCH/holder.txt"
e2e_start "$folder"
e2e_check "the clock starts" e2e_has_window MainFrm
e2e_clock_drawn
read -r left top right bottom <<<"$(e2e_bounds MainFrm)"
e2e_check "with the default place ($left,$top)" test "$left,$top" = "0,0"
# Wine's own notification area opens over that corner.
e2e_has_window "Wine System Tray" && xdotool windowunmap --sync "$(e2e_window "Wine System Tray")"
read -r x y <<<"$(e2e_digit_pixel locked-start)"
e2e_check "and the default white digits" test -n "${x:-}"

xdotool mousemove "$x" "$y" mousedown 1 mousemove "$((x + 200))" "$((y + 300))" mouseup 1
e2e_check "a drag's save is refused with the error box" e2e_has_window Vantrel
e2e_screenshot locked-error >/dev/null
e2e_check "naming the settings file" \
  bash -c "wine '$E2E_TOOLS/probe.exe' text Vantrel | iconv -f CP932 -t UTF-8 | grep -q 'zuvirozo.ini に書き込めません.'"
e2e_answer_box Vantrel
read -r left top _ <<<"$(e2e_bounds MainFrm)"
e2e_check "the clock stays at its new place ($left,$top)" test "$left,$top" = "200,300"
before=$(e2e_screenshot locked-ticking)
e2e_check "and keeps ticking" e2e_screen_changes_from "$before"
touch "$folder/release"
vantrel_wait_for 10 bash -c "! pgrep -f holder.exe >/dev/null"
e2e_check "the file lost nothing" test "$(cat "$folder/zuvirozo.ini")" = "$(printf '%s\r\n' "$content")"

e2e_probe close MainFrm
e2e_exit_code "$folder" >/dev/null
e2e_finish
