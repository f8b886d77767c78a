// AxisTicks: choosing round tick steps that leave room between the labels, and formatting the labels.
#include "chart/AxisTicks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>

namespace ov {
namespace {

constexpr std::array<double, 4> kMantissas = {1, 2, 2.5, 5};
constexpr int kMostTicks = 11;
constexpr double kSlack = 1e-9;  // data a hair past a tick still counts as on it

double DefaultWidth(const std::string& label)
{
    return 7.0 * static_cast<double>(label.size());
}

struct Candidate {
    double step;
    int decimals;  // of the step; 2.5 × 10^k needs one more than 10^k
};

int StepDecimals(double mantissa, int exponent)
{
    return std::max(0, -exponent) + (mantissa == 2.5 ? 1 : 0);
}

// "1.5e-9": the mantissa of each value over one shared power of ten.
std::string ScientificLabel(double value, int exponent, int decimals)
{
    if (value == 0) return FixedLabel(0, 0);
    char text[64];
    std::snprintf(text, sizeof text, "%.*fe%d", decimals, value / std::pow(10.0, exponent), exponent);
    return text;
}

std::vector<std::string> LinearLabels(const std::vector<double>& values, const Candidate& c)
{
    const double largest = std::max(std::fabs(values.front()), std::fabs(values.back()));
    const bool scientific = largest >= 1e6 || c.decimals > 4;
    const int exponent = largest > 0 ? static_cast<int>(std::floor(std::log10(largest) + kSlack)) : 0;
    const int stepExponent = static_cast<int>(std::floor(std::log10(c.step) + kSlack));
    const int mantissaDecimals =
        std::max(0, exponent - stepExponent) + (c.decimals > std::max(0, -stepExponent) ? 1 : 0);
    std::vector<std::string> labels;
    labels.reserve(values.size());
    for (double v : values)
        labels.push_back(scientific ? ScientificLabel(v, exponent, mantissaDecimals)
                                    : FixedLabel(v, c.decimals));
    return labels;
}

// The ticks of one step if their labels keep their distance; nothing otherwise.
bool TryStep(const AxisRequest& r, double lo, double hi, const Candidate& c, AxisTicks& out, bool force)
{
    const double first = std::floor(lo / c.step + kSlack);
    const double last = std::ceil(hi / c.step - kSlack);
    const int count = static_cast<int>(last - first) + 1;
    if (count > kMostTicks && !force) return false;
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const double v = (first + i) * c.step;
        values.push_back(std::fabs(v) < c.step * kSlack ? 0.0 : v);
    }
    const std::vector<std::string> labels = LinearLabels(values, c);
    const LabelWidth width = r.labelWidth ? r.labelWidth : LabelWidth(DefaultWidth);
    double widest = 0;
    for (const std::string& label : labels) widest = std::max(widest, width(label));
    const double spacing = r.length / std::max(count - 1, 1);
    if ((spacing < widest + r.labelGap || spacing < r.minSpacing) && !force) return false;
    out.low = values.front();
    out.high = values.back();
    out.step = c.step;
    out.ticks.clear();
    out.ticks.reserve(values.size());
    for (int i = 0; i < count; ++i) out.ticks.push_back({values[i], labels[i]});
    return true;
}

AxisTicks LinearTicks(const AxisRequest& r, double lo, double hi)
{
    if (lo == hi) {
        const double pad = lo == 0 ? 1 : std::fabs(lo) * 0.05;
        lo -= pad;
        hi += pad;
    }
    AxisTicks ticks;
    const int top = static_cast<int>(std::floor(std::log10(hi - lo)));
    std::optional<Candidate> fewest;  // the smallest step among those with the fewest ticks
    double fewestCount = 0;
    for (int exponent = top - 3; exponent <= top + 1; ++exponent) {
        for (double mantissa : kMantissas) {
            const Candidate c{mantissa * std::pow(10.0, exponent), StepDecimals(mantissa, exponent)};
            if (TryStep(r, lo, hi, c, ticks, false)) return ticks;
            const double count = std::ceil(hi / c.step - kSlack) - std::floor(lo / c.step + kSlack);
            if (!fewest || count < fewestCount) {
                fewest = c;
                fewestCount = count;
            }
        }
    }
    TryStep(r, lo, hi, *fewest, ticks, true);  // every step crowds: keep the fewest ticks
    return ticks;
}

// Decades between 0.001 and 10000 read as plain numbers; an axis reaching further shows every decade
// as "1e<n>", so its labels stay alike.
std::string DecadeLabel(int exponent, bool plain)
{
    if (plain) return FixedLabel(std::pow(10.0, exponent), std::max(0, -exponent));
    return "1e" + std::to_string(exponent);
}

AxisTicks LogTicks(const AxisRequest& r, double lo, double hi)
{
    const int first = static_cast<int>(std::floor(std::log10(lo) + kSlack));
    int last = static_cast<int>(std::ceil(std::log10(hi) - kSlack));
    if (last <= first) last = first + 1;
    const LabelWidth width = r.labelWidth ? r.labelWidth : LabelWidth(DefaultWidth);
    AxisTicks ticks;
    for (int every = 1;; ++every) {
        const int from = static_cast<int>(std::floor(static_cast<double>(first) / every)) * every;
        const int to = static_cast<int>(std::ceil(static_cast<double>(last) / every)) * every;
        const int count = (to - from) / every + 1;
        const bool plain = from >= -3 && to <= 4;
        double widest = 0;
        for (int e = from; e <= to; e += every) widest = std::max(widest, width(DecadeLabel(e, plain)));
        const double spacing = r.length / std::max(count - 1, 1);
        if ((count <= kMostTicks && spacing >= widest + r.labelGap && spacing >= r.minSpacing) ||
            count <= 2) {
            ticks.low = std::pow(10.0, from);
            ticks.high = std::pow(10.0, to);
            ticks.step = every;
            for (int e = from; e <= to; e += every)
                ticks.ticks.push_back({std::pow(10.0, e), DecadeLabel(e, plain)});
            return ticks;
        }
    }
}

}  // namespace

std::string FixedLabel(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", std::clamp(decimals, 0, 17), value);
    std::string label = text;
    if (label[0] == '-' && label.find_first_not_of("-0.") == std::string::npos) label.erase(0, 1);
    return label;
}

AxisTicks ChooseAxisTicks(const AxisRequest& r)
{
    if (!std::isfinite(r.from) || !std::isfinite(r.to) || !(r.length > 0)) return {};
    const double lo = std::min(r.from, r.to), hi = std::max(r.from, r.to);
    if (!std::isfinite(hi - lo)) return {};
    if (r.logarithmic && lo > 0) return LogTicks(r, lo, hi);
    return LinearTicks(r, lo, hi);
}

}  // namespace ov
