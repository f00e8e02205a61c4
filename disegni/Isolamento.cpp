#include "disegni/Isolamento.h"

#include <QPainter>

#include "disegni/Tratti.h"

namespace disegni {

QImage Isolamento() {
    constexpr int W = 200, H = 200;
    QImage img = Foglio(W, H);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    // The bobbin: its core wall on the left, its two flanges.
    const QColor bobina(150, 150, 150);
    p.setPen(QPen(QColor(kTratto), 1));
    p.setBrush(bobina);
    p.drawRect(QRectF(8, 8, 12, 184));
    p.drawRect(QRectF(8, 8, 184, 10));
    p.drawRect(QRectF(8, 182, 184, 10));
    // Layers of turns side by side outwards from the core; a thin sheet
    // between two layers, a thicker one after each winding.
    constexpr double filo = 9.0, y0 = 19.5;
    constexpr int spire = 18;
    const QColor rame(205, 115, 45), foglio(120, 170, 230), fra(40, 90, 190);
    double x = 22;
    for (int strati : {3, 2}) {
        for (int s = 0; s < strati; ++s) {
            p.setPen(QPen(QColor(120, 60, 20), 0.8));
            p.setBrush(rame);
            for (int k = 0; k < spire; ++k) p.drawEllipse(QRectF(x, y0 + k * filo, filo, filo));
            x += filo + 1;
            if (s + 1 < strati) {
                p.fillRect(QRectF(x, 18, 2, 164), foglio);
                x += 3;
            }
        }
        p.fillRect(QRectF(x, 18, 4, 164), fra);
        x += 6;
    }
    return img;
}

}  // namespace disegni
