#include "engine/Mod_AutoTrifase.h"

#include "engine/Mod_Calcolo.h"

void CalcolaPotenzeAutoTrif(ModuleDIC& d) {
    CalcolaPotenzeTrif(d);
    // Every secondary place of the window, whether in use or not.
    CalcolaTensioniVuoto(d, TRIF_NUM_AVV - 1);
    CalcolaCoefAuto(d);
}

void CalcoloAutoTrif(ModuleDIC& d, const DatiTrifTesti& t, IMessaggi& msg) {
    LeggiDatiAutoTrif(d, t);
    CalcolaPotenzeAutoTrif(d);
    CompletaCalcolo(d, PassiAuto(true), msg);
}
