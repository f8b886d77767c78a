// COvQuickSort: orders indexes by float keys, largest key first (back to front for depths), with a
// quicksort of the index array. Equal keys keep their index order; NaN counts as farthest.
#pragma once

#include <vector>

namespace ov {

class COvQuickSort {
public:
    // The indexes 0 ... keys.size() − 1 ordered by descending key.
    static std::vector<int> Order(const std::vector<float>& keys);
};

}  // namespace ov
