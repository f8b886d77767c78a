// HostDocument: what the demo host owns, as a real host would: glyphs with their chart records and
// series lists, the settings record and hotkey table, the magnet record, the time series.
#pragma once

#include "PathScene.h"

#include <ornivex/ornivex.h>
#include <ornivex/surface.h>

#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace ovhost {

enum class GlyphKind { XYChart, PieChart, Surface, NumberAxis };

// A table the user imported into a glyph: column 0 is x, the others are curves over it.
struct ImportedTable {
    QString name;
    int cols = 0;
    int rows = 0;
    std::vector<double> values;  // column-major
    double At(int c, int r) const { return values[static_cast<size_t>(c) * rows + r]; }
};

struct ChartGlyph {
    GlyphKind kind;
    QString name;
    QString id;  // tour file name; empty: "chart-<kind>"
    std::vector<ImportedTable> tables;
    ChartRecord record{};
    OvHostList series{};  // the glyph's data series; the drawing context goes last on each call
    // 3-D charts (record kind 6) and the surface: the object that holds the model the library builds
    // and projects; the surface's grid is the tail of its list on each call.
    Host3DObject object3d{};
    SurfaceGrid surface{};
};

// A placed bitmap the user can trace: its file and picture, and the seed picked on it as fractions
// of its size. The traced outline is the document's TracedPath (bitmap pixel (x, y) at (x+1, y+1)).
struct BitmapGlyph {
    QString file;
    QImage image;
    float seedX = 0.625f;  // in the pond of the sample photo
    float seedY = 0.83f;
};

class HostDocument {
public:
    HostDocument();
    ~HostDocument();
    HostDocument(const HostDocument&) = delete;
    HostDocument& operator=(const HostDocument&) = delete;

    std::vector<std::unique_ptr<ChartGlyph>>& Glyphs() { return glyphs_; }
    SystemSettings& Settings() { return settings_; }
    // The commands the hotkey page of the system properties lists, their icons in one strip.
    std::vector<HotkeyCommand>& HotkeyCommands() { return hotkeyCommands_; }
    MagnetRecord& Magnets() { return magnets_; }
    // The arrangement of copies of a glyph edited in copy mode: one magnet and its (scale, angle) list.
    MagnetRecord& Copies() { return copies_; }
    OvHostList& TimeSeries() { return timeSeries_; }
    // The crossing paths of the path operations, over the magnet record's cells.
    PathScene& Paths() { return *pathScene_; }
    OvPathData& TracedPath() { return traced_; }
    BitmapGlyph& Bitmap() { return bitmap_; }
    DrawingContext& Context() { return context_; }
    int32_t& NextSeriesId() { return nextSeriesId_; }
    // The glyph whose position follows a time series: the series and row picked for it.
    SelectionRecord& AnimatedPosition() { return animatedPosition_; }
    QStringList& Strings() { return strings_; }
    uint32_t& CurveColour() { return curveColour_; }

private:
    std::vector<std::unique_ptr<ChartGlyph>> glyphs_;
    SystemSettings settings_{};
    HotkeyTable hotkeyTable_{};
    QImage hotkeyIcons_;
    std::vector<HotkeyCommand> hotkeyCommands_;
    MagnetRecord magnets_{};
    MagnetRecord copies_{};
    OvHostList timeSeries_{};
    std::unique_ptr<PathScene> pathScene_;
    OvPathData traced_{};
    BitmapGlyph bitmap_;
    DrawingContext context_{};
    // Named paths of the drawing offered to the series list (one excluded, one with a single point).
    struct NamedPath {
        std::u16string name;
        std::vector<OvPointF> points;
        DrawingPath path{};
    };
    std::vector<NamedPath> drawingPaths_;
    void FillSettings();
    void FillDrawingPaths();
    void FillMagnets();
    void FillTimeSeries();
    int32_t nextSeriesId_ = 1;
    SelectionRecord animatedPosition_{};
    QStringList strings_;
    uint32_t curveColour_ = 0xFF1F77B4u;  // ARGB
};

}  // namespace ovhost
