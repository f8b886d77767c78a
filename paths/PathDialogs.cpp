// The runs of codes 6 and 7: argument checks, the Clipped Path dialog, and the points-along-paths
// prompt with the placing of the points into the temporary magnet.
#include "paths/PathDialogs.h"

#include "framework/prompt/SetStrings.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "magnets/TemporaryMagnet.h"
#include "paths/CDlgClipPath.h"
#include "paths/ClipPathSettings.h"
#include "paths/PointsAlongPaths.h"

#include <QApplication>

#include <charconv>
#include <cmath>
#include <string>

namespace ov {

namespace {

constexpr uint8_t kCentredOnHost = 4;

std::u16string Widen(const std::string& s)
{
    return {s.begin(), s.end()};
}

// printf's "%g" without the locale's decimal comma.
std::u16string General(double value)
{
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return error == std::errc() ? Widen(std::string(buffer, end)) : u"1";
}

SetStringsSetup PointsPrompt(const PointsAlongSettings& stored, OvHostWindow* hostWindow)
{
    LangTable table;
    table.Open(CurrentLanguageCode(), "SSDlg.xml");
    SetStringsSetup setup;
    setup.title = table.GetLocalizedText("gDLG_9", 1);
    setup.labels = {table.GetLocalizedText("gDLG_9", 2), table.GetLocalizedText("gDLG_9", 3)};
    setup.values = {Widen(std::to_string(stored.divisions)), General(stored.bias)};
    DialogPlacement placement{};
    placement.anchor = hostWindow;
    placement.mode = kCentredOnHost;
    setup.placement = placement;
    return setup;
}

bool UsableGrid(const CellGrid* grid)
{
    return grid && grid->cell_size > 0.0 && std::isfinite(grid->cell_size) && std::isfinite(grid->origin_x) &&
           std::isfinite(grid->origin_y);
}

std::vector<OvPointF> PlacePoints(const OvHostList* inputs, int divisions, double bias)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct RestoreCursor {
        ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
    } restore;
    ClipPieces pieces;
    pieces.Rebuild(PathsOfHostList(inputs));
    return PointsAlongPieces(pieces.Pieces(), divisions, bias);
}

}  // namespace

int RunClipPath(PathsCall& call)
{
    auto* inputs = static_cast<const OvHostList*>(call.word0);
    auto* results = static_cast<OvHostList*>(call.word1);
    if (!inputs || !ov_list_at(results, 0)) return 0;
    CDlgClipPath dialog(call.parent, call.hostWindow, PathsOfHostList(inputs), results);
    return dialog.DoModal();
}

int RunPointsAlongPaths(PathsCall& call)
{
    auto* inputs = static_cast<const OvHostList*>(call.word0);
    auto* grid = static_cast<const CellGrid*>(call.word1);
    auto* record = static_cast<MagnetRecord*>(call.extra);
    if (!inputs || !UsableGrid(grid) || !record) return 0;
    SetStringsSetup setup = PointsPrompt(LoadPointsAlongSettings(), call.hostWindow);
    if (RunSetStrings(setup, call.parent) != kDialogOk || setup.values.size() < 2) return kDialogCancel;
    const int divisions = ParseDivisions(setup.values[0]);
    const double bias = ParseBias(setup.values[1]);
    StorePointsAlongSettings({divisions, float(bias)});
    size_t added = 0;
    for (const OvPointF p : PlacePoints(inputs, divisions, bias)) {
        const OvPointF cell = GridCell(p, *grid);
        if (!AppendToTemporaryMagnet(*record, cell.x, cell.y)) break;  // out of memory: keep what fits
        ++added;
    }
    return added > 0 ? kDialogOk : kDialogCancel;
}

}  // namespace ov
