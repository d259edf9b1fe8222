#!/usr/bin/env bash
# An interrupted run: SIGINT or SIGTERM, at the start window, behind a message box and in play,
# unwinds as the game's own ends do and exits with 128 + the signal's number (130, 143), so that
# a calling script can tell it from a finished game.
# Usage: test_signals.sh GAME_DIR OUTPUT_DIR
set -uo pipefail
source "$(dirname "$0")/lib.sh" "$@"

interrupted() {  # interrupted SIGNAL STATUS
  kill "-$1" "$program_pid"
  ends_with_status "$2" 5
}

start_program signals dummy
if find_window '^Orbelon$' 20 >/dev/null; then
  expect "SIGINT at the start window ends with 130" interrupted INT 130
else
  fail "the start window opens"
fi
stop_program

start_program signals dummy nosound
if find_window '^Error initializing Direct Sound\.$' 20 >/dev/null; then
  expect "SIGTERM behind the no-sound box ends with 143" interrupted TERM 143
else
  fail "the no-sound box opens"
fi
stop_program

if start_game signals; then
  sleep 1
  expect "SIGTERM in play ends with 143" interrupted TERM 143
else
  fail "the game starts"
fi
stop_program

finish
