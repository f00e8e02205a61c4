#include "windows/autotrasf/Frm_AutoTrasf.h"

#include "engine/InputAlim.h"
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
    // The lists offer one winding a side, while the default design still
    // counts two: the buttons of windings 0 and 1 are set, the calculation
    // then reads the counts of the lists.
    CaricaPredefinito(&ProgettoPredefinitoAuto, 1);
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

void Frm_AutoTrasf::PulsantiCollegamento() { PulsantiPrese(d_.PriAvvSerCon, ui.Txt_SecAmp, ui.Txt_SecPot); }

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
