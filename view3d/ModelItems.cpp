// Allocation and release of model items at the boundary with the host.
#include "view3d/ModelItems.h"

#include <cstdlib>

namespace ov {

ModelItem* AppendModelItem(OvHostList& list, uint8_t kind, int32_t count)
{
    if (count < 0) return nullptr;
    auto* item = static_cast<ModelItem*>(std::malloc(sizeof(ModelItem)));
    if (!item) return nullptr;
    *item = ModelItem{};
    item->kind = kind;
    item->count = count;
    if (count > 0)
        item->points =
            static_cast<OvPoint3F*>(std::calloc(static_cast<std::size_t>(count), sizeof(OvPoint3F)));
    if ((count > 0 && !item->points) || !ov_list_append(&list, item)) {
        FreeModelItem(item);
        return nullptr;
    }
    return item;
}

void FreeModelItems(OvHostList& list)
{
    // Frees every block after the blocks made after it (the last item first, an item's children before
    // its node, points and itself), so the allocator's free lists hand them out again lowest address
    // first: the next model is then written front to back through memory, not back to front, which
    // made a rebuild after a free half as fast again. The nodes are walked in place: a banded model has
    // a child list in every cell, and copying each list into a vector first cost more than freeing it.
    for (OvHostListNode* node = list.tail; node;) {
        OvHostListNode* before = node->prev;
        auto* item = static_cast<ModelItem*>(node->data);
        if (item) FreeModelItems(item->children);
        std::free(node);
        if (item) std::free(item->points);
        std::free(item);
        node = before;
    }
    list.head = list.tail = nullptr;
    list.count = 0;
}

void FreeModelItem(ModelItem* item)
{
    if (!item) return;
    FreeModelItems(item->children);
    std::free(item->points);
    std::free(item);
}

std::vector<ModelItem*> ModelItemsOf(const OvHostList& list)
{
    std::vector<ModelItem*> items;
    const int32_t n = ov_list_count(&list);
    for (OvHostListNode* node = list.head; node && static_cast<int32_t>(items.size()) < n; node = node->next)
        items.push_back(static_cast<ModelItem*>(node->data));
    return items;
}

}  // namespace ov
