#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "../support/file_text.h"
#include "export/replacing_file.h"
#include "export/vrml_export.h"
#include "export_test_items.h"

namespace fs = std::filesystem;

namespace {

// A fresh empty folder for one test, removed afterwards.
class ExportFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "ravlo-export-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder, ec);
    }

    std::string path(const std::string& name) const { return (folder / name).string(); }

    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder;
};

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// A track item that writes a lot: more than one buffer of the file writer.
class BulkyItem : public CTrackObj {
public:
    explicit BulkyItem(LayoutTables& tables) : CTrackObj(tables) {}
    std::ostream& writeVrml(std::ostream& out, OutlineVertices&) override
    {
        const std::string line(99, '#');
        for (int i = 0; i < 40000; ++i)
            out << line << "\n";
        return out;
    }
};

} // namespace

TEST_F(ExportFolder, WritesANewFileAndLeavesNothingElse)
{
    DocumentBuilder b;
    const std::string target = path("world.wrl");
    const VrmlExportResult r = exportVrml(b.doc, target, "/plans/a.mrv");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(r.error.empty());
    const std::string text = fileText(target);
    EXPECT_TRUE(text.starts_with("#VRML V2.0 utf8\n\nWorldInfo{\n title \"" + target +
                                 "\"\n info [\n"
                                 "  \"Layout file : /plans/a.mrv\",\n  \"Created : "))
        << text;
    EXPECT_TRUE(text.ends_with("Collision {\n children[\n ]\n}\n\n"));
    EXPECT_EQ(entries(), std::vector<std::string>{"world.wrl"});
    struct stat st {};
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask) << "a new file gets the usual permissions";
}

TEST_F(ExportFolder, ReplacesAnExistingFileKeepingItsPermissions)
{
    DocumentBuilder b;
    const std::string target = path("world.wrl");
    writeFile(target, "old contents");
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    const VrmlExportResult r = exportVrml(b.doc, target, "a.mrv");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(fileText(target).starts_with("#VRML V2.0 utf8\n"));
    struct stat st {};
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(entries(), std::vector<std::string>{"world.wrl"});
}

TEST_F(ExportFolder, MissingFolderIsReported)
{
    DocumentBuilder b;
    const std::string target = path("no-such-folder/world.wrl");
    const VrmlExportResult r = exportVrml(b.doc, target, "a.mrv");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find(target), std::string::npos) << r.error;
    EXPECT_NE(r.error.find("No such file or directory"), std::string::npos) << r.error;
    EXPECT_TRUE(entries().empty());
}

TEST_F(ExportFolder, ReadOnlyFileStaysUntouched)
{
    DocumentBuilder b;
    const std::string target = path("world.wrl");
    writeFile(target, "old contents");
    ASSERT_EQ(chmod(target.c_str(), 0444), 0);
    const VrmlExportResult r = exportVrml(b.doc, target, "a.mrv");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("read-only"), std::string::npos) << r.error;
    EXPECT_EQ(fileText(target), "old contents");
    EXPECT_EQ(entries(), std::vector<std::string>{"world.wrl"});
}

TEST_F(ExportFolder, ReadOnlyFolderIsReported)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser may write into read-only folders";
    DocumentBuilder b;
    const std::string target = path("world.wrl");
    writeFile(target, "old contents");
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
    const VrmlExportResult r = exportVrml(b.doc, target, "a.mrv");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("Permission denied"), std::string::npos) << r.error;
    EXPECT_EQ(fileText(target), "old contents");
}

TEST_F(ExportFolder, FolderAsTargetIsReported)
{
    DocumentBuilder b;
    fs::create_directory(folder / "world.wrl");
    const VrmlExportResult r = exportVrml(b.doc, path("world.wrl"), "a.mrv");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("folder"), std::string::npos) << r.error;
    EXPECT_TRUE(fs::is_directory(folder / "world.wrl"));
}

TEST_F(ExportFolder, WriteThroughALinkReplacesTheLinkedFile)
{
    DocumentBuilder b;
    writeFile(path("real.wrl"), "old contents");
    fs::create_symlink("real.wrl", folder / "link.wrl");
    const VrmlExportResult r = exportVrml(b.doc, path("link.wrl"), "a.mrv");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(fs::is_symlink(folder / "link.wrl"));
    EXPECT_TRUE(fileText(path("real.wrl")).starts_with("#VRML V2.0 utf8\n"));
}

TEST_F(ExportFolder, FailedWriteKeepsTheOldFile)
{
    // The file size limit makes writes past 64 KiB fail (EFBIG) the way a
    // full disk would.
    DocumentBuilder b;
    b.layer(0, true);
    auto* bulky = new BulkyItem(b.doc.tables);
    b.doc.trackItems = bulky;
    const std::string target = path("world.wrl");
    writeFile(target, "old contents");

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 64 * 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const VrmlExportResult r = exportVrml(b.doc, target, "a.mrv");
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("writing failed"), std::string::npos) << r.error;
    EXPECT_EQ(fileText(target), "old contents");
    EXPECT_EQ(entries(), std::vector<std::string>{"world.wrl"});
}

// A pipe is written into as it is: whoever reads it gets the whole world, and
// it stays a pipe.
TEST_F(ExportFolder, PipeTargetIsWrittenInPlace)
{
    DocumentBuilder b;
    const std::string pipe = path("world.fifo");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = fileText(pipe); });
    const VrmlExportResult r = exportVrml(b.doc, pipe, "a.mrv");
    reader.join();
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(received.starts_with("#VRML V2.0 utf8\n")) << received.substr(0, 40);
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(entries(), std::vector<std::string>{"world.fifo"});
}

TEST(ExportDevice, WriteFailureOfADeviceIsReported)
{
    if (access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full";
    DocumentBuilder b;
    const VrmlExportResult r = exportVrml(b.doc, "/dev/full", "a.mrv");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("writing failed"), std::string::npos) << r.error;
    struct stat st {};
    ASSERT_EQ(stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

TEST(DescriptorBuffer, RemembersTheFirstWriteError)
{
    const int fd = ::open("/dev/full", O_WRONLY);
    if (fd < 0)
        GTEST_SKIP() << "no /dev/full";
    DescriptorBuffer buffer(fd);
    std::ostream out(&buffer);
    out << "some text";
    EXPECT_EQ(buffer.error(), 0) << "still in the buffer";
    out.flush();
    EXPECT_EQ(buffer.error(), ENOSPC);
    EXPECT_TRUE(out.bad());
    ::close(fd);
}
