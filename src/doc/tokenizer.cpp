#include "doc/tokenizer.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <charconv>
#include <system_error>
#include <type_traits>

namespace {

// Delimiter sets are one or two characters (" " or " \t"); a direct scan is
// much cheaper than the library's per-character set search.
inline bool isDelimiter(char c, const char* delimiters)
{
    for (const char* d = delimiters; *d; ++d)
        if (*d == c)
            return true;
    return false;
}

} // namespace

bool LineTokenizer::nextToken(std::string& out, const char* delimiters)
{
    const std::string::size_type size = line_.size();
    if (pos_ == npos || pos_ >= size) {
        pos_ = npos;
        return false;
    }
    const char* text = line_.data();
    std::string::size_type start = pos_;
    while (start < size && isDelimiter(text[start], delimiters))
        ++start;
    if (start == size) {
        pos_ = npos;
        return false;
    }
    if (text[start] == '"') {
        const std::string::size_type textStart = start + 1;
        std::string::size_type search = textStart;
        std::string::size_type close = npos;
        while (search <= size) {
            std::string::size_type q = line_.find('"', search);
            if (q == npos)
                break;
            if (q + 1 < size && text[q + 1] == '"') {
                search = q + 2;
                continue;
            }
            close = q;
            break;
        }
        if (close == npos) {
            out.assign(text + textStart, size - textStart);
            pos_ = size;
        } else {
            out.assign(text + textStart, close - textStart);
            pos_ = close + 1;
        }
        return true;
    }
    std::string::size_type end = start;
    while (end < size && !isDelimiter(text[end], delimiters))
        ++end;
    out.assign(text + start, end - start);
    pos_ = end == size ? npos : end;
    return true;
}

std::vector<std::string> LineTokenizer::splitTokens(const char* delimiters)
{
    std::vector<std::string> tokens;
    tokens.reserve(16);
    std::string token;
    while (nextToken(token, delimiters))
        tokens.push_back(std::move(token));
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

// The common case of a plain decimal field ("12", "-3.25", "+1e3") read
// without the C library's locale and set-up costs. Gives false for anything
// unusual (no digits after the sign, out of range, underflow), which then
// goes through the C library's conversion and its error reporting.
template <typename T> bool fastConvert(const std::string& token, T& value)
{
    const char* first = token.c_str();
    const char* last = first + token.size();
    while (*first == ' ' || *first == '\t' || *first == '\n' || *first == '\r' || *first == '\v' ||
           *first == '\f')
        ++first;
    if (*first == '+') {
        ++first;
        if (*first == '-')
            return false;
    }
    // Digits must follow the sign, so "inf", "nan" and "-inf" never take this path.
    const char* digits = *first == '-' ? first + 1 : first;
    const bool startsNumber =
        std::isdigit(static_cast<unsigned char>(digits[0])) ||
        (!std::is_integral_v<T> && digits[0] == '.' && std::isdigit(static_cast<unsigned char>(digits[1])));
    if (!startsNumber)
        return false;
    std::from_chars_result r;
    if constexpr (std::is_integral_v<T>)
        r = std::from_chars(first, last, value, 10);
    else
        r = std::from_chars(first, last, value, std::chars_format::general);
    return r.ec == std::errc();
}

} // namespace

int parseInt(const std::string& token)
{
    int fast = 0;
    if (fastConvert(token, fast))
        return fast;
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
    float fast = 0.0f;
    if (fastConvert(token, fast))
        return static_cast<double>(fast);
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
    double fast = 0.0;
    if (fastConvert(token, fast))
        return fast;
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
