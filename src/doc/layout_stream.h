#pragma once

#include <istream>
#include <string>

// The layout file as a sequence of lines, counting them so that a record that
// cannot be read can be reported by its line number. Line ends "\r\n" and "\n"
// both end a line; the last line need not end with one.
class LayoutStream {
public:
    explicit LayoutStream(std::istream& in) : in_(in) {}

    // Reads the next line; false when nothing was left to read.
    bool readLine(std::string& line)
    {
        if (!std::getline(in_, line))
            return false;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ++lineNumber_;
        return true;
    }

    bool good() const { return in_.good(); }
    // Number of the line read last (1 for the first line).
    int lineNumber() const { return lineNumber_; }

private:
    std::istream& in_;
    int lineNumber_ = 0;
};
