// ColourSwatch: the small button of the property pages that shows an ARGB colour over a checkerboard
// (so transparency shows) and opens the colour picker at the pointer on a left click.
#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>

namespace ov {

class COvColorPicker;

class ColourSwatch : public QWidget {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget* parent = nullptr, uint32_t argb = 0xFF000000u);

    uint32_t Colour() const { return colour_; }
    void SetColour(uint32_t argb);
    // A blank swatch draws only its frame and opens nothing (pages use it for "no colour").
    void SetBlank(bool blank);
    bool IsBlank() const { return blank_; }

    // Opens the picker on this swatch's colour at a screen position (what a left click does).
    void OpenPicker(QPoint globalPos);
    // The picker, once the swatch has opened it (it is created on first use and then reused).
    COvColorPicker* Picker() const { return picker_; }

    QSize sizeHint() const override;

Q_SIGNALS:
    // The user changed the colour in the picker.
    void colourChanged(uint32_t argb);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    void OnPickerChanged(int wParam, int lParam);

    uint32_t colour_;
    bool blank_ = false;
    QImage checker_;
    COvColorPicker* picker_ = nullptr;
};

}  // namespace ov
