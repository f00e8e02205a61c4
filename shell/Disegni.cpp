#include "shell/Disegni.h"

#include <algorithm>
#include <vector>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

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

QImage Copertina() {
    QImage img(200, 200, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);

    // Background: a soft bench-top gradient.
    QLinearGradient fondo(0, 0, 0, 200);
    fondo.setColorAt(0, QColor(236, 232, 222));
    fondo.setColorAt(1, QColor(196, 188, 172));
    p.fillRect(img.rect(), fondo);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QRectF(4, 170, 112, 18));
    p.drawEllipse(QRectF(124, 176, 64, 12));

    // ---- the transformer: E-I lamination stack with a bobbin, and its frame.
    const QRectF pacco(14, 70, 96, 104);
    QLinearGradient ferro(pacco.topLeft(), pacco.topRight());
    ferro.setColorAt(0, QColor(70, 74, 82));
    ferro.setColorAt(0.5, QColor(140, 146, 156));
    ferro.setColorAt(1, QColor(62, 66, 74));
    p.setBrush(ferro);
    p.setPen(QPen(QColor(40, 40, 44), 1));
    p.drawRect(pacco);
    // Laminations seen edge-on.
    p.setPen(QPen(QColor(50, 52, 58, 120), 1));
    for (double y = pacco.top() + 4; y < pacco.bottom(); y += 4)
        p.drawLine(QPointF(pacco.left() + 1, y), QPointF(pacco.right() - 1, y));
    // Bobbin with the copper winding in the window.
    const QRectF bobina(34, 84, 56, 76);
    QLinearGradient rame(bobina.topLeft(), bobina.topRight());
    rame.setColorAt(0, QColor(128, 58, 18));
    rame.setColorAt(0.45, QColor(232, 146, 74));
    rame.setColorAt(1, QColor(120, 52, 16));
    p.setBrush(rame);
    p.setPen(QPen(QColor(90, 40, 10), 1));
    p.drawRoundedRect(bobina, 4, 4);
    p.setPen(QPen(QColor(255, 220, 170, 90), 1));
    for (double y = bobina.top() + 3; y < bobina.bottom() - 2; y += 3)
        p.drawLine(QPointF(bobina.left() + 2, y), QPointF(bobina.right() - 2, y));
    // Clamping frame and mounting feet.
    p.setBrush(QColor(36, 36, 40));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(10, 64, 104, 8));
    p.drawRect(QRectF(10, 172, 104, 8));
    p.drawRect(QRectF(4, 176, 18, 6));
    p.drawRect(QRectF(102, 176, 18, 6));
    // Solder tags and leads on top.
    p.setPen(QPen(QColor(210, 200, 150), 2));
    for (int k = 0; k < 4; ++k) {
        const double x = 30 + k * 20;
        p.drawLine(QPointF(x, 64), QPointF(x, 54));
    }
    p.setPen(QPen(QColor(170, 20, 20), 2));
    p.drawLine(QPointF(30, 54), QPointF(22, 40));
    p.setPen(QPen(QColor(20, 20, 20), 2));
    p.drawLine(QPointF(50, 54), QPointF(46, 38));
    p.setPen(QPen(QColor(230, 200, 30), 2));
    p.drawLine(QPointF(70, 54), QPointF(76, 40));
    p.setPen(QPen(QColor(30, 90, 180), 2));
    p.drawLine(QPointF(90, 54), QPointF(100, 42));

    // ---- the power valve: octal base, glass envelope, plates and getter.
    const double cx = 156;
    // Base.
    QLinearGradient bachelite(cx - 20, 0, cx + 20, 0);
    bachelite.setColorAt(0, QColor(30, 24, 20));
    bachelite.setColorAt(0.5, QColor(86, 70, 58));
    bachelite.setColorAt(1, QColor(26, 20, 16));
    p.setBrush(bachelite);
    p.setPen(QPen(QColor(10, 10, 10), 1));
    p.drawRoundedRect(QRectF(cx - 20, 156, 40, 24), 3, 3);
    p.setBrush(QColor(200, 190, 150));
    p.setPen(Qt::NoPen);
    for (int k = -2; k <= 2; ++k) p.drawRect(QRectF(cx + k * 7 - 1.5, 180, 3, 6));
    // Glass envelope (a bottle shape), lightly tinted.
    QPainterPath vetro;
    vetro.moveTo(cx - 18, 158);
    vetro.lineTo(cx - 18, 100);
    vetro.cubicTo(cx - 18, 84, cx - 26, 70, cx - 26, 52);
    vetro.cubicTo(cx - 26, 30, cx - 14, 22, cx, 22);
    vetro.cubicTo(cx + 14, 22, cx + 26, 30, cx + 26, 52);
    vetro.cubicTo(cx + 26, 70, cx + 18, 84, cx + 18, 100);
    vetro.lineTo(cx + 18, 158);
    vetro.closeSubpath();
    QLinearGradient riflesso(cx - 26, 0, cx + 26, 0);
    riflesso.setColorAt(0, QColor(200, 215, 225, 110));
    riflesso.setColorAt(0.3, QColor(255, 255, 255, 150));
    riflesso.setColorAt(1, QColor(170, 185, 200, 110));
    // Electrodes first, glass over them.
    p.setBrush(QColor(60, 60, 64));
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.drawRect(QRectF(cx - 12, 56, 24, 78));  // plate
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawLine(QPointF(cx - 8, 134), QPointF(cx - 8, 156));
    p.drawLine(QPointF(cx + 8, 134), QPointF(cx + 8, 156));
    p.drawLine(QPointF(cx, 50), QPointF(cx, 56));
    p.setBrush(QColor(220, 220, 225));
    p.setPen(QPen(QColor(120, 120, 130), 1));
    p.drawEllipse(QRectF(cx - 12, 44, 24, 8));  // mica
    p.drawEllipse(QRectF(cx - 12, 132, 24, 6));
    // Heater glow through the plate slot.
    QRadialGradient bagliore(QPointF(cx, 95), 10);
    bagliore.setColorAt(0, QColor(255, 150, 40, 230));
    bagliore.setColorAt(1, QColor(255, 90, 0, 0));
    p.setBrush(bagliore);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(cx - 3, 70, 6, 50));
    // Getter flash at the top.
    QRadialGradient getter(QPointF(cx, 30), 16);
    getter.setColorAt(0, QColor(90, 80, 60, 200));
    getter.setColorAt(1, QColor(160, 150, 120, 0));
    p.setBrush(getter);
    p.drawEllipse(QRectF(cx - 16, 23, 32, 16));
    p.setBrush(riflesso);
    p.setPen(QPen(QColor(120, 140, 150, 200), 1.2));
    p.drawPath(vetro);
    // A highlight on the glass.
    p.setPen(QPen(QColor(255, 255, 255, 170), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 19, 56), QPointF(cx - 14, 96));
    return img;
}

namespace {

constexpr QRgb kTratto = qRgb(0, 0, 0);

// A measure line from a to b with end ticks and its letter beside it.
void Quota(QPainter& p, QPointF a, QPointF b, const QString& lettera, QPointF testo) {
    p.drawLine(a, b);
    const bool orizzontale = a.y() == b.y();
    const QPointF t = orizzontale ? QPointF(0, 3) : QPointF(3, 0);
    p.drawLine(a - t, a + t);
    p.drawLine(b - t, b + t);
    p.drawText(QRectF(testo - QPointF(8, 7), QSizeF(16, 14)), Qt::AlignCenter, lettera);
}

// A white drawing of w x h pixels.
QImage Foglio(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    return img;
}

// Smooth lines and the bold letters of the measures.
void PreparaPittore(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
}

}  // namespace

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
