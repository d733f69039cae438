#pragma once

// Where OpenGL problems of the core are reported ("OpenGL error: Can not
// create display list"). The window sets a sink that shows a message box;
// without one the text goes to the standard error stream.
using GlMessageSink = void (*)(const char* text);

// Installs the sink; nullptr restores the standard error stream.
void setGlMessageSink(GlMessageSink sink);

// Hands the text to the installed sink.
void showGlMessage(const char* text);

// True when an OpenGL context is current on this thread. Without one (the
// headless modes) display lists are not compiled: nothing will draw them.
bool glContextCurrent();

// Makes sure `list` names a display list to compile into: false, and
// nothing compiled, when no context is current or no list can be had (the
// latter is reported with kNoDisplayListMessage).
bool prepareDisplayList(unsigned& list);

// The message for a display list that could not be made.
inline constexpr const char* kNoDisplayListMessage = "OpenGL error: Can not create display list";
