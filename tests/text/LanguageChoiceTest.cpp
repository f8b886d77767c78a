// The language choice: the "LanSel" text read as a number the way the host runtime reads it, and the
// language code each number stands for.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "framework/text/LanguageChoice.h"

namespace ov {
namespace {

TEST(LanSel, ParsesLikeTheHostRuntime)
{
    struct Row {
        const char16_t* text;
        int32_t number;
        const char16_t* code;
    };
    const Row rows[] = {{u"2", 2, u"cn"},       {u"\t\r\n\v\f 2", 2, u"cn"},
                        {u"2abc", 2, u"cn"},    {u"+2", 2, u"cn"},
                        {u"-2", -2, u"en"},     {u"02", 2, u"cn"},
                        {u"-10", -10, u"en"},   {u"1", 1, u"en"},
                        {u"12", 12, u"en"},     {u"3", 3, u"en"},
                        {u"", 0, u"en"},        {u"abc2", 0, u"en"},
                        {u"\u00A02", 0, u"en"}, {u"4294967298", std::numeric_limits<int32_t>::max(), u"en"}};
    for (const Row& row : rows) {
        int32_t number = ParseLanguageNumber(row.text);
        EXPECT_EQ(number, row.number) << int(row.number);
        EXPECT_EQ(LanguageCodeForNumber(number), std::u16string(row.code)) << int(row.number);
    }
}

}  // namespace
}  // namespace ov
