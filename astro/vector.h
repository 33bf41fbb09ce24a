// Cartesian vectors and rotation matrices in the layout ERFA takes
// (double[3], double[3][3]), as values, with the few operations on them
// the library needs (ERFA's, which take their arguments as non-const
// arrays: these take copies).
#pragma once

#include <erfa.h>

namespace astro {

struct Vector {
    double v[3];
};

struct Matrix {
    double m[3][3];
};

inline double Length(Vector p)
{
    return eraPm(p.v);
}

// r p
inline Vector Rotate(Matrix r, Vector p)
{
    Vector out;
    eraRxp(r.m, p.v, out.v);
    return out;
}

// r^T p
inline Vector RotateBack(Matrix r, Vector p)
{
    Vector out;
    eraTrxp(r.m, p.v, out.v);
    return out;
}

inline Vector Minus(Vector a, Vector b)
{
    Vector out;
    eraPmp(a.v, b.v, out.v);
    return out;
}

} // namespace astro
