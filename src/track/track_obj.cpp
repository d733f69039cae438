#include "track/track_obj.h"

#include <cwchar>

#include "doc/layout_tables.h"
#include "doc/tokenizer.h"

std::string itemTitle(int number)
{
    return "T" + std::to_string(number);
}

std::string recordMessage(int lineNumber, const std::string& keyword, int number, const std::string& why)
{
    return "Line " + std::to_string(lineNumber) + ": " + keyword + " record of item " +
           std::to_string(number) + ": line skipped, " + why;
}

std::string trimLeft(const std::string& line)
{
    const std::string::size_type start = line.find_first_not_of(" \t\n\r\v\f");
    return start == std::string::npos ? std::string() : line.substr(start);
}

namespace {

// Body lines are read once each; trimming them where they lie saves a copy.
void trimLeftInPlace(std::string& line)
{
    const std::string::size_type start = line.find_first_not_of(" \t\n\r\v\f");
    line.erase(0, start == std::string::npos ? line.size() : start);
}

} // namespace

void CTrackObj::readHeader(const std::vector<std::string>& t)
{
    number = parseInt(tokenAt(t, 1));
    layer = parseInt(tokenAt(t, 2));
    scale = tokenAt(t, 6);
    visible = parseInt(tokenAt(t, 7));
    tables->requireLayer(number, layer);
}

void CTrackObj::readBody(LayoutStream& in, const char* keyword)
{
    std::string raw;
    while (in.good()) {
        if (!in.readLine(raw))
            break;
        trimLeftInPlace(raw);
        const std::string& line = raw;
        if (line == "END" || line == "END$SEGS")
            break;
        if (line.empty())
            continue;
        try {
            readBodyLine(line);
        } catch (const ParseError& e) {
            tables->addMessageText(recordMessage(in.lineNumber(), keyword, number, e.what()));
        }
    }
}

void CTrackObj::readBodyLine(const std::string& line)
{
    if (line.empty() || (line[0] != 'E' && line[0] != 'T'))
        return;
    EndPoint record(line);
    record.applyProfile(tables->profile(scale));
    record.owner = number;
    record.other = record.connection;
    ends.push_back(tables->registerEnd(std::move(record)));
}
