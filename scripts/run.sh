#!/usr/bin/env bash
# Installs what is missing, builds the program alone (no tests), and starts Quillboard.
# Arguments go to the program: scripts/run.sh MyProject.qbp
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/deps.sh"
QB_TARGETS=quillboard "$here/scripts/build.sh"
exec "${QB_BUILD_DIR:-$here/build}/bin/quillboard" "$@"
