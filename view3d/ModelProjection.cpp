// Projection of the model tree and its back-to-front order.
#include "view3d/ModelProjection.h"

#include "view3d/COvQuickSort.h"
#include "view3d/ModelItems.h"

namespace ov {
namespace {

float ProjectItem(ModelItem& item, const Projector& project)
{
    double sum = 0;
    int n = 0;
    for (int k = 0; k < item.count && item.points; ++k, ++n) {
        OvPoint3F& p = item.points[k];
        Vec3 w{};
        project({p.x, p.y, p.z}, w);
        p = {static_cast<float>(w.x), static_cast<float>(-w.y), static_cast<float>(w.z)};
        sum += p.z;
    }
    double childSum = 0;
    int children = 0;
    for (ModelItem* child : ModelItemsOf(item.children)) {
        childSum += ProjectItem(*child, project);
        ++children;
    }
    if (n > 0)
        item.mean_depth = static_cast<float>(sum / n);
    else
        item.mean_depth = children > 0 ? static_cast<float>(childSum / children) : 0.0f;
    return item.mean_depth;
}

}  // namespace

void ProjectModel(Host3DObject& object, const ViewFrame& frame, bool sort)
{
    const Projector project(frame);
    for (ModelItem* item : ModelItemsOf(object.items)) ProjectItem(*item, project);
    if (sort) SortBackToFront(object.items);
}

void SortBackToFront(OvHostList& items)
{
    const std::vector<ModelItem*> list = ModelItemsOf(items);
    std::vector<float> depths;
    depths.reserve(list.size());
    for (const ModelItem* item : list) depths.push_back(item->mean_depth);
    const std::vector<int> order = COvQuickSort::Order(depths);
    // The nodes stay; only their elements move, so nothing is allocated.
    std::size_t k = 0;
    for (OvHostListNode* node = items.head; node && k < order.size(); node = node->next, ++k)
        node->data = list[static_cast<std::size_t>(order[k])];
    for (ModelItem* item : list) SortBackToFront(item->children);
}

}  // namespace ov
