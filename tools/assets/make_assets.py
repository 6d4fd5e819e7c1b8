#!/usr/bin/env python3
"""Makes the installation's sounds and the backgrounds of the alert windows' pictures.

Run from anywhere: python3 tools/assets/make_assets.py [chimes] [athan] [fajr] [pictures]
It writes data/AlSalah.wav, data/Athan/Athan-1.wav, data/Athan/athanFajr.wav,
platform/qt/default_chime.wav and tools/assets/backgrounds/*.png. The output is the same on every
run. The finished pictures in resources/alerts/ are the backgrounds with words written on them:
tools/assets/make_pictures.sh makes both.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pictures  # noqa: E402
import sounds  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))


def out(*parts):
    path = os.path.join(ROOT, *parts)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def main():
    only = set(sys.argv[1:])

    def wanted(name):
        return not only or name in only

    if wanted("chimes"):
        sounds.write_wav(out("data", "AlSalah.wav"), sounds.alsalah_chime(22050), 22050)
        sounds.write_wav(out("platform", "qt", "default_chime.wav"), sounds.default_chime(22050),
                         22050)
    if wanted("athan"):
        sounds.write_wav(out("data", "Athan", "Athan-1.wav"), sounds.athan_general(16000), 16000)
    if wanted("fajr"):
        sounds.write_wav(out("data", "Athan", "athanFajr.wav"), sounds.athan_fajr(16000), 16000)
    if wanted("pictures"):
        backgrounds = ("tools", "assets", "backgrounds")
        pictures.mosque_sunset(out(*backgrounds, "mosque_sunset.png"))
        pictures.reminder_sunset(out(*backgrounds, "reminder_sunset.png"))
        pictures.reminder_verses(out(*backgrounds, "reminder_verses.png"))


if __name__ == "__main__":
    main()
