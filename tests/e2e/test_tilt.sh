#!/usr/bin/env bash
# The real program under X: Begin, the "Ready:" box, then the mouse tilts the board (the canvas
# changes far more than the game's own animations change it) and the ball rolls away from its
# start (with the board level again, the view stands elsewhere).
# Usage: test_tilt.sh GAME_DIR OUTPUT_DIR
set -uo pipefail

game_dir=$(cd "$1" && pwd)
out_dir=$2
mkdir -p "$out_dir"
program=$game_dir/orbelon

passed=0
failed=0
program_pid=
xvfb_pid=

cleanup() {
  if [[ -n $program_pid ]]; then
    kill "$program_pid" 2>/dev/null
    wait "$program_pid" 2>/dev/null
  fi
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
}
trap cleanup EXIT

if [[ -z ${DISPLAY:-} ]]; then
  export DISPLAY=:$((20 + RANDOM % 60))
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

# A key left down by an earlier client would repeat into our windows.
xdotool keyup Return Escape space 2>/dev/null

check() {  # check NAME STATUS
  if [[ $2 == 0 ]]; then
    echo "PASS $1"
    passed=$((passed + 1))
  else
    echo "FAIL $1"
    failed=$((failed + 1))
  fi
}

# The first visible window whose name matches, waiting up to the seconds given.
find_window() {  # find_window PATTERN SECONDS
  local deadline=$((SECONDS + $2)) id
  while ((SECONDS <= deadline)); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    if [[ -n $id ]]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

# The key goes to the focused window through the X server's own input: sent to a window that
# loses the focus between press and release, the release would be lost and the key repeat.
press() {  # press WINDOW KEY
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  xdotool key "$2"
}

# The canvas of the play window: 433 x 345 pixels, 24 pixels from the top of the client area.
shoot() {  # shoot WINDOW NAME
  import -window "$1" "$out_dir/tilt-$2.png"
  convert "$out_dir/tilt-$2.png" -crop 433x345+0+24 +repage "$out_dir/tilt-$2-canvas.png"
}

# How many canvas pixels differ clearly between two shots.
differ() {  # differ NAME NAME
  compare -metric AE -fuzz 8% "$out_dir/tilt-$1-canvas.png" "$out_dir/tilt-$2-canvas.png" \
    null: 2>&1 | cut -d' ' -f1
}

(cd "$game_dir" && exec env SDL_AUDIODRIVER=dummy "$program") >"$out_dir/tilt.log" 2>&1 &
program_pid=$!

if ! start=$(find_window '^Orbelon$' 20); then
  check "the start window opens" 1
  exit 1
fi
press "$start" Return
if ! ready=$(find_window '^Ready:$' 30); then
  check "Begin leads to the \"Ready:\" box" 1
  exit 1
fi
play=$(find_window '^Orbelon V3\.01' 5)
check "the play window stands behind the \"Ready:\" box" $?
press "$ready" Return
sleep 1

# What the game's own animations change in half a second: the spinning disc and pill, the
# pulsing arrow, the UFO on its way.
shoot "$play" still-1
sleep 0.5
shoot "$play" still-2
noise=$(differ still-1 still-2)

# Right: the board's right side goes down, and the ball starts rolling that way.
xdotool mousemove_relative -- 25 0
sleep 0.4
shoot "$play" tilted
tilt_change=$(differ still-2 tilted)
echo "canvas pixels changed: by the animations $noise, by the tilt $tilt_change"
check "the tilt changes the picture of the board" \
  "$( ((tilt_change > 3000 && tilt_change > 3 * noise)); echo $?)"

# Level again: the ball rolls on at the speed it gained, and the camera follows it.
xdotool mousemove_relative -- -25 0
sleep 0.6
shoot "$play" rolled
roll_change=$(differ still-1 rolled)
echo "canvas pixels changed since the start: $roll_change"
check "the ball has rolled away from its start" \
  "$( ((roll_change > 3000 && roll_change > 3 * noise)); echo $?)"
check "no box interrupted the play" "$(! xdotool search --onlyvisible --name '^(Sorry|Ready):$' >/dev/null; echo $?)"
kill -0 "$program_pid" 2>/dev/null
check "the program is still running" $?

echo "$passed passed, $failed failed"
((failed == 0))
