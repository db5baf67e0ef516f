#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The drvq developers
# SPDX-License-Identifier: GPL-3.0-or-later
# check-running LAUNCHER: starts the trainer through LAUNCHER on a virtual X server, waits
# for the start window, starts an exam with Alt+S and expects the exam window on screen.
# The exam window only comes up when the program found and opened its bank beside itself.
set -euo pipefail
launcher=$1

if [ "${DRVQ_CHECK_X:-}" != 1 ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" env DRVQ_CHECK_X=1 QT_QPA_PLATFORM=xcb "$0" "$@"
fi

# Started from another folder, so that only the program's own folder can lead to the bank.
cd /
"$launcher" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

wait_window() {  # wait_window REGEX SECONDS
  for ((i = 0; i < $2 * 10; i++)); do
    kill -0 "$pid" 2>/dev/null || { echo "check-running: the program ended early" >&2; return 1; }
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && return 0
    sleep 0.1
  done
  return 1
}

wait_window '北京机动车驾驶员法培考试' 30 || { echo "check-running: no start window" >&2; exit 1; }
start=$id
sleep 3.5  # the splash
xdotool windowfocus --sync "$start" 2>/dev/null || xdotool windowfocus "$start"
xdotool key --clearmodifiers alt+s
if ! wait_window '^机动车驾驶员法培考试$' 30; then
  echo "check-running: no exam window after Alt+S; windows on screen:" >&2
  for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true); do xdotool getwindowname "$w" >&2 || true; done
  exit 1
fi
echo "check-running: $launcher started an exam from its bank"
