// CDialogFFF: the Flood Fill Tool. It traces the region of a bitmap around a seed, shows the result
// over the bitmap and lets the user tune permeability, debris elimination, approximability and the
// path style; the settings are remembered between calls.
#pragma once

#include "trace/FloodFillSettings.h"
#include "trace/SourceImageFailure.h"
#include "trace/TracePreview.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QRadioButton;
class QSlider;

namespace ov {

class TraceEngine;  // the tracing state lives behind a pointer so this header stays free of OpenCV

class CDialogFFF : public QDialog {
    Q_OBJECT
public:
    // Control ids; the widgets are named ControlName(id) ("ctl_<id>").
    enum ControlId : int {
        kIdOk = 1,
        kIdCancel = 2,
        kIdPreview = 1001,
        kIdPermeabilityGroup = 1002,
        kIdPermeability = 1003,
        kIdDebrisGroup = 1004,
        kIdDebris = 1005,
        kIdApproximabilityGroup = 1006,
        kIdApproximability = 1007,
        kIdPathStyleGroup = 1008,
        kIdPolygon = 1009,
        kIdClosedCurve = 1010,
        kIdBlending = 1011,
        kIdBlendingSlider = 1012,
        kIdDefaults = 1013,
        kIdShowKeyPoints = 1014,
    };

    // Reads the remembered settings.
    explicit CDialogFFF(QWidget* parent = nullptr);
    // Writes the settings back, whichever button closed the dialog.
    ~CDialogFFF() override;
    CDialogFFF(const CDialogFFF&) = delete;
    CDialogFFF& operator=(const CDialogFFF&) = delete;

    // Loads the bitmap, turns the seed fractions into pixels, traces and runs the dialog; a bitmap that
    // cannot be loaded is reported and leaves the preview white. 1 (OK) or 2 (Cancel).
    int DoModal();

    QString bitmapPath;
    float seedX = 0;  // fractions of the bitmap's size before DoModal, pixels after
    float seedY = 0;

    const FloodFillSettings& Settings() const { return settings_; }
    const TraceEngine& Engine() const { return *engine_; }
    SourceImageFailure LoadFailure() const { return loadFailure_; }
    const TracePreview& Preview() const { return *preview_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildControls();
    void ApplyTexts();
    void PutControls();
    void LoadBitmap();
    void Retrace(const FloodFillSettings& next);
    void Redraw();
    void OnSliderMoved();
    void OnStyleClicked();
    void OnDefaults();
    void OnShowKeyPoints();

    FloodFillSettings settings_;
    std::unique_ptr<TraceEngine> engine_;
    PreviewBitmap bitmap_;
    PathObject merged_;
    SourceImageFailure loadFailure_ = SourceImageFailure::None;
    TracePreview* preview_ = nullptr;
    QSlider* permeability_ = nullptr;
    QSlider* debris_ = nullptr;
    QSlider* approximability_ = nullptr;
    QSlider* blending_ = nullptr;
    QRadioButton* styles_[3] = {};
    QCheckBox* showKeyPoints_ = nullptr;
};

}  // namespace ov
