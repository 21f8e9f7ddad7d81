#!/usr/bin/env bash
# Sets up, checks the formatting and the static analysis, builds and runs every test: the normal
# build, a clang build with AddressSanitizer and UndefinedBehaviorSanitizer that also runs the fuzz
# targets, and a clang build with ThreadSanitizer (Mesa's and X11's own threads suppressed, see
# tests/tsan.supp). Compiler warnings fail every build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/stil.sh
jobs=$(nproc)

scripts/build.sh build -DQUIL_WERROR=ON
ctest --test-dir build --output-on-failure -j "$jobs"

scripts/build.sh build-san -DCMAKE_CXX_COMPILER=clang++ -DQUIL_SANITIZE=ON -DQUIL_WERROR=ON
# Without intercept_tls_get_addr=0 the runtime of clang 14 takes a heap block that happens to start
# at a certain page offset for an old glibc's dynamic TLS header, and LeakSanitizer's tracer dies at
# exit ("Tracer caught signal 11") after a run with no fault, depending only on the heap's layout.
ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-san --output-on-failure -j "$jobs"

scripts/build.sh build-tsan -DCMAKE_CXX_COMPILER=clang++ -DQUIL_TSAN=ON -DQUIL_WERROR=ON
TSAN_OPTIONS="suppressions=$PWD/tests/tsan.supp" ctest --test-dir build-tsan --output-on-failure -j "$jobs"
