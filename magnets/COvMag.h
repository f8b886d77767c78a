// COvMag: a magnet, a named list of page positions at which the host places copies of a glyph,
// with the marks the Magnets dialog and the host keep on it. The host holds it as an OvMagnet handle.
#pragma once

#include <ornivex/magnet.h>

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace ov {

class COvMag final {
public:
    explicit COvMag(std::u16string name = {}) : name_(std::move(name)) {}

    // The handle the host keeps (also the element stored in MagnetRecord.magnets) and back.
    OvMagnet* Handle() { return reinterpret_cast<OvMagnet*>(this); }
    static COvMag* FromHandle(OvMagnet* handle) { return reinterpret_cast<COvMag*>(handle); }
    static const COvMag* FromHandle(const OvMagnet* handle)
    {
        return reinterpret_cast<const COvMag*>(handle);
    }

    const std::u16string& Name() const { return name_; }
    void SetName(std::u16string name) { name_ = std::move(name); }

    int32_t Count() const { return static_cast<int32_t>(positions_.size()); }
    const std::vector<OvPointF>& Positions() const { return positions_; }

    // Each change of the positions sets the changed mark, which tells the host to redraw them.
    // Pair i becomes (xs[i], ys[i]); both spans must have the same length.
    bool SetPositions(std::span<const float> xs, std::span<const float> ys);
    void SetPositions(std::vector<OvPointF> positions);
    void Append(OvPointF position);
    // Keeps the first min(old, count) pairs and fills the rest with fill.
    void Resize(int32_t count, OvPointF fill);

    // OV_MAG_* bits.
    int32_t Flags() const { return flags_; }
    bool Has(int32_t flag) const { return (flags_ & flag) != 0; }
    void SetFlags(int32_t mask, bool on) { flags_ = on ? (flags_ | mask) : (flags_ & ~mask); }

private:
    std::u16string name_;
    std::vector<OvPointF> positions_;
    int32_t flags_ = 0;
};

}  // namespace ov
