#!/bin/sh
# SPDX-FileCopyrightText: 2026 Orvel Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the game's sounds in assets/sounds/. The generated files are kept
# in the repository, so building the game needs neither sox nor espeak-ng.
#   tools/make-sounds.sh            (run from anywhere)
# Needs: sox, espeak-ng. Output: 11025 Hz, mono, 8-bit PCM wave files.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
out="$here/assets/sounds"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

format="-r 11025 -c 1 -b 8 -e unsigned-integer"

# tone NAME SOX-SYNTH-ARGUMENTS...: a synthesised effect, faded at both ends.
tone() {
  name=$1
  shift
  # shellcheck disable=SC2086
  sox -n $format "$out/$name.wav" synth "$@" fade q 0.01 -0 0.05 norm -3
}

# speak NAME PITCH SPEED TEXT: a short spoken word for a chatter sound.
speak() {
  name=$1 pitch=$2 speed=$3 text=$4
  espeak-ng -v en -p "$pitch" -s "$speed" -w "$work/$name.wav" "$text"
  # shellcheck disable=SC2086
  sox -V1 "$work/$name.wav" $format "$out/$name.wav" silence 1 0.01 1% reverse silence 1 0.01 1% reverse \
    trim 0 1.6 norm -3
}

# Game event sounds.
tone ENTERED 0.35 sine 660:990
tone DICE2 0.25 brownnoise tremolo 40 90
tone PLACEDICE 0.08 square 440
tone EXTRA 0.4 sine 523:1046 tremolo 12 60
tone INVALID 0.3 square 180
tone TURN 0.5 sine 880 tremolo 6 40
tone TURNNEW 0.5 triangle 392:784
tone TICK 0.04 square 1500
tone ROUNDOVER 0.7 sine 784:392
tone WINNER 0.9 sine 523:1568 tremolo 8 50

# Chatter sounds, WAVE1..WAVE20 in the order of the chatter sound menu.
speak WAVE1 40 160 "doh!"
speak WAVE2 30 200 "ahem, ahem"
speak WAVE3 50 170 "hello"
speak WAVE4 50 170 "thank you"
speak WAVE5 50 190 "where have you been?"
speak WAVE6 10 90 "zzzz, zzzz"
speak WAVE7 70 220 "achoo!"
speak WAVE8 45 160 "sorry"
speak WAVE9 50 170 "welcome"
speak WAVE10 80 200 "yee haa!"
speak WAVE11 90 200 "yippee!"
speak WAVE12 40 140 "oh no"
speak WAVE13 50 230 "clap clap clap clap"
speak WAVE14 30 180 "honk honk"
speak WAVE15 60 100 "ooooh"
speak WAVE16 50 200 "pbbbbt"
speak WAVE17 80 200 "hooray!"
speak WAVE18 99 260 "ha ha ha ha"
speak WAVE19 5 220 "ho ho ho ho"
speak WAVE20 60 120 "boo hoo hoo"

ls -l "$out"
