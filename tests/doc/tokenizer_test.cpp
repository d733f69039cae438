#include <cmath>
#include <cstdlib>
#include <random>
#include <gtest/gtest.h>

#include "doc/tokenizer.h"

namespace {

std::vector<std::string> split(const std::string& line, const char* delims = " \t")
{
    return LineTokenizer(line).splitTokens(delims);
}

TEST(LineTokenizer, SplitsAtBlanksAndTabs)
{
    EXPECT_EQ(split("STRAIGHT 12\t0  N"), (std::vector<std::string>{"STRAIGHT", "12", "0", "N"}));
    EXPECT_TRUE(split("").empty());
    EXPECT_TRUE(split(" \t  ").empty());
}

TEST(LineTokenizer, KeywordDelimiterIsABlankOnly)
{
    LineTokenizer tok("\tSTRAIGHT 1");
    std::string keyword;
    ASSERT_TRUE(tok.nextToken(keyword, " "));
    EXPECT_EQ(keyword, "\tSTRAIGHT");
    LineTokenizer blanks("   LAYERS 0");
    ASSERT_TRUE(blanks.nextToken(keyword, " "));
    EXPECT_EQ(keyword, "LAYERS");
}

TEST(LineTokenizer, QuotedTokensKeepDoubledQuotes)
{
    EXPECT_EQ(split("x \"a\"\"b\" next"), (std::vector<std::string>{"x", "a\"\"b", "next"}));
    EXPECT_EQ(split("\"two words\"after"), (std::vector<std::string>{"two words", "after"}));
    // A quoted token at the end of a line is its last token.
    EXPECT_EQ(split("name \"Main\""), (std::vector<std::string>{"name", "Main"}));
    EXPECT_EQ(split("\"\""), (std::vector<std::string>{""}));
}

TEST(LineTokenizer, UnclosedQuoteRunsToTheLineEnd)
{
    EXPECT_EQ(split("a \"open text"), (std::vector<std::string>{"a", "open text"}));
    EXPECT_EQ(split("a \""), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(split("a \"x\"\""), (std::vector<std::string>{"a", "x\"\""}));
}

TEST(LineTokenizer, ExhaustedTokenizerLeavesOutputAlone)
{
    LineTokenizer tok("one");
    std::string out;
    ASSERT_TRUE(tok.nextToken(out, " "));
    out = "unchanged";
    EXPECT_FALSE(tok.nextToken(out, " "));
    EXPECT_FALSE(tok.nextToken(out, " "));
    EXPECT_EQ(out, "unchanged");
    EXPECT_EQ(tok.pos(), LineTokenizer::npos);
}

TEST(LineTokenizer, BinaryBytesAreOrdinaryCharacters)
{
    const std::string line("a\0b \xff\x01", 6);
    const auto t = split(line);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0], std::string("a\0b", 3));
    EXPECT_EQ(t[1], "\xff\x01");
}

TEST(ParseInt, ReadsTheLeadingNumber)
{
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"12abc", 12},
                 {"  -7", -7},
                 {"+3", 3},
                 {"0", 0},
                 {"2147483647", 2147483647},
                 {"-2147483648", -2147483647 - 1},
                 {"5.9", 5}};
    for (const Case& c : cases)
        EXPECT_EQ(parseInt(c.text), c.value) << c.text;
}

TEST(ParseInt, FailsWithoutANumberOrOutOfRange)
{
    for (const char* text : {"abc", "", "-", " ", "2147483648", "-2147483649", "99999999999999999999"})
        EXPECT_THROW(parseInt(text), ParseError) << text;
}

TEST(ParseFloat, HoldsTheNearestSinglePrecisionValue)
{
    EXPECT_EQ(parseFloat("1.8"), static_cast<double>(1.8f));
    EXPECT_NE(parseFloat("1.8"), 1.8);
    EXPECT_EQ(parseFloat("2.5xyz"), 2.5);
    EXPECT_EQ(parseFloat("-0.125"), -0.125);
    EXPECT_EQ(parseFloat("1e2"), 100.0);
}

TEST(ParseDouble, HoldsTheNearestDouble)
{
    EXPECT_EQ(parseDouble("1.8"), 1.8);
    EXPECT_EQ(parseDouble("  12.5mm"), 12.5);
}

TEST(ParseNumbers, RejectWhatALayoutNeverWrites)
{
    for (const char* text : {"abc", "", ".", "-", "nan", "inf", "-infinity"}) {
        EXPECT_THROW(parseFloat(text), ParseError) << text;
        EXPECT_THROW(parseDouble(text), ParseError) << text;
    }
    EXPECT_THROW(parseFloat("1e39"), ParseError);
    EXPECT_THROW(parseDouble("1e309"), ParseError);
    // "0x10" is read as its decimal prefix 0, not as hexadecimal 16.
    EXPECT_EQ(parseDouble("0x10"), 0.0);
    EXPECT_EQ(parseFloat(".5"), 0.5);
}

// The conversions have a quick path for plain decimal fields; whatever it
// takes, the result must be the C library's correctly rounded value.
TEST(ParseNumbers, AgreeWithTheCLibraryOnRandomDecimalFields)
{
    std::mt19937 rng(20261211);
    const char* signs[] = {"", "-", "+", " ", "\t-"};
    const char* tails[] = {"", "x", "mm", "e", "e+", ".", "0x1"};
    std::uniform_int_distribution<int> digit(0, 9), count(0, 12), exponent(-50, 50), pick(0, 99);
    for (int i = 0; i < 20000; ++i) {
        std::string text = signs[pick(rng) % 5];
        for (int n = count(rng) + 1; n > 0; --n)
            text += char('0' + digit(rng));
        if (pick(rng) < 70) {
            text += '.';
            for (int n = count(rng); n > 0; --n)
                text += char('0' + digit(rng));
        }
        if (pick(rng) < 30)
            text += "e" + std::to_string(exponent(rng));
        text += tails[pick(rng) % 7];

        const float f = std::strtof(text.c_str(), nullptr);
        if (!std::isinf(f))
            EXPECT_EQ(parseFloat(text), static_cast<double>(f)) << text;
        const double d = std::strtod(text.c_str(), nullptr);
        if (!std::isinf(d))
            EXPECT_EQ(parseDouble(text), d) << text;
        const long l = std::strtol(text.c_str(), nullptr, 10);
        if (l >= INT32_MIN && l <= INT32_MAX && text.find_first_of("0123456789") < 3)
            EXPECT_EQ(parseInt(text), static_cast<int>(l)) << text;
    }
}

TEST(TokenAt, ReportsMissingFields)
{
    const std::vector<std::string> t = {"a", "b"};
    EXPECT_EQ(tokenAt(t, 1), "b");
    EXPECT_THROW(tokenAt(t, 2), ParseError);
}

} // namespace
