// The results of the single-phase window: its own figures besides those
// every design window shows, and the range warnings on the secondary power.
#include <QLabel>

#include "engine/InputAlim.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

namespace {

void Scrivi(QLabel* l, float v, const char* maschera) { l->setText(Qs(num::Format(v, maschera))); }

}  // namespace

void Frm_Alim::Refresh() {
    const ModuleDIC& d = d_;
    Scrivi(ui.Lbl_SecPotTot, d.SecPotTot, "0.0");
    Scrivi(ui.Lbl_Rendimento, d.Rendimento, "0.0");
    Scrivi(ui.Lbl_PriPotTot, d.PriPotTot, "0.0");
    Scrivi(ui.Lbl_CadutaVolt, d.CadutaVolt, "0.0");
    Scrivi(ui.Lbl_CoefK, d.CoefK, "0.0#");
    Scrivi(ui.Lbl_FEMI, d.FEMI, "##0.000");
    RefreshComune();

    // Windings in use only: the hidden ones keep what they last showed.
    const int priUlt = inputalim::UltimoIndice(d.PriUlt);
    const int secUlt = inputalim::UltimoIndice(d.SecUlt);
    for (int i = 0; i <= priUlt; ++i) {
        Scrivi(ui.Lbl_PriPot[i], d.PriPotTot, "0.0");   // each primary carries the whole power
        Scrivi(ui.Lbl_PriAmp[i], d.PriAmp[i], "##0.###");
        Scrivi(ui.Lbl_PriSpire[i], d.PriSpire[i], "#####0");
    }
    for (int i = 0; i <= secUlt; ++i) {
        Scrivi(ui.Lbl_SecVoltVuoto[i], d.SecVoltVuoto[i], "#####.0");
        Scrivi(ui.Lbl_SecSpire[i], d.SecSpire[i], "#####0");
    }
    AvvisiLimiti(d.SecPotTot, "La Potenza del Trasformatore è Troppo Alta",
                 "La Potenza del Trasformatore è Troppo Bassa");
}
