#include "windows/autotrasf/Frm_AutoTrasf.h"

#include <QPushButton>

#include "engine/InputAlim.h"
#include "engine/ModRoutine.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"

Frm_AutoTrasf::Frm_AutoTrasf(ModuleDIC& dic, QWidget* parent)
    : FinestraMonofase(dic, parent, ui,
                       {true, "#####.#", "La Potenza del AutoTrasformatore è Troppo Alta",
                        "La Potenza del AutoTrasformatore è Troppo Bassa"}) {
    Descrizione k;
    k.tipo = tipo::AutoMonofase;
    k.nome = "Frm_AutoTrasf";
    k.titolo = "Calcolo di AutoTrasformatore Monofase";
    k.titoloEsci = "Calcolo di AutoTrasformatori di Alimentazione";
    k.salvaNome = "Salva con No&me";
    k.stampa = "Stam&pa";
    k.impostaStampante = "&Imposta Sampante";
    k.numAvv = NUM_AVV;
    k.numPag = NUM_PAG;
    k.collegamentiFissi = true;
    DescriviAvvolgimenti(k);
    Costruisci(k, ui);
}

void Frm_AutoTrasf::Form_Load() {
    CaricaPredefinito(&ProgettoPredefinitoAuto, 1);
    // Two windings a side are still counted here: the buttons of windings 0
    // and 1 are set, the calculation then reads the counts of the lists.
    ContolloFrame();
    PulsantiCollegamento();
    PulsantiRocchetto();
    CalcolaTrasfo();
}

void Frm_AutoTrasf::EseguiCalcolo() { CalcoloAutoTrasf(d_, DatiTesti(), Piattaforma::Messaggi()); }

void Frm_AutoTrasf::Refresh() { RefreshMonofase(d_.PotPass); }

void Frm_AutoTrasf::ControllaInputDati() {
    DatiAlimTesti t = DatiTesti();
    inputalim::OrdinaTesti(Primari(d_), t.Txt_PriVolt, {}, NUM_AVV);
    inputalim::OrdinaTesti(Secondari(d_), t.Txt_SecVolt, t.Txt_SecPot, NUM_AVV);
    inputalim::RicalcolaCorrentiSec(d_, t);
    ScriviTesti(t);
}

void Frm_AutoTrasf::PulsantiCollegamento() {
    using inputalim::ColoreCollegamento;
    auto testo = [](const char* lettera, int16_t partner) {
        return std::string(lettera) + num::IntToText(partner);
    };
    const ModuleDIC& d = d_;
    const int pri = inputalim::UltimoIndice(d.PriUlt, NUM_AVV);
    for (int i = 0; i <= pri; ++i)
        ImpostaCollegamento(ui.Cmd_PriAvv[i], {testo("C", d.PriAvvSerCon[i]), ColoreCollegamento::Ciano});

    const int sec = inputalim::UltimoIndice(d.SecUlt, NUM_AVV);
    for (int i = 0; i <= sec; ++i) {
        const bool serie = Vero(d.SecAvvSer[i]);
        if (Vero(d.SecAvvIso[i]))
            ImpostaCollegamento(ui.Cmd_SecAvv[i],
                                {testo("I", d.SecAvvSerCon[i]), ColoreCollegamento::FacciaPulsante});
        if (Vero(d.SecAvvAda[i]) && serie) {
            ImpostaCollegamento(ui.Cmd_SecAvv[i], {testo("R", d.SecAvvSerCon[i]), ColoreCollegamento::Verde});
            PresaSec(i);
        }
        if (Vero(d.SecAvvCar[i]) && serie) {
            ImpostaCollegamento(ui.Cmd_SecAvv[i], {testo("C", d.SecAvvSerCon[i]), ColoreCollegamento::Ciano});
            // The last tap has no later partner.
            ui.Cmd_SecAvv[sec]->setText(QStringLiteral("C"));
        }
    }
}

void Frm_AutoTrasf::NumeroAvvCambiato(Lato lato, int n) {
    lato.Ult = static_cast<float>(n - 1);
    VerificaPosizioneAvvolgimenti(d_);
    PulsantiRocchetto();
}

// ------------------------------------------------------------------ project files

const TestiProgetto& Frm_AutoTrasf::Testi() const {
    static const TestiProgetto testi{
        "Apri Progetto AutoTrasformatore Monofase",
        "Salva Progetto AutoTrasformatore Monofase",
        "Progetto AutoTrasformatore Monofase(*.atm)|*.atm",
        ".atm",
        "Calcolo di AutoTrasformatore Monofase",
        "AutoTrasformatore Monofase",
        "Nuovo Progetto di Calcolo AutoTrasformatore",
        "Chiusura Progetto di Calcolo AutoTrasformatore",
        "       del AutoTrasformatore Esistente ?",
    };
    return testi;
}

void Frm_AutoTrasf::RiempiDopoApertura() { RiempiMonofase(true); }
