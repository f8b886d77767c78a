// ColourChooser: the full colour dialog started with a colour, with the sixteen custom colours of a
// group read from and written back to the settings store. Cancel changes nothing.
#pragma once

#include <QColor>

#include <optional>

class QWidget;

namespace ov {

// The group the colour picker's "more colours" button uses.
constexpr int kPickerCustomColourGroup = 0;

// The chosen colour (opaque) on OK; nothing on Cancel. Custom colours are written back only on OK.
std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial,
                                   int group = kPickerCustomColourGroup);

}  // namespace ov
