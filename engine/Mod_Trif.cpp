#include "engine/Mod_Trif.h"

#include "engine/ModRoutine.h"
#include "engine/Mod_Alim.h"
#include "engine/Mod_Calcolo.h"

void LeggiLineePri(ModuleDIC& d, const DatiTrifTesti& t) {
    const int pri = UltimoAvvolgimento(d.PriUlt, TRIF_NUM_AVV - 1);
    for (int i = 0; i <= pri; ++i) Leggi(d.PriVoltLin[i], t.Txt_PriVoltLin[i]);
}

void LeggiLineeSec(ModuleDIC& d, const DatiTrifTesti& t) {
    const int sec = UltimoAvvolgimento(d.SecUlt, TRIF_NUM_AVV - 1);
    for (int i = 0; i <= sec; ++i) {
        Leggi(d.SecVoltLin[i], t.Txt_SecVoltLin[i]);
        Leggi(d.SecAmpLin[i], t.Txt_SecAmpLin[i]);
        Leggi(d.SecPotLin[i], t.Txt_SecPotLin[i]);
    }
}

void LeggiDatiTrif(ModuleDIC& d, const DatiTrifTesti& t) {
    // Counts, lists and phase values as the single-phase window has them.
    LeggiDatiAlim(d, t, TRIF_NUM_AVV);
    LeggiLineePri(d, t);
    LeggiLineeSec(d, t);
}

void CalcolaPotenzeTrif(ModuleDIC& d) { CalcolaPotenze(d, 3, TRIF_NUM_AVV); }

void CalcoloTrif(ModuleDIC& d, const DatiTrifTesti& t, IMessaggi& msg) {
    LeggiDatiTrif(d, t);
    CalcolaPotenzeTrif(d);
    CompletaCalcolo(d, PassiRete(true), msg);
}

void RicalcoloAvvolgimentiTrif(ModuleDIC& d, IMessaggi& msg) { RicalcoloAvvolgimenti(d, true, msg); }
