// The project file menu's texts and the refill after an open.
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

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
        tipo::Monofase,
        NUM_AVV,
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
    // The iron-loss field shows the figure the design now holds, so the next
    // calculation uses what the user sees.
    ui.Txt_LamCdP->ImpostaTestoU8(num::SngToText(d.LamCdP));

    ScegliVoce(ui.Cmb_PriNumAvv, Qs(num::SngToText(num::Sng(d.PriUlt + 1.0))));
    ScegliVoce(ui.Cmb_SecNumAvv, Qs(num::SngToText(num::Sng(d.SecUlt + 1.0))));
    ScegliVoce(ui.Cmb_Frequenza, Qs(num::Format(d.Frequenza, "00")));
    ScegliVoce(ui.Cmb_Induzione, Qs(num::Format(d.Induzione, "0.0")));
    ScegliVoce(ui.Cmb_Densita, Qs(num::Format(d.Densita, "0.0")));

    // An option that changes runs its click handler, which enables its controls.
    if (d.ConoscoPotenza) {
        ui.Cmd_Lamierino->setEnabled(false);
        if (!ui.Opt_Pot->isChecked()) {
            ui.Opt_Pot->setChecked(true);
            Opt_Pot_Click();
        }
        // The list holds the coefficients of the lamination in use before the
        // open; a stored coefficient it lacks leaves it as it is.
        ScegliVoce(ui.Cmb_CoefK, Qs(num::Format(d.CoefK, "0.0")));
    } else {
        ui.Cmd_Lamierino->setEnabled(true);
        if (!ui.Opt_Lam->isChecked()) {
            ui.Opt_Lam->setChecked(true);
            Opt_Lam_Click();
        }
    }

    ContolloFrame();
    PulsantiCollegamento();
    PulsantiRocchetto();
    Refresh();
}
