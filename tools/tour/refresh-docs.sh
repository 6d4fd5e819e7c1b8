#!/usr/bin/env bash
# Refreshes the README's pictures: builds and runs the screenshot tour (on Xvfb when it is
# installed, so that every run draws alike) and copies the main windows into docs/screenshots/,
# then takes them again in Arabic (right to left) into docs/arabic/.
#
#   tools/tour/refresh-docs.sh [BUILD]     (BUILD defaults to the source tree's build/)
#
# Every picture the tour takes stays in BUILD/tour/.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath -m "${1:-$root/build}")
docs="$root/docs/screenshots"
main_windows=(bar command_menu today setup_city options_athan month_hijri athan)
arabic_windows=(bar today options_athan month_hijri athan)

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja >/dev/null
fi
cmake --build "$build" -j "${JOBS:-2}" --target salvenor-tour

run_tour() {
    local tour=(env QT_QPA_PLATFORM=xcb "$build/tools/tour/salvenor-tour" "$@")
    if command -v xvfb-run >/dev/null; then
        xvfb-run -a "${tour[@]}"
    elif [ -n "${DISPLAY:-}" ]; then
        "${tour[@]}"
    else
        echo "refresh-docs: needs xvfb-run (apt install xvfb) or a display" >&2
        exit 1
    fi
}
rm -rf "$build/tour" "$build/tour-ar"
run_tour --out "$build/tour"
run_tour --out "$build/tour-ar" --language ar

mkdir -p "$docs"
for name in "${main_windows[@]}"; do
    cp "$build/tour/$name.png" "$docs/$name.png"
done
mkdir -p "$root/docs/arabic"
for name in "${arabic_windows[@]}"; do
    cp "$build/tour-ar/$name.png" "$root/docs/arabic/$name.png"
done
echo "refreshed ${#main_windows[@]} pictures in ${docs#"$root"/} and ${#arabic_windows[@]} in docs/arabic"
