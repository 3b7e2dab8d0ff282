#!/bin/sh
# Builds the libFuzzer targets (tally decoder, pack-then-unpack, the host) with clang and runs each for SECONDS seconds.
# Usage: tools/fuzz.sh [SECONDS] [BUILD_FOLDER]
set -eu
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-"$root/build-fuzz"}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DKUVO_BUILD_FUZZ=ON -DKUVO_BUILD_TESTS=OFF >/dev/null
ninja -C "$build" lzrw1_decode_fuzz lzrw1_roundtrip_fuzz host_fuzz

for target in lzrw1_decode_fuzz lzrw1_roundtrip_fuzz host_fuzz; do
  corpus="$build/fuzz/corpus-$target"
  mkdir -p "$corpus"
  echo "== $target for ${seconds}s"
  "$build/fuzz/$target" -max_total_time="$seconds" -max_len=140000 -print_final_stats=1 "$corpus"
done
