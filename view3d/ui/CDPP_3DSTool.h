// CDPP_3DSTool: the 3-D tool page beside the 3-D view: projection and view-preset toolbars (the
// current buttons shown pressed), series projection, colour map, contour levels, line width, fill and
// line colours, and the axis ratios prompt. Every change goes into the record copy at once and the
// view rebuilds its model from it.
#pragma once

#include "chart/SheetPage.h"

class QComboBox;

namespace ov {

class CDlgToolbar;
class COvOG;
class COvCBColorMap;
class ColourSwatch;

enum SurfaceToolControl : int {
    kStStyleBar = 21340,
    kStViewBar = 21341,
    kStProjection = 21342,
    kStColourMap = 21343,
    kStLevels = 21344,
    kStLineWidth = 21345,
    kStFillColour = 21346,
    kStLineColour = 21347,
    kStRatios = 21337
};

// Toolbar commands: projection modes 2001 ... 2004 and view presets 1 ... 10.
constexpr int kStFirstStyleCommand = 2001;
constexpr int kStStyleCount = 4;
constexpr int kStViewPresetCount = 10;

class CDPP_3DSTool : public SheetPage {
    Q_OBJECT
public:
    CDPP_3DSTool(ChartRecord& record, COvOG& view, QWidget* parent);

    // What a click on a toolbar button does (also reached through the toolbars' signal).
    void OnStyleCommand(int command);
    void OnViewCommand(int command);
    // The axis ratios prompt of button 21337.
    void EditRatios();

private:
    void BuildControls();
    void Load();
    // The view takes the new settings (a new projection mode first).
    void Changed(bool modeChanged = false);

    ChartRecord& record_;
    COvOG& view_;
    CDlgToolbar* styleBar_ = nullptr;
    CDlgToolbar* viewBar_ = nullptr;
    QComboBox* projection_ = nullptr;
    COvCBColorMap* colourMap_ = nullptr;
    QComboBox* levels_ = nullptr;
    QComboBox* lineWidth_ = nullptr;
    ColourSwatch* fill_ = nullptr;
    ColourSwatch* line_ = nullptr;
};

}  // namespace ov
