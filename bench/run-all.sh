#!/usr/bin/env bash
# Runs every benchmark program of a build folder; never part of the tests.
set -euo pipefail
build=${1:-build}
for b in "$build"/bench/*/*_bench; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" --benchmark_counters_tabular=true
done
for s in bench/*.sh; do
    [ "$(basename "$s")" = run-all.sh ] && continue
    echo "== $(basename "$s")"
    bash "$s" "$build"
done
