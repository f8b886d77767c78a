// Reuse of a replaced model's item, point and node blocks.
#include "view3d/ModelItemStock.h"

#include "view3d/ModelItems.h"

#include <cstdlib>
#include <cstring>

namespace ov {
namespace {

// Gives the item room for `count` zeroed points: a block of between one and two times as many points
// is kept; a larger count takes a new block, and so does a much smaller one (a long polyline's block
// is not held by a quadrilateral).
bool FitPoints(ModelItem& item, int32_t count)
{
    if (count > 0 && item.points && count <= item.count && item.count / 2 <= count) {
        std::memset(item.points, 0, sizeof(OvPoint3F) * static_cast<std::size_t>(count));
        return true;
    }
    std::free(item.points);
    item.points = nullptr;
    if (count == 0) return true;
    item.points = static_cast<OvPoint3F*>(std::calloc(static_cast<std::size_t>(count), sizeof(OvPoint3F)));
    return item.points != nullptr;
}

void LinkAtEnd(OvHostList& list, OvHostListNode& node)
{
    node.next = nullptr;
    node.prev = list.tail;
    if (list.tail)
        list.tail->next = &node;
    else
        list.head = &node;
    list.tail = &node;
    ++list.count;
}

}  // namespace

ModelItemStock::ModelItemStock(OvHostList& items)
{
    TakeChain(items);
}

ModelItemStock::~ModelItemStock()
{
    while (OvHostListNode* node = stocked_) {
        stocked_ = node->next;
        FreeModelItem(static_cast<ModelItem*>(node->data));
        std::free(node);
    }
}

void ModelItemStock::TakeChain(OvHostList& list)
{
    // The list's nodes go in front of the stock, so the children of an item handed out are the next
    // blocks handed out: a model built in the old one's order takes its blocks back in that order.
    OvHostListNode* last = list.tail;
    if (!last) last = list.head;
    while (last && last->next) last = last->next;
    if (last) {
        last->next = stocked_;
        stocked_ = list.head;
    }
    list.head = list.tail = nullptr;
    list.count = 0;
}

ModelItem* ModelItemStock::Append(OvHostList& list, uint8_t kind, int32_t count)
{
    if (count < 0) return nullptr;
    OvHostListNode* node = stocked_;
    if (!node) return AppendModelItem(list, kind, count);
    stocked_ = node->next;
    auto* item = static_cast<ModelItem*>(node->data);
    if (item) TakeChain(item->children);
    if (!item) item = static_cast<ModelItem*>(std::calloc(1, sizeof(ModelItem)));
    if (!item || !FitPoints(*item, count)) {
        FreeModelItem(item);
        std::free(node);
        return nullptr;
    }
    OvPoint3F* points = item->points;
    *item = ModelItem{};
    item->kind = kind;
    item->count = count;
    item->points = points;
    node->data = item;
    LinkAtEnd(list, *node);
    return item;
}

}  // namespace ov
