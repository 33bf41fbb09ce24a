// Sine, cosine and tangent in extended precision, fast for the small
// arguments the geodesy uses.
//
// The C library reduces every extended argument beyond pi/4 with its
// multi-precision kernel, which costs several times the function itself.
// For |x| below 1e5 these reduce by a three-part pi/2 instead (exact to
// well beyond the 64-bit mantissa there) and sum the Taylor series of the
// reduced argument; larger arguments go to the library unchanged. Results
// agree with the library's to a few units of the extended mantissa, far
// below what survives rounding to double.
#pragma once

namespace geo {

struct SinCosPair {
    long double Sin, Cos;
};

SinCosPair SinCosExtended(long double x);
long double TanExtended(long double x);

} // namespace geo
