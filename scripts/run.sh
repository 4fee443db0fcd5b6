#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quillboard.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/deps.sh"
"$here/scripts/build.sh"
exec "${QB_BUILD_DIR:-$here/build}/bin/quillboard" "$@"
