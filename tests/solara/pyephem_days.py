#!/usr/bin/python3
"""PyEphem's and Python's zoneinfo answers for solara's command-line tests.

Reads requests from standard input, one a line:

  case ID LAT LON HEIGHT ZONE DATE DAYS

ZONE is UTC, ZT (the nautical zone time of the longitude) or a zone name;
DATE is YYYY-MM-DD. For each of the DAYS local days from DATE, prints

  day ID N DATE
  first ID N KIND ISO POSIX        the first Sun event of a kind in the day
  all ID N KIND ISO POSIX          every Moon event and principal phase
  transit_alt ID N DEGREES         the Sun's altitude at its first transit
  state ID N normal|above|below
  moon ID N FRACTION AGE PHASE DELTA_T   at 12:00 local

with ISO the local time rounded to the second and its offset, as
datetime.isoformat writes it. The conventions are solara's: no refraction
(pressure 0), rise and set with the upper limb at -(34' + 1.76' sqrt h),
twilights with the centre at -6, -12 and -18 degrees.
"""
import datetime
import math
import os
import sys
import zoneinfo

import ephem

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from pyephem_common import crossings, requests, to_ephem, to_posix  # noqa: E402


def zone_of(name, lon):
    if name == 'UTC':
        return datetime.timezone.utc
    if name == 'ZT':
        lon = math.remainder(lon, 360.0)
        zd = 12 if abs(lon) == 180.0 else -int(math.copysign(math.floor(abs(lon) / 15.0 + 0.5), lon))
        return datetime.timezone(datetime.timedelta(hours=-zd))
    return zoneinfo.ZoneInfo(name)


def iso(posix, zone):
    whole = math.floor(posix + 0.5)
    return datetime.datetime.fromtimestamp(whole, zone).isoformat()


def ecliptic_longitude(body, date):
    return float(ephem.Ecliptic(ephem.Equatorial(body.g_ra, body.g_dec, epoch=date), epoch=date).lon)


def day(ident, index, observer, zone, date, height):
    start = datetime.datetime.combine(date, datetime.time(0), zone).timestamp()
    end = datetime.datetime.combine(date + datetime.timedelta(days=1), datetime.time(0), zone).timestamp()
    noon = datetime.datetime.combine(date, datetime.time(12), zone).timestamp()
    print('day', ident, index, date.isoformat())
    limb = '-0:%.6f' % (34.0 + 1.76 * math.sqrt(height))
    sun, moon = ephem.Sun(), ephem.Moon()
    crossed = False
    for name, horizon, centre in (('rise', limb, False), ('civil', '-6', True), ('nautical', '-12', True),
                                  ('astronomical', '-18', True)):
        observer.horizon = horizon
        rising = crossings(observer, sun, observer.next_rising, start, end, use_center=centre)
        setting = crossings(observer, sun, observer.next_setting, start, end, use_center=centre)
        for kind, times in (('rise' if name == 'rise' else name + '_dawn', rising),
                            ('set' if name == 'rise' else name + '_dusk', setting)):
            if times:
                print('first', ident, index, kind, iso(times[0], zone), repr(times[0]))
        if name == 'rise':
            crossed = bool(rising or setting)
    observer.horizon = limb
    transits = crossings(observer, sun, observer.next_transit, start, end)
    if transits:
        print('first', ident, index, 'transit', iso(transits[0], zone), repr(transits[0]))
        observer.date = to_ephem(transits[0])
        print('transit_alt', ident, index, math.degrees(ephem.Sun(observer).alt))
    state = 'normal'
    if not crossed:
        observer.date = to_ephem(start)
        sun.compute(observer)
        up = math.degrees(sun.alt + sun.radius) >= -(34.0 + 1.76 * math.sqrt(height)) / 60.0
        state = 'above' if up else 'below'
    print('state', ident, index, state)
    for kind, method in (('moon_rise', observer.next_rising), ('moon_set', observer.next_setting),
                         ('moon_transit', observer.next_transit)):
        for t in crossings(observer, moon, method, start, end):
            print('all', ident, index, kind, iso(t, zone), repr(t))
    for kind, method in (('new', ephem.next_new_moon), ('first_quarter', ephem.next_first_quarter_moon),
                         ('full', ephem.next_full_moon), ('last_quarter', ephem.next_last_quarter_moon)):
        t = to_posix(method(to_ephem(start)))
        if t < end:
            print('all', ident, index, kind, iso(t, zone), repr(t))
    at = to_ephem(noon)
    m, s = ephem.Moon(at), ephem.Sun(at)
    phase = (ecliptic_longitude(m, at) - ecliptic_longitude(s, at)) % (2 * math.pi)
    age = (float(at) - float(ephem.previous_new_moon(at)))
    print('moon', ident, index, m.moon_phase, age, math.degrees(phase), ephem.delta_t(at))


def case(ident, lat, lon, height, zone_name, date, days):
    observer = ephem.Observer()
    observer.lat, observer.lon = lat, lon
    observer.elevation, observer.pressure = float(height), 0
    zone = zone_of(zone_name, float(lon))
    first = datetime.date.fromisoformat(date)
    for index in range(int(days)):
        day(ident, index, observer, zone, first + datetime.timedelta(days=index), float(height))


for words in requests():
    if words[0] == 'case':
        case(*words[1:])
