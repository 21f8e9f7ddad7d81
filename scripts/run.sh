#!/usr/bin/env bash
# Sets up, builds and runs quil on its default file Alanin.xyz (arguments are passed on).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
exec build/quil "$@"
