#!/usr/bin/env bash
# Sets up the machine, builds Zevora into build/ and starts it.
# An optional file path is handed to the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
exec "$root/build/src/app/zevora" "$@"
