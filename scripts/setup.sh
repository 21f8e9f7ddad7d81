#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing quil need, where missing.
set -euo pipefail

pakete=(g++ cmake ninja-build pkg-config freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri
        libgtest-dev clang libclang-rt-14-dev xvfb xdotool x11-apps x11-utils python3
        desktop-file-utils man-db groff-base clang-format cppcheck libpng-dev python3-rdkit openbabel)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || fehlend+=("$p")
done
if ((${#fehlend[@]})); then
  echo "installing: ${fehlend[*]}"
  als_root=()
  [ "$(id -u)" -eq 0 ] || als_root=(sudo)
  "${als_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi
