#include <GL/gl.h>
#include <GL/glu.h>

#include "view/scene_renderer.h"

CXBase* SceneRenderer::pickItem(int x, int y)
{
    if (!doc)
        return nullptr;
    // Each hit record is four words: name count (always 1), minimum depth,
    // maximum depth and the one name; at most 16 fit.
    GLuint buffer[64] = {};
    GLint viewport[4];
    glSelectBuffer(64, buffer);
    glGetIntegerv(GL_VIEWPORT, viewport);

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glRenderMode(GL_SELECT);
    glLoadIdentity();
    gluPickMatrix(x, viewport[3] - y, 2, 2, viewport);
    gluPerspective(35.0, aspect, nearPlane, farPlane);
    loadCamera();

    glInitNames();
    glPushName(0);
    pickNames.clear();
    drawScene(true);
    glFlush();
    const GLint hits = glRenderMode(GL_RENDER);

    // The nearest hit by minimum depth (unsigned); equal depths keep the
    // earlier record. Records are walked by their name counts.
    GLuint best = 0;
    GLuint bestDepth = 0;
    bool found = false;
    for (GLint i = 0, at = 0; i < hits && at + 3 < 64; ++i) {
        const GLuint count = buffer[at];
        if (count == 0 || at + 3 + count > 64)
            break;
        const GLuint depth = buffer[at + 1];
        if (!found || depth < bestDepth) {
            found = true;
            bestDepth = depth;
            best = buffer[at + 2 + count];
        }
        at += 3 + static_cast<GLint>(count);
    }
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);

    CXBase* item = best >= 1 && best <= pickNames.size() ? pickNames[best - 1] : nullptr;
    pickNames.clear();
    return item;
}
