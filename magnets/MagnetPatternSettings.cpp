// MagnetPatternSettings: the value names of every generator and their round trip through the store.
#include "magnets/MagnetPatternSettings.h"

#include "framework/settings/RegKeyHandle.h"

#include <bit>
#include <cmath>

namespace ov {
namespace {

constexpr PatternKind kStoredKinds[] = {PatternKind::Cross, PatternKind::Line, PatternKind::Circle,
                                        PatternKind::Grid, PatternKind::StaggeredRows};

}  // namespace

std::vector<PatternField> PatternFields(MagnetPatternSettings& s, PatternKind kind)
{
    switch (kind) {
    case PatternKind::Cross: {
        CrossParams& p = s.cross;
        return {{"xc", &p.xc}, {"yc", &p.yc},          {"xg", &p.xg},
                {"yg", &p.yg}, {"xd", nullptr, &p.xd}, {"yd", nullptr, &p.yd}};
    }
    case PatternKind::Line: {
        LineParams& p = s.line;
        return {{"x0", &p.x0}, {"y0", &p.y0}, {"x1", &p.x1}, {"y1", &p.y1}, {"nd", nullptr, &p.nd}};
    }
    case PatternKind::Circle: {
        CircleParams& p = s.circle;
        return {{"px", &p.px}, {"py", &p.py},          {"RR", &p.RR},
                {"A0", &p.A0}, {"dA", nullptr, &p.dA}, {"rd", nullptr, &p.rd}};
    }
    case PatternKind::Grid: {
        GridParams& p = s.grid;
        return {{"xc1", &p.xc1}, {"yc1", &p.yc1},          {"xg1", &p.xg1},
                {"yg1", &p.yg1}, {"xd1", nullptr, &p.xd1}, {"yd1", nullptr, &p.yd1}};
    }
    case PatternKind::StaggeredColumns:
    case PatternKind::StaggeredRows: {
        StaggerParams& p = s.stagger;
        return {{"xc2", &p.xc2},
                {"yc2", &p.yc2},
                {"gg2", &p.gg2},
                {"xd2", nullptr, &p.xd2},
                {"yd2", nullptr, &p.yd2}};
    }
    }
    return {};
}

MagnetPatternSettings LoadMagnetPatternSettings()
{
    MagnetPatternSettings settings;
    const RegKeyHandle key(kMagnetPatternKey);
    for (PatternKind kind : kStoredKinds) {
        for (const PatternField& f : PatternFields(settings, kind)) {
            if (f.count) {
                *f.count = static_cast<int32_t>(key.ReadDword(f.name, static_cast<uint32_t>(*f.count)));
                continue;
            }
            const float stored =
                std::bit_cast<float>(key.ReadDword(f.name, std::bit_cast<uint32_t>(*f.real)));
            if (std::isfinite(stored)) *f.real = stored;
        }
    }
    return settings;
}

void SaveMagnetPatternSettings(const MagnetPatternSettings& settings)
{
    MagnetPatternSettings copy = settings;
    RegKeyHandle key(kMagnetPatternKey);
    for (PatternKind kind : kStoredKinds) {
        for (const PatternField& f : PatternFields(copy, kind))
            key.WriteDword(f.name,
                           f.count ? static_cast<uint32_t>(*f.count) : std::bit_cast<uint32_t>(*f.real));
    }
}

}  // namespace ov
