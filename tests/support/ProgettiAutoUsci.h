// The designs and window texts the autotransformer and output-transformer
// windows start from, for the engine tests and the benchmarks.
#pragma once

#include <memory>

#include "Progetti.h"
#include "engine/Mod_AutoTrasf.h"
#include "engine/Mod_Usci.h"

// An autotransformer: one primary and one secondary in use, every primary in
// series with the next winding, every secondary a load tap in series with the
// next, all on bobbin 1 in groove H; the coefficient list of a shell lamination.
inline std::unique_ptr<ModuleDIC> NuovoProgettoAutoTrasf() {
    auto d = NuovoProgetto();
    d->TipoCalcolo = tipo::AutoMonofase;
    d->PriUlt = d->SecUlt = 0;
    d->CoefKMin = 1.0f;
    d->CoefKMax = 1.6f;
    for (int i = 0; i < AUTO_NUM_AVV; ++i) {
        d->PriAvvIso[i] = d->SecAvvIso[i] = FALSO;
        d->PriAvvSer[i] = d->SecAvvSer[i] = d->SecAvvCar[i] = VERO;
        d->PriAvvSerCon[i] = d->SecAvvSerCon[i] = static_cast<int16_t>(i + 2);
    }
    return d;
}

// The autotransformer window's texts: 160 V in, 120 V 2,5 A 300 VA out,
// 50 Hz, 1,0 T, 2,5 A/mm², K 1,3.
inline DatiAlimTesti TestiAutoTrasf() { return TestiUnAvvolgimento({"160", "120", "2,5", "300"}); }

// An output transformer, single-ended, one section a side, isolated windings
// on bobbin 1 in groove H.
inline std::unique_ptr<ModuleDIC> NuovoProgettoUsci() {
    auto d = NuovoProgetto();
    d->TipoCalcolo = tipo::Uscita;
    d->PriUlt = d->SecUlt = 0;
    d->OptSingle = VERO;
    return d;
}

// The output transformer window's texts: 6250 ohm at 0,04 A, loads of 8, 7
// and 6 ohm, configuration N, one section a side; 50 Hz, 0,50 T, 2,5 A/mm².
inline DatiUsciTesti TestiUsci() {
    DatiUsciTesti t;
    t.Cmb_PriNumAvv = t.Cmb_SecNumAvv = "1";
    t.Cmb_SecTipo = "N";
    t.Cmb_Frequenza = "50";
    t.Cmb_Induzione = "0,50";
    t.Cmb_Densita = "2,5";
    t.Txt_PriImp = "6250";
    t.Txt_PriAmp = "0,04";
    t.Txt_SecImp = {"8", "7", "6"};
    return t;
}
