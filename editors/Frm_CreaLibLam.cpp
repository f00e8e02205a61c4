#include "editors/Frm_CreaLibLam.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "editors/GrigliaEditor.h"
#include "engine/ModuleDIC.h"
#include "files/CalcoloLibrerie.h"
#include "files/LibLam.h"
#include "files/LimitiCampi.h"
#include "platform/ui/Ui.h"

namespace {

const DescrizioneEditor kDescrizione = {
    "Frm_CreaLibLam",
    "Crea Libreria Lamierini Ferromagnetici",
    "Apri Libreria Lamierini",
    "Salva Libreria Lamierini",
    "Libreria Lamierini(*.lam)|*.lam",
    ".lam",
    LIBLAM_LUNG_REC,
    LIBLAM_NUM_REC,
    VerificaRecLibLam,
    "Cmd_Calcola",
    "Calcola Lamierino",
    "Lbl_LibLam",
    "Nome Libreria Lamierini",
    120,
    6060,
    12540,
};

// ---- layout, in twips: the table on the left, the kind on the right.
constexpr int kXDestra = 8460, kWDestra = 4200;
constexpr int kColonnaC = 1 + CELLA_C;  // grid column of Txt_C (column 0 is the area)

// The text cells of a row, in the order of CellaLam.
struct CellaColonna {
    const char* nome;
    const char* suggerimento;
    int larghezza;
};
constexpr CellaColonna kCelle[CELLE_LAM] = {
    {"Txt_A", "Misura in mm di A del Lamierino", 690},
    {"Txt_B", "Misura in mm di B del Lamierino", 690},
    {"Txt_C", "Misura in mm di C del Lamierino", 690},
    {"Txt_D", "Misura in mm di D del Lamierino", 690},
    {"Txt_E", "Misura in mm di E del Lamierino", 690},
    {"Txt_F", "Misura in mm di F del Lamierino", 690},
    {"Txt_G", "Misura in mm di G del Lamierino", 690},
    {"Txt_EI", "Nome Formato Tipo Lamierino", 1230},
    {"Txt_PesoLam", "Peso in Kg di 10mm di Lamierini", 900},
};

}  // namespace

Frm_CreaLibLam::Frm_CreaLibLam(ModuleDIC& d, QWidget* parent) : EditorLibreria(d, kDescrizione, parent) {
    CostruisciTabella();
    CostruisciTipi();
    Dimensiona(this, 12780, 7680);
    setFixedSize(size());
}

void Frm_CreaLibLam::CostruisciTabella() {
    ui.Frame1 = Riquadro(centralWidget(), QStringLiteral("Frame1"), {}, 120, 60, 8160, 5900);

    std::vector<ColonnaGriglia> colonne;
    ColonnaGriglia area;
    area.nome = "Lbl_AxB";
    area.titolo = Qs(TITOLO_AREA_LAM);
    area.suggerimentoCella = QStringLiteral("Area AxB del Lamierino");
    area.testo = [this](int r) -> std::string& { return g_.righe[static_cast<size_t>(r)].Lbl_AxB; };
    colonne.push_back(area);
    for (int c = 0; c < CELLE_LAM; ++c) {
        const CellaColonna& k = kCelle[c];
        ColonnaGriglia col;
        col.nome = k.nome;
        col.titolo = Qs(TITOLI_CELLE_LAM[static_cast<size_t>(c)]);
        col.suggerimentoCella = Qs(k.suggerimento);
        if (c == CELLA_PESO) col.suggerimentoTitolo = col.suggerimentoCella;
        col.larghezza = k.larghezza;
        col.limite = CARATTERI_CELLE_LAM[static_cast<size_t>(c)];
        col.tipo = c == CELLA_EI ? CampoNumerico::Tipo::Nome : CampoNumerico::Tipo::Numero;
        col.limiti = LIMITI_CELLE_LAM[static_cast<size_t>(c)];
        col.testo = [this, c](int r) -> std::string& { return g_.righe[static_cast<size_t>(r)].Testo(c); };
        col.gialla = [this, c](int r) { return &g_.righe[static_cast<size_t>(r)].gialla[static_cast<size_t>(c)]; };
        colonne.push_back(std::move(col));
    }
    auto* m = new ModelloGriglia(std::move(colonne), 0, LAM_GRIGLIA_RIGHE);
    ui.Griglia = new VistaGriglia(m, QStringLiteral("Griglia"), ui.Frame1, 120, 240);
    RegistraVista(ui.Griglia);
}

void Frm_CreaLibLam::CostruisciTipi() {
    QWidget* centro = centralWidget();
    immagini_ = std::make_unique<ImmaginiLamierino>(centro, kXDestra, 120, kWDestra, 2700);
    ui.Image = immagini_->Image;

    ui.Frame2 = Riquadro(centro, QStringLiteral("Frame2"), QStringLiteral("Formato Lamierino"), kXDestra, 2940,
                         kWDestra, 2160);
    for (int k = 0; k < NUM_TIPI; ++k) {
        QRadioButton* o = Opzione(ui.Frame2, NomeIndice("Opt_TipoLam", k),
                                  Qs(TIPI_LAMIERINO[static_cast<size_t>(k)].didascalia), {}, 180, 300 + k * 300,
                                  kWDestra - 300, 285);
        connect(o, &QRadioButton::clicked, this, [this, k] { Opt_TipoLam_Click(k); });
        ui.Opt_TipoLam[static_cast<size_t>(k)] = o;
    }

    ui.Check1 = new QCheckBox(QStringLiteral("Tabella con Misure Standard Calcolate in modo proporzionale"), centro);
    ui.Check1->setObjectName(QStringLiteral("Check1"));
    Posiziona(ui.Check1, kXDestra, 5280, kWDestra, 360);
    AdattaCarattere(ui.Check1, ui.Check1->text() + QStringLiteral("MMM"));  // room for the box
    connect(ui.Check1, &QCheckBox::clicked, this, [this] { AggiornaCaselle(); });
}

void Frm_CreaLibLam::Mostra() {
    ui.Griglia->Modello()->Aggiorna();
    ui.Frame1->setTitle(QStringLiteral("Lamierino Tipo: ") + Qs(d_.LamTipoDescr));
    if (g_.opzione >= 0 && g_.opzione < NUM_TIPI) ui.Opt_TipoLam[static_cast<size_t>(g_.opzione)]->setChecked(true);
    immagini_->Mostra(d_);
}

void Frm_CreaLibLam::ApriInput(bool aperti) {
    if (aperti)
        AggiornaCaselle();
    else
        ui.Griglia->Modello()->ImpostaTutteAperte(false);
    ui.Frame2->setEnabled(aperti);
    ui.Check1->setEnabled(aperti);
    cmd.Calcola->setEnabled(aperti);
}

void Frm_CreaLibLam::Form_Load() {
    // The kind description, the library's name and path and Rec keep what they hold.
    g_ = GrigliaLam{};
    for (int i = 0; i < LAM_GRIGLIA_RIGHE; ++i) SvuotaRigaLam(d_, g_, i);
    d_.NumElementi = 0;
    ui.Check1->setChecked(false);
    Opt_TipoLam_Click(0);
    AggiornaTabellaLamierini();
    ApriInput(false);
    AbilitaSalva(false);
}

void Frm_CreaLibLam::AggiornaTabellaLamierini() {
    ::AggiornaTabellaLamierini(d_, g_);
    Mostra();
}

void Frm_CreaLibLam::AggiornaCaselle() {
    g_.proporzionale = ui.Check1->isChecked();
    ModelloGriglia* m = ui.Griglia->Modello();
    for (int c = 1; c < m->columnCount(); ++c) m->ImpostaAperta(c, !g_.proporzionale || c == kColonnaC);
}

void Frm_CreaLibLam::Opt_TipoLam_Click(int indice) {
    // Only the kind changes: the cells keep what was typed until the next computation.
    OpzioneTipoLam(d_, indice);
    g_.opzione = indice;
    ui.Opt_TipoLam[static_cast<size_t>(indice)]->setChecked(true);
    immagini_->Mostra(d_);
}

bool Frm_CreaLibLam::Cmd_Calcola_Click() {
    const bool impacchettata = CalcolaLamierini(d_, g_, Piattaforma::Messaggi());
    Mostra();
    ApriInput(false);
    AbilitaSalva(impacchettata);
    return impacchettata;
}

bool Frm_CreaLibLam::ApriFile() {
    if (!ApriLibreriaLamEditor(d_, g_, Piattaforma::Messaggi())) return false;
    cmd.Libreria->setText(Qs(d_.NomeLibLam));
    Mostra();
    return true;
}

bool Frm_CreaLibLam::NomeNoto() const { return !d_.NomeLibLam.empty(); }

void Frm_CreaLibLam::DopoSalvaNome(const std::string& titolo) {
    d_.NomeLibLam = titolo;
    cmd.Libreria->setText(Qs(titolo));
}
