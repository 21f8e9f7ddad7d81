#!/usr/bin/env bash
# The house habits, checked: every C++ file formatted as .clang-format says, and cppcheck without a
# finding (scripts/cppcheck.xml holds what it may report, each with its reason).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t dateien < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${dateien[@]}"; then
  echo "not formatted: run clang-format -i on the files above" >&2
  exit 1
fi
cppcheck --enable=warning,style,performance,portability,unusedFunction --std=c++17 --language=c++ -I src \
  --quiet --inline-suppr --suppress-xml=scripts/cppcheck.xml --error-exitcode=1 \
  --template='{file}:{line}: {id}: {message}' src
