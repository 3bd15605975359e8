#!/usr/bin/env bash
# Configures and builds Zevora with CMake and Ninja.
#   scripts/build.sh              -> build/
#   scripts/build.sh --sanitize   -> build-sanitize/ (AddressSanitizer + UBSan)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

builddir="$root/build"
extra=()
if [ "${1:-}" = "--sanitize" ]; then
    builddir="$root/build-sanitize"
    extra+=(-DZEVORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
else
    extra+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi

cmake -S "$root" -B "$builddir" -G Ninja -DZEVORA_WERROR=ON "${extra[@]}" >/dev/null
cmake --build "$builddir" --parallel "$(nproc)"
