// ChainCuts: the piece lists of the clipping pipeline and the three ways a chain is cut in two: after
// a link, before a link, and inside a link at a point.
#pragma once

#include "paths/COvSeg.h"

#include <deque>
#include <memory>

namespace ov {

using Chain = std::unique_ptr<COvSeg>;
using ChainList = std::deque<Chain>;

// Detaches the links after `link` and ends its chain there with a terminal link at `end`. Returns
// the detached links (null when there were none).
Chain EndChainAfter(COvSeg& link, OvPointF end);

// Cuts a chain just before `link` (not a head): the links before it end with a terminal link at its
// first point, and the returned chain starts with it.
Chain CutBefore(COvSeg& link);

// Splits a straight link at x: the link ends there, the returned chain starts at x (same kind, figure
// and number) and continues with the links that followed.
Chain SplitStraightAt(COvSeg& link, OvPointF x);

// Splits a cubic link (four control points) at parameter t, 0 < t < 1, meeting at x: the link keeps
// the left part, the returned chain starts with the right part. Null for any other link or t.
Chain SplitCubicAt(COvSeg& link, double t, OvPointF x);

// The first and the last point of a chain.
OvPointF& StartOf(COvSeg& head);
OvPointF& EndOf(COvSeg& head);

}  // namespace ov
