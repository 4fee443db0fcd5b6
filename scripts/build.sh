#!/usr/bin/env bash
# Configures and builds into ./build (or $QB_BUILD_DIR). Arguments are passed to the configure
# step; $QB_TARGETS (space-separated) limits the build to those targets and what they need.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${QB_BUILD_DIR:-$here/build}
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
targets=()
for t in ${QB_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build" -j"$(nproc)" "${targets[@]}"
