#!/usr/bin/env bash
# The real program's start: the start window centred at its size, waiting for the player without
# spending the processor, Enter into the game, a key that does not reach the play window under the
# "Ready:" box, and the start-up's two roads, with sound (a dummy audio device) and silent
# ("nosound", no device); and a clear message where there is no display at all.
# Usage: test_start.sh GAME_DIR OUTPUT_DIR
set -uo pipefail
source "$(dirname "$0")/lib.sh" "$@"

start_name='^Orbelon$'
sound_box='^Error initializing Direct Sound\.$'

client_size_is() {  # client_size_is WINDOW WIDTH HEIGHT
  local size
  size=$(size_of "$1")
  echo "  client size $size"
  [[ $size == "$2x$3" ]]
}

# The processor time the program has used, in ticks of the system clock (100 a second).
cpu_ticks() { awk '{print $14 + $15}' "/proc/$program_pid/stat"; }

centred() {  # centred WINDOW: within a pixel of the middle of the screen
  local X Y WIDTH HEIGHT SCREEN WINDOW screen_w screen_h
  eval "$(xdotool getwindowgeometry --shell "$1")"
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
  echo "  at $X, $Y"
  (((X - (screen_w - WIDTH) / 2) ** 2 <= 1 && (Y - (screen_h - HEIGHT) / 2) ** 2 <= 1))
}

echo "== with a sound device: no box, the start window, Enter begins, Esc and quit"
start_program start dummy
if start=$(find_window "$start_name" 20); then
  pass "the start window opens"
  expect "the start window's client area is 397 x 248" client_size_is "$start" 397 248
  expect "the start window is centred on the screen" centred "$start"
  before=$(cpu_ticks)
  sleep 2
  used=$(($(cpu_ticks) - before))
  echo "  $used ticks of processor time in 2 s"
  check "the start window waits without spinning" "$( ((used < 40)); echo $?)"
  expect "no sound box with a sound device" no_window "$sound_box"
  shot "$start" start-window.png
  press "$start" Return
  # The first life begins behind the "Ready:" box.
  if ready=$(find_window '^Ready:$' 30); then
    pass "Enter begins the game"
    expect "the start window is hidden in play" no_window "$start_name"
    shot root start-begin.png
    # Under the box no key reaches the play window: Esc pauses nothing.
    press "$(find_window '^Orbelon V' 5)" Escape
    expect "a key under the \"Ready:\" box does not reach the play window" \
      eval '! find_window_of_size 199 188 1 >/dev/null && has_window "^Ready:$" 0'
    press "$ready" Return
    sleep 1
    press "$(find_window '^Orbelon V' 5)" Escape
    # The pause window has no title: it is known by its size.
    if pause=$(find_window_of_size 199 188 10); then
      pass "Esc opens the pause window"
      shot "$pause" start-paused.png
      press "$pause" Return
      if closing=$(find_window "$start_name" 10); then
        pass "Enter on a fresh pause window quits into the closing window"
        expect "the closing window's client area is 382 x 396" client_size_is "$closing" 382 396
        shot "$closing" start-closing.png
        press "$closing" Return
        expect "Exit ends the program with status 0" ends_with_status 0 10
      else
        fail "Enter on a fresh pause window quits into the closing window"
      fi
    else
      fail "Esc opens the pause window"
    fi
  else
    fail "Enter begins the game"
  fi
else
  fail "the start window opens"
fi
stop_program

echo "== nosound: the sound box first, then the start window"
start_program start dummy nosound
if box=$(find_window "$sound_box" 20); then
  pass "nosound shows the sound box"
  expect "the start window waits behind the box" no_window "$start_name"
  shot "$box" start-nosound-box.png
  press "$box" Return
  expect "the start window follows the box" has_window "$start_name" 20
else
  fail "nosound shows the sound box"
fi
stop_program

echo "== no audio device: the silent road"
start_program start nonexistent
if box=$(find_window "$sound_box" 20); then
  pass "no audio device shows the sound box"
  press "$box" Return
  expect "the start window follows the box" has_window "$start_name" 20
else
  fail "no audio device shows the sound box"
fi
stop_program

echo "== no display: the program says so and ends"
message=$(cd "$game_dir" && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$program" 2>&1)
status=$?
echo "  exit status $status: $message"
check "without a display the program ends naming what is missing" \
  "$([[ $status == 1 && $message == *"no X11 or Wayland display"* ]]; echo $?)"

finish
