// MagnetPatternSettings: the value names of every generator, in prompt order, and their round trip
// through the store. One table per generator serves both the prompt and the store.
#include "magnets/MagnetPatternSettings.h"

#include "framework/settings/RememberedSettings.h"

#include <type_traits>

namespace ov {
namespace {

constexpr RememberedValue<CrossParams> kCrossValues[] = {
    {"xc", &CrossParams::xc}, {"yc", &CrossParams::yc}, {"xg", &CrossParams::xg},
    {"yg", &CrossParams::yg}, {"xd", &CrossParams::xd}, {"yd", &CrossParams::yd},
};
constexpr RememberedValue<LineParams> kLineValues[] = {
    {"x0", &LineParams::x0}, {"y0", &LineParams::y0}, {"x1", &LineParams::x1},
    {"y1", &LineParams::y1}, {"nd", &LineParams::nd},
};
constexpr RememberedValue<CircleParams> kCircleValues[] = {
    {"px", &CircleParams::px}, {"py", &CircleParams::py}, {"RR", &CircleParams::RR},
    {"A0", &CircleParams::A0}, {"dA", &CircleParams::dA}, {"rd", &CircleParams::rd},
};
constexpr RememberedValue<GridParams> kGridValues[] = {
    {"xc1", &GridParams::xc1}, {"yc1", &GridParams::yc1}, {"xg1", &GridParams::xg1},
    {"yg1", &GridParams::yg1}, {"xd1", &GridParams::xd1}, {"yd1", &GridParams::yd1},
};
// Both staggered grids share one set of values.
constexpr RememberedValue<StaggerParams> kStaggerValues[] = {
    {"xc2", &StaggerParams::xc2}, {"yc2", &StaggerParams::yc2}, {"gg2", &StaggerParams::gg2},
    {"xd2", &StaggerParams::xd2}, {"yd2", &StaggerParams::yd2},
};

// The prompt's view of one table: each entry's name and a pointer to its float or count member.
template <class Params, std::size_t N>
std::vector<PatternField> FieldsOf(const RememberedValue<Params> (&table)[N], Params& params)
{
    std::vector<PatternField> fields;
    for (const RememberedValue<Params>& entry : table) {
        PatternField field{entry.name.data()};
        std::visit(
            [&](auto member) {
                using Member = std::remove_reference_t<decltype(params.*member)>;
                if constexpr (std::is_same_v<Member, float>) field.real = &(params.*member);
                if constexpr (std::is_same_v<Member, int32_t>) field.count = &(params.*member);
            },
            entry.field);
        fields.push_back(field);
    }
    return fields;
}

}  // namespace

std::vector<PatternField> PatternFields(MagnetPatternSettings& s, PatternKind kind)
{
    switch (kind) {
    case PatternKind::Cross: return FieldsOf(kCrossValues, s.cross);
    case PatternKind::Line: return FieldsOf(kLineValues, s.line);
    case PatternKind::Circle: return FieldsOf(kCircleValues, s.circle);
    case PatternKind::Grid: return FieldsOf(kGridValues, s.grid);
    case PatternKind::StaggeredColumns:
    case PatternKind::StaggeredRows: return FieldsOf(kStaggerValues, s.stagger);
    }
    return {};
}

MagnetPatternSettings LoadMagnetPatternSettings()
{
    MagnetPatternSettings s;
    s.cross = ReadRemembered(kMagnetPatternKey, kCrossValues, s.cross);
    s.line = ReadRemembered(kMagnetPatternKey, kLineValues, s.line);
    s.circle = ReadRemembered(kMagnetPatternKey, kCircleValues, s.circle);
    s.grid = ReadRemembered(kMagnetPatternKey, kGridValues, s.grid);
    s.stagger = ReadRemembered(kMagnetPatternKey, kStaggerValues, s.stagger);
    return s;
}

void SaveMagnetPatternSettings(const MagnetPatternSettings& s)
{
    WriteRemembered(kMagnetPatternKey, kCrossValues, s.cross);
    WriteRemembered(kMagnetPatternKey, kLineValues, s.line);
    WriteRemembered(kMagnetPatternKey, kCircleValues, s.circle);
    WriteRemembered(kMagnetPatternKey, kGridValues, s.grid);
    WriteRemembered(kMagnetPatternKey, kStaggerValues, s.stagger);
}

}  // namespace ov
