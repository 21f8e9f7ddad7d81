#!/usr/bin/env bash
# Builds quil and measures its start-up under Xvfb with Mesa's software renderer:
# bench/start.sh [BUILD-DIR [RUNS]]
set -euo pipefail
cd "$(dirname "$0")/.."
bau=${1:-build}
shift $(($# > 0))
cmake -S . -B "$bau" -G Ninja >/dev/null
cmake --build "$bau" --target quil
LIBGL_ALWAYS_SOFTWARE=1 exec python3 -B bench/start.py "$bau/quil" "$@"
