#include <fstream>

#include "doc/document.h"
#include "doc/keywords.h"
#include "doc/record_factory.h"
#include "doc/tokenizer.h"
#include "drawing/xobj.h"
#include "track/track_obj.h"

namespace {

// One LAYERS record. The name, the visibility and the colour are stored in
// that order; a field that does not convert drops the rest of the record
// quietly, and what was stored before it stays. A line too short to hold a
// name is no layer at all: it is reported by its line number.
void readLayers(const std::string& line, int lineNumber, LayoutTables& tables)
{
    LineTokenizer tok(line);
    const std::vector<std::string> t = tok.splitTokens(" \t");
    if (t.size() < 11) {
        tables.addMessageText("Line " + std::to_string(lineNumber) + ": LAYERS record skipped, field " +
                              std::to_string(t.size()) + " is missing");
        return;
    }
    try {
        const int n = parseInt(t[1]);
        const bool visible = parseInt(t[2]) == 1;
        tables.layerNames[n] = std::to_string(static_cast<long long>(n) + 1) + " - " + t[10];
        tables.layerVisible[n] = visible;
        tables.layerColors[n] = parseInt(t[5]);
    } catch (const ParseError&) {
        // A field that does not convert adds no message.
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
            readLayers(line, in.lineNumber(), tables);
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
