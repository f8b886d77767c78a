// The colour chooser over QColorDialog.
#include "colour/ColourChooser.h"

#include "colour/CustomColours.h"

#include <QColorDialog>

namespace ov {

namespace {

void ShowCustomColours(const CustomColourSet& colours)
{
    for (int i = 0; i < 16; ++i)
        QColorDialog::setCustomColor(i,
                                     QColor::fromRgb(ColorRefToArgb(colours[static_cast<std::size_t>(i)])));
}

CustomColourSet ShownCustomColours()
{
    CustomColourSet colours{};
    for (int i = 0; i < 16; ++i)
        colours[static_cast<std::size_t>(i)] = ArgbToColorRef(QColorDialog::customColor(i).rgb());
    return colours;
}

}  // namespace

std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial, int group)
{
    ShowCustomColours(ReadCustomColours(group));
    QColorDialog dialog(initial.toRgb(), parent);
    // The built-in dialog always shows the custom colours, which the platform dialogs may not.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setObjectName("colourChooser");
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    WriteCustomColours(group, ShownCustomColours());
    QColor chosen = dialog.selectedColor();
    chosen.setAlpha(255);
    return chosen;
}

}  // namespace ov
