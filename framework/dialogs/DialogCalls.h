// DialogCalls: the records a dialog factory receives from the dispatcher, one per entry-point code,
// and the results a factory returns. Widget-free, so every subsystem can name them without depending
// on the dispatcher.
#pragma once

#include "framework/prompt/SetStringsSetup.h"

#include <ornivex/ornivex.h>

#include <string>

class QWidget;

namespace ov {

constexpr int kDialogOk = 1;
constexpr int kDialogCancel = 2;

// Chart sheets (codes 1, 2, 4, 5). The dialog edits only `record`, the dispatcher's copy; the host's
// record is there for Apply, which copies back and notifies the host itself.
struct ChartSheetCall {
    QWidget* parent = nullptr;
    OvHostWindow* hostWindow = nullptr;
    ChartRecord* hostRecord = nullptr;
    ChartRecord* record = nullptr;
    void* context = nullptr;           // word 1 as given (pie sheet)
    void* element = nullptr;           // code 1: the drawing context taken off the list; code 4: last element
    Host3DObject* object3d = nullptr;  // code 1, kind 6: the new last element, left in the list
    OvHostList* seriesList = nullptr;  // code 1: the 3-D object's series list (kind 6), else the host list
};

// Clipped Path (6) and points along paths (7): words handed unchanged.
struct PathsCall {
    QWidget* parent = nullptr;
    OvHostWindow* hostWindow = nullptr;
    void* word0 = nullptr;
    void* word1 = nullptr;
    void* extra = nullptr;  // code 7: the magnet record
};

// Animation time series (0xFF).
struct TimeSeriesCall {
    QWidget* parent = nullptr;
    OvHostWindow* hostWindow = nullptr;
    void* selection = nullptr;     // selection record, or null (the dialog keeps its default)
    void* magnetRecord = nullptr;  // the former last list element
    OvHostList* list = nullptr;    // the remaining time series
    void* nextId = nullptr;        // word 4: the host's id counter
};

// Generate Animation (0x100).
struct AnimationCall {
    QWidget* parent = nullptr;
    OvHostWindow* hostWindow = nullptr;
};

// System properties (any other code): the record copy and the hotkey table of the host.
struct SystemPropsCall {
    QWidget* parent = nullptr;
    OvHostWindow* hostWindow = nullptr;
    SystemSettings* hostRecord = nullptr;
    SystemSettings* record = nullptr;
    void* hotkeyTable = nullptr;
};

// Set Strings: texts in, values out. The dispatcher refills the host's value list on OK only.
struct SetStringsCall {
    QWidget* parent = nullptr;
    SetStringsSetup setup;
};

// Flood Fill Tool: the seed in fractions on the way in and in pixels on the way out, and the outline
// the dialog traced, appended to `outline` on OK.
struct FloodFillCall {
    QWidget* parent = nullptr;
    std::u16string bitmapPath;
    float seedX = 0;
    float seedY = 0;
    OvPath* outline = nullptr;
};

// Magnets.
struct MagnetsCall {
    QWidget* parent = nullptr;
    OvHostWindow* viewWindow = nullptr;
    MagnetRecord* record = nullptr;
};

}  // namespace ov
