#include "editors/Frm_CreaLibRame.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "editors/GrigliaEditor.h"
#include "engine/ModuleDIC.h"
#include "files/CalcoloLibrerie.h"
#include "files/LibRame.h"
#include "files/LimitiCampi.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"

namespace {

const DescrizioneEditor kDescrizione = {
    "Frm_CreaLibRame",
    "Crea Libreria Filo Rame Smaltato",
    "Apri Libreria Filo Rame Smaltato",
    "Salva Libreria Filo Rame Smaltato",
    "Libreria Filo Rame Smaltato(*.wir)|*.wir",
    ".wir",
    LIBRAME_LUNG_REC,
    LIBRAME_NUM_REC,
    VerificaRecLibRame,
    "Cmd_FiloRame",
    "Calcola Filo",
    "Lbl_LibRam",
    "Nome Libreria Filo Rame Smaltato",
    120,
    6400,
    8500,
};

constexpr int kRigheMezza = 19;  // rows in each half of the table
constexpr int kDiametroLimite = 5;

// The three library coefficients: field, caption, key limit, range, tooltip.
struct Coefficiente {
    CampoNumerico* Frm_CreaLibRame::Controlli::*campo;
    const char* nome;
    const char* didascalia;
    int limite;
    CampoNumerico::Limiti limiti;
    const char* suggerimento;
    std::string GrigliaRame::*testo;
    bool GrigliaRame::*gialla;
};
const Coefficiente kCoefficienti[3] = {
    {&Frm_CreaLibRame::Controlli::Txt_CoefKf, "Txt_CoefKf", DIDASCALIE_COEF_RAME[0], 5, {LIMITE_KF_RAME},
     "da 1,00 a 2,00 ", &GrigliaRame::Txt_CoefKf, &GrigliaRame::giallaKf},
    {&Frm_CreaLibRame::Controlli::Txt_Ohm_m, "Txt_Ohm_m", DIDASCALIE_COEF_RAME[1], 6, {LIMITE_OHM_RAME}, "da 0,001 a 2,00 ",
     &GrigliaRame::Txt_Ohm_m, &GrigliaRame::giallaOhm},
    {&Frm_CreaLibRame::Controlli::Txt_PesSpeRam, "Txt_PesSpeRam", DIDASCALIE_COEF_RAME[2], 5,
     {LIMITE_PESSPE_RAME}, "da 3,00 a 15,0 ", &GrigliaRame::Txt_PesSpeRam, &GrigliaRame::giallaPesSpe},
};

}  // namespace

Frm_CreaLibRame::Frm_CreaLibRame(ModuleDIC& d, QWidget* parent) : EditorLibreria(d, kDescrizione, parent) {
    CostruisciTabella();
    CostruisciCoefficienti();
    Dimensiona(this, 13700, 8010);
    setFixedSize(size());
}

void Frm_CreaLibRame::CostruisciTabella() {
    ui.Frame1 = Riquadro(centralWidget(), QStringLiteral("Frame1"), QStringLiteral("Tabella dei Fili di Rame Smaltato"),
                         120, 60, 13460, 6220);

    const QString diametro = QStringLiteral("da 0,001 a 100 ");
    const auto testo = [](std::array<std::string, RAME_GRIGLIA_RIGHE>& a) {
        return [&a](int r) -> std::string& { return a[static_cast<size_t>(r)]; };
    };
    const auto gialla = [](std::array<bool, RAME_GRIGLIA_RIGHE>& a) {
        return [&a](int r) { return &a[static_cast<size_t>(r)]; };
    };
    const auto etichetta = [&](const char* nome, const char* titolo, const char* suggerimento, int larghezza,
                               std::array<std::string, RAME_GRIGLIA_RIGHE>& a) {
        ColonnaGriglia c;
        c.nome = nome;
        c.titolo = Qs(titolo);
        c.suggerimentoTitolo = Qs(suggerimento);
        c.larghezza = larghezza;
        c.testo = testo(a);
        return c;
    };
    const auto diametri = [&](const char* nome, const char* titolo, const char* suggerimento,
                              std::array<std::string, RAME_GRIGLIA_RIGHE>& a,
                              std::array<bool, RAME_GRIGLIA_RIGHE>& m) {
        ColonnaGriglia c = etichetta(nome, titolo, suggerimento, 870, a);
        c.suggerimentoCella = diametro;
        c.limite = kDiametroLimite;
        c.limiti = LIMITE_DIAMETRO_FILO;
        c.gialla = gialla(m);
        return c;
    };
    const std::vector<ColonnaGriglia> colonne = {
        diametri("Txt_FiloNudo", TITOLI_COLONNE_RAME[0], "Diametro Filo Nudo in millimetri", g_.Txt_FiloNudo, g_.giallaNudo),
        diametri("Txt_FiloIsolato", TITOLI_COLONNE_RAME[1], "Diametro Filo Smaltato in millimetri", g_.Txt_FiloIsolato,
                 g_.giallaIsolato),
        etichetta("Lbl_SezioneFilo", TITOLI_COLONNE_RAME[2], "Sezione Filo Nudo in millimetri quadrati", 1000,
                  g_.Lbl_SezioneFilo),
        etichetta("Lbl_SpireCM", TITOLI_COLONNE_RAME[3], "Numero Spire per centimetro", 900, g_.Lbl_SpireCM),
        etichetta("Lbl_CoefKf", TITOLI_COLONNE_RAME[4], "Coefficiente di Riempimento", 750, g_.Lbl_CoefKf),
        etichetta("Lbl_Resistenza", TITOLI_COLONNE_RAME[5], "Resistenza Elettrica a 20\u00b0C di un metro di Filo", 1005,
                  g_.Lbl_Resistenza),
        etichetta("Lbl_PesoFilo", TITOLI_COLONNE_RAME[6], "Peso in grammi di un metro di Filo", 900, g_.Lbl_PesoFilo),
    };
    for (int meta = 0; meta < 2; ++meta) {
        auto* m = new ModelloGriglia(colonne, meta * kRigheMezza, kRigheMezza);
        ui.Griglia[meta] = new VistaGriglia(m, NomeIndice("Griglia", meta), ui.Frame1, 150 + meta * 6800, 300);
        RegistraVista(ui.Griglia[meta]);
    }
}

void Frm_CreaLibRame::CostruisciCoefficienti() {
    int alto = 6400;
    for (const Coefficiente& k : kCoefficienti) {
        CampoNumerico* campo =
            Campo(centralWidget(), QString::fromLatin1(k.nome), k.limite, Qs(k.suggerimento), 8760, alto, 900, 315);
        campo->ImpostaLimiti(k.limiti);
        Etichetta(centralWidget(), QStringLiteral("Lbl_") + QString::fromLatin1(k.nome), Qs(k.didascalia), 9780,
                  alto + 30, 3800, 255);
        // Leaving the field only colours it: the computation checks the values itself.
        campo->ImpostaControllo([this, campo, &k] {
            campo->Verifica();
            g_.*k.testo = campo->TestoU8();
            g_.*k.gialla = campo->Giallo();
        });
        ui.*k.campo = campo;
        alto += 405;
    }
}

void Frm_CreaLibRame::Mostra() {
    for (VistaGriglia* v : ui.Griglia) v->Modello()->Aggiorna();
    for (const Coefficiente& k : kCoefficienti) {
        (ui.*k.campo)->ImpostaTestoU8(g_.*k.testo);
        (ui.*k.campo)->SetGiallo(g_.*k.gialla);
    }
}

void Frm_CreaLibRame::LeggiCoefficienti() {
    for (const Coefficiente& k : kCoefficienti) g_.*k.testo = (ui.*k.campo)->TestoU8();
}

void Frm_CreaLibRame::ApriInput(bool aperti) {
    for (VistaGriglia* v : ui.Griglia) v->Modello()->ImpostaTutteAperte(aperti);
    for (const Coefficiente& k : kCoefficienti) (ui.*k.campo)->setEnabled(aperti);
    cmd.Calcola->setEnabled(aperti);
}

void Frm_CreaLibRame::Form_Load() {
    // The wire table, NumElementi, the paths and Rec keep what they hold.
    ModuleDIC& d = d_;
    g_ = GrigliaRame{};
    d.KfRame[0][0] = *num::TextToSng(KF_RAME_STANDARD);
    d.OhmRame[0][0] = *num::TextToSng(OHM_RAME_STANDARD);
    d.PesSpeRame[0][0] = *num::TextToSng(PESSPE_RAME_STANDARD);
    g_.Txt_CoefKf = num::SngToText(d.KfRame[0][0]);
    g_.Txt_Ohm_m = num::SngToText(d.OhmRame[0][0]);
    g_.Txt_PesSpeRam = num::SngToText(d.PesSpeRame[0][0]);
    Mostra();
    ApriInput(false);
    AbilitaSalva(false);
}

void Frm_CreaLibRame::Cmd_FiloRame_Click() {
    LeggiCoefficienti();
    const EsitoCalcoloRame esito = CalcolaLibreriaRame(d_, g_, Piattaforma::Messaggi());
    Mostra();
    if (esito == EsitoCalcoloRame::MancaCoefficiente) AbilitaSalva(false);
    if (esito != EsitoCalcoloRame::Calcolata) return;
    ApriInput(false);
    AbilitaSalva(true);
    cmd.Libreria->setText(Qs(d_.UltimaLibRame));
}

bool Frm_CreaLibRame::ApriFile() {
    const EsitoApriRame esito = ApriLibreriaRameEditor(d_, g_, Piattaforma::Messaggi());
    if (esito == EsitoApriRame::NonLetta) return false;
    cmd.Libreria->setText(Qs(d_.FileLibreria));
    Mostra();
    if (esito == EsitoApriRame::Vecchia)
        Piattaforma::Messaggi().MsgBox(MSG_LIBRAME_VECCHIA_EDITOR, mb::Exclamation, TITOLO_LIBRAME_VECCHIA);
    return true;
}

bool Frm_CreaLibRame::NomeNoto() const { return !d_.UltimaLibRame.empty(); }

void Frm_CreaLibRame::DopoSalvaNome(const std::string& titolo) {
    d_.UltimaLibRame = titolo;
    cmd.Libreria->setText(Qs(titolo));
}
