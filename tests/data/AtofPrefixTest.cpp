// The token conversion against the C runtime: bit-equal to strtod in the "C" locale over fixed and
// generated tokens, also while the process runs under a comma-decimal locale. The tokenizer is held to
// the same reference through the plain byte loop in the reader's tests.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "data/numbers/AtofPrefix.h"

namespace {

uint64_t Bits(double v)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

// The reference: strtod on the terminated token; called only while LC_NUMERIC is "C".
double Reference(const std::string& token)
{
    return std::strtod(token.c_str(), nullptr);
}

// Random runs over the token alphabet: malformed signs, dots and exponents included.
std::vector<std::string> AlphabetTokens(std::mt19937_64& rng, int count)
{
    static const char kAlphabet[] = "0123456789+-.eE";
    std::vector<std::string> tokens;
    for (int i = 0; i < count; ++i) {
        std::string t(1 + rng() % 24, '0');
        for (char& c : t) c = kAlphabet[rng() % (sizeof kAlphabet - 1)];
        tokens.push_back(t);
    }
    return tokens;
}

// Well-formed numbers of every scale and length, printed the ways data files print them.
std::vector<std::string> PrintedTokens(std::mt19937_64& rng, int count)
{
    static const char* const kFormats[] = {"%.17g", "%.6g", "%.9e", "%f", "%.3f", "%.0f", "%.20e", "%a"};
    std::vector<std::string> tokens;
    char buffer[128];
    for (int i = 0; i < count; ++i) {
        uint64_t bits = rng();
        double v = 0;
        std::memcpy(&v, &bits, sizeof v);
        if (i % 2 == 0)
            v = std::ldexp(static_cast<double>(rng() % 100000000), static_cast<int>(rng() % 80) - 60);
        if (!std::isfinite(v)) continue;
        const char* format = kFormats[rng() % 7];  // %a has letters outside the alphabet
        std::snprintf(buffer, sizeof buffer, format, v);
        tokens.emplace_back(buffer);
    }
    return tokens;
}

// Signs, dots and exponents in every malformed order, the subnormal and overflow edges, long mantissas
// and exponents, and numbers whose correct rounding is hard.
std::vector<std::string> FixedTokens()
{
    std::istringstream words(
        "0 -0 +0 - + . e E -. +-5 --5 ++5 -+5 .5 -.5 5. 1e 1e+ 1e- 1e5 1E-5 1e5e3 1.2.3 1-2 2023-05-17 "
        "1e400 -1e400 1e-400 4.9e-324 2.4703282292062327e-324 2.2250738585072011e-308 "
        "1.7976931348623157e308 1.7976931348623159e308 9007199254740993 123456789012345678901234567890 "
        "0.000000000000000000000000000001 00000000000000000000001.5 1e0000000000000000000000000001 "
        "1e-99999999999999999999 3.14159265358979323846264338327950288 e5 .e5 -e5 0e 1.e5 .1e-3 "
        "100000000000000000000000 8.98846567431158e307 1e23 1e22 9.5e22");
    return std::vector<std::string>(std::istream_iterator<std::string>(words), {});
}

// Generated and fixed tokens, in the "C" locale and again while the process runs under a comma-decimal
// locale: the conversion must not follow the process's locale.
TEST(AtofPrefix, TokensEqualStrtodBitForBitAlsoUnderACommaDecimalLocale)
{
    std::mt19937_64 rng(20261205);
    std::vector<std::string> tokens = FixedTokens();
    for (const auto& more : {AlphabetTokens(rng, 200000), PrintedTokens(rng, 200000)})
        tokens.insert(tokens.end(), more.begin(), more.end());
    std::vector<uint64_t> expected;
    for (const std::string& t : tokens) expected.push_back(Bits(Reference(t)));
    const auto firstWrong = [&] {
        for (std::size_t i = 0; i < tokens.size(); ++i)
            if (Bits(ov::AtofPrefix(tokens[i].data(), tokens[i].size())) != expected[i]) return tokens[i];
        return std::string("none");
    };
    EXPECT_EQ(firstWrong(), "none");
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "de_DE.UTF-8 not generated";
    ASSERT_EQ(std::strtod("1.5", nullptr), 1.0);  // the locale really reads a comma
    EXPECT_EQ(firstWrong(), "none");
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(AtofPrefix, TypedTextSkipsLeadingWhiteSpaceAsStrtodDoesButTokensDoNot)
{
    // \b and \016 lie just outside the white-space range \t..\r.
    const std::vector<std::string> texts = {" 2.5", "\t7", "\n\v\f\r -1e3", " +.5e-2x", "  .e1", "   ",
                                            " +-1", "",    "12 ",           "\b5",      "\0166"};
    for (const std::string& t : texts) {
        char* end = nullptr;
        const double expected = std::strtod(t.c_str(), &end);
        double got = -1;
        const char* parsed = ov::ParseAtofPrefixAfterSpace(t.data(), t.data() + t.size(), got);
        EXPECT_EQ(Bits(got), Bits(expected)) << '"' << t << '"';
        EXPECT_EQ(parsed - t.data(), end - t.c_str()) << '"' << t << '"';
        EXPECT_EQ(Bits(ov::AtofPrefixAfterSpace(t.data(), t.size())), Bits(expected)) << '"' << t << '"';
    }
    EXPECT_EQ(ov::AtofPrefixAfterSpace(" 2.5", 2), 2.0);  // only the given length
    EXPECT_EQ(ov::AtofPrefix(" 2.5", 4), 0.0);            // the reader's tokens keep their rule
    EXPECT_EQ(ov::AtofPrefix("12345", 2), 12.0);
    EXPECT_EQ(ov::AtofPrefix("12345", 0), 0.0);
}

}  // namespace
