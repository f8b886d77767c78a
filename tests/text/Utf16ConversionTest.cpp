// UTF-8 <-> UTF-16: malformed input and unpaired surrogates become replacement characters.
#include "framework/text/Utf16Conversion.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace ov {
namespace {

TEST(Utf8Test, MalformedSequencesBecomeReplacementCharacters)
{
    const std::pair<std::string, std::u16string> cases[] = {
        {"Grüße \xF0\x9D\x84\x9E", u"Grüße \U0001D11E"},
        {"\xC0\xAF", u"\xFFFD\xFFFD"},                      // overlong
        {"\xF4\x90\x80\x80", u"\xFFFD\xFFFD\xFFFD\xFFFD"},  // beyond Unicode
        {"ab\xE2\x82", u"ab\xFFFD\xFFFD"},                  // truncated
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const auto& [utf8, utf16] : cases) EXPECT_EQ(Utf8ToUtf16(utf8), utf16) << utf8;
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD834, u'x'}), "\xEF\xBF\xBDx");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', 0xDD1E}), "a\xEF\xBF\xBD");
}

}  // namespace
}  // namespace ov
