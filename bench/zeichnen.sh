#!/usr/bin/env bash
# Builds the drawing benchmark and runs it under Xvfb with Mesa's software renderer:
# bench/zeichnen.sh [BUILD-DIR [frames at the limits [frames for Alanin]]]
set -euo pipefail
cd "$(dirname "$0")/.."
bau=${1:-build}
shift $(($# > 0))
cmake -S . -B "$bau" -G Ninja >/dev/null
cmake --build "$bau" --target zeichnen_bench
LIBGL_ALWAYS_SOFTWARE=1 exec python3 -B scripts/ohne_bildschirm.py xvfb 1600x1200 \
  "$bau/bench/zeichnen_bench" Alanin.xyz "$@"
