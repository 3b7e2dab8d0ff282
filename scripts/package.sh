#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orvel Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages kuvo and kuvo-host from this tree (installing the
# build dependencies with apt where missing) into build-deb/, or the folder
# KUVO_DEB_DIR names. The tests are not part of a package build: run
# scripts/test.sh for them.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${KUVO_DEB_DIR:-build-deb}")
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
if ! command -v dpkg-buildpackage > /dev/null || ! dpkg-checkbuilddeps 2> /dev/null; then
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends dpkg-dev
  DEBIAN_FRONTEND=noninteractive $sudo apt-get build-dep -y ./
fi

# dpkg-buildpackage writes the packages beside the source folder and leaves its
# work in it, so it builds a copy: every file git knows or would add, as it is
# now, edits included.
rm -rf "$out"
mkdir -p "$out/src/kuvo"
git ls-files -z --cached --others --exclude-standard |
  tar --null --files-from=- --ignore-failed-read -cf - | tar -xf - -C "$out/src/kuvo"
if command -v ccache > /dev/null; then
  # dh hides HOME during the build; the cache stays where it always is.
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_DIR="${CCACHE_DIR:-$(ccache -k cache_dir)}"
fi
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-parallel=$(nproc)}"
(cd "$out/src/kuvo" && dpkg-buildpackage -us -uc -b)
mv "$out"/src/*.deb "$out"/src/*.changes "$out"/src/*.buildinfo "$out"/
rm -rf "$out/src"
echo "The packages are in $out:"
ls -1 "$out"/*.deb
