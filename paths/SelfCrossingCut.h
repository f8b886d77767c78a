// SelfCrossingCut: cubic links that cross themselves are cut into three chains, so that the loop
// becomes a piece of its own.
#pragma once

#include "paths/ChainCuts.h"

namespace ov {

// Examines the chains front to back. At the self-crossing X of a cubic link the chain ends at X, the
// loop from X back to X is appended to the list and the part after the loop, which goes on with the
// following links, is examined next. Returns the chains in their final order.
ChainList CutSelfCrossings(ChainList chains);

}  // namespace ov
