#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>

#include "doc/document.h"
#include "modal_helper.h"
#include "ui/describe_dialog.h"
#include "ui/read_file_messages.h"

namespace {

struct ShownDialog {
    QString title;
    std::vector<std::pair<QString, QRect>> lines;
    int height = 0;
    bool seen = false;
};

// Records what the next modal "Read File" window shows, then closes it.
std::unique_ptr<ModalWatcher> captureNextDialog(ShownDialog& shown)
{
    return std::make_unique<ModalWatcher>([&shown](QWidget* modal) {
        shown.seen = true;
        shown.title = modal->windowTitle();
        shown.height = modal->height();
        for (QLabel* label : modal->findChildren<QLabel*>())
            if (label->geometry().left() == 10)
                shown.lines.emplace_back(label->text(), label->geometry());
        std::sort(shown.lines.begin(), shown.lines.end(),
                  [](const auto& a, const auto& b) { return a.second.top() < b.second.top(); });
        if (auto* dialog = qobject_cast<CDescribeDialog*>(modal))
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        else
            modal->close();
    });
}

TEST(ReadFileMessages, ListsMessagesInOrderFromPosition20)
{
    QtDescribeHost host;
    ReadFileMessages sink(host);
    ShownDialog shown;
    auto watcher = captureNextDialog(shown);
    sink.showLoadMessages({L"Item 2: Layer 3 undefined ", L"Item 5: Zero length track found "});
    ASSERT_TRUE(shown.seen);
    EXPECT_EQ(shown.title, QString("Read File"));
    ASSERT_EQ(shown.lines.size(), 2u);
    EXPECT_EQ(shown.lines[0].first, QString("Item 2: Layer 3 undefined "));
    EXPECT_EQ(shown.lines[0].second, QRect(10, 32, 490, 20));
    EXPECT_EQ(shown.lines[1].first, QString("Item 5: Zero length track found "));
    EXPECT_EQ(shown.lines[1].second, QRect(10, 62, 490, 20));
    // Rows at 20 and 50: the dialog is 50 + 70 high.
    EXPECT_EQ(shown.height, 120);
}

TEST(ReadFileMessages, LayoutMessagesAreShownAfterLoading)
{
    const std::string path = testing::TempDir() + "read_file_messages.mrv";
    std::ofstream(path) << "LAYERS 0 1 0 0 0 255 0 0 0 0 \"Main\"\n"
                           "STRAIGHT 1 0 0 0 0 HO 1\n"
                           "E 0 0 90\n"
                           "E 10 0 90\n"
                           "END\n"
                           "TURNTABLE 2 3 0 0 0 HO 1 30 20 0 6\n"
                           "END\n"
                           "STRAIGHT 3 0 0 0 0 HO 1\n"
                           "E 0 9 90\n"
                           "E 0 9 90\n"
                           "END\n"
                           "STRAIGHT 4 0 0 0 0 HO 1\n"
                           "E 0 12 90\n"
                           "E 6000 12 90\n"
                           "END\n";
    CRavloViewerDoc doc("");
    QtDescribeHost host;
    ReadFileMessages sink(host);
    doc.messageSink = &sink;
    ShownDialog shown;
    auto watcher = captureNextDialog(shown);
    ASSERT_TRUE(doc.onOpenDocument(path));
    ASSERT_TRUE(shown.seen);
    EXPECT_EQ(shown.title, QString("Read File"));
    ASSERT_EQ(shown.lines.size(), doc.tables.loadMessages.size());
    // Read in file order while loading (the undefined layer, the far end),
    // then the zero length found when the geometry is built.
    ASSERT_EQ(shown.lines.size(), 3u);
    EXPECT_EQ(shown.lines[0].first, QString("Item 2: Layer 3 undefined "));
    EXPECT_EQ(shown.lines[1].first, QString("Item 4: endpoint out of range at (x:6000.00 y:12.00)"));
    EXPECT_EQ(shown.lines[2].first, QString("Item 3: Zero length track found "));
    EXPECT_EQ(shown.lines[2].second.top(), 20 + 60 + 12);
    std::remove(path.c_str());
}

TEST(ReadFileMessages, LayoutWithoutProblemsShowsNoDialog)
{
    const std::string path = testing::TempDir() + "read_file_clean.mrv";
    std::ofstream(path) << "LAYERS 0 1 0 0 0 255 0 0 0 0 \"Main\"\n";
    CRavloViewerDoc doc("");
    QtDescribeHost host;
    ReadFileMessages sink(host);
    doc.messageSink = &sink;
    ShownDialog shown;
    auto watcher = captureNextDialog(shown);
    ASSERT_TRUE(doc.onOpenDocument(path));
    QTest::qWait(50);
    EXPECT_FALSE(shown.seen);
    std::remove(path.c_str());
}

} // namespace
