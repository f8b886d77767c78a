// Quicksort of indexes by descending key.
#include "view3d/COvQuickSort.h"

#include <cmath>
#include <limits>
#include <utility>

namespace ov {
namespace {

struct Keys {
    std::vector<float> k;

    // Whether index a goes before index b: larger key first, then lower index.
    bool Before(int a, int b) const
    {
        const float ka = k[static_cast<std::size_t>(a)], kb = k[static_cast<std::size_t>(b)];
        return ka > kb || (ka == kb && a < b);
    }
};

// Sorts idx[lo ... hi]; recursion takes the smaller side so the depth stays logarithmic.
void Sort(std::vector<int>& idx, int lo, int hi, const Keys& keys)
{
    while (lo < hi) {
        std::swap(idx[static_cast<std::size_t>((lo + hi) / 2)], idx[static_cast<std::size_t>(hi)]);
        const int pivot = idx[static_cast<std::size_t>(hi)];
        int store = lo;
        for (int i = lo; i < hi; ++i)
            if (keys.Before(idx[static_cast<std::size_t>(i)], pivot))
                std::swap(idx[static_cast<std::size_t>(i)], idx[static_cast<std::size_t>(store++)]);
        std::swap(idx[static_cast<std::size_t>(store)], idx[static_cast<std::size_t>(hi)]);
        if (store - lo < hi - store) {
            Sort(idx, lo, store - 1, keys);
            lo = store + 1;
        } else {
            Sort(idx, store + 1, hi, keys);
            hi = store - 1;
        }
    }
}

}  // namespace

std::vector<int> COvQuickSort::Order(const std::vector<float>& keys)
{
    Keys k{keys};
    for (float& v : k.k)
        if (std::isnan(v)) v = std::numeric_limits<float>::infinity();
    std::vector<int> idx(keys.size());
    for (std::size_t i = 0; i < idx.size(); ++i) idx[i] = static_cast<int>(i);
    Sort(idx, 0, static_cast<int>(idx.size()) - 1, k);
    return idx;
}

}  // namespace ov
