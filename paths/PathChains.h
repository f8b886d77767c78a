// Cutting whole path data into figures and building one segment chain per figure.
#pragma once

#include "paths/COvSeg.h"

#include <memory>
#include <utility>
#include <vector>

namespace ov {

// Chains of one or more paths, and the (head, last link) pairs of the figures of closed paths.
struct ChainSet {
    std::vector<std::unique_ptr<COvSeg>> chains;
    std::vector<std::pair<COvSeg*, COvSeg*>> closedPairs;
};

// Cuts the path data into figures (runs ending at a closing point, then at every start point),
// numbers each with the next value of figureCounter, builds its chain, removes links shorter than
// 0.001 and appends the chain to out. A path is closed when its last type byte has the close flag.
void AppendChains(const OvPointF* points, const uint8_t* types, int32_t count, int32_t& figureCounter,
                  ChainSet& out);

}  // namespace ov
