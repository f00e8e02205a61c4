#include "dialogs/Frm_Lamierino.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/ImmaginiLamierino.h"
#include "disegni/PaccoLamierini.h"
#include "engine/ModRoutine.h"
#include "files/LibLam.h"
#include "files/LimitiCampi.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"

namespace {

// ---- layout, in twips
constexpr int kRiga = 240;          // grid rows
constexpr int kYIntest = 220;       // column heads
constexpr int kYRiga0 = 470;        // first grid row
constexpr int kXAxB = 120, kWAxB = 1020;
constexpr int kXMisura = 1160, kPassoMisura = 680, kWMisura = 660;
constexpr int kXEI = 5940, kWEI = 960;
constexpr int kXPeso = 6920, kWPeso = 840;

constexpr const char* kTitoloCampi = "Verifica Lamierino";

// The grid's columns after the area, in the order of CampoLamFuori; the entry
// boxes of row 18 stand under them with the same heads and tooltips.
constexpr ColonnaScelte kColonne[LF_NUM] = {
    {"Lbl_A", "A mm", kXMisura, kWMisura, "Misura A del Lamierino"},
    {"Lbl_B", "B mm", kXMisura + kPassoMisura, kWMisura, "Misura B del Lamierino"},
    {"Lbl_C", "C mm", kXMisura + 2 * kPassoMisura, kWMisura, "Misura C del Lamierino"},
    {"Lbl_D", "D mm", kXMisura + 3 * kPassoMisura, kWMisura, "Misura D del Lamierino"},
    {"Lbl_E", "E mm", kXMisura + 4 * kPassoMisura, kWMisura, "Misura E del Lamierino"},
    {"Lbl_F", "F mm", kXMisura + 5 * kPassoMisura, kWMisura, "Misura F del Lamierino"},
    {"Lbl_G", "G mm", kXMisura + 6 * kPassoMisura, kWMisura, "Misura G del Lamierino"},
    {"Lbl_EI", "Tipo", kXEI, kWEI, "Nome del Formato Lamierino", "", Qt::AlignLeft | Qt::AlignVCenter},
    {"Lbl_PesoLam", "Peso Kg", kXPeso, kWPeso, "Peso di Sp=1cm di Lamierini",
     "Peso in Kg x 10mm di Lamierini"},
};

// The entry boxes of row 18, in the order of CampoLamFuori: each takes what a
// library's cell takes, and as many characters.
constexpr CampoNumerico::Limiti Misura(int k, const char* messaggio) {
    return {LIMITI_CELLE_LAM[static_cast<size_t>(k)], messaggio, kTitoloCampi, ""};
}
constexpr int Caratteri(int k) { return CARATTERI_CELLE_LAM[static_cast<size_t>(k)]; }
constexpr RigaCampo kCampi[LF_NUM] = {
    {"Txt_A", Caratteri(LF_A), Misura(LF_A, "La Misura di 'A' Fuori Limiti")},
    {"Txt_B", Caratteri(LF_B), Misura(LF_B, "La Misura di 'B' Fuori Limiti")},
    {"Txt_C", Caratteri(LF_C), Misura(LF_C, "La Misura di 'C' Fuori Limiti")},
    {"Txt_D", Caratteri(LF_D), Misura(LF_D, "La Misura di 'D' Fuori Limiti")},
    {"Txt_E", Caratteri(LF_E), Misura(LF_E, "La Misura di 'E' Fuori Limiti")},
    {"Txt_F", Caratteri(LF_F), Misura(LF_F, "La Misura di 'F' Fuori Limiti")},
    {"Txt_G", Caratteri(LF_G), Misura(LF_G, "La Misura di 'G' Fuori Limiti")},
    {"Txt_EI", Caratteri(LF_EI)},
    {"Txt_PesoLam", Caratteri(LF_PESO), Misura(LF_PESO, "La Misura di 'Peso Lamierino' Fuori Limiti")},
};

}  // namespace

Frm_Lamierino::Frm_Lamierino(ModuleDIC& d, ICoefKLista* lista, QWidget* parent)
    : DialogoBase(d, "Frm_Lamierino", Qs("Scelta Tipo Lamierino Monofase"), 11700, 7000, parent),
      lista_(lista) {
    Costruisci();
    Form_Load();
}

void Frm_Lamierino::Costruisci() {
    // ---- the grid of the lamination table
    ui.Frame1 = Riquadro(this, Qs("Frame1"), {}, 120, 60, 7860, 5320);
    QWidget* g = ui.Frame1;

    // Row 18 stands apart, under its own title.
    const auto y = [](int i) { return kYRiga0 + i * kRiga + (i == LAM_FUORI_FORMATO ? kRiga : 0); };
    Riga<QLabel>* etichette[LF_NUM] = {&ui.Lbl_A, &ui.Lbl_B, &ui.Lbl_C, &ui.Lbl_D, &ui.Lbl_E,
                                       &ui.Lbl_F, &ui.Lbl_G, &ui.Lbl_EI, &ui.Lbl_PesoLam};
    std::vector<std::pair<ColonnaScelte, QLabel**>> colonne;
    for (int k = 0; k < LF_NUM; ++k) colonne.emplace_back(kColonne[k], etichette[k]->data());
    TabellaScelte(g, {"Opt_AxB", "AxB cm²", kXAxB, kWAxB, "Area AxB del Lamierino"}, ui.Opt_AxB.data(),
                  colonne, RIGHE, kYIntest, y, kRiga);
    Didascalia(g, "Label_FuoriFormato", Qs("Lamierino Fuori Formato"), kXAxB,
              kYRiga0 + LAM_FUORI_FORMATO * kRiga, 4000, kRiga, Qt::AlignLeft | Qt::AlignVCenter);

    // ---- the user's own lamination
    QGroupBox* f2 = Riquadro(this, Qs("Frame2"), Qs("Lamierino Fuori Formato"), 120, 5440, 7860, 1440);
    Didascalia(f2, "Label_Istruzioni", Qs("Inserire le misure in mm indicate, poi click su 'Calcola Lam'"),
              kXAxB, 240, 7000, kRiga, Qt::AlignLeft | Qt::AlignVCenter);
    for (int k = 0; k < LF_NUM; ++k) {
        const RigaCampo& r = kCampi[k];
        const ColonnaScelte& col = kColonne[k];
        Didascalia(f2, {}, Qs(col.intestazione), col.x, 500, col.w, kRiga, Qt::AlignCenter);
        CampoNumerico* c = k == LF_EI
                               ? CampoNome(f2, r, col.x, 740, col.w, 285)
                               : CampoConMessaggio(f2, r, col.x, 740, col.w, 285);
        c->setToolTip(Qs(col.tooltip));
        ui.Txt[static_cast<size_t>(k)] = c;
    }
    ui.Cmd_CalcLamFuori = Pulsante(f2, Qs("Cmd_CalcLamFuori"), Qs("Calcola Lam"), {}, 6000, 1070, 1760, 300);

    // ---- library, pictures, stack, buttons
    constexpr int xd = 8160, wd = 3420;
    Didascalia(this, "Label_FileLibreria", Qs("File Libreria:"), xd, 120, wd, kRiga,
              Qt::AlignLeft | Qt::AlignVCenter);
    ui.Lbl_LibLam = Didascalia(this, "Lbl_LibLam", {}, xd, 380, wd, 720, Qt::AlignLeft | Qt::AlignTop);
    ui.Lbl_LibLam->setWordWrap(true);
    ui.Lbl_LibLam->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    immagini_ = std::make_unique<ImmaginiLamierino>(this, xd, 1200, wd, 2700);
    ui.Image = immagini_->Image;
    Immagine(this, "Image7", disegni::PaccoLamierini(), xd, 4000, 1800, 1300);
    Didascalia(this, "Label_SP", Qs("Spessore Sp (mm)"), 10020, 4300, 1560, kRiga,
              Qt::AlignLeft | Qt::AlignVCenter);
    ui.Txt_SP = new QLineEdit(this);
    ui.Txt_SP->setObjectName("Txt_SP");
    ui.Txt_SP->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Posiziona(ui.Txt_SP, 10020, 4580, 1000, 285);

    ui.Cmd_Apri = Pulsante(this, Qs("Cmd_Apri"), Qs("Apri Libreria"), {}, xd, 5600, 1650, 360);
    ui.Cmd_Stampa = PulsanteStampa(this, Qs("Stampa"), xd + 1770, 5600, 1650, 360);
    ui.Cmd_Ok = Pulsante(this, Qs("Cmd_Ok"), Qs("OK"), {}, xd, 6160, 1650, 360);
    ui.Cmd_Esci = Pulsante(this, Qs("Cmd_Esci"), Qs("Esci"), {}, xd + 1770, 6160, 1650, 360);

    connect(ui.Cmd_Apri, &QPushButton::clicked, this, [this] { Cmd_Apri_Click(); });
    connect(ui.Cmd_CalcLamFuori, &QPushButton::clicked, this, [this] { Cmd_CalcLamFuori_Click(); });
    connect(ui.Cmd_Ok, &QPushButton::clicked, this, [this] { Cmd_Ok_Click(); });
    connect(ui.Cmd_Esci, &QPushButton::clicked, this, [this] { Cmd_Esci_Click(); });
}

void Frm_Lamierino::MostraRiga(int i, const char* mascheraAxB, const char* maschera,
                               const char* mascheraNome, const char* mascheraPeso) {
    const auto r = static_cast<size_t>(i);
    const ModuleDIC& d = d_;
    ui.Opt_AxB[r]->setText(Qs(num::Format(d.LamAxB[r], mascheraAxB)));
    const float misure[LF_EI] = {d.LamA[r], d.LamB[r], d.LamC[r], d.LamD[r],
                                 d.LamE[r], d.LamF[r], d.LamG[r]};
    Riga<QLabel>* colonne[LF_EI] = {&ui.Lbl_A, &ui.Lbl_B, &ui.Lbl_C, &ui.Lbl_D,
                                    &ui.Lbl_E, &ui.Lbl_F, &ui.Lbl_G};
    for (int k = 0; k < LF_EI; ++k) (*colonne[k])[r]->setText(Qs(num::Format(misure[k], maschera)));
    ui.Lbl_EI[r]->setText(Qs(num::FormatTesto(d.LamNome[r], mascheraNome)));
    ui.Lbl_PesoLam[r]->setText(Qs(num::Format(d.LamPeso[r], mascheraPeso)));
}

void Frm_Lamierino::Form_Load() {
    const ModuleDIC& d = d_;
    constexpr size_t r = LAM_FUORI_FORMATO;
    ui.Lbl_LibLam->setText(Qs(d.NomeLibLam));
    AggiornaTabellaLamierini();
    ui.Txt_SP->setText(Qs(num::Format(d.LamSP, "###.#")));

    const float misure[LF_EI] = {d.LamA[r], d.LamB[r], d.LamC[r], d.LamD[r],
                                 d.LamE[r], d.LamF[r], d.LamG[r]};
    for (int k = 0; k < LF_EI; ++k)
        ui.Txt[static_cast<size_t>(k)]->ImpostaTestoU8(num::Format(misure[k], "##0.0#"));
    ui.Txt[LF_EI]->ImpostaTestoU8(num::FormatTesto(d.LamNome[r], "#########"));
    ui.Txt[LF_PESO]->ImpostaTestoU8(num::Format(d.LamPeso[r], "##0.000"));
    MostraRiga(LAM_FUORI_FORMATO, "0.0", "0.0", "####", "0.000");

    // The user's own row can be chosen only when it is the chosen one, or
    // after "Calcola Lam" has filled it.
    ui.Opt_AxB[r]->setEnabled(d.LamScelto == LAM_FUORI_FORMATO);
    if (d.LamScelto >= 0 && d.LamScelto < RIGHE)
        ui.Opt_AxB[static_cast<size_t>(d.LamScelto)]->setChecked(true);
}

void Frm_Lamierino::AggiornaTabellaLamierini() {
    ModuleDIC& d = d_;
    ui.Frame1->setTitle(Qs("Lamierini Tipo: ") + Qs(d.LamTipoDescr));
    immagini_->Mostra(d);

    for (int i = 0; i < LAM_FUORI_FORMATO; ++i) {
        const auto r = static_cast<size_t>(i);
        MostraRiga(i, "##0.0#", "##0.0", "#########", "##0.000");
        d.LamFinestra[r] = num::Sng(static_cast<double>(d.LamF[r]) * d.LamE[r]);
        ui.Opt_AxB[r]->setEnabled(true);
    }
}

void Frm_Lamierino::Cmd_Apri_Click() {
    ModuleDIC& d = d_;
    const QString file =
        ScegliLibreria(Qs("Apri Libreria Lamierini"), Qs("Libreria Lamierini(*.lam)|*.lam"));
    if (file.isEmpty()) return;
    IMessaggi& msg = Piattaforma::Messaggi();
    const std::string prima = d.FileLibreria;
    d.FileLibreria = U8(file);
    // A file that cannot be read brings the reader's message and changes nothing.
    if (!ApriLibreriaLamierini(d, msg)) {
        d.FileLibreria = prima;
        return;
    }
    ui.Lbl_LibLam->setText(Qs(d.NomeLibLam));
    IndividuaTipoLamierino(d, msg);
    AggiornaTabellaLamierini();
}

void Frm_Lamierino::Cmd_CalcLamFuori_Click() {
    TestiLamFuori t;
    for (int k = 0; k < LF_NUM; ++k) t[static_cast<size_t>(k)] = ui.Txt[static_cast<size_t>(k)]->TestoU8();
    const EsitoLamFuori e = CalcolaLamFuoriFormato(d_, t, Piattaforma::Messaggi());
    if (e.aBianco) ui.Txt[LF_A]->SetGiallo(false);
    if (e.bBianco) ui.Txt[LF_B]->SetGiallo(false);
    if (e.giallo >= 0) ui.Txt[static_cast<size_t>(e.giallo)]->SetGiallo(true);
    QRadioButton* opt = ui.Opt_AxB[LAM_FUORI_FORMATO];
    if (!e.ok) {
        opt->setEnabled(false);
        return;
    }
    MostraRiga(LAM_FUORI_FORMATO, "##0.0", "##0.0", "#########", "##0.000");
    opt->setEnabled(true);
}

void Frm_Lamierino::Cmd_Ok_Click() {
    const int riga = RigaConfermata(ui.Opt_AxB.data(), RIGHE);
    if (riga < 0) return;
    const std::optional<float> sp = num::TextToSng(U8(ui.Txt_SP->text()));
    // A stack no project holds would be saved and then refused on reopening.
    if (sp && *sp > 0.0f && !LIMITE_SPESSORE_DIGITATO.Accetta(*sp)) {
        Piattaforma::MsgBox(Qs("La Misura di 'SP' Fuori Limiti"), mb::OkOnly + mb::Exclamation,
                            Qs(TITOLO_ERRORE_LAMIERINO));
        return;
    }
    if (ConfermaLamierino(d_, riga, sp, Piattaforma::Messaggi(), lista_)) accept();
}

void Frm_Lamierino::Cmd_Esci_Click() { reject(); }
