#include "ui/dialog_units.h"

#include <QStringDecoder>
#include <cmath>

QRect dialogUnitRect(int x, int y, int width, int height)
{
    auto px = [](int units) { return static_cast<int>(std::lround(units * 1.5)); };
    auto py = [](int units) { return static_cast<int>(std::lround(units * 1.625)); };
    return QRect(px(x), py(y), px(width), py(height));
}

QString layoutText(const std::string& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
