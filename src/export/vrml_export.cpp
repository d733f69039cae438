#include "export/vrml_export.h"

#include <iomanip>
#include <sstream>

#include "doc/document.h"
#include "drawing/xobj.h"
#include "export/end_markers.h"
#include "export/replacing_file.h"
#include "export/vrml_number_format.h"
#include "track/track_obj.h"

namespace {

const char* const SharedAppearances =
    "Shape{appearance DEF RAIL Appearance{material Material{ emissiveColor 0.2 0.2 0.25 diffuseColor 0.4 0.4 "
    "0.5 shininess 0.6}}}\n"
    "Shape{appearance DEF TRACK_EMBANKMENT Appearance{material Material{ emissiveColor 0.18 0.1 0.0 "
    "diffuseColor 0.35 0.2 0 shininess 0.2}}}\n"
    "Shape{appearance DEF TRACK_END Appearance{material Material{diffuseColor 0.35 0.2 0 shininess 0.2}}}\n"
    "Shape{appearance DEF TURNTABLE Appearance{material Material{ emissiveColor 0.18 0.1 0.0 diffuseColor "
    "0.35 0.2 0 }}}\n"
    "Shape{appearance DEF HIDDEN Appearance{material Material{ emissiveColor 0.1 0.1 0.1 diffuseColor 0.2 "
    "0.2 0.2 transparency 0.0 }}}\n";

// A path inside a VRML string: a double quote or a backslash would end the
// string early or vanish, so both are escaped with a backslash.
std::string quotedText(const std::string& text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted;
}

void writeHeader(std::ostream& out, const VrmlWorldInfo& info)
{
    out << "#VRML V2.0 utf8\n\n";
    out << "WorldInfo{\n title \"" << quotedText(info.targetPath) << "\"\n info [\n";
    out << "  \"Layout file : " << quotedText(info.layoutPath) << "\",\n";
    out << "  \"Created : " << formatCreationTime(info.created) << "\"\n";
    out << "  \"With : RavloViewer\"\n";
    out << " ]\n}\n";
    out << "NavigationInfo {}\n";
}

void writeBasePlane(std::ostream& out, const CRavloViewerDoc& doc)
{
    const unsigned c = doc.basePlaneColor;
    const double r = (c & 255) / 256.0;
    const double g = ((c >> 8) & 255) / 256.0;
    const double b = ((c >> 16) & 255) / 256.0;
    const double t = 1 - doc.basePlaneOpacity / 100.0;
    const auto& bounds = doc.tables.bounds;
    const double x0 = bounds[0], y0 = bounds[1], x1 = bounds[3], y1 = bounds[4];

    out << "Transform{\n translation 0 " << doc.basePlaneLevel << " 0\n children[\n  Shape{\n";
    out << "   appearance Appearance{ material Material{\n";
    out << "    emissiveColor " << r << " " << g << " " << b << "\n";
    out << "    diffuseColor " << r << " " << g << " " << b << "\n";
    out << "    transparency " << t << "\n";
    out << "    }\n   }\n";
    out << "   geometry IndexedFaceSet{\n    solid FALSE\n    coord Coordinate{\n     point[\n";
    const double corners[4][2] = {{x0, -y0}, {x0, -y1}, {x1, -y1}, {x1, -y0}};
    for (const auto& corner : corners)
        out << "      " << corner[0] << " 0 " << corner[1] << "\n";
    out << "     ]\n    }\n    coordIndex[ 0 1 2 3 -1 ]\n   }\n  }\n ]\n}\n####\n";
}

bool layerShown(const LayoutTables& tables, int layer)
{
    const auto found = tables.layerVisible.find(layer);
    return found != tables.layerVisible.end() && found->second;
}

// The layer of the track item with that number, or null when no track item
// has it. Looks only, so the export adds no entries to the table.
const int* itemLayer(const LayoutTables& tables, int number)
{
    const auto found = tables.itemsByNumber.find(number);
    if (found == tables.itemsByNumber.end() || !found->second)
        return nullptr;
    return &found->second->layer;
}

// An end is marked when the item owning it or the item joined to it lies on
// a visible layer. A joined number that names no track item counts as the
// owner's layer; an end whose owner is unknown as well is not marked.
bool endShown(const LayoutTables& tables, const EndPoint& r)
{
    const int* a = itemLayer(tables, r.owner);
    const int* b = r.other >= 1 ? itemLayer(tables, r.other) : nullptr;
    if (!b)
        b = a;
    if (!a)
        a = b;
    return a && (layerShown(tables, *a) || layerShown(tables, *b));
}

void writeCollisionGroup(std::ostream& out, CRavloViewerDoc& doc)
{
    LayoutTables& tables = doc.tables;
    out << "Collision {\n children[\n";
    for (CTrackObj* t = doc.trackItems; t; t = t->nextTrack())
        if (layerShown(tables, t->layer))
            t->writeVrml(out, doc.outlineVertices);
    if (doc.drawStructures)
        for (CXObj* o = doc.otherItems; o; o = o->nextOther())
            if (layerShown(tables, o->layer))
                o->writeVrml(out);
    for (const EndPoint& r : tables.endPoints)
        if (endShown(tables, r))
            writeEndMarker(out, r);
    out << " ]\n}\n\n";
}

// Gives the stream the export's number format and gives its own back when done.
class StreamFormatGuard {
public:
    explicit StreamFormatGuard(std::ostream& out)
        : out_(out), locale_(imbueVrmlNumbers(out)), flags_(out.flags()), precision_(out.precision()),
          fill_(out.fill())
    {
        out.flags(std::ios_base::dec | std::ios_base::skipws);
        out.precision(6);
        out.fill(' ');
        out.width(0);
    }
    ~StreamFormatGuard()
    {
        out_.imbue(locale_);
        out_.flags(flags_);
        out_.precision(precision_);
        out_.fill(fill_);
    }
    StreamFormatGuard(const StreamFormatGuard&) = delete;
    StreamFormatGuard& operator=(const StreamFormatGuard&) = delete;

private:
    std::ostream& out_;
    std::locale locale_;
    std::ios_base::fmtflags flags_;
    std::streamsize precision_;
    char fill_;
};

} // namespace

std::string formatCreationTime(const std::tm& time)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << std::put_time(&time, "%a %d %b %Y. %H:%M:%S");
    return text.str();
}

void writeVrmlWorld(std::ostream& out, CRavloViewerDoc& doc, const VrmlWorldInfo& info)
{
    const StreamFormatGuard guard(out);
    doc.tables.vrmlColours.clear();
    writeHeader(out, info);
    out << SharedAppearances << "\n\n";
    if (doc.showBasePlane)
        writeBasePlane(out, doc);
    writeCollisionGroup(out, doc);
}

VrmlExportResult exportVrml(CRavloViewerDoc& doc, const std::string& targetPath,
                            const std::string& layoutPath)
{
    VrmlExportResult result;
    ReplacingFile file(targetPath);
    if (!file.stream()) {
        result.error = file.error();
        return result;
    }
    VrmlWorldInfo info;
    info.targetPath = targetPath;
    info.layoutPath = layoutPath;
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &info.created);
    writeVrmlWorld(*file.stream(), doc, info);
    result.ok = file.commit();
    if (!result.ok)
        result.error = file.error();
    return result;
}
