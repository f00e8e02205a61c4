#include "dialogs/Frm_Lamierino.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "engine/ModRoutine.h"
#include "files/LibLam.h"
#include "platform/core/Numeri.h"
#include "platform/core/Percorsi.h"
#include "platform/ui/Ui.h"
#include "shell/Disegni.h"

namespace {

// ---- layout, in twips
constexpr int kRiga = 240;          // grid rows
constexpr int kYIntest = 220;       // column heads
constexpr int kYRiga0 = 470;        // first grid row
constexpr int kXAxB = 120, kWAxB = 1020;
constexpr int kXMisura = 1160, kPassoMisura = 680, kWMisura = 660;
constexpr int kXEI = 5940, kWEI = 960;
constexpr int kXPeso = 6920, kWPeso = 840;

constexpr const char* kLettere = "ABCDEFG";
constexpr const char* kTitoloCampi = "Verifica Lamierino";

// The entry boxes of row 18, in the order of CampoLamFuori.
constexpr RigaCampo kCampi[LF_NUM] = {
    {"Txt_A", 5, {5, 9999, "La Misura di 'A' Fuori Limiti", kTitoloCampi, ""}},
    {"Txt_B", 5, {5, 9999, "La Misura di 'B' Fuori Limiti", kTitoloCampi, ""}},
    {"Txt_C", 4, {5, 999, "La Misura di 'C' Fuori Limiti", kTitoloCampi, ""}},
    {"Txt_D", 4, {5, 999, "La Misura di 'D' Fuori Limiti", kTitoloCampi, ""}},
    {"Txt_E", 5, {5, 9999, "La Misura di 'E' Fuori Limiti", kTitoloCampi, ""}},
    {"Txt_F", 4, {5, 999, "La Misura di 'F' Fuori Limiti", kTitoloCampi, ""}},
    {"Txt_G", 4, {5, 999, "La Misura di 'G' Fuori Limiti", kTitoloCampi, ""}},
    {"Txt_EI", 12},
    {"Txt_PesoLam", 5, {0.01f, 9999, "La Misura di 'Peso Lamierino' Fuori Limiti", kTitoloCampi, ""}},
};

// Left edge and width of a grid column (CampoLamFuori order; LF_NUM = the area).
int XColonna(int k) {
    if (k < LF_EI) return kXMisura + k * kPassoMisura;
    return k == LF_EI ? kXEI : (k == LF_PESO ? kXPeso : kXAxB);
}
int WColonna(int k) {
    if (k < LF_EI) return kWMisura;
    return k == LF_EI ? kWEI : (k == LF_PESO ? kWPeso : kWAxB);
}

QString TooltipColonna(int k) {
    if (k < LF_EI) return Qs("Misura ") + QChar(kLettere[k]) + Qs(" del Lamierino");
    return Qs(k == LF_EI ? "Nome del Formato Lamierino" : "Peso di Sp=1cm di Lamierini");
}

QLabel* Immagine(QWidget* parent, const QString& nome, const QImage& img, int x, int y, int w, int h) {
    auto* l = new QLabel(parent);
    l->setObjectName(nome);
    l->setAlignment(Qt::AlignCenter);
    l->setPixmap(QPixmap::fromImage(img));
    Posiziona(l, x, y, w, h);
    return l;
}

}  // namespace

Frm_Lamierino::Frm_Lamierino(ModuleDIC& d, ICoefKLista* lista, QWidget* parent)
    : DialogoBase(d, "Frm_Lamierino", Qs("Scelta Tipo Lamierino Monofase"), 11700, 7000, parent),
      lista_(lista) {
    Costruisci();
    Form_Load();
}

void Frm_Lamierino::Costruisci() {
    // ---- the grid of the lamination table
    ui.Frame1 = new QGroupBox(this);
    ui.Frame1->setObjectName("Frame1");
    Posiziona(ui.Frame1, 120, 60, 7860, 5320);
    QWidget* g = ui.Frame1;

    Didascalia(g, "Label_AxB", Qs("AxB cm²"), kXAxB, kYIntest, kWAxB, kRiga, Qt::AlignCenter);
    for (int k = 0; k < LF_EI; ++k)
        Didascalia(g, Qs("Label_") + QChar(kLettere[k]), QChar(kLettere[k]) + Qs(" mm"), XColonna(k),
                  kYIntest, kWMisura, kRiga, Qt::AlignCenter);
    Didascalia(g, "Label_EI", Qs("Tipo"), kXEI, kYIntest, kWEI, kRiga, Qt::AlignCenter);
    Didascalia(g, "Label_PesoLam", Qs("Peso Kg"), kXPeso, kYIntest, kWPeso, kRiga, Qt::AlignCenter)
        ->setToolTip(Qs("Peso in Kg x 10mm di Lamierini"));

    Riga<QLabel>* colonne[LF_NUM] = {&ui.Lbl_A, &ui.Lbl_B, &ui.Lbl_C, &ui.Lbl_D, &ui.Lbl_E,
                                     &ui.Lbl_F, &ui.Lbl_G, &ui.Lbl_EI, &ui.Lbl_PesoLam};
    static constexpr const char* kNomiLbl[LF_NUM] = {"Lbl_A", "Lbl_B", "Lbl_C", "Lbl_D", "Lbl_E",
                                                     "Lbl_F", "Lbl_G", "Lbl_EI", "Lbl_PesoLam"};
    for (int i = 0; i < RIGHE; ++i) {
        // Row 18 stands apart, under its own title.
        const int y = kYRiga0 + i * kRiga + (i == LAM_FUORI_FORMATO ? kRiga : 0);
        auto* opt = new QRadioButton(g);
        opt->setObjectName(NomeIndice("Opt_AxB", i));
        opt->setToolTip(Qs("Area AxB del Lamierino"));
        Posiziona(opt, kXAxB, y, kWAxB, kRiga);
        ui.Opt_AxB[static_cast<size_t>(i)] = opt;
        for (int k = 0; k < LF_NUM; ++k) {
            QLabel* l = Didascalia(g, NomeIndice(kNomiLbl[k], i), {}, XColonna(k), y, WColonna(k), kRiga,
                                  k == LF_EI ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            l->setToolTip(TooltipColonna(k));
            (*colonne[k])[static_cast<size_t>(i)] = l;
        }
    }
    Didascalia(g, "Label_FuoriFormato", Qs("Lamierino Fuori Formato"), kXAxB,
              kYRiga0 + LAM_FUORI_FORMATO * kRiga, 4000, kRiga, Qt::AlignLeft | Qt::AlignVCenter);

    // ---- the user's own lamination
    auto* f2 = new QGroupBox(Qs("Lamierino Fuori Formato"), this);
    f2->setObjectName("Frame2");
    Posiziona(f2, 120, 5440, 7860, 1440);
    Didascalia(f2, "Label_Istruzioni", Qs("Inserire le misure in mm indicate, poi click su 'Calcola Lam'"),
              kXAxB, 240, 7000, kRiga, Qt::AlignLeft | Qt::AlignVCenter);
    for (int k = 0; k < LF_NUM; ++k) {
        const RigaCampo& r = kCampi[k];
        Didascalia(f2, {}, k < LF_EI ? QChar(kLettere[k]) + Qs(" mm") : Qs(k == LF_EI ? "Tipo" : "Peso Kg"),
                  XColonna(k), 500, WColonna(k), kRiga);
        CampoNumerico* c = k == LF_EI
                               ? CampoNome(f2, r, XColonna(k), 740, WColonna(k), 285)
                               : CampoConMessaggio(f2, r, XColonna(k), 740, WColonna(k), 285);
        c->setToolTip(TooltipColonna(k));
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
    for (int t = 1; t <= NUM_IMMAGINI; ++t) {
        ui.Image[static_cast<size_t>(t)] =
            Immagine(this, Qs("Image") + QString::number(t), disegni::Lamierino(t), xd, 1200,
                     wd, 2700);
        ui.Image[static_cast<size_t>(t)]->hide();
    }
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

void Frm_Lamierino::MostraImmagine(int tipo) {
    for (int t = 1; t <= NUM_IMMAGINI; ++t) ui.Image[static_cast<size_t>(t)]->setVisible(t == tipo);
}

void Frm_Lamierino::AggiornaTabellaLamierini() {
    ModuleDIC& d = d_;
    ui.Frame1->setTitle(Qs("Lamierini Tipo: ") + Qs(d.LamTipoDescr));
    // Each flag names the kinds it may show; any other kind shows no picture.
    // With no flag set the pictures stay as they were.
    if (Vero(d.LamMantello)) MostraImmagine(d.TipoLam == 1 || d.TipoLam == 2 ? d.TipoLam : 0);
    if (Vero(d.Lam2Colonne)) MostraImmagine(d.TipoLam == 4 ? 4 : 0);
    if (Vero(d.Lam3Colonne))
        MostraImmagine(d.TipoLam == 3 || d.TipoLam == 5 || d.TipoLam == 6 ? d.TipoLam : 0);

    for (int i = 0; i < LAM_FUORI_FORMATO; ++i) {
        const auto r = static_cast<size_t>(i);
        MostraRiga(i, "##0.0#", "##0.0", "#########", "##0.000");
        d.LamFinestra[r] = num::Sng(static_cast<double>(d.LamF[r]) * d.LamE[r]);
        ui.Opt_AxB[r]->setEnabled(true);
    }
}

void Frm_Lamierino::Cmd_Apri_Click() {
    ModuleDIC& d = d_;
    const QString cartella =
        Qs(percorsi::TrovaPercorso(U8(QCoreApplication::applicationDirPath()), "LIBRERIA"));
    const QString file = Piattaforma::Dialoghi().Apri(this, Qs("Apri Libreria Lamierini"), cartella,
                                                      Qs("Libreria Lamierini(*.lam)|*.lam"));
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
    int riga = -1;
    for (int i = 0; i < RIGHE && riga < 0; ++i)
        if (ui.Opt_AxB[static_cast<size_t>(i)]->isChecked()) riga = i;
    if (riga < 0) return;
    // An empty library row shows an area of 0 and cannot be confirmed.
    const float area =
        num::TextToSng(U8(ui.Opt_AxB[static_cast<size_t>(riga)]->text())).value_or(0.0f);
    if (area == 0.0f) return;
    if (ConfermaLamierino(d_, riga, num::TextToSng(U8(ui.Txt_SP->text())), Piattaforma::Messaggi(),
                          lista_))
        accept();
}

void Frm_Lamierino::Cmd_Esci_Click() { reject(); }
