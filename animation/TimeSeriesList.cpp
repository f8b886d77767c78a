// TimeSeriesList: the list operations of the host header, with the series objects' ownership rules.
#include "animation/TimeSeriesList.h"

#include <algorithm>

namespace ov {

std::vector<TimeSeries*> SeriesOf(const OvHostList* list)
{
    std::vector<TimeSeries*> out;
    for (const OvHostListNode* node = list ? list->head : nullptr; node; node = node->next)
        if (node->data) out.push_back(static_cast<TimeSeries*>(node->data));
    return out;
}

int IndexOfId(const std::vector<TimeSeries*>& series, int32_t id)
{
    const auto it =
        std::find_if(series.begin(), series.end(), [id](const TimeSeries* s) { return s->id == id; });
    return it == series.end() ? -1 : static_cast<int>(it - series.begin());
}

int32_t TakeNextId(int32_t& counter)
{
    return counter++;
}

TimeSeries* AppendSeries(OvHostList& list, OwnedTimeSeries& series)
{
    if (!series || !ov_list_append(&list, series.get())) return nullptr;
    return series.release();
}

bool DeleteSeriesAt(OvHostList& list, int index)
{
    if (index < 0 || index >= list.count) return false;
    DestroyTimeSeries(static_cast<TimeSeries*>(ov_list_remove_at(&list, index)));
    return true;
}

bool MoveSeries(OvHostList& list, int from, int to)
{
    if (from < 0 || from >= list.count) return false;
    to = std::clamp(to, 0, list.count - 1);
    if (to == from) return false;
    void* element = ov_list_remove_at(&list, from);
    // Re-inserting where a node was just freed cannot run out of memory in practice, but if it does the
    // element goes back to the end rather than being lost.
    if (!ov_list_insert_at(&list, to, element) && !ov_list_append(&list, element))
        DestroyTimeSeries(static_cast<TimeSeries*>(element));
    return true;
}

}  // namespace ov
