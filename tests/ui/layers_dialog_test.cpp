#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "doc/document.h"
#include "modal_helper.h"
#include "ui/layers_dialog.h"

namespace {

// A window standing in for the view: counts its repaints.
class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

// Layer 0 with items and shown, layer 1 defined without items (shown),
// layer 3 undefined but used by an item (hidden, as the reader leaves it).
void fillThreeLayers(CRavloViewerDoc& doc)
{
    doc.tables.layerNames = {{0, "1 - Main"}, {1, "2 - Scenery"}, {3, "3 - undefined"}};
    doc.tables.layerVisible = {{0, true}, {1, true}, {3, false}, {7, true}};
    doc.tables.layersUsed = {{0, true}, {3, true}};
}

// Clicks on the box itself (the row is wider than its text).
void clickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

struct LayersDialogTest : ::testing::Test {
    CRavloViewerDoc doc{""};
    PaintCounter owner;
    void TearDown() override
    {
        doc.onCloseDocument();
        processPending();
    }
};

TEST_F(LayersDialogTest, ListsEveryLayerCheckedByVisibilityAndGreyedWhenUnused)
{
    fillThreeLayers(doc);
    CLayers* dialog = CLayers::open(doc, &owner);
    ASSERT_EQ(dialog->rows().size(), 3u);

    struct Expected {
        int layer;
        const char* name;
        bool checked, enabled;
        int top;
    };
    const Expected expected[] = {
        {0, "1 - Main", true, true, 40},
        {1, "2 - Scenery", true, false, 60},
        {3, "3 - undefined", false, true, 80},
    };
    for (size_t i = 0; i < 3; ++i) {
        const CLayers::LayerRow& row = dialog->rows()[i];
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(row.layer, expected[i].layer);
        EXPECT_EQ(row.checkBox->text(), QString(expected[i].name));
        EXPECT_EQ(row.checkBox->isChecked(), expected[i].checked);
        EXPECT_EQ(row.checkBox->isEnabled(), expected[i].enabled);
        EXPECT_EQ(row.checkBox->geometry(), QRect(10, expected[i].top, 290, 20));
    }
    EXPECT_EQ(dialog->height(), 160);
    EXPECT_EQ(dialog->windowTitle(), QString("Layers"));
}

TEST_F(LayersDialogTest, ManageLayersTwiceGivesOneDialog)
{
    fillThreeLayers(doc);
    CLayers* first = CLayers::open(doc, &owner);
    CLayers* second = CLayers::open(doc, &owner);
    EXPECT_EQ(first, second);
    EXPECT_EQ(doc.layersDialog, first);
    EXPECT_EQ(owner.findChildren<CLayers*>().size(), 1);
}

TEST_F(LayersDialogTest, ClickAppliesAtOnceAndRepaintsTheOwner)
{
    fillThreeLayers(doc);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    CLayers* dialog = CLayers::open(doc, &owner);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    QApplication::processEvents();
    const int paintsBefore = owner.paints;

    clickBox(dialog->rows()[0].checkBox);
    EXPECT_FALSE(doc.tables.layerVisible[0]);
    EXPECT_TRUE(doc.tables.layerVisible[1]);
    // A layer the dialog does not list keeps the value it had when filled.
    EXPECT_TRUE(doc.tables.layerVisible[7]);
    EXPECT_TRUE(QTest::qWaitFor([&] { return owner.paints > paintsBefore; }));

    // The undefined layer can be switched on to show its items.
    clickBox(dialog->rows()[2].checkBox);
    EXPECT_TRUE(doc.tables.layerVisible[3]);
    clickBox(dialog->rows()[0].checkBox);
    EXPECT_TRUE(doc.tables.layerVisible[0]);
}

TEST_F(LayersDialogTest, GreyedLayerCannotBeChanged)
{
    fillThreeLayers(doc);
    CLayers* dialog = CLayers::open(doc, &owner);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    clickBox(dialog->rows()[1].checkBox);
    EXPECT_TRUE(doc.tables.layerVisible[1]);
}

TEST_F(LayersDialogTest, NoLayersGivesOnlyTheOkButton)
{
    CLayers* dialog = CLayers::open(doc, &owner);
    EXPECT_TRUE(dialog->rows().empty());
    EXPECT_EQ(dialog->height(), 100);
    EXPECT_TRUE(dialog->findChildren<QCheckBox*>().isEmpty());
}

TEST_F(LayersDialogTest, OkAndEscapeDestroyTheDialogAndClearTheDocument)
{
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Escape)}) {
        fillThreeLayers(doc);
        QPointer<CLayers> dialog = CLayers::open(doc, &owner);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        QTest::keyClick(dialog, Qt::Key(key));
        processPending();
        EXPECT_TRUE(dialog.isNull());
        EXPECT_EQ(doc.layersDialog, nullptr);
        // The next command makes a new one.
        CLayers* again = CLayers::open(doc, &owner);
        EXPECT_EQ(doc.layersDialog, again);
        again->close();
        processPending();
        EXPECT_EQ(doc.layersDialog, nullptr);
    }
}

TEST_F(LayersDialogTest, OpeningAnotherLayoutClosesTheDialog)
{
    fillThreeLayers(doc);
    QPointer<CLayers> dialog = CLayers::open(doc, &owner);
    const std::string path = testing::TempDir() + "layers_dialog_empty.mrv";
    std::ofstream(path) << "VERSION 1\n";
    ASSERT_TRUE(doc.onOpenDocument(path));
    EXPECT_EQ(doc.layersDialog, nullptr);
    processPending();
    EXPECT_TRUE(dialog.isNull());
    std::remove(path.c_str());
}

} // namespace
