// Allocation and release of model items at the boundary with the host.
#include "view3d/ModelItems.h"

#include <cstdlib>

namespace ov {
namespace {

void FreeItem(ModelItem* item)
{
    if (!item) return;
    FreeModelItems(item->children);
    std::free(item->points);
    std::free(item);
}

}  // namespace

ModelItem* AppendModelItem(OvHostList& list, uint8_t kind, int32_t count)
{
    if (count < 0) return nullptr;
    auto* item = static_cast<ModelItem*>(std::calloc(1, sizeof(ModelItem)));
    if (!item) return nullptr;
    item->kind = kind;
    item->count = count;
    ov_list_init(&item->children);
    if (count > 0)
        item->points =
            static_cast<OvPoint3F*>(std::calloc(static_cast<std::size_t>(count), sizeof(OvPoint3F)));
    if ((count > 0 && !item->points) || !ov_list_append(&list, item)) {
        FreeItem(item);
        return nullptr;
    }
    return item;
}

void FreeModelItems(OvHostList& list)
{
    // Walks the nodes in place: a banded model has a child list in every cell, and copying each list
    // into a vector first cost more than freeing it.
    int32_t left = ov_list_count(&list);
    for (OvHostListNode* node = list.head; node && left > 0; node = node->next, --left)
        FreeItem(static_cast<ModelItem*>(node->data));
    ov_list_remove_all(&list);
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
