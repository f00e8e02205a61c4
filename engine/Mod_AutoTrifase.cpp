#include "engine/Mod_AutoTrifase.h"

#include "engine/ModRoutine.h"
#include "engine/Mod_Alim.h"

void CalcolaPotenzeAutoTrif(ModuleDIC& d) {
    CalcolaPotenzeTrif(d);
    // Every secondary place of the window, whether in use or not.
    CalcolaTensioniVuoto(d, TRIF_NUM_AVV - 1);
    CalcolaCoefAuto(d);
}

void CalcoloAutoTrif(ModuleDIC& d, const DatiTrifTesti& t, IMessaggi& msg) {
    LeggiDatiAutoTrif(d, t);
    CalcolaPotenzeAutoTrif(d);
    CalcolaNucleo(d, d.PotPass, 3);
    ControllaMisureRocchettoTrif(d, msg);
    CalcolaSpireAuto(d);
    CalcolaDiametroFilo(d);
    CalcolaCorrentiAutoTrif(d);
    ScegliFiloRame(d);
    RicalcoloAvvolgimentiTrif(d, msg);
}
