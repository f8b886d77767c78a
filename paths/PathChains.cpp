// Figure cutting of whole paths for the segment chains.
#include "paths/PathChains.h"

namespace ov {

namespace {

constexpr double kShortLink = 0.001;

// Figures of one run: a new one begins at every start point after the run's first point.
std::vector<std::pair<int32_t, int32_t>> FiguresOfRun(const uint8_t* types, int32_t begin, int32_t end)
{
    std::vector<std::pair<int32_t, int32_t>> figures{{begin, begin}};
    for (int32_t i = begin; i < end; ++i) {
        if (i > begin && (types[i] & OV_PATH_TYPE_MASK) == OV_PATH_START) figures.push_back({i, i});
        figures.back().second = i + 1;
    }
    return figures;
}

}  // namespace

void AppendChains(const OvPointF* points, const uint8_t* types, int32_t count, int32_t& figureCounter,
                  ChainSet& out)
{
    if (!points || !types || count <= 0) return;
    const bool closed = types[count - 1] & OV_PATH_CLOSE;
    int32_t runBegin = 0;
    for (int32_t i = 0; i < count; ++i) {
        if (!(types[i] & OV_PATH_CLOSE) && i + 1 < count) continue;
        for (const auto& [begin, end] : FiguresOfRun(types, runBegin, i + 1)) {
            auto head = std::make_unique<COvSeg>();
            head->figureId = figureCounter++;
            if (!head->FromPathData(points + begin, types + begin, end - begin, closed)) continue;
            head->RemoveShort(kShortLink);
            if (closed) out.closedPairs.emplace_back(head.get(), head->Last());
            out.chains.push_back(std::move(head));
        }
        runBegin = i + 1;
    }
}

}  // namespace ov
