#include <QCheckBox>
#include <QColorDialog>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>

#include "doc/document.h"
#include "modal_helper.h"
#include "ui/base_plane_dialog.h"

namespace {

struct BasePlaneDialogTest : ::testing::Test {
    CRavloViewerDoc doc{""};
    QWidget owner;
    void TearDown() override
    {
        doc.onCloseDocument();
        processPending();
    }
    FloorLevel* openShown(bool centimetres)
    {
        FloorLevel* dialog = FloorLevel::open(doc, &owner, centimetres);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        return dialog;
    }
};

TEST_F(BasePlaneDialogTest, ShowsHeightInTheChosenUnit)
{
    doc.basePlaneLevel = 1.0;
    FloorLevel* dialog = FloorLevel::open(doc, &owner, true);
    EXPECT_EQ(dialog->levelEdit->text(), QString("2.54"));
    EXPECT_EQ(dialog->unitLabel->text(), QString("[cm]"));
    EXPECT_EQ(dialog->windowTitle(), QString("Base Plane Properties "));
    EXPECT_TRUE(dialog->visibleBox->isChecked());
    // Default opacity 90 is shown as 10 % transparency.
    EXPECT_EQ(dialog->transparencyBar->value(), 10);
    EXPECT_EQ(dialog->transparencyLabel->text(), QString("10%"));
}

TEST_F(BasePlaneDialogTest, UnitSwitchShowsInchesAndLabel)
{
    doc.basePlaneLevel = 1.0;
    FloorLevel* dialog = FloorLevel::open(doc, &owner, true);
    dialog->refreshUnits(false);
    EXPECT_EQ(dialog->levelEdit->text(), QString("1"));
    EXPECT_EQ(dialog->unitLabel->text(), QString("[inch]"));
    dialog->refreshUnits(true);
    EXPECT_EQ(dialog->levelEdit->text(), QString("2.54"));
    EXPECT_EQ(dialog->unitLabel->text(), QString("[cm]"));
}

TEST_F(BasePlaneDialogTest, OpeningAgainRaisesTheSameDialogWithTheCurrentUnit)
{
    doc.basePlaneLevel = -0.5;
    FloorLevel* first = FloorLevel::open(doc, &owner, true);
    EXPECT_EQ(first->levelEdit->text(), QString("-1.27"));
    FloorLevel* second = FloorLevel::open(doc, &owner, false);
    EXPECT_EQ(first, second);
    EXPECT_EQ(second->levelEdit->text(), QString("-0.5"));
    EXPECT_EQ(second->unitLabel->text(), QString("[inch]"));
}

TEST_F(BasePlaneDialogTest, EnterStoresTheTypedHeightAndKeepsTheDialogOpen)
{
    struct Case {
        bool centimetres;
        const char* typed;
        double inches;
    };
    const Case cases[] = {{true, "5.08", 2.0}, {false, "5.08", 5.08}, {true, " -2.54 ", -1.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        doc.basePlaneLevel = 1.0;
        FloorLevel* dialog = openShown(c.centimetres);
        dialog->refreshUnits(c.centimetres);
        dialog->levelEdit->setFocus();
        dialog->levelEdit->setText(c.typed);
        QTest::keyClick(dialog->levelEdit, Qt::Key_Return);
        EXPECT_NEAR(doc.basePlaneLevel, c.inches, 1e-12);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(doc.basePlaneDialog, dialog);
        EXPECT_EQ(dialog->levelEdit->selectedText(), dialog->levelEdit->text());
    }
}

TEST_F(BasePlaneDialogTest, TextThatIsNotANumberIsRefused)
{
    for (const char* typed : {"abc", "", "nan", "inf"}) {
        SCOPED_TRACE(typed);
        doc.basePlaneLevel = 1.0;
        FloorLevel* dialog = openShown(true);
        dialog->levelEdit->setText(typed);
        QString shown;
        ModalWatcher watcher([&shown](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                shown = box->text();
            modal->close();
        });
        dialog->applyLevel();
        EXPECT_EQ(shown, QString("Enter a number."));
        EXPECT_DOUBLE_EQ(doc.basePlaneLevel, 1.0);
        EXPECT_DOUBLE_EQ(dialog->levelValue, 2.54);
    }
}

TEST_F(BasePlaneDialogTest, TrackBarSetsTransparencyAndOpacity)
{
    FloorLevel* dialog = FloorLevel::open(doc, &owner, true);
    dialog->transparencyBar->setValue(30);
    EXPECT_EQ(dialog->transparencyLabel->text(), QString("30%"));
    EXPECT_EQ(doc.basePlaneOpacity, 70);
    dialog->transparencyBar->setValue(100);
    EXPECT_EQ(doc.basePlaneOpacity, 0);
}

TEST_F(BasePlaneDialogTest, VisibleHidesAndShowsThePlane)
{
    FloorLevel* dialog = openShown(true);
    QTest::mouseClick(dialog->visibleBox, Qt::LeftButton);
    EXPECT_FALSE(doc.showBasePlane);
    QTest::mouseClick(dialog->visibleBox, Qt::LeftButton);
    EXPECT_TRUE(doc.showBasePlane);
}

TEST_F(BasePlaneDialogTest, SwatchShowsThePlaneColour)
{
    doc.basePlaneColor = 0x00FF0000; // blue in the window system's order
    FloorLevel* dialog = openShown(true);
    const QImage image = dialog->grab().toImage();
    const QRect swatch = FloorLevel::swatchRect();
    // The display may hold fewer bits per channel: compare within a step.
    auto near = [](QRgb pixel, QColor expected) {
        return std::abs(qRed(pixel) - expected.red()) <= 8 &&
               std::abs(qGreen(pixel) - expected.green()) <= 8 &&
               std::abs(qBlue(pixel) - expected.blue()) <= 8;
    };
    EXPECT_TRUE(near(image.pixel(swatch.left() + 3, swatch.top() + 3), QColor(0, 0, 255)));
    EXPECT_TRUE(near(image.pixel(swatch.right() - 1, swatch.bottom() - 1), QColor(0, 0, 255)));
    EXPECT_TRUE(near(image.pixel(9, 76), Qt::white));
}

// The colour button opens the chooser: OK takes its colour (held with red in
// the low byte), Cancel leaves the plane's colour as it was.
TEST_F(BasePlaneDialogTest, ColourChooserSetsThePlaneColourOnlyOnOk)
{
    doc.basePlaneColor = 0x00C0C0C0;
    FloorLevel* dialog = openShown(true);
    QPushButton* button = dialog->findChild<QPushButton*>();
    ASSERT_NE(button, nullptr);
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        QColor offered;
        ModalWatcher watcher([&](QWidget* modal) {
            auto* chooser = qobject_cast<QColorDialog*>(modal);
            if (chooser) {
                offered = chooser->currentColor();
                chooser->setCurrentColor(ok ? QColor(255, 0, 0) : QColor(0, 255, 0));
                ok ? chooser->accept() : chooser->reject();
            } else {
                modal->close();
            }
        });
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.fired(); }));
        EXPECT_EQ(offered, ok ? QColor(192, 192, 192) : QColor(255, 0, 0))
            << "the chooser starts at the plane's colour";
        EXPECT_EQ(doc.basePlaneColor, 0x000000FFu);
    }
}

TEST(ColourRef, RedIsInTheLowByte)
{
    EXPECT_EQ(colourRef(QColor(255, 0, 0)), 0x0000FFu);
    EXPECT_EQ(colourRef(QColor(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_EQ(colourFromRef(0xC0C0C0), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(colourFromRef(0x563412), QColor(0x12, 0x34, 0x56));
}

TEST_F(BasePlaneDialogTest, EscapeClosesAndTheNextCommandCreatesANewDialog)
{
    QPointer<FloorLevel> dialog = openShown(true);
    QTest::keyClick(dialog, Qt::Key_Escape);
    processPending();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(doc.basePlaneDialog, nullptr);
    FloorLevel* again = FloorLevel::open(doc, &owner, true);
    EXPECT_EQ(doc.basePlaneDialog, again);
}

TEST_F(BasePlaneDialogTest, DocumentClosingClosesTheDialog)
{
    QPointer<FloorLevel> dialog = openShown(true);
    doc.onCloseDocument();
    EXPECT_EQ(doc.basePlaneDialog, nullptr);
    processPending();
    EXPECT_TRUE(dialog.isNull());
}

} // namespace
