#include "dialogs/Frm_FiloRame.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "files/LibRame.h"
#include "files/LimitiCampi.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"

namespace {

// ---- layout, in twips
constexpr int kRiga = 210;      // grid rows
constexpr int kYIntest = 240;   // column heads
constexpr int kYRiga0 = 480;    // first grid row
constexpr int kXDestra = 6420, kWDestra = 4100;

// The grid's columns after the bare diameter, with their masks; the bare
// diameter's own mask is kMascheraNudo.
constexpr const char* kMascheraNudo = "#0.00";
constexpr ColonnaScelte kOpzione{"Opt_FiloNudo", "Nudo mm", 120, 900, "",
                                 "Diametro Filo Nudo in millimetri"};
constexpr int kColonne = 6;
constexpr ColonnaScelte kColonna[kColonne] = {
    {"Lbl_FiloIsolato", "Isol.mm", 1060, 760, "", "Diametro Filo Smaltato in millimetri"},
    {"Lbl_SezioneFilo", "Sez.mmq", 1840, 800, "", "Sezione Filo Nudo in millimetri quadrati"},
    {"Lbl_SpireCM", "Spire/cm", 2660, 760, "", "Numero Spire per centimetro"},
    {"Lbl_CoefKf", "Kf", 3440, 620, "", "Coefficiente di Riempimento"},
    {"Lbl_Resistenza", "Ohm/m", 4080, 900, "", "Resistenza Elettrica a 20°C di un metro di Filo"},
    {"Lbl_PesoFilo", "gr/m", 5000, 1000, "", "Peso in grammi di un metro di Filo"},
};
constexpr const char* kMaschera[kColonne] = {"#0.000", "#0.0000", "#0.00", "#0.00", "#0.0000", "#0.0000"};

// The boxes of the user's own wire: the silent check only colours them.
constexpr RigaCampo kCampi[FF_NUM] = {
    {"Txt_FiloNudo", 5, {LIMITE_DIAMETRO_FILO}},
    {"Txt_FiloIsolato", 5, {LIMITE_DIAMETRO_FILO}},
    {"Txt_CoefKf", 5, {LIMITE_KF_RAME}},
    {"Txt_Ohm_m", 6, {LIMITE_OHM_RAME}},
    {"Txt_PesSpeRam", 5, {LIMITE_PESSPE_RAME}},
};
constexpr const char* kTooltip[FF_NUM] = {"da 0,001 a 100 ", "da 0,001 a 100 ", "da 1,00 a 2,00 ",
                                          "da 0,001 a 2,00 ", "da 3,00 a 15,0 "};
constexpr const char* kDidascalia[FF_NUM] = {
    "Diametro Filo Nudo in (mm)", "Diametro Filo Isolato in (mm)", "Coefficiente di Riempimento Kf",
    "Resistività Specifica Filo Rame (Ohm·mm²/m)", "Peso Specifico Filo Rame (kg/dm³ )"};

float Standard(const char* testo) { return num::TextToSng(testo).value_or(0.0f); }

}  // namespace

Frm_FiloRame::Frm_FiloRame(ModuleDIC& d, QWidget* parent)
    : DialogoBase(d, "Frm_FiloRame", Qs("Scelta Filo di Rame Smaltato"), 10640, 9180, parent),
      col_(ColonnaFilo(d.NumAvvScelto)) {
    Costruisci();
    Form_Load();
}

void Frm_FiloRame::Costruisci() {
    // ---- the grid of the column
    QGroupBox* f1 = Riquadro(this, Qs("Frame1"), Qs("Tabella dei Fili di Rame Smaltato"), 120, 60, 6180, 9000);
    f1->setToolTip(Qs("Selezionare il Filo di Rame Smaltato"));
    // Row 38 stands apart, under its own title.
    const auto y = [](int i) { return kYRiga0 + i * kRiga + (i == FILO_FUORI_FORMATO ? kRiga : 0); };
    Riga<QLabel>* etichette[kColonne] = {&ui.Lbl_FiloIsolato, &ui.Lbl_SezioneFilo, &ui.Lbl_SpireCM,
                                         &ui.Lbl_CoefKf,      &ui.Lbl_Resistenza,  &ui.Lbl_PesoFilo};
    std::vector<std::pair<ColonnaScelte, QLabel**>> colonne;
    for (int k = 0; k < kColonne; ++k) colonne.emplace_back(kColonna[k], etichette[k]->data());
    TabellaScelte(f1, kOpzione, ui.Opt_FiloNudo.data(), colonne, RIGHE, kYIntest, y, kRiga);
    Didascalia(f1, "Label_FuoriFormato", Qs("Filo di Rame Fuori Formato"), kOpzione.x,
               kYRiga0 + FILO_FUORI_FORMATO * kRiga, 4000, kRiga);

    // ---- library
    Didascalia(this, "Label_FileLibreria", Qs("File Libreria Filo Rame:"), kXDestra, 120, kWDestra, 240);
    ui.Lbl_LibRam = Didascalia(this, "Lbl_LibRam", {}, kXDestra, 380, kWDestra, 720,
                               Qt::AlignLeft | Qt::AlignTop);
    ui.Lbl_LibRam->setWordWrap(true);
    ui.Lbl_LibRam->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    // ---- the user's own wire
    QGroupBox* f2 = Riquadro(this, Qs("Frame2"), Qs("Filo Rame Fuori Formato"), kXDestra, 1250, kWDestra, 4300);
    QLabel* istruzioni = Didascalia(
        f2, "Label_Istruzioni",
        Qs("Indicare le misure del Filo di Rame Smaltato in mm poi click su 'Calcola Filo'"), 120, 260,
        3860, 480, Qt::AlignLeft | Qt::AlignTop);
    istruzioni->setWordWrap(true);
    for (int k = 0; k < FF_NUM; ++k) {
        const int yk = 820 + k * 600;
        QLabel* l = Didascalia(f2, {}, Qs(kDidascalia[k]), 120, yk, 2800, 480);
        l->setWordWrap(true);
        CampoNumerico* c = CampoSilenzioso(f2, kCampi[k], [this] { ControlloDatiPresenti01(); }, 3000,
                                           yk + 95, 960, 285);
        c->setToolTip(Qs(kTooltip[k]));
        ui.Txt[static_cast<size_t>(k)] = c;
    }
    ui.Cmd_FiloRame = Pulsante(f2, Qs("Cmd_FiloRame"), Qs("Calcola Filo"), {}, 2200, 3820, 1760, 360);
    ui.Cmd_FiloRame->setEnabled(false);

    // ---- buttons
    ui.Cmd_Apri = Pulsante(this, Qs("Cmd_Apri"), Qs("Apri Libreria"), {}, kXDestra, 5800, 1980, 360);
    ui.Cmd_Stampa = PulsanteStampa(this, Qs("Stampa Libreria"), kXDestra + 2120, 5800, 1980, 360);
    ui.Cmd_Ok = Pulsante(this, Qs("Cmd_Ok"), Qs("OK"), {}, kXDestra, 6340, kWDestra, 420);

    connect(ui.Cmd_Apri, &QPushButton::clicked, this, [this] { Cmd_Apri_Click(); });
    connect(ui.Cmd_FiloRame, &QPushButton::clicked, this, [this] { Cmd_FiloRame_Click(); });
    connect(ui.Cmd_Ok, &QPushButton::clicked, this, [this] { Cmd_Ok_Click(); });
}

void Frm_FiloRame::MostraRiga(int i, bool diametriConMaschera) {
    const auto r = static_cast<size_t>(i);
    const auto c = static_cast<size_t>(col_);
    const ModuleDIC& d = d_;
    const float valori[kColonne] = {d.FiloIsolato[r][c], d.SezioneFilo[r][c], d.SpireCM[r][c],
                                    d.CoefKfFilo[r][c],  d.ResistenzaFilo[r][c], d.PesoFilo[r][c]};
    QLabel* etichette[kColonne] = {ui.Lbl_FiloIsolato[r], ui.Lbl_SezioneFilo[r], ui.Lbl_SpireCM[r],
                                   ui.Lbl_CoefKf[r],      ui.Lbl_Resistenza[r],  ui.Lbl_PesoFilo[r]};
    for (int k = 0; k < kColonne; ++k) etichette[k]->setText(Qs(num::Format(valori[k], kMaschera[k])));
    if (diametriConMaschera) {
        ui.Opt_FiloNudo[r]->setText(Qs(num::Format(d.FiloNudo[r][c], kMascheraNudo)));
    } else {
        ui.Opt_FiloNudo[r]->setText(Qs(num::SngToText(d.FiloNudo[r][c])));
        ui.Lbl_FiloIsolato[r]->setText(Qs(num::SngToText(d.FiloIsolato[r][c])));
    }
}

void Frm_FiloRame::Form_Load() {
    ModuleDIC& d = d_;
    constexpr auto r = static_cast<size_t>(FILO_FUORI_FORMATO);
    const auto c = static_cast<size_t>(col_);
    // Each opening starts the user's wire from the standard copper.
    d.KfRame[r][c] = Standard(KF_RAME_STANDARD);
    d.OhmRame[r][c] = Standard(OHM_RAME_STANDARD);
    d.PesSpeRame[r][c] = Standard(PESSPE_RAME_STANDARD);

    // The column's library is read again; a file no longer there is passed
    // over in silence, one that cannot be read brings the reader's message,
    // and either way the column keeps what it holds.
    d.FileLibreria = d.NomeLibRame[c];
    if (QFileInfo::exists(Qs(d.FileLibreria))) LeggiLibreriaRame(d, Piattaforma::Messaggi());
    AggiornaTabellaRame();

    const float testi[FF_NUM] = {d.FiloNudo[r][c], d.FiloIsolato[r][c], d.KfRame[r][c], d.OhmRame[r][c],
                                 d.PesSpeRame[r][c]};
    for (int k = 0; k < FF_NUM; ++k) {
        CampoNumerico* t = ui.Txt[static_cast<size_t>(k)];
        t->ImpostaTestoU8(num::SngToText(testi[k]));
        t->SetGiallo(false);
    }
    MostraRiga(FILO_FUORI_FORMATO);

    // The user's own row can be chosen only when it is the chosen one, or
    // after "Calcola Filo" has filled it.
    const int scelto = RigaFiloTab(d.FiloScelto);
    ui.Opt_FiloNudo[r]->setEnabled(scelto == FILO_FUORI_FORMATO);
    if (scelto < RIGHE) ui.Opt_FiloNudo[static_cast<size_t>(scelto)]->setChecked(true);
}

void Frm_FiloRame::AggiornaTabellaRame() {
    ui.Lbl_LibRam->setText(Qs(d_.NomeLibRame[static_cast<size_t>(col_)]));
    const int fili = ContaFiliColonna(d_, col_);
    for (int i = 0; i < FILO_FUORI_FORMATO; ++i) {
        const auto r = static_cast<size_t>(i);
        ui.Opt_FiloNudo[r]->setEnabled(i < fili);
        if (i < fili) {
            MostraRiga(i);
            continue;
        }
        ui.Opt_FiloNudo[r]->setText(Qs("0"));
        for (auto* a : {&ui.Lbl_FiloIsolato, &ui.Lbl_SezioneFilo, &ui.Lbl_SpireCM, &ui.Lbl_CoefKf,
                        &ui.Lbl_Resistenza, &ui.Lbl_PesoFilo})
            (*a)[r]->setText(Qs("0"));
    }
}

void Frm_FiloRame::ControlloDatiPresenti01() {
    TestiFiloFuori t;
    for (int k = 0; k < FF_NUM; ++k) t[static_cast<size_t>(k)] = ui.Txt[static_cast<size_t>(k)]->TestoU8();
    if (DatiFiloPresenti(t)) ui.Cmd_FiloRame->setEnabled(true);
}

void Frm_FiloRame::Cmd_Apri_Click() {
    const QString file = ScegliLibreria(Qs("Apri Libreria Filo Rame Smaltato"),
                                        Qs("Libreria Filo Rame Smaltato(*.wir)|*.wir"));
    if (file.isEmpty()) return;
    d_.FileLibreria = U8(file);
    // A file that cannot be read, or of the older layout, brings its message
    // and leaves the column as it was.
    if (ApriLibreriaRame(d_, Piattaforma::Messaggi(), MSG_LIBRAME_VECCHIA_DIALOGO)) AggiornaTabellaRame();
}

void Frm_FiloRame::Cmd_FiloRame_Click() {
    TestiFiloFuori t;
    for (int k = 0; k < FF_NUM; ++k) t[static_cast<size_t>(k)] = ui.Txt[static_cast<size_t>(k)]->TestoU8();
    QRadioButton* opt = ui.Opt_FiloNudo[FILO_FUORI_FORMATO];
    if (!CalcolaFiloFuoriFormato(d_, col_, t, Piattaforma::Messaggi())) {
        opt->setEnabled(false);
        return;
    }
    MostraRiga(FILO_FUORI_FORMATO, false);
    opt->setEnabled(true);
}

void Frm_FiloRame::Cmd_Ok_Click() {
    const int riga = RigaConfermata(ui.Opt_FiloNudo.data(), RIGHE);
    if (riga < 0) return;
    d_.FiloScelto = static_cast<float>(riga);
    accept();
}
