#include "ui/gl_message_boxes.h"

#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "mesh/gl_messages.h"

namespace {

QPointer<QWidget> owner;
QStringList pending;
bool showing = false;

void showPending()
{
    // A message that comes while a box is open joins this loop instead of
    // opening a box on top of it.
    while (!pending.isEmpty() && owner)
        QMessageBox::warning(owner, QStringLiteral("RavloViewer"), pending.takeFirst());
    pending.clear();
    showing = false;
}

void queueMessage(const char* text)
{
    pending << QString::fromLatin1(text);
    if (showing || !owner)
        return;
    showing = true;
    QTimer::singleShot(0, owner, showPending);
}

} // namespace

void showGlMessagesOver(QWidget* window)
{
    owner = window;
    pending.clear();
    showing = false;
    setGlMessageSink(queueMessage);
}

void stopGlMessagesOver(QWidget* window)
{
    if (owner != window)
        return;
    owner = nullptr;
    pending.clear();
    showing = false;
    setGlMessageSink(nullptr);
}
