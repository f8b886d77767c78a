// COvValueStore: chunk allocation.
#include "data/ValueStore.h"

namespace ov {

void COvValueStore::NewChunk()
{
    chunks_.push_back(std::make_unique_for_overwrite<double[]>(kChunkValues));
    current_ = chunks_.back().get();
    fill_ = 0;
}

}  // namespace ov
