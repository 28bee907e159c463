#!/usr/bin/env bash
# Installs what is missing, builds and starts Kurvalon.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec "${KURVALON_BUILD_DIR:-build}/src/kurvalon" "$@"
