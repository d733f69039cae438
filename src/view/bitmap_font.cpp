#include <GL/gl.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <vector>

#include "view/gl_text.h"

char16_t ansiToUnicode(unsigned char code)
{
    static const char16_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    if (code >= 0x80 && code < 0xA0)
        return high[code - 0x80];
    return code;
}

void CGLText::drawText(const std::string& text) const
{
    if (text.empty())
        return;
    glPushAttrib(GL_LIST_BIT);
    glListBase(listBase);
    glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
    glPopAttrib();
}

namespace {

// One glyph rendered with the painter and turned into a glBitmap list: the
// bitmap's rows bottom up, one bit per pixel, origin on the baseline.
void compileBitmapGlyph(unsigned list, const QFont& font, const QFontMetrics& fm, char16_t ch)
{
    glNewList(list, GL_COMPILE);
    const QString s = ch ? QString(QChar(ch)) : QString();
    const float advance = ch ? static_cast<float>(fm.horizontalAdvance(s)) : 0.0f;
    const QRect box = ch && ch >= 0x20 ? fm.boundingRect(s) : QRect();
    if (box.isEmpty()) {
        static const GLubyte none = 0;
        glBitmap(0, 0, 0, 0, advance, 0, &none);
        glEndList();
        return;
    }
    const int w = box.width() + 2, h = box.height() + 2;
    QImage image(w, h, QImage::Format_Grayscale8);
    image.fill(0);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(1 - box.left(), 1 - box.top(), s);
    }
    const int stride = (w + 7) / 8;
    std::vector<GLubyte> bits(static_cast<std::size_t>(stride) * h, 0);
    for (int row = 0; row < h; ++row) {
        const uchar* line = image.constScanLine(h - 1 - row);
        for (int x = 0; x < w; ++x)
            if (line[x] >= 128)
                bits[static_cast<std::size_t>(row) * stride + x / 8] |= static_cast<GLubyte>(0x80 >> (x % 8));
    }
    // Column 0 starts at x = box.left() - 1 and the bottom row ends at
    // y = box.top() + h - 1 below the baseline (font coordinates, y down);
    // glBitmap wants the origin's offset from the bitmap's lower left corner.
    const float xorig = static_cast<float>(1 - box.left());
    const float yorig = static_cast<float>(h - 1 + box.top());
    glBitmap(w, h, xorig, yorig, advance, 0, bits.data());
    glEndList();
}

void buildBitmaps(unsigned base, const QFont& font)
{
    const QFontMetrics fm(font);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    for (int code = 0; code < 255; ++code)
        compileBitmapGlyph(base + code, font, fm, ansiToUnicode(static_cast<unsigned char>(code)));
    glPopClientAttrib();
}

} // namespace

void createFont(CGLText& text, int height)
{
    text.listBase = glGenLists(256);
    if (text.listBase == 0)
        return;
    QFont font("Arial");
    font.setPixelSize(height);
    font.setWeight(QFont::Normal);
    font.setStyleStrategy(QFont::NoAntialias);
    buildBitmaps(text.listBase, font);
}

void buildSystemFontBitmaps(unsigned base)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleStrategy(QFont::NoAntialias);
    buildBitmaps(base, font);
}
