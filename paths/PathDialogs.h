// PathDialogs: what the entry point needs of the path operations: the Clipped Path dialog (code 6)
// and points along paths (code 7).
#pragma once

#include "framework/dialogs/DialogCalls.h"

namespace ov {

// word0: host list of input paths; word1: host list whose first record is the view record, results
// are appended behind it. 1 (OK) or 2 (Cancel); 0 without a path list or a view record.
int RunClipPath(PathsCall& call);

// word0: host list of input paths; word1: the CellGrid; extra: the magnet record whose temporary
// magnet receives the points. Asks for divisions and bias, then places the points. 1 (OK) when the
// prompt was confirmed and at least one point was added, else 2; 0 for unusable arguments.
int RunPointsAlongPaths(PathsCall& call);

}  // namespace ov
