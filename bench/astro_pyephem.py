#!/usr/bin/python3
"""PyEphem doing the work of bench/astro_bench.cpp's year: for each local
day of 2025 at Plymouth, the Sun's rise, set, meridian passage and three
twilights, the Moon's rise, set and meridian passage, its illuminated
fraction and age at noon and the principal phases in the day, with the
same conventions. Prints the CPU time of the year (best of three).
"""
import math
import time

import ephem

UNIX_EPOCH = 25567.5
YEAR_2025 = 1735689600.0


def events_in(observer, body, method, start, end, **options):
    found, at = [], start
    while True:
        observer.date = at
        try:
            when = method(body, **options)
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            return found
        if when >= end:
            return found
        found.append(when)
        at = when + 60.0 / 86400.0


def year():
    observer = ephem.Observer()
    observer.lat, observer.lon, observer.elevation, observer.pressure = '50.37', '-4.14', 10.0, 0
    limb = '-0:%.6f' % (34.0 + 1.76 * math.sqrt(10.0))
    sun, moon = ephem.Sun(), ephem.Moon()
    for day in range(365):
        start = ephem.Date(UNIX_EPOCH + YEAR_2025 / 86400.0 + day)
        end = ephem.Date(start + 1)
        for horizon, centre in ((limb, False), ('-6', True), ('-12', True), ('-18', True)):
            observer.horizon = horizon
            events_in(observer, sun, observer.next_rising, start, end, use_center=centre)
            events_in(observer, sun, observer.next_setting, start, end, use_center=centre)
        observer.horizon = limb
        events_in(observer, sun, observer.next_transit, start, end)
        events_in(observer, moon, observer.next_rising, start, end)
        events_in(observer, moon, observer.next_setting, start, end)
        events_in(observer, moon, observer.next_transit, start, end)
        noon = ephem.Date(start + 0.5)
        moon.compute(noon)
        _ = moon.moon_phase, noon - ephem.previous_new_moon(noon)
        for phase in (ephem.next_new_moon, ephem.next_first_quarter_moon, ephem.next_full_moon,
                      ephem.next_last_quarter_moon):
            phase(start)


def main():
    best = None
    for _ in range(3):
        began = time.process_time()
        year()
        spent = time.process_time() - began
        best = spent if best is None else min(best, spent)
    print('PyEphem, a year of daily events: %.0f ms of CPU' % (best * 1000.0))


main()
