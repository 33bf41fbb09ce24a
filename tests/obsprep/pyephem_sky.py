#!/usr/bin/python3
"""Altitudes and azimuths from PyEphem for the planning tests.

Reads one request a line, "ID LATITUDE LONGITUDE UTC BODY" (degrees, east
positive; POSIX seconds; BODY as the almanacs spell it, blanks and all),
and prints "ID ALTITUDE AZIMUTH" (degrees) for an observer standing at
that geodetic latitude and longitude on the sea, with pressure 0 (no
refraction):

- a star: PyEphem's own altitude and azimuth for that observer (its
  parallax is nothing at the arc-seconds asked for, so topocentric and
  geocentric are one);
- the Moon and the planets: their apparent geocentric place of the date
  (g_ra, g_dec) seen from the observer's geodetic vertical at the local
  apparent sidereal time, which is the geocentric altitude sight
  reduction computes; PyEphem's topocentric altitude is lower by the
  parallax in altitude, up to a degree for the Moon.
"""
import math
import os
import sys

import ephem

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from pyephem_common import body_named, requests, to_ephem, up_north_east  # noqa: E402

# Seen from the observer's vertical at their geocentric place, not PyEphem's topocentric one.
GEOCENTRIC = ("Moon", "Venus", "Mars", "Jupiter", "Saturn")

for words in requests():
    ident, lat, lon, utc = words[0], float(words[1]), float(words[2]), float(words[3])
    name = " ".join(words[4:])
    observer = ephem.Observer()
    observer.lat, observer.lon = str(lat), str(lon)
    observer.elevation, observer.pressure = 0, 0
    observer.date = to_ephem(utc)
    body = body_named(name)
    body.compute(observer)
    if name in GEOCENTRIC:
        hour_angle = float(observer.sidereal_time()) - float(body.g_ra)
        up, north, east = up_north_east(math.radians(lat), float(body.g_dec), hour_angle)
        altitude = math.degrees(math.atan2(up, math.hypot(north, east)))
        azimuth = math.degrees(math.atan2(east, north)) % 360.0
    else:
        altitude, azimuth = math.degrees(body.alt), math.degrees(body.az)
    print(ident, repr(altitude), repr(azimuth))
