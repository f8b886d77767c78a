// Evenly spaced values by repeated addition.
#include "data/formula/EvenlySpaced.h"

namespace ov {

std::vector<double> EvenlySpaced(double start, double end, int32_t count)
{
    std::vector<double> values;
    if (count < 1) return values;
    values.reserve(static_cast<size_t>(count));
    double value = start;
    values.push_back(value);
    if (count == 1) return values;
    const double step = (end - start) / (count - 1);
    for (int32_t i = 1; i < count; ++i) {
        value += step;
        values.push_back(value);
    }
    return values;
}

}  // namespace ov
