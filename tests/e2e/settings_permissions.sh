#!/usr/bin/env bash
# Settings files and folders closed to the user who runs the clock, with real
# permissions: the clock runs as an ordinary user. A file it cannot read
# starts the clock with its defaults. A save either updates the file in place
# with every line the program does not own kept, or is refused with the error
# box and leaves the file as it was; nothing ever replaces the file.
set -u
. "$(dirname "$0")/../harness/unprivileged-e2e.sh"
e2e_user_setup "$1" "$2"

content=$'; kept by hand\r\n[System]\r\nLastPositX=200\r\nLastPositY=150\r\nMine=1\r\n[Other]\r\nA=b\r\n'
original="$VANTREL_SCRATCH/original.ini"
printf '%s' "$content" >"$original"

has_line() {
  e2e_read_settings "$1" | grep -qxF "$2"
}

# name | owner of the folder | owner and mode of the file | where the clock opens | save
cases=(
  "root's file, closed to the user|user|root 600|0,0|refused"
  "root's file, closed to all|user|root 000|0,0|refused"
  "the user's file, write-only|user|user 200|0,0|refused"
  "the user's file in a closed folder|root|user 600|200,150|in place"
  "root's readable file in a closed folder|root|root 644|200,150|refused"
)

for row in "${cases[@]}"; do
  IFS='|' read -r name folder_owner file_access place save <<<"$row"
  read -r file_owner file_mode <<<"$file_access"
  folder=$(e2e_install)
  settings="$folder/zuvirozo.ini"
  cp "$original" "$settings"
  e2e_own "$file_owner" "$file_mode" "$settings"
  e2e_own "$folder_owner" 755 "$folder"
  listing=$(ls -A "$folder")
  identity=$(stat -c '%i %U %a' "$settings")

  e2e_start_and_drag "$name" "$folder" "$place"
  if [ "$save" = refused ]; then
    e2e_check_refused "$name" "$settings"
    e2e_check "$name: the file is byte for byte as it was" e2e_root cmp -s "$settings" "$original"
  else
    e2e_check "$name: the save reaches the file" \
      e2e_wait_saved "$settings" "LastPositX=$((${place%,*} + 100))"$'\r'
    for line in '; kept by hand' 'Mine=1' '[Other]' 'A=b'; do
      e2e_check "$name: the file keeps '$line'" has_line "$settings" "$line"$'\r'
    done
  fi
  e2e_check "$name: the file is the same file, owner and mode" \
    test "$(stat -c '%i %U %a' "$settings")" = "$identity"
  e2e_check "$name: nothing new in the folder" test "$(ls -A "$folder")" = "$listing"
  # The test notes the clock's exit code in the folder.
  e2e_own "$(id -un)" 755 "$folder"
  e2e_probe close MainFrm
  e2e_check "$name: the clock quits with 0" test "$(e2e_exit_code "$folder")" = 0
done
e2e_finish
