#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time (seconds, $1).
# A crash or a sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSALVENOR_WITH_QT=OFF -DSALVENOR_CITYDB_DATA=OFF -DSALVENOR_TESTS=OFF -DSALVENOR_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" >/dev/null
cmake --build build-fuzz -j "$(nproc)"
scratch=$(mktemp -d /dev/shm/salvenor-fuzz.XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in build-fuzz/fuzz/*_fuzz; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$scratch/$name-corpus"
    mkdir -p "$corpus"
    seeds="tests/data/${name%_fuzz}"
    [ -d "$seeds" ] && find "$seeds" -type f ! -name '*.py' ! -name '*.txt' -exec cp {} "$corpus" \;
    echo "-- $name for ${seconds}s"
    TMPDIR="$scratch" "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
        "$corpus" 2>"$scratch/$name.log" || { tail -n 60 "$scratch/$name.log"; exit 1; }
    grep -E '^(stat::number_of_executed_units|Done)' "$scratch/$name.log" || true
done
