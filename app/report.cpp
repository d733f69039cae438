#include "report.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <map>

#include "doc/describe.h"
#include "doc/document.h"
#include "doc/scale_profile.h"
#include "drawing/xobj.h"
#include "track/track_obj.h"

namespace {

// Takes down what an item's properties dialog would show and closes it
// with Cancel, so nothing is read back.
class RecordingHost : public DescribeHost {
public:
    bool showModal(CDescribe& dialog) override
    {
        shown = true;
        title = dialog.title;
        rows = dialog.rows;
        points.clear();
        for (const auto& [id, edit] : dialog.pointEdits) {
            if (edit.column == 0 || points.empty())
                points.emplace_back();
            points.back().push_back(dialog.fieldText(id));
        }
        return false;
    }

    bool shown = false;
    std::string title;
    std::vector<DescribeRow> rows;
    std::vector<std::vector<std::string>> points;
};

const char* jsonBool(bool value)
{
    return value ? "true" : "false";
}

template <typename Map, typename Value> Value lookup(const Map& map, int key, Value fallback)
{
    const auto it = map.find(key);
    return it == map.end() ? fallback : it->second;
}

void writeLayers(std::string& out, const LayoutTables& t)
{
    out += "\"layers\": [";
    bool first = true;
    for (const auto& [n, name] : t.layerNames) {
        out += first ? "\n  " : ",\n  ";
        first = false;
        out += "{\"number\": " + std::to_string(n) + ", \"name\": " + jsonString(name) +
               ", \"visible\": " + jsonBool(lookup(t.layerVisible, n, false)) +
               ", \"used\": " + jsonBool(lookup(t.layersUsed, n, false)) +
               ", \"colour\": " + std::to_string(lookup(t.layerColors, n, 0)) + "}";
    }
    out += "]";
}

void writeEnds(std::string& out, const LayoutTables& t)
{
    out += "\"ends\": [";
    for (std::size_t i = 0; i < t.endPoints.size(); ++i) {
        const EndPoint& e = t.endPoints[i];
        out += i ? ",\n  " : "\n  ";
        out += "{\"index\": " + std::to_string(i) + ", \"owner\": " + std::to_string(e.owner) +
               ", \"other\": " + std::to_string(e.other) + ", \"x\": " + jsonNumber(e.position.x) +
               ", \"y\": " + jsonNumber(e.position.y) + ", \"z\": " + jsonNumber(e.position.z) +
               ", \"angle\": " + jsonNumber(e.angle) + ", \"defined\": " + jsonBool(e.elevationDefined) +
               ", \"given\": " + jsonBool(e.elevationGiven) +
               ", \"onTurntable\": " + jsonBool(e.onTurntable) + "}";
    }
    out += "]";
}

void writeItem(std::string& out, CXBase& item, bool centimetres)
{
    RecordingHost host;
    item.describe(centimetres, host);
    out += "{\"number\": " + std::to_string(item.number) + ", \"layer\": " + std::to_string(item.layer) +
           ", \"title\": " + jsonString(host.title) + ",\n   \"rows\": [";
    for (std::size_t i = 0; i < host.rows.size(); ++i) {
        const DescribeRow& r = host.rows[i];
        out += i ? ", " : "";
        if (r.kind == DescribeRow::Message)
            out += "{\"message\": " + jsonString(r.label) + "}";
        else
            out += "{\"label\": " + jsonString(r.label) + ", \"value\": " + jsonString(r.value) + "}";
    }
    out += "],\n   \"points\": [";
    for (std::size_t i = 0; i < host.points.size(); ++i) {
        out += i ? ", [" : "[";
        for (std::size_t j = 0; j < host.points[i].size(); ++j)
            out += (j ? ", " : "") + jsonString(host.points[i][j]);
        out += "]";
    }
    out += "]}";
}

} // namespace

std::string jsonString(const std::string& text)
{
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else if (c >= 0x80) { // Latin-1 in UTF-8
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string jsonNumber(double value)
{
    if (!std::isfinite(value))
        return "null";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

int runReport(const CommandLine& c)
{
    CRavloViewerDoc doc(programFolder());
    if (!doc.onOpenDocument(c.layout)) {
        std::cerr << "ravloviewer: cannot open layout file " << c.layout << "\n";
        return 2;
    }
    const LayoutTables& t = doc.tables;
    const bool centimetres = !c.inches;
    std::string out = "{\"file\": " + jsonString(c.layout) +
                      ",\n\"units\": " + jsonString(centimetres ? "[cm]" : "[inch]") + ",\n\"messages\": [";
    for (std::size_t i = 0; i < t.loadMessages.size(); ++i)
        out += (i ? ",\n  " : "\n  ") + jsonString(narrowText(t.loadMessages[i]));
    out += "],\n";
    writeLayers(out, t);
    out += ",\n\"bounds\": [";
    for (std::size_t i = 0; i < t.bounds.size(); ++i)
        out += (i ? ", " : "") + jsonNumber(t.bounds[i]);
    out += "],\n";
    writeEnds(out, t);
    out += ",\n\"items\": [";
    bool first = true;
    for (CTrackObj* item = doc.trackItems; item; item = item->nextTrack()) {
        out += first ? "\n  " : ",\n  ";
        first = false;
        writeItem(out, *item, centimetres);
    }
    for (CXObj* item = doc.otherItems; item; item = item->nextOther()) {
        out += first ? "\n  " : ",\n  ";
        first = false;
        writeItem(out, *item, centimetres);
    }
    out += "]}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return t.loadMessages.empty() ? 0 : 1;
}
