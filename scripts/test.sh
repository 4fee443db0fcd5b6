#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test (GUI tests offscreen).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/deps.sh"
"$here/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "${QB_BUILD_DIR:-$here/build}"
ctest --output-on-failure -j"$(nproc)" --timeout 600
