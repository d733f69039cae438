#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "export/vrml_export.h"
#include "export_test_items.h"

namespace fs = std::filesystem;

namespace {

// tovrmlx3d (from view3dscene) reads a VRML file and writes it back; it exits
// with 0 even when the file is broken, so its complaints are the lines of its
// standard error that hold "Warning" or "Error".
bool parserAvailable()
{
    return std::system("command -v tovrmlx3d > /dev/null 2>&1") == 0;
}

std::string shellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string parserComplaints(const std::string& wrl)
{
    const std::string errors = wrl + ".stderr";
    const std::string command = "tovrmlx3d " + shellQuoted(wrl) + " > /dev/null 2> " + shellQuoted(errors);
    if (std::system(command.c_str()) != 0)
        return "tovrmlx3d did not run";
    std::ifstream in(errors);
    std::string line, complaints;
    while (std::getline(in, line))
        if (line.find("Warning") != std::string::npos || line.find("Error") != std::string::npos)
            complaints += line + "\n";
    fs::remove(errors);
    return complaints;
}

class VrmlParserCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!parserAvailable())
            GTEST_SKIP() << "tovrmlx3d is not installed";
        std::string pattern = (fs::temp_directory_path() / "ravlo-vrml-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }

    // Exports the document and returns what the parser said about the file.
    std::string exportAndParse(CRavloViewerDoc& doc, const std::string& layoutPath)
    {
        const std::string target = (folder / "world.wrl").string();
        const VrmlExportResult r = exportVrml(doc, target, layoutPath);
        if (!r.ok)
            return "export failed: " + r.error;
        return parserComplaints(target);
    }

    fs::path folder;
};

// Every layout shipped with the program and every test fixture.
std::vector<fs::path> layoutFiles()
{
    std::vector<fs::path> files;
    const fs::path fixtures(RAVLO_FIXTURES);
    for (const fs::path& dir : {fixtures, fixtures.parent_path().parent_path() / "examples"}) {
        std::error_code ec;
        for (const auto& e : fs::recursive_directory_iterator(dir, ec))
            if (e.path().extension() == ".mrv")
                files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

TEST_F(VrmlParserCheck, FrameWithBasePlaneAndEveryKindOfEndMarkerParses)
{
    DocumentBuilder b;
    b.doc.showBasePlane = true;
    b.doc.basePlaneLevel = -0.2;
    b.layer(0, true);
    b.layer(1, true);
    b.track(1, 0, {"E 0 0 0", "T 2 0 10 0"}, true);
    b.track(2, 1, {"T 1 0 10 180", "T 3 0 20 45"});
    b.track(3, 1, {"T 2 0 20 225", "E 5 25 30"});
    b.doc.tables.endPoints[2].onTurntable = true;
    b.doc.tables.bounds = {-2, -2, -0.5, 12, 30, 1};
    b.doc.tables.endPoints[0].position.z = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(exportAndParse(b.doc, "/plans/\"quoted\" \\ name.mrv"), "");
}

TEST_F(VrmlParserCheck, EveryLayoutFileExportsToAValidWorld)
{
    const std::vector<fs::path> files = layoutFiles();
    if (files.empty())
        GTEST_SKIP() << "no layout files yet";
    for (const fs::path& file : files) {
        CRavloViewerDoc doc("/nonexistent-profile-folder");
        ASSERT_TRUE(doc.onOpenDocument(file.string())) << file;
        doc.drawStructures = true;
        doc.basePlaneLevel = doc.tables.bounds[2] - 0.2;
        for (auto& [layer, visible] : doc.tables.layerVisible)
            visible = true;
        EXPECT_EQ(exportAndParse(doc, file.string()), "") << file;
    }
}
