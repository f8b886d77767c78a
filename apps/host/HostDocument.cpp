// The demo host's document: records start zeroed with their kind set, lists start empty.
#include "HostDocument.h"

#include "animation/MagnetSeries.h"
#include "animation/TimeSeriesList.h"
#include "chart/ChartRecordAccess.h"
#include "chart/DataSeriesObject.h"
#include "chart/PieSlices.h"
#include "chart/SeriesValues.h"
#include "magnets/COvMag.h"
#include "view3d/ModelItems.h"
#include "view3d/ModelProjection.h"
#include "view3d/ModelRebuild.h"
#include "view3d/SurfaceData.h"
#include "view3d/ViewState.h"

#include <QPainter>
#include <QtMath>

#include <cmath>
#include <functional>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

namespace ovhost {

namespace {
std::unique_ptr<ChartGlyph> MakeGlyph(GlyphKind kind, uint8_t recordKind, const QString& name)
{
    auto glyph = std::make_unique<ChartGlyph>();
    glyph->kind = kind;
    glyph->name = name;
    std::memcpy(&glyph->record, &recordKind, 1);     // the record's first byte is the chart kind
    ov::SetFontFace(glyph->record, u"DejaVu Sans");  // shipped with the demo's font package
    ov::SetFontSize(glyph->record, 8);
    glyph->record.text_colour = 0xff000000u;
    ov_list_init(&glyph->series);
    return glyph;
}

// A series of `rows` points (x, f(x)) with a name, a chart type, a curve colour and a marker.
DataSeries* MakeSeries(const char* name, int type, uint32_t colour, int rows, double x0, double x1,
                       const std::function<double(double)>& f)
{
    DataSeries* s = ov::CreateDataSeries();
    if (!s) return nullptr;
    ov_str_free(s->name);
    s->name = ov_str_from_ascii(name);
    ov::SetSeriesType(*s, type);
    s->curve_style.colour[0] = colour;
    s->curve_style.colour[1] = (colour & 0x00ffffffu) | 0x60000000u;
    if (ov::ResizeSeries(*s, 2, rows))
        for (int r = 0; r < rows; ++r) {
            const double x = x0 + (x1 - x0) * r / (rows - 1);
            *ov::SeriesValue(*s, 0, r) = x;
            *ov::SeriesValue(*s, 1, r) = f(x);
        }
    return s;
}

void AddSeries(ChartGlyph& glyph, DataSeries* s)
{
    if (s && !ov_list_append(&glyph.series, s)) ov::DestroyDataSeries(s);
}

// The X-Y chart: markers on a damped wave, a smooth envelope and stems; a polar rose; a chart with
// a second Y axis.
// The pie's slices, made as the library makes them (the host frees them the same way).
void FillPie(ChartGlyph& pie)
{
    struct Slice {
        const char16_t* name;
        float value;
        ov_argb colour;
        uint32_t flags;
    } const slices[] = {{u"Oxygen", 46.1f, 0xff4285f4u, 0},
                        {u"Silicon", 28.2f, 0xffdb4437u, OV_SLICE_EJECT},
                        {u"Aluminium", 8.2f, 0xfff4b400u, 0},
                        {u"Iron", 5.6f, 0xff0f9d58u, 0},
                        {u"Other", 11.9f, 0xff9e9e9eu, 0}};
    ov::SliceRandom random(7);
    for (const Slice& s : slices) {
        PieSlice* slice = ov::AppendPieSlice(pie.series, random);
        if (!slice) return;
        const std::size_t bytes = (std::char_traits<char16_t>::length(s.name) + 1) * sizeof(char16_t);
        if (auto* name = static_cast<ov_char16*>(std::malloc(bytes))) {
            std::memcpy(name, s.name, bytes);
            std::free(slice->name);
            slice->name = name;
        }
        slice->value = s.value;
        slice->flags = s.flags;
        slice->style.line_style = 1;
        slice->style.line_width = 2;
        slice->style.colour[0] = 0xff404040u;
        slice->style.colour[1] = s.colour;
    }
    pie.record.pie_label_content = 3;  // percent
    pie.record.pie_label_format = 1;   // no decimals
    pie.record.legend_flags =
        (pie.record.legend_flags & ~OV_LEGEND_LAYOUT_MASK) | 7;  // the labels say it all
}

void FillCharts(std::vector<std::unique_ptr<ChartGlyph>>& glyphs)
{
    ChartGlyph& xy = *glyphs[0];
    AddSeries(xy, MakeSeries("Damped", 0, 0xffd62728u, 14, 0, 6,
                             [](double x) { return std::exp(-x / 3) * std::cos(2 * x); }));
    AddSeries(xy,
              MakeSeries("Envelope", 1, 0xff1f77b4u, 30, 0, 6, [](double x) { return std::exp(-x / 3); }));
    AddSeries(
        xy, MakeSeries("Samples", 5, 0xff2ca02cu, 7, 0, 6, [](double x) { return -0.5 * std::exp(-x / 2); }));
    xy.record.axes[OV_AXIS_X].shown = xy.record.axes[OV_AXIS_Y].shown = 1;  // axes drawn
    xy.record.major_tick_style = 2;
    xy.record.minor_tick_style = 1;
    xy.record.grid_style = 1;
    ChartGlyph& polar = *glyphs.back();
    AddSeries(polar, MakeSeries("Rose", 1, 0xff9467bdu, 73, 0, 360,
                                [](double t) { return std::abs(std::cos(2 * qDegreesToRadians(t))); }));
    ChartGlyph& twin = *glyphs[glyphs.size() - 2];
    twin.record.axes[OV_AXIS_Y2].shown = 1;
    twin.record.axes[OV_AXIS_Y2].colour = 0xffff7f0eu;
    ov::SetCaption(twin.record, u"Monthly weather");
    twin.record.title_flags = OV_TITLE_BOLD;
    twin.record.font_size = 8;
    ov::SetAxisTitle(twin.record.axes[OV_AXIS_X], u"Month");
    ov::SetAxisTitle(twin.record.axes[OV_AXIS_Y], u"Temperature");
    twin.record.grid_style = 3;
    twin.record.major_tick_style = 1;
    twin.record.border_style = 1;
    twin.record.legend_flags = 1 | OV_LEGEND_SHOW_TITLE;
    AddSeries(twin, MakeSeries("Temperature", 0, 0xff1f77b4u, 12, 1, 12,
                               [](double m) { return 10 - 8 * std::cos(m / 2); }));
    DataSeries* rain =
        MakeSeries("Rain", 3, 0xffff7f0eu, 12, 1, 12, [](double m) { return 60 + 30 * std::sin(m); });
    if (rain) ov::SetSeriesSystem(*rain, ov::kSystemXY2);
    AddSeries(twin, rain);
}

// A 3-D chart's or surface's record: equal axis ratios, the default orientation, blue fill, dark
// lines one pixel wide.
void Set3DRecord(ChartRecord& record, uint8_t preset, uint8_t colourMap)
{
    for (int a = 0; a < 3; ++a) {
        record.axes[a].shown = 1;
        record.axes[a].ratio_3d = 1;
    }
    std::copy(ov::kDefaultRotation.begin(), ov::kDefaultRotation.end(), record.view_state_3d);
    record.view_preset_3d = preset;
    record.colour_map_3d = colourMap;
    record.contour_levels = 16;
    record.fill_colour_3d = 0xff6baed6u;
    record.line_colour_3d = 0xff08306bu;
    record.line_width_3d = 1;
}

// The surface: a Gaussian bump on 30 × 30 points over [-2, 2] × [-2, 2].
void FillSurface(ChartGlyph& glyph)
{
    constexpr int kSide = 30;
    std::vector<double> z;
    for (int j = 0; j < kSide; ++j)
        for (int i = 0; i < kSide; ++i) {
            const double x = -2 + 4.0 * i / (kSide - 1), y = -2 + 4.0 * j / (kSide - 1);
            z.push_back(std::exp(-(x * x + y * y)));
        }
    ov::SetSurfaceData(glyph.surface, z.data(), kSide, kSide, -2, 2, -2, 2);
    glyph.surface.host3d = &glyph.object3d;
    glyph.object3d.surface = &glyph.surface;
    Set3DRecord(glyph.record, 3, 2);
}

// The 3-D chart: a helix of three turns, its series (x, y, z) in the 3-D object's list.
void FillHelix(ChartGlyph& glyph)
{
    constexpr int kRows = 90;
    DataSeries* s = ov::CreateDataSeries();
    if (!s) return;
    ov_str_free(s->name);
    s->name = ov_str_from_ascii("Helix");
    s->curve_style.colour[0] = 0xffd62728u;
    if (ov::ResizeSeries(*s, 3, kRows))
        for (int r = 0; r < kRows; ++r) {
            const double t = 6 * M_PI * r / (kRows - 1);
            *ov::SeriesValue(*s, 0, r) = std::cos(t);
            *ov::SeriesValue(*s, 1, r) = std::sin(t);
            *ov::SeriesValue(*s, 2, r) = t / (6 * M_PI);
        }
    AddSeries(glyph, s);
    glyph.object3d.series_list = &glyph.series;
    Set3DRecord(glyph.record, 0, 0);
    glyph.record.line_colour_3d = 0xffd62728u;
    glyph.record.line_width_3d = 2;
}

// The first picture of a 3-D glyph: the model built and projected as the library's view shows it in a
// 400 × 300 window, so the page shows it in 3-D before it is ever edited.
void ProjectAtStart(ChartGlyph& glyph)
{
    if (!ov::RebuildModel(glyph.record, glyph.object3d)) return;
    ov::ViewState view(glyph.record.style_3d, glyph.record.view_state_3d);
    view.Resize(400, 300);
    ov::ProjectModel(glyph.object3d, view.Frame(1.0));
    glyph.object3d.view_width = view.Width();
    glyph.object3d.view_height = view.Height();
}

}  // namespace

HostDocument::HostDocument()
{
    glyphs_.push_back(MakeGlyph(GlyphKind::XYChart, 1, QStringLiteral("X-Y chart")));
    glyphs_.push_back(MakeGlyph(GlyphKind::PieChart, 2, QStringLiteral("Pie chart")));
    glyphs_.back()->id = QStringLiteral("chart-pie");
    glyphs_.push_back(MakeGlyph(GlyphKind::Surface, 4, QStringLiteral("3-D surface")));
    glyphs_.push_back(MakeGlyph(GlyphKind::NumberAxis, 5, QStringLiteral("Number axis")));
    glyphs_.back()->id = QStringLiteral("chart-axis");
    glyphs_.push_back(MakeGlyph(GlyphKind::XYChart, 2, QStringLiteral("X-Y#2 chart")));
    glyphs_.back()->id = QStringLiteral("chart-xy2");
    glyphs_.push_back(MakeGlyph(GlyphKind::XYChart, 4, QStringLiteral("Polar chart")));
    glyphs_.back()->id = QStringLiteral("chart-polar");
    FillCharts(glyphs_);
    FillSurface(*glyphs_[2]);
    glyphs_.push_back(MakeGlyph(GlyphKind::XYChart, 6, QStringLiteral("3-D helix")));
    glyphs_.back()->id = QStringLiteral("chart-3d");
    FillHelix(*glyphs_.back());
    ProjectAtStart(*glyphs_[2]);
    ProjectAtStart(*glyphs_.back());
    FillPie(*glyphs_[1]);
    FillSettings();
    ov_list_init(&timeSeries_);
    strings_ = {QStringLiteral("Figure 1"), QStringLiteral("2*pi"), QStringLiteral("cm")};
    FillDrawingPaths();
    FillMagnets();
    pathScene_ = std::make_unique<PathScene>(magnets_);
    FillTimeSeries();
}

// The page's settings: white background, centre cross, a light grid colour, and five commands with
// a few keys bound (Ctrl+N, Ctrl+O, Ctrl+S and F12, Ctrl+C, Ctrl+V).
void HostDocument::FillSettings()
{
    settings_.hotkey_table = &hotkeyTable_;
    settings_.background_colour = 0xFFFFFF;
    settings_.second_colour = 0xE0D0C0;
    settings_.second_value = 10;
    settings_.unit_index = 0;
    settings_.outo_value1 = 300;
    settings_.outo_value2 = 1;
    settings_.ar_value1 = 60;
    settings_.ar_value2 = 8;
    settings_.fixed_style.line_style = 1;
    settings_.fixed_style.line_width = 2;
    settings_.fixed_style.fill_style = 1;
    settings_.fixed_style.colour[0] = 0xFF1F77B4u;
    settings_.fixed_style.colour[1] = 0xFFC6DBEFu;
    const QColor colours[] = {0x2ca02c, 0x1f77b4, 0xd62728, 0x9467bd, 0xff7f0e};
    const char* letters[] = {"N", "O", "S", "C", "V"};
    constexpr int kIcon = 20;
    hotkeyIcons_ = QImage(kIcon * 5, kIcon, QImage::Format_ARGB32_Premultiplied);
    hotkeyIcons_.fill(Qt::transparent);
    QPainter p(&hotkeyIcons_);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 5; ++i) {
        const QRect box(i * kIcon + 1, 1, kIcon - 2, kIcon - 2);
        p.setPen(Qt::NoPen);
        p.setBrush(colours[i]);
        p.drawRoundedRect(box, 4, 4);
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, QString::fromLatin1(letters[i]));
        HotkeyCommand command{};
        command.command1 = 0x8000u + static_cast<uint32_t>(i);
        command.command2 = 1;
        command.icon_x = i * kIcon;
        command.icon_size[0] = command.icon_size[1] = kIcon;
        command.icon_image = &hotkeyIcons_;
        hotkeyCommands_.push_back(command);
    }
    // Key k: A ... Z are 0 ... 25, F1 ... F12 are 36 ... 47; group 1 is Ctrl+.
    const std::pair<int, int> bound[] = {
        {1, 'N' - 'A'}, {1, 'O' - 'A'}, {1, 'S' - 'A'}, {1, 'C' - 'A'}, {1, 'V' - 'A'}};
    for (int i = 0; i < 5; ++i) {
        HotkeySlot& slot = hotkeyTable_.slots[bound[i].first][bound[i].second];
        slot.command1 = hotkeyCommands_[static_cast<size_t>(i)].command1;
        slot.command2 = 1;
    }
    HotkeySlot& saveAs = hotkeyTable_.slots[0][47];  // F12 also saves
    saveAs.command1 = hotkeyCommands_[2].command1;
    saveAs.command2 = 1;
}

namespace {

void AddMagnet(MagnetRecord& record, const char* name, const std::vector<OvPointF>& positions)
{
    const std::u16string wide(name, name + std::strlen(name));
    OvMagnet* magnet = ov_mag_create(wide.c_str());
    if (!magnet) return;
    for (const OvPointF& p : positions) ov_mag_add_position(magnet, p.x, p.y);
    if (!ov_list_append(&record.magnets, magnet)) ov_mag_destroy(magnet);
}

void DestroyMagnets(MagnetRecord& record)
{
    while (ov_list_count(&record.magnets) > 0)
        ov_mag_destroy(static_cast<OvMagnet*>(ov_list_remove_last(&record.magnets)));
    ov_mag_destroy(record.scale_angle);
    record.scale_angle = nullptr;
}

}  // namespace

void HostDocument::FillMagnets()
{
    // Page coordinates are pixels from the page's top-left corner; 2 page units per millimetre.
    for (MagnetRecord* record : {&magnets_, &copies_}) {
        ov_list_init(&record->magnets);
        record->origin_x = 300;
        record->origin_y = 250;
        record->scale = 2 * 0.13173;
    }
    std::vector<OvPointF> ring, row;
    for (int k = 0; k < 8; ++k) {
        const double a = k * M_PI / 4;
        ring.push_back(
            {static_cast<float>(300 + 60 * std::cos(a)), static_cast<float>(250 - 60 * std::sin(a))});
    }
    for (int i = 0; i < 5; ++i) row.push_back({static_cast<float>(200 + 50 * i), 420});
    AddMagnet(magnets_, "Ring", ring);
    AddMagnet(magnets_, "Row", row);
    AddMagnet(copies_, "Copies", {{120, 120}, {180, 120}, {240, 120}});
    copies_.scale_angle_mode = 1;
    copies_.scale_angle = ov_mag_create(u"");
    for (float angle : {0.0f, 30.0f, 60.0f}) ov_mag_add_position(copies_.scale_angle, 1, angle);
}

// One series to start from: the "Ring" magnet's positions, which the animated glyph follows from row 0.
void HostDocument::FillTimeSeries()
{
    const auto* ring = static_cast<const OvMagnet*>(ov_list_at(&magnets_.magnets, 0));
    if (!ring) return;
    ov::OwnedTimeSeries orbit =
        ov::MakeMagnetSeries(*ov::COvMag::FromHandle(ring), magnets_, u"Orbit", nextSeriesId_);
    if (!ov::AppendSeries(timeSeries_, orbit)) return;
    animatedPosition_.series_id = nextSeriesId_++;
}

void HostDocument::FillDrawingPaths()
{
    // Page coordinates; the chart's origin sits at (100, 400) with 40 page units per data unit.
    context_.origin_x = 100;
    context_.origin_y = 400;
    context_.scale = 40;
    std::vector<OvPointF> wave;
    for (int i = 0; i <= 24; ++i) {
        const double x = i * 0.25;
        wave.push_back({static_cast<float>(100 + 40 * x), static_cast<float>(400 - 40 * std::sin(x))});
    }
    drawingPaths_ = {{u"Hand-drawn wave", wave, {}},
                     {u"Baseline", {{100, 400}, {340, 400}}, {}},
                     {u"Hidden guide", {{100, 300}, {340, 300}}, {}},
                     {u"Lone point", {{200, 350}}, {}}};
    drawingPaths_[2].path.excluded = 1;
    ov_list_init(&context_.paths);
    for (NamedPath& named : drawingPaths_) {
        named.path.name = named.name.data();
        named.path.points = named.points.data();
        named.path.count = static_cast<int32_t>(named.points.size());
        ov_list_append(&context_.paths, &named.path);
    }
}

HostDocument::~HostDocument()
{
    for (auto& g : glyphs_) {
        if (g->kind == GlyphKind::XYChart)
            while (ov_list_count(&g->series) > 0)
                ov::DestroyDataSeries(static_cast<DataSeries*>(ov_list_remove_last(&g->series)));
        if (g->kind == GlyphKind::PieChart)
            for (PieSlice* slice : ov::SliceList(&g->series)) ov::DestroyPieSlice(slice);
        ov_list_remove_all(&g->series);
        ov::FreeModelItems(g->object3d.items);
        ov::FreeSurfaceData(&g->surface);
    }
    DestroyMagnets(magnets_);
    DestroyMagnets(copies_);
    // Series the library made for the host belong to it, like the ones it made itself.
    for (::TimeSeries* series : ov::SeriesOf(&timeSeries_)) ov::DestroyTimeSeries(series);
    ov_list_remove_all(&timeSeries_);
    ov_list_remove_all(&context_.paths);
    std::free(traced_.points);
    std::free(traced_.types);
}

}  // namespace ovhost
