// CDPE_LineFill: the line/fill editor that pages embed to edit one LineFillStyle: line style list,
// width (shown × 0.375), fill style list and the swatches of colours 0 ... 3, the two last ones blank
// and inert when the fill style does not use them. Every change is reported to the parent with the
// changed field and the mask of all fields changed so far.
#pragma once

#include "chart/LineFillEditing.h"

#include <QString>
#include <QWidget>

#include <array>

class QLineEdit;

namespace ov {

class COvCBFill;
class COvCBLine;
class ColourSwatch;

enum LineFillControl : int {
    kLfLineList = 21311,
    kLfWidthEdit = 21295,
    kLfFillList = 21312,
    kLfSwatch0 = 21286,
    kLfSwatch1 = 21290,
    kLfSwatch2 = 21287,
    kLfSwatch3 = 21288
};

class CDPE_LineFill : public QWidget {
    Q_OBJECT
public:
    // Edits `style`, which the embedding page owns and outlives the editor.
    CDPE_LineFill(LineFillStyle& style, QWidget* parent);

    // Rereads the style into the controls.
    void Load();
    // Shows only the line row and the line colour (for series types that draw no area).
    void SetLineOnly(bool lineOnly);
    const LineFillChanges& Changes() const { return changes_; }
    ColourSwatch* Swatch(int colour) const { return swatches_[static_cast<std::size_t>(colour)]; }

Q_SIGNALS:
    // The line/fill-changed notification: field 0 line, 1 width, 2 fill, 3 ... 6 colours 0 ... 3.
    void changed(int field, uint32_t changedMask);

private:
    void Note(int field);
    void UpdateSwatches();
    void OnWidthEdited();

    LineFillStyle& style_;
    LineFillChanges changes_;
    COvCBLine* line_ = nullptr;
    QLineEdit* width_ = nullptr;
    COvCBFill* fill_ = nullptr;
    QWidget* fillLabel_ = nullptr;
    QString shownWidth_;  // what Load() showed: leaving the edit unchanged stores nothing
    std::array<ColourSwatch*, 4> swatches_{};
};

}  // namespace ov
