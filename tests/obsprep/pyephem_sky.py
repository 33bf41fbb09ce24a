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
import sys

import ephem

UNIX_EPOCH = 25567.5  # 1970-01-01T00:00Z as an ephem date
# The almanacs' spellings that PyEphem's catalogue writes otherwise.
SPELLINGS = {"Rigil Kent.": "Rigil Kentaurus", "Al Na'ir": "Alnair"}
WANDERERS = ("Moon", "Venus", "Mars", "Jupiter", "Saturn")


def body_named(name):
    if name in WANDERERS:
        return getattr(ephem, name)()
    return ephem.star(SPELLINGS.get(name, name))


for line in sys.stdin:
    words = line.split()
    if not words:
        continue
    ident, lat, lon, utc = words[0], float(words[1]), float(words[2]), float(words[3])
    name = " ".join(words[4:])
    observer = ephem.Observer()
    observer.lat, observer.lon = str(lat), str(lon)
    observer.elevation, observer.pressure = 0, 0
    observer.date = ephem.Date(UNIX_EPOCH + utc / 86400.0)
    body = body_named(name)
    body.compute(observer)
    if name in WANDERERS:
        hour_angle = float(observer.sidereal_time()) - float(body.g_ra)
        phi, dec = math.radians(lat), float(body.g_dec)
        up = math.sin(phi) * math.sin(dec) + math.cos(phi) * math.cos(dec) * math.cos(hour_angle)
        north = math.cos(phi) * math.sin(dec) - math.sin(phi) * math.cos(dec) * math.cos(hour_angle)
        east = -math.cos(dec) * math.sin(hour_angle)
        altitude = math.degrees(math.atan2(up, math.hypot(north, east)))
        azimuth = math.degrees(math.atan2(east, north)) % 360.0
    else:
        altitude, azimuth = math.degrees(body.alt), math.degrees(body.az)
    print(ident, repr(altitude), repr(azimuth))
