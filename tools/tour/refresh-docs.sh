#!/usr/bin/env bash
# Refreshes the README's pictures: builds and runs the screenshot tour (on Xvfb when it is
# installed, so that every run draws alike) and copies the main windows into docs/screenshots/.
#
#   tools/tour/refresh-docs.sh [BUILD]     (BUILD defaults to the source tree's build/)
#
# Every picture the tour takes stays in BUILD/tour/.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath -m "${1:-$root/build}")
docs="$root/docs/screenshots"
main_windows=(bar command_menu today setup_city options_athan month_hijri athan)

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja >/dev/null
fi
cmake --build "$build" -j "${JOBS:-2}" --target salvenor-tour

tour=(env QT_QPA_PLATFORM=xcb "$build/tools/tour/salvenor-tour" --out "$build/tour")
rm -rf "$build/tour"
if command -v xvfb-run >/dev/null; then
    xvfb-run -a "${tour[@]}"
elif [ -n "${DISPLAY:-}" ]; then
    "${tour[@]}"
else
    echo "refresh-docs: needs xvfb-run (apt install xvfb) or a display" >&2
    exit 1
fi

mkdir -p "$docs"
for name in "${main_windows[@]}"; do
    cp "$build/tour/$name.png" "$docs/$name.png"
done
echo "refreshed ${#main_windows[@]} pictures in ${docs#"$root"/}"
