#include "disegni/Rocchetto.h"

#include <QPainter>

#include "disegni/Tratti.h"

namespace disegni {

QImage Rocchetto() {
    constexpr int W = 340, H = 140;
    QImage img = Foglio(W, H);
    QPainter p(&img);
    PreparaPittore(p);
    const QColor flangia(214, 196, 150), tubo(236, 222, 186);

    // ---- front view: the flange with the tube's hole in the middle
    const QRectF esterno(20, 14, 120, 108), foro(62, 44, 50, 40);
    p.setPen(QPen(QColor(kTratto), 1));
    p.setBrush(flangia);
    p.drawRect(esterno);
    p.setBrush(tubo);
    p.drawRect(foro.adjusted(-4, -4, 4, 4));
    p.setBrush(Qt::white);
    p.drawRect(foro);
    p.setPen(QPen(QColor(170, 0, 0), 1));
    Quota(p, {foro.left(), foro.bottom() + 12}, {foro.right(), foro.bottom() + 12}, "Cr",
          {foro.center().x(), foro.bottom() + 24});
    Quota(p, {foro.left() - 12, foro.top()}, {foro.left() - 12, foro.bottom()}, "", {});
    p.drawText(QRectF(esterno.left() + 2, foro.center().y() - 7, foro.left() - 16 - esterno.left(), 14),
               Qt::AlignRight | Qt::AlignVCenter, "Spr");
    Quota(p, {foro.right(), esterno.top() + 14}, {esterno.right(), esterno.top() + 14}, "M",
          {(foro.right() + esterno.right()) / 2, esterno.top() + 26});

    // ---- side view: the tube between two end flanges and a middle one
    constexpr double x0 = 190, x1 = 320, sp = 6, yAlto = 14, yBasso = 122;
    const double xm = (x0 + x1) / 2;
    p.setPen(QPen(QColor(kTratto), 1));
    p.setBrush(tubo);
    p.drawRect(QRectF(x0, 54, x1 - x0, 32));
    p.setBrush(flangia);
    for (double x : {x0 - sp, xm - sp / 2, x1}) p.drawRect(QRectF(x, yAlto, sp, yBasso - yAlto));
    p.setPen(QPen(QColor(170, 0, 0), 1));
    Quota(p, {x0, yBasso - 10}, {x1, yBasso - 10}, "H", {xm + 14, yBasso - 20});
    Quota(p, {x0, yAlto + 12}, {xm - sp / 2, yAlto + 12}, "I", {(x0 + xm) / 2, yAlto + 24});
    Quota(p, {xm + sp / 2, yAlto + 12}, {x1, yAlto + 12}, "L", {(xm + x1) / 2, yAlto + 24});
    return img;
}

}  // namespace disegni
