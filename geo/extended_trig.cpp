#include "geo/extended_trig.h"

#include <cmath>
#include <cstdint>

namespace geo {
namespace {

// pi/2 = P1 + P2 + P3; P1 and P2 have 32 significant bits, so k * P1 and
// k * P2 are exact for every k the fast path sees.
constexpr long double P1 = 0x6487ed51p-30L;
constexpr long double P2 = 0x85a308d3p-65L;
constexpr long double P3 = 0x98cc51701b839a25p-132L;
constexpr long double TwoOverPi = 0x517cc1b727220a95p-63L;
constexpr long double FastBelow = 1e5L;

struct Reduced {
    long double r;   // in [-pi/4, pi/4]
    unsigned quadrant;
};

Reduced Reduce(long double x)
{
    const std::int64_t k = std::llrint(x * TwoOverPi);
    const long double kl = static_cast<long double>(k);
    const long double r = ((x - kl * P1) - kl * P2) - kl * P3;
    return {r, static_cast<unsigned>(k & 3)};
}

// Taylor coefficients (-1)^k / (2k+1)! and (-1)^k / (2k)!. On |r| <= pi/4
// the first omitted terms (r^23/23!, r^22/22!) lie below 1e-23, a
// thousandth of the last place of the extended mantissa.
constexpr int Terms = 10;
struct TaylorTables {
    long double sin[Terms]; // r^3 .. r^21
    long double cos[Terms]; // r^2 .. r^20
};

constexpr TaylorTables MakeTables()
{
    TaylorTables t{};
    long double s = 1.0L, c = 1.0L;
    for (int k = 1; k <= Terms; ++k) {
        c = -c / ((2 * k - 1) * (2 * k));
        s = -s / ((2 * k) * (2 * k + 1));
        t.cos[k - 1] = c;
        t.sin[k - 1] = s;
    }
    return t;
}

constexpr TaylorTables Taylor = MakeTables();

// sum of c[k] z^k, k < Terms, as two interleaved Horner chains in z^2 (the
// even and the odd coefficients), which halves the chain of dependent
// multiplications.
long double Polynomial(const long double (&c)[Terms], long double z)
{
    const long double w = z * z;
    long double even = c[Terms - 2], odd = c[Terms - 1];
    for (int k = Terms - 4; k >= 0; k -= 2) {
        even = even * w + c[k];
        odd = odd * w + c[k + 1];
    }
    return even + z * odd;
}

// sin and cos on [-pi/4, pi/4].
SinCosPair KernelSinCos(long double r)
{
    const long double z = r * r;
    return {r + r * z * Polynomial(Taylor.sin, z), 1.0L + z * Polynomial(Taylor.cos, z)};
}

} // namespace

SinCosPair SinCosExtended(long double x)
{
    if (!(std::fabs(x) < FastBelow))
        return {std::sin(x), std::cos(x)};
    const Reduced red = Reduce(x);
    const SinCosPair p = KernelSinCos(red.r);
    switch (red.quadrant) {
    case 0: return {p.Sin, p.Cos};
    case 1: return {p.Cos, -p.Sin};
    case 2: return {-p.Sin, -p.Cos};
    default: return {-p.Cos, p.Sin};
    }
}

long double TanExtended(long double x)
{
    if (!(std::fabs(x) < FastBelow))
        return std::tan(x);
    const Reduced red = Reduce(x);
    const SinCosPair p = KernelSinCos(red.r);
    const long double t = p.Sin / p.Cos;
    return (red.quadrant & 1) ? -1.0L / t : t;
}

} // namespace geo
