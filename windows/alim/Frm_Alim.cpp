#include "windows/alim/Frm_Alim.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>

#include "engine/InputAlim.h"
#include "engine/ModRoutine.h"
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
constexpr int kPassoRiga = 270;     // rows of the lamination and bobbin pages
constexpr int kAltRiga = 255;

QColor ColoreDi(inputalim::ColoreCollegamento c, const QWidget* w) {
    switch (c) {
        case inputalim::ColoreCollegamento::Verde: return QColor(0, 255, 0);
        case inputalim::ColoreCollegamento::Ciano: return QColor(0, 255, 255);
        case inputalim::ColoreCollegamento::FacciaPulsante: break;
    }
    return QApplication::palette(w).color(QPalette::Active, QPalette::Button);
}

}  // namespace

void Frm_Alim::ImpostaCollegamento(QPushButton* b, const inputalim::AspettoCollegamento& a) {
    if (!b) return;
    b->setText(Qs(a.caption));
    QColor colore = ColoreDi(a.colore, b);
    QPalette pal = b->palette();
    for (auto gruppo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(gruppo, QPalette::Button, colore);
    b->setPalette(pal);
}

QColor Frm_Alim::ColoreCollegamento(const QPushButton* b) {
    return b ? b->palette().color(QPalette::Active, QPalette::Button) : QColor();
}

Frm_Alim::Frm_Alim(ModuleDIC& dic, QWidget* parent) : QMainWindow(parent), d_(dic) {
    setObjectName("Frm_Alim");
    setWindowTitle(Qs("Calcolo di Trasformatore Monofase"));

    auto* centro = new QWidget(this);
    centro->setObjectName("Frm_Alim_Centro");
    QFont f = centro->font();
    f.setPointSize(8);
    centro->setFont(f);
    setCentralWidget(centro);
    centro->setMinimumSize(Px(12300), Px(8580));

    CostruisciMenu();
    CostruisciConteggi(centro);
    CostruisciPagineAvvolgimenti(centro);
    CostruisciPagineLamierino(centro);

    statusBar()->setObjectName("StatusBar1");
    statusBar()->setSizeGripEnabled(false);
    TestoStato(this);

    listaCoefK_.Collega(ui.Cmb_CoefK);

    // The tab strips switch their pages only once every page exists.
    connect(ui.TabStrip1, &QTabBar::currentChanged, this, [this] { TabStrip1_Click(); });
    connect(ui.TabStrip2, &QTabBar::currentChanged, this, [this] { TabStrip2_Click(); });
    connect(ui.TabStrip3, &QTabBar::currentChanged, this, [this] { TabStrip3_Click(); });

    // A count takes effect when its list is left, not when an entry is picked.
    new LostFocus(ui.Cmb_PriNumAvv, [this] { Cmb_PriNumAvv_LostFocus(); });
    new LostFocus(ui.Cmb_SecNumAvv, [this] { Cmb_SecNumAvv_LostFocus(); });

    // The numeric fields' checks (on focus loss and on Enter) and the two
    // options of the design mode, run only when the user picks them.
    CollegaCampi();
    connect(ui.Opt_Lam, &QRadioButton::clicked, this, [this] { Opt_Lam_Click(); });
    connect(ui.Opt_Pot, &QRadioButton::clicked, this, [this] { Opt_Pot_Click(); });
    connect(ui.Cmd_Aggiorna, &QPushButton::clicked, this, [this] { Cmd_Aggiorna_Click(); });
    connect(ui.Cmd_Schema, &QPushButton::clicked, this, [this] { Cmd_Schema_Click(); });
    auto menu = [this](QAction* a, void (Frm_Alim::*gestore)()) {
        connect(a, &QAction::triggered, this, [this, gestore] { (this->*gestore)(); });
    };
    menu(ui.MnuFileNuovo, &Frm_Alim::MnuFileNuovo_Click);
    menu(ui.MnuFileApri, &Frm_Alim::MnuFileApri_Click);
    menu(ui.MnuFileChiudi, &Frm_Alim::MnuFileChiudi_Click);
    menu(ui.MnuFileSalva, &Frm_Alim::MnuFileSalva_Click);
    menu(ui.MnuFileSalvaNome, &Frm_Alim::MnuFileSalvaNome_Click);
    menu(ui.MnuFileImpostaStampante, &Frm_Alim::MnuFileImpostaStampante_Click);
    menu(ui.MnuFileStampa, &Frm_Alim::MnuFileStampa_Click);
    menu(ui.MnuFileEsci, &Frm_Alim::MnuFileEsci_Click);
    connect(ui.MnuAbout, &QAction::triggered, this, [this] { MnuAbout_Click(); });

    Dimensiona(this, 12300, 9500);
}

// ------------------------------------------------------------------ building

void Frm_Alim::CostruisciMenu() {
    QMenuBar* barra = menuBar();
    barra->setObjectName("MenuBar");
    ui.MnuFile = barra->addMenu(Qs("&File"));
    ui.MnuFile->setObjectName("MnuFile");
    ui.MnuFile->menuAction()->setObjectName("MnuFile");
    auto voce = [this](QMenu* m, const char* nome, const char* caption) {
        QAction* a = m->addAction(Qs(caption));
        a->setObjectName(nome);
        a->setParent(this);
        return a;
    };
    auto separatore = [](QMenu* m, const char* nome) { m->addSeparator()->setObjectName(nome); };
    ui.MnuFileNuovo = voce(ui.MnuFile, "MnuFileNuovo", "&Nuovo");
    ui.MnuFileApri = voce(ui.MnuFile, "MnuFileApri", "&Apri");
    ui.MnuFileChiudi = voce(ui.MnuFile, "MnuFileChiudi", "&Chiudi");
    separatore(ui.MnuFile, "separator1");
    ui.MnuFileSalva = voce(ui.MnuFile, "MnuFileSalva", "&Salva");
    ui.MnuFileSalvaNome = voce(ui.MnuFile, "MnuFileSalvaNome", "Salva &con Nome");
    separatore(ui.MnuFile, "separator2");
    ui.MnuFileImpostaStampante =
        voce(ui.MnuFile, "MnuFileImpostaStampante", "&Imposta Stampante");
    ui.MnuFileStampa = voce(ui.MnuFile, "MnuFileStampa", "Sta&mpa");
    separatore(ui.MnuFile, "separator3");
    ui.MnuFileEsci = voce(ui.MnuFile, "MnuFileEsci", "&Esci");

    ui.Help = barra->addMenu(Qs("&?"));
    ui.Help->setObjectName("Help");
    ui.Help->menuAction()->setObjectName("Help");
    ui.MnuAbout = voce(ui.Help, "MnuAbout", "&About");
}

void Frm_Alim::CostruisciConteggi(QWidget* centro) {
    Didascalia(centro, "Cap_PriNumAvv", Qs("N° Avvolgimenti Primari"), 60, 60, 2200, 315);
    ui.Cmb_PriNumAvv = Lista(centro, "Cmb_PriNumAvv", 2280, 60, 700, 315);
    ui.Cmd_Aggiorna = Pulsante(centro, "Cmd_Aggiorna", Qs("Aggiorna Calcolo"), {}, 3150, 40, 1500, 360);
    ui.Cmd_Schema = Pulsante(centro, "Cmd_Schema", Qs("Vedi Schema"), {}, 4750, 40, 1300, 360);
    Didascalia(centro, "Cap_SecNumAvv", Qs("N° Avvolgimenti Secondari"), 6210, 60, 2300, 315);
    ui.Cmb_SecNumAvv = Lista(centro, "Cmb_SecNumAvv", 8530, 60, 700, 315);
    // The lists offer 1 to 12 from the start; the window load fills them again.
    for (QComboBox* c : {ui.Cmb_PriNumAvv, ui.Cmb_SecNumAvv}) {
        for (int i = 1; i <= NUM_AVV; ++i) c->addItem(QString::number(i));
        c->setCurrentIndex(0);
    }
}

void Frm_Alim::CostruisciPagineAvvolgimenti(QWidget* centro) {
    struct RigaRisultato {
        Arr<QLabel>* lbl;
        const char* nome;
        const char* didascalia;
    };

    for (int lato = 0; lato < 2; ++lato) {
        const bool pri = lato == 0;
        const int x0 = pri ? 60 : 6210;
        QTabBar* strip = new QTabBar(centro);
        strip->setObjectName(pri ? "TabStrip1" : "TabStrip2");
        StileSchede(strip);
        Posiziona(strip, x0, 450, 6030, 330);
        (pri ? ui.TabStrip1 : ui.TabStrip2) = strip;
        auto& pagine = pri ? ui.FramePri : ui.FrameSec;

        // Rows of a winding frame: the inputs, then the results, each with its
        // caption and unit once at the left of the page.
        std::vector<std::pair<QString, QString>> campi;   // name, caption
        std::vector<RigaRisultato> righe;
        if (pri) {
            righe = {{&ui.Lbl_PriPot, "Lbl_PriPot", "Potenza (VA)"},
                     {&ui.Lbl_PriAmp, "Lbl_PriAmp", "Corrente (A)"},
                     {&ui.Lbl_PriSpire, "Lbl_PriSpire", "Spire (n°)"},
                     {&ui.Lbl_PriFiloNudo, "Lbl_PriFiloNudo", "Ø Filo Nudo (mm)"},
                     {&ui.Lbl_PriFiloIsol, "Lbl_PriFiloIsol", "Ø Filo Smalt. (mm)"},
                     {&ui.Lbl_PriLung, "Lbl_PriLung", "Lunghezza Filo (m)"},
                     {&ui.Lbl_PriPeso, "Lbl_PriPeso", "Peso Rame (g)"},
                     {&ui.Lbl_PriDens, "Lbl_PriDens", "Densità (A/mm²)"},
                     {&ui.Lbl_PriPotPer, "Lbl_PriPotPer", "Perdita Rame (W)"},
                     {&ui.Lbl_PriIng, "Lbl_PriIng", "Ingombro (mm²)"},
                     {&ui.Lbl_PriSpSt, "Lbl_PriSpSt", "Spire/Strato (n°)"},
                     {&ui.Lbl_PriStrati, "Lbl_PriStrati", "Strati (n°)"},
                     {&ui.Lbl_PriIso, "Lbl_PriIso", "Isolante (mm²)"},
                     {&ui.Lbl_PriRes, "Lbl_PriRes", "Resistenza (Ω)"}};
        } else {
            righe = {{&ui.Lbl_SecVoltVuoto, "Lbl_SecVoltVuoto", "Tens. a Vuoto (V)"},
                     {&ui.Lbl_SecSpire, "Lbl_SecSpire", "Spire (n°)"},
                     {&ui.Lbl_SecFiloNudo, "Lbl_SecFiloNudo", "Ø Filo Nudo (mm)"},
                     {&ui.Lbl_SecFiloIsol, "Lbl_SecFiloIsol", "Ø Filo Smalt. (mm)"},
                     {&ui.Lbl_SecLung, "Lbl_SecLung", "Lunghezza Filo (m)"},
                     {&ui.Lbl_SecPeso, "Lbl_SecPeso", "Peso Rame (g)"},
                     {&ui.Lbl_SecDens, "Lbl_SecDens", "Densità (A/mm²)"},
                     {&ui.Lbl_SecPotPer, "Lbl_SecPotPer", "Perdita Rame (W)"},
                     {&ui.Lbl_SecIng, "Lbl_SecIng", "Ingombro (mm²)"},
                     {&ui.Lbl_SecSpSt, "Lbl_SecSpSt", "Spire/Strato (n°)"},
                     {&ui.Lbl_SecStrati, "Lbl_SecStrati", "Strati (n°)"},
                     {&ui.Lbl_SecIso, "Lbl_SecIso", "Isolante (mm²)"},
                     {&ui.Lbl_SecRes, "Lbl_SecRes", "Resistenza (Ω)"}};
        }
        const QStringList didascalieCampi =
            pri ? QStringList{Qs("Tensione (V)")}
                : QStringList{Qs("Tens. a Carico (V)"), Qs("Corrente (A)"), Qs("Potenza (VA)")};
        const int yRisultati = kRigaTitolo + 330 + kPassoCampo * static_cast<int>(didascalieCampi.size());

        for (int p = 1; p <= NUM_PAG; ++p) {
            strip->addTab(Qs(pri ? "Primario " : "Secondario ") + QString::number(3 * p - 2) + ","
                          + QString::number(3 * p - 1) + "," + QString::number(3 * p));
            auto* pagina = new QGroupBox(centro);
            pagina->setObjectName(NomeIndice(pri ? "FramePri" : "FrameSec", p));
            Posiziona(pagina, x0, 780, 6030, 4935);
            pagine[p] = pagina;
            if (p > 1) pagina->hide();

            // Captions with units, once per page.
            const int yFrame = 60;
            Didascalia(pagina, {}, Qs("Collegam. / Filo / Gola"), 60, yFrame + kRigaTitolo, 1800,
                       300);
            for (int r = 0; r < didascalieCampi.size(); ++r)
                Didascalia(pagina, {}, didascalieCampi[r], 60,
                           yFrame + kRigaTitolo + 330 + r * kPassoCampo, 1800, kAltCampo);
            for (size_t r = 0; r < righe.size(); ++r)
                Didascalia(pagina, {}, Qs(righe[r].didascalia), 60,
                           yFrame + yRisultati + static_cast<int>(r) * kPassoEtichetta, 1800,
                           kAltEtichetta);

            for (int j = 0; j < 3; ++j) {
                const int i = 3 * (p - 1) + j;
                auto* frm = new QGroupBox(Qs("Avv ") + QString::number(i + 1), pagina);
                frm->setObjectName(NomeIndice(pri ? "Frm_PriAvv" : "Frm_SecAvv", i));
                Posiziona(frm, 1890 + 1350 * j, yFrame, 1290, 4845);
                (pri ? ui.Frm_PriAvv : ui.Frm_SecAvv)[i] = frm;

                auto* avv = Pulsante(frm, NomeIndice(pri ? "Cmd_PriAvv" : "Cmd_SecAvv", i), "I",
                                     Qs("Modifico Tipo di Collegamento"), 60, kRigaTitolo, 390, 300);
                // A Greek phi, the wire's symbol.
                auto* filo = Pulsante(frm, NomeIndice(pri ? "Cmd_PriFiloRame" : "Cmd_SecFiloRame", i),
                                      Qs("φ"), Qs("Modifico Filo Rame"), 480, kRigaTitolo, 300, 300);
                auto* roch = Pulsante(frm, NomeIndice(pri ? "Cmd_PriRoch" : "Cmd_SecRoch", i),
                                      "H1", Qs("Avvolgimento nella Gola H del Rocchetto 1 "), 810,
                                      kRigaTitolo, 390, 300);
                (pri ? ui.Cmd_PriAvv : ui.Cmd_SecAvv)[i] = avv;
                (pri ? ui.Cmd_PriFiloRame : ui.Cmd_SecFiloRame)[i] = filo;
                (pri ? ui.Cmd_PriRoch : ui.Cmd_SecRoch)[i] = roch;

                const int yc = kRigaTitolo + 330;
                if (pri) {
                    ui.Txt_PriVolt[i] = Campo(frm, NomeIndice("Txt_PriVolt", i), 4,
                                              Qs("Indicare la Tensione Avvolgimento Primario"), 60,
                                              yc, 1170, kAltCampo);
                } else {
                    ui.Txt_SecVolt[i] = Campo(frm, NomeIndice("Txt_SecVolt", i), 4,
                                              Qs("Indicare la Tensione Avvolgimento Secondario"), 60,
                                              yc, 1170, kAltCampo);
                    ui.Txt_SecAmp[i] = Campo(frm, NomeIndice("Txt_SecAmp", i), 5,
                                             Qs("Indicare la Corrente Avvolgimento Secondario"), 60,
                                             yc + kPassoCampo, 1170, kAltCampo);
                    ui.Txt_SecPot[i] = Campo(frm, NomeIndice("Txt_SecPot", i), 4,
                                             Qs("Indicare la Potenza Avvolgimento Secondario"), 60,
                                             yc + 2 * kPassoCampo, 1170, kAltCampo);
                }
                for (size_t r = 0; r < righe.size(); ++r) {
                    (*righe[r].lbl)[i] = Risultato(
                        frm, NomeIndice(righe[r].nome, i),
                        Qs(righe[r].didascalia) + Qs(pri ? " - Primario " : " - Secondario ") +
                            QString::number(i + 1),
                        60, yRisultati + static_cast<int>(r) * kPassoEtichetta, 1170, kAltEtichetta);
                }
            }
        }
        strip->setCurrentIndex(0);
    }
}

void Frm_Alim::CostruisciPagineLamierino(QWidget* centro) {
    ui.TabStrip3 = new QTabBar(centro);
    ui.TabStrip3->setObjectName("TabStrip3");
    StileSchede(ui.TabStrip3);
    Posiziona(ui.TabStrip3, 60, 5775, 12180, 330);
    ui.TabStrip3->addTab(Qs("Pacco Lamellare - Dati Generali"));
    ui.TabStrip3->addTab(Qs("Rocchetto - Isolanti - Ingombri"));

    auto riga = [](int r) { return kRigaTitolo + r * kPassoRiga; };

    struct Voce {
        QLabel** lbl;
        const char* nome;
        const char* didascalia;
    };
    // A column of results: caption at x, value at xVal, from row r0 down.
    auto colonna = [&](QWidget* pagina, int x, int wDid, int xVal, int wVal, int r0,
                       std::initializer_list<Voce> voci) {
        int r = r0;
        for (const Voce& v : voci) {
            Didascalia(pagina, QString("Cap_") + (v.nome + 4), Qs(v.didascalia), x, riga(r), wDid,
                       kAltRiga);
            *v.lbl = Risultato(pagina, v.nome, Qs(v.didascalia), xVal, riga(r), wVal, kAltRiga);
            ++r;
        }
    };

    // ---- page 1: general data, totals, the lamination stack
    auto* p1 = new QGroupBox(Qs("Scelta Pacco Lamellare"), centro);
    p1->setObjectName(NomeIndice("FrameLam", 1));
    Posiziona(p1, 60, 6105, 12180, 2460);
    ui.FrameLam[1] = p1;

    Didascalia(p1, "Cap_Frequenza", Qs("Frequenza (Hz)"), 90, riga(0), 1500, kAltRiga);
    ui.Cmb_Frequenza = Lista(p1, "Cmb_Frequenza", 1650, riga(0), 1000, kAltRiga);
    Didascalia(p1, "Cap_Induzione", Qs("Induzione (T)"), 90, riga(1), 1500, kAltRiga);
    ui.Cmb_Induzione = Lista(p1, "Cmb_Induzione", 1650, riga(1), 1000, kAltRiga);
    Didascalia(p1, "Cap_Densita", Qs("Densità (A/mm²)"), 90, riga(2), 1500, kAltRiga);
    ui.Cmb_Densita = Lista(p1, "Cmb_Densita", 1650, riga(2), 1000, kAltRiga);
    ui.Label2 = Didascalia(p1, "Label2", Qs("Coeff. di Dimensionamento K"), 90, riga(3), 2560, kAltRiga);
    ui.Label14 = Didascalia(p1, "Label14", Qs("n°"), 1200, riga(4), 400, kAltRiga,
                            Qt::AlignRight | Qt::AlignVCenter);
    ui.Cmb_CoefK = Lista(p1, "Cmb_CoefK", 1650, riga(4), 1000, kAltRiga);
    ui.Label15 = Didascalia(p1, "Label15", Qs("Coeff. di Dimensionamento K"), 90, riga(5), 2560, kAltRiga);
    ui.Label66 = Didascalia(p1, "Label66", Qs("n°"), 1200, riga(6), 400, kAltRiga,
                            Qt::AlignRight | Qt::AlignVCenter);
    ui.Lbl_CoefK = Risultato(p1, "Lbl_CoefK", Qs("Coefficiente di Dimensionamento K calcolato (n°)"),
                             1650, riga(6), 1000, kAltRiga);

    colonna(p1, 2800, 1950, 4750, 1000, 0,
            {{&ui.Lbl_SecPotTot, "Lbl_SecPotTot", "Pot. Secondaria (VA)"},
             {&ui.Lbl_PriPotTot, "Lbl_PriPotTot", "Pot. Primaria (VA)"},
             {&ui.Lbl_Rendimento, "Lbl_Rendimento", "Rendimento (%)"},
             {&ui.Lbl_CadutaVolt, "Lbl_CadutaVolt", "Caduta Tensione (%)"},
             {&ui.Lbl_FEMI, "Lbl_FEMI", "Volt per Spira (V)"}});

    ui.Frame1 = new QGroupBox(Qs("Conosco:"), p1);
    ui.Frame1->setObjectName("Frame1");
    Posiziona(ui.Frame1, 2800, riga(5), 2950, 660);
    ui.Opt_Lam = new QRadioButton(Qs("Lamierini"), ui.Frame1);
    ui.Opt_Lam->setObjectName("Opt_Lam");
    ui.Opt_Lam->setToolTip(
        Qs("Conosco il Pacco Lamierini e Calcolo il range di Potenza Disponibile"));
    Posiziona(ui.Opt_Lam, 90, 300, 1350, kAltRiga);
    ui.Opt_Pot = new QRadioButton(Qs("Potenza"), ui.Frame1);
    ui.Opt_Pot->setObjectName("Opt_Pot");
    ui.Opt_Pot->setToolTip(Qs(
        "Conosco la Potenza degli Avvolgimenti Secondari e Calcolo il Pacco Lamierini"));
    Posiziona(ui.Opt_Pot, 1500, 300, 1350, kAltRiga);
    // The window opens in the power-given mode.
    ui.Opt_Pot->setChecked(true);

    ui.Cmd_Lamierino = Pulsante(p1, "Cmd_Lamierino", Qs("Tipo Lamierino"), Qs("Modifico il Lamierino"),
                                5900, riga(0) - 15, 1700, 285);
    ui.Lbl_Lamierino = Risultato(p1, "Lbl_Lamierino", Qs("Lamierino"), 7700, riga(0), 1050, kAltRiga);
    colonna(p1, 5900, 1750, 7700, 1050, 1,
            {{&ui.Lbl_C, "Lbl_C", "Colonna C (mm)"},
             {&ui.Lbl_SP, "Lbl_SP", "Spessore Sp (mm)"},
             {&ui.Lbl_SE, "Lbl_SE", "Sezione Ferro (cm²)"},
             {&ui.Lbl_SF, "Lbl_SF", "Area Finestra (mm²)"},
             {&ui.Lbl_LamPesoPacco, "Lbl_LamPesoPacco", "Peso Pacco (kg)"}});

    Didascalia(p1, "Cap_LamCdP", Qs("Cifra Perdita (W/kg)"), 8900, riga(0), 2100, kAltRiga);
    ui.Txt_LamCdP = Campo(p1, "Txt_LamCdP", 3, {}, 11050, riga(0) - 15, 1040, kAltCampo);
    colonna(p1, 8900, 2100, 11050, 1040, 1,
            {{&ui.Lbl_LamPF, "Lbl_LamPF", "Perdite Ferro (W)"},
             {&ui.Lbl_PotMin, "Lbl_PotMin", "Potenza Min. (VA)"},
             {&ui.Lbl_PotMax, "Lbl_PotMax", "Potenza Max. (VA)"}});

    // Power-given mode: the list is in use, the computed coefficient and the
    // lamination button are not.
    ui.Cmd_Lamierino->setEnabled(false);
    ui.Label15->setEnabled(false);
    ui.Lbl_CoefK->setEnabled(false);
    ui.Label66->setEnabled(false);

    // ---- page 2: bobbin, insulation, groove fill
    auto* p2 = new QGroupBox(
        Qs("Scelta Rocchetto  Scelta Spessore Isolante   e   Ingombro Totale"), centro);
    p2->setObjectName(NomeIndice("FrameLam", 2));
    Posiziona(p2, 60, 6105, 12180, 2460);
    p2->hide();
    ui.FrameLam[2] = p2;

    ui.Cmd_Rocchetto = Pulsante(p2, "Cmd_Rocchetto", Qs("Tipo Rocchetto"), Qs("Modifico il Rocchetto"),
                                90, riga(0) - 15, 1700, 285);
    ui.Lbl_RochTipo = Risultato(p2, "Lbl_RochTipo", Qs("Rocchetto"), 1850, riga(0), 1600, kAltRiga);
    colonna(p2, 90, 2250, 2450, 1000, 1,
            {{&ui.Lbl_RochC, "Lbl_RochC", "Larghezza Cr (mm)"},
             {&ui.Lbl_RochSp, "Lbl_RochSp", "Profondità Spr (mm)"},
             {&ui.Lbl_RochGolaH, "Lbl_RochGolaH", "Area Gola H (mm²)"},
             {&ui.Lbl_RochGolaI, "Lbl_RochGolaI", "Area Gola I (mm²)"},
             {&ui.Lbl_RochGolaL, "Lbl_RochGolaL", "Area Gola L (mm²)"}});

    ui.Cmd_Isolanti = Pulsante(p2, "Cmd_Isolanti", Qs("Spessore Isolante"),
                               Qs("Modifico lo Spessore Isolante"), 3600, riga(0) - 15, 1700, 285);
    colonna(p2, 3600, 2500, 6150, 900, 1,
            {{&ui.Lbl_RochIngKi, "Lbl_RochIngKi", "Coeff. Ingombro Ki (%)"},
             {&ui.Lbl_RochIsoAvvH, "Lbl_RochIsoAvvH", "Isol. Avv-Avv Gola H (mm)"},
             {&ui.Lbl_RochIsoAvvI, "Lbl_RochIsoAvvI", "Isol. Avv-Avv Gola I (mm)"},
             {&ui.Lbl_RochIsoAvvL, "Lbl_RochIsoAvvL", "Isol. Avv-Avv Gola L (mm)"},
             {&ui.Lbl_RochIsoStrH, "Lbl_RochIsoStrH", "Isol. Strati Gola H (mm)"},
             {&ui.Lbl_RochIsoStrI, "Lbl_RochIsoStrI", "Isol. Strati Gola I (mm)"},
             {&ui.Lbl_RochIsoStrL, "Lbl_RochIsoStrL", "Isol. Strati Gola L (mm)"}});

    // Groove fill: one row per groove, one column per bobbin.
    Didascalia(p2, "Cap_IngGole", Qs("Ingombro Gole (mm²)"), 7250, riga(0), 1900, kAltRiga);
    Didascalia(p2, "Cap_Rocchetto1", Qs("Rocchetto 1"), 9200, riga(0), 1300, kAltRiga,
               Qt::AlignCenter);
    Didascalia(p2, "Cap_Rocchetto2", Qs("Rocchetto 2"), 10600, riga(0), 1300, kAltRiga,
               Qt::AlignCenter);
    const struct {
        const char* gola;
        QLabel** r1;
        QLabel** r2;
    } gole[] = {{"H", &ui.Lbl_IngGolaH1, &ui.Lbl_IngGolaH2},
                {"I", &ui.Lbl_IngGolaI1, &ui.Lbl_IngGolaI2},
                {"L", &ui.Lbl_IngGolaL1, &ui.Lbl_IngGolaL2}};
    int r = 1;
    for (const auto& g : gole) {
        const QString gola = Qs(g.gola);
        Didascalia(p2, "Cap_IngGola" + gola, Qs("Gola ") + gola, 7250, riga(r), 1900, kAltRiga);
        *g.r1 = Risultato(p2, "Lbl_IngGola" + gola + "1",
                          Qs("Ingombro Gola ") + gola + Qs(" Rocchetto 1 (mm²)"), 9200, riga(r), 1300,
                          kAltRiga);
        *g.r2 = Risultato(p2, "Lbl_IngGola" + gola + "2",
                          Qs("Ingombro Gola ") + gola + Qs(" Rocchetto 2 (mm²)"), 10600, riga(r),
                          1300, kAltRiga);
        ++r;
    }
    colonna(p2, 7250, 1900, 9200, 1300, 5,
            {{&ui.Lbl_PotTotPers, "Lbl_PotTotPers", "Perdite Rame Tot. (W)"}});

    ui.TabStrip3->setCurrentIndex(0);
}

// ------------------------------------------------------------------ procedures

void Frm_Alim::ControllaInputDati() {
    inputalim::TestiAvvolgimenti t;
    for (int i = 0; i < NUM_AVV; ++i) {
        t.PriVolt[i] = ui.Txt_PriVolt[i]->TestoU8();
        t.SecVolt[i] = ui.Txt_SecVolt[i]->TestoU8();
        t.SecAmp[i] = ui.Txt_SecAmp[i]->TestoU8();
        t.SecPot[i] = ui.Txt_SecPot[i]->TestoU8();
    }
    const inputalim::EsitoOrdinamento e = inputalim::OrdinaAvvolgimenti(d_, t);
    inputalim::RicalcolaCorrentiSec(d_, t);

    auto scrivi = [](CampoNumerico* c, const std::string& s) {
        if (c->TestoU8() != s) c->ImpostaTestoU8(s);
    };
    for (int i = 0; i < NUM_AVV; ++i) {
        scrivi(ui.Txt_PriVolt[i], t.PriVolt[i]);
        scrivi(ui.Txt_SecVolt[i], t.SecVolt[i]);
        scrivi(ui.Txt_SecAmp[i], t.SecAmp[i]);
        scrivi(ui.Txt_SecPot[i], t.SecPot[i]);
    }

    const inputalim::AspettoCollegamento isolato{"I", inputalim::ColoreCollegamento::FacciaPulsante};
    for (int i = 0; i < NUM_AVV; ++i) {
        if (e.priIsolati[i]) ImpostaCollegamento(ui.Cmd_PriAvv[i], isolato);
        if (e.secIsolati[i]) ImpostaCollegamento(ui.Cmd_SecAvv[i], isolato);
    }
    // After an exchange the last winding's button is off: it can have no later partner.
    const int priUlt = inputalim::UltimoIndice(d_.PriUlt);
    const int secUlt = inputalim::UltimoIndice(d_.SecUlt);
    if (e.scambioPri && priUlt >= 0) ui.Cmd_PriAvv[priUlt]->setEnabled(false);
    if (e.scambioSec && secUlt >= 0) ui.Cmd_SecAvv[secUlt]->setEnabled(false);

    PulsantiRocchetto();
}

void Frm_Alim::PulsantiAlim() {
    const int priUlt = inputalim::UltimoIndice(d_.PriUlt);
    for (int i = 0; i <= priUlt; ++i)
        if (auto a = inputalim::AspettoCollegamentoPri(d_, i)) ImpostaCollegamento(ui.Cmd_PriAvv[i], *a);
    const int secUlt = inputalim::UltimoIndice(d_.SecUlt);
    for (int i = 0; i <= secUlt; ++i)
        if (auto a = inputalim::AspettoCollegamentoSec(d_, i)) ImpostaCollegamento(ui.Cmd_SecAvv[i], *a);
}

void Frm_Alim::PulsantiRocchetto() {
    auto applica = [](QPushButton* b, const std::optional<inputalim::AspettoPosizione>& a) {
        if (!a) return;
        b->setText(Qs(a->caption));
        b->setToolTip(Qs(a->tooltip));
    };
    const int priUlt = inputalim::UltimoIndice(d_.PriUlt);
    for (int i = 0; i <= priUlt; ++i) applica(ui.Cmd_PriRoch[i], inputalim::AspettoPosizionePri(d_, i));
    const int secUlt = inputalim::UltimoIndice(d_.SecUlt);
    for (int i = 0; i <= secUlt; ++i) applica(ui.Cmd_SecRoch[i], inputalim::AspettoPosizioneSec(d_, i));
    // The winding index is this loop's counter and is left past the last secondary.
    d_.NumAvvScelto = static_cast<float>(secUlt + 1);
}

void Frm_Alim::MostraFrameAvv(bool primario, int n) {
    auto& frm = primario ? ui.Frm_PriAvv : ui.Frm_SecAvv;
    auto& cmd = primario ? ui.Cmd_PriAvv : ui.Cmd_SecAvv;
    for (int i = 0; i < NUM_AVV; ++i) {
        frm[i]->setHidden(i >= n);
        cmd[i]->setEnabled(i < n - 1);   // the last winding in use has no later partner
    }
}

void Frm_Alim::ContolloFrameAlim() {
    MostraFrameAvv(true, NumeroDaLista(ui.Cmb_PriNumAvv, NUM_AVV));
    MostraFrameAvv(false, NumeroDaLista(ui.Cmb_SecNumAvv, NUM_AVV));
    TabStrip1_Click();
    TabStrip2_Click();
    TabStrip3_Click();
}

void Frm_Alim::CambiaNumeroAvv(bool primario) {
    const int n = NumeroDaLista(primario ? ui.Cmb_PriNumAvv : ui.Cmb_SecNumAvv, NUM_AVV);
    MostraFrameAvv(primario, n);
    const inputalim::Indici isolati =
        primario ? inputalim::CambiaNumeroAvvPri(d_, n) : inputalim::CambiaNumeroAvvSec(d_, n);
    const inputalim::AspettoCollegamento isolato{"I", inputalim::ColoreCollegamento::FacciaPulsante};
    auto& cmd = primario ? ui.Cmd_PriAvv : ui.Cmd_SecAvv;
    for (int i = 0; i < NUM_AVV; ++i)
        if (isolati[i]) ImpostaCollegamento(cmd[i], isolato);
    VerificaPosizioneAvvolgimenti(d_);
    PulsantiRocchetto();
}

void Frm_Alim::Cmb_PriNumAvv_LostFocus() { CambiaNumeroAvv(true); }

void Frm_Alim::Cmb_SecNumAvv_LostFocus() { CambiaNumeroAvv(false); }

void Frm_Alim::ClickTab(QTabBar* strip, QGroupBox* const* frames, int ultima, int16_t& pagina) {
    const int k = strip->currentIndex() + 1;
    if (k < 1 || k == pagina) return;
    for (int p = 1; p <= ultima; ++p) frames[p]->hide();
    frames[k]->show();
    pagina = static_cast<int16_t>(k);
}

void Frm_Alim::TabStrip1_Click() { ClickTab(ui.TabStrip1, ui.FramePri.data(), NUM_PAG, d_.TabPri); }

void Frm_Alim::TabStrip2_Click() { ClickTab(ui.TabStrip2, ui.FrameSec.data(), NUM_PAG, d_.TabSec); }

void Frm_Alim::TabStrip3_Click() {
    ClickTab(ui.TabStrip3, ui.FrameLam.data(), NUM_PAG_LAM, d_.TabLam);
}

DatiAlimTesti Frm_Alim::DatiTesti() const {
    DatiAlimTesti t;
    t.Cmb_PriNumAvv = U8(ui.Cmb_PriNumAvv->currentText());
    t.Cmb_SecNumAvv = U8(ui.Cmb_SecNumAvv->currentText());
    t.Cmb_Frequenza = U8(ui.Cmb_Frequenza->currentText());
    t.Cmb_Induzione = U8(ui.Cmb_Induzione->currentText());
    t.Cmb_Densita = U8(ui.Cmb_Densita->currentText());
    t.Cmb_CoefK = U8(ui.Cmb_CoefK->currentText());
    for (int i = 0; i < NUM_AVV; ++i) {
        t.Txt_PriVolt[i] = ui.Txt_PriVolt[i]->TestoU8();
        t.Txt_SecVolt[i] = ui.Txt_SecVolt[i]->TestoU8();
        t.Txt_SecAmp[i] = ui.Txt_SecAmp[i]->TestoU8();
        t.Txt_SecPot[i] = ui.Txt_SecPot[i]->TestoU8();
    }
    return t;
}

// ------------------------------------------------------------------ buttons

void Frm_Alim::Cmd_Aggiorna_Click() { CalcolaTrasfo(); }

void Frm_Alim::Cmd_Schema_Click() {
    Frm_Schema schema(d_);
    MostraModale(&schema);
}

void Frm_Alim::MnuFileEsci_Click() {
    // Nothing is saved: the user is only asked to confirm.
    if (Piattaforma::MsgBox(Qs("Uscire dal Progetto di Calcolo?"), mb::YesNo + mb::Question,
                            Qs("Calcolo di Trasformatore Monofase")) == mb::Yes)
        close();
}

void Frm_Alim::MnuAbout_Click() {
    Piattaforma::Finestre().Mostra(Finestra::About);
}
