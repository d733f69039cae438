#include "mesh/gl_messages.h"

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
