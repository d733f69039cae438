#include "doc/end_point.h"

#include "doc/scale_profile.h"
#include "doc/tokenizer.h"

EndPoint::EndPoint(const std::string& endLine) : line(endLine)
{
    LineTokenizer tok(endLine);
    const std::vector<std::string> t = tok.splitTokens(" \t");
    if (t.empty())
        return;
    std::size_t i = 1;
    const char letter = t[0][0];
    if (letter == 'T')
        connection = parseInt(tokenAt(t, i++));
    else if (letter == 'E')
        connection = -1;
    else
        return;
    position.x = parseFloat(tokenAt(t, i++));
    position.y = parseFloat(tokenAt(t, i++));
    angle = static_cast<float>(parseFloat(tokenAt(t, i++)));
    if (i >= t.size())
        return;
    const int kind = parseInt(t[i++]);
    if (kind == 9) {
        i += 2;
        position.z = parseFloat(tokenAt(t, i));
        elevationDefined = true;
        elevationGiven = true;
    }
}

void EndPoint::applyProfile(const ScaleProfile& p)
{
    halfTopWidth = p.embankmentTopWidth() / 2;
    embankmentHeight = p.embankmentHeight();
    halfBottomWidth = p.embankmentBottomWidth() / 2;
    railHeight = p.railHeight();
    railWidth = p.railWidth();
    gauge = p.gauge();
}
