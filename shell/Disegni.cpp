#include "shell/Disegni.h"

#include <algorithm>
#include <string>
#include <vector>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>

#include "engine/InputUsci.h"

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

void Carattere(QPainter& p, int px, bool grassetto) {
    QFont f = p.font();
    f.setPixelSize(px);
    f.setBold(grassetto);
    p.setFont(f);
}

// Smooth lines and the bold letters of the measures.
void PreparaPittore(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    Carattere(p, 11, true);
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

namespace {

// The secondary sections of one stage and the loads they make up.
struct SecondariStadio {
    const char* titolo;    // "" when both stages wind the same sections
    const char* nomi;      // section names, comma-separated ("": 1, 2, ...)
    const char* quote;     // each section's share of the turns S
    const char* correnti;  // each section's current (a single entry: all alike)
    std::vector<const char*> carichi;  // per impedance box: series "+", parallel "|"
};

// The sections and loads of a letter; its description, forced stage and
// primary sections are the window's (inputusci).
struct ConfigSecondari {
    char lettera;
    std::vector<SecondariStadio> stadi;
};

const std::vector<ConfigSecondari>& TabellaSecondari() {
    static const std::vector<ConfigSecondari> t = {
        {'N', {{"", "1,2,…,m", "S/m,S/m,S/m,S/m", "I", {"1+2+…+m"}}}},
        {'A',
         {{"single-ended", "", "S1-S2,S2", "I1,I2", {"1+2", "2"}},
          {"push-pull", "", "(S1-S2)/2,(S1-S2)/2,S2/2,S2/2", "I1,I1,I2,I2", {"1+2+3+4", "3+4"}}}},
        {'B', {{"", "", "S/2,S/2", "I", {"1+2", "1|2"}}}},
        {'C', {{"", "", "S/4,S/4,S/4,S/4", "I", {"1+2+3+4", "(1+2)|(3+4)", "1|2|3|4"}}}},
        {'D', {{"", "", "2/3 S,2/3 S,S/3,S/3", "I/2", {"(1+3)|(2+4)", "1|2|(3+4)"}}}},
        {'E', {{"", "", "S/4,3/4 S,3/4 S,S/4,3/4 S,S/4", "I/3", {"(1+2)|(3+4)|(5+6)", "2|3|5|(1+4+6)"}}}},
        {'F', {{"", "", "S/4,3/4 S,3/4 S,S/4,S/2,S/4,S/4", "I/3", {"(1+2)|(3+4)|(5+6+7)", "2|3|(5+6)|(1+4+7)"}}}},
        {'G', {{"", "", "S/6,S/3,S/2,S/2,S/3,S/6", "I/2", {"(1+2+3)|(4+5+6)", "(1+3)|(4+6)|(2+5)", "3|4|(1+2)|(5+6)"}}}},
        {'H',
         {{"", "", "S/4,S/2,S/4,S/2,S/2,S/4,S/2,S/4", "I/3",
           {"(2+4)|(5+7)|(1+3+6+8)", "(1+2)|(3+4)|(5+6)|(7+8)", "2|4|5|7|(1+3)|(6+8)"}}}},
    };
    return t;
}

const QColor kPrimario(150, 30, 30), kSecondario(20, 60, 160), kNucleo(110, 110, 110);

QStringList Voci(const char* elenco) { return QString::fromUtf8(elenco).split(',', Qt::SkipEmptyParts); }

// The minus sign and the parallel sign as printed.
QString Formula(QString s) { return s.replace('-', QChar(0x2212)).replace('|', QChar(0x2225)); }

// A winding symbol of `archi` half turns from a down to b (bulging right) or
// from a across to b (bulging up).
void Bobina(QPainter& p, QPointF a, QPointF b, int archi) {
    const bool verticale = a.x() == b.x();
    const double d = (verticale ? b.y() - a.y() : b.x() - a.x()) / archi;
    QPainterPath tratto(a);
    for (int j = 0; j < archi; ++j) {
        if (verticale)
            tratto.arcTo(QRectF(a.x() - d / 2, a.y() + j * d, d, d), 90, -180);
        else
            tratto.arcTo(QRectF(a.x() + j * d, a.y() - d / 2, d, d), 180, -180);
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(tratto);
}

void Morsetto(QPainter& p, QPointF c) {
    p.setBrush(Qt::white);
    p.drawEllipse(c, 2.5, 2.5);
}

// The primary of one stage: its sections in series between the anode and B+
// beside a core with an air gap (single-ended), or between the two anodes
// with B+ at the centre tap (push-pull, an even count).
void Primario(QPainter& p, const QRectF& r, int sezioni, bool push) {
    const QStringList nomi = sezioni < 0 ? QStringList{"1", "2", "…", "n"} : QStringList{};
    const int n = sezioni < 0 ? 4 : sezioni;
    const double cx = r.left() + (push ? 30 : 22), y0 = r.top() + 34, y1 = r.bottom() - 30, h = (y1 - y0) / n;
    p.setPen(QPen(QColor(kTratto), 1));
    Carattere(p, 8, false);
    p.drawText(QRectF(r.left(), r.top(), r.width(), 12), Qt::AlignCenter, push ? "push-pull" : "single-ended");
    Carattere(p, 9, false);
    p.drawText(QRectF(r.left(), r.top() + 13, r.width(), 12), Qt::AlignCenter, push ? "Anodo 1" : "Anodo");
    p.drawText(QRectF(r.left(), y1 + 16, r.width(), 12), Qt::AlignCenter, push ? "Anodo 2" : "B+");
    p.drawLine(QPointF(cx, y0 - 6), QPointF(cx, y0));
    p.drawLine(QPointF(cx, y1), QPointF(cx, y1 + 6));
    Carattere(p, 8, false);
    for (int k = 0; k < n; ++k) {
        const double ya = y0 + k * h;
        p.setPen(QPen(kPrimario, 1.3));
        Bobina(p, {cx, ya + 1}, {cx, ya + h - 1}, h >= 12 ? 3 : 2);
        p.setPen(QPen(QColor(kTratto), 1));
        if (k > 0) p.drawLine(QPointF(cx, ya - 1), QPointF(cx, ya + 1));
        p.drawText(QRectF(r.left(), ya, cx - r.left() - 4, h), Qt::AlignRight | Qt::AlignVCenter,
                   nomi.isEmpty() ? QString::number(k + 1) : nomi[k]);
    }
    p.setPen(QPen(QColor(kTratto), 1));
    Morsetto(p, {cx, y0 - 8});
    Morsetto(p, {cx, y1 + 8});
    // The core beside the winding: cut by the air gap in a single-ended stage.
    const double xn = cx + 11, ym = (y0 + y1) / 2;
    p.setPen(QPen(kNucleo, 1.5));
    for (double x : {xn, xn + 3}) {
        if (push) {
            p.drawLine(QPointF(x, y0), QPointF(x, y1));
        } else {
            p.drawLine(QPointF(x, y0), QPointF(x, ym - 4));
            p.drawLine(QPointF(x, ym + 4), QPointF(x, y1));
        }
    }
    p.setPen(QPen(QColor(kTratto), 1));
    if (push) {
        // B+ at the centre tap, clear of the section numbers either side.
        const double yc = y0 + n / 2 * h;
        p.drawLine(QPointF(cx, yc), QPointF(cx - 11, yc));
        Morsetto(p, {cx - 11, yc});
        Carattere(p, 9, false);
        p.drawText(QRectF(r.left(), yc - 6, cx - 14 - r.left(), 12), Qt::AlignRight | Qt::AlignVCenter, "B+");
    } else {
        p.drawLine(QPointF(xn - 2, ym - 4), QPointF(xn + 5, ym - 4));
        p.drawLine(QPointF(xn - 2, ym + 4), QPointF(xn + 5, ym + 4));
        p.save();
        p.translate(xn + 14, ym);
        p.rotate(-90);
        p.drawText(QRectF(-30, -6, 60, 12), Qt::AlignCenter, "traferro");
        p.restore();
    }
}

// One load box: its formula, then the branches in parallel between two bus
// lines, each branch its sections in series. Returns the height used.
double Carico(QPainter& p, double x0, double x1, double y, int numero, const char* schema, double passo) {
    p.setPen(QPen(QColor(kTratto), 1));
    Carattere(p, 9, false);
    p.drawText(QRectF(x0, y, x1 - x0, 12), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Imp. %1:").arg(numero));
    Carattere(p, 8, false);
    p.drawText(QRectF(x0 + 40, y, x1 - x0 - 40, 12), Qt::AlignLeft | Qt::AlignVCenter,
               Formula(QString::fromUtf8(schema)));
    const QStringList rami = QString::fromUtf8(schema).split('|');
    const double sx = x0 + 10, dx = x1 - 10, ya = y + 12 + passo / 2;
    const double yb = ya + (rami.size() - 1) * passo;
    p.drawLine(QPointF(sx, ya), QPointF(sx, yb));
    p.drawLine(QPointF(dx, ya), QPointF(dx, yb));
    p.drawLine(QPointF(x0 + 3, ya), QPointF(sx, ya));
    p.drawLine(QPointF(dx, ya), QPointF(x1 - 3, ya));
    Morsetto(p, {x0 + 3, ya});
    Morsetto(p, {x1 - 3, ya});
    Carattere(p, 8, false);
    constexpr double lb = 16, hb = 9, spazio = 5;
    for (int k = 0; k < rami.size(); ++k) {
        QString ramo = rami[k];
        const QStringList sezioni = ramo.remove('(').remove(')').split('+');
        const double yr = ya + k * passo;
        const double largo = sezioni.size() * lb + (sezioni.size() - 1) * spazio;
        double x = (sx + dx - largo) / 2;
        p.setPen(QPen(QColor(kTratto), 1));
        p.drawLine(QPointF(sx, yr), QPointF(dx, yr));
        for (const QString& s : sezioni) {
            const QRectF box(x, yr - hb / 2, lb, hb);
            p.setPen(QPen(kSecondario, 1));
            p.setBrush(QColor(225, 232, 250));
            p.drawRect(box);
            p.drawText(box, Qt::AlignCenter, s);
            x += lb + spazio;
        }
        p.setPen(QPen(QColor(kTratto), 1));
        if (k > 0) {
            p.setBrush(QColor(kTratto));
            p.drawEllipse(QPointF(sx, yr), 1.5, 1.5);
            p.drawEllipse(QPointF(dx, yr), 1.5, 1.5);
        }
    }
    return 12 + rami.size() * passo + 4;
}

}  // namespace

QImage ConfigurazioneSecondari(char lettera) {
    const auto& tabella = TabellaSecondari();
    const auto c = std::find_if(tabella.begin(), tabella.end(),
                                [&](const ConfigSecondari& x) { return x.lettera == lettera; });
    const inputusci::Configurazione* cfg = inputusci::TrovaConfigurazione(std::string(1, lettera));
    if (c == tabella.end() || !cfg) return {};
    using inputusci::Stadio;
    // Primary sections of each stage offered (-1: the user's count).
    const int priSingle = cfg->forzato == Stadio::Push ? 0 : cfg->conteggiLiberi ? -1 : cfg->priSingle;
    const int priPush = cfg->forzato == Stadio::Single ? 0 : cfg->conteggiLiberi ? -1 : cfg->priPush;
    constexpr int W = 400, H = 300, yCol = 58, yFine = 282;
    QImage img = Foglio(W, H);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    // ---- the letter, its description and the stage it is only for
    p.setPen(QPen(QColor(kTratto), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(6, 8, 30, 30));
    Carattere(p, 20, true);
    p.drawText(QRectF(6, 8, 30, 30), Qt::AlignCenter, QString(QChar(lettera)));
    Carattere(p, 11, false);
    p.drawText(QRectF(44, 4, 350, 34), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
               QString::fromUtf8(cfg->commento));
    if (cfg->forzato != Stadio::Libero) {
        p.setPen(QColor(170, 0, 0));
        Carattere(p, 10, true);
        p.drawText(QRectF(44, 39, 350, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   cfg->forzato == Stadio::Single ? "solo single-ended" : "solo push-pull");
    }
    p.setPen(QPen(kNucleo, 1));
    p.drawLine(QPointF(4, 55), QPointF(W - 4, 55));
    p.drawLine(QPointF(118, yCol), QPointF(118, yFine - 4));
    p.drawLine(QPointF(234, yCol), QPointF(234, yFine - 4));
    p.setPen(QColor(kTratto));
    Carattere(p, 10, true);
    p.drawText(QRectF(4, yCol, 112, 14), Qt::AlignCenter, "Primario");
    p.drawText(QRectF(120, yCol, 112, 14), Qt::AlignCenter, "Secondari");
    p.drawText(QRectF(236, yCol, 160, 14), Qt::AlignCenter, "Impedenze di carico");

    // ---- the primary of each stage the letter offers
    const double yPri = yCol + 18;
    const bool dueStadi = priSingle != 0 && priPush != 0;
    const double alto = yFine - yPri;
    if (priSingle != 0) Primario(p, QRectF(dueStadi ? 4 : 32, yPri, 56, alto), priSingle, false);
    if (priPush != 0) Primario(p, QRectF(dueStadi ? 60 : 32, yPri, 56, alto), priPush, true);

    // ---- the secondary sections, and the loads they make up
    int righe = 0, titoli = 0, carichi = 0, rami = 0;
    for (const SecondariStadio& s : c->stadi) {
        titoli += *s.titolo ? 1 : 0;
        righe += static_cast<int>(Voci(s.quote).size());
        for (const char* k : s.carichi) {
            ++carichi;
            rami += static_cast<int>(QString::fromUtf8(k).count('|')) + 1;
        }
    }
    const double hr = std::min(18.0, (alto - titoli * 14) / righe);
    const double passo = std::min(13.0, (alto - titoli * 14 - carichi * 16) / rami);
    double ys = yPri, yc = yPri;
    for (const SecondariStadio& s : c->stadi) {
        if (*s.titolo) {
            p.setPen(QColor(kTratto));
            Carattere(p, 9, true);
            for (double x : {122.0, 238.0}) p.drawText(QRectF(x, ys, 100, 12), Qt::AlignLeft, s.titolo);
            ys += 14;
            yc = ys;
        }
        const QStringList quote = Voci(s.quote), correnti = Voci(s.correnti), nomi = Voci(s.nomi);
        for (int k = 0; k < quote.size(); ++k) {
            const double ym = ys + hr / 2;
            p.setPen(QPen(kSecondario, 1.3));
            Bobina(p, {122, ym + 3}, {134, ym + 3}, 3);
            p.setPen(QColor(kTratto));
            Carattere(p, 9, false);
            const QRectF riga(138, ys, 92, hr);
            p.drawText(riga, Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("Avv ") + (nomi.isEmpty() ? QString::number(k + 1) : nomi[k]));
            p.drawText(riga.adjusted(30, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, Formula(quote[k]));
            p.drawText(riga, Qt::AlignRight | Qt::AlignVCenter, correnti[correnti.size() == 1 ? 0 : k]);
            ys += hr;
        }
        int numero = 0;
        for (const char* k : s.carichi) yc += Carico(p, 236, 396, yc, ++numero, k, passo);
        ys = yc = std::max(ys, yc) + 2;
    }

    // ---- what S and I stand for
    p.setPen(QColor(kTratto));
    Carattere(p, 9, false);
    const char* legenda = c->lettera == 'A'
                              ? "S1, S2: spire delle impedenze 1 e 2;  I1, I2: le loro correnti"
                          : c->lettera == 'N' ? "S: spire dell'impedenza 1;  I: la sua corrente;  n, m: a scelta"
                                              : "S: spire dell'impedenza 1;  I: la sua corrente";
    p.drawText(QRectF(6, yFine, W - 12, 16), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(legenda));
    return img;
}

}  // namespace disegni
