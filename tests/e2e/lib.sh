# What the end-to-end scripts share: a display, the program under test, windows found by name or
# size, keys typed as a player types them, and the count of passed and failed checks.
# Usage, at the top of a script: source "$(dirname "$0")/lib.sh" "$@"  (GAME_DIR OUTPUT_DIR)
# shellcheck shell=bash

game_dir=$(cd "$1" && pwd)
out_dir=$2
mkdir -p "$out_dir"
program=$game_dir/orbelon

passed=0
failed=0
program_pid=
xvfb_pid=

stop_program() {
  if [[ -n $program_pid ]]; then
    kill "$program_pid" 2>/dev/null
    # The program unwinds on SIGTERM; one that has not ended after 5 s hangs, and is killed.
    for _ in $(seq 50); do
      kill -0 "$program_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL "$program_pid" 2>/dev/null && echo "  the program did not end on SIGTERM"
    wait "$program_pid" 2>/dev/null
    program_pid=
  fi
}

e2e_cleanup() {
  stop_program
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
}
trap e2e_cleanup EXIT

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

# A desktop as players have it: a window manager (openbox) beside the display, stopped at the end.
start_window_manager() {  # start_window_manager LOG
  openbox --sm-disable >"$out_dir/$1-openbox.log" 2>&1 &
  wm_pid=$!
  trap 'stop_program; kill $wm_pid 2>/dev/null; e2e_cleanup' EXIT
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
}

# Under a window manager: its stacking order, bottom first.
above() {  # above UPPER LOWER: UPPER stands above LOWER
  local id i=0 upper=-1 lower=-1
  for id in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^[^#]*#//; s/,/ /g'); do
    ((id == $1)) && upper=$i
    ((id == $2)) && lower=$i
    i=$((i + 1))
  done
  ((upper >= 0 && lower >= 0 && upper > lower))
}

# The program's own windows, by title and, where given, size. Under a window manager the frames
# have the sizes of the windows they hold, so the program's windows are picked by its process id.
game_window() {  # game_window TITLE_PATTERN SECONDS [SIZE]
  local deadline=$((SECONDS + $2)) id
  while :; do
    for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
      if [[ $(xdotool getwindowname "$id" 2>/dev/null) =~ $1 ]] &&
        [[ -z ${3:-} || $(size_of "$id") == "$3" ]]; then
        echo "$id"
        return 0
      fi
    done
    ((SECONDS >= deadline)) && return 1
    sleep 0.1
  done
}

# A key left down in the server by an earlier client would repeat into our windows.
xdotool keyup Return Escape space 2>/dev/null

pass() {
  echo "PASS $1"
  passed=$((passed + 1))
}
fail() {
  echo "FAIL $1"
  failed=$((failed + 1))
}
check() {  # check DESCRIPTION STATUS
  if [[ $2 == 0 ]]; then pass "$1"; else fail "$1"; fi
}
expect() {  # expect DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}
# The closing line that the test runner reads; the script's status.
finish() {
  echo "$passed passed, $failed failed"
  [[ $failed == 0 ]]
}

start_program() {  # start_program LOG AUDIODRIVER [ARGS...]
  local log=$1 driver=$2
  shift 2
  (cd "$game_dir" && exec env SDL_AUDIODRIVER="$driver" "$program" "$@") \
    >>"$out_dir/$log.log" 2>&1 &
  program_pid=$!
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

size_of() {  # size_of WINDOW: the client size as WIDTHxHEIGHT
  xwininfo -id "$1" 2>/dev/null | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'
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

# Windows without a title (the pause window) are known by their size.
find_window_of_size() {  # find_window_of_size WIDTH HEIGHT SECONDS
  local deadline=$((SECONDS + $3)) id
  while :; do
    for id in $(xdotool search --onlyvisible --class '' 2>/dev/null); do
      if [[ $(size_of "$id") == "$1x$2" ]]; then
        echo "$id"
        return 0
      fi
    done
    ((SECONDS >= deadline)) && return 1
    sleep 0.2
  done
}

no_window() { ! find_window "$1" 0 >/dev/null; }
has_window() { find_window "$1" "$2" >/dev/null; }

gone() {  # gone WINDOW SECONDS: the window is no longer shown
  local deadline=$((SECONDS + $2))
  while ((SECONDS <= deadline)); do
    xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' || return 0
    sleep 0.2
  done
  return 1
}

# A key typed into the window through the server's own input, after giving it the focus. (Sent
# with --window to a window that loses the focus between press and release, the release is lost
# and the key stays down, repeating into the next program on this display.)
press() {  # press WINDOW KEY
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  xdotool key "$2"
}

click() {  # click WINDOW X Y
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

shot() {  # shot WINDOW FILE
  sleep 0.5
  import -window "$1" "$out_dir/$2" 2>/dev/null || echo "  (no screenshot $2)"
}

# The start window, Enter, and the first "Ready:" box closed: sets $play to the play window.
start_game() {  # start_game LOG
  start_program "$1" dummy
  local start ready
  start=$(find_window '^Orbelon$' 20) || return 1
  press "$start" Return
  ready=$(find_window '^Ready:$' 30) || return 1
  play=$(find_window '^Orbelon V3\.01' 5) || return 1
  press "$ready" Return
  gone "$ready" 5
}
