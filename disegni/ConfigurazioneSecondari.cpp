#include "disegni/ConfigurazioneSecondari.h"

#include <algorithm>
#include <string>
#include <vector>

#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include "disegni/Tratti.h"
#include "engine/InputUsci.h"

namespace disegni {

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
