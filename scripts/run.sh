#!/usr/bin/env bash
# Sets up, builds and runs quil on its default file Alanin.xyz (arguments are passed on).
# Without a display it runs quil under Xvfb, saves a picture of its window and ends it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
if [ -n "${DISPLAY:-}" ]; then
  exec build/quil "$@"
fi
exec python3 -B scripts/ohne_bildschirm.py foto build/quil build/quil.png "$@"
