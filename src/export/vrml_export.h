#pragma once

#include <ctime>
#include <ostream>
#include <string>

class CRavloViewerDoc;

// What the header of a VRML world names: the file written, the layout it
// was made from and when.
struct VrmlWorldInfo {
    std::string targetPath;
    std::string layoutPath;
    std::tm created{};
};

// The outcome of an export: ok, or the reason the file could not be written.
struct VrmlExportResult {
    bool ok = false;
    std::string error;
};

// Writes the loaded model as one VRML 2.0 world into the stream: header, the
// shared appearances, the base plane, and a Collision group with the track
// items, the structures (when shown) and the track-end markers of visible
// layers. Empties the document's vrmlColours first; changes nothing else in
// the document. The stream gets the export's number format for the duration
// and its locale and format back at the end.
void writeVrmlWorld(std::ostream& out, CRavloViewerDoc& doc, const VrmlWorldInfo& info);

// Writes the world into the file at targetPath, stamped with the current local
// time. The file is replaced only when all of it was written; otherwise an
// existing file stays untouched and the result tells why.
VrmlExportResult exportVrml(CRavloViewerDoc& doc, const std::string& targetPath,
                            const std::string& layoutPath);

// "Wed 09 Dec 2026. 17:55:19": the creation time as the header writes it.
std::string formatCreationTime(const std::tm& time);
