#!/usr/bin/env bash
# Sets up the machine, builds Zevora and runs every test with CTest, without a
# display. Exits non-zero when anything fails.
#   scripts/test.sh              plain build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UBSan build in build-sanitize/
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$@"

builddir="$root/build"
[ "${1:-}" = "--sanitize" ] && builddir="$root/build-sanitize"

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$builddir"
ctest --output-on-failure --parallel "$(nproc)"
