#!/usr/bin/python3
"""Writes the month-page templates and the occasion trailer in every shipped language.

The English files under data/Calendar are the source. Each language has a phrase table: the
visible English words of the three files and what they become; Arabic and Urdu pages are also
laid out right to left. The translated copies go into a folder named by the language code beside
each English file:

    data/Calendar/Hijri/Month/<lang>/month_hijri.htm
    data/Calendar/Meladi/Month/<lang>/month_meladi.htm
    data/Calendar/Trailers/<lang>/occasion.txt

The page builder works line by line (it joins the lines of a table cell, writes its own row ends
and fills placeholders line by line), so a translation keeps the English line structure exactly.
Every written file is read back and held against its English source: the same number of lines,
and on every line the same count of each placeholder and of each table tag. Any difference, an
English phrase not found in the templates, or a phrase table entry that brings in a placeholder,
stops the run with a message and exit status 1.

    translate_templates.py          write the 18 files, then check them
    translate_templates.py --check  only check the files on disk, and that they are up to date

Run it again after changing an English template or a phrase.
"""

import argparse
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
CALENDAR = ROOT / "data" / "Calendar"

# The English files, relative to data/Calendar.
SOURCES = (
    pathlib.Path("Hijri/Month/month_hijri.htm"),
    pathlib.Path("Meladi/Month/month_meladi.htm"),
    pathlib.Path("Trailers/occasion.txt"),
)

# What the page builder looks for, line by line (case-sensitive).
PLACEHOLDERS = ("MONTH1", "HIJ_YEAR", "GEOG_YEAR", "YEAR", "GYGYG", "HH1", "GG1", "MNT1",
                "OCCASION")
TABLE_TAGS = ("<td", "/td>", "<tr", "</tr>", "<table", "</table>")

RIGHT_TO_LEFT = {"ar", "ur"}

# The visible English words of the templates, as they stand in them (placeholders included where
# the word order around them changes), and their translations. The two parts of the closing note
# stand on two lines in the trailer and stay on two lines.
PHRASES = {
    "ar": {
        "MONTH1 HIJ_YEAR AH": "MONTH1 HIJ_YEAR هـ",
        "Hijri calendar &middot; Gregorian GYGYG": "التقويم الهجري &middot; GYGYG م",
        "Gregorian calendar &middot; Hijri GYGYG": "التقويم الميلادي &middot; GYGYG هـ",
        "Saturday": "السبت",
        "Sunday": "الأحد",
        "Monday": "الاثنين",
        "Tuesday": "الثلاثاء",
        "Wednesday": "الأربعاء",
        "Thursday": "الخميس",
        "Friday": "الجمعة",
        "Other days": "سائر الأيام",
        "Eid, Day of Arafah": "العيد، يوم عرفة",
        "Occasion": "مناسبة",
        "Eve of an odd night of Ramadan": "عشية ليلة وترية من رمضان",
        "Occasions of the month": "مناسبات الشهر",
        "Dates follow the arithmetic Hijri calendar; the month":
            "التواريخ وفق التقويم الهجري الحسابي؛ وقد يبدأ الشهر",
        "seen in the sky may begin a day earlier or later.":
            "برؤية الهلال قبل ذلك بيوم أو بعده بيوم.",
    },
    "ur": {
        "MONTH1 HIJ_YEAR AH": "MONTH1 HIJ_YEAR ھ",
        "Hijri calendar &middot; Gregorian GYGYG": "ہجری کیلنڈر &middot; GYGYG ء",
        "Gregorian calendar &middot; Hijri GYGYG": "عیسوی کیلنڈر &middot; GYGYG ھ",
        "Saturday": "ہفتہ",
        "Sunday": "اتوار",
        "Monday": "پیر",
        "Tuesday": "منگل",
        "Wednesday": "بدھ",
        "Thursday": "جمعرات",
        "Friday": "جمعہ",
        "Other days": "دیگر دن",
        "Eid, Day of Arafah": "عید، یوم عرفہ",
        "Occasion": "اہم موقع",
        "Eve of an odd night of Ramadan": "رمضان کی طاق رات کی شام",
        "Occasions of the month": "مہینے کے اہم مواقع",
        "Dates follow the arithmetic Hijri calendar; the month":
            "تاریخیں حسابی ہجری کیلنڈر کے مطابق ہیں؛ آسمان پر دیکھا جانے والا",
        "seen in the sky may begin a day earlier or later.":
            "مہینہ ایک دن پہلے یا بعد میں شروع ہو سکتا ہے۔",
    },
    "id": {
        "MONTH1 HIJ_YEAR AH": "MONTH1 HIJ_YEAR H",
        "Hijri calendar &middot; Gregorian GYGYG": "Kalender Hijriah &middot; Masehi GYGYG",
        "Gregorian calendar &middot; Hijri GYGYG": "Kalender Masehi &middot; Hijriah GYGYG",
        "Saturday": "Sabtu",
        "Sunday": "Minggu",
        "Monday": "Senin",
        "Tuesday": "Selasa",
        "Wednesday": "Rabu",
        "Thursday": "Kamis",
        "Friday": "Jumat",
        "Other days": "Hari lain",
        "Eid, Day of Arafah": "Hari Raya, Hari Arafah",
        "Occasion": "Peringatan",
        "Eve of an odd night of Ramadan": "Menjelang malam ganjil Ramadan",
        "Occasions of the month": "Peringatan bulan ini",
        "Dates follow the arithmetic Hijri calendar; the month":
            "Tanggal mengikuti kalender Hijriah aritmetika; bulan yang terlihat",
        "seen in the sky may begin a day earlier or later.":
            "di langit dapat dimulai sehari lebih awal atau lebih lambat.",
    },
    "tr": {
        "MONTH1 HIJ_YEAR AH": "MONTH1 HIJ_YEAR H.",
        "Hijri calendar &middot; Gregorian GYGYG": "Hicri takvim &middot; Miladi GYGYG",
        "Gregorian calendar &middot; Hijri GYGYG": "Miladi takvim &middot; Hicri GYGYG",
        "Saturday": "Cumartesi",
        "Sunday": "Pazar",
        "Monday": "Pazartesi",
        "Tuesday": "Salı",
        "Wednesday": "Çarşamba",
        "Thursday": "Perşembe",
        "Friday": "Cuma",
        "Other days": "Diğer günler",
        "Eid, Day of Arafah": "Bayram, Arefe günü",
        "Occasion": "Önemli gün",
        "Eve of an odd night of Ramadan": "Ramazan'ın tek gecelerinden birinin arifesi",
        "Occasions of the month": "Ayın önemli günleri",
        "Dates follow the arithmetic Hijri calendar; the month":
            "Tarihler aritmetik Hicri takvime göredir; gökyüzünde görülen ay",
        "seen in the sky may begin a day earlier or later.":
            "bir gün önce ya da bir gün sonra başlayabilir.",
    },
    "fr": {
        "MONTH1 HIJ_YEAR AH": "MONTH1 HIJ_YEAR de l'hégire",
        "Hijri calendar &middot; Gregorian GYGYG": "Calendrier hégirien &middot; grégorien GYGYG",
        "Gregorian calendar &middot; Hijri GYGYG": "Calendrier grégorien &middot; hégirien GYGYG",
        "Saturday": "samedi",
        "Sunday": "dimanche",
        "Monday": "lundi",
        "Tuesday": "mardi",
        "Wednesday": "mercredi",
        "Thursday": "jeudi",
        "Friday": "vendredi",
        "Other days": "Autres jours",
        "Eid, Day of Arafah": "Aïd, jour d'Arafat",
        "Occasion": "Événement",
        "Eve of an odd night of Ramadan": "Veille d'une nuit impaire de Ramadan",
        "Occasions of the month": "Événements du mois",
        "Dates follow the arithmetic Hijri calendar; the month":
            "Les dates suivent le calendrier hégirien arithmétique ; le mois",
        "seen in the sky may begin a day earlier or later.":
            "observé dans le ciel peut commencer un jour plus tôt ou plus tard.",
    },
    "ms": {
        "MONTH1 HIJ_YEAR AH": "MONTH1 HIJ_YEAR H",
        "Hijri calendar &middot; Gregorian GYGYG": "Kalendar Hijrah &middot; Masihi GYGYG",
        "Gregorian calendar &middot; Hijri GYGYG": "Kalendar Masihi &middot; Hijrah GYGYG",
        "Saturday": "Sabtu",
        "Sunday": "Ahad",
        "Monday": "Isnin",
        "Tuesday": "Selasa",
        "Wednesday": "Rabu",
        "Thursday": "Khamis",
        "Friday": "Jumaat",
        "Other days": "Hari lain",
        "Eid, Day of Arafah": "Hari Raya, Hari Arafah",
        "Occasion": "Hari kebesaran",
        "Eve of an odd night of Ramadan": "Menjelang malam ganjil Ramadan",
        "Occasions of the month": "Hari kebesaran bulan ini",
        "Dates follow the arithmetic Hijri calendar; the month":
            "Tarikh mengikut kalendar Hijrah aritmetik; bulan yang kelihatan",
        "seen in the sky may begin a day earlier or later.":
            "di langit mungkin bermula sehari lebih awal atau lebih lewat.",
    },
}


class TemplateError(Exception):
    pass


def check_phrase_table(lang, phrases):
    """A translation carries exactly the placeholders of its English phrase, in any letter case,
    and no markup, so that it can neither add nor lose a line the page builder acts on."""
    for english, translated in phrases.items():
        for word in PLACEHOLDERS:
            wanted = english.count(word)
            if translated.upper().count(word) != wanted or translated.count(word) != wanted:
                raise TemplateError(f"{lang}: {translated!r} does not carry {word} as "
                                    f"{english!r} does ({wanted} times)")
        for mark in ("<", ">"):
            if mark in translated:
                raise TemplateError(f"{lang}: {translated!r} holds markup")


def split_ending(line):
    body = line.rstrip("\r\n")
    return body, line[len(body):]


def lay_out(line, lang):
    """The language on <html>; for right-to-left languages the direction on <html>, the body, the
    paragraphs and the tables as well."""
    if line == "<html>":
        return f'<html dir="rtl" lang="{lang}">' if lang in RIGHT_TO_LEFT else f'<html lang="{lang}">'
    if lang in RIGHT_TO_LEFT:
        line = re.sub(r"<(body|table|p)([ >])", r'<\1 dir="rtl"\2', line)
    return line


def translate(text, lang):
    phrases = PHRASES[lang]
    # Longest first, so that "Occasions of the month" is one phrase and not "Occasion" + "s...".
    keys = sorted(phrases, key=len, reverse=True)
    pattern = re.compile("|".join(re.escape(k) for k in keys))
    used = set()

    def replace(match):
        used.add(match.group(0))
        return phrases[match.group(0)]

    out = []
    for line in text.splitlines(keepends=True):
        body, ending = split_ending(line)
        out.append(lay_out(pattern.sub(replace, body), lang) + ending)
    return "".join(out), used


def counts(line):
    return {token: line.count(token) for token in PLACEHOLDERS + TABLE_TAGS}


def check_file(english_path, translated_path, lang):
    """Holds a written translation against its English file line by line; returns a summary."""
    english = english_path.read_bytes()
    raw = translated_path.read_bytes()
    where = translated_path.relative_to(ROOT)
    if raw.startswith(b"\xef\xbb\xbf"):
        raise TemplateError(f"{where}: starts with a byte order mark")
    translated = raw.decode("utf-8")
    english_lines = english.decode("utf-8").splitlines(keepends=True)
    translated_lines = translated.splitlines(keepends=True)
    if len(english_lines) != len(translated_lines):
        raise TemplateError(f"{where}: {len(translated_lines)} lines, the English file has "
                            f"{len(english_lines)}")
    markers = 0
    for number, (e, t) in enumerate(zip(english_lines, translated_lines), start=1):
        e_body, e_ending = split_ending(e)
        t_body, t_ending = split_ending(t)
        if e_ending != t_ending:
            raise TemplateError(f"{where}:{number}: line ending {t_ending!r}, English "
                                f"{e_ending!r}")
        e_counts, t_counts = counts(e_body), counts(t_body)
        if e_counts != t_counts:
            differ = {k: (e_counts[k], t_counts[k]) for k in e_counts
                      if e_counts[k] != t_counts[k]}
            raise TemplateError(f"{where}:{number}: (English, translated) counts differ: "
                                f"{differ}")
        markers += sum(e_counts.values())
        if "<html" in e_body and f'lang="{lang}"' not in t_body:
            raise TemplateError(f"{where}:{number}: <html> without lang=\"{lang}\"")
    return f"{where}: {len(translated_lines)} lines = English, {markers} markers and tags in place"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="check the files on disk without writing them")
    args = parser.parse_args()
    try:
        report = []
        stale = []
        for lang in PHRASES:
            check_phrase_table(lang, PHRASES[lang])
            used = set()
            for source in SOURCES:
                english_path = CALENDAR / source
                text, used_here = translate(english_path.read_bytes().decode("utf-8"), lang)
                used |= used_here
                target = CALENDAR / source.parent / lang / source.name
                if args.check:
                    if not target.exists() or target.read_bytes() != text.encode("utf-8"):
                        stale.append(str(target.relative_to(ROOT)))
                else:
                    target.parent.mkdir(parents=True, exist_ok=True)
                    target.write_bytes(text.encode("utf-8"))
                if target.exists():
                    report.append(check_file(english_path, target, lang))
                    left = [k for k in PHRASES[lang] if k in target.read_text(encoding="utf-8")]
                    if left:
                        raise TemplateError(f"{target.relative_to(ROOT)}: still in English: "
                                            f"{left}")
            unused = sorted(set(PHRASES[lang]) - used)
            if unused:
                raise TemplateError(f"{lang}: phrases no longer in the English templates: "
                                    f"{unused}")
        print("\n".join(report))
        if stale:
            raise TemplateError("not up to date, run translate_templates.py: " + ", ".join(stale))
    except TemplateError as error:
        print(f"translate_templates.py: FAILED: {error}", file=sys.stderr)
        return 1
    print(f"OK: {len(report)} files checked")
    return 0


if __name__ == "__main__":
    sys.exit(main())
