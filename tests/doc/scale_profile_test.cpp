#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "doc/scale_profile.h"

namespace {

TEST(ScaleProfile, DefaultIsSixteenAndAHalfMillimetreGauge)
{
    const ScaleProfile p;
    EXPECT_EQ(p.name, "default");
    ASSERT_EQ(p.values.size(), 8u);
    const double mm[] = {16.5, 2, 0.9, 9, 38, 59, 58, 72};
    for (int i = 0; i < 8; ++i)
        EXPECT_DOUBLE_EQ(p.values[i], mm[i] / 25.4) << i;
}

TEST(ScaleProfile, FewerThanEightValuesGiveTheDefaults)
{
    const ScaleProfile p("HO", {1, 2, 3});
    EXPECT_EQ(p.name, "HO");
    EXPECT_DOUBLE_EQ(p.gauge(), 16.5 / 25.4);
}

TEST(ParseProfileLine, Cases)
{
    struct Case {
        const char* line;
        bool accepted;
        const char* name;
        std::size_t count;
    } cases[] = {
        {"N 9 1.8 0.8 4 20 30 32 41", true, "N", 8},
        {"Z\t6.5 1 0.5 3 15 22 26 34", true, "Z", 8},
        {"TT 1 2 3 4 5 6 7", false, "TT", 7},
        {"HO 16.5 2 0.9 9 38 59 58 72 99", true, "HO", 9},
        {"H0 16.5 2 0.9 9 38 59 58 72 mm 99", true, "H0", 8},
        {"#N 9 1.8 0.8 4 20 30 32 41", false, "", 0},
        {"", false, "", 0},
        {"lonely", false, "", 0},
        {"O 1 2 3 4 5 6 7 1e39", false, "O", 7},
    };
    for (const Case& c : cases) {
        std::string name;
        std::vector<double> mm;
        EXPECT_EQ(parseProfileLine(c.line, name, mm), c.accepted) << c.line;
        if (c.accepted) {
            EXPECT_EQ(name, c.name);
            EXPECT_EQ(mm.size(), c.count) << c.line;
        }
    }
}

TEST(ParseProfileLine, ValuesCarrySinglePrecision)
{
    std::string name;
    std::vector<double> mm;
    ASSERT_TRUE(parseProfileLine("N 9 1.8 0.8 4 20 30 32 41", name, mm));
    EXPECT_EQ(mm[1], static_cast<double>(1.8f));
}

class ProfileFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("ravlo_cfg_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    void write(const std::string& text) { std::ofstream(folder_ / "RavloViewer.cfg") << text; }
    std::string folder() const { return folder_.string() + "/"; }

    std::filesystem::path folder_;
};

TEST_F(ProfileFile, MissingFileLeavesTheBuiltInN)
{
    ProfileMap m;
    loadProfiles(m, folder());
    ASSERT_EQ(m.size(), 1u);
    EXPECT_DOUBLE_EQ(m["N"].gauge(), 9 / 25.4);
    EXPECT_DOUBLE_EQ(m["N"].tunnelHeight(), 41 / 25.4);
    // An unknown scale silently gets the default profile.
    EXPECT_DOUBLE_EQ(m["HO"].gauge(), 16.5 / 25.4);
    EXPECT_EQ(m["HO"].name, "default");
}

TEST_F(ProfileFile, LaterLinesWinAndReplaceTheBuiltIn)
{
    write("# comment\n\nN 10 1.8 0.8 4 20 30 32 41\r\nTT 1 2 3 4 5 6 7\nN 12 1.8 0.8 4 20 30 32 41\n");
    ProfileMap m;
    loadProfiles(m, folder());
    EXPECT_EQ(m.count("TT"), 0u);
    EXPECT_DOUBLE_EQ(m["N"].gauge(), static_cast<double>(12.0f) / 25.4);
}

TEST(ProfileFolder, EmptyFolderReadsNoFile)
{
    ProfileMap m;
    loadProfiles(m, "");
    EXPECT_EQ(m.size(), 1u);
    EXPECT_FALSE(programFolder().empty());
    EXPECT_EQ(programFolder().back(), '/');
}

} // namespace
