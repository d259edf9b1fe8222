#!/usr/bin/env bash
# The real program under X, two ways out. First: Esc pauses (the clock stands still), a click
# on "Continue" goes on (the clock runs), a second pause goes on with a click too (the window
# that closed under the first click must not swallow the next), and a click on "Quit Orbelon" in
# a third pause leads to the closing window, whose Enter ends the program with status 0.
# Second: the board tipped over three times ends the game through the "TILT !!!" boxes, the
# game-over box and the closing window.
# Usage: test_pause_and_quit.sh GAME_DIR OUTPUT_DIR
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

size_of() {
  xwininfo -id "$1" 2>/dev/null | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'
}

# The pause window has no title: it is the program's visible window of 199 x 188 pixels.
find_pause() {  # find_pause SECONDS
  local deadline=$((SECONDS + $1)) id
  while ((SECONDS <= deadline)); do
    for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
      if [[ $(size_of "$id") == 199x188 ]]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.2
  done
  return 1
}

gone() {  # gone WINDOW SECONDS: the window is no longer shown
  local deadline=$((SECONDS + $2))
  while ((SECONDS <= deadline)); do
    xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' || return 0
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

click() {  # click WINDOW X Y
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

# The game holds the pointer at 30000/65536 of the screen and turns the board by how far it has
# moved from there, so a click on "Continue" tips the board on the way back into play. Moving
# the pointer back by as much keeps the board level, whether it comes before or after the game
# takes the pointer again.
click_continue() {  # click_continue PAUSE_WINDOW
  local X Y WIDTH HEIGHT SCREEN WINDOW screen_w screen_h
  eval "$(xdotool getwindowgeometry --shell "$1")"
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
  click "$1" 99 136
  xdotool mousemove_relative -- $((30000 * screen_w / 65536 - X - 99)) \
    $((30000 * screen_h / 65536 - Y - 136))
}

# The clock's label on the play window, 65 x 25 pixels at (152, 408) of the client area.
clock_shot() {  # clock_shot WINDOW NAME
  import -window "$1" -crop 65x25+152+408 +repage "$out_dir/pause-clock-$2.png"
}

same_picture() {  # same_picture NAME NAME
  local changed
  changed=$(compare -metric AE "$out_dir/pause-clock-$1.png" "$out_dir/pause-clock-$2.png" \
    null: 2>&1 | cut -d' ' -f1)
  [[ $changed == 0 ]]
}

start_game() {  # start_game LOG: the start window, Begin, the "Ready:" box closed; sets $play
  (cd "$game_dir" && exec env SDL_AUDIODRIVER=dummy "$program") >"$out_dir/$1.log" 2>&1 &
  program_pid=$!
  local start ready
  start=$(find_window '^Orbelon$' 20) || return 1
  press "$start" Return
  ready=$(find_window '^Ready:$' 30) || return 1
  play=$(find_window '^Orbelon V3\.01' 5) || return 1
  press "$ready" Return
  gone "$ready" 5
}

ends_with_status_0() {  # the program ends within 10 s, with status 0
  local deadline=$((SECONDS + 10))
  while ((SECONDS <= deadline)) && kill -0 "$program_pid" 2>/dev/null; do sleep 0.2; done
  wait "$program_pid"
  local status=$?
  program_pid=
  echo "the program ended with status $status"
  return "$status"
}

# 1. Pause and continue twice, then pause and quit, all with the mouse.
if start_game pause; then
  check "the game starts" 0
  sleep 1
  press "$play" Escape
  if pause=$(find_pause 5); then
    check "Esc opens the pause window" 0
    sleep 0.5
    import -window "$pause" "$out_dir/pause-window.png"
    clock_shot "$play" paused-1
    sleep 2.5
    clock_shot "$play" paused-2
    same_picture paused-1 paused-2
    check "the clock stands still while paused" $?
    click_continue "$pause"
    gone "$pause" 5
    check "\"Continue\" closes the pause window" $?
    clock_shot "$play" running-1
    sleep 2.5
    clock_shot "$play" running-2
    ! same_picture running-1 running-2
    check "the clock runs again" $?
    import -window "$play" "$out_dir/pause-continued.png"

    press "$play" Escape
    if pause=$(find_pause 5) && sleep 0.5 && click_continue "$pause" && gone "$pause" 5; then
      check "a second pause goes on with a click on \"Continue\"" 0
    else
      check "a second pause goes on with a click on \"Continue\"" 1
      import -window root "$out_dir/pause-continue-missed.png"
    fi

    sleep 0.5
    press "$play" Escape
    if pause=$(find_pause 5); then
      check "Esc pauses a third time" 0
      sleep 0.5
      click "$pause" 99 88  # "Quit Orbelon"
      if closing=$(find_window '^Orbelon$' 10); then
        check "\"Quit Orbelon\" opens the closing window" 0
        check "the closing window is 382 x 396 (is $(size_of "$closing"))" \
          "$([[ $(size_of "$closing") == 382x396 ]]; echo $?)"
        sleep 0.5
        import -window "$closing" "$out_dir/pause-closing-window.png"
        gone "$play" 1
        check "the play window is hidden" $?
        press "$closing" Return
        ends_with_status_0
        check "Enter on the closing window ends the program with status 0" $?
      else
        check "\"Quit Orbelon\" opens the closing window" 1
        import -window root "$out_dir/pause-quit-missed.png"
      fi
    else
      check "Esc pauses a third time" 1
    fi
  else
    check "Esc opens the pause window" 1
  fi
else
  check "the game starts" 1
fi
if [[ -n $program_pid ]]; then
  kill "$program_pid" 2>/dev/null
  wait "$program_pid" 2>/dev/null
  program_pid=
fi

# 2. Three tilts and the game-over box.
if start_game tilts; then
  sleep 0.5
  for life in 1 2 3; do
    # Over the top in a few strokes, each within the screen: 750 pixels are 1.9 radians.
    for _ in 1 2 3; do
      xdotool mousemove_relative -- 0 250
      sleep 0.15
    done
    if ! tilt=$(find_window '^Sorry:$' 10); then
      check "tilt $life: the \"TILT !!!\" box" 1
      break
    fi
    check "tilt $life: the \"TILT !!!\" box" 0
    sleep 0.3
    import -window "$tilt" "$out_dir/tilts-box-$life.png"
    press "$tilt" Return
    gone "$tilt" 5
    if ((life < 3)); then
      ready=$(find_window '^Ready:$' 10)
      check "tilt $life: a new life behind the \"Ready:\" box" $?
      press "$ready" Return
      gone "$ready" 5
      sleep 0.5
    fi
  done
  if over=$(find_window '^Sorry:$' 10); then
    check "the third tilt ends the game with the game-over box" 0
    sleep 0.3
    import -window "$over" "$out_dir/tilts-game-over.png"
    press "$over" Return
    if closing=$(find_window '^Orbelon$' 10); then
      check "the closing window follows the game-over box" 0
      sleep 0.5
      press "$closing" Return
      ends_with_status_0
      check "Enter on the closing window ends the program with status 0" $?
    else
      check "the closing window follows the game-over box" 1
    fi
  else
    check "the third tilt ends the game with the game-over box" 1
  fi
else
  check "the game starts for the tilts" 1
fi

echo "$passed passed, $failed failed"
((failed == 0))
