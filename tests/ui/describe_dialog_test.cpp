#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "doc/describe.h"
#include "modal_helper.h"
#include "ui/describe_dialog.h"

namespace {

// The label whose text is the given one, or null.
QLabel* labelWithText(QWidget* dialog, const QString& text)
{
    for (QLabel* label : dialog->findChildren<QLabel*>())
        if (label->text() == text)
            return label;
    return nullptr;
}

// A track-like model in centimetres: two rows of lengths already converted
// by the caller, then two points whose heights can be typed.
struct DescribeDialogTest : ::testing::Test {
    CDescribe model;
    std::vector<Point3> points{{1.0, 2.0, 1.0}, {3.0, 4.0, 0.5}};
    QtDescribeHost host;

    void SetUp() override
    {
        model.centimetres = true;
        int top = model.addNumberRow(0, "Length", 10.0 * 2.54);
        top = model.addIntegerRow(top, "Layer", -3);
        model.addPointEdits(60, points);
        model.setTitle("T12");
    }
};

TEST_F(DescribeDialogTest, ShowsRowsAndPointFieldsAtTheirPixelRectangles)
{
    model.open();
    CDescribeDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), QString("T12"));
    // Rows at 0 and 30, points at 60 and 90: the last label's bottom is 90 + 32 + 2.
    EXPECT_EQ(dialog.height(), 60 + 30 + 34 + 70);

    QLabel* length = labelWithText(&dialog, "Length");
    ASSERT_NE(length, nullptr);
    EXPECT_EQ(length->geometry(), QRect(10, 12, 85, 20));
    EXPECT_TRUE(length->alignment() & Qt::AlignRight);
    QLabel* layer = labelWithText(&dialog, "Layer");
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->geometry(), QRect(10, 42, 85, 20));

    QLineEdit* lengthValue = nullptr;
    QLineEdit* layerValue = nullptr;
    for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
        if (field->text() == "25.40")
            lengthValue = field;
        if (field->text() == "-3")
            layerValue = field;
    }
    ASSERT_NE(lengthValue, nullptr);
    ASSERT_NE(layerValue, nullptr);
    EXPECT_EQ(lengthValue->geometry(), QRect(100, 10, 100, 20));
    EXPECT_FALSE(lengthValue->isEnabled());
    EXPECT_EQ(layerValue->geometry(), QRect(100, 40, 100, 20));

    ASSERT_NE(labelWithText(&dialog, "point 1"), nullptr);
    EXPECT_EQ(labelWithText(&dialog, "point 1")->geometry(), QRect(10, 74, 85, 20));
    EXPECT_EQ(labelWithText(&dialog, "point 2")->geometry(), QRect(10, 104, 85, 20));

    struct Field {
        int id;
        const char* text;
        QRect rect;
        bool enabled;
    };
    const Field fields[] = {
        {100, "2.54", QRect(100, 72, 95, 20), false},   {101, "5.08", QRect(200, 72, 95, 20), false},
        {102, "2.54", QRect(300, 72, 95, 20), true},    {103, "7.62", QRect(100, 102, 95, 20), false},
        {104, "10.16", QRect(200, 102, 95, 20), false}, {105, "1.27", QRect(300, 102, 95, 20), true},
    };
    for (const Field& f : fields) {
        SCOPED_TRACE(f.id);
        QLineEdit* field = dialog.pointField(f.id);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->text(), QString(f.text));
        EXPECT_EQ(field->geometry(), f.rect);
        EXPECT_EQ(field->isEnabled(), f.enabled);
    }
    EXPECT_EQ(dialog.unitLabel()->text(), QString("[cm]"));
    EXPECT_EQ(dialog.unitLabel()->geometry(), QRect(310, 10, 70, 20));
    EXPECT_FALSE(dialog.baseCheckBox()->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.baseField()->isVisibleTo(&dialog));
}

TEST_F(DescribeDialogTest, TypedHeightIsStoredOnOk)
{
    ModalWatcher watcher([](QWidget* modal) {
        auto* dialog = qobject_cast<CDescribeDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->pointField(102)->setText("5.08");
        dialog->pointField(105)->setText("junk");
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(model.show(host));
    EXPECT_NEAR(points[0].z, 2.0, 1e-12);
    EXPECT_DOUBLE_EQ(points[1].z, 0.5); // a text not starting with a number is ignored
    EXPECT_DOUBLE_EQ(points[0].x, 1.0);
}

TEST_F(DescribeDialogTest, EnterStepsThroughHeightsAndOkOnTheButtonCloses)
{
    bool stayedOpen = false;
    QWidget* focusAfterFirst = nullptr;
    QWidget* focusAfterSecond = nullptr;
    CDescribeDialog* seen = nullptr;
    ModalWatcher watcher([&](QWidget* modal) {
        auto* dialog = qobject_cast<CDescribeDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        seen = dialog;
        dialog->activateWindow();
        dialog->pointField(102)->setFocus();
        dialog->pointField(102)->setText("-2.54");
        QTest::keyClick(dialog->pointField(102), Qt::Key_Return);
        focusAfterFirst = dialog->focusWidget();
        stayedOpen = dialog->isVisible();
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        focusAfterSecond = dialog->focusWidget();
        dialog->okButton()->setFocus();
        QTest::keyClick(dialog->okButton(), Qt::Key_Return);
    });
    EXPECT_TRUE(model.show(host));
    EXPECT_TRUE(stayedOpen);
    ASSERT_NE(seen, nullptr);
    // The steps land on the z fields: 102 -> 105 -> wraps to 102.
    EXPECT_NE(focusAfterFirst, nullptr);
    EXPECT_NE(focusAfterSecond, nullptr);
    EXPECT_NE(focusAfterFirst, focusAfterSecond);
    EXPECT_NEAR(points[0].z, -1.0, 1e-12);
}

TEST_F(DescribeDialogTest, EnterFocusOrderFollowsTheHeightFields)
{
    model.open();
    CDescribeDialog dialog(model);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isActiveWindow(); }));
    dialog.pointField(102)->setFocus();
    QTest::keyClick(dialog.pointField(102), Qt::Key_Return);
    EXPECT_EQ(dialog.focusWidget(), dialog.pointField(105));
    QTest::keyClick(dialog.pointField(105), Qt::Key_Return);
    EXPECT_EQ(dialog.focusWidget(), dialog.pointField(102));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(DescribeDialogTest, EscapeAndCloseChangeNothing)
{
    for (bool useEscape : {true, false}) {
        SCOPED_TRACE(useEscape);
        ModalWatcher watcher([useEscape](QWidget* modal) {
            auto* dialog = qobject_cast<CDescribeDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->pointField(102)->setText("100");
            if (useEscape)
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                dialog->close();
        });
        EXPECT_FALSE(model.show(host));
        EXPECT_DOUBLE_EQ(points[0].z, 1.0);
    }
}

TEST(DescribeDialogBase, CheckBoxShowsTheBaseFieldAndTwoClicksLeaveItClear)
{
    CDescribe model;
    model.centimetres = false;
    model.setBaseOption(false, 1.5);
    model.addTextRow(30, "Type", "Polygon", 300);
    model.open();
    CDescribeDialog dialog(model);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(dialog.baseCheckBox()->isVisible());
    EXPECT_FALSE(dialog.baseField()->isVisible());
    EXPECT_EQ(dialog.baseField()->text(), QString("1.50"));
    EXPECT_EQ(dialog.unitLabel()->text(), QString("[inch]"));

    QTest::mouseClick(dialog.baseCheckBox(), Qt::LeftButton);
    EXPECT_TRUE(dialog.baseCheckBox()->isChecked());
    EXPECT_TRUE(dialog.baseField()->isVisible());
    QTest::mouseClick(dialog.baseCheckBox(), Qt::LeftButton);
    EXPECT_FALSE(dialog.baseCheckBox()->isChecked());
    EXPECT_FALSE(dialog.baseField()->isVisible());
}

TEST(DescribeDialogBase, TypedBaseHeightIsReadBackInInches)
{
    CDescribe model;
    model.centimetres = true;
    model.setBaseOption(true, 1.0);
    QtDescribeHost host;
    ModalWatcher watcher([](QWidget* modal) {
        auto* dialog = qobject_cast<CDescribeDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->baseField()->text(), QString("2.54"));
        dialog->baseField()->setText("7.62");
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    ASSERT_TRUE(model.show(host));
    double base = 0.0;
    ASSERT_TRUE(model.baseOption(base));
    EXPECT_NEAR(base, 3.0, 1e-12);
}

TEST(DescribeDialogRows, MessageLineIsLeftAlignedUpToItsWidth)
{
    CDescribe model;
    model.addMessageRow(20, "Item 2: Layer 3 undefined ");
    model.open();
    CDescribeDialog dialog(model);
    QLabel* line = labelWithText(&dialog, "Item 2: Layer 3 undefined ");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->geometry(), QRect(10, 32, 490, 20));
    EXPECT_TRUE(line->alignment() & Qt::AlignLeft);
    EXPECT_EQ(dialog.height(), 20 + 70);
}

} // namespace
