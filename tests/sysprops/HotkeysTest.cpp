// The hotkey table's bindings as text, the hotkey list's geometry, and the ".hk2" file. Clearing keys
// is the sheet test's.
#include "sysprops/HotkeyBindings.h"
#include "sysprops/HotkeyFile.h"
#include "sysprops/HotkeyListGeometry.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace ov;
namespace fs = std::filesystem;

namespace {

// A table whose every slot holds distinct words (group g, key k) and whose host bytes are patterned.
std::unique_ptr<HotkeyTable> DistinctTable()
{
    auto table = std::make_unique<HotkeyTable>();
    for (int i = 0; i < 8; ++i) table->host_reserved[i] = static_cast<uint8_t>(0xA0 + i);
    for (int g = 0; g < OV_HOTKEY_GROUPS; ++g)
        for (int k = 0; k < OV_HOTKEY_KEYS; ++k) {
            HotkeySlot& slot = table->slots[g][k];
            slot.command1 = 0x01810000u + static_cast<uint32_t>(g * 100 + k);
            slot.command2 = 0x02820000u + static_cast<uint32_t>(g * 100 + k);
            slot.command3 = static_cast<uint16_t>(0x3000 + g * 100 + k);
        }
    return table;
}

std::vector<std::u16string> KeyNames()
{
    std::vector<std::u16string> names;
    for (int k = 1; k <= OV_HOTKEY_KEYS; ++k)
        names.push_back(u"K" + std::u16string(1, static_cast<char16_t>(u'@' + k % 60)));
    return names;
}

fs::path Scratch(const std::string& name)
{
    return fs::temp_directory_path() / ("ov-hotkeys-" + std::to_string(::getpid()) + "-" + name);
}

}  // namespace

TEST(HotkeyBindings, TextNamesTheFirstKeyOfEachGroupJoinedByTwoSpaces)
{
    auto table = std::make_unique<HotkeyTable>();
    const CommandWords command{7, 8, 9};
    const HotkeySlot bound{7, 8, 9, {}};
    table->slots[1][3] = bound;                     // Ctrl + key 3
    table->slots[5][10] = bound;                    // Alt + key 10
    table->slots[5][20] = bound;                    // a second Alt key is not shown
    table->slots[2][4] = HotkeySlot{7, 8, 10, {}};  // one word differs
    const std::vector<std::u16string> names = KeyNames();
    EXPECT_EQ(KeyCombinationText(*table, command, names), u"Ctrl+" + names[3] + u"  Alt+" + names[10]);
    EXPECT_EQ(KeyCombinationText(*table, CommandWords{}, names), u"") << "unbound slots are no binding";
    table->slots[6][65] = bound;
    table->slots[0][0] = bound;  // no modifier, first key
    EXPECT_EQ(KeyCombinationText(*table, command, names),
              names[0] + u"  Ctrl+" + names[3] + u"  Alt+" + names[10] + u"  Alt+Shift+" + names[65]);
    // Keys past the names the language file gave have empty names.
    const std::vector<std::u16string> three(names.begin(), names.begin() + 3);
    EXPECT_EQ(KeyCombinationText(*table, command, three), names[0] + u"  Ctrl+  Alt+  Alt+Shift+");
    EXPECT_EQ(std::u16string(ModifierPrefix(7)), u"");
}

// Rows are half an inch, or as tall as the tallest icon, stretched so whole rows fill the list; a list
// lower than one row keeps the height, and a screen without a usable DPI still gives rows.
TEST(HotkeyListGeometry, RowsAreHalfAnInchOrTheTallestIconStretchedToFill)
{
    const struct {
        int dpi;
        std::vector<int> icons;
        int listHeight, visibleRows;
        double height;
    } cases[] = {{96, {16, 20}, 500, 10, 50.0}, {96, {16, 60}, 110, 1, 110.0}, {96, {}, 40, 0, 48.0}};
    for (const auto& c : cases) {
        const HotkeyRows rows = LayOutHotkeyRows(c.dpi, c.icons, c.listHeight);
        EXPECT_EQ(rows.visibleRows, c.visibleRows) << c.listHeight;
        EXPECT_DOUBLE_EQ(rows.height, c.height) << c.listHeight;
    }
    EXPECT_EQ(LayOutHotkeyRows(1, {}, 30).visibleRows, 30);
}

// A click at y finds the row below the list's top (rows of 50 from y = 100, first visible row as
// given); outside the list, below the last command or without rows there is none.
TEST(HotkeyListGeometry, ClicksFindTheRowUnderThemAndScrollingStaysInRange)
{
    const HotkeyRows rows{50.0, 10};
    const struct {
        int y, first, commands;
        std::optional<int> row;
    } clicks[] = {{100, 0, 30, 0}, {149, 0, 30, 0},  {150, 0, 30, 1}, {599, 5, 30, 14},
                  {99, 0, 30, {}}, {600, 0, 30, {}}, {300, 0, 4, {}}};
    for (const auto& c : clicks) EXPECT_EQ(RowAt(c.y, 100, 500, rows, c.first, c.commands), c.row) << c.y;
    EXPECT_EQ(RowAt(300, 100, 500, HotkeyRows{}, 0, 30), std::nullopt);
    EXPECT_EQ(ClampFirstVisible(25, 30, 10), 20);
    EXPECT_EQ(ClampFirstVisible(-3, 30, 10), 0);
    EXPECT_EQ(ClampFirstVisible(3, 5, 10), 0);
}

TEST(HotkeyFile, WholeFileRoundTripsAndIsKeyMajor)
{
    auto table = DistinctTable();
    const std::string bytes = HotkeyFileBytes(*table);
    ASSERT_EQ(bytes.size(), kHotkeyFileBytes);
    // The second record is key 0 of group 1: word 2 first, then word 1, then word 3.
    const uint8_t expected[10] = {100, 0, 0x82, 2, 100, 0, 0x81, 1, 0x64, 0x30};
    EXPECT_EQ(std::memcmp(bytes.data() + 10, expected, 10), 0);

    const fs::path path = Scratch("all.hk2");
    ASSERT_TRUE(SaveHotkeyFile(*table, path));
    auto loaded = std::make_unique<HotkeyTable>();
    std::memcpy(loaded->host_reserved, "hostdata", 8);
    EXPECT_EQ(LoadHotkeyFile(path, *loaded), HotkeyFileRead::kComplete);
    std::memcpy(loaded->host_reserved, table->host_reserved, 8);
    EXPECT_EQ(std::memcmp(loaded.get(), table.get(), sizeof *table), 0);
}

// A file cut inside a record reads as short, with its message; one longer than the table as complete.
// Which slots each fills is held by the hotkey file fuzz corpus's replay ("ten-records-and-a-half",
// "longer-than-a-table").
TEST(HotkeyFile, ShortFileReadsAsShortAndLongFileAsComplete)
{
    const std::string bytes = HotkeyFileBytes(*DistinctTable());
    const fs::path path = Scratch("short.hk2");
    auto table = std::make_unique<HotkeyTable>();
    std::ofstream(path, std::ios::binary) << bytes.substr(0, 105);
    EXPECT_EQ(LoadHotkeyFile(path, *table), HotkeyFileRead::kShort);
    EXPECT_EQ(ShortHotkeyFileMessage(path), "failed to open file :" + path.string());
    std::ofstream(path, std::ios::binary) << bytes + std::string(5000, '\xFF');
    EXPECT_EQ(LoadHotkeyFile(path, *table), HotkeyFileRead::kComplete);
}
