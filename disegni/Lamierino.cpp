#include "disegni/Lamierino.h"

#include <algorithm>
#include <vector>

#include <QPainter>
#include <QPainterPath>

#include "disegni/Tratti.h"

namespace disegni {

QImage Lamierino(int tipo) {
    struct Misure {
        bool dueColonne;
        double c, d, f, e, g;
    };
    Misure m{};
    switch (tipo) {
    case 1: m = {false, 2, 1, 1, 3, 1}; break;
    case 2: m = {false, 2, 1, 1, 5, 1}; break;
    case 3: m = {false, 1, 1, 1.5, 2, 1}; break;
    case 4: m = {true, 1.5, 1.5, 2, 4, 1.5}; break;
    case 5: m = {false, 1, 1, 1.5, 4, 1}; break;
    case 6: m = {false, 1, 1, 1.5, 5.5, 1}; break;
    default: return {};
    }
    // Across: D F C F D, or C F D for two legs.
    std::vector<double> larghezze = m.dueColonne ? std::vector<double>{m.c, m.f, m.d}
                                                 : std::vector<double>{m.d, m.f, m.c, m.f, m.d};
    double b = 0;
    for (double l : larghezze) b += l;
    const double a = m.e + 2 * m.g;

    constexpr int W = 228, H = 180, sx = 34, dx = 26, su = 24, giu = 28;
    const double u = std::min((W - sx - dx) / b, (H - su - giu) / a);
    const double x0 = sx + ((W - sx - dx) - b * u) / 2, y0 = su;
    const double x1 = x0 + b * u, y1 = y0 + a * u;

    QImage img = Foglio(W, H);
    QPainter p(&img);
    PreparaPittore(p);

    // The iron, with its windows cut out.
    QPainterPath ferro;
    ferro.addRect(QRectF(x0, y0, x1 - x0, y1 - y0));
    std::vector<QRectF> finestre;
    double x = x0;
    for (size_t k = 0; k < larghezze.size(); ++k) {
        if (k % 2 == 1) finestre.emplace_back(x, y0 + m.g * u, larghezze[k] * u, m.e * u);
        x += larghezze[k] * u;
    }
    for (const QRectF& r : finestre) ferro.addRect(r);
    ferro.setFillRule(Qt::OddEvenFill);
    p.setPen(QPen(QColor(kTratto), 1.2));
    p.setBrush(QColor(190, 196, 205));
    p.drawPath(ferro);

    p.setPen(QPen(QColor(170, 0, 0), 1));
    const QRectF& w = finestre.front();
    Quota(p, {x0 - 14, y0}, {x0 - 14, y1}, "A", {x0 - 25, (y0 + y1) / 2});
    Quota(p, {x0, y0 - 10}, {x1, y0 - 10}, "B", {(x0 + x1) / 2, y0 - 19});
    Quota(p, {x1 + 10, y1 - m.g * u}, {x1 + 10, y1}, "G", {x1 + 19, y1 - m.g * u / 2});
    // E up the middle of the first window, its letter low; F across near the top.
    Quota(p, {w.center().x(), w.top()}, {w.center().x(), w.bottom()}, "E",
          {w.center().x() + 7, w.bottom() - 12});
    Quota(p, {w.left(), w.top() + 10}, {w.right(), w.top() + 10}, "F", {w.center().x(), w.top() + 21});
    // Under the legs: C and D (two legs: C first, D last).
    const double yb = y1 + 10;
    if (m.dueColonne) {
        Quota(p, {x0, yb}, {x0 + m.c * u, yb}, "C", {x0 + m.c * u / 2, yb + 10});
        Quota(p, {x1 - m.d * u, yb}, {x1, yb}, "D", {x1 - m.d * u / 2, yb + 10});
    } else {
        const double xc = x0 + (m.d + m.f) * u;
        Quota(p, {x0, yb}, {x0 + m.d * u, yb}, "D", {x0 + m.d * u / 2, yb + 10});
        Quota(p, {xc, yb}, {xc + m.c * u, yb}, "C", {xc + m.c * u / 2, yb + 10});
    }
    return img;
}

}  // namespace disegni
