// ClipResults: the picked pieces handed back to the host as path records, ordered end to end by
// nearest ends and oriented so that each starts where the one before it ends.
#pragma once

#include "paths/ClipPieces.h"

#include <ornivex/hostlist.h>

#include <vector>

namespace ov {

inline constexpr int32_t kPlacedForward = 10;
inline constexpr int32_t kPlacedReversed = 11;

// The picked pieces in result order; each piece's head state becomes 10 (forward) or 11 (reversed).
// Two or more: the pair with the closest ends starts the sequence, then the piece whose best end lies
// closest to either end of the sequence joins at that end, until all are placed (ties keep the earlier
// piece and end). A single piece keeps its direction.
std::vector<COvSeg*> OrderPicked(const std::vector<COvSeg*>& picked);

// Writes the view record (first element of list: bounds, origin as pan, zoom step and scale) and
// appends one malloc'ed record per picked piece, in result order, with the zoom undone so that the
// points are document points shifted by the pan. The host owns the appended records (release them
// with ov_path_record_release, then free). Returns the number appended; 0 without a view record.
int BuildResults(ClipPieces& pieces, OvHostList* list);

}  // namespace ov
