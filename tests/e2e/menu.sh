#!/usr/bin/env bash
# The menu from the notification icon and from the digits, the dialogs it
# opens, the whole road to new settings, and Quit.
set -u
. "$(dirname "$0")/../harness/clock-e2e.sh"
e2e_setup "$1" "$2"

# Menu rows below the menu's top edge.
preferences_row=11
quit_row=37
about_row=63

folder=$(e2e_install)
printf '; mine\r\n[System]\r\nLastPositX=400\r\nLastPositY=150\r\n' >"$folder/zuvirozo.ini"
e2e_start "$folder"
e2e_check "the clock appears" e2e_has_window MainFrm
e2e_check "its icon is in the notification area" e2e_has_window "Wine System Tray"
read -r icon_x icon_y <<<"$(e2e_tray_icon)"
read -r left top right bottom <<<"$(e2e_bounds MainFrm)"
width24=$((right - left))

for button in 1 3; do
  e2e_check "a click with button $button on the icon opens the menu" \
    e2e_open_icon_menu "$icon_x" "$icon_y" "$button"
  e2e_check "at the cursor" test "$(e2e_probe menu | cut -d' ' -f1-2)" = "$icon_x $icon_y"
  e2e_dismiss_menu
done
e2e_click_icon 2 "$icon_x" "$icon_y"
e2e_check "a middle click opens nothing" e2e_no_menu_for 2

# A right click on the digits saves the place, then opens the menu there.
read -r left top right bottom <<<"$(e2e_bounds MainFrm)"
read -r x y <<<"$(e2e_digit_pixel menu-digits)"
xdotool mousemove "$x" "$y" click 3
e2e_check "a right click on the digits opens the menu" e2e_menu_open
e2e_check "at the pointer" test "$(e2e_probe menu | cut -d' ' -f1-2)" = "$x $y"
e2e_check "and saved the place" grep -q $'LastPositX=400\r' "$folder/zuvirozo.ini"
e2e_check "and saved the display settings" grep -q $'DispFontStyle=2\r' "$folder/zuvirozo.ini"
xdotool key p  # the item's accelerator
e2e_check "Preferences opens from the menu" e2e_has_window Preferences
e2e_screenshot menu-preferences >/dev/null

e2e_check "the icon still opens the menu while Preferences runs" e2e_open_icon_menu "$icon_x" "$icon_y"
e2e_check "with Preferences greyed" e2e_menu_row_is_grey "$preferences_row"
e2e_check "and About not" e2e_menu_row_is_black "$about_row"
e2e_choose_menu_row "$about_row"
e2e_check "About opens on top of Preferences" e2e_has_window "Vantrelのバージョン情報"
e2e_screenshot menu-about >/dev/null
e2e_check "the About dialog shows the version" e2e_window_says "Vantrelのバージョン情報" "1.0.2.0"
e2e_open_icon_menu "$icon_x" "$icon_y"
e2e_check "while About runs, About is greyed" e2e_menu_row_is_grey "$about_row"
e2e_check "and Preferences too, as its dialog still runs" e2e_menu_row_is_grey "$preferences_row"
e2e_dismiss_menu
e2e_probe close "Vantrelのバージョン情報"
vantrel_wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Vantrelのバージョン情報\$' >/dev/null"

# The road to new settings: 12 hours, red, Ok.
read -r cx cy _ <<<"$(e2e_probe client Preferences)"
xdotool mousemove "$((cx + 100))" "$((cy + 24))" click 1          # the label "12時間"
xdotool mousemove "$((cx + 140))" "$((cy + 90))" click 1          # open the colour box
sleep 0.5
xdotool key Up Up Up Up Up Up Return                              # White → Red
xdotool mousemove "$((cx + 244))" "$((cy + 188))" click 1         # Ok
e2e_wait_saved "$folder/zuvirozo.ini" 'DispFontColor=clRed'
e2e_check "Ok writes the 12-hour format" grep -q $'DispFormat=1\r' "$folder/zuvirozo.ini"
e2e_check "Ok writes the red colour" grep -q $'DispFontColor=clRed\r' "$folder/zuvirozo.ini"
e2e_check "the dialog closes" vantrel_wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Preferences\$' >/dev/null"

# Quit saves nothing and takes the icon away.
printf '; mine\r\n[System]\r\nLastPositX=400\r\nLastPositY=150\r\nDispFormat=1\r\nDispFontColor=clRed\r\n' >"$folder/zuvirozo.ini"
before=$(md5sum <"$folder/zuvirozo.ini")
e2e_open_icon_menu "$icon_x" "$icon_y"
e2e_choose_menu_row "$quit_row"
e2e_check "Quit ends the program with 0" test "$(e2e_exit_code "$folder")" = 0
e2e_check "Quit leaves the file unchanged" test "$(md5sum <"$folder/zuvirozo.ini")" = "$before"
shot=$(e2e_screenshot menu-after-quit)
tray_slot=$(e2e_colours "$shot" $((icon_x - 7)) $((icon_y - 7)) $((icon_x + 7)) $((icon_y + 7)) | wc -l)
e2e_check "the icon is gone" bash -c "! xdotool search --onlyvisible --name '^Wine System Tray\$' >/dev/null || [ $tray_slot -eq 1 ]"

# The next start shows the 12-hour text in red.
e2e_start "$folder"
e2e_check "the clock starts again" e2e_has_window MainFrm
e2e_clock_drawn
read -r left top right bottom <<<"$(e2e_bounds MainFrm)"
shot=$(e2e_screenshot menu-red-12h)
colours=$(e2e_colours "$shot" "$left" "$top" "$right" "$bottom")
e2e_check "its digits are red" grep -qx '#FF0000' <<<"$colours"
e2e_check "and none are white" bash -c "! grep -qx '#FFFFFF' <<<'$colours'"
# " AM" or " PM" adds three characters, a shorter hour takes one away at most.
e2e_check "the 12-hour text is wider ($((right - left)) px against $width24 px)" \
  test $((right - left)) -ge $((width24 + 15))
e2e_probe close MainFrm
e2e_exit_code "$folder" >/dev/null

e2e_finish
