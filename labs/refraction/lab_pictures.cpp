#include "lab_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace lumenary {

namespace {

constexpr int kSide = 32;

// A four-pointed star of the given reach around centre.
void star(QPainter& p, QPointF centre, double reach)
{
    const double w = reach / 3;
    const QPointF points[] = {centre + QPointF(0, -reach), centre + QPointF(w, -w),
                              centre + QPointF(reach, 0),  centre + QPointF(w, w),
                              centre + QPointF(0, reach),  centre + QPointF(-w, w),
                              centre + QPointF(-reach, 0), centre + QPointF(-w, -w)};
    p.drawPolygon(points, 8);
}

} // namespace

QPixmap moonPicture()
{
    QPixmap picture(kSide, kSide);
    picture.fill(QColor(192, 192, 192));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath disc;
    disc.addEllipse(QRectF(5, 4, 22, 22));
    QPainterPath bite;
    bite.addEllipse(QRectF(12, 1, 22, 22));
    p.setPen(QPen(QColor(128, 128, 0), 1));
    p.setBrush(QColor(255, 255, 0));
    p.drawPath(disc.subtracted(bite));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    star(p, QPointF(26, 6), 3);
    star(p, QPointF(24, 24), 2.5);
    star(p, QPointF(29, 16), 1.5);
    return picture;
}

QPixmap fishPicture()
{
    QPixmap picture(kSide, kSide);
    picture.fill(QColor(128, 255, 255));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    // Tail on the right, head on the left.
    const QPointF tail[] = {QPointF(22, 16), QPointF(30, 9), QPointF(30, 23)};
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(tail, 3);
    const QRectF body(2, 9, 23, 14);
    QPainterPath outline;
    outline.addEllipse(body);
    p.drawPath(outline);
    p.save();
    p.setClipPath(outline);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (double x = 9; x < 24; x += 5)
        p.drawRect(QRectF(x, 8, 2.5, 16));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(6.5, 14.5), 1.4, 1.4);
    return picture;
}

} // namespace lumenary
