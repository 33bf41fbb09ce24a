#!/usr/bin/python3
"""pyproj's transformations of the positions on standard input.

Each line "FROM TO LATITUDE LONGITUDE HEIGHT WEST,SOUTH,EAST,NORTH" (CRSs,
degrees along the CRS's axes, metres, and the area of interest around the
position in degrees east of Greenwich) gives a line of four tab-separated
fields: the position as pyproj moves it for that area ("latitude longitude
height" in degrees and metres), whether the best operation for the area
runs here ("1" or "0"), the best one that cannot run ("" when none), and
the source CRS's ellipsoid ("semi-major-axis inverse-flattening", metres;
0 for a sphere).
"""
import math
import sys
import warnings

from pyproj import CRS, Transformer
from pyproj.aoi import AreaOfInterest
from pyproj.transformer import TransformerGroup

warnings.simplefilter("ignore")  # pyproj warns of the missing grids asked about


def radians_per_unit(crs):
    """The angular unit of the CRS's latitude and longitude (a few use grads)."""
    return crs.axis_info[0].unit_conversion_factor


for line in sys.stdin:
    source, target, lat, lon, height, box = line.split()
    area = AreaOfInterest(*(float(v) for v in box.split(",")))
    to_source = math.radians(1) / radians_per_unit(CRS(source))
    to_degrees = radians_per_unit(CRS(target)) / math.radians(1)
    moved = Transformer.from_crs(source, target, area_of_interest=area).transform(
        float(lat) * to_source, float(lon) * to_source, float(height))
    group = TransformerGroup(source, target, area_of_interest=area)
    better = group.unavailable_operations[0].name if group.unavailable_operations and not group.best_available else ""
    ellipsoid = CRS(source).ellipsoid
    print("%.10f %.10f %.6f\t%d\t%s\t%.17g %.17g" % (moved[0] * to_degrees, moved[1] * to_degrees, moved[2],
                                                   group.best_available, better,
                                                   ellipsoid.semi_major_metre, ellipsoid.inverse_flattening))
