#!/usr/bin/env bash
# The real program under X, two ways out. First: Esc pauses (the clock stands still), a click
# on "Continue" goes on (the clock runs), a second pause goes on with a click too (the window
# that closed under the first click must not swallow the next), and a click on "Quit Orbelon" in
# a third pause leads to the closing window, whose Enter ends the program with status 0.
# Second: the board tipped over three times ends the game through the "TILT !!!" boxes, the
# game-over box and the closing window.
# Usage: test_pause_and_quit.sh GAME_DIR OUTPUT_DIR
set -uo pipefail

source "$(dirname "$0")/lib.sh" "$@"

# The pause window has no title: it is the program's visible window of 199 x 188 pixels.
find_pause() { find_window_of_size 199 188 "$1"; }

click_continue() {  # click_continue PAUSE_WINDOW
  click "$1" 99 136
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

ends_with_status_0() { ends_with_status 0 10; }

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
stop_program

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

finish
