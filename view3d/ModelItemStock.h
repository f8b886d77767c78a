// ModelItemStock: the blocks of a model being replaced (its items with their points, and its list
// nodes), handed out again to the model built in its place.
#pragma once

#include <ornivex/surface.h>

#include <cstdint>

namespace ov {

// A rebuild that frees every block of the old model and allocates the same blocks again for the new
// one spends most of its time in the allocator: the stock lets the new model take the old blocks over
// instead. Every block stays a malloc'ed block of its own, so the host frees the new model as before.
class ModelItemStock {
public:
    ModelItemStock() = default;
    // Takes every item of the list, with its children, into the stock; the list is left empty.
    explicit ModelItemStock(OvHostList& items);
    // Frees every item and node that was not handed out again.
    ~ModelItemStock();
    ModelItemStock(const ModelItemStock&) = delete;
    ModelItemStock& operator=(const ModelItemStock&) = delete;

    // As AppendModelItem: an item of `kind` with `count` zeroed points, black, no series and no
    // children, appended to `list`; made of a stocked item and node while there are any. Null (list
    // unchanged) when the count is negative or memory runs out.
    ModelItem* Append(OvHostList& list, uint8_t kind, int32_t count);

private:
    // Stocked nodes, chained through `next`; each holds an item whose children are still its own.
    OvHostListNode* stocked_ = nullptr;

    void TakeChain(OvHostList& list);
};

}  // namespace ov
