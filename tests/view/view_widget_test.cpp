#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "doc/describe.h"
#include "render_test_support.h"
#include "track/track_obj.h"
#include "view/view.h"

namespace {

// Records what a right double-click asked to show.
class RecordingHost : public DescribeHost {
public:
    bool showModal(CDescribe& dialog) override
    {
        titles.push_back(dialog.title);
        for (const DescribeRow& row : dialog.rows)
            if (row.label == "Length")
                lengths.push_back(row.value);
        return false;
    }
    std::vector<std::string> titles;
    std::vector<std::string> lengths;
};

// A shown 400 x 200 view (aspect 2) of a 20-inch straight along x.
class ViewWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        view.resize(400, 200);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        QTest::qWait(20);
        ASSERT_TRUE(view.hasUsableContext());
    }
    void open(const std::string& text)
    {
        layout = std::make_unique<TempLayout>(text);
        ASSERT_TRUE(view.openLayout(layout->path()));
        view.repaint();
    }
    FloatMatrix& placement() { return view.renderer().camera.placement; }

    CRavloViewerDoc doc{""};
    CRavloViewerView view{&doc};
    std::unique_ptr<TempLayout> layout;
};

const std::string kStraight = std::string(kMainLayer) + straightRecord(1, 0, 0, 0, 20, 0, 0);

} // namespace

TEST_F(ViewWidget, OpeningFitsAndLeavesZoomMode)
{
    QSignalSpy spy(&view, &CRavloViewerView::statusTextsChanged);
    EXPECT_EQ(view.modeStatusText(), "Turn");
    open(kStraight);
    EXPECT_EQ(view.navigationMode(), ZoomMode);
    EXPECT_EQ(view.modeStatusText(), "Zoom");
    EXPECT_GE(spy.count(), 1);
    EXPECT_EQ(view.unitStatusText(), "[cm]");
    view.setUseCentimetres(false);
    EXPECT_EQ(view.unitStatusText(), "[inch]");
    view.setNavigationMode(PanMode);
    EXPECT_EQ(view.modeStatusText(), "Pan ");
    // The camera looks at the middle of the plan; the base plane lies below.
    EXPECT_FLOAT_EQ(placement().m[12], -10);
    EXPECT_DOUBLE_EQ(doc.basePlaneLevel, doc.tables.bounds[2] - 0.2);
}

TEST_F(ViewWidget, LeftZoomDragAndShiftDrag)
{
    open(kStraight);
    const float z = placement().m[14];
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(200, 150));
    QTest::mouseMove(&view, QPoint(200, 50));
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(200, 50));
    EXPECT_NEAR(placement().m[14], z + 1.0f, 1e-5); // 100 pixels up: 1 inch closer

    const FloatMatrix before = placement();
    QTest::mousePress(&view, Qt::LeftButton, Qt::ShiftModifier, QPoint(200, 150));
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 50), view.mapToGlobal(QPointF(200, 50)), Qt::NoButton,
                     Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(&view, &move);
    EXPECT_EQ(placement().m, before.m);
    EXPECT_FALSE(view.renderer().camera.dragging);
}

TEST_F(ViewWidget, WheelMovesTheCamera)
{
    open(kStraight);
    const float z = placement().m[14];
    QWheelEvent wheel(QPointF(200, 100), view.mapToGlobal(QPointF(200, 100)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    EXPECT_NEAR(placement().m[14], z + 1.2f, 1e-5);
}

TEST_F(ViewWidget, LeftDoubleClickFliesToTheItem)
{
    open(kStraight);
    const FloatMatrix before = placement();
    QTest::mouseDClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); // empty space
    EXPECT_EQ(placement().m, before.m);
    QTest::mouseDClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(200, 100));
    const Point3 c = doc.trackItems->centre();
    const Vector4 p =
        transformPoint(matrixFromGL(view.renderer().camera.modelView().m.data()), {c.x, c.y, c.z, 1});
    EXPECT_NEAR(p[0], 0, 1e-4);
    EXPECT_NEAR(p[1], 0, 1e-4);
    EXPECT_NEAR(p[2], -30, 1e-4);
}

TEST_F(ViewWidget, RightDoubleClickDescribesInTheChosenUnit)
{
    RecordingHost host;
    view.setDescribeHost(&host);
    open(kStraight);
    QTest::mouseDClick(&view, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(host.titles.empty());
    QTest::mouseDClick(&view, Qt::RightButton, Qt::NoModifier, QPoint(200, 100));
    view.setUseCentimetres(false);
    QTest::mouseDClick(&view, Qt::RightButton, Qt::NoModifier, QPoint(200, 100));
    ASSERT_EQ(host.titles.size(), 2u);
    EXPECT_EQ(host.titles[0], "T1 Straight Track");
    ASSERT_EQ(host.lengths.size(), 2u);
    EXPECT_EQ(host.lengths[0], "50.80"); // 20 inches in centimetres
    EXPECT_EQ(host.lengths[1], "20.00");
}
