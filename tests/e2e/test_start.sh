#!/usr/bin/env bash
# The real program's start: the start window at its size, Enter into the game, and the
# start-up's two roads, with sound (a dummy audio device) and silent ("nosound", no device).
# Usage: test_start.sh GAME_DIR OUTPUT_DIR
set -uo pipefail

game_dir=$(cd "$1" && pwd)
out_dir=$2
mkdir -p "$out_dir"
program=$game_dir/orbelon
start_name='^Orbelon$'
sound_box='^Error initializing Direct Sound\.$'

passed=0
failed=0
program_pid=
xvfb_pid=

cleanup() {
  stop_program
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
}
trap cleanup EXIT

# A display of our own unless the runner gives one: the first free number that starts.
if [[ -z ${DISPLAY:-} ]]; then
  for _ in $(seq 10); do
    number=$((20 + RANDOM % 60))
    [[ -e /tmp/.X11-unix/X$number ]] && continue
    Xvfb ":$number" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=:$number
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    kill -0 "$xvfb_pid" 2>/dev/null && break
    xvfb_pid=
  done
  if [[ -z $xvfb_pid ]]; then
    echo "no display could be started"
    exit 1
  fi
fi

# A key left down in the server by an earlier client would repeat into our windows.
xdotool keyup Return Escape space 2>/dev/null

pass() { echo "PASS $1"; passed=$((passed + 1)); }
fail() { echo "FAIL $1"; failed=$((failed + 1)); }
expect() {  # expect DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}

start_program() {  # start_program AUDIODRIVER [ARGS...]
  local driver=$1
  shift
  (cd "$game_dir" && exec env SDL_AUDIODRIVER="$driver" "$program" "$@") \
    >>"$out_dir/start.log" 2>&1 &
  program_pid=$!
}

stop_program() {
  if [[ -n $program_pid ]]; then
    kill "$program_pid" 2>/dev/null
    wait "$program_pid" 2>/dev/null
    program_pid=
  fi
}

# Prints the id of the first visible window whose name matches, waiting up to SECONDS.
find_window() {  # find_window PATTERN SECONDS
  local deadline=$((SECONDS + $2)) id
  while :; do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    if [[ -n $id ]]; then
      echo "$id"
      return 0
    fi
    ((SECONDS >= deadline)) && return 1
    sleep 0.2
  done
}

# Prints the id of the first visible window of the size, waiting up to SECONDS.
find_window_of_size() {  # find_window_of_size WIDTH HEIGHT SECONDS
  local deadline=$((SECONDS + $3)) id
  while :; do
    for id in $(xdotool search --onlyvisible --class '' 2>/dev/null); do
      if [[ $(xwininfo -id "$id" 2>/dev/null |
        awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}') == "$1x$2" ]]; then
        echo "$id"
        return 0
      fi
    done
    ((SECONDS >= deadline)) && return 1
    sleep 0.2
  done
}

# Waits up to SECONDS for the program to end, and checks its exit status.
ends_with_status() {  # ends_with_status STATUS SECONDS
  local deadline=$((SECONDS + $2)) status
  while kill -0 "$program_pid" 2>/dev/null; do
    ((SECONDS >= deadline)) && return 1
    sleep 0.2
  done
  wait "$program_pid"
  status=$?
  program_pid=
  echo "  exit status $status"
  [[ $status == "$1" ]]
}

no_window() { ! find_window "$1" 0 >/dev/null; }
has_window() { find_window "$1" "$2" >/dev/null; }

client_size_is() {  # client_size_is WINDOW WIDTH HEIGHT
  local size
  size=$(xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
  echo "  client size $size"
  [[ $size == "$2x$3" ]]
}

# A key typed into the window through the server's own input, after giving it the focus. (Sent
# with --window to a window that loses the focus between press and release, the release is lost
# and the key stays down, repeating into the next program on this display.)
press() {  # press WINDOW KEY
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  xdotool key "$2"
}

shot() {  # shot WINDOW FILE
  sleep 0.5
  import -window "$1" "$out_dir/$2" 2>/dev/null || echo "  (no screenshot $2)"
}

echo "== with a sound device: no box, the start window, Enter begins, Esc and quit"
start_program dummy
if start=$(find_window "$start_name" 20); then
  pass "the start window opens"
  expect "the start window's client area is 397 x 248" client_size_is "$start" 397 248
  expect "no sound box with a sound device" no_window "$sound_box"
  shot "$start" start-window.png
  press "$start" Return
  # The first life begins behind the "Ready:" box.
  if ready=$(find_window '^Ready:$' 30); then
    pass "Enter begins the game"
    expect "the start window is hidden in play" no_window "$start_name"
    shot root start-begin.png
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
start_program dummy nosound
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
start_program nonexistent
if box=$(find_window "$sound_box" 20); then
  pass "no audio device shows the sound box"
  press "$box" Return
  expect "the start window follows the box" has_window "$start_name" 20
else
  fail "no audio device shows the sound box"
fi
stop_program

echo "$passed passed, $failed failed"
[[ $failed == 0 ]]
