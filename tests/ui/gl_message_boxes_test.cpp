#include <QMessageBox>
#include <QTimer>

#include "frame_fixture.h"
#include "mesh/gl_messages.h"
#include "ui/gl_message_boxes.h"

namespace {

// Texts of the message boxes that open while it lives, each closed at once.
class BoxCollector {
public:
    BoxCollector()
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            texts << box->text();
            box->close();
        });
        timer.start();
    }
    QStringList texts;

private:
    QTimer timer;
};

// The messages of the drawing code come as boxes over the window, one each in
// their order, once the work that raised them is over.
TEST_F(FrameTest, OpenGLMessagesShowInBoxesAfterTheWork)
{
    BoxCollector boxes;
    showGlMessage(kNoDisplayListMessage);
    showGlMessage("Joint::initDraw(): should only have one track item\n");
    EXPECT_TRUE(boxes.texts.isEmpty()) << "no box while the work goes on";
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.texts.size() == 2; }, 3000));
    EXPECT_EQ(boxes.texts, QStringList({QString::fromLatin1(kNoDisplayListMessage),
                                        "Joint::initDraw(): should only have one track item\n"}));
}

TEST_F(FrameTest, OpenGLMessagesGoBackToStandardErrorWithTheWindow)
{
    frame.reset();
    BoxCollector boxes;
    testing::internal::CaptureStderr();
    showGlMessage(kNoDisplayListMessage);
    QTest::qWait(50);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(kNoDisplayListMessage) + "\n");
    EXPECT_TRUE(boxes.texts.isEmpty());
}

} // namespace
