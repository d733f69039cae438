#include "export_vrml.h"

#include <filesystem>
#include <iostream>

#include "doc/document.h"
#include "doc/scale_profile.h"
#include "export/vrml_export.h"

namespace {

// The full path of a file, as a file dialog would give it.
std::string fullPath(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    return ec ? path : full.lexically_normal().string();
}

} // namespace

int runExportVrml(const CommandLine& c)
{
    CRavloViewerDoc doc(programFolder());
    if (!doc.onOpenDocument(c.layout)) {
        std::cerr << "ravloviewer: cannot open layout file " << c.layout << "\n";
        return 2;
    }
    // The view places the base plane so whenever it shows a layout.
    doc.basePlaneLevel = doc.tables.bounds[2] - 0.2;
    const VrmlExportResult result = exportVrml(doc, fullPath(c.output), fullPath(c.layout));
    if (!result.ok) {
        std::cerr << "ravloviewer: " << result.error << "\n";
        return 2;
    }
    return 0;
}
