#!/usr/bin/env bash
# A window that the game has hidden stays hidden, whatever the desktop does with it, on a desktop
# with a window manager (openbox). The start window, hidden for the whole game and raised by
# another program during play (wmctrl's raise maps the window it names), goes away again, and the
# play window has the keyboard again. A game that ends while the play window is minimised (two
# lives lost to the tilt, the last one to a fall with the play window minimised at once): the
# game-over box shows on its own, and Enter on it opens the closing window, which hides the play
# window, minimised as it is: it leaves the taskbar, picked from outside it brings back nothing
# over the closing window, and the closing window keeps the keyboard: Enter ends the program
# with status 0.
# Usage: test_hidden_windows.sh GAME_DIR OUTPUT_DIR
set -uo pipefail
unset DISPLAY
source "$(dirname "$0")/lib.sh" "$@"

start_window_manager hidden

find_pause() { game_window '^$' "$1" 199x188; }

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
minimised() {  # minimised WINDOW SECONDS
  local deadline=$((SECONDS + $2))
  while ((SECONDS <= deadline)); do
    xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state: Iconic' && return 0
    sleep 0.1
  done
  return 1
}
# The windows a taskbar lists: those the window manager manages.
in_taskbar() {  # in_taskbar WINDOW
  local id
  for id in $(xprop -root _NET_CLIENT_LIST | sed 's/^[^#]*#//; s/,/ /g'); do
    ((id == $1)) && return 0
  done
  return 1
}
leaves_taskbar() {  # leaves_taskbar WINDOW SECONDS
  local deadline=$((SECONDS + $2))
  while ((SECONDS <= deadline)); do
    in_taskbar "$1" || return 0
    sleep 0.2
  done
  return 1
}
# Hidden from the player: neither on the screen nor standing over the closing window.
kept_under() {  # kept_under WINDOW CLOSING
  ! viewable "$1" || ! above "$1" "$2"
}
# A key typed as a player types it, into whatever window has the keyboard.
type_key() { xdotool key "$1"; }

# A life lost to the tilt: the board over the top in strokes of 250 pixels (0.625 radians),
# the "TILT !!!" box and the next life's "Ready:" box closed with Enter.
lose_life_to_tilt() {
  local tilt='' ready
  for _ in $(seq 8); do
    xdotool mousemove_relative -- 0 250
    tilt=$(game_window '^Sorry:$' 1) && break
  done
  [[ -n $tilt ]] || tilt=$(game_window '^Sorry:$' 10) || return 1
  sleep 0.3
  press "$tilt" Return
  gone "$tilt" 5 || return 1
  ready=$(game_window '^Ready:$' 10) || return 1
  sleep 0.3
  press "$ready" Return
  gone "$ready" 5
}

start_program hidden dummy
if start=$(game_window '^Orbelon$' 20) && press "$start" Return &&
  ready=$(game_window '^Ready:$' 30) && play=$(game_window '^Orbelon V3\.01' 5); then
  press "$ready" Return
  gone "$ready" 5
else
  fail "the game starts"
  finish
  exit
fi

echo "== the start window, hidden for the whole game, raised by another program"
sleep 0.5
wmctrl -i -a "$start"
sleep 1
expect "the start window raised from outside during play goes away again" gone "$start" 3
sleep 0.5
type_key Escape
if pause=$(find_pause 5); then
  pass "the play window has the keyboard again: Esc pauses"
  type_key Escape
  gone "$pause" 3 || { press "$pause" Escape && gone "$pause" 5; }
else
  fail "the play window has the keyboard again: Esc pauses"
fi

echo "== the game ends with the play window minimised"
for life in 1 2; do
  sleep 0.5
  lose_life_to_tilt
  check "life $life is lost to the tilt" $?
done
sleep 1
# 450 pixels tip the board by 1.1 radians, short of the tilt: the ball rolls off and falls,
# which takes about 3 seconds, and the play window is minimised at once.
xdotool mousemove_relative -- 0 450
xdotool windowminimize "$play"
expect "the play window is minimised during the last life" minimised "$play" 5
if over=$(game_window '^Sorry:$' 30); then
  pass "the game-over box shows with the play window minimised"
  sleep 0.3
  press "$over" Return
  if closing=$(game_window '^Orbelon$' 10); then
    pass "Enter on the game-over box opens the closing window"
    expect "the minimised play window, hidden, leaves the taskbar" leaves_taskbar "$play" 3
    sleep 0.5
    # As a taskbar brings a window back, and a raise that maps it as well.
    wmctrl -i -a "$play"
    sleep 1
    import -window root "$out_dir/hidden-play-picked.png" 2>/dev/null
    expect "the play window picked from outside stays hidden under the closing window" \
      kept_under "$play" "$closing"
    expect "the closing window stays on the screen" viewable "$closing"
    type_key Return
    expect "where Enter ends the program with status 0" ends_with_status 0 10
  else
    fail "Enter on the game-over box opens the closing window"
  fi
else
  fail "the game-over box shows with the play window minimised"
  import -window root "$out_dir/hidden-no-game-over.png" 2>/dev/null
fi

finish
