#pragma once

#include <QObject>
#include <array>

class QKeyEvent;

// Whether Caps Lock, Num Lock and Scroll Lock are on, as far as the program
// can tell. Qt gives no portable way to ask the keyboard, so the state is
// followed from the key events the application sees: a press of a lock key
// turns it over, and on X11 every other key event carries the keyboard's
// modifier mask, which puts Caps Lock and Num Lock right again. The state
// starts with all locks off.
class LockKeys : public QObject {
    Q_OBJECT
public:
    enum Key { CapsLock, NumLock, ScrollLock };

    // Watches the key events of the whole application.
    explicit LockKeys(QObject* parent = nullptr);
    ~LockKeys() override;

    bool isOn(Key key) const { return on[key]; }
    // Sets a lock's state; emits changed() when it differs.
    void setOn(Key key, bool state);

    // Follows one key event (the application's event filter calls this).
    void observe(const QKeyEvent& event);

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followModifierMask(quint32 mask);

    struct SeenEvent {
        int type = 0;
        int key = 0;
        quint64 timestamp = 0;
        bool autoRepeat = false;
        bool operator==(const SeenEvent&) const = default;
    };

    std::array<bool, 3> on{};
    SeenEvent lastSeen;
    bool x11 = false;
};
