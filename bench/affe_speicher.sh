#!/usr/bin/env bash
# The peak resident memory of quil over a monkey run of the GUI tests (random keys, clicks, drags,
# wheel turns and menu picks, then a save and Exit): bench/affe_speicher.sh [BUILD-DIR [EVENTS [SEED]]]
set -euo pipefail
cd "$(dirname "$0")/.."
bau=${1:-build}
ereignisse=${2:-10000}
saat=${3:-1}
cmake -S . -B "$bau" -G Ninja >/dev/null
cmake --build "$bau" --target quil
huelle=$(mktemp) bericht=$(mktemp)
trap 'rm -f "$huelle" "$bericht"' EXIT
printf '#!/bin/sh\nexec /usr/bin/time -f %%M -o %s %s "$@"\n' "$bericht" "$(realpath "$bau/quil")" > "$huelle"
chmod +x "$huelle"
QUIL=$huelle QUIL_AFFE="$saat $ereignisse 3600" LIBGL_ALWAYS_SOFTWARE=1 python3 -B tests/gui/gui_test.py AffeTest
echo "quil: hoechstens $(tail -1 "$bericht") KiB resident nach $ereignisse Ereignissen (Saat $saat)"
