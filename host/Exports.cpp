// The exported C functions. Each holds a CallScope, turns every failure into result 0 and never lets
// an exception reach the host.
#include <ornivex/ornivex.h>

#include "host/CallScope.h"
#include "host/Dispatch.h"
#include "host/GDlgApp.h"

#include <cstdio>
#include <exception>

namespace {

template <typename Fn>
int32_t Guarded(const char* entry, Fn&& fn)
{
    try {
        ov::CallScope scope;
        return fn();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ornivex: %s failed: %s\n", entry, e.what());
    } catch (...) {
        std::fprintf(stderr, "ornivex: %s failed\n", entry);
    }
    return 0;
}

}  // namespace

extern "C" {

OV_API int32_t __exp_GEEdt(GEEdtParams* params)
{
    return Guarded("__exp_GEEdt", [&] { return ov::DispatchGEEdt(params, ov::Dialogs(), ov::PrepareUi); });
}

OV_API int32_t __exp_GSS(const ov_char16* caption, GSSParams* params)
{
    return Guarded("__exp_GSS",
                   [&] { return ov::DispatchGSS(caption, params, ov::Dialogs(), ov::PrepareUi); });
}

OV_API int32_t __exp_DFF(const ov_char16* bitmap_path, float* seed_x, float* seed_y, OvPathData* path_data)
{
    return Guarded("__exp_DFF", [&] {
        return ov::DispatchDFF(bitmap_path, seed_x, seed_y, path_data, ov::Dialogs(), ov::PrepareUi);
    });
}

OV_API int32_t __exp_GMagnet(OvHostWindow* view_window, void* magnet_record)
{
    return Guarded("__exp_GMagnet", [&] {
        return ov::DispatchGMagnet(view_window, magnet_record, ov::Dialogs(), ov::PrepareUi);
    });
}

}  // extern "C"
