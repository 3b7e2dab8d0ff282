#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orvel Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program icon at the sizes desktops look for (needs librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../assets/icons"
for size in 16 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" kuvo.svg -o "kuvo-$size.png"
done
