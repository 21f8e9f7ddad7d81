#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build, then a clang build with
# AddressSanitizer and UndefinedBehaviorSanitizer that also runs the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$jobs"

scripts/build.sh build-san -DCMAKE_CXX_COMPILER=clang++ -DQUIL_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-san --output-on-failure -j "$jobs"
