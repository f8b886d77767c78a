// The palettes, checkerboards and texts that ship beside the host program load and say something.
#include "colour/PaletteFiles.h"
#include "colour/PaletteImage.h"
#include "framework/text/HostFolder.h"
#include "framework/text/LangTable.h"

#include <gtest/gtest.h>

#include <set>

using namespace ov;

TEST(ShippedColourResources, AtLeastThreePalettesDecodeAndEachHoldsManyColours)
{
    const auto list = FindPaletteFiles(HostFolder(), HostFolder() / "no-user-palette");
    ASSERT_GE(list.builtInCount, 3);
    for (const auto& path : list.files) {
        const QImage image = LoadPaletteFile(path);
        ASSERT_FALSE(image.isNull()) << path;
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
        EXPECT_GE(colours.size(), 200u) << path;
    }
}

TEST(ShippedColourResources, CheckerboardsDecodeWithTwoShades)
{
    for (const char* name : {"Pics/CP_Alpha.bmp", "Pics/CP/Alpha2.bmp"}) {
        const QImage tile = LoadPaletteFile(HostFolder() / name);
        ASSERT_FALSE(tile.isNull()) << name;
        EXPECT_NE(tile.pixel(0, 0), tile.pixel(tile.width() / 2, 0)) << name;
    }
}

TEST(ShippedColourResources, PaletteMenuTextsExistInBothLanguages)
{
    for (std::u16string_view language : {u"en", u"cn"}) {
        LangTable table;
        table.Open(language, "LANG_01.xml");
        for (int entry = 1; entry <= 5; ++entry)
            EXPECT_FALSE(table.GetLocalizedText("gPSC", entry).empty()) << entry;
    }
}
