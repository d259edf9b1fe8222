#!/usr/bin/env bash
# Whether the game's memory stays flat while its windows open and close: the real program under
# its own Xvfb (with openbox beside it, unless -n) opens and closes the rules window over the
# start window CYCLES times, then starts a game and pauses and continues CYCLES times, with BUSY
# loops of the shell spinning beside it the whole time (on a busy machine the events come at other
# moments, and with them the order in which the program takes and frees its memory). For each of
# the two it prints the resident size (VmRSS) at cycle 10 and at the end, and the growth between
# them.
#
#   tests/bench/soak_windows.sh [-c CYCLES] [-b BUSY] [-w SECONDS] [-n] [-o FOLDER] [PROGRAM]
#
# CYCLES defaults to 180, BUSY to the number of cores, PROGRAM to build/game/orbelon. Each window
# stays open SECONDS (0 by default: it closes as soon as it is seen), as a player reads it. -n runs
# without a window manager. The program's log goes into FOLDER (/tmp/orbelon-soak). Whatever the
# environment says reaches the program: e.g. MALLOC_ARENA_MAX=1 tests/bench/soak_windows.sh.
# Needs Xvfb, xdotool and openbox (scripts/install-deps check). A benchmark: it times nothing and
# fails only when the program does not answer.
set -uo pipefail

cycles=180
busy=$(nproc)
manager=openbox
out=/tmp/orbelon-soak
hold=0
while getopts c:b:w:no: option; do
  case $option in
    c) cycles=$OPTARG ;;
    b) busy=$OPTARG ;;
    w) hold=$OPTARG ;;
    n) manager= ;;
    o) out=$OPTARG ;;
    *) sed -n '2,/^set /p' "$0" | sed '$d'; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../../build/game/orbelon}
[[ -x $program ]] || { echo "not a program: $program" >&2; exit 2; }
((cycles >= 10)) || { echo "at least 10 cycles" >&2; exit 2; }

unset DISPLAY
source "$here/../e2e/lib.sh" "$(dirname "$program")" "$out"

busy_pids=()
stop_busy() {
  ((${#busy_pids[@]})) && kill "${busy_pids[@]}" 2>/dev/null
  busy_pids=()
}
[[ -n $manager ]] && start_window_manager soak
# After the window manager's, which sets a trap of its own.
trap 'stop_busy; stop_program; [[ -n ${wm_pid:-} ]] && kill $wm_pid 2>/dev/null; e2e_cleanup' EXIT

resident() { awk '/^VmRSS:/ {print $2}' "/proc/$program_pid/status" 2>/dev/null; }

# A click or key the program did not act on within 5 s is given again, at most 4 times in all,
# and counted: the soak measures memory, and a lost input is a fault of its own. (An Esc that
# meets the box of a lost life is rightly ignored, and given again too.)
missed=0
retry() {  # retry DONE ACTION...: ACTION until DONE (which waits up to 5 s) holds
  local done=$1 try
  shift
  for try in 1 2 3 4; do
    "$@"
    "$done" && return 0
    missed=$((missed + 1))
  done
  return 1
}
rules_shown() { rules=$(game_window '^$' 5 399x399); }
rules_gone() { gone "$rules" 5; }
pause_shown() { pause=$(game_window '^$' 5 199x188); }
pause_gone() { gone "$pause" 5; }

# Each cycle waits for the window to show and to go, so a slow machine only makes it longer. Odd
# cycles go by the keyboard, even ones by the mouse, as players mix them.
rules_cycle() {  # rules_cycle CYCLE
  if (($1 % 2)); then
    retry rules_shown press "$start" Return || return 1  # "Instructions" keeps the focus
  else
    retry rules_shown click "$start" 128 196 || return 1  # on "Instructions"
  fi
  sleep "$hold"
  retry rules_gone click "$rules" 200 20
}
# The UFO catches the ball now and then between the pauses; the boxes of the lost life are
# answered, and play goes on with the next life.
answer_boxes() {
  local box
  while box=$(game_window '^(Sorry|Ready):$' 0); do
    # Every new life opens behind a "Ready:" box, whatever ended the last one.
    [[ $(xdotool getwindowname "$box") == Ready: ]] && lost=$((lost + 1))
    press "$box" Return
    gone "$box" 5
  done
}
lost=0
pause_game() {
  answer_boxes
  press "$play" Escape
}
pause_cycle() {  # pause_cycle CYCLE
  retry pause_shown pause_game || return 1
  sleep "$hold"
  if (($1 % 2)); then
    retry pause_gone press "$pause" Escape
  else
    retry pause_gone click "$pause" 99 136  # on "Continue"
  fi
}

# What the display showed when a cycle did not finish.
report_stuck() {  # report_stuck NAME CYCLE
  local id
  echo "$1: cycle $2 did not finish; the program's windows:"
  for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
    echo "  $id \"$(xdotool getwindowname "$id")\" $(size_of "$id")"
  done
  import -window root "$out_dir/soak-stuck.png" 2>/dev/null && echo "  see $out_dir/soak-stuck.png"
}

# Runs CYCLE_FUNCTION CYCLES times and prints the resident size at cycle 10 and at the end.
soak() {  # soak NAME CYCLE_FUNCTION
  local cycle at_ten=0 at_end
  for cycle in $(seq "$cycles"); do
    if ! "$2" "$cycle"; then
      report_stuck "$1" "$cycle"
      return 1
    fi
    ((cycle == 10)) && at_ten=$(resident)
  done
  at_end=$(resident)
  printf '%-16s VmRSS at cycle 10: %7d kB, at cycle %d: %7d kB, growth %+d kB' \
    "$1" "$at_ten" "$cycles" "$at_end" $((at_end - at_ten))
  ((missed)) && printf ' (%d inputs given again)' "$missed"
  ((lost)) && printf ' (%d lives lost)' "$lost"
  echo
  missed=0
}

for _ in $(seq "$busy"); do
  (while :; do :; done) &
  busy_pids+=($!)
done
echo "$cycles cycles, $busy busy loops, ${manager:-no} window manager"

start_program soak dummy
start=$(game_window '^Orbelon$' 30) || { echo "the start window did not open"; exit 1; }
press "$start" Tab  # to "Instructions", which keeps the focus after the rules window closes
soak "rules window" rules_cycle || exit 1

press "$start" Tab
press "$start" Return
ready=$(game_window '^Ready:$' 60) || { echo "the game did not start"; exit 1; }
play=$(game_window '^Orbelon V3\.01' 10)
press "$ready" Return
gone "$ready" 10
soak "pause window" pause_cycle || exit 1
stop_busy
