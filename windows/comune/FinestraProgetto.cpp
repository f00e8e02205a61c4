#include "windows/comune/FinestraProgetto.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>

#include "dialogs/Lanciatore.h"
#include "engine/Mod_Alim.h"
#include "engine/SceltaFilo.h"
#include "engine/ModRoutine.h"
#include "files/LibLam.h"
#include "files/LibRame.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"
#include "windows/comune/Frm_Schema.h"

namespace {

// ---- layout, in twips
constexpr int kRigaTitolo = 240;    // first row below a frame's caption
constexpr int kPassoCampo = 300;    // rows holding a text box
constexpr int kAltCampo = 285;
constexpr int kPassoEtichetta = 255;  // result rows of a winding frame
constexpr int kAltEtichetta = 240;
constexpr int kAltFrame = 4845;     // a winding frame
constexpr int kPassoRiga = 270;     // rows of the lamination and bobbin pages
constexpr int kAltRiga = 255;

// A winding left on its own shows "I" on the button face.
const inputalim::AspettoCollegamento kIsolato{"I", inputalim::ColoreCollegamento::FacciaPulsante};

constexpr const char* TITOLO_LIMITI = "Controllo Parametri Fuori Limite";

// The caption of a disabled coloured button: the style's pale grey can
// hardly be read on cyan or green, this dark grey reads well on both.
const QColor kTestoSpentoSuColore(80, 80, 80);

QColor ColoreDi(inputalim::ColoreCollegamento c, const QWidget* w) {
    switch (c) {
        case inputalim::ColoreCollegamento::Verde: return QColor(0, 255, 0);
        case inputalim::ColoreCollegamento::Ciano: return QColor(0, 255, 255);
        case inputalim::ColoreCollegamento::FacciaPulsante: break;
    }
    return QApplication::palette(w).color(QPalette::Active, QPalette::Button);
}

void ScriviTesto(QLabel* l, const std::string& testo) {
    if (l) l->setText(Qs(testo));
}

// A value in its general text form.
void Semplice(QLabel* l, float v) { ScriviTesto(l, num::SngToText(v)); }

// The build of a winding, the same rows on both sides: names, caption with
// unit, the labels, the design figures and the display mask (none: the
// general form).
using C = FinestraProgetto::ControlliComuni;
using EtichetteAvv = FinestraProgetto::Arr<QLabel>;
struct ColonnaCostruzione {
    const char* nomePri;
    const char* nomeSec;
    const char* didascalia;
    EtichetteAvv C::*pri;
    EtichetteAvv C::*sec;
    AvvArr ModuleDIC::*vPri;
    AvvArr ModuleDIC::*vSec;
    const char* maschera;
};
#define COLONNA(x, didascalia, maschera)                                                              \
    ColonnaCostruzione {                                                                            \
        "Lbl_Pri" #x, "Lbl_Sec" #x, didascalia, &C::Lbl_Pri##x, &C::Lbl_Sec##x, &ModuleDIC::Pri##x, \
            &ModuleDIC::Sec##x, maschera                                                            \
    }
const ColonnaCostruzione kCostruzione[] = {
    COLONNA(FiloNudo, "Ø Filo Nudo (mm)", nullptr),   COLONNA(FiloIsol, "Ø Filo Smalt. (mm)", nullptr),
    COLONNA(Lung, "Lunghezza Filo (m)", "0.0"),       COLONNA(Peso, "Peso Rame (g)", "0.0"),
    COLONNA(Dens, "Densità (A/mm²)", "0.0"),          COLONNA(PotPer, "Perdita Rame (W)", "0.0"),
    COLONNA(Ing, "Ingombro (mm²)", "0.0"),            COLONNA(SpSt, "Spire/Strato (n°)", "0.0"),
    COLONNA(Strati, "Strati (n°)", "0.0"),            COLONNA(Iso, "Isolante (mm²)", "0.0"),
    COLONNA(Res, "Resistenza (Ω)", "0.00")};
#undef COLONNA

template <class T, std::size_t N>
const T& Riga(const std::array<T, N>& a, int i) {
    static const T vuoto{};
    return (i >= 0 && i < static_cast<int>(N)) ? a[static_cast<std::size_t>(i)] : vuoto;
}

}  // namespace

void FinestraProgetto::ImpostaCollegamento(QPushButton* b, const inputalim::AspettoCollegamento& a) {
    if (!b) return;
    b->setText(Qs(a.caption));
    QColor colore = ColoreDi(a.colore, b);
    QPalette pal = b->palette();
    for (auto gruppo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(gruppo, QPalette::Button, colore);
    const bool faccia = a.colore == inputalim::ColoreCollegamento::FacciaPulsante;
    pal.setColor(QPalette::Disabled, QPalette::ButtonText,
                 faccia ? QApplication::palette(b).color(QPalette::Disabled, QPalette::ButtonText)
                        : kTestoSpentoSuColore);
    b->setPalette(pal);
}

QColor FinestraProgetto::ColoreCollegamento(const QPushButton* b) {
    return b ? b->palette().color(QPalette::Active, QPalette::Button) : QColor();
}

FinestraProgetto::FinestraProgetto(ModuleDIC& dic, QWidget* parent) : QMainWindow(parent), d_(dic) {
    Piattaforma::PrimaDiOgniMessaggio(this, [this] {
        if (c_ && isVisible()) RidisegnaPagine();
    });
}

FinestraProgetto::~FinestraProgetto() { Piattaforma::PrimaDiOgniMessaggio(this, {}); }

FinestraProgetto::ControlliLato FinestraProgetto::LatoUi(bool primario) {
    if (primario)
        return {c_->Cmb_PriNumAvv, c_->TabStrip1,   c_->FramePri,       c_->Frm_PriAvv,
                c_->Cmd_PriAvv,    c_->Cmd_PriFiloRame, c_->Cmd_PriRoch};
    return {c_->Cmb_SecNumAvv, c_->TabStrip2,   c_->FrameSec,       c_->Frm_SecAvv,
            c_->Cmd_SecAvv,    c_->Cmd_SecFiloRame, c_->Cmd_SecRoch};
}

void FinestraProgetto::Costruisci(const Descrizione& k, ControlliComuni& c) {
    c_ = &c;
    tipo_ = k.tipo;
    numAvv_ = k.numAvv;
    maxConteggio_ = k.maxConteggio > 0 ? k.maxConteggio : k.numAvv;
    numPag_ = k.numPag;
    collegamentiFissi_ = k.collegamentiFissi;
    senzaCollegamenti_ = k.senzaCollegamenti;
    libreriaLam_ = k.libreriaLam;
    risultatiPri_ = k.pri.risultati;
    risultatiSec_ = k.sec.risultati;
    titolo_ = Qs(k.titolo);
    titoloEsci_ = Qs(k.titoloEsci ? k.titoloEsci : k.titolo);
    menu_.ChiudiConAnnulla(k.chiudiAnnulla);
    setObjectName(k.nome);
    setWindowTitle(titolo_);

    auto* centro = new QWidget(this);
    centro->setObjectName(QString(k.nome) + "_Centro");
    QFont f = centro->font();
    f.setPointSize(8);
    centro->setFont(f);
    setCentralWidget(centro);

    CostruisciMenu(k);
    CostruisciConteggi(centro, k);
    // The third strip lies below the winding pages, as far down as they grew,
    // and the client area holds it whole.
    const int giu = CostruisciPagineAvvolgimenti(centro, k);
    CostruisciPagineLamierino(centro, k, giu);
    centro->setMinimumSize(Px(12300), Px(8580 + giu));

    statusBar()->setObjectName("StatusBar1");
    statusBar()->setSizeGripEnabled(false);
    TestoStato(this);

    listaCoefK_.Collega(c_->Cmb_CoefK);

    // The tab strips switch their pages only once every page exists.
    connect(c_->TabStrip1, &QTabBar::currentChanged, this, [this] { TabStrip1_Click(); });
    connect(c_->TabStrip2, &QTabBar::currentChanged, this, [this] { TabStrip2_Click(); });
    connect(c_->TabStrip3, &QTabBar::currentChanged, this, [this] { TabStrip3_Click(); });

    // A list takes effect when it is left, not when an entry is picked: a
    // count first rearranges the frames.
    ListaDelCalcolo(c_->Cmb_PriNumAvv, [this] { Cmb_PriNumAvv_LostFocus(); });
    ListaDelCalcolo(c_->Cmb_SecNumAvv, [this] { Cmb_SecNumAvv_LostFocus(); });
    for (QComboBox* l : {c_->Cmb_Frequenza, c_->Cmb_Induzione, c_->Cmb_Densita, c_->Cmb_CoefK})
        if (l) ListaDelCalcolo(l);
    for (const Descrizione::Lista& l : k.liste) ListaDelCalcolo(*l.lista, l.lasciata);

    // The numeric fields' checks (on focus loss and on Enter) and the two
    // options of the design mode, run only when the user picks them.
    CollegaCampi(k);
    connect(c_->Opt_Lam, &QRadioButton::clicked, this, [this] { Opt_Lam_Click(); });
    connect(c_->Opt_Pot, &QRadioButton::clicked, this, [this] { Opt_Pot_Click(); });
    connect(c_->Cmd_Aggiorna, &QPushButton::clicked, this, [this] { Cmd_Aggiorna_Click(); });
    connect(c_->Cmd_Schema, &QPushButton::clicked, this, [this] { Cmd_Schema_Click(); });

    const std::pair<QAction*, void (FinestraProgetto::*)()> menu[] = {
        {c_->MnuFileNuovo, &FinestraProgetto::MnuFileNuovo_Click},
        {c_->MnuFileApri, &FinestraProgetto::MnuFileApri_Click},
        {c_->MnuFileChiudi, &FinestraProgetto::MnuFileChiudi_Click},
        {c_->MnuFileSalva, &FinestraProgetto::MnuFileSalva_Click},
        {c_->MnuFileSalvaNome, &FinestraProgetto::MnuFileSalvaNome_Click},
        {c_->MnuFileImpostaStampante, &FinestraProgetto::MnuFileImpostaStampante_Click},
        {c_->MnuFileStampa, &FinestraProgetto::MnuFileStampa_Click},
        {c_->MnuFileEsci, &FinestraProgetto::MnuFileEsci_Click},
        {c_->MnuAbout, &FinestraProgetto::MnuAbout_Click}};
    for (const auto& [azione, gestore] : menu)
        connect(azione, &QAction::triggered, this, [this, g = gestore] { (this->*g)(); });

    Dimensiona(this, 12300, 9500);
}

// ------------------------------------------------------------------ building

void FinestraProgetto::CostruisciMenu(const Descrizione& k) {
    QMenuBar* barra = menuBar();
    barra->setObjectName("MenuBar");
    c_->MnuFile = barra->addMenu(Qs("&File"));
    c_->MnuFile->setObjectName("MnuFile");
    c_->MnuFile->menuAction()->setObjectName("MnuFile");
    auto voce = [this](QMenu* m, const char* nome, const char* caption) {
        QAction* a = m->addAction(Qs(caption));
        a->setObjectName(nome);
        a->setParent(this);
        return a;
    };
    auto separatore = [](QMenu* m, const char* nome) { m->addSeparator()->setObjectName(nome); };
    c_->MnuFileNuovo = voce(c_->MnuFile, "MnuFileNuovo", "&Nuovo");
    c_->MnuFileApri = voce(c_->MnuFile, "MnuFileApri", "&Apri");
    c_->MnuFileChiudi = voce(c_->MnuFile, "MnuFileChiudi", "&Chiudi");
    separatore(c_->MnuFile, "separator1");
    c_->MnuFileSalva = voce(c_->MnuFile, "MnuFileSalva", "&Salva");
    c_->MnuFileSalvaNome = voce(c_->MnuFile, "MnuFileSalvaNome", k.salvaNome);
    separatore(c_->MnuFile, "separator2");
    c_->MnuFileImpostaStampante = voce(c_->MnuFile, "MnuFileImpostaStampante", k.impostaStampante);
    c_->MnuFileStampa = voce(c_->MnuFile, "MnuFileStampa", k.stampa);
    separatore(c_->MnuFile, "separator3");
    c_->MnuFileEsci = voce(c_->MnuFile, "MnuFileEsci", "&Esci");

    c_->MnuHelp = barra->addMenu(Qs("&?"));
    c_->MnuHelp->setObjectName(k.menuAiuto);
    c_->MnuHelp->menuAction()->setObjectName(k.menuAiuto);
    c_->MnuAbout = voce(c_->MnuHelp, "MnuAbout", "&About");
}

void FinestraProgetto::CostruisciConteggi(QWidget* centro, const Descrizione& k) {
    Didascalia(centro, "Cap_PriNumAvv", Qs("N° Avvolgimenti Primari"), 60, 60, 2200, 315);
    c_->Cmb_PriNumAvv = Lista(centro, "Cmb_PriNumAvv", 2280, 60, 700, 315);
    c_->Cmd_Aggiorna = Pulsante(centro, "Cmd_Aggiorna", Qs(k.aggiorna), {}, 3060, 40, 1640, 360);
    c_->Cmd_Schema = Pulsante(centro, "Cmd_Schema", Qs("Vedi Schema"), {}, 4750, 40, 1300, 360);
    Didascalia(centro, "Cap_SecNumAvv", Qs("N° Avvolgimenti Secondari"), 6210, 60, 2300, 315);
    c_->Cmb_SecNumAvv = Lista(centro, "Cmb_SecNumAvv", 8530, 60, 700, 315);
    // The lists offer 1 to the window's number of windings from the start;
    // the window load fills them again.
    for (QComboBox* c : {c_->Cmb_PriNumAvv, c_->Cmb_SecNumAvv}) {
        for (int i = 1; i <= numAvv_; ++i) c->addItem(QString::number(i));
        c->setCurrentIndex(0);
    }
}

int FinestraProgetto::CostruisciPagineAvvolgimenti(QWidget* centro, const Descrizione& k) {
    int crescita = 0;
    for (const bool pri : {true, false}) {
        ControlliLato l = LatoUi(pri);
        const char* suffisso = pri ? " - Primario " : " - Secondario ";
        const int x0 = pri ? 60 : 6210;
        l.TabStrip = Schede(centro, pri ? "TabStrip1" : "TabStrip2", x0, 450, 6030, 330);

        // Rows of a winding frame: the inputs, then the kind's results and
        // the build of the winding, each with its caption and unit once at
        // the left of the page.
        const LatoAvv& lato = pri ? k.pri : k.sec;
        std::vector<RigaAvv> righe = lato.risultati;
        for (const ColonnaCostruzione& c : kCostruzione)
            righe.push_back({&(c_->*(pri ? c.pri : c.sec)), pri ? c.nomePri : c.nomeSec, c.didascalia});
        const int nCampi = static_cast<int>(lato.campi.size());
        const int passoCampo = lato.passoCampo > 0 ? lato.passoCampo : kPassoCampo;
        const int altCampo = passoCampo - (kPassoCampo - kAltCampo);
        // Below the kind's own row (270 twips): a step further down, or a
        // pixel below it when the side tightens its rows.
        const int yCampi = !k.rigaPropria ? kRigaTitolo + 330
                           : RIGA_PROPRIA + (lato.passoCampo > 0 ? kAltCampo : kPassoCampo);
        const int yRisultati = yCampi + passoCampo * nCampi;
        const int nRighe = std::max<int>(1, static_cast<int>(righe.size()));
        // The frame, and its page, taller when the side's rows ask for it.
        const int altFrame = std::max(kAltFrame, yRisultati + nRighe * lato.altRisultato + 60);
        crescita = std::max(crescita, altFrame - kAltFrame);
        // A frame with many rows packs its results closer.
        const int passo = std::min(kPassoEtichetta, (altFrame - 60 - yRisultati) / nRighe);
        // Packed rows touch each other, to keep the most room for their figures.
        const int alt = passo < kPassoEtichetta ? passo : kAltEtichetta;
        const int perPagina = (numAvv_ + numPag_ - 1) / numPag_;

        for (int p = 1; p <= numPag_; ++p) {
            QStringList numeri;
            for (int j = 0; j < perPagina; ++j) numeri << QString::number(perPagina * (p - 1) + j + 1);
            l.TabStrip->addTab(Qs(pri ? "Primario " : "Secondario ") + numeri.join(','));
            auto* pagina = new QGroupBox(centro);
            pagina->setObjectName(NomeIndice(pri ? "FramePri" : "FrameSec", p));
            Posiziona(pagina, x0, 780, 6030, altFrame + 90);
            l.Frame[p] = pagina;
            if (p > 1) pagina->hide();

            // Captions with units, once per page.
            const int yFrame = 60;
            Didascalia(pagina, {}, Qs("Collegam. / Filo / Gola"), 60, yFrame + kRigaTitolo, 1800, 300);
            for (int r = 0; r < nCampi; ++r)
                Didascalia(pagina, {}, Qs(lato.campi[r].didascalia), 60, yFrame + yCampi + r * passoCampo,
                           1800, altCampo);
            for (size_t r = 0; r < righe.size(); ++r)
                AdattaAltezza(Didascalia(pagina, {}, Qs(righe[r].didascalia), 60,
                                         yFrame + yRisultati + static_cast<int>(r) * passo, 1800, alt),
                              Qs(righe[r].didascalia));

            for (int j = 0; j < perPagina; ++j) {
                const int i = perPagina * (p - 1) + j;
                auto* frm = new QGroupBox(Qs("Avv ") + QString::number(i + 1), pagina);
                frm->setObjectName(NomeIndice(pri ? "Frm_PriAvv" : "Frm_SecAvv", i));
                Posiziona(frm, 1890 + 1350 * j, yFrame, 1290, altFrame);
                l.Frm_Avv[i] = frm;

                l.Cmd_Avv[i] = Pulsante(frm, NomeIndice(pri ? "Cmd_PriAvv" : "Cmd_SecAvv", i), "I",
                                        Qs("Modifico Tipo di Collegamento"), 60, kRigaTitolo, 390, 300);
                connect(l.Cmd_Avv[i], &QPushButton::clicked, this, [this, pri, i] { CollegamentoAvv(pri, i); });
                // A Greek phi, the wire's symbol.
                l.Cmd_FiloRame[i] =
                    Pulsante(frm, NomeIndice(pri ? "Cmd_PriFiloRame" : "Cmd_SecFiloRame", i), Qs("φ"),
                             Qs("Modifico Filo Rame"), 480, kRigaTitolo, 300, 300);
                connect(l.Cmd_FiloRame[i], &QPushButton::clicked, this, [this, pri, i] { SceltaFilo(pri, i); });
                l.Cmd_Roch[i] = Pulsante(frm, NomeIndice(pri ? "Cmd_PriRoch" : "Cmd_SecRoch", i), "H1",
                                         Qs("Avvolgimento nella Gola H del Rocchetto 1 "), 810,
                                         kRigaTitolo, 390, 300);
                connect(l.Cmd_Roch[i], &QPushButton::clicked, this, [this, pri, i] { PosizioneAvv(pri, i); });

                for (int r = 0; r < nCampi; ++r) {
                    const CampoAvv& c = lato.campi[r];
                    (*c.campi)[i] = Casella(frm, NomeIndice(c.nome, i), c.limite, Qs(c.tooltip), 60,
                                            yCampi + r * passoCampo, 1170, altCampo);
                }
                for (size_t r = 0; r < righe.size(); ++r)
                    (*righe[r].etichette)[i] =
                        Risultato(frm, NomeIndice(righe[r].nome, i),
                                  Qs(righe[r].didascalia) + Qs(suffisso) + QString::number(i + 1), 60,
                                  yRisultati + static_cast<int>(r) * passo, 1170, alt);
                CostruisciFrameAvv(pri, i, frm);
            }
        }
        l.TabStrip->setCurrentIndex(0);
    }
    return crescita;
}

int FinestraProgetto::RigaLam(int r) { return kRigaTitolo + r * kPassoRiga; }

void FinestraProgetto::ColonnaRisultati(QWidget* pagina, int x, int wDid, int xVal, int wVal, int r0,
                                        std::initializer_list<Voce> voci) {
    int r = r0;
    for (const Voce& v : voci) {
        Didascalia(pagina, QString("Cap_") + (v.nome + 4), Qs(v.didascalia), x, RigaLam(r), wDid,
                   kAltRiga);
        *v.lbl = Risultato(pagina, v.nome, Qs(v.didascalia), xVal, RigaLam(r), wVal, kAltRiga);
        ++r;
    }
}

void FinestraProgetto::ListeDatiGenerali(QWidget* p, int x) {
    Didascalia(p, "Cap_Frequenza", Qs("Frequenza (Hz)"), x, RigaLam(0), 1500, kAltRiga);
    c_->Cmb_Frequenza = Lista(p, "Cmb_Frequenza", x + 1560, RigaLam(0), 1000, kAltRiga);
    Didascalia(p, "Cap_Induzione", Qs("Induzione (T)"), x, RigaLam(1), 1500, kAltRiga);
    c_->Cmb_Induzione = Lista(p, "Cmb_Induzione", x + 1560, RigaLam(1), 1000, kAltRiga);
    Didascalia(p, "Cap_Densita", Qs("Densità (A/mm²)"), x, RigaLam(2), 1500, kAltRiga);
    c_->Cmb_Densita = Lista(p, "Cmb_Densita", x + 1560, RigaLam(2), 1000, kAltRiga);
}

void FinestraProgetto::RiquadroConosco(QWidget* p, int x, int y) {
    c_->Frame1 = new QGroupBox(Qs("Conosco:"), p);
    c_->Frame1->setObjectName("Frame1");
    Posiziona(c_->Frame1, x, y, 2950, 660);
    c_->Opt_Lam = new QRadioButton(Qs("Lamierini"), c_->Frame1);
    c_->Opt_Lam->setObjectName("Opt_Lam");
    c_->Opt_Lam->setToolTip(Qs("Conosco il Pacco Lamierini e Calcolo il range di Potenza Disponibile"));
    Posiziona(c_->Opt_Lam, 90, 300, 1350, kAltRiga);
    c_->Opt_Pot = new QRadioButton(Qs("Potenza"), c_->Frame1);
    c_->Opt_Pot->setObjectName("Opt_Pot");
    c_->Opt_Pot->setToolTip(
        Qs("Conosco la Potenza degli Avvolgimenti Secondari e Calcolo il Pacco Lamierini"));
    Posiziona(c_->Opt_Pot, 1500, 300, 1350, kAltRiga);
    // The window opens in the power-given mode.
    c_->Opt_Pot->setChecked(true);
}

void FinestraProgetto::ColonnaLamierino(QWidget* p, int x) {
    c_->Cmd_Lamierino = Pulsante(p, "Cmd_Lamierino", Qs("Tipo Lamierino"), Qs("Modifico il Lamierino"),
                                x, RigaLam(0) - 15, 1700, 285);
    connect(c_->Cmd_Lamierino, &QPushButton::clicked, this, [this] { Cmd_Lamierino_Click(); });
    c_->Lbl_Lamierino = Risultato(p, "Lbl_Lamierino", Qs("Lamierino"), x + 1800, RigaLam(0), 1050, kAltRiga);
    ColonnaRisultati(p, x, 1750, x + 1800, 1050, 1,
                     {{&c_->Lbl_C, "Lbl_C", "Colonna C (mm)"},
                      {&c_->Lbl_SP, "Lbl_SP", "Spessore Sp (mm)"},
                      {&c_->Lbl_SE, "Lbl_SE", "Sezione Ferro (cm²)"},
                      {&c_->Lbl_SF, "Lbl_SF", "Area Finestra (mm²)"},
                      {&c_->Lbl_LamPesoPacco, "Lbl_LamPesoPacco", "Peso Pacco (kg)"}});
}

void FinestraProgetto::ColonnaPerdite(QWidget* p, int x, bool intervallo) {
    Didascalia(p, "Cap_LamCdP", Qs("Cifra Perdita (W/kg)"), x, RigaLam(0), 2100, kAltRiga);
    c_->Txt_LamCdP = Casella(p, "Txt_LamCdP", 3, {}, x + 2150, RigaLam(0) - 15, 1040, kAltCampo);
    ColonnaRisultati(p, x, 2100, x + 2150, 1040, 1, {{&c_->Lbl_LamPF, "Lbl_LamPF", "Perdite Ferro (W)"}});
    if (intervallo)
        ColonnaRisultati(p, x, 2100, x + 2150, 1040, 2,
                         {{&c_->Lbl_PotMin, "Lbl_PotMin", "Potenza Min. (VA)"},
                          {&c_->Lbl_PotMax, "Lbl_PotMax", "Potenza Max. (VA)"}});
}

void FinestraProgetto::GruppoCoefK(QWidget* p, int x) {
    c_->Label2 = Didascalia(p, "Label2", Qs("Coeff. di Dimensionamento K"), x, RigaLam(3), 2560, kAltRiga);
    c_->Label14 = Didascalia(p, "Label14", Qs("n°"), x + 1110, RigaLam(4), 400, kAltRiga,
                             Qt::AlignRight | Qt::AlignVCenter);
    c_->Cmb_CoefK = Lista(p, "Cmb_CoefK", x + 1560, RigaLam(4), 1000, kAltRiga);
    c_->Label15 = Didascalia(p, "Label15", Qs("Coeff. di Dimensionamento K"), x, RigaLam(5), 2560, kAltRiga);
    c_->Label66 = Didascalia(p, "Label66", Qs("n°"), x + 1110, RigaLam(6), 400, kAltRiga,
                             Qt::AlignRight | Qt::AlignVCenter);
    c_->Lbl_CoefK = Risultato(p, "Lbl_CoefK", Qs("Coefficiente di Dimensionamento K calcolato (n°)"),
                              x + 1560, RigaLam(6), 1000, kAltRiga);
}

void FinestraProgetto::PaginaLamierinoComune(QWidget* p1, bool potenzaPassante) {
    ListeDatiGenerali(p1, 90);
    GruppoCoefK(p1, 90);
    ColonnaRisultati(p1, 2800, 1950, 4750, 1000, 0,
                     {{&c_->Lbl_SecPotTot, "Lbl_SecPotTot", "Pot. Secondaria (VA)"},
                      {&c_->Lbl_PriPotTot, "Lbl_PriPotTot", "Pot. Primaria (VA)"},
                      {&c_->Lbl_Rendimento, "Lbl_Rendimento", "Rendimento (%)"},
                      {&c_->Lbl_CadutaVolt, "Lbl_CadutaVolt", "Caduta Tensione (%)"},
                      {&c_->Lbl_FEMI, "Lbl_FEMI", "Volt per Spira (V)"}});
    RiquadroConosco(p1, 2800, RigaLam(5));
    ColonnaLamierino(p1, 5900);
    ColonnaPerdite(p1, 8900);
    if (potenzaPassante) {
        // Below the power range of the stack, which judges it.
        ColonnaRisultati(p1, 8900, 2100, 11050, 1040, 4,
                         {{&c_->Lbl_PotPass, "Lbl_PotPass", "Potenza Propria AutoTras."}});
        c_->Lbl_PotPass->setToolTip(Qs("Potenza Utile Disponibile al Secondario"));
        c_->Lbl_PotPass->setText(QStringLiteral("0.0"));
    }
}

void FinestraProgetto::CostruisciPagineLamierino(QWidget* centro, const Descrizione& k, int giu) {
    c_->TabStrip3 = Schede(centro, "TabStrip3", 60, 5775 + giu, 12180, 330);
    c_->TabStrip3->addTab(Qs(k.schedaLam));
    c_->TabStrip3->addTab(Qs("Rocchetto - Isolanti - Ingombri"));
    if (k.schedaExtra) c_->TabStrip3->addTab(Qs(k.schedaExtra));

    auto pagina = [&](int n, const char* titolo) {
        auto* p = new QGroupBox(Qs(titolo), centro);
        p->setObjectName(NomeIndice("FrameLam", n));
        Posiziona(p, 60, 6105 + giu, 12180, 2460);
        if (n > 1) p->hide();
        c_->FrameLam[static_cast<std::size_t>(n)] = p;
        return p;
    };
    CostruisciPaginaLamierino(pagina(1, k.titoloLam));
    // The window opens in the power-given mode.
    ModoControlli(true);
    CostruisciPaginaRocchetto(
        pagina(2, "Scelta Rocchetto  Scelta Spessore Isolante   e   Ingombro Totale"));
    if (k.schedaExtra) CostruisciPaginaExtra(pagina(3, k.titoloExtra));

    c_->TabStrip3->setCurrentIndex(0);
}

void FinestraProgetto::CostruisciPaginaRocchetto(QGroupBox* p2) {
    c_->Cmd_Rocchetto = Pulsante(p2, "Cmd_Rocchetto", Qs("Tipo Rocchetto"), Qs("Modifico il Rocchetto"),
                                90, RigaLam(0) - 15, 1700, 285);
    connect(c_->Cmd_Rocchetto, &QPushButton::clicked, this, [this] { Cmd_Rocchetto_Click(); });
    c_->Lbl_RochTipo = Risultato(p2, "Lbl_RochTipo", Qs("Rocchetto"), 1850, RigaLam(0), 1600, kAltRiga);
    ColonnaRisultati(p2, 90, 2250, 2450, 1000, 1,
                     {{&c_->Lbl_RochC, "Lbl_RochC", "Larghezza Cr (mm)"},
                      {&c_->Lbl_RochSp, "Lbl_RochSp", "Profondità Spr (mm)"},
                      {&c_->Lbl_RochGolaH, "Lbl_RochGolaH", "Area Gola H (mm²)"},
                      {&c_->Lbl_RochGolaI, "Lbl_RochGolaI", "Area Gola I (mm²)"},
                      {&c_->Lbl_RochGolaL, "Lbl_RochGolaL", "Area Gola L (mm²)"}});

    c_->Cmd_Isolanti = Pulsante(p2, "Cmd_Isolanti", Qs("Spessore Isolante"),
                               Qs("Modifico lo Spessore Isolante"), 3600, RigaLam(0) - 15, 1700, 285);
    connect(c_->Cmd_Isolanti, &QPushButton::clicked, this, [this] { Cmd_Isolanti_Click(); });
    ColonnaRisultati(p2, 3600, 2500, 6150, 900, 1,
                     {{&c_->Lbl_RochIngKi, "Lbl_RochIngKi", "Coeff. Ingombro Ki (%)"},
                      {&c_->Lbl_RochIsoAvvH, "Lbl_RochIsoAvvH", "Isol. Avv-Avv Gola H (mm)"},
                      {&c_->Lbl_RochIsoAvvI, "Lbl_RochIsoAvvI", "Isol. Avv-Avv Gola I (mm)"},
                      {&c_->Lbl_RochIsoAvvL, "Lbl_RochIsoAvvL", "Isol. Avv-Avv Gola L (mm)"},
                      {&c_->Lbl_RochIsoStrH, "Lbl_RochIsoStrH", "Isol. Strati Gola H (mm)"},
                      {&c_->Lbl_RochIsoStrI, "Lbl_RochIsoStrI", "Isol. Strati Gola I (mm)"},
                      {&c_->Lbl_RochIsoStrL, "Lbl_RochIsoStrL", "Isol. Strati Gola L (mm)"}});

    // Groove fill: one row per groove, one column per bobbin.
    Didascalia(p2, "Cap_IngGole", Qs("Ingombro Gole (mm²)"), 7250, RigaLam(0), 1900, kAltRiga);
    Didascalia(p2, "Cap_Rocchetto1", Qs("Rocchetto 1"), 9200, RigaLam(0), 1300, kAltRiga,
               Qt::AlignCenter);
    Didascalia(p2, "Cap_Rocchetto2", Qs("Rocchetto 2"), 10600, RigaLam(0), 1300, kAltRiga,
               Qt::AlignCenter);
    const struct {
        const char* gola;
        QLabel** r1;
        QLabel** r2;
    } gole[] = {{"H", &c_->Lbl_IngGolaH1, &c_->Lbl_IngGolaH2},
                {"I", &c_->Lbl_IngGolaI1, &c_->Lbl_IngGolaI2},
                {"L", &c_->Lbl_IngGolaL1, &c_->Lbl_IngGolaL2}};
    int r = 1;
    for (const auto& g : gole) {
        const QString gola = Qs(g.gola);
        Didascalia(p2, "Cap_IngGola" + gola, Qs("Gola ") + gola, 7250, RigaLam(r), 1900, kAltRiga);
        *g.r1 = Risultato(p2, "Lbl_IngGola" + gola + "1",
                          Qs("Ingombro Gola ") + gola + Qs(" Rocchetto 1 (mm²)"), 9200, RigaLam(r),
                          1300, kAltRiga);
        *g.r2 = Risultato(p2, "Lbl_IngGola" + gola + "2",
                          Qs("Ingombro Gola ") + gola + Qs(" Rocchetto 2 (mm²)"), 10600, RigaLam(r),
                          1300, kAltRiga);
        ++r;
    }
    ColonnaRisultati(p2, 7250, 1900, 9200, 1300, 5,
                     {{&c_->Lbl_PotTotPers, "Lbl_PotTotPers", "Perdite Rame Tot. (W)"}});
}

// ------------------------------------------------------------------ numeric fields

void FinestraProgetto::CollegaCampi(const Descrizione& k) {
    c_->Txt_LamCdP->ImpostaLimiti(CAMPO_LAM_CDP);
    c_->Txt_LamCdP->ImpostaControllo([this] { Txt_LamCdP_LostFocus(); });
    for (const LatoAvv* lato : {&k.pri, &k.sec})
        for (const CampoAvv& c : lato->campi)
            for (int i = 0; i < numAvv_; ++i)
                CampoDelCalcolo((*c.campi)[static_cast<std::size_t>(i)], c.limiti,
                                c.poi ? std::function<void()>([poi = c.poi, i] { poi(i); }) : nullptr);
}

CampoNumerico* FinestraProgetto::Casella(QWidget* parent, const QString& nome, int limite, const QString& tooltip,
                                         int x, int y, int w, int h) {
    return Campo(parent, nome, limite, tooltip, x, y, w, h, CampoNumerico::Tipo::Numero,
                 LostFocus::Uscita::SeProprio);
}

void FinestraProgetto::CampoDelCalcolo(CampoNumerico* campo, const CampoNumerico::Limiti& limiti,
                                       std::function<void()> poi) {
    campo->ImpostaLimiti(limiti);
    campo->ImpostaControllo([this, campo, poi = std::move(poi)] {
        campo->Verifica();
        if (poi) poi();
        CalcolaTrasfo();
    });
}

void FinestraProgetto::Txt_LamCdP_LostFocus() {
    c_->Txt_LamCdP->Verifica();
    if (const std::optional<float> v = c_->Txt_LamCdP->Valore()) d_.LamCdP = *v;
    CalcolaTrasfo();
}

void FinestraProgetto::PresaSec(int i, CampoNumerico* amp, CampoNumerico* pot) {
    const inputalim::EsitoPresa e = inputalim::PotenzaPresaSec(d_, i);
    if (i < 0 || i >= NumAvv()) return;
    if (e.corrente) amp->ImpostaTestoU8(TestoRiletto(d_.SecAmp[i], "##0.0"));
    if (e.potenza) pot->ImpostaTestoU8(TestoRiletto(d_.SecPot[i], "##0.0"));
}

std::string FinestraProgetto::TestoRiletto(float v, const char* maschera) const { return num::Format(v, maschera); }

void FinestraProgetto::MostraCollegamento(const LatoC& l, int i) {
    if (const auto a = inputalim::Collegamento(l, i)) ImpostaCollegamento(LatoUi(l.Primario).Cmd_Avv[i], *a);
}

void FinestraProgetto::PulsantiPrese(const AvvFlag& partnerPri, Arr<CampoNumerico>& amp, Arr<CampoNumerico>& pot) {
    using inputalim::ColoreCollegamento;
    auto testo = [](const char* lettera, int16_t partner) {
        return std::string(lettera) + num::IntToText(partner);
    };
    const ModuleDIC& d = d_;
    for (int i = 0; i <= UltimoAvvolgimento(d.PriUlt, numAvv_ - 1); ++i)
        ImpostaCollegamento(c_->Cmd_PriAvv[i], {testo("C", partnerPri[i]), ColoreCollegamento::Ciano});

    const int sec = UltimoAvvolgimento(d.SecUlt, numAvv_ - 1);
    for (int i = 0; i <= sec; ++i) {
        const bool serie = Vero(d.SecAvvSer[i]);
        if (Vero(d.SecAvvIso[i]))
            ImpostaCollegamento(c_->Cmd_SecAvv[i],
                                {testo("I", d.SecAvvSerCon[i]), ColoreCollegamento::FacciaPulsante});
        if (Vero(d.SecAvvAda[i]) && serie) {
            ImpostaCollegamento(c_->Cmd_SecAvv[i], {testo("R", d.SecAvvSerCon[i]), ColoreCollegamento::Verde});
            PresaSec(i, amp[i], pot[i]);
        }
        if (Vero(d.SecAvvCar[i]) && serie) {
            ImpostaCollegamento(c_->Cmd_SecAvv[i], {testo("C", d.SecAvvSerCon[i]), ColoreCollegamento::Ciano});
            c_->Cmd_SecAvv[sec]->setText(QStringLiteral("C"));
        }
    }
}

void FinestraProgetto::RicalcolaCorrente(CampoNumerico* pot, CampoNumerico* volt, CampoNumerico* amp) {
    // A voltage text of 0 or no number (possible only from a project file)
    // leaves the current text as it is.
    if (auto a = inputalim::TestoCorrente(pot->TestoU8(), volt->TestoU8())) amp->ImpostaTestoU8(*a);
}

void FinestraProgetto::RicalcolaPotenza(CampoNumerico* amp, CampoNumerico* volt, CampoNumerico* pot) {
    // Not checked against the power field's own range.
    const std::optional<float> a = amp->Valore();
    const std::optional<float> u = volt->Valore();
    if (!a || !u) return;
    const std::string testo = num::SngToText(num::Sng(static_cast<double>(*a) * *u));
    const std::optional<float> p = num::TextToSng(testo);
    pot->ImpostaTestoU8(p ? num::Format(*p, "##0.0") : testo);
}

// ------------------------------------------------------------------ procedures

void FinestraProgetto::CalcolaTrasfo() {
    ++calcoli_;
    ControllaInputDati();
    EseguiCalcolo();
    Refresh();
}

void FinestraProgetto::PulsantiRocchetto() {
    int ult = -1;
    for (const LatoC& l : {LatoC(Primari(d_)), LatoC(Secondari(d_))}) {
        ControlliLato u = LatoUi(l);
        ult = l.Ultimo(numAvv_);
        for (int i = 0; i <= ult; ++i)
            if (const auto a = inputalim::Posizione(l, i)) {
                u.Cmd_Roch[i]->setText(Qs(a->caption));
                u.Cmd_Roch[i]->setToolTip(Qs(a->tooltip));
            }
    }
    // The winding index is this loop's counter and is left past the last secondary.
    d_.NumAvvScelto = static_cast<float>(ult + 1);
}

void FinestraProgetto::PulsantiCollegamento() {
    for (const LatoC& l : {LatoC(Primari(d_)), LatoC(Secondari(d_))})
        for (int i = 0; i <= l.Ultimo(numAvv_); ++i) MostraCollegamento(l, i);
}

void FinestraProgetto::MostraIsolati(const LatoC& lato, const inputalim::Indici& isolati, bool scambio) {
    auto& cmd = LatoUi(lato).Cmd_Avv;
    for (int i = 0; i < numAvv_; ++i)
        if (isolati[i]) ImpostaCollegamento(cmd[i], kIsolato);
    // After an exchange the last winding's button is off: it can have no later partner.
    const int ult = lato.Ultimo(numAvv_);
    if (scambio && ult >= 0) cmd[ult]->setEnabled(false);
}

void FinestraProgetto::NumeroAvvCambiato(Lato lato, int n) {
    if (collegamentiFissi_)
        lato.Ult = static_cast<float>(n - 1);
    else
        MostraIsolati(lato, inputalim::CambiaNumeroAvv(lato, n, numAvv_), false);
    VerificaPosizioneAvvolgimenti(d_);
    PulsantiRocchetto();
}

void FinestraProgetto::MostraFrameAvv(bool primario, int n) {
    ControlliLato l = LatoUi(primario);
    for (int i = 0; i < numAvv_; ++i) {
        l.Frm_Avv[i]->setHidden(i >= n);
        // The last winding in use has no later partner.
        l.Cmd_Avv[i]->setEnabled(!collegamentiFissi_ && i < n - 1);
    }
}

void FinestraProgetto::ContolloFrame() {
    MostraFrameAvv(true, NumeroDaLista(c_->Cmb_PriNumAvv, numAvv_));
    MostraFrameAvv(false, NumeroDaLista(c_->Cmb_SecNumAvv, numAvv_));
    TabStrip1_Click();
    TabStrip2_Click();
    TabStrip3_Click();
}

void FinestraProgetto::CambiaNumeroAvv(bool primario) {
    const int n = NumeroDaLista(LatoUi(primario).Cmb_NumAvv, numAvv_);
    MostraFrameAvv(primario, n);
    NumeroAvvCambiato(primario ? Primari(d_) : Secondari(d_), n);
}

void FinestraProgetto::ListaDelCalcolo(QComboBox* lista, std::function<void()> lasciata) {
    // The choice the list held when the user came into it: a change made
    // while the list holds the focus is the user's, one the program makes
    // (a load, an open, another list's handling) moves it along.
    QString& trovata = scelteTrovate_.emplace_back(SceltaTrovata{lista, lista->currentText()}).testo;
    const auto proprio = [lista, &trovata] { return lista->currentText() != trovata; };
    auto* sentinella = new LostFocus(lista, LostFocus::Uscita::Sempre, proprio);
    connect(lista, &QComboBox::currentTextChanged, sentinella, [sentinella, &trovata](const QString& t) {
        if (!sentinella->HaFuoco()) trovata = t;
    });
    connect(sentinella, &LostFocus::lostFocusCheck, this, [this, lista, lasciata = std::move(lasciata), &trovata, proprio] {
        const bool propria = proprio();
        trovata = lista->currentText();
        const int calcoli = calcoli_;
        if (lasciata) lasciata();
        if (propria && calcoli == calcoli_) CalcolaTrasfo();
    });
}

void FinestraProgetto::ScelteListeMostrate() {
    for (SceltaTrovata& s : scelteTrovate_) s.testo = s.lista->currentText();
}

void FinestraProgetto::ClickTab(QTabBar* strip, QGroupBox* const* frames, int16_t& pagina) {
    const int k = strip->currentIndex() + 1;
    if (k < 1 || k == pagina) return;
    for (int p = 1; p <= strip->count(); ++p) frames[p]->hide();
    frames[k]->show();
    pagina = static_cast<int16_t>(k);
}

void FinestraProgetto::TabStrip1_Click() { ClickTab(c_->TabStrip1, c_->FramePri.data(), d_.TabPri); }

void FinestraProgetto::TabStrip2_Click() { ClickTab(c_->TabStrip2, c_->FrameSec.data(), d_.TabSec); }

void FinestraProgetto::TabStrip3_Click() { ClickTab(c_->TabStrip3, c_->FrameLam.data(), d_.TabLam); }

void FinestraProgetto::Opt_Pot_Click() {
    ModoProgetto(true);
    // The list is in use again: the coefficient it shows becomes the
    // design's, not the one the last lamination-given pass computed, so a
    // save right after stores what the window shows. (A load comes here with
    // the list just filled from the design; an open instead selects the list
    // from the stored coefficient.)
    if (c_->Cmb_CoefK) Leggi(d_.CoefK, U8(c_->Cmb_CoefK->currentText()));
}

void FinestraProgetto::ModoProgetto(bool potenza) {
    ModoControlli(potenza);
    d_.ConoscoPotenza = Flag(potenza);
}

void FinestraProgetto::ModoControlli(bool potenza) {
    // Power given: the coefficient list is in use; lamination given: the
    // lamination button and the computed coefficient.
    c_->Cmd_Lamierino->setEnabled(!potenza);
    for (QWidget* w : std::initializer_list<QWidget*>{c_->Label15, c_->Lbl_CoefK, c_->Label66})
        if (w) w->setEnabled(!potenza);
    for (QWidget* w : std::initializer_list<QWidget*>{c_->Label2, c_->Cmb_CoefK, c_->Label14})
        if (w) w->setEnabled(potenza);
}

// ------------------------------------------------------------------ results

void FinestraProgetto::RicalcoloAvvolgimenti() {
    RicalcoloAvvolgimentiAlim(d_, Piattaforma::Messaggi());
    Refresh();
}

void FinestraProgetto::Scrivi(QLabel* l, float v, const char* maschera) {
    ScriviTesto(l, num::Format(v, maschera));
}

void FinestraProgetto::RefreshComune() {
    const ModuleDIC& d = d_;
    const int lam = d.LamScelto;
    const int roch = d.RochScelto;

    Scrivi(c_->Lbl_SecPotTot, d.SecPotTot, "0.0");
    Scrivi(c_->Lbl_Rendimento, d.Rendimento, "0.0");
    Scrivi(c_->Lbl_PriPotTot, d.PriPotTot, "0.0");
    Scrivi(c_->Lbl_CadutaVolt, d.CadutaVolt, "0.0");
    Scrivi(c_->Lbl_PotPass, d.PotPass, "0.0");
    Scrivi(c_->Lbl_CoefK, d.CoefK, "0.0#");
    Scrivi(c_->Lbl_FEMI, d.FEMI, "##0.000");
    ScriviTesto(c_->Lbl_Lamierino, Riga(d.LamNome, lam));
    Scrivi(c_->Lbl_C, Riga(d.LamC, lam), "###.0");
    Scrivi(c_->Lbl_SP, d.LamSP, "###.0");
    Scrivi(c_->Lbl_SE, d.LamSE, "###.0");
    Scrivi(c_->Lbl_SF, Riga(d.LamFinestra, lam), "#####");
    Scrivi(c_->Lbl_LamPesoPacco, d.LamPesoPacco, "0.0");
    c_->Txt_LamCdP->ImpostaTestoU8(num::SngToText(d.LamCdP));
    Scrivi(c_->Lbl_LamPF, d.LamPF, "0.0");
    Scrivi(c_->Lbl_PotMin, d.PotMin, "0.0");
    Scrivi(c_->Lbl_PotMax, d.PotMax, "0.0");
    Scrivi(c_->Lbl_RochC, Riga(d.RochC, roch), "###.0");
    Scrivi(c_->Lbl_RochSp, Riga(d.RochSp, roch), "###.0");
    Scrivi(c_->Lbl_RochGolaH, Riga(d.RochGolaH, roch), "####");
    Scrivi(c_->Lbl_RochGolaI, Riga(d.RochGolaI, roch), "####");
    Scrivi(c_->Lbl_RochGolaL, Riga(d.RochGolaL, roch), "####");
    ScriviTesto(c_->Lbl_RochTipo, Riga(d.RochTipo, roch));

    // The build of every winding in use (the hidden ones keep what they last
    // showed): one label per figure and side, each with its mask (none: the
    // general form).
    for (const bool pri : {true, false}) {
        const int ult = UltimoAvvolgimento(pri ? d.PriUlt : d.SecUlt, numAvv_ - 1);
        for (const RigaAvv& r : pri ? risultatiPri_ : risultatiSec_)
            if (r.valore)
                for (int i = 0; i <= ult; ++i)
                    Scrivi((*r.etichette)[static_cast<std::size_t>(i)], (d.*r.valore)[static_cast<std::size_t>(i)],
                           r.maschera);
        for (const ColonnaCostruzione& c : kCostruzione)
            for (int i = 0; i <= ult; ++i) {
                QLabel* l = (c_->*(pri ? c.pri : c.sec))[static_cast<std::size_t>(i)];
                const float v = (d.*(pri ? c.vPri : c.vSec))[static_cast<std::size_t>(i)];
                if (c.maschera)
                    Scrivi(l, v, c.maschera);
                else
                    Semplice(l, v);
            }
    }

    Semplice(c_->Lbl_RochIngKi, d.RochIngKi);
    Semplice(c_->Lbl_RochIsoAvvH, d.RochIsoAvvH);
    Semplice(c_->Lbl_RochIsoAvvI, d.RochIsoAvvI);
    Semplice(c_->Lbl_RochIsoAvvL, d.RochIsoAvvL);
    Semplice(c_->Lbl_RochIsoStrH, d.RochIsoStrH);
    Semplice(c_->Lbl_RochIsoStrI, d.RochIsoStrI);
    Semplice(c_->Lbl_RochIsoStrL, d.RochIsoStrL);
    Scrivi(c_->Lbl_PotTotPers, d.PotTotPers, "0.0");
    Scrivi(c_->Lbl_IngGolaH1, d.IngGolaH1, "###0");
    Scrivi(c_->Lbl_IngGolaI1, d.IngGolaI1, "###0");
    Scrivi(c_->Lbl_IngGolaL1, d.IngGolaL1, "###0");
    Scrivi(c_->Lbl_IngGolaH2, d.IngGolaH2, "###0");
    Scrivi(c_->Lbl_IngGolaI2, d.IngGolaI2, "###0");
    Scrivi(c_->Lbl_IngGolaL2, d.IngGolaL2, "###0");
}

void FinestraProgetto::RidisegnaPagine() {
    const ModuleDIC& d = d_;
    if (d.TabPri >= 1 && d.TabPri <= numPag_) c_->FramePri[static_cast<std::size_t>(d.TabPri)]->repaint();
    if (d.TabSec >= 1 && d.TabSec <= numPag_) c_->FrameSec[static_cast<std::size_t>(d.TabSec)]->repaint();
}

void FinestraProgetto::AvvisiLimiti(float potenza, const char* troppoAlta, const char* troppoBassa) {
    const ModuleDIC& d = d_;
    // The coefficient against the ends of its list (none when the list is
    // empty), the power against the stack's range.
    const int stile = mb::OkOnly + mb::Exclamation;
    const int voci = c_->Cmb_CoefK ? c_->Cmb_CoefK->count() : 0;
    if (voci > 0) {
        const auto kMax = num::TextToSng(U8(c_->Cmb_CoefK->itemText(voci - 1)));
        const auto kMin = num::TextToSng(U8(c_->Cmb_CoefK->itemText(0)));
        if (kMax && d.CoefK > *kMax)
            Piattaforma::MsgBox(Qs("Coefficiente di Dimensionamento Troppo Alto"), stile, Qs(TITOLO_LIMITI));
        if (kMin && d.CoefK < *kMin)
            Piattaforma::MsgBox(Qs("Coefficiente di Dimensionamento Troppo Basso"), stile, Qs(TITOLO_LIMITI));
    }
    if (potenza > d.PotMax) Piattaforma::MsgBox(Qs(troppoAlta), stile, Qs(TITOLO_LIMITI));
    if (potenza < d.PotMin) Piattaforma::MsgBox(Qs(troppoBassa), stile, Qs(TITOLO_LIMITI));
}

// ------------------------------------------------------------------ load

QString FinestraProgetto::CartellaApplicazione() const {
    return cartella_.isEmpty() ? QCoreApplication::applicationDirPath() : cartella_;
}

std::string FinestraProgetto::FileLibreriaDefault(const char* nome) const {
    // The folder ships as LIBRERIA beside the program; take it in whatever
    // letter case it has on disk.
    return U8(AccantoAlProgramma(std::string("LIBRERIA/") + nome, cartella_));
}

void FinestraProgetto::CaricaLibrerie(bool verificaLamierino) {
    ModuleDIC& d = d_;
    IMessaggi& msg = Piattaforma::Messaggi();

    // Default lamination library; its first lamination, its shape and list.
    d.FileLibreria = FileLibreriaDefault(libreriaLam_);
    ApriLibreriaLamierini(d, msg);
    d.LamScelto = 0;
    IndividuaTipoLamierino(d, msg);
    if (verificaLamierino) VerificaParametriLamierino(d, msg, &listaCoefK_);

    // Default wire library, read into column 0 and copied to every winding.
    d.FileLibreria = FileLibreriaDefault("LibRame1.wir");
    d.NumAvvScelto = 0;
    LeggiLibreriaRame(d, msg);
    CopiaLibreriaRame(d);
}

void FinestraProgetto::RiempiListePredefinite(int maxConteggio) {
    Riempi(c_->Cmb_Induzione, campialim::Induzione);
    Riempi(c_->Cmb_Frequenza, campialim::Frequenza);
    Riempi(c_->Cmb_Densita, campialim::Densita);
    const ListaNumerica conteggio{1, 1, maxConteggio, "0", 0};
    Riempi(c_->Cmb_PriNumAvv, conteggio);
    Riempi(c_->Cmb_SecNumAvv, conteggio);
}

void FinestraProgetto::TestiListe(DatiAlimTesti& t) const {
    TestiListe(t.Cmb_PriNumAvv, t.Cmb_SecNumAvv, t.Cmb_Frequenza, t.Cmb_Induzione, t.Cmb_Densita);
    if (c_->Cmb_CoefK) t.Cmb_CoefK = U8(c_->Cmb_CoefK->currentText());
}

void FinestraProgetto::TestiListe(std::string& pri, std::string& sec, std::string& frequenza,
                                  std::string& induzione, std::string& densita) const {
    pri = U8(c_->Cmb_PriNumAvv->currentText());
    sec = U8(c_->Cmb_SecNumAvv->currentText());
    frequenza = U8(c_->Cmb_Frequenza->currentText());
    induzione = U8(c_->Cmb_Induzione->currentText());
    densita = U8(c_->Cmb_Densita->currentText());
}

void FinestraProgetto::Riempi(QComboBox* c, const ListaNumerica& l) {
    c->clear();
    for (int k = 0; k < l.voci; ++k) c->addItem(Qs(num::Format(l.primo + l.passo * k, l.maschera)));
    c->setCurrentIndex(l.scelto);
}

// ------------------------------------------------------------------ commands and menu

void FinestraProgetto::Cmd_Schema_Click() {
    Frm_Schema schema(d_);
    MostraModale(&schema);
}

void FinestraProgetto::Cmd_Lamierino_Click() {
    dialoghi::Lanciatore().Mostra(Dialogo::Lamierino, d_, &listaCoefK_);
    // However the dialog closed: a three-leg lamination takes one bobbin, and
    // so does a shell one except in the three-phase windows, which look at
    // three legs only; then no winding may stay on a bobbin that is gone.
    const bool trifase = d_.TipoCalcolo == tipo::Trifase || d_.TipoCalcolo == tipo::AutoTrifase;
    if (!trifase && Vero(d_.LamMantello)) d_.RochDue = 0;
    if (Vero(d_.Lam3Colonne)) d_.RochDue = 0;
    VerificaPosizioneAvvolgimenti(d_);
    PulsantiRocchetto();
    CalcolaTrasfo();
}

void FinestraProgetto::SceltaFilo(bool primario, int i) {
    if (i < 0 || i >= numAvv_) return;
    const auto k = static_cast<std::size_t>(i);
    Lato l(d_, primario);
    const int colonna = l.Colonna + i;
    d_.FiloScelto = l.FiloRiga[k];
    d_.NumAvvScelto = static_cast<float>(colonna);
    dialoghi::Lanciatore().Mostra(Dialogo::FiloRame, d_, nullptr);
    const auto r = static_cast<std::size_t>(RigaFiloTab(d_.FiloScelto));
    l.FiloRiga[k] = static_cast<float>(r);
    l.FiloNudo[k] = d_.FiloNudo[r][static_cast<std::size_t>(colonna)];
    l.FiloIsol[k] = d_.FiloIsolato[r][static_cast<std::size_t>(colonna)];
    RicalcoloAvvolgimenti();
}

void FinestraProgetto::Cmd_Isolanti_Click() {
    dialoghi::Lanciatore().Mostra(Dialogo::Isolanti, d_, nullptr);
    RicalcoloAvvolgimenti();
}

void FinestraProgetto::Cmd_Rocchetto_Click() {
    dialoghi::Lanciatore().Mostra(Dialogo::Rocchetto, d_, &listaCoefK_);
    VerificaPosizioneAvvolgimenti(d_);
    PulsantiRocchetto();
    // The user's bobbin is checked against the lamination: keep the lamination.
    if (d_.RochScelto == 1 && c_->Opt_Lam) {
        c_->Opt_Lam->setChecked(true);
        Opt_Lam_Click();
    }
    if (Vero(d_.RochPersCalcolato)) {
        d_.RochPersCalcolato = FALSO;
        CalcolaTrasfo();
    } else {
        RicalcoloAvvolgimenti();
    }
}

void FinestraProgetto::CollegamentoAvv(bool primario, int i) {
    if (senzaCollegamenti_) return;
    d_.NumAvvScelto = static_cast<float>(i);
    dialoghi::Lanciatore().Mostra(DialogoCollegamento(primario), d_, nullptr);
    DopoCollegamento(Lato(d_, primario), i);
    CalcolaTrasfo();
}

void FinestraProgetto::PosizioneAvv(bool primario, int i) {
    d_.NumAvvScelto = static_cast<float>(i);
    dialoghi::Lanciatore().Mostra(primario ? Dialogo::PriRoch : Dialogo::SecRoch, d_, nullptr);
    PulsantiRocchetto();
    RicalcoloAvvolgimenti();
}

bool FinestraProgetto::UscitaConfermata() {
    // Nothing is saved: the user is only asked to confirm.
    return Piattaforma::MsgBox(Qs("Uscire dal Progetto di Calcolo?"), mb::YesNo + mb::Question, titoloEsci_) ==
           mb::Yes;
}

void FinestraProgetto::MnuFileEsci_Click() {
    if (UscitaConfermata()) close();
}

void FinestraProgetto::closeEvent(QCloseEvent* e) {
    // A close the user asked of the window system (close box, close key) is
    // the menu's exit; the program's own close() has been confirmed already.
    if (e->spontaneous() && !UscitaConfermata()) {
        e->ignore();
        return;
    }
    QMainWindow::closeEvent(e);
}

void FinestraProgetto::MnuAbout_Click() { Piattaforma::Finestre().Mostra(Finestra::About); }

// ------------------------------------------------------------------ refill after an open

void FinestraProgetto::IniziaCaricamento(const std::function<void()>& predefinito) {
    Dimensiona(this, 12300, 9500);
    ImpostaTestoStato(this, Qs(TESTO_STATO));
    predefinito();
    c_->Opt_Pot->setChecked(true);
    Opt_Pot_Click();
}

void FinestraProgetto::ScegliConteggi(double pri, double sec) {
    ScegliVoce(c_->Cmb_PriNumAvv, Qs(num::SngToText(num::Sng(pri))));
    ScegliVoce(c_->Cmb_SecNumAvv, Qs(num::SngToText(num::Sng(sec))));
}

void FinestraProgetto::RiempiDatiGenerali(const char* mascheraInduzione) {
    const ModuleDIC& d = d_;
    ScegliConteggi(d.PriUlt + 1.0, d.SecUlt + 1.0);
    // Each list is matched in its items' own form: whole hertz ("5", not "05").
    ScegliVoce(c_->Cmb_Frequenza, Qs(num::Format(d.Frequenza, "0")));
    ScegliVoce(c_->Cmb_Induzione, Qs(num::Format(d.Induzione, mascheraInduzione)));
    ScegliVoce(c_->Cmb_Densita, Qs(num::Format(d.Densita, "0.0")));
    // The iron-loss field shows the figure the design now holds, so the next
    // calculation uses what the user sees.
    c_->Txt_LamCdP->ImpostaTestoU8(num::SngToText(d.LamCdP));

    // An option that changes runs its click handling, which enables its controls.
    const bool potenza = Vero(d.ConoscoPotenza);
    QRadioButton* opzione = potenza ? c_->Opt_Pot : c_->Opt_Lam;
    if (!opzione->isChecked()) {
        opzione->setChecked(true);
        ModoProgetto(potenza);
    }
    c_->Cmd_Lamierino->setEnabled(!potenza);
    // The list offers the coefficients of the design's own lamination, not
    // those of whatever lamination the window held before the open: its ends
    // judge the coefficient in either mode. A stored coefficient the list
    // lacks leaves its selection as it is.
    RicostruisciListaCoefK(d, &listaCoefK_);
    if (potenza && c_->Cmb_CoefK) ScegliVoce(c_->Cmb_CoefK, Qs(num::Format(d.CoefK, "0.0")));
}
