// Feeds every input as a layout file to the document: reading, the post-load
// sequence (neighbours, elevations, item geometry, footprint trimming; no
// display lists, as there is no rendering context) and the VRML export into
// memory. Whatever the bytes, none of it may crash, hang or misbehave.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "doc/document.h"
#include "export/vrml_export.h"

namespace {

// One file per fuzzing process, rewritten for every input; in shared memory
// where there is some, so that no disk is worn by it.
const std::string& layoutPath()
{
    static const std::string path = [] {
        const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return std::string(folder) + "/ravlo_fuzz_" + std::to_string(getpid()) + ".mrv";
    }();
    return path;
}

void removeLayoutFile()
{
    std::remove(layoutPath().c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool cleanupRegistered = std::atexit(removeLayoutFile) == 0;
    (void)cleanupRegistered;
    {
        std::ofstream file(layoutPath(), std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    CRavloViewerDoc doc("/nonexistent-profile-folder");
    if (!doc.onOpenDocument(layoutPath()))
        return 0;

    // Export everything there is: structures, every layer, the base plane
    // just under the layout.
    doc.drawStructures = true;
    doc.showBasePlane = true;
    doc.basePlaneLevel = doc.tables.bounds[2] - 0.2;
    for (auto& [layer, visible] : doc.tables.layerVisible)
        visible = true;
    std::ostringstream world;
    writeVrmlWorld(world, doc, VrmlWorldInfo{"fuzz.wrl", layoutPath(), {}});
    return 0;
}
