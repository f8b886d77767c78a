// PieceCleanup: what the crossing search leaves behind is tidied into the pieces the user picks
// from: borders two figures share are removed, closed figures cut at their start are joined again,
// and the ends of the pieces become nodes.
#pragma once

#include "paths/ChainCuts.h"

#include <utility>
#include <vector>

namespace ov {

using ClosedPairs = std::vector<std::pair<COvSeg*, COvSeg*>>;

// Nearly straight short pieces (Bézier only, control polygon under 10 and within 1 of its chord):
// one lying on such a piece of another figure, end to end within 1, goes with it, and the nearby ends
// of both figures meet at the mean of the four ends; one whose own ends lie within 1 goes alone, its
// figure's nearby ends meeting at its middle. Pairs of deleted pieces leave closedPairs.
void RemoveSharedBorders(ChainList& pieces, ClosedPairs& closedPairs);

// A piece ending in the last link of a closed figure is continued by the piece starting with that
// figure's first link, dropping the tiny straight link at the junction.
void JoinClosedFigures(ChainList& pieces, const ClosedPairs& closedPairs);

// The start and end points of the pieces, each once (within 0.01).
std::vector<const OvPointF*> PieceNodes(const ChainList& pieces);

}  // namespace ov
