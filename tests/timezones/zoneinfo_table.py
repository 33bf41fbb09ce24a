"""Python's zoneinfo as the time-zone tests' reference: one line for each
query given as an argument, "kind|zone|text".

  at|Europe/London|2026-03-29T01:00:00Z  -> seconds offset abbreviation local
  local|Europe/London|2026-03-29T01:30:00 -> unique|gap|fold earlier later
  day|Europe/London|2026-03-29           -> start end (local midnights)
  names                                   -> the available zones, one a line
"""
import sys
from datetime import datetime, timedelta
from zoneinfo import ZoneInfo, available_timezones


def local_text(d):
    return "%04d-%02d-%02dT%02d:%02d:%02d" % (d.year, d.month, d.day, d.hour, d.minute, d.second)


def instants(zone, naive):
    first = int(naive.replace(tzinfo=zone, fold=0).timestamp())
    second = int(naive.replace(tzinfo=zone, fold=1).timestamp())
    return first, second


for query in sys.argv[1:]:
    if query == "names":
        print("\n".join(sorted(available_timezones())))
        continue
    kind, name, text = query.split("|")
    zone = ZoneInfo(name)
    if kind == "at":
        utc = datetime.fromisoformat(text.replace("Z", "+00:00"))
        local = utc.astimezone(zone)
        print(int(utc.timestamp()), int(local.utcoffset().total_seconds()), local.tzname(), local_text(local))
    elif kind == "local":
        naive = datetime.fromisoformat(text)
        first, second = instants(zone, naive)
        shown = datetime.fromtimestamp(first, zone).replace(tzinfo=None)
        what = "unique" if first == second else ("fold" if shown == naive else "gap")
        print(what, min(first, second), max(first, second))
    elif kind == "day":
        # Where the clocks go forward at midnight, fold 0 reads midnight with
        # the offset before the change: the instant of the change itself.
        day = datetime.fromisoformat(text)
        print(instants(zone, day)[0], instants(zone, day + timedelta(days=1))[0])
