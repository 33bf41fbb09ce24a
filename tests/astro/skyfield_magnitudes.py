#!/usr/bin/python3
"""Skyfield's planetary magnitudes (Mallama & Hilton 2018) for the tests.

Reads lines "PLANET R DELTA ALPHA TILT" (distances from the Sun and the
Earth in au, phase angle and Saturn's ring tilt in degrees) and prints
the visual magnitude of each, one a line.
"""
import sys

from skyfield import magnitudelib

FORMULAS = {
    'Venus': lambda r, d, a, t: magnitudelib._venus_magnitude(r, d, a),
    'Mars': lambda r, d, a, t: magnitudelib._mars_magnitude(r, d, a),
    'Jupiter': lambda r, d, a, t: magnitudelib._jupiter_magnitude(r, d, a),
    # The same latitude for the Sun and the Earth: their geometric mean is the tilt.
    'Saturn': lambda r, d, a, t: magnitudelib._saturn_magnitude(r, d, a, t, t),
}

for line in sys.stdin:
    words = line.split()
    if words:
        print(repr(float(FORMULAS[words[0]](*map(float, words[1:])))))
