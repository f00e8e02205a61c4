// Designs for the engine tests: the default design of a new window, and the
// few strokes that set up a winding the way the window's buttons do.
#pragma once

#include <memory>

#include "engine/Mod_Alim.h"
#include "engine/ModuleDIC.h"

// The design a new single-phase window starts from (on the heap: the store is large).
inline std::unique_ptr<ModuleDIC> NuovoProgetto() {
    auto d = std::make_unique<ModuleDIC>();
    ProgettoPredefinito(*d);
    return d;
}

// Winding i of a side in series with winding `partner` (1-based), as a
// voltage adjustment tap or, with `carico`, as a load tap.
inline void Serie(Lato l, int i, int partner, bool carico = false) {
    l.AvvIso[i] = FALSO;
    l.AvvSer[i] = VERO;
    (carico ? (*l.AvvCar)[i] : l.AvvAda[i]) = VERO;
    l.AvvSerCon[i] = static_cast<int16_t>(partner);
}

// Winding i of a side on bobbin 1 or 2, in groove 'H', 'I' or 'L'.
inline void Posto(Lato l, int i, int rocchetto, char gola) {
    l.Roch1[i] = Flag(rocchetto == 1);
    l.Roch2[i] = Flag(rocchetto == 2);
    l.GolaH[i] = Flag(gola == 'H');
    l.GolaI[i] = Flag(gola == 'I');
    l.GolaL[i] = Flag(gola == 'L');
}
