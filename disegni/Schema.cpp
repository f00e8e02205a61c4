#include "disegni/Schema.h"

#include <QPainter>
#include <QPainterPath>

#include "disegni/Tratti.h"

namespace disegni {

namespace {

void Barre(QPainter& p, const QList<int>& colonne, int altezza) {
    for (int x : colonne) p.drawLine(x, 0, x, altezza - 1);
}

void Morsetto(QPainter& p, int x, int y) {
    // A small square terminal centred on (x, y) horizontally from its edge.
    p.drawRect(x, y - 2, 3, 4);
}

// Three loops stacked from yAlto to yBasso on the column x (bulging to the right),
// with the start dot beside the lower end.
void Bobina(QPainter& p, int x, int yAlto, int yBasso) {
    const double passo = (yBasso - yAlto) / 3.0;
    QPainterPath path;
    path.moveTo(x, yAlto);
    for (int k = 0; k < 3; ++k) {
        const double y0 = yAlto + k * passo;
        const double y1 = y0 + passo;
        path.cubicTo(x + 7, y0, x + 7, y1, x, y1);
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawPath(path);
    p.restore();
    p.fillRect(x - 5, yBasso - 4, 3, 3, QColor(kTratto));
}

// Kind 1: bars on the right, coil left of them, leads to the left edge.
QImage Primario() {
    QImage img = Foglio(47, 47, Qt::transparent);
    QPainter p(&img);
    p.setPen(QPen(QColor(kTratto), 1));
    Barre(p, ColonneNucleo(1), 47);
    const int xb = 24;
    Bobina(p, xb, 8, 38);
    p.drawLine(3, 8, xb, 8);
    p.drawLine(3, 38, xb, 38);
    Morsetto(p, 0, 8);
    Morsetto(p, 0, 38);
    return img;
}

// Kinds 3..6: 76 px wide, bars at 36..45, coil at 24.
enum Estremo { AMorsettoSinistro, AttraversaNucleo, LineaComune };

QImage Sezione(Estremo alto, Estremo basso) {
    QImage img = Foglio(76, 47, Qt::transparent);
    QPainter p(&img);
    p.setPen(QPen(QColor(kTratto), 1));
    Barre(p, ColonneNucleo(3), 47);
    const int xb = 24;
    const int yAlto = 8, yBasso = 38;
    Bobina(p, xb, yAlto, yBasso);
    auto estremo = [&](Estremo e, int y) {
        switch (e) {
        case AMorsettoSinistro:
            p.drawLine(3, y, xb, y);
            Morsetto(p, 0, y);
            break;
        case AttraversaNucleo:
            p.drawLine(xb, y, 72, y);
            Morsetto(p, 72, y);
            break;
        case LineaComune:
            p.drawLine(xb, y, xb, 44);
            p.drawLine(3, 44, 72, 44);
            Morsetto(p, 0, 44);
            Morsetto(p, 72, 44);
            break;
        }
    };
    estremo(alto, yAlto);
    estremo(basso, yBasso);
    return img;
}

}  // namespace

QList<int> ColonneNucleo(int figura) {
    switch (figura) {
    case 1: return {37, 40, 43, 46};
    case 2: return {0, 3, 6, 9};
    case 3: case 4: case 5: case 6: return {36, 39, 42, 45};
    default: return {};
    }
}

QImage Avvolgimento(int figura) {
    switch (figura) {
    case 1: return Primario();
    case 2: return Primario().mirrored(true, false);
    case 3: return Sezione(AttraversaNucleo, AMorsettoSinistro);   // step-up, upper
    case 4: return Sezione(AMorsettoSinistro, AttraversaNucleo);   // step-down, upper
    case 5: return Sezione(AMorsettoSinistro, LineaComune);        // step-up, lower
    case 6: return Sezione(AttraversaNucleo, LineaComune);         // step-down, lower
    default: return {};
    }
}

}  // namespace disegni
