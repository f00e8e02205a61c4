#include "disegni/Tratti.h"

#include <QFont>
#include <QPainter>

namespace disegni {

void Quota(QPainter& p, QPointF a, QPointF b, const QString& lettera, QPointF testo) {
    p.drawLine(a, b);
    const bool orizzontale = a.y() == b.y();
    const QPointF t = orizzontale ? QPointF(0, 3) : QPointF(3, 0);
    p.drawLine(a - t, a + t);
    p.drawLine(b - t, b + t);
    p.drawText(QRectF(testo - QPointF(8, 7), QSizeF(16, 14)), Qt::AlignCenter, lettera);
}

QImage Foglio(int w, int h, const QColor& fondo) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fondo);
    return img;
}

void Carattere(QPainter& p, int px, bool grassetto) {
    QFont f = p.font();
    f.setPixelSize(px);
    f.setBold(grassetto);
    p.setFont(f);
}

void PreparaPittore(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    Carattere(p, 11, true);
}

}  // namespace disegni
