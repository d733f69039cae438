#include <cmath>
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
    } cases[] = {{"12abc", 12}, {"  -7", -7}, {"+3", 3}, {"0", 0}, {"2147483647", 2147483647},
                 {"-2147483648", -2147483647 - 1}, {"5.9", 5}};
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

TEST(TokenAt, ReportsMissingFields)
{
    const std::vector<std::string> t = {"a", "b"};
    EXPECT_EQ(tokenAt(t, 1), "b");
    EXPECT_THROW(tokenAt(t, 2), ParseError);
}

} // namespace
