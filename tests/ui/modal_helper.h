#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs an action on the next modal window once it is shown (the modal loop
// of exec() is running then). Polls every 10 ms while the watcher lives, so
// a watcher that saw nothing never reaches a later test's window.
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(QWidget*)> action) : action(std::move(action))
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] { poll(); });
        timer.start();
    }
    ~ModalWatcher() { timer.stop(); }
    bool fired() const { return done; }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (done || !modal || !modal->isVisible())
            return;
        done = true;
        timer.stop();
        action(modal);
    }

    std::function<void(QWidget*)> action;
    QTimer timer;
    bool done = false;
};

// Lets queued deletions and repaints happen.
inline void processPending()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}
