#!/usr/bin/env bash
# Builds the Debian package of Kurvalon with CPack from the normal build
# (build/ or $KURVALON_BUILD_DIR) into BUILD_DIR/package/ and prints the path
# of the .deb. Install it with: sudo apt install ./build/package/kurvalon_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh >&2  # stdout carries only the path of the .deb
build_dir=${KURVALON_BUILD_DIR:-build}
scripts/build.sh >/dev/null
rm -rf "$build_dir/package"
(cd "$build_dir" && cpack -G DEB -B "$PWD/package" >/dev/null)
ls "$build_dir"/package/kurvalon_*.deb
