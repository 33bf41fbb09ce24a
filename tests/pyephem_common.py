"""What the suite's PyEphem scripts share (Debian's python3-ephem, run by
/usr/bin/python3): instants between POSIX seconds and PyEphem's dates,
the events a method finds in a span, the bodies by the almanacs' names,
the requests read a line at a time, and a direction in the observer's
frame.

A script in a folder of tests/ finds it with

    sys.dont_write_bytecode = True  # nothing written into the source tree
    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
"""
import math
import sys

import ephem

UNIX_EPOCH = 25567.5  # 1970-01-01T00:00Z as an ephem date (days since 1899-12-31 12:00)
# The almanacs' spellings that PyEphem's catalogue writes otherwise.
SPELLINGS = {"Rigil Kent.": "Rigil Kentaurus", "Al Na'ir": "Alnair"}
# The bodies PyEphem computes by class rather than from its star catalogue.
WANDERERS = ("Sun", "Moon", "Venus", "Mars", "Jupiter", "Saturn")


def to_ephem(posix):
    return ephem.Date(UNIX_EPOCH + float(posix) / 86400.0)


def to_posix(date):
    return (float(date) - UNIX_EPOCH) * 86400.0


def crossings(observer, body, method, start, end, **options):
    """Every instant `method` (observer.next_rising, ...) finds in [start, end)."""
    found, at = [], start
    while True:
        observer.date = to_ephem(at)
        try:
            when = to_posix(method(body, **options))
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            return found
        if when >= end:
            return found
        found.append(when)
        at = when + 60.0


def body_named(name):
    """The body of an almanac's name: the Sun, the Moon, a planet or a star."""
    if name in WANDERERS:
        return getattr(ephem, name)()
    return ephem.star(SPELLINGS.get(name, name))


def requests():
    """The words of each line of standard input that holds any."""
    for line in sys.stdin:
        words = line.split()
        if words:
            yield words


def up_north_east(phi, dec, hour_angle):
    """The unit vector of a direction of declination `dec` and hour angle
    `hour_angle` in the frame of an observer at latitude `phi` (radians):
    its components up, north and east."""
    up = math.sin(phi) * math.sin(dec) + math.cos(phi) * math.cos(dec) * math.cos(hour_angle)
    north = math.cos(phi) * math.sin(dec) - math.sin(phi) * math.cos(dec) * math.cos(hour_angle)
    east = -math.cos(dec) * math.sin(hour_angle)
    return up, north, east
