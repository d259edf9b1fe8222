#!/usr/bin/env bash
# Windows, input and boxes of the real backend, on a small sample program: the window opens
# centred at its size, a click on its button and keys reach their handlers, Esc opens a modal
# box that Enter closes, the hidden pointer measures relative motion exactly, and "q" ends the
# program with status 0.
# Usage: test_runtime_window.sh GAME_DIR OUTPUT_DIR
set -uo pipefail

source "$(dirname "$0")/lib.sh" "$@"

program=$game_dir/../tests/sample_window
log=$out_dir/runtime_window.log
: >"$log"

# Waits up to 5 s for a line of the program's output.
expect_line() {  # expect_line DESCRIPTION LINE
  for _ in $(seq 50); do
    if grep -qxF "$2" "$log"; then
      pass "$1"
      return 0
    fi
    sleep 0.1
  done
  fail "$1 (no line \"$2\")"
  return 1
}

focus() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
}

[[ -x $program ]] || { echo "FAIL no sample program at $program"; exit 1; }
SDL_AUDIODRIVER=dummy "$program" >"$log" 2>&1 &
program_pid=$!

window=$(find_window '^Sample Window$' 10)
if [[ -z $window ]]; then
  fail "the window opens"
  cat "$log"
  exit 1
fi
pass "the window opens with its caption"

eval "$(xdotool getwindowgeometry --shell "$window")"
read -r screen_w screen_h < <(xdotool getdisplaygeometry)
if [[ $WIDTH -eq 300 && $HEIGHT -eq 200 ]]; then
  pass "its client area is 300 x 200"
else
  fail "its client area is ${WIDTH} x ${HEIGHT}, not 300 x 200"
fi
want_x=$(((screen_w - 300) / 2))
want_y=$(((screen_h - 200) / 2))
if ((X >= want_x - 1 && X <= want_x + 1 && Y >= want_y - 1 && Y <= want_y + 1)); then
  pass "it is centred on the screen"
else
  fail "it stands at $X, $Y, not centred at $want_x, $want_y"
fi
import -window "$window" "$out_dir/runtime_window.png" 2>/dev/null || true

xdotool mousemove --window "$window" 150 135 click 1
expect_line "a click on the button runs its handler" "click Press"

focus "$window"
xdotool key a
expect_line "a letter arrives as its character" "key 97"
xdotool key shift+b
expect_line "with shift, as the capital" "key 66"

xdotool key Escape
expect_line "Esc arrives as 27" "key 27"
box=$(find_window '^Sample Box$' 10)
if [[ -n $box ]]; then
  pass "Esc opens the modal box with its title"
  import -window "$box" "$out_dir/runtime_window_box.png" 2>/dev/null || true
  focus "$window"
  xdotool key a
  sleep 0.3
  if grep -c '^key 97$' "$log" | grep -qx 1; then
    pass "while the box is open the window takes no keys"
  else
    fail "a key reached the window under the box"
  fi
  focus "$box"
  xdotool key Return
  expect_line "Enter closes the box" "box closed 1"
else
  fail "Esc opens the modal box"
fi

focus "$window"
xdotool key h
expect_line "the pointer is hidden" "hidden"
xdotool mousemove_relative -- 40 -20
sleep 0.2
xdotool mousemove_relative -- 300 0
sleep 0.2
xdotool mousemove_relative -- -300 0
sleep 0.2
xdotool key r
expect_line "the hidden pointer measures the motion exactly, also past the window" "moved 40 -20"

xdotool key q
expect "q ends the program with status 0" ends_with_status 0 5
finish || {
  echo "--- program output"
  cat "$log"
  exit 1
}
