// The C functions of the magnet handle: argument checks around COvMag; nothing throws across them.
#include <ornivex/magnet.h>

#include "magnets/COvMag.h"

#include <string>

using ov::COvMag;

namespace {

// Runs fn on the magnet; 0 for a null handle or when memory runs out (the magnet keeps its state,
// since every change below builds its new value before it commits).
template <typename Fn>
int32_t Guarded(OvMagnet* magnet, Fn&& fn)
{
    if (!magnet) return 0;
    try {
        return fn(*COvMag::FromHandle(magnet)) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

std::u16string Text(const ov_char16* text)
{
    return text ? std::u16string(text) : std::u16string();
}

}  // namespace

extern "C" {

OV_API OvMagnet* ov_mag_create(const ov_char16* name)
{
    try {
        COvMag* magnet = new COvMag(Text(name));
        return magnet->Handle();
    } catch (...) {
        return nullptr;
    }
}

OV_API void ov_mag_destroy(OvMagnet* magnet)
{
    delete COvMag::FromHandle(magnet);
}

OV_API const ov_char16* ov_mag_name(const OvMagnet* magnet)
{
    return magnet ? COvMag::FromHandle(magnet)->Name().c_str() : u"";
}

OV_API int32_t ov_mag_set_name(OvMagnet* magnet, const ov_char16* name)
{
    return Guarded(magnet, [&](COvMag& m) {
        m.SetName(Text(name));
        return true;
    });
}

OV_API int32_t ov_mag_count(const OvMagnet* magnet)
{
    return magnet ? COvMag::FromHandle(magnet)->Count() : 0;
}

OV_API const OvPointF* ov_mag_positions(const OvMagnet* magnet)
{
    if (!magnet || COvMag::FromHandle(magnet)->Count() == 0) return nullptr;
    return COvMag::FromHandle(magnet)->Positions().data();
}

OV_API int32_t ov_mag_position(const OvMagnet* magnet, int32_t index, OvPointF* position)
{
    if (!magnet || !position || index < 0 || index >= ov_mag_count(magnet)) return 0;
    *position = COvMag::FromHandle(magnet)->Positions()[static_cast<size_t>(index)];
    return 1;
}

OV_API int32_t ov_mag_set_positions(OvMagnet* magnet, const float* xs, const float* ys, int32_t count)
{
    if (count < 0 || (count > 0 && (!xs || !ys))) return 0;
    const auto n = static_cast<size_t>(count);
    return Guarded(magnet, [&](COvMag& m) {
        return m.SetPositions(std::span<const float>(xs, n), std::span<const float>(ys, n));
    });
}

OV_API int32_t ov_mag_add_position(OvMagnet* magnet, float x, float y)
{
    return Guarded(magnet, [&](COvMag& m) {
        m.Append({x, y});
        return true;
    });
}

OV_API int32_t ov_mag_resize(OvMagnet* magnet, int32_t count, float fill_x, float fill_y)
{
    if (count < 0) return 0;
    return Guarded(magnet, [&](COvMag& m) {
        m.Resize(count, {fill_x, fill_y});
        return true;
    });
}

OV_API int32_t ov_mag_flags(const OvMagnet* magnet)
{
    return magnet ? COvMag::FromHandle(magnet)->Flags() : 0;
}

OV_API void ov_mag_set_flags(OvMagnet* magnet, int32_t mask, int32_t on)
{
    if (magnet) COvMag::FromHandle(magnet)->SetFlags(mask, on != 0);
}

}  // extern "C"
