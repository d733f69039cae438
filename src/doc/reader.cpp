#include <fstream>

#include "doc/document.h"
#include "doc/keywords.h"
#include "doc/record_factory.h"
#include "doc/tokenizer.h"
#include "drawing/xobj.h"
#include "track/track_obj.h"

namespace {

// One LAYERS record. A field that does not convert drops the rest of the
// record; what was stored before it stays.
void readLayers(const std::string& line, LayoutTables& tables)
{
    LineTokenizer tok(line);
    const std::vector<std::string> t = tok.splitTokens(" \t");
    try {
        const int n = parseInt(tokenAt(t, 1));
        const bool visible = parseInt(tokenAt(t, 2)) == 1;
        const int colour = parseInt(tokenAt(t, 5));
        tables.layerNames[n] = std::to_string(static_cast<long long>(n) + 1) + " - " + tokenAt(t, 10);
        tables.layerVisible[n] = visible;
        tables.layerColors[n] = colour;
    } catch (const ParseError&) {
        // A broken LAYERS record adds no message; the layer stays as far as read.
    }
}

} // namespace

void CRavloViewerDoc::loadLayout(const std::string& path)
{
    if (path.empty())
        return;
    std::ifstream file(path, std::ios::binary);
    LayoutStream in(file);
    const auto& codes = keywordCodes();
    std::string line;
    while (in.good()) {
        if (!in.readLine(line))
            break;
        LineTokenizer tok(line);
        std::string keyword;
        if (!tok.nextToken(keyword, " "))
            continue;
        const auto found = codes.find(keyword);
        if (found == codes.end())
            continue;
        const int code = found->second;
        if (code == RecLayers) {
            readLayers(line, tables);
            continue;
        }
        const int recordLine = in.lineNumber();
        RecordItem item;
        try {
            item = makeRecordItem(code, line, tables, in);
        } catch (const ParseError& e) {
            tables.addMessageText("Line " + std::to_string(recordLine) + ": " + keyword +
                                  " record skipped, " + e.what());
            continue;
        }
        if (item.track) {
            CTrackObj* t = item.track.release();
            t->next = trackItems;
            trackItems = t;
            tables.layersUsed[t->layer] = true;
        } else if (item.other) {
            CXObj* o = item.other.release();
            o->next = otherItems;
            otherItems = o;
            tables.layersUsed[o->layer] = true;
        }
    }
}
