// History files: the archive string format at its length boundaries, dedupe and the 24-entry limit, and
// damaged or lying files (a file cut at every byte covers the strings' own truncations).
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "data/formula/ArchiveString.h"
#include "data/formula/FormulaHistory.h"

namespace ov {
namespace {

TEST(ArchiveString, RoundTripsAtEveryLengthBoundary)
{
    const struct {
        size_t length;
        size_t headerBytes;  // marker (3) + length field
    } rows[] = {{0, 4}, {254, 4}, {255, 6}, {65533, 6}, {65534, 10}, {65535, 10}, {70000, 10}};
    for (const auto& row : rows) {
        std::u16string text(row.length, u'\0');
        for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(0x4E00 + i % 500);
        std::vector<uint8_t> bytes;
        WriteArchiveString(bytes, text);
        EXPECT_EQ(bytes.size(), row.headerBytes + 2 * row.length) << row.length;
        ArchiveReader reader(bytes);
        EXPECT_EQ(reader.ReadString(), text) << row.length;
        EXPECT_EQ(reader.Remaining(), 0u);
    }
}

std::vector<std::u16string> Numbered(int count)
{
    std::vector<std::u16string> v;
    for (int i = 0; i < count; ++i) v.push_back(u"a*" + std::u16string(1, static_cast<char16_t>(u'A' + i)));
    return v;
}

TEST(FormulaHistory, PushKeepsDistinctMostRecentFirst)
{
    std::vector<std::u16string> entries;
    for (const auto& f : Numbered(24)) PushFormula(entries, f);
    PushFormula(entries, u"a*F");  // again: moves to the head, nothing dropped
    ASSERT_EQ(entries.size(), 24u);
    EXPECT_EQ(entries[0], u"a*F");
    EXPECT_EQ(entries.back(), u"a*A");
    PushFormula(entries, u"A*F");  // case matters
    EXPECT_EQ(entries.size(), 24u);
    EXPECT_EQ(entries.back(), u"a*B");  // the 25th distinct formula pushed the oldest out
}

TEST(FormulaHistory, FileRoundTripsBothKinds)
{
    FormulaHistory h;
    h.page = 1;
    h.formula = u"sin(c1) + 中";
    h.startText = u"2*pi";
    h.endText = u"";
    h.entries = Numbered(30);
    h.entries.insert(h.entries.begin() + 2, u"a*A");
    for (FormulaKind kind : {FormulaKind::Column, FormulaKind::Surface}) {
        const auto parsed = ParseFormulaHistory(SerializeFormulaHistory(h, kind), kind);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(parsed->page, kHistoryPage);  // always written as the history page
        EXPECT_EQ(parsed->formula, h.formula);
        EXPECT_EQ(parsed->startText, kind == FormulaKind::Column ? u"2*pi" : u"0");
        std::vector<std::u16string> expected = Numbered(24);
        EXPECT_EQ(parsed->entries, expected);
    }
}

TEST(FormulaHistory, ParsingClampsPageDropsBlanksAndRejectsLies)
{
    std::vector<uint8_t> bytes;
    WriteArchiveInt32(bytes, 99);
    WriteArchiveString(bytes, u"x*y");
    WriteArchiveInt32(bytes, 3);
    for (const char16_t* e : {u"x", u"", u"y"}) WriteArchiveString(bytes, e);
    const auto parsed = ParseFormulaHistory(bytes, FormulaKind::Surface);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->page, 4);
    EXPECT_EQ(parsed->entries, (std::vector<std::u16string>{u"x", u"y"}));
    std::vector<uint8_t> below = bytes;
    below[0] = below[1] = below[2] = below[3] = 0xFF;  // page -1
    EXPECT_EQ(ParseFormulaHistory(below, FormulaKind::Surface).value().page, 0);

    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        EXPECT_FALSE(ParseFormulaHistory(std::span(bytes.data(), cut), FormulaKind::Surface)) << cut;
    }
    EXPECT_FALSE(ParseFormulaHistory(bytes, FormulaKind::Column));  // fields the file does not hold
    std::vector<uint8_t> lying = bytes;
    lying[14] = 0xFF;  // entry count 0x7FFF: far more entries than bytes
    lying[15] = 0x7F;
    EXPECT_FALSE(ParseFormulaHistory(lying, FormulaKind::Surface));
}

TEST(FormulaHistory, FilesInTheApplicationDataFolder)
{
    const auto path = FormulaHistoryPath(FormulaKind::Surface);
    EXPECT_EQ(path.filename(), "UMFZ.his");
    EXPECT_EQ(FormulaHistoryPath(FormulaKind::Column).filename(), "UMF.his");
    std::filesystem::remove(path);
    FormulaHistory h;
    EXPECT_EQ(LoadFormulaHistory(path, FormulaKind::Surface, h), HistoryLoad::Missing);
    h.formula = u"x+y";
    ASSERT_TRUE(SaveFormulaHistory(path, h, FormulaKind::Surface));
    FormulaHistory back;
    EXPECT_EQ(LoadFormulaHistory(path, FormulaKind::Surface, back), HistoryLoad::Loaded);
    EXPECT_EQ(back.formula, u"x+y");
    std::ofstream(path, std::ios::binary | std::ios::trunc) << "\x04";
    EXPECT_EQ(LoadFormulaHistory(path, FormulaKind::Surface, back), HistoryLoad::Damaged);
}

}  // namespace
}  // namespace ov
