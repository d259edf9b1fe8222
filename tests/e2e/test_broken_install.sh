#!/usr/bin/env bash
# A broken install is named at start. In a copy of the game folder, a sample of data files is
# each missing, emptied, cut in half, overwritten with noise, replaced by a folder and by a named
# pipe. Every time the program shows the runtime's error box naming the file, never the start
# window, and ends with status 1 once the box is closed, all within 5 s. A broken sound file
# silences the game instead, naming the file on stderr; with "nosound" the sound files are not
# looked at. A folder with a backslash in its name holds a working game like any other.
# Usage: test_broken_install.sh GAME_DIR OUTPUT_DIR
set -uo pipefail
source "$(dirname "$0")/lib.sh" "$@"

original=$game_dir
out_dir=$(cd "$out_dir" && pwd)
copy=$out_dir/broken-install
rm -rf "$copy" "$out_dir/broken\\install" "$out_dir"/broken-*.log
cp -r "$original" "$copy"
game_dir=$copy
program=$copy/orbelon

start_size=397x248
sound_box='^Error initializing Direct Sound\.$'

damage() {  # damage FILE HOW
  local file=$copy/$1 source=$original/$1
  rm -rf "$file"
  case $2 in
    missing) ;;
    emptied) : >"$file" ;;
    # A mesh or the manifest cut at a line break still reads, only shorter.
    truncated)
      if [[ $1 == *.dax || $1 == *.txt ]]; then
        head -n "$(($(wc -l <"$source") / 2))" "$source" >"$file"
      else
        head -c "$(($(stat -c %s "$source") / 2))" "$source" >"$file"
      fi
      ;;
    noisy) head -c "$(stat -c %s "$source")" /dev/urandom >"$file" ;;
    a-folder) mkdir "$file" ;;
    a-pipe) mkfifo "$file" ;;
  esac
}
repair() { rm -rf "${copy:?}/$1" && cp "$original/$1" "$copy/$1"; }

names_file() {  # names_file LOG FILE: the log holds the file's path, in quotes
  grep -qF "/$2\"" "$out_dir/$1.log"
}

silent_about() { ! names_file "$@"; }

milliseconds() { echo $((${EPOCHREALTIME/./} / 1000)); }

# The box must come, sized unlike the start window that has the same title, and close into
# status 1; the program was started at $started.
error_box_ends_the_program() {  # error_box_ends_the_program LOG FILE
  local box took
  box=$(find_window '^Orbelon$' 5) || { echo "  no window"; return 1; }
  [[ $(size_of "$box") != "$start_size" ]] || { echo "  the start window opened"; return 1; }
  names_file "$1" "$2" || { echo "  stderr does not name $2"; return 1; }
  press "$box" Return
  ends_with_status 1 5 || return 1
  took=$(($(milliseconds) - started))
  echo "  ended after $took ms"
  ((took < 5000))
}

echo "== pictures, meshes, textures and the manifest: the error box, then status 1"
for file in tele.dax rules.png core2.dab manifest.txt; do
  for how in missing emptied truncated noisy a-folder a-pipe; do
    log=broken-$file-$how
    damage "$file" "$how"
    started=$(milliseconds)
    start_program "$log" dummy
    expect "$file $how: the box names it, status 1 within 5 s" error_box_ends_the_program "$log" "$file"
    stop_program
    repair "$file"
  done
done

echo "== sound files: the no-sound box, then the start window of a silent game"
for row in theme2.daw:truncated laser.daw:a-pipe intro.daw:noisy; do
  file=${row%%:*}
  log=broken-$file
  damage "$file" "${row#*:}"
  start_program "$log" dummy
  if box=$(find_window "$sound_box" 5); then
    pass "$row: the no-sound box"
    expect "$row: stderr names the file" names_file "$log" "$file"
    press "$box" Return
    expect "$row: the start window follows" has_window '^Orbelon$' 5
  else
    fail "$row: the no-sound box"
  fi
  stop_program
  # Silent, the sound files are never read, so they are not checked either.
  start_program "$log-nosound" dummy nosound
  if box=$(find_window "$sound_box" 5); then
    press "$box" Return
    expect "$row, nosound: the start window follows" has_window '^Orbelon$' 5
    expect "$row, nosound: the file is not mentioned" silent_about "$log-nosound" "$file"
  else
    fail "$row, nosound: the no-sound box"
  fi
  stop_program
  repair "$file"
done

echo "== a folder with a backslash in its name"
mv "$copy" "$out_dir/broken\\install"
game_dir=$out_dir/broken\\install
program=$game_dir/orbelon
start_program broken-backslash dummy
if start=$(find_window '^Orbelon$' 10) && [[ $(size_of "$start") == "$start_size" ]]; then
  pass "the start window opens"
else
  fail "the start window opens"
fi
stop_program
rm -rf "$game_dir"

finish
