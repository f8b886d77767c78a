// CDPP_ChartStyle: the per-series chart-style page. Every control edits one DataSeries field; each
// change is written at once into every series selected in the series list, by property code. Which
// groups show follows the current series' type and the chart kind.
#pragma once

#include "chart/SeriesProperties.h"
#include "chart/SheetPage.h"

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace ov {

class CDlgXYPP;
class CDlgToolbar;
class COvCBColorMap;
class COvCBMarker;
class CDPE_LineFill;

enum ChartStyleControl : int {
    kCsToolbar = 21240,
    kCsSystem = 21241,  // + system 0 ... 2
    kCsCoordinate = 21244,
    kCsSmooth = 21245,
    kCsLegend = 21246,
    kCsStroke = 21247,
    kCsMarker = 21248,
    kCsMarkerSize = 21249,
    kCsBarSize = 21250,
    kCsBarOffset = 21251,
    kCsBubbleMin = 21252,
    kCsBubbleMax = 21253,
    kCsColourMap = 21254,
    kCsCurveStyle = 21255,
    kCsMarkerStyle = 21256,
    kCsProjection = 1262
};

class CDPP_ChartStyle : public SheetPage {
    Q_OBJECT
public:
    explicit CDPP_ChartStyle(CDlgXYPP& sheet);

    void ReloadSeries() override;
    void RefreshCoordinateSystem() override;
    const ChartStyleGroups& Groups() const { return groups_; }
    // What a click on toolbar command 1 ... 6 does.
    void OnChartType(int command);

private:
    void BuildControls();
    void Load();
    void ShowGroups();
    void Apply(int code);
    void BindNumber(QLineEdit* edit, float& field, int code);
    QString Text(int index, const char* builtIn) const;

    CDlgXYPP& sheet_;
    DataSeries edited_{};  // the page's values; the source of every property written
    ChartStyleGroups groups_;
    bool loading_ = false;
    std::vector<std::u16string> texts_;
    CDlgToolbar* toolbar_ = nullptr;
    QGroupBox* coordinate_ = nullptr;
    std::array<QRadioButton*, 3> systems_{};
    QWidget* projectionRow_ = nullptr;
    QComboBox* projection_ = nullptr;
    QCheckBox* smooth_ = nullptr;
    QCheckBox* legend_ = nullptr;
    QGroupBox* curveGroup_ = nullptr;
    CDPE_LineFill* curve_ = nullptr;
    QGroupBox* markerGroup_ = nullptr;
    COvCBMarker* marker_ = nullptr;
    QLineEdit* markerSize_ = nullptr;
    QCheckBox* stroke_ = nullptr;
    CDPE_LineFill* markerStyle_ = nullptr;
    QWidget* barRow_ = nullptr;
    QLineEdit* barSize_ = nullptr;
    QLineEdit* barOffset_ = nullptr;
    QWidget* bubbleRow_ = nullptr;
    QLineEdit* bubbleMin_ = nullptr;
    QLineEdit* bubbleMax_ = nullptr;
    COvCBColorMap* colourMap_ = nullptr;
};

}  // namespace ov
