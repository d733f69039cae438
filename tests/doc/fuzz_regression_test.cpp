// Layouts the fuzzer found to bring loading down (crash, sanitizer report,
// hang or unbounded memory). Every one must load and post-load quickly; where
// the fault left a mark in the model, that mark is checked too.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

#include "doc/document.h"
#include "export/vrml_export.h"
#include "mesh/rail_mesh.h"
#include "track/curve.h"
#include "track/straight.h"
#include "track/turn_out_item.h"
#include "track/turnout.h"

namespace fs = std::filesystem;

namespace {

CTrackObj* itemNumbered(CRavloViewerDoc& doc, int number)
{
    for (CTrackObj* t = doc.trackItems; t; t = t->nextTrack())
        if (t->number == number)
            return t;
    return nullptr;
}

std::vector<std::size_t> railVertexCounts(const TurnOutItem* segments)
{
    std::vector<std::size_t> counts;
    for (const TurnOutItem* s = segments; s; s = s->next)
        counts.push_back(s->rails ? s->rails->railVertices.size() : 0u);
    return counts;
}

// A "C" piece sweeping millions of degrees gets no meshes instead of an outline folded into a star that
// the polygon clipping never finishes; the straight pieces still build and
// a helix of 2^31 - 1 turns is refused with a message.
void brokenArcsBuildNoMeshes(CRavloViewerDoc& doc)
{
    auto* turnout = dynamic_cast<Turnout*>(itemNumbered(doc, 7));
    ASSERT_NE(turnout, nullptr);
    // Segments hold the last body line first: the "C" piece, then the "S".
    const std::vector<std::size_t> pieces = railVertexCounts(turnout->segments);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], 0u) << "the arc of 8421504 degrees";
    EXPECT_GT(pieces[1], 0u) << "the straight piece beside it";

    auto* helix = dynamic_cast<Curve*>(itemNumbered(doc, 2));
    ASSERT_NE(helix, nullptr);
    EXPECT_EQ(helix->segments, nullptr);
    const auto& messages = doc.tables.loadMessages;
    EXPECT_NE(std::find(messages.begin(), messages.end(), L"Item 2: Helix turns out of range "),
              messages.end());

    auto* straight = dynamic_cast<Straight*>(itemNumbered(doc, 1));
    ASSERT_NE(straight, nullptr);
    const std::vector<std::size_t> track = railVertexCounts(straight->segments);
    ASSERT_EQ(track.size(), 1u);
    EXPECT_GT(track[0], 0u);
}

const std::map<std::string, std::function<void(CRavloViewerDoc&)>>& expectations()
{
    static const std::map<std::string, std::function<void(CRavloViewerDoc&)>> table = {
        {"turnout_arc_sweep_millions_of_degrees.mrv", brokenArcsBuildNoMeshes},
    };
    return table;
}

std::vector<fs::path> fixtures()
{
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(fs::path(RAVLO_FIXTURES) / "fuzz"))
        if (e.path().extension() == ".mrv")
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

TEST(FuzzRegression, EveryFixtureLoadsPostLoadsAndExportsQuickly)
{
    const std::vector<fs::path> files = fixtures();
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        const auto begin = std::chrono::steady_clock::now();
        CRavloViewerDoc doc("/nonexistent-profile-folder");
        ASSERT_TRUE(doc.onOpenDocument(file.string()));
        doc.drawStructures = true;
        std::ostringstream world;
        writeVrmlWorld(world, doc, VrmlWorldInfo{"world.wrl", file.string(), {}});
        EXPECT_NE(world.str().find("#VRML V2.0"), std::string::npos);
        const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        EXPECT_LT(seconds, 20.0) << "the fault was a hang";
    }
}

TEST(FuzzRegression, FaultsLeaveTheExpectedMarks)
{
    for (const auto& [name, check] : expectations()) {
        SCOPED_TRACE(name);
        const fs::path file = fs::path(RAVLO_FIXTURES) / "fuzz" / name;
        ASSERT_TRUE(fs::exists(file));
        CRavloViewerDoc doc("/nonexistent-profile-folder");
        ASSERT_TRUE(doc.onOpenDocument(file.string()));
        check(doc);
    }
}
