#include "engine/Mod_Calcolo.h"

#include "engine/ModRoutine.h"

PassiGenere PassiRete(bool trifase) {
    return {.trifase = trifase, .potenzaNucleo = &ModuleDIC::SecPotTot, .spire = CalcolaSpire};
}

void CompletaCalcolo(ModuleDIC& d, const PassiGenere& genere, IMessaggi& msg) {
    const bool trifase = genere.trifase;
    if (Vero(d.ConoscoPotenza))
        CalcolaPaccoLamellare(d);
    else
        CalcolaCoefKLamierino(d, d.*genere.potenzaNucleo, trifase ? 3 : 1);
    if (trifase)
        ControllaMisureRocchettoTrif(d, msg);
    else
        ControllaMisureRocchetto(d, msg);
    genere.spire(d);
    CalcolaDiametroFilo(d);
    if (genere.dopoDiametri) genere.dopoDiametri(d);
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
