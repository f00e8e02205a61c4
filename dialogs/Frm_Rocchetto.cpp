#include "dialogs/Frm_Rocchetto.h"

#include <tuple>

#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "disegni/Rocchetto.h"
#include "engine/ModRoutine.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"

namespace {

// ---- layout, in twips
constexpr int kRiga = 255;
constexpr int kYIntest = 300;                             // column heads
constexpr int YRiga(int i) { return 580 + i * 300; }      // rows 0 and 1
constexpr int kYCampi = 1860, kHCampo = 285;              // the entry boxes

constexpr const char* kTitoloCampi = "Verifica Rocchetto";

// The columns of the table, option (Cr) first.
enum Colonna { C_CR, C_TIPO, C_SP, C_M, C_H, C_I, C_L, C_GOLA_H, C_GOLA_I, C_GOLA_L, C_NUM };
// A column whose head carries its own name.
constexpr ColonnaScelte Testata(const char* nome, const char* testa, int x, int w, const char* label) {
    return {nome, testa, x, w, "", "", Qt::AlignCenter, label};
}
constexpr ColonnaScelte kColonne[C_NUM] = {
    Testata("Opt_RochC", "Cr", 4300, 780, "Label3"),
    Testata("Lbl_RochTipo", "Tipo:", 2900, 1380, "Label8"),
    Testata("Lbl_RochSp", "Spr", 5100, 700, "Label5"),
    Testata("Lbl_RochM", "M", 5820, 700, "Label7"),
    Testata("Lbl_RochH", "H", 6540, 700, "Label11"),
    Testata("Lbl_RochI", "I", 7260, 700, "Label13"),
    Testata("Lbl_RochL", "L", 7980, 700, "Label15"),
    Testata("Lbl_RochGolaH", "Gola H", 8700, 820, "Label1"),
    Testata("Lbl_RochGolaI", "Gola I", 9540, 820, "Label4"),
    Testata("Lbl_RochGolaL", "Gola L", 10380, 820, "Label6"),
};

// The entry boxes of row 1 and the column each stands in.
constexpr RigaCampo kTipo{"Txt_RochTipo", 16};
constexpr RigaCampo kCampi[] = {
    {"Txt_RochC", 4, {5, 999, "La Misura di 'C' Fuori Limiti", kTitoloCampi, ""}},
    {"Txt_RochSp", 4, {5, 999, "La Misura di 'SP' Fuori Limiti", kTitoloCampi, ""}},
    {"Txt_RochM", 4, {1, 999, "La Misura di 'M' Fuori Limiti", kTitoloCampi, ""}},
    {"Txt_RochH", 4, {5, 999, "La Misura di 'H' Fuori Limiti", kTitoloCampi, ""}},
    {"Txt_RochI", 4, {2, 999, "La Misura di 'I' Fuori Limiti", kTitoloCampi, ""}},
    {"Txt_RochL", 4, {2, 999, "La Misura di 'L' Fuori Limiti", kTitoloCampi, ""}},
};
constexpr Colonna kColonnaCampo[] = {C_CR, C_SP, C_M, C_H, C_I, C_L};

// The back colour of a measure box not in use (the system's inactive
// caption text), and of one in use (the window background).
const QColor kSpento(212, 208, 200);

QString Numero(float v, const char* maschera = "") {
    return Qs(*maschera ? num::Format(v, maschera) : num::SngToText(v));
}

void Abilita(CampoNumerico* c, bool si) {
    c->setEnabled(si);
    ImpostaSfondo(c, si ? kBianco : kSpento);
}

}  // namespace

Frm_Rocchetto::Frm_Rocchetto(ModuleDIC& d, QWidget* parent)
    : DialogoBase(d, "Frm_Rocchetto", Qs("Rocchetti per Trasformatori"), 11640, 6060, parent) {
    Costruisci();
    Form_Load();
}

void Frm_Rocchetto::Costruisci() {
    // ---- rows 0 and 1, and the user's measures
    ui.Frame1 = Riquadro(this, Qs("Frame1"), Qs("Rocchetto Tipo EI per Trasformatori Monofasi"), 120, 60, 11400, 2760);
    QWidget* g = ui.Frame1;
    Didascalia(g, "Label2", Qs("Misure Rocchetto Calcolate:"), 120, YRiga(0), 2760, kRiga);
    Didascalia(g, "Label10", Qs("Misure Rocchetto Personalizzate:"), 120, YRiga(1), 2760, kRiga);
    Riga<QLabel>* etichette[C_NUM] = {nullptr,          &ui.Lbl_RochTipo,  &ui.Lbl_RochSp,
                                      &ui.Lbl_RochM,    &ui.Lbl_RochH,     &ui.Lbl_RochI,
                                      &ui.Lbl_RochL,    &ui.Lbl_RochGolaH, &ui.Lbl_RochGolaI,
                                      &ui.Lbl_RochGolaL};
    std::vector<std::pair<ColonnaScelte, QLabel**>> colonne;
    for (int k = C_TIPO; k < C_NUM; ++k) colonne.emplace_back(kColonne[k], etichette[k]->data());
    TabellaScelte(g, kColonne[C_CR], ui.Opt_RochC.data(), colonne, RIGHE, kYIntest, YRiga, kRiga);
    for (QLabel* l : ui.Lbl_RochTipo) l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Didascalia(g, "Label9", Qs("Inserire le misure in mm indicate, poi click su 'Calcola Rocchetto'"), 120,
               1300, 8000, kRiga);
    const auto col = [](Colonna c) { return kColonne[c]; };
    Didascalia(g, {}, Qs(col(C_TIPO).intestazione), col(C_TIPO).x, kYCampi - kRiga, col(C_TIPO).w, kRiga,
               Qt::AlignCenter);
    ui.Txt_RochTipo = CampoNome(g, kTipo, col(C_TIPO).x, kYCampi, col(C_TIPO).w, kHCampo);
    CampoNumerico** campi[] = {&ui.Txt_RochC, &ui.Txt_RochSp, &ui.Txt_RochM,
                               &ui.Txt_RochH, &ui.Txt_RochI,  &ui.Txt_RochL};
    for (size_t k = 0; k < std::size(kCampi); ++k) {
        const ColonnaScelte& c = col(kColonnaCampo[k]);
        Didascalia(g, {}, Qs(c.intestazione), c.x, kYCampi - kRiga, c.w, kRiga, Qt::AlignCenter);
        *campi[k] = CampoConMessaggio(g, kCampi[k], c.x, kYCampi, c.w, kHCampo);
    }
    ui.Cmd_CalcRoch = Pulsante(g, Qs("Cmd_CalcRoch"), Qs("Calcola Rocchetto"), {}, 8700, 2260, 2500, 360);

    // ---- number of bobbins and grooves
    ui.Frame3 = Riquadro(this, Qs("Frame3"), Qs("N° di Rocchetti"), 120, 2940, 2640, 900);
    ui.Opt_RochUno = Opzione(ui.Frame3, Qs("Opt_RochUno"), Qs("Un  Rocchetto"), {}, 150, 280, 2300, kRiga);
    ui.Opt_RochDue = Opzione(ui.Frame3, Qs("Opt_RochDue"), Qs("Due Rocchetti"), {}, 150, 560, 2300, kRiga);
    ui.Frame2 = Riquadro(this, Qs("Frame2"), Qs("N° di Gole Rocchetto 1"), 120, 3960, 2640, 900);
    ui.Opt_Gola1R1 = Opzione(ui.Frame2, Qs("Opt_Gola1R1"), Qs("Rocchetto a 1 Gola"), {}, 150, 280, 2300, kRiga);
    ui.Opt_Gola2R1 = Opzione(ui.Frame2, Qs("Opt_Gola2R1"), Qs("Rocchetto a 2 Gole"), {}, 150, 560, 2300, kRiga);
    ui.Frame4 = Riquadro(this, Qs("Frame4"), Qs("N° di Gole Rocchetto 2"), 120, 4980, 2640, 900);
    ui.Opt_Gola1R2 = Opzione(ui.Frame4, Qs("Opt_Gola1R2"), Qs("Rocchetto a 1 Gola"), {}, 150, 280, 2300, kRiga);
    ui.Opt_Gola2R2 = Opzione(ui.Frame4, Qs("Opt_Gola2R2"), Qs("Rocchetto a 2 Gole"), {}, 150, 560, 2300, kRiga);

    // ---- information, drawing, buttons
    ui.Lbl_RochInfo = Didascalia(this, "Lbl_RochInfo", {}, 2900, 3000, 5200, 840, Qt::AlignLeft | Qt::AlignTop);
    ui.Lbl_RochInfo->setWordWrap(true);
    ui.Lbl_RochInfo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.Image2 = new QLabel(this);
    ui.Image2->setObjectName("Image2");
    ui.Image2->setPixmap(QPixmap::fromImage(disegni::Rocchetto()));
    Posiziona(ui.Image2, 2900, 3900, 5100, 2100);
    ui.Cmd_Stampa = PulsanteStampa(this, Qs("Stampa"), 8400, 4940, 1500, 360);
    ui.Cmd_Ok = Pulsante(this, Qs("Cmd_Ok"), Qs("OK"), {}, 8400, 5520, 1500, 360);
    ui.Cmd_Annulla = Pulsante(this, Qs("Cmd_Annulla"), Qs("Esci"), {}, 10020, 5520, 1500, 360);

    // Clicks only: an option checked by the program runs none of these.
    connect(ui.Opt_Gola1R1, &QRadioButton::clicked, this, [this] { GolaUna(); });
    connect(ui.Opt_Gola1R2, &QRadioButton::clicked, this, [this] { GolaUna(); });
    connect(ui.Opt_Gola2R1, &QRadioButton::clicked, this, [this] { GolaDue(); });
    connect(ui.Opt_Gola2R2, &QRadioButton::clicked, this, [this] { GolaDue(); });
    connect(ui.Opt_RochUno, &QRadioButton::clicked, this, [this] { Opt_RochUno_Click(); });
    connect(ui.Opt_RochDue, &QRadioButton::clicked, this, [this] { Opt_RochDue_Click(); });
    connect(ui.Cmd_CalcRoch, &QPushButton::clicked, this, [this] { Cmd_CalcRoch_Click(); });
    connect(ui.Cmd_Ok, &QPushButton::clicked, this, [this] { Cmd_Ok_Click(); });
    connect(ui.Cmd_Annulla, &QPushButton::clicked, this, [this] { Cmd_Annulla_Click(); });
}

void Frm_Rocchetto::MostraRiga(int r, const char* mascheraSp, const char* mascheraGole) {
    const ModuleDIC& d = d_;
    const auto i = static_cast<size_t>(r);
    ui.Opt_RochC[i]->setText(Numero(d.RochC[i]));
    ui.Lbl_RochSp[i]->setText(Numero(d.RochSp[i], mascheraSp));
    ui.Lbl_RochM[i]->setText(Numero(d.RochM[i]));
    ui.Lbl_RochH[i]->setText(Numero(d.RochH[i]));
    ui.Lbl_RochI[i]->setText(Numero(d.RochI[i]));
    ui.Lbl_RochL[i]->setText(Numero(d.RochL[i]));
    ui.Lbl_RochGolaH[i]->setText(Numero(d.RochGolaH[i], mascheraGole));
    ui.Lbl_RochGolaI[i]->setText(Numero(d.RochGolaI[i], mascheraGole));
    ui.Lbl_RochGolaL[i]->setText(Numero(d.RochGolaL[i], mascheraGole));
    ui.Lbl_RochTipo[i]->setText(Qs(d.RochTipo[i]));
}

void Frm_Rocchetto::Form_Load() {
    const ModuleDIC& d = d_;
    for (int r = 0; r < RIGHE; ++r) MostraRiga(r, "###.#", "####");
    constexpr size_t u = ROCH_UTENTE;
    ui.Txt_RochC->setText(Numero(d.RochC[u]));
    ui.Txt_RochSp->setText(Numero(d.RochSp[u]));
    ui.Txt_RochM->setText(Numero(d.RochM[u]));
    ui.Txt_RochH->setText(Numero(d.RochH[u]));
    ui.Txt_RochI->setText(Numero(d.RochI[u]));
    ui.Txt_RochL->setText(Numero(d.RochL[u]));
    ui.Txt_RochTipo->setText(Qs(d.RochTipo[u]));

    // The user's row can be chosen only when it is in use, or after
    // "Calcola Rocchetto" has filled it.
    ui.Opt_RochC[u]->setEnabled(d.RochScelto == ROCH_UTENTE);
    if (d.RochScelto >= 0 && d.RochScelto < RIGHE) ui.Opt_RochC[static_cast<size_t>(d.RochScelto)]->setChecked(true);

    // Bobbin 1 last: its grooves decide which boxes are in use.
    for (auto [gole, una, due] : {std::tuple{d.RochGole2, ui.Opt_Gola1R2, ui.Opt_Gola2R2},
                                  std::tuple{d.RochGole1, ui.Opt_Gola1R1, ui.Opt_Gola2R1}}) {
        if (gole == 0) {
            una->setChecked(true);
            GolaUna();
        } else if (gole == 1) {
            due->setChecked(true);
            GolaDue();
        }
    }
    if (d.RochDue == 0 || d.RochDue == 1) {
        (d.RochDue == 1 ? ui.Opt_RochDue : ui.Opt_RochUno)->setChecked(true);
        ui.Opt_Gola1R2->setEnabled(d.RochDue == 1);
        ui.Opt_Gola2R2->setEnabled(d.RochDue == 1);
    }

    const char* info = nullptr;
    bool due = false;
    if (Vero(d.LamMantello)) {
        info = "Con il Lamierino Scelto si deve utilizzare\nn° 1 Rocchetto sulla Colonna Centrale";
    } else if (Vero(d.Lam2Colonne)) {
        info = "Con il Lamierino Scelto si può utilizzare\nn° 1 Rocchetto su una Colonna,  oppure\n"
               "n° 2 Rocchetti sulle 2 Colonne";
        due = true;
    } else if (Vero(d.Lam3Colonne)) {
        info = "Con il Lamierino Scelto si devono utilizzare\nn° 3 Rocchetti Uguali sulle 3 Colonne";
    }
    if (info) {
        ui.Lbl_RochInfo->setText(Qs(info));
        ui.Opt_RochUno->setEnabled(true);
        ui.Opt_RochDue->setEnabled(due);
    }
}

void Frm_Rocchetto::Gole(bool due) {
    for (int r = 0; r < RIGHE; ++r) {
        const auto i = static_cast<size_t>(r);
        ui.Lbl_RochH[i]->setEnabled(!due);
        ui.Lbl_RochGolaH[i]->setEnabled(!due);
        for (QLabel* l : {ui.Lbl_RochI[i], ui.Lbl_RochL[i], ui.Lbl_RochGolaI[i], ui.Lbl_RochGolaL[i]})
            l->setEnabled(due);
    }
    Abilita(ui.Txt_RochH, !due);
    Abilita(ui.Txt_RochI, due);
    Abilita(ui.Txt_RochL, due);
}

void Frm_Rocchetto::GolaUna() { Gole(false); }
void Frm_Rocchetto::GolaDue() { Gole(true); }

void Frm_Rocchetto::NumeroRocchetti(bool due) {
    ModuleDIC& d = d_;
    const auto i = static_cast<size_t>(::NumeroRocchetti(d, due));
    ui.Lbl_RochM[i]->setText(Numero(d.RochM[i]));
    ui.Lbl_RochGolaH[i]->setText(Numero(d.RochGolaH[i]));
    ui.Lbl_RochGolaI[i]->setText(Numero(d.RochGolaI[i]));
    ui.Lbl_RochGolaL[i]->setText(Numero(d.RochGolaL[i]));
    ui.Opt_Gola1R2->setEnabled(due);
    ui.Opt_Gola2R2->setEnabled(due);
}

OpzioniRocchetto Frm_Rocchetto::Opzioni() const {
    return {ui.Opt_RochDue->isChecked(), ui.Opt_Gola1R1->isChecked(), ui.Opt_Gola2R1->isChecked(),
            ui.Opt_Gola1R2->isChecked(), ui.Opt_Gola2R2->isChecked()};
}

void Frm_Rocchetto::Cmd_CalcRoch_Click() {
    const TestiRocchetto t{ui.Txt_RochC->TestoU8(), ui.Txt_RochSp->TestoU8(), ui.Txt_RochM->TestoU8(),
                           ui.Txt_RochTipo->TestoU8(), ui.Txt_RochH->TestoU8(), ui.Txt_RochI->TestoU8(),
                           ui.Txt_RochL->TestoU8()};
    QRadioButton* utente = ui.Opt_RochC[ROCH_UTENTE];
    if (!CalcolaRocchettoUtente(d_, t, Opzioni(), Piattaforma::Messaggi())) {
        utente->setEnabled(false);
        return;
    }
    MostraRiga(ROCH_UTENTE, "", "####");
    // The heights not typed are derived: the boxes show them too.
    ui.Txt_RochH->setText(Numero(d_.RochH[ROCH_UTENTE]));
    ui.Txt_RochI->setText(Numero(d_.RochI[ROCH_UTENTE]));
    ui.Txt_RochL->setText(Numero(d_.RochL[ROCH_UTENTE]));
    utente->setEnabled(true);
    utente->setChecked(true);
}

void Frm_Rocchetto::Cmd_Ok_Click() {
    ModuleDIC& d = d_;
    for (int i = 0; i < RIGHE; ++i) {
        if (ui.Opt_RochC[static_cast<size_t>(i)]->isChecked()) {
            d.RochScelto = static_cast<int16_t>(i);
            break;
        }
    }
    // Bobbin 2's grooves are kept even when there is one bobbin.
    const auto scelta = [](int16_t& v, QRadioButton* zero, QRadioButton* uno) {
        if (zero->isChecked()) v = 0;
        if (uno->isChecked()) v = 1;
    };
    scelta(d.RochDue, ui.Opt_RochUno, ui.Opt_RochDue);
    scelta(d.RochGole1, ui.Opt_Gola1R1, ui.Opt_Gola2R1);
    scelta(d.RochGole2, ui.Opt_Gola1R2, ui.Opt_Gola2R2);
    accept();
}
