"""Reads iCalendar files with Debian's python3-icalendar and prints what the tests check.

For each file: one line per event, tab-separated: UID, DTSTART in UTC (YYYY-MM-DDTHH:MM),
DTSTART on the clock of the zone given as the first argument (HH:MM), SUMMARY, LOCATION, the alarm's
trigger in minutes (empty without one). A file the library cannot read ends the script with status 1.
"""
import sys
from datetime import timezone
from zoneinfo import ZoneInfo

import icalendar


def main():
    zone = ZoneInfo(sys.argv[1])
    for path in sys.argv[2:]:
        with open(path, "rb") as f:
            calendar = icalendar.Calendar.from_ical(f.read())
        assert calendar.get("VERSION") == "2.0"
        for event in calendar.walk("VEVENT"):
            start = event.decoded("DTSTART")
            assert start.tzinfo is not None, "a floating time"
            utc = start.astimezone(timezone.utc)
            alarms = event.walk("VALARM")
            trigger = ""
            if alarms:
                trigger = str(int(alarms[0].decoded("TRIGGER").total_seconds() // 60))
            print("\t".join([
                str(event.get("UID")),
                utc.strftime("%Y-%m-%dT%H:%M"),
                start.astimezone(zone).strftime("%H:%M"),
                str(event.get("SUMMARY")),
                str(event.get("LOCATION", "")),
                trigger,
            ]))


if __name__ == "__main__":
    main()
