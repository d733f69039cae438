#include "ui/toolbar_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {
constexpr int Width = 16;
constexpr int Height = 15;

QIcon drawn(const std::function<void(QPainter&)>& draw, int width = Width, int height = Height)
{
    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(painter);
    painter.end();
    return QIcon(picture);
}

void arrowHead(QPainter& p, QPointF tip, QPointF back, QPointF side)
{
    QPolygonF head;
    head << tip << back + side << back - side;
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
    p.setBrush(Qt::NoBrush);
}
} // namespace

QIcon zoomPicture()
{
    // A magnifying glass.
    return drawn([](QPainter& p) {
        p.drawEllipse(QPointF(6, 6), 4.5, 4.5);
        p.setPen(QPen(p.pen().color(), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9.5, 9.5), QPointF(14, 13.5));
    });
}

QIcon panPicture()
{
    // Arrows to the four sides.
    return drawn([](QPainter& p) {
        p.drawLine(QPointF(8, 2), QPointF(8, 13));
        p.drawLine(QPointF(2.5, 7.5), QPointF(13.5, 7.5));
        arrowHead(p, {8, 0.5}, {8, 3.5}, {2.5, 0});
        arrowHead(p, {8, 14.5}, {8, 11.5}, {2.5, 0});
        arrowHead(p, {1, 7.5}, {4, 7.5}, {0, 2.5});
        arrowHead(p, {15, 7.5}, {12, 7.5}, {0, 2.5});
    });
}

QIcon turnPicture()
{
    // An arrow around a vertical axis.
    return drawn([](QPainter& p) {
        p.drawLine(QPointF(8, 1), QPointF(8, 14));
        QPainterPath arc;
        arc.arcMoveTo(QRectF(1.5, 4.5, 13, 6), 200);
        arc.arcTo(QRectF(1.5, 4.5, 13, 6), 200, 300);
        p.drawPath(arc);
        arrowHead(p, {2.2, 6.4}, {4.8, 5.0}, {0.4, 1.6});
    });
}

QIcon rollPicture()
{
    // A circular arrow round the line of sight.
    return drawn([](QPainter& p) {
        p.setBrush(p.pen().color());
        p.drawEllipse(QPointF(8, 7.5), 1.3, 1.3);
        p.setBrush(Qt::NoBrush);
        QPainterPath arc;
        arc.arcMoveTo(QRectF(2, 1.5, 12, 12), 120);
        arc.arcTo(QRectF(2, 1.5, 12, 12), 120, 280);
        p.drawPath(arc);
        arrowHead(p, {5, 2.4}, {7.8, 1.6}, {0.5, 1.8});
    });
}

QIcon fitPicture()
{
    // A frame with its four corners pointing outwards.
    return drawn([](QPainter& p) {
        p.drawRect(QRectF(4.5, 4, 7, 7));
        p.drawLine(QPointF(1, 1), QPointF(4, 4));
        p.drawLine(QPointF(15, 1), QPointF(12, 4));
        p.drawLine(QPointF(1, 14), QPointF(4, 11));
        p.drawLine(QPointF(15, 14), QPointF(12, 11));
    });
}

QIcon programIcon()
{
    // Two rails curving over a green embankment.
    return drawn(
        [](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x3a, 0x7d, 0x44));
            p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0x9a, 0x7b, 0x4f), 14, Qt::SolidLine, Qt::FlatCap));
            QPainterPath track;
            track.moveTo(8, 56);
            track.cubicTo(20, 20, 44, 44, 56, 8);
            p.drawPath(track);
            p.setPen(QPen(QColor(0xe0, 0xe0, 0xe0), 2));
            QPainterPath left = track.translated(-4, -3);
            QPainterPath right = track.translated(4, 3);
            p.drawPath(left);
            p.drawPath(right);
        },
        64, 64);
}
