// The line/fill editor on its own: blank swatches that ignore clicks, the width factor and the
// changed-field mask.
#include "chart/CDPE_LineFill.h"
#include "chart/StylePickers.h"
#include "colour/ColourSwatch.h"
#include "framework/ui/DialogTexts.h"
#include "testhost/ModalDriver.h"

#include <QLineEdit>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace ov;
using namespace ovtest;

TEST(LineFillEditor, InertSwatchesWidthFactorAndChangeMask)
{
    EnsureTestApplication();
    LineFillStyle style{};
    style.fill_style = 1;
    style.line_width = 3.0f;
    CDPE_LineFill editor(style, nullptr);
    std::vector<std::pair<int, uint32_t>> notes;
    QObject::connect(&editor, &CDPE_LineFill::changed,
                     [&](int field, uint32_t mask) { notes.emplace_back(field, mask); });
    auto* width = editor.findChild<QLineEdit*>(ControlName(kLfWidthEdit));
    EXPECT_EQ(width->text(), "1.125");

    QTest::mouseClick(editor.Swatch(2), Qt::LeftButton);
    EXPECT_TRUE(editor.Swatch(2)->IsBlank());
    EXPECT_EQ(editor.Swatch(2)->Picker(), nullptr);

    Q_EMIT width->editingFinished();  // left unchanged: nothing stored
    width->setText("1.5");
    Q_EMIT width->editingFinished();
    EXPECT_EQ(style.line_width, 4.0f);
    auto* fill = editor.findChild<COvCBFill*>(ControlName(kLfFillList));
    fill->setCurrentIndex(56);
    Q_EMIT fill->activated(56);
    EXPECT_EQ(style.fill_style, 56);
    EXPECT_FALSE(editor.Swatch(2)->IsBlank());
    EXPECT_FALSE(editor.Swatch(3)->IsBlank());
    EXPECT_EQ(notes, (std::vector<std::pair<int, uint32_t>>{{1, 0x2}, {2, 0x6}}));
}
