// Sine and cosine over a block: the argument less the nearest multiple k of pi/2, carried as a sum of
// two doubles, then a polynomial for sin or cos of that remainder chosen by k mod 4. Every step is
// element by element without branches, so GCC vectorises the loop; the few arguments beyond the
// bound (and infinities and NaN) are recomputed by the C library afterwards.
#include "data/formula/BlockSinCos.h"

#include <math.h>
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

#include "data/formula/VectorClones.h"

#if defined(__FAST_MATH__)
#error "the error-free sums below need IEEE arithmetic: build without -ffast-math"
#endif
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC optimize("vect-cost-model=dynamic")
#endif

namespace ov {
namespace {

// pi/2 split into parts of at most 33 significant bits (the last one a full double), so that k times
// each of the first three is exact for |k| < 2^20, which the bound keeps.
constexpr double kPio2Part1 = 0x1.921fb544p+0;
constexpr double kPio2Part2 = 0x1.0b4611a6p-34;
constexpr double kPio2Part3 = 0x1.3198a2ep-69;
constexpr double kPio2Part4 = 0x1.b839a252049c1p-104;
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// Adding 1.5 * 2^52 rounds to an integer, kept in the low bits of the sum's representation.
constexpr double kRoundMagic = 0x1.8p52;
// Below this magnitude sin x rounds to x (x^3/6 is under half an ulp), and it keeps the sign of -0.
constexpr double kTiny = 0x1p-27;

// Coefficients fitted for |r| <= 0.7854 (a little above pi/4): sin r = r + r^3 S(r^2) and
// cos r = 1 - r^2/2 + r^4 C(r^2), each within 1e-19 of the exact function on that interval.
constexpr double kS0 = -0x1.5555555555555p-3;
constexpr double kS1 = 0x1.111111111111p-7;
constexpr double kS2 = -0x1.a01a01a019938p-13;
constexpr double kS3 = 0x1.71de3a5460946p-19;
constexpr double kS4 = -0x1.ae645412c3273p-26;
constexpr double kS5 = 0x1.61217f09bcb04p-33;
constexpr double kS6 = -0x1.ab17d2facc8bdp-41;
constexpr double kC0 = 0x1.5555555555555p-5;
constexpr double kC1 = -0x1.6c16c16c16967p-10;
constexpr double kC2 = 0x1.a01a019f4eaf1p-16;
constexpr double kC3 = -0x1.27e4fa17d8c71p-22;
constexpr double kC4 = 0x1.1eeb68e7eb073p-29;
constexpr double kC5 = -0x1.907da2754caa9p-37;

// s + e == a + b exactly, s the rounded sum.
[[gnu::always_inline]] inline void TwoSum(double a, double b, double& s, double& e)
{
    s = a + b;
    const double bb = s - a;
    e = (a - (s - bb)) + (b - bb);
}

// sin or cos of x (quadrant offset 0 or 1) for |x| <= kBlockSinCosBound.
[[gnu::always_inline]] inline double SinCosInRange(double x, uint64_t offset)
{
    const double t = x * kTwoOverPi + kRoundMagic;
    const uint64_t quadrant = std::bit_cast<uint64_t>(t) + offset;
    const double k = t - kRoundMagic;
    // x - k pi/2 as hi + lo: the first two differences are exact, the error-free sums keep the rest.
    const double a = x - k * kPio2Part1;
    double s = 0.0;
    double e1 = 0.0;
    TwoSum(a, -(k * kPio2Part2), s, e1);
    double s2 = 0.0;
    double e2 = 0.0;
    TwoSum(s, -(k * kPio2Part3), s2, e2);
    double hi = 0.0;
    double lo = 0.0;
    TwoSum(s2, (e1 + e2) - k * kPio2Part4, hi, lo);

    const double z = hi * hi;
    // sin(hi + lo) = hi + hi^3 S(z) + lo cos(hi), the small terms summed before the large one.
    double sine = hi + (z * hi * (kS0 + z * (kS1 + z * (kS2 + z * (kS3 + z * (kS4 + z * (kS5 + z * kS6)))))) +
                        (lo - 0.5 * z * lo));
    sine = std::fabs(x) < kTiny ? x : sine;
    // cos(hi + lo) = 1 - z/2 + z^2 C(z) - lo sin(hi), with the rounding error of 1 - z/2 kept.
    const double half = 0.5 * z;
    const double w = 1.0 - half;
    const double cosine =
        w + (((1.0 - w) - half) +
             (z * z * (kC0 + z * (kC1 + z * (kC2 + z * (kC3 + z * (kC4 + z * kC5))))) - hi * lo));

    // Odd quadrants take the other function; quadrants 2 and 3 flip the sign.
    const uint64_t odd = 0 - (quadrant & 1);
    const uint64_t bits = (std::bit_cast<uint64_t>(sine) & ~odd) | (std::bit_cast<uint64_t>(cosine) & odd);
    return std::bit_cast<double>(bits ^ ((quadrant & 2) << 62));
}

constexpr int64_t kChunk = 256;

// v[i] = the kernel of in[i] for i < n; true when some in[i] lies beyond the bound (or is NaN).
OV_VECTOR_CLONES bool KernelChunk(const double* __restrict in, double* __restrict v, int64_t n,
                                  uint64_t offset)
{
    uint64_t outside = 0;
    for (int64_t i = 0; i != n; ++i) {
        v[i] = SinCosInRange(in[i], offset);
        outside |= std::bit_cast<uint64_t>(std::fabs(in[i]) <= kBlockSinCosBound ? 0.0 : 1.0);
    }
    return outside != 0;
}

// The kernel straight into out, or through a local buffer when out is x; then the C library for the
// elements beyond the bound.
void SinCosLoop(const double* x, double* out, int64_t n, uint64_t offset, double (*library)(double))
{
    alignas(64) std::array<double, kChunk> values;
    for (int64_t begin = 0; begin < n; begin += kChunk) {
        const int64_t m = std::min(kChunk, n - begin);
        const double* in = x + begin;
        double* const v = x == out ? values.data() : out + begin;
        if (KernelChunk(in, v, m, offset)) {
            for (int64_t i = 0; i != m; ++i) {
                if (!(std::fabs(in[i]) <= kBlockSinCosBound)) v[i] = library(in[i]);
            }
        }
        if (v != out + begin) std::copy(v, v + m, out + begin);
    }
}

}  // namespace

void SinBlock(const double* x, double* out, int64_t n)
{
    SinCosLoop(x, out, n, 0, ::sin);
}

void CosBlock(const double* x, double* out, int64_t n)
{
    SinCosLoop(x, out, n, 1, ::cos);
}

}  // namespace ov
