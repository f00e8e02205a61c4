// The project file menu's texts and the refill after an open.
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

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

void Frm_Alim::RiempiDopoApertura() {
    const ModuleDIC& d = d_;
    // Every winding, in use or not, in full precision.
    for (int i = 0; i < NUM_AVV; ++i) {
        ui.Txt_PriVolt[i]->ImpostaTestoU8(num::SngToText(d.PriVolt[i]));
        ui.Txt_SecVolt[i]->ImpostaTestoU8(num::SngToText(d.SecVolt[i]));
        ui.Txt_SecAmp[i]->ImpostaTestoU8(num::SngToText(d.SecAmp[i]));
        ui.Txt_SecPot[i]->ImpostaTestoU8(num::SngToText(d.SecPot[i]));
    }
    RiempiDatiGenerali();

    ContolloFrame();
    PulsantiCollegamento();
    PulsantiRocchetto();
    Refresh();
}
