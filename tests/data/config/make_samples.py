#!/usr/bin/env python3
"""Writes the sample configuration files, good and deliberately damaged, that the
configuration tests load. Run from this folder; the outputs are committed beside it."""
import struct

SIGNATURE = b"ZAV Tellan\x00"
VERSION = b"1.0\x00"
END = 11414


def counted(text: bytes) -> bytes:
    return struct.pack("<I", len(text)) + text


def body(gmt=0, follow=1, city=b"", country=b"", letter=0, lon=0.0, lat=0.0, alt=0.0, way=0,
         athan=b".\\Athan\\Athan-1.wav", fajr=b".\\Athan\\athanFajr.wav", show=1, bar=1, mute=0,
         offset=0, shown=0, dst=0):
    return (struct.pack("<iB", gmt, follow) + counted(city) + counted(country) +
            struct.pack("<idddi", letter, lon, lat, alt, way) + counted(athan) + counted(fajr) +
            struct.pack("<BBBiBB", show, bar, mute, offset, shown, dst))


def record(fields: bytes, signature=SIGNATURE, version=VERSION, end=END, tail=b"",
           size_delta=0) -> bytes:
    data = signature + b"\0\0\0\0" + version + fields + struct.pack("<I", end) + tail
    size = len(data) + size_delta
    return data[:11] + struct.pack("<I", size & 0xFFFFFFFF) + data[15:]


def write(name: str, data: bytes) -> None:
    with open(name, "wb") as f:
        f.write(data)


cairo = body(gmt=2, follow=0, city=b"Cairo", country=b"Egypt", letter=2, lon=31.25, lat=30.05,
             alt=23.5, way=0, show=1, bar=0, mute=1, offset=40, shown=1, dst=1)

write("first_run_cancelled.cfg", record(body()))
write("cairo.cfg", record(cairo))
# A first run completed at Cairo: the zone followed from the system, the alert defaults.
write("cairo_following_zone.cfg",
      record(body(city=b"Cairo", country=b"Egypt", letter=2, lon=31.25, lat=30.05, alt=23.5)))
write("tail_counted.cfg", record(cairo, tail=b"OLDTAIL"))
write("wrong_signature.cfg", record(cairo, signature=b"ZAV Tellam\x00"))
write("signature_without_zero.cfg", record(cairo, signature=b"ZAV Tellan!"))
write("wrong_version.cfg", record(cairo, version=b"1.1\x00"))
write("wrong_end_marker.cfg", record(cairo, end=11415))
write("size_plus_one.cfg", record(cairo, size_delta=1))
write("size_minus_one.cfg", record(cairo, size_delta=-1))
write("empty.cfg", b"")
write("eleven_bytes.cfg", record(cairo)[:11])
# A size field that matches, but a body that ends inside the city name.
cut = record(cairo)[:30]
write("cut_in_string.cfg", cut[:11] + struct.pack("<I", len(cut)) + cut[15:])
# A string count far beyond the file: must not be allocated, must be a short read.
huge = record(cairo)
huge = huge[:24] + struct.pack("<I", 0xFFFFFFF0) + huge[28:]
write("string_count_huge.cfg", huge)
write("zero_in_string.cfg", record(body(city=b"Cai\x00ro", country=b"Egypt")))
# Values no place or zone can have: each is reported, and the field runs on as 0.
nan, inf = float("nan"), float("inf")


def cairo_with(**changes):
    fields = dict(gmt=2, follow=0, city=b"Cairo", country=b"Egypt", letter=2, lon=31.25, lat=30.05,
                  alt=23.5, way=0, show=1, bar=0, mute=1, offset=40, shown=1, dst=1)
    fields.update(changes)
    return record(body(**fields))


write("gmt_max.cfg", cairo_with(gmt=2147483647))
write("gmt_min.cfg", cairo_with(gmt=-2147483648))
write("gmt_fifteen.cfg", cairo_with(gmt=15))
write("latitude_nan.cfg", cairo_with(lat=nan))
write("latitude_huge.cfg", cairo_with(lat=1e308))
write("longitude_inf.cfg", cairo_with(lon=inf))
write("altitude_minus_inf.cfg", cairo_with(alt=-inf))
write("latitude_and_longitude.cfg", cairo_with(lat=nan, lon=999999.0))
# Altitudes outside -500..9000 metres are damaged; the ends of the range are not.
write("altitude_1e20.cfg", cairo_with(alt=1e20))
write("altitude_1e308.cfg", cairo_with(alt=1e308))
write("altitude_minus_501.cfg", cairo_with(alt=-501.0))
write("altitude_9001.cfg", cairo_with(alt=9001.0))
write("altitude_minus_500.cfg", cairo_with(alt=-500.0))
write("altitude_9000.cfg", cairo_with(alt=9000.0))
# An intact record with one byte appended: its size field no longer agrees with its length.
write("appended_byte.cfg", record(cairo) + b"\x00")
