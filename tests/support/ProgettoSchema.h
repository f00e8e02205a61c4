// A design the winding schematic draws, for the schematic's layout and
// window tests.
#pragma once

#include <memory>

#include "engine/ModuleDIC.h"

// Every winding alike, `pri` on the primary side and `sec` on the
// secondary side, in a design of kind `tipo` with priUlt + 1 primaries and
// secUlt + 1 secondaries in use: what the winding schematic shows.
struct AvvolgimentoSchema {
    float volt, vuoto, amp, spire, filo;  // vuoto: the off-load volts of a secondary
};
inline std::unique_ptr<ModuleDIC> ProgettoSchema(int tipo, float priUlt, float secUlt, const AvvolgimentoSchema& pri,
                                                 const AvvolgimentoSchema& sec) {
    auto d = std::make_unique<ModuleDIC>();
    d->TipoCalcolo = static_cast<int16_t>(tipo);
    d->PriUlt = priUlt;
    d->SecUlt = secUlt;
    for (int i = 0; i < AVV_MAX; ++i) {
        d->PriVolt[i] = pri.volt;
        d->PriAmp[i] = pri.amp;
        d->PriSpire[i] = pri.spire;
        d->PriFiloNudo[i] = pri.filo;
        d->SecVolt[i] = sec.volt;
        d->SecVoltVuoto[i] = sec.vuoto;
        d->SecAmp[i] = sec.amp;
        d->SecSpire[i] = sec.spire;
        d->SecFiloNudo[i] = sec.filo;
    }
    return d;
}
