#include "platform/ui/Controlli.h"

#include <limits>

#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTabBar>
#include <QWheelEvent>

#include "platform/core/Numeri.h"
#include "platform/ui/CampoNumerico.h"
#include "platform/ui/Posiziona.h"

namespace {

// A control that takes the focus by a click and is turned by the mouse wheel
// only once it holds it. A click on a tab thus leaves the count list or the
// field the user was in, which applies its value first: a new winding count
// shows its frames on the page the user turns to. A wheel turned over a list
// while scrolling past is no choice, and goes on to the page; nor does it
// turn a tab page under a field being typed in, hiding the field before its
// value is checked.
template <class Base>
class RotellaSoloConFuoco : public Base {
public:
    explicit RotellaSoloConFuoco(QWidget* parent) : Base(parent) { this->setFocusPolicy(Qt::StrongFocus); }

protected:
    void wheelEvent(QWheelEvent* e) override {
        if (this->hasFocus()) Base::wheelEvent(e);
        else e->ignore();
    }
};

}  // namespace

QTabBar* Schede(QWidget* parent, const QString& nome, int x, int y, int w, int h) {
    auto* t = new RotellaSoloConFuoco<QTabBar>(parent);
    t->setObjectName(nome);
    QFont f = t->font();
    f.setPointSize(7);
    t->setFont(f);
    t->setExpanding(false);
    t->setDrawBase(true);
    t->setElideMode(Qt::ElideNone);
    t->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 2px 3px; margin-right: 1px; margin-top: 2px;"
        " border: 1px solid palette(mid); border-bottom: none;"
        " border-top-left-radius: 3px; border-top-right-radius: 3px; background: palette(button); }"
        "QTabBar::tab:selected { margin-top: 0px; background: palette(window); }"));
    Posiziona(t, x, y, w, h);
    return t;
}

QLabel* Didascalia(QWidget* parent, const QString& nome, const QString& testo, int x, int y, int w,
                   int h, Qt::Alignment allinea) {
    auto* l = new QLabel(testo, parent);
    l->setObjectName(nome);
    l->setAlignment(allinea);
    Posiziona(l, x, y, w, h);
    return l;
}

QLabel* Etichetta(QWidget* parent, const QString& nome, const QString& testo, int x, int y, int w,
                  int h, const QFont* font, Qt::Alignment allinea) {
    QLabel* l = Didascalia(parent, nome, testo, x, y, w, h, allinea);
    if (font) l->setFont(*font);
    l->setTextFormat(Qt::PlainText);
    AdattaCarattere(l, testo);
    return l;
}

int TestoIntero::Rientro(const QFontMetrics& fm) const {
    if (indent() >= 0) return indent();
    return frameWidth() > 0 ? fm.horizontalAdvance(QLatin1Char('x')) / 2 : 0;
}

// A figure drawn against the frame's line reads as cut by it.
int TestoIntero::Stacco() const { return frameWidth() > 0 ? 1 : 0; }

QFont CarattereCheEntra(QFont f, const QString& testo, int larghezza, int altezza) {
    // Across: the whole line; top to bottom: the ink of its characters (a
    // row lower than a line of the font keeps a figure's top and a comma's tail).
    auto entra = [&](const QFont& c) {
        const QFontMetrics fm(c);
        return fm.horizontalAdvance(testo) <= larghezza && fm.tightBoundingRect(testo).height() <= altezza;
    };
    if (testo.isEmpty() || entra(f)) return f;
    for (int px = QFontInfo(f).pixelSize() - 1; px > 1; --px) {
        f.setPixelSize(px);
        if (entra(f)) break;
    }
    return f;
}

QFont TestoIntero::CarattereMostrato() const {
    const QRect area = contentsRect();
    const int altezza = area.height() - 2 * margin() - 2 * Stacco();
    // Top to bottom any figure fits, a digit's top and a comma's tail, so that
    // a column of boxes shows its figures in one size; then the text itself.
    // The room beside the text is that of the label's own font.
    const QFont cifre = CarattereCheEntra(font(), QStringLiteral("0,9"), std::numeric_limits<int>::max(), altezza);
    return CarattereCheEntra(cifre, text(), area.width() - 2 * margin() - Rientro(QFontMetrics(font())), altezza);
}

void TestoIntero::paintEvent(QPaintEvent* e) {
    if (text().isEmpty() || textFormat() == Qt::RichText) return QLabel::paintEvent(e);
    QPainter p(this);
    drawFrame(&p);
    const QFont f = CarattereMostrato();
    const QFontMetrics fm(f);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    // The line centred as a label centres it; when its ink would cross the
    // box's edge, or touch the frame, the ink centred instead.
    const QRect ink = fm.tightBoundingRect(text());
    const QRect libera = area.adjusted(0, Stacco(), 0, -Stacco());
    int base = area.top() + (area.height() - fm.height()) / 2 + fm.ascent();
    if (alignment() & Qt::AlignTop) base = area.top() + fm.ascent();
    if (base + ink.top() < libera.top() || base + ink.bottom() > libera.bottom())
        base = area.top() + (area.height() - ink.height()) / 2 - ink.top();
    const int rientro = Rientro(fm);
    QRect riga(area.left(), base - fm.ascent(), area.width(), fm.height());
    if (alignment() & Qt::AlignRight)
        riga.setRight(riga.right() - rientro);
    else if (!(alignment() & Qt::AlignHCenter))
        riga.setLeft(riga.left() + rientro);
    p.setFont(f);
    const Qt::Alignment orizzontale = alignment() & Qt::AlignHorizontal_Mask;
    style()->drawItemText(&p, riga, int(orizzontale | Qt::AlignTop | Qt::TextSingleLine), palette(), isEnabled(),
                          text(), foregroundRole());
}

QLabel* Risultato(QWidget* parent, const QString& nome, const QString& descrizione, int x, int y,
                  int w, int h) {
    auto* l = new TestoIntero(parent);
    l->setObjectName(nome);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setAccessibleName(descrizione);
    // It paints its own background (the window's colour, as under it), so a
    // new figure repaints the label alone and not the frames it lies on.
    l->setAutoFillBackground(true);
    Posiziona(l, x, y, w, h);
    return l;
}

QLabel* Immagine(QWidget* parent, const QString& nome, const QImage& img, int x, int y, int w, int h) {
    auto* l = new QLabel(parent);
    l->setObjectName(nome);
    l->setAlignment(Qt::AlignCenter);
    l->setPixmap(QPixmap::fromImage(img));
    Posiziona(l, x, y, w, h);
    return l;
}

QGroupBox* Riquadro(QWidget* parent, const QString& nome, const QString& caption, int x, int y, int w, int h) {
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(nome);
    Posiziona(g, x, y, w, h);
    return g;
}

namespace {

// A click on a chosen option leaves it chosen, also on the only option of its
// frame, which a plain radio button would clear.
class OpzioneScelta : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override {
        if (!isChecked()) QRadioButton::nextCheckState();
    }
};

}  // namespace

QRadioButton* Opzione(QWidget* parent, const QString& nome, const QString& caption, const QString& tooltip, int x,
                      int y, int w, int h) {
    auto* o = new OpzioneScelta(caption, parent);
    o->setObjectName(nome);
    if (!tooltip.isEmpty()) o->setToolTip(tooltip);
    Posiziona(o, x, y, w, h);
    return o;
}

QPushButton* Pulsante(QWidget* parent, const QString& nome, const QString& caption,
                      const QString& tooltip, int x, int y, int w, int h) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(nome);
    if (!tooltip.isEmpty()) b->setToolTip(tooltip);
    b->setAutoDefault(false);
    b->setDefault(false);
    Posiziona(b, x, y, w, h);
    return b;
}

CampoNumerico* Campo(QWidget* parent, const QString& nome, int limite, const QString& tooltip, int x,
                     int y, int w, int h, CampoNumerico::Tipo tipo, LostFocus::Uscita uscita) {
    auto* c = new CampoNumerico(parent, limite, tipo, uscita);
    c->setObjectName(nome);
    c->setToolTip(tooltip);
    c->setAlignment(tipo == CampoNumerico::Tipo::Nome ? Qt::AlignLeft | Qt::AlignVCenter
                                                      : Qt::AlignRight | Qt::AlignVCenter);
    Posiziona(c, x, y, w, h);
    return c;
}

QComboBox* Lista(QWidget* parent, const QString& nome, int x, int y, int w, int h) {
    auto* c = new RotellaSoloConFuoco<QComboBox>(parent);
    c->setObjectName(nome);
    c->setEditable(false);
    Posiziona(c, x, y, w, h);
    return c;
}

int NumeroDaLista(const QComboBox* c, int massimo) {
    auto v = num::TextToSng(c->currentText().toStdString());
    int n = v ? static_cast<int>(*v) : 1;
    if (n < 1) n = 1;
    if (n > massimo) n = massimo;
    return n;
}

void AdattaAltezza(QWidget* w, const QString& campione) {
    QFont f = w->font();
    const int corrente = QFontInfo(f).pixelSize();
    const int altezza = w->contentsRect().height();
    for (int px = corrente; px > 6; --px) {
        f.setPixelSize(px);
        const QFontMetrics fm(f);
        // Where the vertically centred line draws the sample's ink.
        const QRect inchiostro = fm.tightBoundingRect(campione);
        const int base = (altezza - fm.height()) / 2 + fm.ascent();
        if (base + inchiostro.top() >= 0 && base + inchiostro.bottom() < altezza) break;
    }
    if (f.pixelSize() != corrente) w->setFont(f);
}

void AdattaCarattere(QWidget* w, const QString& testo, int minPixel) {
    QFont f = w->font();
    int px = f.pixelSize() > 0 ? f.pixelSize() : QFontMetrics(f).height();
    const QStringList righe = testo.split(QLatin1Char('\n'));
    // Buttons and frames need a little room around their text.
    const int margine = w->inherits("QAbstractButton") ? 8 : 0;
    const int larghezza = w->contentsRect().width() - margine;
    const int altezza = w->contentsRect().height();
    for (; px > minPixel; --px) {
        f.setPixelSize(px);
        const QFontMetrics fm(f);
        int massima = 0;
        for (const QString& r : righe) massima = qMax(massima, fm.horizontalAdvance(r));
        if (massima <= larghezza && fm.lineSpacing() * righe.size() <= altezza + fm.leading()) break;
    }
    f.setPixelSize(px);
    w->setFont(f);
}
