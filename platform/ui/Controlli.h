// The controls every window and dialog is made of, each named (objectName)
// and placed in twips at creation.
#pragma once

#include <QLabel>
#include <QString>
#include <Qt>

#include "platform/ui/CampoNumerico.h"

class QComboBox;
class QFont;
class QGroupBox;
class QImage;
class QPushButton;
class QRadioButton;
class QTabBar;
class QWidget;

// A tab strip, named and placed. It carries long captions: a slightly
// smaller font and tight tabs let four fit side by side. A click on a tab
// takes the focus; the mouse wheel turns its pages only while it holds it.
QTabBar* Schede(QWidget* parent, const QString& nome, int x, int y, int w, int h);

// A caption.
QLabel* Didascalia(QWidget* parent, const QString& nome, const QString& testo, int x, int y, int w,
                   int h, Qt::Alignment allinea = Qt::AlignLeft | Qt::AlignVCenter);

// A caption in plain text whose font (the given one, else the parent's) is
// lowered until the text fits its box.
QLabel* Etichetta(QWidget* parent, const QString& nome, const QString& testo, int x, int y, int w,
                  int h, const QFont* font = nullptr,
                  Qt::Alignment allinea = Qt::AlignLeft | Qt::AlignVCenter);

// The font to draw one line of `testo` whole in a box of larghezza x altezza
// pixels: f itself when the line fits across and its ink top to bottom, else
// the largest smaller pixel size that fits. The one rule of the result labels
// and the computed cells of the tables.
QFont CarattereCheEntra(QFont f, const QString& testo, int larghezza, int altezza);

// A label that shows its text whole: when the text is wider than the box,
// or any figure taller, it is drawn with the largest smaller font that fits
// (the box never moves or grows); otherwise as any label draws it. A framed
// label keeps its figures a pixel clear of the frame above and below.
class TestoIntero : public QLabel {
    Q_OBJECT
public:
    explicit TestoIntero(QWidget* parent = nullptr) : QLabel(parent) {}
    // The font the text is drawn with now.
    QFont CarattereMostrato() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // The room a framed label keeps beside its text.
    int Rientro(const QFontMetrics& fm) const;
    // The room a framed label keeps above and below its text's ink.
    int Stacco() const;
};

// A label that shows a result (a TestoIntero): sunken like a read-only field,
// its caption and unit also kept as its accessible name; opaque, so that a
// new figure repaints the label alone.
QLabel* Risultato(QWidget* parent, const QString& nome, const QString& descrizione, int x, int y,
                  int w, int h);

// A picture of ours, centred in its box.
QLabel* Immagine(QWidget* parent, const QString& nome, const QImage& img, int x, int y, int w, int h);

// A frame and an option button, named and placed. A click on a chosen
// option leaves it chosen, even when it is alone in its frame.
QGroupBox* Riquadro(QWidget* parent, const QString& nome, const QString& caption, int x, int y, int w, int h);
QRadioButton* Opzione(QWidget* parent, const QString& nome, const QString& caption, const QString& tooltip, int x,
                      int y, int w, int h);

// A push button that is never the default one (Enter stays with the fields).
QPushButton* Pulsante(QWidget* parent, const QString& nome, const QString& caption,
                      const QString& tooltip, int x, int y, int w, int h);

// A numeric field of at most `limite` characters, right-aligned; a name field
// (CampoNumerico::Tipo::Nome) is left-aligned.
CampoNumerico* Campo(QWidget* parent, const QString& nome, int limite, const QString& tooltip, int x,
                     int y, int w, int h, CampoNumerico::Tipo tipo = CampoNumerico::Tipo::Numero,
                     LostFocus::Uscita uscita = LostFocus::Uscita::Sempre);

// A drop-down list that takes no typing.
QComboBox* Lista(QWidget* parent, const QString& nome, int x, int y, int w, int h);

// The whole number a count list shows, kept within 1..massimo.
int NumeroDaLista(const QComboBox* c, int massimo);

// Lowers the font's pixel size of w (never below minPixel) until every line of
// testo fits the inner width, and all lines fit the height, of w: the fonts
// the layouts were drawn with are not on every system, and a wider substitute
// would clip or wrap texts.
void AdattaCarattere(QWidget* w, const QString& testo, int minPixel = 8);

// Lowers the font's pixel size of w, from its own, until the ink of
// `campione` drawn vertically centred fits the height of w's contents: a row
// lower than a line of the font keeps a figure's top and a comma's tail.
void AdattaAltezza(QWidget* w, const QString& campione);
