// The line/fill editor and the pages on their own: blank swatches that ignore clicks, the width factor
// and the changed-field mask, "Show Value" only in pie mode, and the general and axis pages' kind rules
// as the widgets carry them out.
#include "chart/CDPE_LineFill.h"
#include "chart/CDPP_Axis.h"
#include "chart/CDPP_General.h"
#include "chart/CDPP_Legend.h"
#include "chart/StylePickers.h"
#include "colour/ColourSwatch.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"
#include "tests/chart/SaneChartRecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cstring>

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

TEST(PiePages, ShowValueOnlyInPieMode)
{
    EnsureTestApplication();
    SetCurrentLanguageCodeForTesting(u"en");
    ChartRecord record = PatternRecord<ChartRecord>(3);
    MakePageFieldsSane(record);
    for (bool pie : {false, true}) {
        CDPP_Legend legend(record, pie, nullptr);
        EXPECT_EQ(legend.findChild<QCheckBox*>(ControlName(kLeShowValue))->isVisibleTo(&legend), pie);
    }
}

namespace {

ChartRecord PageRecord(uint8_t kind)
{
    ChartRecord record = PatternRecord<ChartRecord>(5);
    record.kind = kind;
    MakePageFieldsSane(record);
    return record;
}

}  // namespace

TEST(ChartPages, GeneralPageKindRulesAndTheFontPrefixSearch)
{
    EnsureTestApplication();
    SetCurrentLanguageCodeForTesting(u"en");
    const QStringList families = QFontDatabase::families();
    ASSERT_FALSE(families.isEmpty());
    ChartRecord record = PageRecord(1);
    record.border_style = 2;
    const std::u16string prefix = families.front().left(3).toStdU16String();
    std::memcpy(record.font_face, prefix.c_str(), (prefix.size() + 1) * 2);
    CDPP_General page(record, nullptr);
    EXPECT_FALSE(page.findChild<QLineEdit*>(ControlName(kGgCaption))->isVisibleTo(&page));
    EXPECT_TRUE(page.findChild<QComboBox*>(ControlName(kGgBorder))->isVisibleTo(&page));
    EXPECT_FALSE(page.findChild<QCheckBox*>(ControlName(kGgBoldTitle))->isVisibleTo(&page));
    page.Store();
    EXPECT_EQ(record.border_style, 0);  // kind 1 opens on the first border entry
    EXPECT_EQ(QString::fromUtf16(record.font_face), families.front().left(126));
}

TEST(ChartPages, AxisPageZAxisParameterEditAndColourSwatches)
{
    EnsureTestApplication();
    SetCurrentLanguageCodeForTesting(u"en");
    for (uint8_t kind : {2, 5}) {
        SCOPED_TRACE(kind);
        ChartRecord record = PageRecord(kind);
        record.axes[OV_AXIS_Y3].shown = 0;
        CDPP_Axis page(record, false, nullptr);
        auto find = [&](int axis, int offset) {
            return page.findChild<QWidget*>(ControlName(AxisControlId(axis, offset)));
        };
        EXPECT_EQ(static_cast<QGroupBox*>(find(OV_AXIS_Z, kAxGroup))->title(),
                  kind == 5 ? "Z Axis" : "Y#2 Axis");
        EXPECT_EQ(find(OV_AXIS_Y3, kAxGroup)->isVisibleTo(&page), kind == 2);
        EXPECT_TRUE(find(OV_AXIS_X, kAxParameter)->isVisibleTo(&page));  // scale index 5
        static_cast<QComboBox*>(find(OV_AXIS_X, kAxScale))->setCurrentIndex(0);
        EXPECT_FALSE(find(OV_AXIS_X, kAxParameter)->isVisibleTo(&page));
        EXPECT_TRUE(static_cast<ColourSwatch*>(find(OV_AXIS_Y3, kAxColour))->IsBlank());
        if (kind == 2) {
            static_cast<QCheckBox*>(find(OV_AXIS_Y3, kAxCheck))->click();
            EXPECT_FALSE(static_cast<ColourSwatch*>(find(OV_AXIS_Y3, kAxColour))->IsBlank());
        } else {
            page.findChild<QCheckBox*>(ControlName(kAxThirdAutoRange))->click();
        }
        page.Store();
        EXPECT_EQ(record.axes[OV_AXIS_Y3].shown, kind == 2 ? 1 : 0);
        EXPECT_EQ(record.axes[OV_AXIS_Z].shown, kind == 2 ? 1 : 0);
        EXPECT_EQ(record.axes[OV_AXIS_X].scale_index, 0);
    }
}
