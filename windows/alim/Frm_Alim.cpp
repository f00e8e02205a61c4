#include "windows/alim/Frm_Alim.h"

#include "engine/InputAlim.h"
#include "platform/ui/Ui.h"

Frm_Alim::Frm_Alim(ModuleDIC& dic, QWidget* parent)
    : FinestraMonofase(dic, parent, ui,
                       {false, "#####.0", "La Potenza del Trasformatore è Troppo Alta",
                        "La Potenza del Trasformatore è Troppo Bassa"}) {
    Descrizione k;
    k.tipo = tipo::Monofase;
    k.nome = "Frm_Alim";
    k.titolo = "Calcolo di Trasformatore Monofase";
    k.numAvv = NUM_AVV;
    k.numPag = NUM_PAG;
    k.menuAiuto = "Help";
    DescriviAvvolgimenti(k);
    Costruisci(k, ui);
}

// ------------------------------------------------------------------ procedures

void Frm_Alim::Form_Load() { CaricaPredefinito(&ProgettoPredefinito, NUM_AVV); }

void Frm_Alim::Refresh() { RefreshMonofase(d_.SecPotTot); }

void Frm_Alim::EseguiCalcolo() { CalcoloAlim(d_, DatiTesti(), Piattaforma::Messaggi()); }

void Frm_Alim::DopoCollegamento(Lato lato, int i) {
    // The button shows the new connection.
    MostraCollegamento(lato, i);
    if (!lato.Primario) PresaSec(i);
}

void Frm_Alim::ControllaInputDati() {
    DatiAlimTesti t = DatiTesti();
    const inputalim::EsitoOrdinamento e = inputalim::OrdinaAvvolgimenti(d_, t);
    inputalim::RicalcolaCorrentiSec(d_, t);
    ScriviTesti(t);

    MostraIsolati(Primari(d_), e.priIsolati, e.scambioPri);
    MostraIsolati(Secondari(d_), e.secIsolati, e.scambioSec);
    PulsantiRocchetto();
}

// ------------------------------------------------------------------ project files

const TestiProgetto& Frm_Alim::Testi() const {
    static const TestiProgetto testi{
        "Apri Progetto Trasformatore Monofase",
        "Salva Progetto Trasformatore Monofase",
        "Progetto Trasformatore Monofase(*.tmf)|*.tmf",
        ".tmf",
        "Calcolo di Trasformatore Monofase",
        "Trasformatore Monofase",
        "Nuovo Progetto di Calcolo Trasformatore",
        "Chiusura Progetto di Calcolo Trasformatore",
        "       del Trasformatore Esistente ?",
    };
    return testi;
}

void Frm_Alim::RiempiDopoApertura() { RiempiMonofase(false); }
