#!/usr/bin/env bash
# Boxes and windows shown modally belong to the window beneath them. Without a window manager:
# the "Ready:" box closed by a click on its OK hands the keyboard back to the play window, so Esc
# pauses with no other click. Under a window manager (openbox): the rules window stays above the
# start window when the start window is picked, as do the "Ready:" box and the pause window when
# the play window's title bar is clicked, and the key that closes each then reaches it; the pause
# window is minimised and restored with the play window; a box that opens right after a click on
# the board opens above it; one click on a box that has not the keyboard is a click on the box.
# Usage: test_owned_windows.sh GAME_DIR OUTPUT_DIR
set -uo pipefail
unset DISPLAY
source "$(dirname "$0")/lib.sh" "$@"

find_pause() { game_window '^$' "$1" 199x188; }
find_rules() { game_window '^$' "$1" 399x399; }

# A key typed as a player types it, into whatever window has the keyboard.
type_key() { xdotool key "$1"; }

# The "Ready:" box's OK button, in its client pixels.
ready_ok=(90 57)

echo "== without a window manager: the keyboard comes back after a click on OK"
start_program owned-bare dummy
if start=$(game_window '^Orbelon$' 20) && press "$start" Return &&
  ready=$(game_window '^Ready:$' 30); then
  sleep 0.3
  click "$ready" "${ready_ok[@]}"
  gone "$ready" 5
  check "a click on OK closes the \"Ready:\" box" $?
  sleep 0.3
  type_key Escape
  find_pause 3 >/dev/null
  check "Esc with no other click opens the pause window" $?
else
  fail "the game starts"
fi
stop_program

start_window_manager owned

# A click on the title bar that the window manager draws over the client area.
click_title_bar() {  # click_title_bar WINDOW
  local x y
  read -r x y < <(xwininfo -id "$1" |
    awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
  xdotool mousemove "$((x + 60))" "$((y - 8))" click 1
  sleep 0.5
}
minimised() {  # minimised WINDOW
  xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_HIDDEN ||
    ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable
}
# Closes what a failed check left open, so that the next check starts as it should.
close_with() {  # close_with WINDOW KEY
  if ! gone "$1" 0; then
    press "$1" "$2"
    gone "$1" 5
  fi
}

echo "== openbox: the rules window over the start window"
start_program owned-desktop dummy
if start=$(game_window '^Orbelon$' 20); then
  press "$start" Tab  # to "Instructions"
  press "$start" Return
  if rules=$(find_rules 5); then
    sleep 0.3
    wmctrl -i -a "$start"
    sleep 0.5
    expect "the rules window stays above the start window when that is picked" above "$rules" "$start"
    # Its top edge stands clear of the start window, wherever that is stacked.
    click "$rules" 200 20
    gone "$rules" 5
    check "a click closes the rules window" $?
    sleep 0.3
    # "Instructions" has kept the focus.
    type_key Return
    if rules=$(find_rules 3); then
      pass "the start window takes Enter again"
      click "$rules" 200 20
      gone "$rules" 5
    else
      fail "the start window takes Enter again"
    fi
  else
    fail "\"Instructions\" opens the rules window"
  fi
else
  fail "the start window opens"
fi

echo "== openbox: the \"Ready:\" box and the pause window over the play window"
if [[ -n ${start:-} ]] && press "$start" Tab && press "$start" Return &&
  ready=$(game_window '^Ready:$' 30) && play=$(game_window '^Orbelon V3\.01' 5); then
  sleep 0.3
  click_title_bar "$play"
  expect "the \"Ready:\" box stays above the play window whose title bar was clicked" \
    above "$ready" "$play"
  type_key Return
  expect "Enter then closes the \"Ready:\" box" gone "$ready" 3
  close_with "$ready" Return
  sleep 0.5

  press "$play" Escape
  if pause=$(find_pause 5); then
    sleep 0.3
    click_title_bar "$play"
    expect "the pause window stays above the play window whose title bar was clicked" \
      above "$pause" "$play"
    type_key Escape
    expect "Esc then continues the game" gone "$pause" 3
    close_with "$pause" Escape
  else
    fail "Esc opens the pause window"
  fi
  sleep 0.5

  press "$play" Escape
  if pause=$(find_pause 5); then
    sleep 0.3
    xdotool windowminimize "$play"
    sleep 0.5
    expect "the pause window is minimised with the play window" minimised "$pause"
    wmctrl -i -a "$play"
    sleep 0.5
    expect "and comes back above it" above "$pause" "$play"
    type_key Escape
    expect "where Esc continues the game" gone "$pause" 3
    close_with "$pause" Escape
  else
    fail "Esc opens the pause window again"
  fi

  echo "== openbox: a box that opens right after a click on the board"
  sleep 0.5
  # The board tipped over in strokes, each with a click on the board behind it, and one more
  # click on the board as soon as the "TILT !!!" box is seen: the window manager takes that one
  # while the box is still opening.
  tilt=
  for _ in $(seq 12); do
    xdotool mousemove_relative -- 0 250 click 1
    tilt=$(game_window '^Sorry:$' 0) && break
    sleep 0.05
  done
  [[ -n $tilt ]] || tilt=$(game_window '^Sorry:$' 5)
  if [[ -n $tilt ]]; then
    xdotool mousemove --window "$play" 100 100 click 1
    sleep 0.5
    expect "the \"TILT !!!\" box opens above the play window clicked as it opens" \
      above "$tilt" "$play"
    import -window root "$out_dir/owned-tilt.png" 2>/dev/null

    echo "== openbox: one click on a box that has not the keyboard"
    close_with "$tilt" Return
    if ready=$(game_window '^Ready:$' 10); then
      sleep 0.5
      # The desktop, far from the program's windows, takes the keyboard; the click on OK then
      # gives it back to the box in the same moment as the box takes the click.
      xdotool mousemove 10 1010 click 1
      sleep 0.5
      expect "a click on the desktop takes the keyboard from the \"Ready:\" box" \
        test "$(xdotool getwindowfocus 2>/dev/null)" != "$ready"
      click "$ready" "${ready_ok[@]}"
      expect "one click on its OK then closes the \"Ready:\" box" gone "$ready" 3
      close_with "$ready" Return
    else
      fail "a new life behind the \"Ready:\" box"
    fi
  else
    fail "the board tips over"
  fi
else
  fail "the game starts"
fi

finish
