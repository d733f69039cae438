#include "mesh/gl_messages.h"

#include <GL/gl.h>
#include <cstdio>

namespace {

void writeToStandardError(const char* text)
{
    std::fprintf(stderr, "%s\n", text);
}

GlMessageSink currentSink = writeToStandardError;

} // namespace

void setGlMessageSink(GlMessageSink sink)
{
    currentSink = sink ? sink : writeToStandardError;
}

void showGlMessage(const char* text)
{
    currentSink(text);
}

bool glContextCurrent()
{
    // With no current context the GL entry points are no-ops that return 0.
    return glGetString(GL_VERSION) != nullptr;
}

bool prepareDisplayList(unsigned& list)
{
    if (!glContextCurrent())
        return false;
    if (list == 0)
        list = glGenLists(1);
    if (list == 0) {
        showGlMessage(kNoDisplayListMessage);
        return false;
    }
    return true;
}
