// Captioning dialogs from a pair table: which widget gets which text, what stays built in, and where
// the walk stops.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <cstdint>

#include "framework/text/LangTable.h"
#include "framework/ui/DialogTexts.h"

namespace ov {
namespace {

constexpr std::string_view kTexts = R"(<Texts>
  <gDLG_9>
    <S01 en="Name:"/> <S02 en="Apply"/> <S03 en=""/> <S04 en="Glyph Properties"/>
    <S05 en="Options"/> <S06 en="Visible"/> <S07 en="Progress"/> <S08 en="after the end"/>
    <S09 en="Pick one"/> <S10 en="Preview"/> <S11 en="Missing control"/>
  </gDLG_9>
</Texts>)";

template <typename W>
W* AddControl(QWidget* parent, int id)
{
    auto* widget = new W(parent);
    widget->setObjectName(ControlName(id));
    if constexpr (std::is_same_v<W, QGroupBox>) {
        widget->setTitle("built-in");
    } else if constexpr (requires { widget->setText("built-in"); }) {
        widget->setText("built-in");
    }
    return widget;
}

TEST(DialogTexts, CaptionsEachWidgetKindAndTheTitle)
{
    LangTable table;
    table.OpenBuffer(u"en", kTexts.data(), kTexts.size());
    QDialog dialog;
    dialog.setWindowTitle("Template title");
    auto* label = AddControl<QLabel>(&dialog, 101);
    auto* button = AddControl<QPushButton>(&dialog, 102);
    auto* edit = AddControl<QLineEdit>(&dialog, 103);
    auto* group = AddControl<QGroupBox>(&dialog, 104);
    auto* check = AddControl<QCheckBox>(group, 105);  // inside the group box, as Qt layouts place it
    auto* progress = AddControl<QProgressBar>(&dialog, 106);
    auto* combo = AddControl<QComboBox>(&dialog, 107);
    combo->setEditable(true);
    auto* preview = AddControl<QWidget>(&dialog, 108);
    // Rows that end neither at a negative id alone nor at a negative index alone; (0, 4) is the title.
    const int32_t pairs[] = {101, 1,   -1, 11,  102, 2,   103, 3, 0,  4, 104, 5,  105, 6,   106,
                             7,   107, 9,  108, 10,  999, 11,  5, -1, 0, 3,   -1, -1,  102, 8};
    ApplyLocalizedTexts(table, "gDLG_9", pairs, &dialog);
    // The later empty S03 leaves the title; the pair after (-1, -1) is never read; present but empty
    // text keeps the template's caption; a progress bar's "text" is read-only, so it gets the title.
    const QStringList captions = {
        dialog.windowTitle(),  label->text(), button->text(),          edit->text(),
        group->title(),        check->text(), progress->windowTitle(), combo->currentText(),
        preview->windowTitle()};
    EXPECT_EQ(captions.join('|'),
              "Glyph Properties|Name:|Apply|built-in|Options|Visible|Progress|Pick one|Preview");
}

}  // namespace
}  // namespace ov
