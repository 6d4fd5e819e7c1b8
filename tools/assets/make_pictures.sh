#!/usr/bin/env bash
# Regenerates the alert windows' pictures in resources/alerts/: pictures.py draws the backgrounds
# into tools/assets/backgrounds/, then the calligraphy tool writes the Arabic words on them in
# Amiri by Khaled Hosny (SIL Open Font License 1.1; apt-get install fonts-hosny-amiri).
# Usage: tools/assets/make_pictures.sh [build folder, default ./build]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$root/build}"

python3 "$root/tools/assets/make_assets.py" pictures
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja
fi
cmake --build "$build" -j2 --target calligraphy
QT_QPA_PLATFORM=offscreen "$build/tools/assets/calligraphy/calligraphy" \
    --backgrounds "$root/tools/assets/backgrounds" --output "$root/resources/alerts"
echo "Wrote $root/resources/alerts/{mosque_sunset,reminder_sunset,reminder_verses}.png"
