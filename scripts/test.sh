#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orvel Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the dependencies, builds Kuvo with its tests (warnings are errors)
# and runs every test. Needs no display and no network beyond 127.0.0.1.
set -euo pipefail
cd "$(dirname "$0")/.."
# The table finder looks only at loopback: nothing here may reach a real network.
export KUVO_DISCOVERY=127.0.0.1
bash scripts/deps.sh
build="${KUVO_BUILD_DIR:-build-test}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${KUVO_BUILD_TYPE:-Debug}" -DKUVO_WERROR=ON \
  ${KUVO_CMAKE_ARGS:-}
cmake --build "$build"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j2
