// The single-phase window's load: default libraries, default design, lists,
// pages and the first calculation.
#include <QComboBox>
#include <QRadioButton>

#include "files/LimitiCampi.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

void Frm_Alim::Form_Load() {
    ModuleDIC& d = d_;

    Dimensiona(this, 12300, 9500);
    ImpostaTestoStato(this, Qs("Inserire i Parametri Desiderati, per ottenere il Calcolo del Trasformatore"));
    d.TipoCalcolo = Tipo();
    // A new design belongs to no file: a later save asks for a name.
    d.FileNome.clear();
    d.FileTitolo.clear();
    CaricaLibrerie();

    d.PriUlt = 1;
    d.SecUlt = 1;
    for (int i = 0; i < NUM_AVV; ++i) {
        d.PriVolt[i] = static_cast<float>(220 - i);
        d.SecVolt[i] = static_cast<float>(150 - i);
        d.SecPot[i] = static_cast<float>(300 - i);
        d.SecAmp[i] = num::Sng(static_cast<double>(d.SecPot[i]) / d.SecVolt[i]);
        ui.Txt_PriVolt[i]->ImpostaTestoU8(num::SngToText(d.PriVolt[i]));
        ui.Txt_SecVolt[i]->ImpostaTestoU8(num::SngToText(d.SecVolt[i]));
        ui.Txt_SecPot[i]->ImpostaTestoU8(num::SngToText(d.SecPot[i]));
        ui.Txt_SecAmp[i]->ImpostaTestoU8(num::SngToText(d.SecAmp[i]));
    }
    d.LamCdP = 1.5f;
    ui.Txt_LamCdP->ImpostaTestoU8(num::SngToText(d.LamCdP));

    Riempi(ui.Cmb_Induzione, campialim::Induzione);
    Riempi(ui.Cmb_Frequenza, campialim::Frequenza);
    Riempi(ui.Cmb_Densita, campialim::Densita);
    const ListaNumerica conteggio{1, 1, NUM_AVV, "0", 0};
    Riempi(ui.Cmb_PriNumAvv, conteggio);
    Riempi(ui.Cmb_SecNumAvv, conteggio);

    d.ConoscoPotenza = VERO;
    d.RochScelto = 0;
    d.RochDue = 0;
    d.RochGole1 = 0;
    d.RochGole2 = 0;
    for (int i = 0; i < NUM_AVV; ++i) {
        d.PriRoch1[i] = d.SecRoch1[i] = VERO;
        d.PriRoch2[i] = d.SecRoch2[i] = FALSO;
        d.PriGolaH[i] = d.SecGolaH[i] = VERO;
        d.PriGolaI[i] = d.SecGolaI[i] = FALSO;
        d.PriGolaL[i] = d.SecGolaL[i] = FALSO;
    }

    // The page frames already lie on their strips' client areas.
    TabStrip1_Click();
    TabStrip2_Click();
    TabStrip3_Click();

    for (int i = 0; i < NUM_AVV; ++i) {
        d.PriAvvIso[i] = VERO;
        d.PriAvvSer[i] = FALSO;
        d.PriAvvAda[i] = FALSO;
        d.PriAvvSerCon[i] = 1;
        d.SecAvvIso[i] = VERO;
        d.SecAvvSer[i] = FALSO;
        d.SecAvvAda[i] = FALSO;
        d.SecAvvCar[i] = FALSO;
        d.SecAvvSerCon[i] = 1;
    }

    // The option on screen follows the power-given mode set above, also when
    // a new project resets the design after the user chose the lamination.
    ui.Opt_Pot->setChecked(true);
    Opt_Pot_Click();

    ContolloFrame();
    PulsantiCollegamento();
    PulsantiRocchetto();
    CalcolaTrasfo();
}
