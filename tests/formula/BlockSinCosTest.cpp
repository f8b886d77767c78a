// The block sine and cosine against the long double library functions: within 1 ulp over the reduced
// range and next to every multiple of pi/2 up to the bound, the C library's own values beyond it,
// the sign of zero, and the same values when the output is the input.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "data/formula/BlockSinCos.h"

namespace ov {
namespace {

using BlockFunction = void (*)(const double*, double*, int64_t);
struct Function {
    const char* name;
    BlockFunction block;
    double (*library)(double);
    long double (*exact)(long double);
};
const Function kFunctions[] = {{"sin", SinBlock, ::sin, ::sinl}, {"cos", CosBlock, ::cos, ::cosl}};

// |got - exact| in units of the last place of the double nearest to exact.
double UlpError(double got, long double exact)
{
    if (exact == 0) return got == 0 && std::signbit(got) == std::signbit(exact) ? 0.0 : 1e9;
    const int exponent = std::max(std::ilogb(exact), -1022) - 52;
    return static_cast<double>(std::fabs(static_cast<long double>(got) - exact) / std::ldexp(1.0L, exponent));
}

// The largest error over xs (in range) and the number of values beyond the bound that differ from the
// C library's, NaN matching NaN.
struct Verdict {
    double worst = 0.0;
    double worst_at = 0.0;
    int wrong_outside = 0;
};

Verdict Check(const Function& f, const std::vector<double>& xs, const std::vector<double>& got)
{
    Verdict v;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        if (std::fabs(xs[i]) <= kBlockSinCosBound) {
            const double error = UlpError(got[i], f.exact(xs[i]));
            if (error > v.worst) v.worst = error, v.worst_at = xs[i];
            continue;
        }
        const double library = f.library(xs[i]);
        const bool same = std::isnan(library)
                              ? std::isnan(got[i])
                              : std::bit_cast<uint64_t>(library) == std::bit_cast<uint64_t>(got[i]);
        v.wrong_outside += same ? 0 : 1;
    }
    return v;
}

}  // namespace

TEST(BlockSinCos, WithinOneUlpOverTheRangeAndNextToEveryMultipleOfHalfPi)
{
    std::vector<double> xs;
    xs.reserve(2'600'000);
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> magnitude(-30.0, 20.0);
    for (int i = 0; i < 500'000; ++i) xs.push_back((rng() % 2 == 0 ? 1 : -1) * std::exp2(magnitude(rng)));
    // The doubles closest to k pi/2 leave the smallest remainders, where the reduction must carry
    // the most bits of pi.
    const long double half_pi = 1.5707963267948966192313216916397514L;
    for (int64_t k = 1; k * half_pi <= kBlockSinCosBound; ++k) {
        const auto near = static_cast<double>(static_cast<long double>(k) * half_pi);
        for (const double x : {near, std::nextafter(near, 0.0), std::nextafter(near, 1e300)}) {
            xs.push_back(k % 2 == 0 ? x : -x);
        }
    }
    for (const Function& f : kFunctions) {
        std::vector<double> got(xs.size());
        f.block(xs.data(), got.data(), static_cast<int64_t>(xs.size()));
        const Verdict v = Check(f, xs, got);
        EXPECT_LT(v.worst, 1.0) << f.name << " at " << std::hexfloat << v.worst_at;
        EXPECT_EQ(v.wrong_outside, 0) << f.name;
    }
}

TEST(BlockSinCos, EdgesAndSpecialValuesAmongOrdinaryOnesAlsoInPlace)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double bound = kBlockSinCosBound;
    const double specials[] = {0.0,
                               -0.0,
                               std::numeric_limits<double>::denorm_min(),
                               -1e-310,
                               0x1p-27,
                               std::nextafter(0x1p-27, 0.0),
                               -0x1p-27,
                               bound,
                               -bound,
                               std::nextafter(bound, inf),
                               std::nextafter(-bound, -inf),
                               std::nextafter(bound, 0.0),
                               1e300,
                               inf,
                               -inf,
                               std::numeric_limits<double>::quiet_NaN(),
                               M_PI,
                               -M_PI_2};
    // Every chunk of the block loop holds some special values among ordinary ones.
    std::vector<double> xs;
    xs.reserve(1000);
    for (int i = 0; i < 1000; ++i)
        xs.push_back(i % 37 == 5 ? specials[(i / 37) % std::size(specials)] : 0.01 * i - 3);
    for (const Function& f : kFunctions) {
        std::vector<double> got(xs.size());
        f.block(xs.data(), got.data(), static_cast<int64_t>(xs.size()));
        const Verdict v = Check(f, xs, got);
        EXPECT_LT(v.worst, 1.0) << f.name << " at " << std::hexfloat << v.worst_at;
        EXPECT_EQ(v.wrong_outside, 0) << f.name;
        std::vector<double> in_place = xs;
        f.block(in_place.data(), in_place.data(), static_cast<int64_t>(in_place.size()));
        EXPECT_EQ(Check(f, xs, in_place).wrong_outside, 0) << f.name;
        EXPECT_EQ(0, std::memcmp(in_place.data(), got.data(), got.size() * sizeof(double))) << f.name;
    }
}

}  // namespace ov
