// The --export-vrml mode: the world written without the file dialog, with
// failures on standard error and in the exit status, and a failed export
// leaving any earlier file as it was.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "../support/file_text.h"
#include "../support/command_run.h"
#include "../support/temp_layout.h"

namespace fs = std::filesystem;

namespace {

const char* const oneStraight = "LAYERS 0 1 0 0 1 0 0 0 0 \"Main\"\n"
                                "STRAIGHT 1 0 0 0 0 HO 1\n\tE 0 0 270\n\tE 10 0 90\n\tEND$SEGS\n";

// A scratch folder for the files one test writes.
class ExportMode : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("ravlo_export_mode_" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    std::string path(const std::string& name) const { return (folder / name).string(); }

    fs::path folder;
};

TEST_F(ExportMode, WritesTheWorld)
{
    TempLayout layout(oneStraight);
    const std::string world = path("world.wrl");
    const CommandRun r = runProgram("--export-vrml " + world + " " + layout.path());
    EXPECT_EQ(r.status, 0);
    const std::string text = fileText(world);
    EXPECT_TRUE(text.starts_with("#VRML V2.0 utf8\n")) << text.substr(0, 40);
    EXPECT_NE(text.find("appearance USE RAIL"), std::string::npos);
}

// Standard output as the target: the world comes down the pipe.
TEST_F(ExportMode, WritesIntoAPipe)
{
    TempLayout layout(oneStraight);
    const CommandRun r = runProgram("--export-vrml /dev/stdout " + layout.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.starts_with("#VRML V2.0 utf8\n")) << r.out.substr(0, 40);
}

struct FailureCase {
    const char* name;
    bool layoutExists;
    const char* target;  // relative to the scratch folder
    bool oldFile;        // a read-only file stands at the target
    const char* message; // what standard error says
};

TEST_F(ExportMode, FailuresAreStatusTwoAndSaySo)
{
    const FailureCase cases[] = {
        {"missing layout", false, "world.wrl", false, "cannot open layout file"},
        {"missing folder", true, "no/such/folder/world.wrl", false, "Cannot write"},
        {"read-only file", true, "kept.wrl", true, "read-only"},
    };
    TempLayout layout(oneStraight);
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string target = path(c.target);
        if (c.oldFile) {
            std::ofstream(target) << "old world";
            fs::permissions(target, fs::perms::owner_read);
        }
        const std::string source = c.layoutExists ? layout.path() : path("absent.mrv");
        const std::string errors = path("errors.txt");
        const CommandRun r = runProgram("--export-vrml " + target + " " + source, errors);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(fileText(errors).find(c.message), std::string::npos) << fileText(errors);
        if (c.oldFile)
            EXPECT_EQ(fileText(target), "old world");
        else
            EXPECT_FALSE(fs::exists(target));
    }
}

} // namespace
