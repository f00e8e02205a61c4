// The single-phase window's load: default libraries, default design, lists,
// pages and the first calculation.
#include <QComboBox>
#include <QRadioButton>

#include "engine/Mod_Alim.h"
#include "files/LimitiCampi.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

void Frm_Alim::Form_Load() {
    ModuleDIC& d = d_;

    Dimensiona(this, 12300, 9500);
    ImpostaTestoStato(this, Qs("Inserire i Parametri Desiderati, per ottenere il Calcolo del Trasformatore"));
    ProgettoPredefinito(d);
    CaricaLibrerie();

    for (int i = 0; i < NUM_AVV; ++i) {
        ui.Txt_PriVolt[i]->ImpostaTestoU8(num::SngToText(d.PriVolt[i]));
        ui.Txt_SecVolt[i]->ImpostaTestoU8(num::SngToText(d.SecVolt[i]));
        ui.Txt_SecPot[i]->ImpostaTestoU8(num::SngToText(d.SecPot[i]));
        ui.Txt_SecAmp[i]->ImpostaTestoU8(num::SngToText(d.SecAmp[i]));
    }
    ui.Txt_LamCdP->ImpostaTestoU8(num::SngToText(d.LamCdP));

    Riempi(ui.Cmb_Induzione, campialim::Induzione);
    Riempi(ui.Cmb_Frequenza, campialim::Frequenza);
    Riempi(ui.Cmb_Densita, campialim::Densita);
    const ListaNumerica conteggio{1, 1, NUM_AVV, "0", 0};
    Riempi(ui.Cmb_PriNumAvv, conteggio);
    Riempi(ui.Cmb_SecNumAvv, conteggio);

    // The page frames already lie on their strips' client areas.
    TabStrip1_Click();
    TabStrip2_Click();
    TabStrip3_Click();

    // The option on screen follows the power-given mode set above, also when
    // a new project resets the design after the user chose the lamination.
    ui.Opt_Pot->setChecked(true);
    Opt_Pot_Click();

    ContolloFrame();
    PulsantiCollegamento();
    PulsantiRocchetto();
    CalcolaTrasfo();
}
