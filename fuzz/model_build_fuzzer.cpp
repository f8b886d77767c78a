// Fuzz target of the 3-D model: a chart record's 3-D fields, a grid of z values or up to three series
// from the input bytes (any doubles, NaN and infinities included) go through the rebuild, the draw
// passes and the projection of a frame. The ratios end normalised, the top-level item count follows the
// builder of the preset, and the projected items stand back to front.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "view3d/DrawPasses.h"
#include "view3d/ModelItems.h"
#include "view3d/ModelProjection.h"
#include "view3d/ModelRebuild.h"
#include "view3d/ReferencePoints.h"
#include "view3d/SurfaceData.h"
#include "view3d/ViewState.h"

namespace {

// Reads the input front to back; past its end every read gives zeros.
struct Reader {
    const uint8_t* data;
    size_t size;
    size_t at = 0;

    template <typename T>
    T Take()
    {
        T v{};
        unsigned char bytes[sizeof(T)] = {};
        for (size_t k = 0; k < sizeof(T) && at < size; ++k) bytes[k] = data[at++];
        std::memcpy(&v, bytes, sizeof(T));
        return v;
    }
};

void Check(bool ok)
{
    if (!ok) __builtin_trap();
}

size_t ExpectedSurfaceItems(int preset, int nx, int ny)
{
    switch (ov::BuilderOfPreset(preset)) {
    case ov::SurfaceBuilder::None: return 0;
    case ov::SurfaceBuilder::BarsOnFloor:
    case ov::SurfaceBuilder::BarsOnZero: return static_cast<size_t>(nx) * ny;
    case ov::SurfaceBuilder::SegmentsAlongX: return nx < 2 || ny < 2 ? 0 : static_cast<size_t>(nx - 1) * ny;
    case ov::SurfaceBuilder::SegmentsAlongY: return nx < 2 || ny < 2 ? 0 : static_cast<size_t>(ny - 1) * nx;
    default: return nx < 2 || ny < 2 ? 0 : static_cast<size_t>(nx - 1) * (ny - 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Reader in{data, size};
    ChartRecord record{};
    const uint8_t flags = in.Take<uint8_t>();
    record.kind = (flags & 1) ? 5 : 6;
    record.view_preset_3d = in.Take<uint8_t>() % 12;
    record.projection_3d = in.Take<uint8_t>() % 8;
    record.colour_map_3d = in.Take<uint8_t>() % 12;
    record.contour_levels = in.Take<uint8_t>();
    record.line_width_3d = in.Take<uint8_t>() % 10;
    record.style_3d = in.Take<uint8_t>() % 4;
    for (int a = 0; a < 3; ++a) {
        record.axes[a].shown = (flags >> (a + 1)) & 1;
        record.axes[a].ratio_3d = in.Take<float>();
        record.axes[a].range_min = in.Take<float>();
        record.axes[a].range_max = in.Take<float>();
    }
    const int nx = in.Take<uint8_t>() % 24, ny = in.Take<uint8_t>() % 24;
    float stored[9];
    for (float& v : stored) v = in.Take<float>();

    Host3DObject object{};
    SurfaceGrid grid{};
    std::vector<DataSeries> series;
    OvHostList seriesList{};
    size_t expected = 0;
    if (flags & 0x10) {
        const int count = (flags >> 5) % 4;
        series.resize(static_cast<size_t>(count));
        for (DataSeries& s : series) {
            s.columns = in.Take<uint8_t>() % 5;
            s.rows = in.Take<uint8_t>() % 16;
            s.colour_map = in.Take<uint8_t>() % 8;
            s.values = static_cast<double*>(std::malloc(sizeof(double) * s.columns * s.rows + 1));
            for (int k = 0; k < s.columns * s.rows; ++k) s.values[k] = in.Take<double>();
            ov_list_append(&seriesList, &s);
        }
        object.series_list = &seriesList;
        expected = series.size();
    } else {
        std::vector<double> values(static_cast<size_t>(nx) * ny);
        for (double& v : values) v = in.Take<double>();
        const double x0 = in.Take<double>(), x1 = in.Take<double>(), y0 = in.Take<double>(),
                     y1 = in.Take<double>();
        ov::SetSurfaceData(grid, values.data(), nx, ny, x0, x1, y0, y1);
        object.surface = &grid;
        expected = ExpectedSurfaceItems(record.view_preset_3d, grid.nx, grid.ny);
    }

    Check(ov::RebuildModel(record, object));
    for (int a = 0; a < 3; ++a) Check(record.axes[a].ratio_3d >= 0.1f && record.axes[a].ratio_3d <= 1.0f);
    Check(static_cast<size_t>(ov_list_count(&object.items)) == expected);

    size_t primitives = 0;
    for (const ov::DrawPass& pass : ov::DrawPassesOf(record))
        ov::WalkPass(object.items, pass, [&](const ov::Primitive&) { ++primitives; });

    ov::ViewState view(record.style_3d, stored);
    view.Resize(1 + in.Take<uint8_t>(), 60 + in.Take<uint8_t>());
    view.BeginDrag(in.Take<uint8_t>(), in.Take<uint8_t>());
    view.DragTo(in.Take<uint8_t>(), in.Take<uint8_t>());
    const ov::ViewFrame frame = view.Frame(1 + in.Take<uint8_t>() % 3);
    ov::ProjectReferencePoints(object, frame, ov::AxisRatios(record));
    Check(ov::FarthestBottomCorner(object) < 4);
    ov::ProjectModel(object, frame, true);
    const std::vector<ModelItem*> items = ov::ModelItemsOf(object.items);
    for (size_t k = 1; k < items.size(); ++k) {
        const float before = items[k - 1]->mean_depth, after = items[k]->mean_depth;
        Check(std::isnan(before) || std::isnan(after) || before >= after);
    }

    ov::FreeModelItems(object.items);
    ov::FreeSurfaceData(&grid);
    ov_list_remove_all(&seriesList);
    for (DataSeries& s : series) std::free(s.values);
    return 0;
}
