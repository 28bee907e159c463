#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once in the normal
# build, then the Debian package made from it (scripts/check-package.sh), once
# under AddressSanitizer and UndefinedBehaviorSanitizer
# (KURVALON_SKIP_SANITIZERS=1 leaves the last run out).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

run_tests() {
  local build_dir=$1
  shift
  KURVALON_BUILD_DIR=$build_dir scripts/build.sh "$@"
  (cd "$build_dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
}

run_tests "${KURVALON_BUILD_DIR:-build}"
scripts/check-package.sh
if [ "${KURVALON_SKIP_SANITIZERS:-0}" != 1 ]; then
  run_tests "${KURVALON_BUILD_DIR:-build}-sanitize" -DKURVALON_SANITIZE=ON -DKURVALON_BENCH=OFF
fi
