#!/usr/bin/python3
"""PyEphem's figures for the astronomy tests, in one run.

Reads requests from standard input, one a line, and prints one or more
answer lines for each (instants as POSIX seconds, angles in degrees):

  place ID UT                    -> place ID DELTA_T GAST SUN_RA SUN_DEC MOON_RA MOON_DEC
                                    SUN_SD SUN_KM MOON_SD MOON_KM
  day ID LAT LON HEIGHT START END -> event ID KIND TIME [ALTITUDE] ...
  phases ID START END            -> phase ID KIND TIME ...
  moonphase ID UT                -> moonphase ID FRACTION LAST_NEW_MOON
  deltat ID UT                   -> deltat ID DELTA_T
  almanac ID UT                  -> almanac ID BODY GHA DEC SD HP MAG, one line a body: the Sun,
                                    the Moon, the planets, every star PyEphem knows by name
                                    (blanks as _), and Aries (GAST, nothing else); SD and HP in
                                    minutes of arc, HP = asin(6378.137 km / distance)

Conventions as the library's: no refraction (pressure 0); rise and set
with the upper limb at -(34' + dip), dip = 1.76' sqrt(height); twilights
with the centre at -6, -12 and -18 degrees; apparent geocentric places of
the epoch of date; GAST as the local sidereal time at longitude 0.
"""
import math
import os
import sys

import ephem
import ephem.stars

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from pyephem_common import crossings, requests, to_ephem, to_posix  # noqa: E402

AU_KM = 149597870.7


def place(ident, ut):
    observer = ephem.Observer()
    observer.lat, observer.lon, observer.elevation, observer.pressure = '0', '0', 0, 0
    observer.date = to_ephem(ut)
    sun, moon = ephem.Sun(observer), ephem.Moon(observer)
    # Computed for the date alone, the radius and distance are geocentric.
    geocentric = [ephem.Sun(observer.date), ephem.Moon(observer.date)]
    print('place', ident, ephem.delta_t(observer.date), math.degrees(observer.sidereal_time()),
          math.degrees(sun.g_ra), math.degrees(sun.g_dec), math.degrees(moon.g_ra), math.degrees(moon.g_dec),
          *[value for body in geocentric
            for value in (math.degrees(body.radius), body.earth_distance * AU_KM)])


def day(ident, lat, lon, height, start, end):
    observer = ephem.Observer()
    observer.lat, observer.lon = lat, lon
    observer.elevation, observer.pressure = float(height), 0
    start, end = float(start), float(end)
    limb = '-0:%.6f' % (34.0 + 1.76 * math.sqrt(float(height)))
    sun, moon = ephem.Sun(), ephem.Moon()
    rows = []
    for name, horizon, centre in (('sunrise', limb, False), ('civil', '-6', True),
                                  ('nautical', '-12', True), ('astronomical', '-18', True)):
        observer.horizon = horizon
        rising = 'sunrise' if name == 'sunrise' else name + '_dawn'
        setting = 'sunset' if name == 'sunrise' else name + '_dusk'
        rows += [(rising, t) for t in crossings(observer, sun, observer.next_rising, start, end, use_center=centre)]
        rows += [(setting, t) for t in crossings(observer, sun, observer.next_setting, start, end, use_center=centre)]
    observer.horizon = limb
    rows += [('moonrise', t) for t in crossings(observer, moon, observer.next_rising, start, end)]
    rows += [('moonset', t) for t in crossings(observer, moon, observer.next_setting, start, end)]
    rows += [('moon_transit', t) for t in crossings(observer, moon, observer.next_transit, start, end)]
    for name, t in rows:
        print('event', ident, name, repr(t))
    for t in crossings(observer, sun, observer.next_transit, start, end):
        observer.date = to_ephem(t)
        print('event', ident, 'sun_transit', repr(t), math.degrees(ephem.Sun(observer).alt))


def phases(ident, start, end):
    start, end = float(start), float(end)
    for kind, method in (('new', ephem.next_new_moon), ('first', ephem.next_first_quarter_moon),
                         ('full', ephem.next_full_moon), ('last', ephem.next_last_quarter_moon)):
        at = start
        while True:
            when = to_posix(method(to_ephem(at)))
            if when >= end:
                break
            print('phase', ident, kind, repr(when))
            at = when + 60.0


def moonphase(ident, ut):
    date = to_ephem(ut)
    moon = ephem.Moon(date)
    print('moonphase', ident, moon.moon_phase, repr(to_posix(ephem.previous_new_moon(date))))


def deltat(ident, ut):
    print('deltat', ident, ephem.delta_t(to_ephem(ut)))


def almanac(ident, ut):
    observer = ephem.Observer()
    observer.lat, observer.lon, observer.elevation, observer.pressure = '0', '0', 0, 0
    observer.date = to_ephem(ut)
    gast = math.degrees(observer.sidereal_time())
    bodies = [(name, getattr(ephem, name)()) for name in ('Sun', 'Moon', 'Venus', 'Mars', 'Jupiter', 'Saturn')]
    bodies += [(name, ephem.star(name)) for name in sorted(ephem.stars.stars)]
    for name, body in bodies:
        body.compute(observer)
        gha = (gast - math.degrees(body.g_ra)) % 360.0
        if isinstance(body, ephem.FixedBody):
            sd = hp = 0.0
        else:
            # Computed for the date alone, the radius and distance are geocentric.
            body.compute(observer.date)
            sd = math.degrees(body.radius) * 60
            hp = math.degrees(math.asin(6378.137 / (body.earth_distance * AU_KM))) * 60
        print('almanac', ident, name.replace(' ', '_'), repr(gha), repr(math.degrees(body.g_dec)), sd, hp, body.mag)
    print('almanac', ident, 'Aries', repr(gast))


REQUESTS = {'place': place, 'day': day, 'phases': phases, 'moonphase': moonphase, 'deltat': deltat, 'almanac': almanac}

for words in requests():
    REQUESTS[words[0]](*words[1:])
