// SeriesPick: the rules by which the time-series dialog, opened for an animated property, reads and
// fills the host's selection record. Grid rows count from 1 (row 0 is the heading row).
#pragma once

#include <ornivex/animation.h>

#include <optional>
#include <vector>

namespace ov {

struct PickSwitches {
    bool relative = false;
    bool incremental = false;
};

PickSwitches SwitchesOf(const SelectionRecord& selection);
uint32_t FlagsOf(const PickSwitches& switches);

// The list position to select on opening: the series with the record's id, the first for id 0 (and
// without a record); -1 when there is no such series.
int InitialSeriesIndex(const std::vector<TimeSeries*>& series, const SelectionRecord* selection);

// The grid row to select on opening: row + 1 while it lies inside the series, else 0 (none).
int InitialGridRow(const TimeSeries* current, const SelectionRecord& selection);

// Whether OK may pick: a current series and a grid row within 1 … rows.
bool CanPick(const TimeSeries* current, int gridRow);

// OK: the record filled with the current series' id, row gridRow − 1 and the flags; nothing when
// CanPick fails. The unused word keeps its value.
std::optional<SelectionRecord> PickRow(const SelectionRecord& before, const TimeSeries* current, int gridRow,
                                       const PickSwitches& switches);

// "Empty": the property loses its series: id 0, row 0, the flags of the boxes.
SelectionRecord PickNone(const SelectionRecord& before, const PickSwitches& switches);

}  // namespace ov
