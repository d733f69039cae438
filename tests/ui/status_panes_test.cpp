#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <algorithm>

#include "frame_fixture.h"
#include "modal_helper.h"
#include "ui/lock_keys.h"

namespace {

// The visible labels of the status bar, left to right.
std::vector<QLabel*> panesLeftToRight(CMainFrame& frame)
{
    QApplication::processEvents();
    std::vector<QLabel*> panes;
    for (QLabel* label : frame.statusBar()->findChildren<QLabel*>())
        if (label->isVisible())
            panes.push_back(label);
    std::sort(panes.begin(), panes.end(),
              [](QLabel* a, QLabel* b) { return a->geometry().left() < b->geometry().left(); });
    return panes;
}

QStringList textsOf(const std::vector<QLabel*>& panes)
{
    QStringList texts;
    for (QLabel* pane : panes)
        texts << pane->text();
    return texts;
}

const LockKeys::Key AllLocks[] = {LockKeys::CapsLock, LockKeys::NumLock, LockKeys::ScrollLock};
const char* const Indicator[] = {"CAP", "NUM", "SCRL"};

TEST_F(FrameTest, StatusBarHasSixPanesInOrder)
{
    for (LockKeys::Key key : AllLocks)
        frame->lockKeys().setOn(key, true);
    const std::vector<QLabel*> on = panesLeftToRight(*frame);
    ASSERT_EQ(on.size(), 6u);
    EXPECT_EQ(textsOf(on), QStringList({"Ready", "[cm]", "Zoom", "CAP", "NUM", "SCRL"}));
    // The message pane takes the free width; every other pane is at least as
    // wide as its text and the indicators keep their width when off.
    EXPECT_GT(on[0]->width(), on[1]->width());
    std::vector<int> widths;
    for (std::size_t i = 1; i < 6; ++i) {
        EXPECT_GE(on[i]->width(), on[i]->fontMetrics().horizontalAdvance(on[i]->text())) << i;
        widths.push_back(on[i]->width());
    }
    // The panes do not overlap.
    for (std::size_t i = 1; i < 6; ++i)
        EXPECT_GE(on[i]->geometry().left(), on[i - 1]->geometry().right()) << i;

    for (LockKeys::Key key : AllLocks)
        frame->lockKeys().setOn(key, false);
    const std::vector<QLabel*> off = panesLeftToRight(*frame);
    ASSERT_EQ(off.size(), 6u);
    EXPECT_EQ(textsOf(off), QStringList({"Ready", "[cm]", "Zoom", "", "", ""}));
    for (std::size_t i = 3; i < 6; ++i)
        EXPECT_EQ(off[i]->width(), widths[i - 1]) << i;
}

TEST_F(FrameTest, LockPanesFollowTheLockState)
{
    for (LockKeys::Key key : AllLocks) {
        SCOPED_TRACE(Indicator[key]);
        frame->lockKeys().setOn(key, true);
        for (LockKeys::Key other : AllLocks)
            EXPECT_EQ(frame->lockPaneText(other), other == key ? QString(Indicator[key]) : QString());
        frame->lockKeys().setOn(key, false);
        EXPECT_EQ(frame->lockPaneText(key), QString());
    }
    // The panes also keep up through the frame's own update of its states.
    frame->lockKeys().setOn(LockKeys::NumLock, true);
    frame->updateCommandStates();
    EXPECT_EQ(frame->lockPaneText(LockKeys::NumLock), QString("NUM"));
}

TEST_F(FrameTest, LockKeyPressesTurnTheIndicatorsOver)
{
    const Qt::Key keys[] = {Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_ScrollLock};
    for (LockKeys::Key lock : AllLocks) {
        SCOPED_TRACE(Indicator[lock]);
        // The view passes the key on to the frame: one press is still one
        // turn, however many widgets see it.
        QTest::keyClick(&frame->view(), keys[lock]);
        EXPECT_EQ(frame->lockPaneText(lock), QString(Indicator[lock]));
        QTest::keyClick(&frame->view(), keys[lock]);
        EXPECT_EQ(frame->lockPaneText(lock), QString());
    }
}

TEST_F(FrameTest, HeldLockKeyAndOtherKeysLeaveTheLockAsItIs)
{
    QTest::keyPress(&frame->view(), Qt::Key_CapsLock);
    ASSERT_EQ(frame->lockPaneText(LockKeys::CapsLock), QString("CAP"));
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_CapsLock, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&frame->view(), &repeat);
    QTest::keyRelease(&frame->view(), Qt::Key_CapsLock);
    EXPECT_EQ(frame->lockPaneText(LockKeys::CapsLock), QString("CAP"));
    // A key the program sends itself carries no keyboard state.
    QTest::keyClick(&frame->view(), Qt::Key_A);
    EXPECT_EQ(frame->lockPaneText(LockKeys::CapsLock), QString("CAP"));
}

// A key event as the X11 window system makes it: scan code and state mask.
struct MaskCase {
    quint32 mask;
    bool caps, num;
};

TEST(LockKeys, X11KeyEventsCarryCapsAndNumLock)
{
    if (QGuiApplication::platformName() != "xcb")
        GTEST_SKIP() << "the state mask is read on X11 only";
    LockKeys locks;
    locks.setOn(LockKeys::ScrollLock, true);
    // Lock is bit 0x02, Num Lock rides on Mod2 (0x10); Shift (0x01) and
    // Control (0x04) say nothing about the locks.
    const MaskCase cases[] = {{0x02, true, false},
                              {0x10, false, true},
                              {0x12, true, true},
                              {0x05, false, false},
                              {0x00, false, false}};
    for (const MaskCase& c : cases) {
        SCOPED_TRACE(c.mask);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 38, 0x61, c.mask, "a");
        locks.observe(press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, 38, 0x61, c.mask, "a");
        locks.observe(release);
        EXPECT_EQ(locks.isOn(LockKeys::CapsLock), c.caps);
        EXPECT_EQ(locks.isOn(LockKeys::NumLock), c.num);
        EXPECT_TRUE(locks.isOn(LockKeys::ScrollLock));
    }
    // The Caps Lock key's own press tells the state before it: it turns the
    // lock over whatever its mask says.
    QKeyEvent capsPress(QEvent::KeyPress, Qt::Key_CapsLock, Qt::NoModifier, 66, 0xffe5, 0x00);
    locks.observe(capsPress);
    QKeyEvent capsRelease(QEvent::KeyRelease, Qt::Key_CapsLock, Qt::NoModifier, 66, 0xffe5, 0x00);
    locks.observe(capsRelease);
    EXPECT_TRUE(locks.isOn(LockKeys::CapsLock));
}

TEST(LockKeys, ChangedIsSignalledOnlyForARealChange)
{
    LockKeys locks;
    int changes = 0;
    QObject::connect(&locks, &LockKeys::changed, [&changes] { ++changes; });
    locks.setOn(LockKeys::NumLock, false);
    EXPECT_EQ(changes, 0);
    locks.setOn(LockKeys::NumLock, true);
    locks.setOn(LockKeys::NumLock, true);
    EXPECT_EQ(changes, 1);
}

} // namespace
