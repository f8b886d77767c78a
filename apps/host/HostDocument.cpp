// The demo host's document: records start zeroed with their kind set, lists start empty.
#include "HostDocument.h"

#include <cstdlib>
#include <cstring>

namespace ovhost {

namespace {
std::unique_ptr<ChartGlyph> MakeGlyph(GlyphKind kind, uint8_t recordKind, const QString& name)
{
    auto glyph = std::make_unique<ChartGlyph>();
    glyph->kind = kind;
    glyph->name = name;
    std::memcpy(&glyph->record, &recordKind, 1);  // the record's first byte is the chart kind
    ov_list_init(&glyph->series);
    return glyph;
}
}  // namespace

HostDocument::HostDocument()
{
    glyphs_.push_back(MakeGlyph(GlyphKind::XYChart, 1, QStringLiteral("X-Y chart")));
    glyphs_.push_back(MakeGlyph(GlyphKind::PieChart, 2, QStringLiteral("Pie chart")));
    glyphs_.push_back(MakeGlyph(GlyphKind::Surface, 4, QStringLiteral("3-D surface")));
    glyphs_.push_back(MakeGlyph(GlyphKind::NumberAxis, 5, QStringLiteral("Number axis")));
    settings_.hotkey_table = &hotkeyTable_;
    ov_list_init(&timeSeries_);
    ov_list_init(&paths_);
    strings_ = {QStringLiteral("Figure 1"), QStringLiteral("2*pi"), QStringLiteral("cm")};
}

HostDocument::~HostDocument()
{
    for (auto& g : glyphs_) ov_list_remove_all(&g->series);
    ov_list_remove_all(&timeSeries_);
    ov_list_remove_all(&paths_);
    std::free(traced_.points);
    std::free(traced_.types);
}

}  // namespace ovhost
