// Fuzz target for segment chains: random path data (raw float bits, so NaN and infinity too, and
// arbitrary type bytes) is cut into chains, cleaned, divided and drawn back into a path.
#include "paths/PathChains.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kRecord = 2 * sizeof(float) + 1;

struct Input {
    int divisions = 1;
    double bias = 1.0;
    std::vector<OvPointF> points;
    std::vector<uint8_t> types;
};

Input Decode(const uint8_t* data, size_t size)
{
    Input in;
    if (size < 2) return in;
    in.divisions = 1 + data[0] % 16;
    in.bias = 0.25 + data[1] / 64.0;
    for (size_t at = 2; at + kRecord <= size; at += kRecord) {
        OvPointF p;
        std::memcpy(&p.x, data + at, sizeof(float));
        std::memcpy(&p.y, data + at + sizeof(float), sizeof(float));
        in.points.push_back(p);
        in.types.push_back(data[at + 2 * sizeof(float)]);
    }
    return in;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Input in = Decode(data, size);
    ov::ChainSet set;
    int32_t figure = 0;
    ov::AppendChains(in.points.data(), in.types.data(), static_cast<int32_t>(in.points.size()), figure, set);
    ov::PathObject out;
    for (auto& head : set.chains) {
        head->RemoveShort(0.001);
        (void)head->Divide(in.divisions, in.bias);
        head->ToPath(out);
    }
    out.Reverse();
    (void)out.WorldBounds(1.0f);
    return 0;
}
