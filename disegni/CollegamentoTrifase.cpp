#include "disegni/CollegamentoTrifase.h"

#include <cmath>
#include <numbers>

#include <QPainter>

namespace disegni {

QImage CollegamentoTrifase(int n) {
    QImage img(80, 80, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::black);
    const QPointF c(40, 44);
    auto verso = [](double gradi) {
        const double a = gradi * std::numbers::pi / 180.0;
        return QPointF(std::cos(a), -std::sin(a));
    };
    const double assi[3] = {90, 210, 330};
    for (double a : assi) {
        QPointF fine;
        if (n == 0) {
            // Delta: the triangle's corners, each with its terminal.
            const QPointF vertice = c + 26 * verso(a);
            p.drawLine(vertice, c + 26 * verso(a + 120));
            fine = vertice + 10 * verso(a);
            p.drawLine(vertice, fine);
        } else if (n == 1) {
            // Star: three arms from the neutral.
            fine = c + 32 * verso(a);
            p.drawLine(c, fine);
        } else {
            // Zig-zag: each arm bends half-way onto the next column.
            const QPointF meta = c + 17 * verso(a);
            fine = meta + 17 * verso(a + 60);
            p.drawLine(c, meta);
            p.drawLine(meta, fine);
        }
        p.drawEllipse(fine, 3, 3);
    }
    if (n != 0) p.drawEllipse(c, 2.5, 2.5);
    return img;
}

}  // namespace disegni
