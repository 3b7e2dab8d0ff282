#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orvel Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Kuvo needs to build and test, from Debian 12's packages.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev libsimpleini-dev libjpeg-dev zlib1g-dev
  # lupdate/lrelease and their CMake functions, for the translations
  qt6-l10n-tools qt6-tools-dev
  # Qt's own texts (dialog buttons) in the user's language; Kuvo runs without them
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
)
for option in "$@"; do
  case "$option" in
    --with-fuzz) packages+=(clang libclang-rt-dev) ;;
    --with-format) packages+=(clang-format) ;;
  esac
done
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
