#include "disegni/PaccoLamierini.h"

#include <QPainter>
#include <QPolygonF>

#include "disegni/Tratti.h"

namespace disegni {

QImage PaccoLamierini() {
    constexpr int W = 120, H = 86;
    QImage img = Foglio(W, H);
    QPainter p(&img);
    PreparaPittore(p);
    // Laminations seen at a slant, one behind the other.
    constexpr int n = 9, passo = 5, lw = 60, lh = 44, xs = 12, ys = 8;
    p.setPen(QPen(QColor(kTratto), 1));
    for (int k = n - 1; k >= 0; --k) {
        const QPointF o(xs + k * passo, ys + 20 - k * 2);
        QPolygonF f;
        f << o << o + QPointF(lw * 0.45, -lh * 0.25) << o + QPointF(lw * 0.45, lh * 0.6)
          << o + QPointF(0, lh * 0.85);
        p.setBrush(k % 2 ? QColor(175, 182, 192) : QColor(200, 206, 214));
        p.drawPolygon(f);
    }
    p.setPen(QPen(QColor(170, 0, 0), 1));
    const double y = ys + 20 + lh * 0.85 + 8;
    const QPointF a(xs, y), b(xs + (n - 1) * passo, y - (n - 1) * 2);
    Quota(p, a, QPointF(b.x(), a.y()), "", {});
    p.drawText(QRectF(b.x() + 4, a.y() - 8, 30, 16), Qt::AlignLeft | Qt::AlignVCenter, "Sp");
    return img;
}

}  // namespace disegni
