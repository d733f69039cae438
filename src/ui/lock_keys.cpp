#include "ui/lock_keys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

namespace {
// X11 modifier mask bits of a key event's state: Lock is Caps Lock; Num Lock
// is bound to Mod2 by every usual keyboard map. Scroll Lock has no bit.
constexpr quint32 X11LockMask = 0x02;
constexpr quint32 X11Mod2Mask = 0x10;
} // namespace

LockKeys::LockKeys(QObject* parent) : QObject(parent)
{
    x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

LockKeys::~LockKeys()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void LockKeys::setOn(Key key, bool state)
{
    if (on[key] == state)
        return;
    on[key] = state;
    emit changed();
}

bool LockKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        observe(*static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

void LockKeys::observe(const QKeyEvent& event)
{
    // One key event reaches the filter several times: at the window, at the
    // focus widget and at every parent it is passed on to. Presses and
    // releases alternate, so the same press seen again is one already counted.
    const SeenEvent seen{event.type(), event.key(), event.timestamp(), event.isAutoRepeat()};
    if (seen == lastSeen)
        return;
    lastSeen = seen;
    const int key = event.key();
    const bool lockKey = key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock;
    if (lockKey) {
        if (event.type() == QEvent::KeyPress && !event.isAutoRepeat()) {
            const Key which = key == Qt::Key_CapsLock  ? CapsLock
                              : key == Qt::Key_NumLock ? NumLock
                                                       : ScrollLock;
            setOn(which, !on[which]);
        }
        // The state mask of a lock key's own events tells the state before
        // the key acted: it says nothing new.
        return;
    }
    // Events made by the window system carry its scan code and state mask;
    // synthetic ones (sent by the program itself) carry neither.
    if (x11 && event.nativeScanCode() != 0)
        followModifierMask(event.nativeModifiers());
}

void LockKeys::followModifierMask(quint32 mask)
{
    setOn(CapsLock, (mask & X11LockMask) != 0);
    setOn(NumLock, (mask & X11Mod2Mask) != 0);
}
