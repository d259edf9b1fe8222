#!/usr/bin/env bash
# The real program on a desktop: a display of its own with a window manager (openbox) beside it.
# The close box of the start window ends the program; that of a message box acts as its OK, that
# of the play window quits through the closing window, whose own close box acts as "Exit". The
# pointer's trip to "Continue" tilts nothing: the canvas changes no more than it does after a
# pause left with the pointer still. Every titled window carries the icon the asset generator
# drew, and asks for no minimise or maximise button.
# Usage: test_desktop.sh GAME_DIR OUTPUT_DIR
set -uo pipefail
unset DISPLAY
source "$(dirname "$0")/lib.sh" "$@"

start_window_manager desktop

# The icon as the window manager reads it (width, height, then ARGB pixels), against the file.
icon_is_the_programs() {  # icon_is_the_programs WINDOW
  local have want
  have=$(xprop -id "$1" -notype -f _NET_WM_ICON 32c _NET_WM_ICON 2>/dev/null | sed 's/^[^=]*= //')
  want=$({ identify -format '%w\n%h\n' "$game_dir/icon.png" &&
    convert "$game_dir/icon.png" -depth 8 rgba:- | od -An -v -tu1 -w4 |
    awk '{printf "%.0f\n", $4 * 16777216 + $1 * 65536 + $2 * 256 + $3}'; } | paste -sd,)
  [[ -n $want && ${have// /} == "$want" ]]
}

# The Motif hints: functions and decorations given (flags 1 and 2), move and close allowed but
# not minimise (8) or maximise (16), nor all (1); a title, and no minimise (32) or maximise (64)
# button. (Openbox reads only the move, resize and title parts and keeps its minimise button,
# whatever the window asks; other window managers leave both buttons out.)
asks_for_close_box_only() {  # asks_for_close_box_only WINDOW
  local flags functions decorations
  IFS=', ' read -r flags functions decorations _ < <(xprop -id "$1" _MOTIF_WM_HINTS 2>/dev/null |
    sed -n 's/.*= //p')
  [[ -n $decorations ]] && (( (flags & 3) == 3 && (functions & 25) == 0 && (functions & 36) == 36 &&
    (decorations & 97) == 0 && (decorations & 8) == 8))
}

titled_window_checks() {  # titled_window_checks WINDOW NAME
  expect "$2 carries the program's icon" icon_is_the_programs "$1"
  expect "$2 asks for no minimise or maximise button" asks_for_close_box_only "$1"
}

canvas_shot() {  # canvas_shot WINDOW NAME: the 433 x 345 canvas, 24 pixels from the client top
  import -window "$1" -crop 433x345+0+24 +repage "$out_dir/desktop-$2.png"
}
differ() {  # differ NAME NAME: how many canvas pixels differ clearly (all when a shot is missing)
  local count
  count=$(compare -metric AE -fuzz 8% "$out_dir/desktop-$1.png" "$out_dir/desktop-$2.png" \
    null: 2>&1 | cut -d' ' -f1)
  [[ $count =~ ^[0-9]+$ ]] && echo "$count" || echo $((433 * 345))
}

echo "== the start window's close box"
start_program desktop dummy
if start=$(game_window '^Orbelon$' 20); then
  titled_window_checks "$start" "the start window"
  wmctrl -i -c "$start"
  expect "the start window's close box ends the program with status 0" ends_with_status 0 10
else
  fail "the start window opens"
fi
stop_program

echo "== a box's close box, the pointer's trip to \"Continue\", the play and closing windows'"
start_program desktop dummy
if start=$(game_window '^Orbelon$' 20) && press "$start" Return &&
  ready=$(game_window '^Ready:$' 30) && play=$(game_window '^Orbelon V3\.01' 5); then
  titled_window_checks "$ready" "the \"Ready:\" box"
  titled_window_checks "$play" "the play window"
  wmctrl -i -c "$ready"
  if gone "$ready" 5; then
    pass "the box's close box acts as its OK"
  else
    fail "the box's close box acts as its OK"
    press "$ready" Return
  fi
  sleep 1
  check "play goes on" "$(kill -0 "$program_pid" && game_window '^Orbelon V3\.01' 0 >/dev/null
    echo $?)"

  # The game's own animations (the disc, the arrow, the UFO on its way): how much they change
  # depends on where the arrow's pulse stands, so the largest change from one shot over more
  # than a whole pulse (40 passes, 1.2 s) is the noise.
  canvas_shot "$play" noise-0
  noise=0
  for shot in 1 2 3 4 5 6; do
    sleep 0.25
    canvas_shot "$play" "noise-$shot"
    changed=$(differ noise-0 "noise-$shot")
    ((changed > noise)) && noise=$changed
  done
  # A pause left with Esc, the pointer still; then one left by the pointer: 80 pixels aside, then
  # over to "Continue" and a click.
  for road in still trip; do
    canvas_shot "$play" "$road-before"
    press "$play" Escape
    if ! pause=$(game_window '^$' 5 199x188); then
      fail "Esc opens the pause window ($road)"
      continue
    fi
    sleep 0.5
    if [[ $road == still ]]; then
      press "$pause" Escape
    else
      xdotool mousemove_relative -- 80 0
      sleep 0.3
      click "$pause" 99 136
    fi
    gone "$pause" 5
    sleep 0.5
    canvas_shot "$play" "$road-after"
  done
  still=$(differ still-before still-after)
  trip=$(differ trip-before trip-after)
  echo "  canvas pixels changed: the animations at most $noise, after a pause with the" \
    "pointer still $still, after the trip to \"Continue\" $trip"
  check "the trip to \"Continue\" changes the canvas no more than the animations do" \
    "$( ((trip <= 2 * (still > noise ? still : noise) + 300)); echo $?)"

  wmctrl -i -c "$play"
  if closing=$(game_window '^Orbelon$' 10); then
    pass "the play window's close box opens the closing window"
    gone "$play" 2
    check "the play window is hidden" $?
    titled_window_checks "$closing" "the closing window"
    wmctrl -i -c "$closing"
    expect "the closing window's close box ends the program with status 0" ends_with_status 0 10
  else
    fail "the play window's close box opens the closing window"
  fi
else
  fail "the game starts"
fi

finish
