#pragma once

class QWidget;

// Shows the drawing code's OpenGL messages ("OpenGL error: Can not create
// display list", an item built twice) in message boxes over a window. The
// messages are queued and shown, one box each in the order they came, once
// control is back in the event loop: no box opens while a layout is half
// built or a display list is being compiled.
void showGlMessagesOver(QWidget* window);
// Sends the messages back to standard error, if they were shown over this
// window.
void stopGlMessagesOver(QWidget* window);
