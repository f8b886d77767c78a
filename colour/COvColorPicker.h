// COvColorPicker: the pop-up colour picker opened beside a colour swatch. It edits one ARGB colour
// that belongs to its owner (recent colours, a palette picture, a transparency slider and a toolbar of
// quick commands) and tells the owner after every change the user makes.
#pragma once

#include "colour/PaletteFiles.h"
#include "framework/ui/CDialogFadeEx.h"

#include <QImage>
#include <QRect>

#include <array>
#include <cstdint>

namespace ov {

class CDlgToolbar;
struct ToolbarButton;

// The change notification's number and parameters, as the owner compares them.
constexpr int kColourChangedMessage = 0x1F5E;
constexpr int kColourChangedWParam = 1;
constexpr int kColourChangedLParam = 3;

// Toolbar commands ("tb_color_picker").
enum PickerCommand : int {
    kPickBlack = 1001,
    kPickWhite = 1002,
    kPickFromScreen = 1003,
    kPaletteMenu = 1004,
    kPickRandom = 1005,
    kPickFromChooser = 1006,
};

// Folder slot of the "load user palette" file dialog ("LID_<slot>").
constexpr int kUserPaletteFolderSlot = 21;

// Where the parts of the picker lie, in widget pixels at a UI scale.
struct PickerLayout {
    QRect toolbar;
    std::array<QRect, 16> recentCells;
    QRect palette;
    QRect slider;  // its width is SliderMax(scale); the knob is drawn at the position
    QRect preview;
    QRect info;
    QSize size;
};
PickerLayout MakePickerLayout(double uiScale);

class COvColorPicker : public CDialogFadeEx {
    Q_OBJECT
public:
    // Reads the recent colours and the palette index and finds the palettes.
    explicit COvColorPicker(QWidget* owner);
    // Stores the palette index and the recent colours.
    ~COvColorPicker() override;

    // The owner's colour that the picker edits; set before each showing. The slider follows its alpha.
    void SetTarget(uint32_t* target);
    uint32_t* Target() const { return target_; }

    // Opens at the pointer position (kept inside the screen's work area) with the fade.
    void PopUpAt(QPoint globalPos);

    void ExecuteCommand(int command);
    // Acts on a command chosen from the palette menu.
    void HandlePaletteMenuCommand(int command);
    void SelectPalette(int index);

    const PickerLayout& Layout() const { return layout_; }
    const PaletteFileList& Palettes() const { return palettes_; }
    int CurrentPalette() const { return currentPalette_; }
    const QImage& PaletteImage() const { return paletteImage_; }
    int SliderPosition() const { return sliderPosition_; }
    double UiScale() const { return uiScale_; }
    QString InfoText() const;
    bool HasUnrecordedChange() const { return changed_; }
    CDlgToolbar* Toolbar() const { return toolbar_; }
    QSize sizeHint() const override { return layout_.size; }

Q_SIGNALS:
    // The change notification: (1, 3), sent synchronously after a user action changed the colour.
    void colourChanged(int wParam, int lParam);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetColour(uint32_t argb);
    void SetSliderFromX(int x);
    void LoadUserPalette();
    void ShowPaletteMenu();
    void OnToolbarCommand(int command, const ToolbarButton* button);

    double uiScale_ = 1.0;
    PickerLayout layout_;
    CDlgToolbar* toolbar_ = nullptr;
    uint32_t* target_ = nullptr;
    uint32_t lastPicked_ = 0;
    bool changed_ = false;
    bool draggingSlider_ = false;
    PaletteFileList palettes_;
    int currentPalette_ = 0;
    QImage paletteImage_;
    QImage sliderChecker_;
    int sliderPosition_ = 0;
};

}  // namespace ov
