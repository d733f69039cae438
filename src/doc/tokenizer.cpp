#include "doc/tokenizer.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cctype>
#include <cstdint>
#include <cstring>

bool LineTokenizer::nextToken(std::string& out, const char* delimiters)
{
    if (pos_ == npos || pos_ >= line_.size()) {
        pos_ = npos;
        return false;
    }
    std::string::size_type start = line_.find_first_not_of(delimiters, pos_);
    if (start == npos) {
        pos_ = npos;
        return false;
    }
    if (line_[start] == '"') {
        const std::string::size_type textStart = start + 1;
        std::string::size_type search = textStart;
        std::string::size_type close = npos;
        while (search <= line_.size()) {
            std::string::size_type q = line_.find('"', search);
            if (q == npos)
                break;
            if (q + 1 < line_.size() && line_[q + 1] == '"') {
                search = q + 2;
                continue;
            }
            close = q;
            break;
        }
        if (close == npos) {
            out = line_.substr(textStart);
            pos_ = line_.size();
        } else {
            out = line_.substr(textStart, close - textStart);
            pos_ = close + 1;
        }
        return true;
    }
    std::string::size_type end = line_.find_first_of(delimiters, start);
    if (end == npos) {
        out = line_.substr(start);
        pos_ = npos;
    } else {
        out = line_.substr(start, end - start);
        pos_ = end;
    }
    return true;
}

std::vector<std::string> LineTokenizer::splitTokens(const char* delimiters)
{
    std::vector<std::string> tokens;
    std::string token;
    while (nextToken(token, delimiters))
        tokens.push_back(token);
    return tokens;
}

namespace {

// strtod/strtof accept "inf", "nan" and hexadecimal forms; a layout writes
// plain decimal numbers only, so anything else is not a number here.
bool startsDecimalNumber(const char* p)
{
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f')
        ++p;
    if (*p == '+' || *p == '-')
        ++p;
    if (*p == '.')
        ++p;
    return std::isdigit(static_cast<unsigned char>(*p)) != 0;
}

std::string decimalPrefix(const std::string& token)
{
    // Cut a hexadecimal "0x" so that "0x10" reads as 0 like a decimal reader would.
    std::string::size_type x = token.find_first_of("xX");
    return x == std::string::npos ? token : token.substr(0, x);
}

} // namespace

int parseInt(const std::string& token)
{
    const char* s = token.c_str();
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(s, &end, 10);
    if (end == s)
        throw ParseError("not an integer: " + token);
    if (errno == ERANGE || v < INT32_MIN || v > INT32_MAX)
        throw ParseError("integer out of range: " + token);
    return static_cast<int>(v);
}

double parseFloat(const std::string& token)
{
    if (!startsDecimalNumber(token.c_str()))
        throw ParseError("not a number: " + token);
    const std::string text = decimalPrefix(token);
    char* end = nullptr;
    errno = 0;
    float v = std::strtof(text.c_str(), &end);
    if (end == text.c_str())
        throw ParseError("not a number: " + token);
    if (errno == ERANGE && std::isinf(v))
        throw ParseError("number out of range: " + token);
    return static_cast<double>(v);
}

double parseDouble(const std::string& token)
{
    if (!startsDecimalNumber(token.c_str()))
        throw ParseError("not a number: " + token);
    const std::string text = decimalPrefix(token);
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(text.c_str(), &end);
    if (end == text.c_str())
        throw ParseError("not a number: " + token);
    if (errno == ERANGE && std::isinf(v))
        throw ParseError("number out of range: " + token);
    return v;
}

const std::string& tokenAt(const std::vector<std::string>& tokens, std::size_t i)
{
    if (i >= tokens.size())
        throw ParseError("field " + std::to_string(i) + " is missing");
    return tokens[i];
}
