// Stored colours: the recent list's order and the chooser's custom colours ("G<g>C<i>") written back
// under the chooser's OK/Cancel rule.
#include "colour/ColourChooser.h"
#include "colour/CustomColours.h"
#include "colour/RecentColours.h"
#include "framework/settings/RegKeyHandle.h"
#include "testhost/ModalDriver.h"

#include <QColorDialog>

#include <gtest/gtest.h>

using namespace ov;

namespace {

// Removes the values a test wrote so the next test starts from the defaults.
void ForgetCustomColours(int group)
{
    RegKeyHandle key(kCustomColourKey);
    for (int i = 0; i < 16; ++i) key.WriteString(CustomColourValueName(group, i), u"not a dword");
}

}  // namespace

TEST(RecentColourStore, NewOrKnownColourGoesFirstKeepingTheOthersInOrder)
{
    RecentColourList list;
    for (uint32_t i = 0; i < 16; ++i) list[i] = i;
    AddRecentColour(list, 0xFFABCDEFu);
    EXPECT_EQ(list, (RecentColourList{0xFFABCDEFu, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    AddRecentColour(list, 9);
    EXPECT_EQ(list, (RecentColourList{9, 0xFFABCDEFu, 0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14}));
    AddRecentColour(list, 9);
    EXPECT_EQ(list[1], 0xFFABCDEFu) << "adding the first colour again changes nothing";
}

// OK returns the colour opaque and writes the custom colours back; Cancel returns nothing and writes
// nothing.
TEST(ColourChooser, OkReturnsTheColourOpaqueAndStoresTheCustomColoursCancelNeither)
{
    ovtest::EnsureTestApplication();
    for (const bool ok : {true, false}) {
        const int group = ok ? 3 : 4;
        ForgetCustomColours(group);
        std::optional<QColor> chosen = QColor(1, 2, 3);
        ovtest::RunModal(
            [&] {
                chosen = ChooseColour(nullptr, QColor(10, 20, 30), group);
                return 0;
            },
            [&](QDialog& dialog) {
                auto& chooser = static_cast<QColorDialog&>(dialog);
                EXPECT_EQ(chooser.currentColor(), QColor(10, 20, 30));
                EXPECT_EQ(QColorDialog::customColor(1), QColor(0, 0, 0xF0));  // 0xF00000 COLORREF
                QColorDialog::setCustomColor(15, QColor(0x11, 0x22, 0x33));
                chooser.setCurrentColor(QColor(200, 100, 50, 40));
                ok ? chooser.accept() : chooser.reject();
            });
        bool stored = false;
        RegKeyHandle(kCustomColourKey).ReadDword(CustomColourValueName(group, 15), 0, &stored);
        EXPECT_EQ(stored, ok);
        EXPECT_EQ(chosen.value_or(QColor()).rgba(), ok ? qRgba(200, 100, 50, 255) : QColor().rgba());
    }
    const CustomColourSet stored = ReadCustomColours(3);
    EXPECT_EQ(stored[0], 0x0000F0u);
    EXPECT_EQ(stored[15], 0x332211u);
}
