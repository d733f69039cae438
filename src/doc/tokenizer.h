#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// A number field of a record line that does not convert (no leading number,
// or a value outside the target type's range).
class ParseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Splits one line of a layout file into tokens. A token is a run of characters
// outside the delimiter set, or a double-quoted string (doubled quotes stay
// as two characters; a missing closing quote runs the token to the line end).
class LineTokenizer {
public:
    static constexpr std::string::size_type npos = std::string::npos;

    explicit LineTokenizer(std::string line) : line_(std::move(line)) {}

    bool nextToken(std::string& out, const char* delimiters);
    std::vector<std::string> splitTokens(const char* delimiters);

    const std::string& line() const { return line_; }
    std::string::size_type pos() const { return pos_; }

private:
    std::string line_;
    std::string::size_type pos_ = 0;
};

// Number conversions shared by every record: base 10, leading white space
// skipped, the longest numeric prefix converted and the rest ignored.
// Each throws ParseError when the token holds no number or it is out of range.
int parseInt(const std::string& token);
double parseFloat(const std::string& token); // nearest 32-bit float, widened
double parseDouble(const std::string& token);

// Token i of a split record line, or ParseError naming the missing field when
// the line is shorter. Keeps every record reader from reading past the end.
const std::string& tokenAt(const std::vector<std::string>& tokens, std::size_t i);
