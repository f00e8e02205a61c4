#include "windows/alim/Frm_Alim.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "engine/InputAlim.h"
#include "engine/ModRoutine.h"
#include "files/LimitiCampi.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"

namespace {

// A winding left on its own shows "I" on the button face.
const inputalim::AspettoCollegamento kIsolato{"I", inputalim::ColoreCollegamento::FacciaPulsante};

}  // namespace

Frm_Alim::Frm_Alim(ModuleDIC& dic, QWidget* parent) : FinestraProgetto(dic, parent) {
    Descrizione k;
    k.tipo = tipo::Monofase;
    k.nome = "Frm_Alim";
    k.titolo = "Calcolo di Trasformatore Monofase";
    k.aggiorna = "Aggiorna Calcolo";
    k.numAvv = NUM_AVV;
    k.numPag = NUM_PAG;
    // A secondary's voltage or power gives its current anew; its current
    // gives its power.
    auto corrente = [this](int i) {
        RicalcolaCorrente(ui.Txt_SecPot[i], ui.Txt_SecVolt[i], ui.Txt_SecAmp[i]);
    };
    auto potenza = [this](int i) {
        RicalcolaPotenza(ui.Txt_SecAmp[i], ui.Txt_SecVolt[i], ui.Txt_SecPot[i]);
    };
    k.pri.campi = {{&ui.Txt_PriVolt, "Txt_PriVolt", "Tensione (V)",
                    "Indicare la Tensione Avvolgimento Primario", 4, campialim::PriVolt, {}}};
    k.pri.risultati = {{&ui.Lbl_PriPot, "Lbl_PriPot", "Potenza (VA)"},
                       {&ui.Lbl_PriAmp, "Lbl_PriAmp", "Corrente (A)"},
                       {&ui.Lbl_PriSpire, "Lbl_PriSpire", "Spire (n°)"}};
    k.sec.campi = {{&ui.Txt_SecVolt, "Txt_SecVolt", "Tens. a Carico (V)",
                    "Indicare la Tensione Avvolgimento Secondario", 4, campialim::SecVolt, corrente},
                   {&ui.Txt_SecAmp, "Txt_SecAmp", "Corrente (A)",
                    "Indicare la Corrente Avvolgimento Secondario", 5, campialim::SecAmp, potenza},
                   {&ui.Txt_SecPot, "Txt_SecPot", "Potenza (VA)",
                    "Indicare la Potenza Avvolgimento Secondario", 4, campialim::SecPot, corrente}};
    k.sec.risultati = {{&ui.Lbl_SecVoltVuoto, "Lbl_SecVoltVuoto", "Tens. a Vuoto (V)"},
                       {&ui.Lbl_SecSpire, "Lbl_SecSpire", "Spire (n°)"}};
    Costruisci(k, ui);
}

void Frm_Alim::CostruisciPaginaLamierino(QGroupBox* p1) {
    ListeDatiGenerali(p1, 90);
    const int kAlt = 255;
    ui.Label2 = Didascalia(p1, "Label2", Qs("Coeff. di Dimensionamento K"), 90, RigaLam(3), 2560, kAlt);
    ui.Label14 = Didascalia(p1, "Label14", Qs("n°"), 1200, RigaLam(4), 400, kAlt,
                            Qt::AlignRight | Qt::AlignVCenter);
    ui.Cmb_CoefK = Lista(p1, "Cmb_CoefK", 1650, RigaLam(4), 1000, kAlt);
    ui.Label15 = Didascalia(p1, "Label15", Qs("Coeff. di Dimensionamento K"), 90, RigaLam(5), 2560, kAlt);
    ui.Label66 = Didascalia(p1, "Label66", Qs("n°"), 1200, RigaLam(6), 400, kAlt,
                            Qt::AlignRight | Qt::AlignVCenter);
    ui.Lbl_CoefK = Risultato(p1, "Lbl_CoefK", Qs("Coefficiente di Dimensionamento K calcolato (n°)"),
                             1650, RigaLam(6), 1000, kAlt);

    ColonnaRisultati(p1, 2800, 1950, 4750, 1000, 0,
                     {{&ui.Lbl_SecPotTot, "Lbl_SecPotTot", "Pot. Secondaria (VA)"},
                      {&ui.Lbl_PriPotTot, "Lbl_PriPotTot", "Pot. Primaria (VA)"},
                      {&ui.Lbl_Rendimento, "Lbl_Rendimento", "Rendimento (%)"},
                      {&ui.Lbl_CadutaVolt, "Lbl_CadutaVolt", "Caduta Tensione (%)"},
                      {&ui.Lbl_FEMI, "Lbl_FEMI", "Volt per Spira (V)"}});
    RiquadroConosco(p1, 2800, RigaLam(5));
    ColonnaLamierino(p1, 5900);
    ColonnaPerdite(p1, 8900);
}

// ------------------------------------------------------------------ procedures

void Frm_Alim::EseguiCalcolo() { CalcoloAlim(d_, DatiTesti(), Piattaforma::Messaggi()); }

void Frm_Alim::RicalcoloAvvolgimenti() {
    RicalcoloAvvolgimentiAlim(d_, Piattaforma::Messaggi());
    Refresh();
}

void Frm_Alim::DopoCollegamento(Lato lato, int i) {
    if (lato.Primario) return;
    const inputalim::EsitoPresa e = inputalim::PotenzaPresaSec(d_, i);
    if (e.corrente) ui.Txt_SecAmp[i]->ImpostaTestoU8(num::Format(d_.SecAmp[i], "##0.0"));
    if (e.potenza) ui.Txt_SecPot[i]->ImpostaTestoU8(num::Format(d_.SecPot[i], "##0.0"));
}

void Frm_Alim::ControllaInputDati() {
    DatiAlimTesti t = DatiTesti();
    const inputalim::EsitoOrdinamento e = inputalim::OrdinaAvvolgimenti(d_, t);
    inputalim::RicalcolaCorrentiSec(d_, t);

    auto scrivi = [](CampoNumerico* c, const std::string& s) {
        if (c->TestoU8() != s) c->ImpostaTestoU8(s);
    };
    for (int i = 0; i < NUM_AVV; ++i) {
        scrivi(ui.Txt_PriVolt[i], t.Txt_PriVolt[i]);
        scrivi(ui.Txt_SecVolt[i], t.Txt_SecVolt[i]);
        scrivi(ui.Txt_SecAmp[i], t.Txt_SecAmp[i]);
        scrivi(ui.Txt_SecPot[i], t.Txt_SecPot[i]);
    }

    const struct {
        Lato lato;
        const inputalim::Indici& isolati;
        bool scambio;
    } lati[] = {{Primari(d_), e.priIsolati, e.scambioPri}, {Secondari(d_), e.secIsolati, e.scambioSec}};
    for (const auto& l : lati) {
        auto& cmd = LatoUi(l.lato).Cmd_Avv;
        for (int i = 0; i < NUM_AVV; ++i)
            if (l.isolati[i]) ImpostaCollegamento(cmd[i], kIsolato);
        // After an exchange the last winding's button is off: it can have no later partner.
        const int ult = l.lato.Ultimo(NUM_AVV);
        if (l.scambio && ult >= 0) cmd[ult]->setEnabled(false);
    }
    PulsantiRocchetto();
}

void Frm_Alim::PulsantiCollegamento() {
    for (const LatoC& l : {LatoC(Primari(d_)), LatoC(Secondari(d_))}) {
        auto& cmd = LatoUi(l).Cmd_Avv;
        for (int i = 0; i <= l.Ultimo(NUM_AVV); ++i)
            if (const auto a = inputalim::Collegamento(l, i)) ImpostaCollegamento(cmd[i], *a);
    }
}

void Frm_Alim::NumeroAvvCambiato(Lato lato, int n) {
    const inputalim::Indici isolati = inputalim::CambiaNumeroAvv(lato, n, NUM_AVV);
    auto& cmd = LatoUi(lato).Cmd_Avv;
    for (int i = 0; i < NUM_AVV; ++i)
        if (isolati[i]) ImpostaCollegamento(cmd[i], kIsolato);
    VerificaPosizioneAvvolgimenti(d_);
    PulsantiRocchetto();
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
