#!/usr/bin/env bash
# What playing costs the machine: the real program plays 10 s of level 1 under its own Xvfb
# (24 bits), the ball rolling to and fro, and this reports for each program given
#   - the share of one core that the process used (its CPU time over the wall time), each run and
#     the median of the runs;
#   - the process's CPU time per pass, median and 99th percentile, and the share of one core split
#     into drawing the scene, putting the windows together and the rest;
#   - the peak memory of the process (VmHWM).
# The share comes from runs left alone; the per-pass figures from further runs in which the
# program measures itself (ORBELON_DRAW_PROBE), waiting for the GPU at the end of each part, so
# they cost a little more. A program built without that probe gets the share and the memory only.
#
#   tests/bench/play_cost.sh [-r RUNS] [-s SECONDS] [-o FOLDER] PROGRAM...
#
# e.g. tests/bench/play_cost.sh /tmp/orbelon-base/build/game/orbelon build/game/orbelon
# Give today's program and the new one in the same command, so that both are measured on the same
# machine under the same load (the rounds alternate between them). RUNS defaults to 3, SECONDS to
# 10; screenshots and the per-pass files go into FOLDER (/tmp/orbelon-play-cost). Whatever the
# environment says reaches the program: LP_NUM_THREADS=2 taskset -c 0,1 tests/bench/play_cost.sh ...
# measures the game on two cores. Needs Xvfb, xdotool and imagemagick (scripts/install-deps check).
set -uo pipefail

runs=3
seconds=10
out=/tmp/orbelon-play-cost
while getopts r:s:o: option; do
  case $option in
    r) runs=$OPTARG ;;
    s) seconds=$OPTARG ;;
    o) out=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[[ $# -gt 0 ]] || { sed -n '2,/^set /p' "$0" | sed '$d'; exit 2; }
programs=()
for program in "$@"; do
  [[ -x $program ]] || { echo "not a program: $program" >&2; exit 2; }
  programs+=("$(cd "$(dirname "$program")" && pwd)/$(basename "$program")")
done
mkdir -p "$out"

xvfb_pid=
program_pid=
steer_pid=
cleanup() {
  [[ -n $steer_pid ]] && kill "$steer_pid" 2>/dev/null
  [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT
# A display of our own, started again should anything end it between runs.
start_display() {
  for _ in $(seq 20); do
    number=$((200 + RANDOM % 800))
    [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]] && continue
    Xvfb ":$number" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do DISPLAY=:$number xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    kill -0 "$xvfb_pid" 2>/dev/null && break
    xvfb_pid=
  done
  [[ -n $xvfb_pid ]] || { echo "Xvfb could not be started" >&2; exit 1; }
  export DISPLAY=:$number
}
start_display

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null; }

# The newest visible window of the program with that title, waiting up to 30 s.
window_of() {  # window_of TITLE-PATTERN
  local id
  for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --pid "$program_pid" --name "$1" 2>/dev/null | tail -n 1)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}

box_shown() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$program_pid" --name '' 2>/dev/null); do
    [[ $(xdotool getwindowname "$id" 2>/dev/null) =~ ^(Ready|Sorry):$ ]] && return 0
  done
  return 1
}

# The hand of the benchmark of a pass: a nudge right, then every 1.2 s twice as far the other
# way, so the ball rolls to and fro and stays on the board (the UFO needs longer to reach it).
steer() {
  xdotool mousemove_relative -- 20 0
  sleep 0.6
  local step=-40
  while :; do
    xdotool mousemove_relative -- "$step" 0
    step=$((-step))
    sleep 1.2
  done
}

# One run: prints "share_percent vmhwm_kb" and leaves the per-pass lines in PROBE_FILE when the
# probe is asked for; prints "failed WHY" when the play did not go as scripted.
play() {  # play PROGRAM NAME PROBE_FILE|""
  local program=$1 name=$2 probe=$3 start ready before after lines_before ticks0 ticks1 hwm
  xdotool keyup Return 2>/dev/null
  (cd "$(dirname "$program")" && exec env SDL_AUDIODRIVER=dummy ${probe:+ORBELON_DRAW_PROBE=$probe} \
    "$program") >"$out/$name.log" 2>&1 &
  program_pid=$!
  start=$(window_of '^Orbelon$') || { echo "failed: no start window"; return; }
  xdotool windowfocus --sync "$start" 2>/dev/null
  xdotool key Return
  # A key can be lost while the box is still coming up: press until it has gone.
  for _ in 1 2 3 4 5; do
    ready=$(window_of '^Ready:$') || { echo "failed: no Ready box"; return; }
    xdotool windowfocus --sync "$ready" 2>/dev/null
    xdotool key Return
    sleep 1
    box_shown || break
  done
  box_shown && { echo "failed: the Ready box stayed"; return; }
  steer &
  steer_pid=$!
  sleep 0.5
  lines_before=$(cat "$probe" 2>/dev/null | wc -l)
  ticks0=$(cpu_ticks "$program_pid")
  sleep "$seconds"
  ticks1=$(cpu_ticks "$program_pid")
  [[ -n $probe ]] && tail -n "+$((lines_before + 1))" "$probe" 2>/dev/null | grep '^[0-9]' >"$probe.play"
  hwm=$(awk '/VmHWM/ {print $2}' "/proc/$program_pid/status" 2>/dev/null)
  kill "$steer_pid" 2>/dev/null
  wait "$steer_pid" 2>/dev/null
  steer_pid=
  import -window root "$out/$name.png" 2>/dev/null
  if [[ -z $ticks1 ]]; then
    echo "failed: the program ended"
  elif box_shown; then
    echo "failed: a box came up during play (a life was lost)"
  else
    awk -v t0="$ticks0" -v t1="$ticks1" -v s="$seconds" -v h="$hwm" -v hz="$(getconf CLK_TCK)" \
      'BEGIN {printf "%.1f %d\n", 100 * (t1 - t0) / hz / s, h}'
  fi
  kill "$program_pid" 2>/dev/null
  wait "$program_pid" 2>/dev/null
  program_pid=
}

median() { sort -n | awk '{v[NR] = $1} END {if (NR) print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2)}'; }

echo "machine: $(nproc) cores, load average before: $(cut -d' ' -f1-3 /proc/loadavg)," \
  "LP_NUM_THREADS=${LP_NUM_THREADS:-default}, affinity $(taskset -pc $$ | sed 's/.*: //')"
for round in $(seq "$runs"); do
  for i in "${!programs[@]}"; do
    for kind in plain probe; do
      probe=
      [[ $kind == probe ]] && probe=$out/passes-$i-$round.txt
      xdpyinfo >/dev/null 2>&1 || start_display
      result=$(play "${programs[$i]}" "run-$i-$round-$kind" "$probe")
      echo "round $round, program $((i + 1)), $kind: $result"
      echo "$result" >"$out/result-$i-$round-$kind"
    done
  done
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

for i in "${!programs[@]}"; do
  echo
  echo "program $((i + 1)): ${programs[$i]}"
  shares=$(cat "$out"/result-"$i"-*-plain | awk '$1 != "failed:" {print $1}')
  echo "  share of one core: $(echo "$shares" | median) % (median of $(echo "$shares" | grep -c .)" \
    "runs: $(echo "$shares" | sort -n | tr '\n' ' ')%)"
  echo "  peak memory (VmHWM): $(cat "$out"/result-"$i"-*-plain "$out"/result-"$i"-*-probe |
    awk '$1 != "failed:" {print $2}' | sort -n | tail -n 1) kB (highest of the runs)"
  files=$(ls "$out"/passes-"$i"-*.txt.play 2>/dev/null)
  if [[ -z $files ]] || [[ $(cat $files | wc -l) == 0 ]]; then
    echo "  per pass: no probe in this program"
    continue
  fi
  cat $files | sort -n -k1,1 | awk -v wall="$(echo $files | wc -w)" -v s="$seconds" '
    {pass[NR] = $1; scene += $2; windows += $3; total += $1}
    END {
      p99 = int(NR * 0.99); if (p99 < 1) p99 = 1
      printf "  CPU per pass (with the probe, %d passes): median %.2f ms, p99 %.2f ms\n",
        NR, pass[int((NR + 1) / 2)] / 1000, pass[p99] / 1000
      wall *= s * 1e6
      printf "  share of one core with the probe %.1f %%: scene %.1f %%, windows %.1f %%, rest %.1f %%\n",
        100 * total / wall, 100 * scene / wall, 100 * windows / wall, 100 * (total - scene - windows) / wall
      printf "  passes per second: %.1f\n", NR * 1e6 / wall
    }'
done
