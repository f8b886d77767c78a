// ModelItems: the malloc'ed tree of model items the host reads (creating an item in a list, freeing a
// list with every descendant) and typed access to a host list of items.
#pragma once

#include <ornivex/surface.h>

#include <vector>

namespace ov {

// A new item of `kind` with `count` zeroed points, black, no children, appended to `list`. Null (list
// unchanged) when the count is negative or memory runs out.
ModelItem* AppendModelItem(OvHostList& list, uint8_t kind, int32_t count);
// Frees every item of the list with its points and children and empties the list.
void FreeModelItems(OvHostList& list);
// Frees one item (null: nothing) with its points and children; its list's node is the caller's.
void FreeModelItem(ModelItem* item);
// The items of a list in order.
std::vector<ModelItem*> ModelItemsOf(const OvHostList& list);

}  // namespace ov
