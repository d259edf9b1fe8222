#!/usr/bin/env bash
# The real program under X: Begin, the "Ready:" box, then the mouse tilts the board (the canvas
# changes far more than the game's own animations change it) and the ball rolls away from its
# start (with the board level again, the view stands elsewhere).
# Usage: test_tilt.sh GAME_DIR OUTPUT_DIR
set -uo pipefail
source "$(dirname "$0")/lib.sh" "$@"

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

if ! start_game tilt; then
  check "the game starts" 1
  exit 1
fi
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
# Another program's window over the labels below the canvas, then gone: the play window draws
# what it uncovered again, though each pass sends the screen only its canvas.
labels() { import -window "$play" -crop 150x80+0+372 +repage "$out_dir/tilt-labels-$1.png"; }
labels before
read -r x y < <(xdotool getwindowgeometry --shell "$play" | awk -F= '$1 == "X" {x = $2}
  $1 == "Y" {y = $2} END {print x, y}')
xmessage -geometry "200x70+$x+$((y + 380))" "over the labels" &
cover_pid=$!
sleep 0.5
labels covered
kill "$cover_pid"
wait "$cover_pid" 2>/dev/null
sleep 0.3
labels after
covered=$(compare -metric AE "$out_dir/tilt-labels-before.png" "$out_dir/tilt-labels-covered.png" \
  null: 2>&1 | cut -d' ' -f1)
uncovered=$(compare -metric AE "$out_dir/tilt-labels-before.png" "$out_dir/tilt-labels-after.png" \
  null: 2>&1 | cut -d' ' -f1)
echo "label pixels changed: covered $covered, uncovered again $uncovered"
check "what another window covered is drawn again" "$( ((covered > 1000 && uncovered == 0)); echo $?)"
check "no box interrupted the play" "$(! xdotool search --onlyvisible --name '^(Sorry|Ready):$' >/dev/null; echo $?)"
kill -0 "$program_pid" 2>/dev/null
check "the program is still running" $?

finish
