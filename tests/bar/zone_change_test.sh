#!/usr/bin/env bash
# The running program notices a change of the system's zone. With TZ unset the C library takes the
# zone from /etc/localtime, which a desktop's zone setting replaces; here a private mount namespace
# puts one zone file over it, starts the program on Xvfb, then puts another one over it, and the
# bar's title must follow within its clock check. Skips (77) where that cannot be set up.
set -u
app=$1
config=$2
skip() {
    echo "skipped: $*"
    exit 77
}
[ "$(id -u)" = 0 ] || skip "a private mount namespace needs root"
for tool in unshare mount xvfb-run xwininfo; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is missing"
done
unshare -m true 2>/dev/null || skip "unshare -m is not permitted here"
[ -e /etc/localtime ] || skip "no /etc/localtime"
for zone in Africa/Cairo Asia/Tokyo; do
    [ -f "/usr/share/zoneinfo/$zone" ] || skip "no zone file for $zone"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$config" "$work/zav.cfg"
cp /usr/share/zoneinfo/Africa/Cairo "$work/first"
cp /usr/share/zoneinfo/Asia/Tokyo "$work/second"
export APP="$app" WORK="$work"

unshare -m bash -s <<'INNER'
set -u
mount --bind "$WORK/first" /etc/localtime || exit 77
cd "$WORK"
env -u TZ xvfb-run -a -s "-screen 0 1280x800x24" bash -s <<'DISPLAYED'
set -u
title() { xwininfo -root -tree | grep -o '"Next: [^"]*"' | head -n 1; }
QT_QPA_PLATFORM=xcb "$APP" >"$WORK/app.log" 2>&1 &
app=$!
trap 'kill $app 2>/dev/null; wait $app 2>/dev/null' EXIT
before=""
# A sanitizer build on a busy machine can take many seconds to show its first window.
for _ in $(seq 1 120); do
    before=$(title)
    [ -n "$before" ] && break
    sleep 0.5
done
[ -n "$before" ] || { echo "the bar never showed"; cat "$WORK/app.log"; exit 1; }
mount --bind "$WORK/second" /etc/localtime || exit 77
# The clock check runs every 30 seconds.
for _ in $(seq 1 90); do
    after=$(title)
    if [ -n "$after" ] && [ "$after" != "$before" ]; then
        echo "before: $before"
        echo "after:  $after"
        exit 0
    fi
    sleep 0.5
done
echo "the title stayed $before after the zone changed"
exit 1
DISPLAYED
INNER
