#!/usr/bin/env bash
# Fuzzes every parser of the program: builds the fuzz targets with clang's
# libFuzzer and sanitizers into build-fuzz/ and runs each one for SECONDS
# (default 60), starting from its corpus in tests/fuzz/corpus/<parser>/.
#   scripts/fuzz.sh [SECONDS]
# New inputs that reach new code are kept in build-fuzz/corpus/<parser>/. An
# input that breaks a parser is written to build-fuzz/crashes/ and the script
# exits 1: once the fault is fixed, add that input to the parser's corpus.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
"$root/scripts/setup.sh"

build="$root/build-fuzz"
cmake -S "$root/tests/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"

status=0
mkdir -p "$build/crashes"
for source in "$root"/tests/fuzz/fuzz_*.cpp; do
    name="$(basename "$source" .cpp)"
    parser="${name#fuzz_}"
    mkdir -p "$build/corpus/$parser"
    echo "fuzz: $parser for ${seconds}s"
    "$build/$name" -max_total_time="$seconds" -timeout=2 -print_final_stats=1 \
        -artifact_prefix="$build/crashes/$parser-" \
        "$build/corpus/$parser" "$root/tests/fuzz/corpus/$parser" 2>&1 | grep -E '^(stat::number_of_executed_units|stat::peak_rss|==|SUMMARY|.*property failed)' || true
    if compgen -G "$build/crashes/$parser-*" >/dev/null; then
        echo "fuzz: $parser broke; inputs in $build/crashes/"
        status=1
    fi
done
exit $status
