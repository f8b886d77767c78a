// The block sine and cosine against the long double library functions: within 1 ulp over the reduced
// range, next to every multiple of pi/2 up to the bound and at the edges; the C library's own values
// beyond the bound; the same values when the output is the input.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "data/formula/BlockSinCos.h"

namespace ov {
namespace {

// |got - exact| in units of the last place of the double nearest to exact; a zero must match in sign.
double UlpError(double got, long double exact)
{
    if (exact == 0) return got == 0 && std::signbit(got) == std::signbit(exact) ? 0.0 : 1e9;
    const int exponent = std::max(std::ilogb(exact), -1022) - 52;
    return static_cast<double>(std::fabs(got - exact) / std::ldexp(1.0L, exponent));
}

// Random magnitudes from 2^-30 to 2^20, the doubles next to k pi/2 (the smallest remainders, where the
// reduction needs the most bits of pi) and, among them, zeros, subnormals, the edges of the bound and
// of the smallest arguments, and values the C library takes.
std::vector<double> Arguments()
{
    const double inf = INFINITY;
    const double bound = kBlockSinCosBound;
    const std::vector<double> specials = {
        0.0,  -0.0, -1e-310, 0x1p-27, 0x1.fffffffffffffp-28,      1e300,
        -inf, NAN,  bound,   -bound,  std::nextafter(bound, inf), std::nextafter(-bound, -inf)};
    std::vector<double> xs;
    xs.reserve(2'600'000);
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> magnitude(-30.0, 20.0);
    for (int i = 0; i < 500'000; ++i) {
        xs.push_back(i % 97 == 3 ? specials[i % specials.size()]
                                 : (i % 2 ? 1 : -1) * std::exp2(magnitude(rng)));
    }
    const long double half_pi = 1.5707963267948966192313216916397514L;
    for (int64_t k = 1; k * half_pi <= bound; ++k) {
        const auto near = static_cast<double>(static_cast<long double>(k) * half_pi);
        for (const double x : {near, std::nextafter(near, 0.0), std::nextafter(near, inf)})
            xs.push_back(k % 2 ? x : -x);
    }
    return xs;
}

}  // namespace

TEST(BlockSinCos, WithinOneUlpUpToTheBoundAndTheLibrarysValuesBeyond)
{
    const std::vector<double> xs = Arguments();
    const struct {
        void (*block)(const double*, double*, int64_t);
        double (*library)(double);
        long double (*exact)(long double);
    } functions[] = {{SinBlock, ::sin, ::sinl}, {CosBlock, ::cos, ::cosl}};
    for (const auto& f : functions) {
        std::vector<double> got(xs.size());
        f.block(xs.data(), got.data(), static_cast<int64_t>(xs.size()));
        double worst = 0.0;
        int wrong_outside = 0;
        for (std::size_t i = 0; i < xs.size(); ++i) {
            if (std::fabs(xs[i]) <= kBlockSinCosBound) {
                worst = std::max(worst, UlpError(got[i], f.exact(xs[i])));
            } else if (std::bit_cast<uint64_t>(got[i]) != std::bit_cast<uint64_t>(f.library(xs[i]))) {
                ++wrong_outside;
            }
        }
        EXPECT_LT(worst, 1.0) << (f.block == SinBlock ? "sin" : "cos");
        EXPECT_EQ(wrong_outside, 0);
        std::vector<double> in_place = xs;
        f.block(in_place.data(), in_place.data(), static_cast<int64_t>(in_place.size()));
        EXPECT_TRUE(std::equal(in_place.begin(), in_place.end(), got.begin(), [](double x, double y) {
            return std::bit_cast<uint64_t>(x) == std::bit_cast<uint64_t>(y);
        }));
    }
}

}  // namespace ov
