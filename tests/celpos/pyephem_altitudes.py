#!/usr/bin/python3
"""Altitudes from PyEphem's places for the position-fix tests.

Reads one request a line, "ID BODY LATITUDE LONGITUDE UTC" (degrees, east
positive; POSIX seconds; BODY as the almanacs spell it), and prints
"ID ALTITUDE RADIUS": the true altitude of the body's centre and its
radius (degrees) as an observer sees them who stands at that latitude and
longitude on the sphere of WGS 84's equatorial radius (the Earth the sight
reduction takes), from PyEphem's apparent geocentric place of the date
(g_ra, g_dec, earth_distance, radius; the Moon's radius the almanacs')
and its apparent sidereal time.
No refraction.

PyEphem's own topocentric places are not used: its Moon seen from the
Earth's surface departs from the geocentric place moved by the observer's
radius by some 0.4', more than the fix may be off.
"""
import math
import os
import sys

import ephem

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from pyephem_common import WANDERERS, body_named, requests, to_ephem, up_north_east  # noqa: E402

KM_PER_AU = 149597870.7
EARTH_RADIUS_KM = 6378.137
MOON_RADIUS_KM = 1737.4  # the almanacs' (SD = 0.2724 HP); PyEphem's own is 1740 km

for words in requests():
    ident, lat, lon, utc = words[0], float(words[-3]), float(words[-2]), float(words[-1])
    name = " ".join(words[1:-3])
    date = to_ephem(utc)
    body = body_named(name)
    body.compute(date)
    observer = ephem.Observer()
    observer.lat, observer.lon, observer.pressure, observer.date = "0", str(lon), 0, date
    hour_angle = float(observer.sidereal_time()) - float(body.g_ra)
    phi, dec = math.radians(lat), float(body.g_dec)
    # The body in the observer's frame (up, north, east), in km; stars far off.
    distance = body.earth_distance * KM_PER_AU if name in WANDERERS else 1e30
    up, north, east = (distance * component for component in up_north_east(phi, dec, hour_angle))
    up -= EARTH_RADIUS_KM
    seen = math.sqrt(up * up + north * north + east * east)
    altitude = math.degrees(math.atan2(up, math.hypot(north, east)))
    radius = math.degrees(math.asin(MOON_RADIUS_KM / seen if name == "Moon" else math.sin(float(body.radius)) * distance / seen))
    print(ident, repr(altitude), repr(radius))
