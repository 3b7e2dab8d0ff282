#!/bin/bash
# SPDX-FileCopyrightText: 2026 Orvel Games
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Plays a few moves of a solo game under the real screen reader and prints
# what it said. Needs Debian's orca, at-spi2-core, speech-dispatcher, xvfb and
# xdotool; no sound card (Orca's speech is read from its debug log).
#
#   tools/orca-check.sh [path/to/kuvo]      (default: build/app/kuvo)
#
# Everything runs in a folder of its own with its own display, session bus
# and accessibility bus, and the game looks for tables on loopback only.
set -euo pipefail

kuvo=$(realpath "${1:-build/app/kuvo}")
work=$(mktemp -d /tmp/kuvo-orca.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/runtime" "$work/kuvo-runtime"
chmod 700 "$work/runtime" "$work/kuvo-runtime"

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/runtime" KUVO_DISCOVERY=127.0.0.1
export LANGUAGE=en LANG=C.UTF-8 LC_ALL=C.UTF-8
display=:$((90 + RANDOM % 100))

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
export DISPLAY=$display

cat >"$work/session.sh" <<'INNER'
set -u
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/atspi.log" 2>&1 &
sleep 2
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null || true
orca --replace --debug-file="$WORK/orca.log" >"$WORK/orca.out" 2>&1 &
orca=$!
sleep 6
# The game in a runtime folder of its own, so a running Kuvo is not woken.
XDG_RUNTIME_DIR="$WORK/kuvo-runtime" QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  "$KUVO" >"$WORK/kuvo.log" 2>&1 &
kuvo=$!
sleep 6

mark() {  # where in Orca's log each step begins
  printf '%s\t%s\n' "$(wc -l <"$WORK/orca.log")" "$1" >>"$WORK/steps"
}
key() { xdotool key --delay 150 "$@"; sleep 1.5; }
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }

mark "the window a solo game opens with: Space on its focused button"
key space
sleep 2
main=$(window '^Kuvo$')
xdotool windowfocus --sync "$main" 2>/dev/null || true
mark "F10, Down, Return: File > Start Game"
key F10 Down Return
sleep 2
# One round of 30 seconds, so the round's end and the winner come soon.
mark "Game Options: Down, Down (1 round), Tab, Up (30 s), Return"
key Down Down Tab Up Return
sleep 3
xdotool windowfocus --sync "$main" 2>/dev/null || true
mark "F6: the board takes the focus"
key F6
sleep 3
mark "Space: pull"
key space
sleep 2
for _ in 1 2 3 4 5; do
  mark "Return: take the cell under the cursor"
  key Return
  mark "Down"
  key Down
done
mark "Space: pull"
key space
mark "F7: the last word again"
key F7
mark "F8: the scores"
key F8
mark "F6: to the chat line"
key F6
mark "F8 with the focus on the chat line"
key F8
mark "waiting for the clock, the round's end and the winner"
for _ in $(seq 120); do
  grep -q "SPEECH OUTPUT: .*\(Won the Game\|Game is Over\)" "$WORK/orca.log" && break
  sleep 1
done
sleep 2
mark "end"
kill "$kuvo" 2>/dev/null || true
sleep 1
kill "$orca" 2>/dev/null || true
INNER

WORK="$work" KUVO="$kuvo" dbus-run-session -- bash "$work/session.sh" || true
kill "$xvfb" 2>/dev/null || true

# What Orca said, step by step.
prev=0
title="start-up"
while IFS=$'\t' read -r line next; do
  echo "== $title"
  sed -n "$((prev + 1)),${line}p" "$work/orca.log" | grep "SPEECH OUTPUT" | sed -e 's/^.*SPEECH OUTPUT: //' || true
  prev=$line
  title=$next
done <"$work/steps"
