// SeriesPick: selection-record reading and filling, free of widgets so the rules are tested alone.
#include "animation/SeriesPick.h"

#include "animation/TimeSeriesList.h"

namespace ov {

PickSwitches SwitchesOf(const SelectionRecord& selection)
{
    return {(selection.flags & OV_SELECTION_RELATIVE) != 0,
            (selection.flags & OV_SELECTION_INCREMENTAL) != 0};
}

uint32_t FlagsOf(const PickSwitches& switches)
{
    uint32_t flags = 0;
    if (switches.relative) flags |= OV_SELECTION_RELATIVE;
    if (switches.incremental) flags |= OV_SELECTION_INCREMENTAL;
    return flags;
}

int InitialSeriesIndex(const std::vector<TimeSeries*>& series, const SelectionRecord* selection)
{
    if (series.empty()) return -1;
    if (!selection || selection->series_id == 0) return 0;
    return IndexOfId(series, selection->series_id);
}

int InitialGridRow(const TimeSeries* current, const SelectionRecord& selection)
{
    return CanPick(current, selection.row + 1) ? selection.row + 1 : 0;
}

bool CanPick(const TimeSeries* current, int gridRow)
{
    return current && gridRow >= 1 && gridRow <= current->rows;
}

std::optional<SelectionRecord> PickRow(const SelectionRecord& before, const TimeSeries* current, int gridRow,
                                       const PickSwitches& switches)
{
    if (!CanPick(current, gridRow)) return std::nullopt;
    SelectionRecord picked = before;
    picked.series_id = current->id;
    picked.row = gridRow - 1;
    picked.flags = FlagsOf(switches);
    return picked;
}

SelectionRecord PickNone(const SelectionRecord& before, const PickSwitches& switches)
{
    SelectionRecord cleared = before;
    cleared.series_id = 0;
    cleared.row = 0;
    cleared.flags = FlagsOf(switches);
    return cleared;
}

}  // namespace ov
