// LineFillControls: the chart-style page's compact editor of one LineFillStyle: line style list,
// width (shown × 0.375), fill style list and the four colour swatches. It edits the style it is
// given and reports the number of the changed field (0 line style, 1 width, 2 fill, 3 ... 6 colours).
#pragma once

#include <ornivex/chart.h>

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;

namespace ov {

class COvCBFill;
class COvCBLine;
class ColourSwatch;

constexpr float kLineWidthDisplayFactor = 0.375f;

struct LineFillLabels {
    QString line, width, fill;
};

class LineFillControls : public QWidget {
    Q_OBJECT
public:
    LineFillControls(LineFillStyle& style, const LineFillLabels& labels, QWidget* parent);

    // Rereads the style into the controls.
    void Load();
    // Shows only the line row (line style, width, line colour).
    void SetLineOnly(bool lineOnly);

    COvCBLine* LineList() const { return line_; }
    COvCBFill* FillList() const { return fill_; }
    QLineEdit* WidthEdit() const { return width_; }
    ColourSwatch* Swatch(int i) const { return swatches_[static_cast<std::size_t>(i)]; }

Q_SIGNALS:
    void fieldChanged(int field);

private:
    void UpdateSwatches();
    void OnWidthEdited();

    LineFillStyle& style_;
    COvCBLine* line_ = nullptr;
    QLineEdit* width_ = nullptr;
    COvCBFill* fill_ = nullptr;
    QLabel* fillLabel_ = nullptr;
    std::array<ColourSwatch*, 4> swatches_{};
    bool lineOnly_ = false;
};

}  // namespace ov
