#!/usr/bin/env bash
# Start-up of the real program: defaults without a settings file, the refusal
# of a second copy, a fresh start after the first has quit, and the error box
# for an unusable colour.
set -u
. "$(dirname "$0")/../harness/clock-e2e.sh"
e2e_setup "$1" "$2"

first=$(e2e_install)
e2e_start "$first"
e2e_check "the clock window appears" e2e_has_window MainFrm
e2e_check "it opens at 0,0" bash -c "[[ '$(e2e_probe rect MainFrm)' == '0 0 '* ]]"
shot=$(e2e_screenshot startup-defaults)
read -r left top right bottom _ <<<"$(e2e_probe rect MainFrm)"
white=$(convert "$shot" -crop "$((right - left))x$((bottom - top))+$left+$top" -fill black +opaque white \
  -format '%[fx:int(mean*w*h)]' info:-)
e2e_check "white digits are drawn ($white white pixels)" test "$white" -gt 50
e2e_check "no settings file is created" test ! -e "$first/zuvirozo.ini"

second=$(e2e_install)
e2e_start "$second"
e2e_check "a second copy shows the refusal box" e2e_has_window zuzo_2
e2e_screenshot startup-refusal >/dev/null
e2e_check "the box says the program cannot run twice" e2e_window_says zuzo_2 "Vantrelは多重起動できません"
e2e_answer_box zuzo_2
e2e_check "the second copy exits with 1" test "$(e2e_exit_code "$second")" = 1
e2e_check "the first copy keeps running" e2e_has_window MainFrm 2

e2e_probe close MainFrm
e2e_check "the first copy quits with 0" test "$(e2e_exit_code "$first")" = 0
third=$(e2e_install)
e2e_start "$third"
e2e_check "a copy started after the first has quit runs" e2e_has_window MainFrm
e2e_probe close MainFrm
e2e_check "and quits with 0" test "$(e2e_exit_code "$third")" = 0

broken=$(e2e_install)
printf '[System]\r\nDispFontColor=White\r\n' >"$broken/zuvirozo.ini"
e2e_start "$broken"
e2e_check "an unusable colour shows the error box" e2e_has_window Vantrel
e2e_screenshot startup-colour-error >/dev/null
e2e_check "the box names the colour" e2e_window_says Vantrel "'White' は整数ではありません."
e2e_check "the clock is never shown" bash -c "! xdotool search --onlyvisible --name '^MainFrm$' >/dev/null"
e2e_answer_box Vantrel
e2e_check "the program ends with 0" test "$(e2e_exit_code "$broken")" = 0
e2e_check "the settings file is left as it was" \
  test "$(cat "$broken/zuvirozo.ini")" = "$(printf '[System]\r\nDispFontColor=White\r\n')"

e2e_finish
