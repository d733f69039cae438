#include <gtest/gtest.h>

#include <random>

#include "../support/temp_layout.h"
#include "doc/document.h"
#include "doc/keywords.h"
#include "track/track_obj.h"

namespace {

struct Doc {
    CRavloViewerDoc doc{""};
    bool open(const std::string& text)
    {
        TempLayout file(text);
        return doc.onOpenDocument(file.path());
    }
};

TEST(Keywords, TableHoldsEveryRecord)
{
    const auto& k = keywordCodes();
    EXPECT_EQ(k.at("LAYERS"), 6);
    EXPECT_EQ(k.at("STRAIGHT"), 10);
    EXPECT_EQ(k.at("DRAW"), 21);
    EXPECT_EQ(k.at("END$SEGS"), 22);
    EXPECT_EQ(k.at("END$TRACKS"), 22);
    EXPECT_EQ(k.count("straight"), 0u);
    EXPECT_EQ(k.size(), 25u);
}

TEST(Reader, LayersRecords)
{
    Doc d;
    ASSERT_TRUE(d.open("LAYERS 0 1 0 0 16711680 0 0 0 0 \"Main\"\n"
                       "LAYERS 4 2 0 0 255 0 0 0 0 \"Hidden yard\"\r\n"
                       "LAYERS 7 1 0 0 1 0 0 0 0 First\n"
                       "LAYERS 7 0 0 0 2 0 0 0 0 Second\n"));
    const LayoutTables& t = d.doc.tables;
    EXPECT_EQ(t.layerNames.at(0), "1 - Main");
    EXPECT_TRUE(t.layerVisible.at(0));
    EXPECT_EQ(t.layerColors.at(0), 0xFF0000);
    EXPECT_EQ(t.layerNames.at(4), "5 - Hidden yard");
    EXPECT_FALSE(t.layerVisible.at(4));
    EXPECT_EQ(t.layerNames.at(7), "8 - Second");
    EXPECT_FALSE(t.layerVisible.at(7));
    EXPECT_EQ(t.layerColors.at(7), 2);
    EXPECT_TRUE(t.loadMessages.empty());
}

// A field that does not convert drops the rest of the record without a
// message: what was stored before it (name, then visibility) stays.
TEST(Reader, BrokenLayersRecordsAreDroppedQuietly)
{
    Doc d;
    ASSERT_TRUE(d.open("LAYERS x 1 0 0 1 0 0 0 0 A\n"
                       "LAYERS 1 1 0 0 red 0 0 0 0 B\n"
                       "LAYERS 2 y 0 0 5 0 0 0 0 C\n"
                       "LAYERS 3 1 0 0 5 0 0 0 0 D\n"));
    const LayoutTables& t = d.doc.tables;
    EXPECT_EQ(t.layerNames.count(0), 0u);
    EXPECT_EQ(t.layerNames.at(1), "2 - B");
    EXPECT_TRUE(t.layerVisible.at(1));
    EXPECT_EQ(t.layerColors.count(1), 0u);
    EXPECT_EQ(t.layerNames.count(2), 0u);
    EXPECT_EQ(t.layerVisible.count(2), 0u);
    EXPECT_EQ(t.layerNames.at(3), "4 - D");
    EXPECT_TRUE(t.loadMessages.empty());
}

// A line too short to hold the layer's name stores nothing and is reported
// by its line number; reading goes on.
TEST(Reader, ShortLayersRecordsAreReported)
{
    Doc d;
    ASSERT_TRUE(d.open("LAYERS 2 1 0 0 5\n"
                       "LAYERS\n"
                       "LAYERS 3 1 0 0 5 0 0 0 0 C\n"));
    const LayoutTables& t = d.doc.tables;
    EXPECT_EQ(t.layerNames.count(2), 0u);
    EXPECT_EQ(t.layerVisible.count(2), 0u);
    EXPECT_EQ(t.layerNames.at(3), "4 - C");
    const std::vector<std::wstring> expected = {L"Line 1: LAYERS record skipped, field 6 is missing",
                                                L"Line 2: LAYERS record skipped, field 1 is missing"};
    EXPECT_EQ(t.loadMessages, expected);
}

TEST(Reader, TabBeforeTheKeywordHidesTheRecord)
{
    Doc d;
    ASSERT_TRUE(d.open("\tLAYERS 0 1 0 0 1 0 0 0 0 A\n   LAYERS 1 1 0 0 1 0 0 0 0 B\n"));
    EXPECT_EQ(d.doc.tables.layerNames.count(0), 0u);
    EXPECT_EQ(d.doc.tables.layerNames.at(1), "2 - B");
}

TEST(Reader, IgnoredRecordsLeaveNoTrace)
{
    Doc d;
    ASSERT_TRUE(d.open("VERSION 3\nTITLE1 \"x\"\nROOMSIZE 100 50\nNOTE 1 0 \"n\"\n  E 1 2 3\nEND\n"
                       "BLOCK 2\nT 1 2 3 4\nEND\nSIGNAL 3\nEND$TRACKS\nnonsense line\n\n"));
    EXPECT_EQ(d.doc.trackItems, nullptr);
    EXPECT_EQ(d.doc.otherItems, nullptr);
    EXPECT_TRUE(d.doc.tables.endPoints.empty());
    EXPECT_TRUE(d.doc.tables.layerNames.empty());
    EXPECT_TRUE(d.doc.tables.loadMessages.empty());
}

TEST(Document, UnreadableFileLeavesThePreviousLayout)
{
    Doc d;
    ASSERT_TRUE(d.open("LAYERS 0 1 0 0 1 0 0 0 0 Main\n"));
    EXPECT_FALSE(d.doc.onOpenDocument("/nonexistent/folder/layout.mrv"));
    EXPECT_EQ(d.doc.tables.layerNames.at(0), "1 - Main");
}

TEST(Document, FolderIsNoLayoutAndLeavesThePreviousOne)
{
    Doc d;
    ASSERT_TRUE(d.open("LAYERS 0 1 0 0 1 0 0 0 0 Main\n"));
    EXPECT_FALSE(d.doc.onOpenDocument(::testing::TempDir()));
    EXPECT_EQ(d.doc.tables.layerNames.at(0), "1 - Main");
}

// Nothing of one layout survives the opening of the next: the tables come
// out as those of a document that opened only the second layout.
TEST(Document, OpeningAnotherLayoutForgetsTheFirst)
{
    const std::string second = "LAYERS 2 1 0 0 1 0 0 0 0 Other\n"
                               "STRAIGHT 9 2 0 0 0 HO 1\n\tE 100 100 270\n\tE 110 100 90\n\tEND\n";
    Doc d;
    ASSERT_TRUE(d.open("LAYERS 0 1 0 0 255 0 0 0 0 Main\n"
                       "LAYERS 1 1 0 0 65280 0 0 0 0 Upper\n"
                       "STRAIGHT 4 1 0 0 0 HO 1\n\tE 0 0 270\n\tE 10 0 90\n\tEND\n"
                       "STRAIGHT 5 3 0 0 0 HO 1\n\tT 4 10 0 270\n\tE 20 0 90 9 0 0 2\n\tEND\n"));
    ASSERT_FALSE(d.doc.outlineVertices.empty());
    ASSERT_FALSE(d.doc.tables.loadMessages.empty());
    ASSERT_TRUE(d.open(second));
    Doc fresh;
    ASSERT_TRUE(fresh.open(second));

    const LayoutTables& t = d.doc.tables;
    const LayoutTables& f = fresh.doc.tables;
    EXPECT_EQ(t.layerNames, f.layerNames);
    EXPECT_EQ(t.layerVisible, f.layerVisible);
    EXPECT_EQ(t.layerColors, f.layerColors);
    EXPECT_EQ(t.layersUsed, f.layersUsed);
    EXPECT_EQ(t.bounds, f.bounds);
    EXPECT_TRUE(t.loadMessages.empty());
    EXPECT_EQ(t.endPoints.size(), f.endPoints.size());
    EXPECT_EQ(t.endKeys, f.endKeys);
    EXPECT_EQ(t.vrmlColours, f.vrmlColours);
    ASSERT_EQ(t.itemsByNumber.size(), 1u);
    EXPECT_EQ(t.itemsByNumber.begin()->first, 9);
    EXPECT_EQ(d.doc.outlineVertices.size(), fresh.doc.outlineVertices.size());
    ASSERT_NE(d.doc.trackItems, nullptr);
    EXPECT_EQ(d.doc.trackItems->nextTrack(), nullptr);
}

TEST(Document, EmptyFileGivesAnEmptyLayout)
{
    Doc d;
    ASSERT_TRUE(d.open(""));
    EXPECT_EQ(d.doc.trackItems, nullptr);
    EXPECT_TRUE(d.doc.tables.loadMessages.empty());
}

TEST(Document, FieldsStartAsTheProgramStarts)
{
    const CRavloViewerDoc doc("");
    EXPECT_FALSE(doc.drawStructures);
    EXPECT_TRUE(doc.showBasePlane);
    EXPECT_EQ(doc.basePlaneColor, 0xC0C0C0u);
    EXPECT_EQ(doc.basePlaneOpacity, 90);
    EXPECT_EQ(doc.tables.profiles.count("N"), 1u);
}

class CountingDialog : public ModelessDialog {
public:
    void closeDialog() override { ++closed; }
    int closed = 0;
};

TEST(Document, OpeningClosesTheModelessDialogs)
{
    Doc d;
    CountingDialog layers, plane;
    d.doc.layersDialog = &layers;
    d.doc.basePlaneDialog = &plane;
    ASSERT_TRUE(d.open(""));
    EXPECT_EQ(layers.closed, 1);
    EXPECT_EQ(plane.closed, 1);
    EXPECT_EQ(d.doc.layersDialog, nullptr);
    EXPECT_EQ(d.doc.basePlaneDialog, nullptr);
}

// Random bytes, long lines and truncated records must never bring the reader
// down; the sanitizer build turns any read past a buffer into a failure.
TEST(Reader, SurvivesGarbage)
{
    std::mt19937 rng(7);
    const std::string pieces[] = {"LAYERS ",    "STRAIGHT ",   "CURVE ",
                                  "TURNOUT ",   "DRAW ",       "STRUCTURE ",
                                  "CORNU ",     "BEZIER ",     "JOINT ",
                                  "TURNTABLE ", "BZRLIN ",     "T ",
                                  "E ",         "S ",          "C ",
                                  "END\n",      "END$SEGS\n",  "\"",
                                  "\"\"",       "\t",          " ",
                                  "\r\n",       "\n",          "-",
                                  "1",          "9",           "0.5",
                                  "1e308",      "99999999999", "x",
                                  "N",          "\xff",        std::string(1, '\0')};
    for (int round = 0; round < 200; ++round) {
        std::string text;
        const int n = static_cast<int>(rng() % 300);
        for (int i = 0; i < n; ++i)
            text += pieces[rng() % (sizeof pieces / sizeof pieces[0])];
        if (round % 50 == 0)
            text += std::string(100000, 'A');
        Doc d;
        EXPECT_TRUE(d.open(text));
    }
}

} // namespace
