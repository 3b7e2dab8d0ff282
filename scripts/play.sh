#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orvel Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the dependencies, builds Kuvo and starts a solo game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKUVO_BUILD_TESTS=OFF
cmake --build build-release
exec ./build-release/app/kuvo "$@"
