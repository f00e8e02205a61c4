#include "disegni/Icona.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace disegni {

QImage Icona() {
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    // Core: a grey frame of laminations.
    p.setPen(QPen(QColor(60, 60, 70), 1));
    p.setBrush(QColor(120, 124, 135));
    QPainterPath nucleo;
    nucleo.addRect(4, 4, 24, 24);
    nucleo.addRect(10, 10, 12, 12);
    nucleo.setFillRule(Qt::OddEvenFill);
    p.drawPath(nucleo);
    // Copper windings on the two legs.
    QLinearGradient rame(0, 0, 6, 0);
    rame.setColorAt(0, QColor(150, 70, 20));
    rame.setColorAt(0.5, QColor(235, 150, 70));
    rame.setColorAt(1, QColor(150, 70, 20));
    rame.setSpread(QGradient::ReflectSpread);
    p.setBrush(rame);
    p.setPen(QPen(QColor(110, 50, 10), 1));
    p.drawRoundedRect(QRectF(1.5, 8.5, 11, 15), 2, 2);
    p.drawRoundedRect(QRectF(19.5, 8.5, 11, 15), 2, 2);
    p.setPen(QPen(QColor(110, 50, 10, 160), 1));
    for (int y = 11; y < 23; y += 3) {
        p.drawLine(QPointF(2, y), QPointF(12, y));
        p.drawLine(QPointF(20, y), QPointF(30, y));
    }
    return img;
}

}  // namespace disegni
