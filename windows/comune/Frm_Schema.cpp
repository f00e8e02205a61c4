#include "windows/comune/Frm_Schema.h"

#include <limits>

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QStatusBar>

#include "disegni/Schema.h"
#include "engine/ModuleDIC.h"
#include "engine/SchemaLayout.h"
#include "platform/ui/Controlli.h"
#include "platform/ui/DialoghiFile.h"
#include "platform/ui/FinestraModale.h"
#include "platform/ui/Posiziona.h"

namespace {

// Frame of a sizable window with a caption, used to turn the outer size into
// the client size: 4 px borders and a 23 px title bar.
constexpr int kBordoPx = 4;
constexpr int kTitoloPx = 23;

QLabel* NuovaFigura(QWidget* area, int figura, int elemento) {
    auto* lbl = new QLabel(area);
    lbl->setObjectName(NomeIndice(("Image" + std::to_string(figura)).c_str(), elemento));
    const QPixmap pm = QPixmap::fromImage(disegni::Avvolgimento(figura));
    lbl->setPixmap(pm);
    lbl->resize(pm.size());
    lbl->hide();
    return lbl;
}

// The labels' font: the largest, up to the window's, in which the widest
// figure each mask writes stays clear of the label the layout puts 600 twips
// to its right (voltage and current, turns and wire, a secondary's current
// and its number).
QFont FontEtichette(QFont f) {
    constexpr int kStaccoPx = 3;
    // A font in which the widest fits holds the others: each shrinks it in turn.
    for (const QString& t : {Qs(schema::TestoVolt(9999.99f)), Qs(schema::TestoAmpere(999.99f)),
                             Qs(schema::TestoSpire(99999.0f))})
        f = CarattereCheEntra(f, t, Px(600) - kStaccoPx, std::numeric_limits<int>::max());
    return f;
}

}  // namespace

Frm_Schema::Frm_Schema(ModuleDIC& dati, QWidget* parent) : QMainWindow(parent) {
    setObjectName("Frm_Schema");
    setWindowTitle(Qs("Schema del Trasformatore"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    QFont base = font();
    base.setPixelSize(11);
    setFont(base);

    auto* mnuFile = menuBar()->addMenu(Qs("&File"));
    mnuFile->setObjectName("MnuFile");
    QAction* stampa = mnuFile->addAction(Qs("Sta&mpa"));
    stampa->setObjectName("MnuFileStampa");
    QAction* esci = mnuFile->addAction(Qs("&Esci"));
    esci->setObjectName("MnuFileEsci");
    connect(stampa, &QAction::triggered, this, &Frm_Schema::MnuFileStampa_Click);
    connect(esci, &QAction::triggered, this, &Frm_Schema::MnuFileEsci_Click);
    statusBar()->setObjectName("StatusBar1");
    statusBar()->setSizeGripEnabled(true);

    area_ = new QWidget(this);
    area_->setObjectName("Area");
    setCentralWidget(area_);

    // Every element of the picture and label arrays, hidden until placed.
    const QFont carattere = FontEtichette(base);
    for (int i = 0; i < schema::RIGHE_MAX; ++i) {
        immagini_[1].append(NuovaFigura(area_, 1, i));
        immagini_[2].append(NuovaFigura(area_, 2, i));
        for (int s = 0; s < 10; ++s) {
            const std::string nome = "Label" + std::to_string(s);
            auto* lbl = new QLabel(Qs(nome), area_);
            lbl->setObjectName(NomeIndice(nome.c_str(), i));
            lbl->setTextFormat(Qt::PlainText);
            lbl->setFont(carattere);
            Posiziona(lbl, 0, 0, 480, 195);
            lbl->hide();
            etichette_[s].append(lbl);
        }
    }
    for (int f = 3; f <= 6; ++f) immagini_[f].append(NuovaFigura(area_, f, 0));

    // Outer size 5600 x 8500 twips, centred on the screen.
    resize(Px(5600) - 2 * kBordoPx, Px(8500) - kTitoloPx - 2 * kBordoPx);
    if (QScreen* s = screen()) {
        const QRect a = s->availableGeometry();
        move(a.center() - QPoint(Px(5600) / 2, Px(8500) / 2));
    }
    Form_Load(dati);
}

QLabel* Frm_Schema::Figura(int figura, int elemento) {
    QList<QLabel*>& serie = immagini_[figura];
    if (figura <= 2) return serie.value(elemento, nullptr);
    // The tapped sections have one picture each; a further row on the same
    // side shows the same drawing again.
    const int k = copieUsate_[figura]++;
    while (serie.size() <= k) serie.append(NuovaFigura(area_, figura, 0));
    return serie[k];
}

void Frm_Schema::Form_Load(ModuleDIC& dati) {
    progetto_ = NomeProgetto(dati.FileNome);
    ImpostaTestoStato(this, Qs(schema::TestoStato(dati)));

    const schema::Layout l = schema::Calcola(dati);
    for (const schema::Immagine& im : l.immagini) {
        QLabel* w = Figura(im.figura, im.elemento);
        if (!w) continue;
        w->show();
        w->move(Px(im.left), Px(im.top));
    }
    for (const schema::Etichetta& e : l.etichette) {
        QLabel* w = etichette_[e.serie].value(e.elemento, nullptr);
        if (!w) continue;
        w->show();
        w->move(Px(e.left), Px(e.top));
        w->setText(Qs(e.testo));
        w->adjustSize();  // each label sizes itself to its caption
    }
    if (l.disegnato) {
        dati.Indice = l.indice;
        dati.Appoggio = l.riga;
        dati.NumRec = l.colonna;
    }
}

void Frm_Schema::MnuFileStampa_Click() {
    // Cancelling the printer dialog prints nothing. A PDF takes the project's
    // name and the window's, beside the design window's own print.
    Piattaforma::Dialoghi().Stampa(this, this, false, NomeDiStampa(progetto_, windowTitle()));
}

void Frm_Schema::MnuFileEsci_Click() { close(); }
