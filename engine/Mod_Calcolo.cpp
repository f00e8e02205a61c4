#include "engine/Mod_Calcolo.h"

#include "engine/ModRoutine.h"
#include "engine/Mod_Alim.h"
#include "engine/Mod_AutoTrasf.h"

void CompletaCalcolo(ModuleDIC& d, tipo::Calcolo genere, IMessaggi& msg) {
    const bool trifase = genere == tipo::Trifase || genere == tipo::AutoTrifase;
    const bool autotrasf = genere == tipo::AutoMonofase || genere == tipo::AutoTrifase;
    if (Vero(d.ConoscoPotenza))
        CalcolaPaccoLamellare(d);
    else
        CalcolaCoefKLamierino(d, autotrasf ? d.PotPass : d.SecPotTot, trifase ? 3 : 1);
    if (trifase)
        ControllaMisureRocchettoTrif(d, msg);
    else
        ControllaMisureRocchetto(d, msg);
    if (autotrasf)
        CalcolaSpireAuto(d);
    else
        CalcolaSpire(d);
    CalcolaDiametroFilo(d);
    // The common section's current replaces the one the diameter step took.
    if (autotrasf) CalcolaCorrentiAuto(d);
    ScegliFiloRame(d);
    RicalcoloAvvolgimenti(d, trifase, msg);
}

void RicalcoloAvvolgimenti(ModuleDIC& d, bool trifase, IMessaggi& msg) {
    CalcolaAvvolgimenti(d);
    if (trifase) {
        CalcolaPerditeRameTrif(d);
        SommaIngombriGoleTrif(d);
    } else {
        CalcolaPerditeRame(d);
        SommaIngombriGole(d);
    }
    VerificaIngombriAvvolgimenti(d, msg);
}
