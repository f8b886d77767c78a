// Ordering of indexes by descending key.
#include "view3d/COvQuickSort.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace ov {

std::vector<int> COvQuickSort::Order(const std::vector<float>& keys)
{
    std::vector<float> k = keys;
    for (float& v : k)
        if (std::isnan(v)) v = std::numeric_limits<float>::infinity();
    std::vector<int> idx(keys.size());
    std::iota(idx.begin(), idx.end(), 0);
    // Larger key first, then lower index: a strict total order, so the introsort (a quicksort that
    // cannot degrade) gives one result for every input.
    std::sort(idx.begin(), idx.end(), [&k](int a, int b) {
        const float ka = k[static_cast<std::size_t>(a)], kb = k[static_cast<std::size_t>(b)];
        return ka > kb || (ka == kb && a < b);
    });
    return idx;
}

}  // namespace ov
