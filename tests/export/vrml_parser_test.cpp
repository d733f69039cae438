#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <cctype>
#include <sstream>
#include <unistd.h>

#include "../support/file_text.h"
#include "../support/temp_layout.h"
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

// The installed tovrmlx3d knows the children of an LOD node only by their X3D
// name "children", not by the VRML 2.0 name "level" that the export writes
// (and VRML 2.0 browsers expect). The parser is given a copy in which the one
// name is swapped for the other on the LOD's own line; everything else is read
// as written.
std::string parserReadableCopy(const std::string& wrl)
{
    std::ifstream in(wrl, std::ios::binary);
    const std::string copy = wrl + ".parsed.wrl";
    std::ofstream out(copy, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t lod = line.find("LOD {");
        const std::size_t level = lod == std::string::npos ? lod : line.find(" level [", lod);
        if (level != std::string::npos)
            line.replace(level, 8, " children [");
        out << line << "\n";
    }
    return copy;
}

// Whether a word of the text reads "nan" or "inf" (in any case, with or
// without a sign): a number no VRML reader takes.
bool holdsNonFiniteNumber(const std::string& text)
{
    std::string word;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ' ';
        if (std::isalnum(static_cast<unsigned char>(c))) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            continue;
        }
        if (word == "nan" || word == "inf" || word == "infinity")
            return true;
        word.clear();
    }
    return false;
}

std::string parserComplaints(const std::string& wrl)
{
    const std::string errors = wrl + ".stderr";
    const std::string readable = parserReadableCopy(wrl);
    const std::string command =
        "tovrmlx3d " + shellQuoted(readable) + " > /dev/null 2> " + shellQuoted(errors);
    if (std::system(command.c_str()) != 0)
        return "tovrmlx3d did not run";
    std::ifstream in(errors);
    std::string line, complaints;
    while (std::getline(in, line))
        if (line.find("Warning") != std::string::npos || line.find("Error") != std::string::npos)
            complaints += line + "\n";
    fs::remove(errors);
    fs::remove(readable);
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

std::size_t count(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// One item of every kind: a straight with a buffer stop joined to a curve,
// a hidden straight (a tunnel), a turntable with a track joined on its rim,
// a turnout, an easement, Cornu and Bezier track, and a structure.
const std::string EveryKind =
    "LAYERS 0 1 0 0 8421504 0 0 0 0 Main\n"
    "STRAIGHT 1 0 0 0 0 HO 1\nE 0 0 270 9 0 0 1\nT 2 10 0 90\nEND\n"
    "CURVE 2 0 0 0 0 HO 1 0 0 0 10 0\nT 1 10 0 270\nT 3 20 10 0\nEND\n"
    "STRAIGHT 3 0 0 0 0 HO 0\nT 2 20 10 180\nE 20 30 0\nEND\n"
    "TURNTABLE 5 0 0 0 0 HO 1 50 0 0 6\nT 6 56 0 90\nE 44 0 270\nEND\n"
    "STRAIGHT 6 0 0 0 0 HO 1\nT 5 56 0 270\nE 66 0 90\nEND\n"
    "TURNOUT 7 0 0 0 0 HO 1 0 -30 0 0 \"Left\"\n"
    "S 0 0 0 0 10 0\nC 0 0 -20 0 -20 0 20\nE 0 -30 270\nE 10 -30 90\nE 6.84 -28.79 80\n"
    "END$SEGS\n"
    "JOINT 8 0 0 0 0 HO 1\nE 0 -50 270\nE 10 -50 90 9 0 0 0.5\nEND\n"
    "CORNU 9 0 0 0 0 HO 1\nS 1 1 -4 -70 0 -70\nC 1 1 4 0 -74 0 90\n"
    "E -4 -70 270\nE 4 -74 180\nEND\n"
    "BEZIER 10 0 0 0 0 HO 1\nS 1 1 0 -90 4 -90\nS 1 1 4 -90 10 -90\n"
    "E 0 -90 270 9 0 0 0\nE 10 -90 90\nEND\n"
    "STRUCTURE 101 0 0 0 0 HO 1 10.0 20.0 0 15 \"Shed\"\n"
    "L 16711680 0 0 0 0 12 0 0\nA 255 0 4 6 4 0 270 180\nEND\n";

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

TEST_F(VrmlParserCheck, LayoutWithEveryItemKindParses)
{
    const TempLayout layout(EveryKind);
    CRavloViewerDoc doc("/nonexistent-profile-folder");
    ASSERT_TRUE(doc.onOpenDocument(layout.path()));
    doc.drawStructures = true;
    EXPECT_EQ(exportAndParse(doc, layout.path()), "");

    const std::string text = fileText((folder / "world.wrl").string());
    EXPECT_GE(count(text, "appearance USE TRACK_EMBANKMENT"), 7u)
        << "an embankment for each visible track item";
    EXPECT_GE(count(text, "appearance USE HIDDEN"), 1u) << "the tunnel of the hidden straight";
    EXPECT_GE(count(text, "     0 3 2 1 -1 4 7 6 5 -1\n"), 1u)
        << "rail faces where track meets the turntable";
    EXPECT_GE(count(text, "geometry Extrusion"), 7u) << "buffer stops at the open ends";
    EXPECT_EQ(count(text, ") Structure Shed\n"), 1u);
    EXPECT_FALSE(holdsNonFiniteNumber(text));
}

// The same items with every track hidden, and a hidden helix: each track
// kind writes its tunnel.
TEST_F(VrmlParserCheck, EveryTrackKindHiddenParses)
{
    std::istringstream lines(EveryKind);
    std::string hidden, line;
    const char* const trackKinds[] = {"STRAIGHT", "CURVE", "TURNTABLE", "TURNOUT",
                                      "JOINT",    "CORNU", "BEZIER"};
    while (std::getline(lines, line)) {
        for (const char* kind : trackKinds)
            if (line.starts_with(std::string(kind) + " ") && line.find(" HO 1") != std::string::npos)
                line.replace(line.find(" HO 1"), 5, " HO 0");
        hidden += line + "\n";
    }
    hidden += "CURVE 11 0 0 0 0 HO 0 0 200 0 10 1\nE 10 200 90\nE 0 210 0 9 0 0 3\nEND\n";
    const TempLayout layout(hidden);
    CRavloViewerDoc doc("/nonexistent-profile-folder");
    ASSERT_TRUE(doc.onOpenDocument(layout.path()));
    EXPECT_EQ(exportAndParse(doc, layout.path()), "");

    const std::string text = fileText((folder / "world.wrl").string());
    EXPECT_GE(count(text, "appearance USE HIDDEN"), 9u) << "a tunnel for each track item but the turntable";
    EXPECT_FALSE(holdsNonFiniteNumber(text));
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
