// Dispatch: the bodies of the four entry points. They check the host's preconditions, read the
// parameter words, hand them to the registered dialog, copy records back on OK and form the result.
#pragma once

#include "host/DialogRegistry.h"

#include <functional>

namespace ov {

// Called after the preconditions hold and before a dialog is built; false stops the call with 0.
using UiPreparer = std::function<bool()>;

int32_t DispatchGEEdt(const GEEdtParams* params, DialogRegistry& registry, const UiPreparer& prepare);
int32_t DispatchGSS(const ov_char16* caption, GSSParams* params, DialogRegistry& registry,
                    const UiPreparer& prepare);
int32_t DispatchDFF(const ov_char16* bitmapPath, float* seedX, float* seedY, OvPathData* pathData,
                    DialogRegistry& registry, const UiPreparer& prepare);
int32_t DispatchGMagnet(OvHostWindow* viewWindow, void* magnetRecord, DialogRegistry& registry,
                        const UiPreparer& prepare);

// Writes a path's points and types into the host's path data with the reuse and release rules of the
// hand-over. Returns false when memory ran out; the host's data is then as it was.
bool HandOverPath(const OvPath* path, OvPathData& host);

// Test hook: the `nth` block the dispatcher allocates for the host from now on (host strings, list
// nodes, path arrays) fails as if memory had run out; 0 switches the hook off.
void FailHostAllocationForTesting(int nth);

}  // namespace ov
