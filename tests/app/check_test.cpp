// The --check mode as a script would use it: messages on standard output,
// one a line, and the exit status telling whether there were any.
#include <gtest/gtest.h>

#include "../support/command_run.h"
#include "../support/temp_layout.h"

namespace {

CommandRun run(const std::string& args)
{
    return runProgram(args);
}

TEST(CheckMode, CleanLayoutPrintsNothing)
{
    TempLayout f("LAYERS 0 1 0 0 1 0 0 0 0 \"Main\"\n"
                 "STRAIGHT 1 0 0 0 0 N 1\n\tE 0 0 270\n\tE 10 0 90\n\tEND$SEGS\n");
    const CommandRun r = run("--check " + f.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
}

TEST(CheckMode, MessagesInTheOrderCollected)
{
    TempLayout f("LAYERS 0 1 0 0 1 0 0 0 0 \"Main\"\n"
                 "STRAIGHT 4 3 0 0 0 N 1\n\tE 0 0 270\n\tE 10 0 90\n\tEND$SEGS\n"
                 "STRAIGHT 5 0 0 0 0 N 1\n\tE 4000 3000 270 9 0 0 1\n\tE 10 0 90\n\tEND\n"
                 "STRAIGHT 6 3 0 0 0 N 1\n\tE 20 0 270\n\tE 30 0 90\n\tEND\n");
    const CommandRun r = run("--check " + f.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Item 4: Layer 3 undefined \n"
                     "Item 5: endpoint out of range at (x:4000.00 y:3000.00)\n");
}

TEST(CheckMode, BrokenRecordsNameTheirLine)
{
    TempLayout f("LAYERS 0 1 0 0 1 0 0 0 0 \"Main\"\n"
                 "STRAIGHT x 0 0 0 0 N 1\n\tE 0 0 270\n\tE 10 0 90\n\tEND\n"
                 "STRAIGHT 7 0 0 0 0 N 1\n\tE 0 0\n\tE 10 0 90\n\tEND\n"
                 "STRAIGHT 8 0\n");
    const CommandRun r = run("--check " + f.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("Line 2: STRAIGHT"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Line 7: STRAIGHT record of item 7"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Line 10: STRAIGHT"), std::string::npos) << r.out;
}

TEST(CheckMode, UnreadableFileIsStatusTwo)
{
    const CommandRun r = run("--check /nonexistent/x.mrv");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
}

TEST(CheckMode, ExampleLayoutLoadsCleanly)
{
    const CommandRun r = run(std::string("--check ") + RAVLO_FIXTURES + "/../../examples/every_track.mrv");
    EXPECT_EQ(r.status, 0) << r.out;
}

TEST(CommandLine, VersionAndHelp)
{
    EXPECT_EQ(run("--version").out, "RavloViewer, Version 1.0.7\n");
    const CommandRun help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--check LAYOUT"), std::string::npos);
    EXPECT_EQ(run("--bogus").status, 2);
    EXPECT_EQ(run("--check").status, 2);
}

} // namespace
