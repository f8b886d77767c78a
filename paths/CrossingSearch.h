// CrossingSearch: one pass of the crossing search that splits chains at their mutual crossings.
// Links are numbered, the straight and cubic links form the work list, and chains are visited from
// the front of the list until none is left or the visits reach the work list's budget.
#pragma once

#include "paths/ChainCuts.h"
#include "paths/Vec2.h"

#include <cstdint>
#include <vector>

namespace ov {

// A crossing taken by the cubic–cubic test; it keeps later near-end hits of its figure from cutting
// the same place again.
struct RecordedCrossing {
    Vec2 point;
    int32_t figure = 0;
};

enum class CandidateSearch { Grid, AllPairs };

struct PassStats {
    int64_t budget = 0;  // 9 per straight and 27 per cubic work-list link
    int64_t visits = 0;
    int64_t cuts = 0;
};

// Pass 0 tests straight and cubic links against every other work-list link; pass 1 only cubic links
// against straight ones. Each link's state holds its running number afterwards. The chains come back
// in the order they were finished.
PassStats IntersectPass(ChainList& chains, int pass, std::vector<RecordedCrossing>& recorded,
                        CandidateSearch search = CandidateSearch::Grid);

}  // namespace ov
