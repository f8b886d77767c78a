// Axis ticks: round steps, whole-step ranges, labels that keep their distance and share their
// decimals, scientific notation for steps of a whole power of ten, decades on logarithmic axes.
#include "chart/AxisTicks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace ov;

namespace {

std::vector<std::string> Labels(const AxisTicks& t)
{
    std::vector<std::string> labels;
    for (const AxisTick& tick : t.ticks) labels.push_back(tick.label);
    return labels;
}

AxisTicks Ticks(double from, double to, double length = 400, bool log = false)
{
    return ChooseAxisTicks({.from = from, .to = to, .length = length, .logarithmic = log});
}

}  // namespace

TEST(AxisTicks, AwkwardRangesGetRoundStepsThatCoverTheData)
{
    EXPECT_EQ(Labels(Ticks(0.447, 10.1)), (std::vector<std::string>{"0", "2", "4", "6", "8", "10", "12"}));
    EXPECT_EQ(Labels(Ticks(-0.302, 6.3)),
              (std::vector<std::string>{"-1", "0", "1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(Labels(Ticks(99.5, 100.5)),
              (std::vector<std::string>{"99.4", "99.6", "99.8", "100.0", "100.2", "100.4", "100.6"}));
    EXPECT_EQ(Labels(Ticks(1.49, 8.39, 200)), (std::vector<std::string>{"0", "2", "4", "6", "8", "10"}));
    EXPECT_EQ(Labels(Ticks(0, 1, 400)).at(1), "0.1");
    EXPECT_EQ(Labels(Ticks(0, 10, 100)), (std::vector<std::string>{"0", "5", "10"}));
    EXPECT_EQ(Labels(Ticks(0, 0.5, 100)), (std::vector<std::string>{"0.00", "0.25", "0.50"}));
}

TEST(AxisTicks, OneValueReversedAndUnusableRanges)
{
    const AxisTicks one = Ticks(5, 5);
    ASSERT_GE(one.ticks.size(), 2u);
    EXPECT_LT(one.low, 5);
    EXPECT_GT(one.high, 5);
    EXPECT_LT(one.high - one.low, 1) << "a single value gets a narrow range around it";
    EXPECT_LE(Ticks(0, 1.1, 3000).ticks.size(), 11u) << "however long the axis";
    EXPECT_GE(Ticks(0, 0).ticks.size(), 2u);
    EXPECT_EQ(Labels(Ticks(10.1, 0.447)), Labels(Ticks(0.447, 10.1)));
    EXPECT_TRUE(Ticks(0, std::numeric_limits<double>::infinity()).ticks.empty());
    EXPECT_TRUE(Ticks(std::nan(""), 1).ticks.empty());
    EXPECT_TRUE(Ticks(0, 1, 0).ticks.empty());
    EXPECT_TRUE(Ticks(-1e308, 1e308).ticks.empty()) << "a span past the largest double";
    const AxisTicks crowded = Ticks(0, 100, 20);  // no step fits: the fewest ticks around the data
    EXPECT_EQ(Labels(crowded), (std::vector<std::string>{"0", "100"}));
    const AxisTicks offZero = Ticks(-1234.5, 98765, 100);
    EXPECT_EQ(offZero.low, -1e5);
    EXPECT_EQ(offZero.high, 1e5);
}

TEST(AxisTicks, LogarithmicAxesTickWholeDecades)
{
    EXPECT_EQ(Labels(Ticks(1, 1e6, 400, true)),
              (std::vector<std::string>{"1e0", "1e1", "1e2", "1e3", "1e4", "1e5", "1e6"}));
    EXPECT_EQ(Labels(Ticks(0.02, 300, 400, true)),
              (std::vector<std::string>{"0.01", "0.1", "1", "10", "100", "1000"}));
    const AxisTicks sparse = Ticks(1, 1e20, 200, true);
    EXPECT_GT(sparse.step, 1);
    EXPECT_LE(sparse.ticks.front().value, 1);
    EXPECT_GE(sparse.ticks.back().value, 1e20);
    EXPECT_EQ(Labels(Ticks(3, 7, 400, true)), (std::vector<std::string>{"1", "10"}));
    EXPECT_EQ(Labels(Ticks(10, 10, 400, true)), (std::vector<std::string>{"10", "100"}));
    EXPECT_EQ(Labels(Ticks(1e-4, 1, 400, true)).front(), "1e-4");
    EXPECT_EQ(Labels(Ticks(1, 100, 30, true)), (std::vector<std::string>{"1", "100"}))
        << "crowded: every other decade";
    const AxisTicks wide = Ticks(1e-7, 1e20, 200, true);
    EXPECT_LE(wide.ticks.front().value, 1e-7);
    for (const AxisTick& tick : wide.ticks)
        EXPECT_EQ(static_cast<int>(std::lround(std::log10(tick.value))) % static_cast<int>(wide.step), 0)
            << tick.label;
    EXPECT_EQ(Labels(Ticks(-5, 100, 400, true)), Labels(Ticks(-5, 100, 400))) << "not positive: linear";
}

TEST(AxisTicks, PowerOfTenStepsCrowdedAxesAndDecadesThatJustFit)
{
    // A step of a whole power of ten needs one decimal past the largest label's exponent.
    EXPECT_EQ(Labels(Ticks(0, 1e7, 1000)).at(1), "0.1e7");
    EXPECT_EQ(Labels(Ticks(0, 1e-4, 1000)).at(1), "0.1e-4");
    // No step fits: the smallest step with the fewest ticks, counted from the data's own ends.
    EXPECT_EQ(Labels(Ticks(250, 350, 20)), (std::vector<std::string>{"200", "400"}));
    // "10000" takes 35 + 12 units: five decades fit on 188 (four gaps of 47), not on 180.
    EXPECT_EQ(Labels(Ticks(1, 1e4, 188, true)),
              (std::vector<std::string>{"1", "10", "100", "1000", "10000"}));
    EXPECT_EQ(Labels(Ticks(1, 1e4, 180, true)), (std::vector<std::string>{"1", "100", "10000"}));
}
