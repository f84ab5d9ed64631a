#!/usr/bin/env bash
# A settings file that is a symbolic link is never written through: the save
# is refused with the error box, the link stays as it was and so does what it
# points to. A folder reached through a link is no reason to refuse.
set -u
. "$(dirname "$0")/../harness/clock-e2e.sh"
e2e_setup "$1" "$2"

original="$VANTREL_SCRATCH/original.ini"
printf '; kept by hand\r\n[System]\r\nLastPositX=200\r\nLastPositY=150\r\nMine=1\r\n[Other]\r\nA=b\r\n' >"$original"

# name | layout | where the clock opens | save
cases=(
  "a link to a file elsewhere|file link|200,150|refused"
  "a link to nothing|dangling link|0,0|refused"
  "a plain file in a linked folder|linked folder|200,150|in place"
)

for row in "${cases[@]}"; do
  IFS='|' read -r name layout place save <<<"$row"
  folder=$(e2e_install)
  target="$(mktemp -d "$VANTREL_SCRATCH/elsewhere.XXXXXX")/settings.ini"
  case $layout in
    "file link")
      cp "$original" "$target"
      ln -s "$target" "$folder/zuvirozo.ini"
      ;;
    "dangling link")
      ln -s "$target" "$folder/zuvirozo.ini"
      ;;
    "linked folder")
      cp "$original" "$folder/zuvirozo.ini"
      ln -s "$folder" "$folder.link"
      folder="$folder.link"
      ;;
  esac
  settings="$folder/zuvirozo.ini"
  identity=$(stat -c '%i %F' "$settings")

  e2e_start_and_drag "$name" "$folder" "$place"
  if [ "$save" = refused ]; then
    e2e_check_refused "$name" "$settings"
    e2e_check "$name: still a link to the same place" test "$(readlink "$settings")" = "$target"
    if [ "$layout" = "file link" ]; then
      e2e_check "$name: the file it points to is byte for byte as it was" cmp -s "$target" "$original"
    else
      e2e_check "$name: it still points to nothing" test ! -e "$target"
    fi
  else
    e2e_check "$name: the save reaches the file" \
      e2e_wait_saved "$settings" "LastPositX=$((${place%,*} + 100))"$'\r'
    for line in '; kept by hand' 'Mine=1' '[Other]' 'A=b'; do
      e2e_check "$name: the file keeps '$line'" grep -qxF "$line"$'\r' "$settings"
    done
  fi
  e2e_check "$name: the settings file is the same file" test "$(stat -c '%i %F' "$settings")" = "$identity"
  e2e_probe close MainFrm
  e2e_check "$name: the clock quits with 0" test "$(e2e_exit_code "$folder")" = 0
done
e2e_finish
