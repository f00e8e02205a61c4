// Designs for the engine tests: the default design of a new window, the few
// strokes that set up a winding the way the window's buttons do, and where a
// test or benchmark saves one when the save's own speed matters.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "engine/Mod_Alim.h"
#include "engine/ModuleDIC.h"

// The design a new single-phase window starts from (on the heap: the store is large).
inline std::unique_ptr<ModuleDIC> NuovoProgetto() {
    auto d = std::make_unique<ModuleDIC>();
    ProgettoPredefinito(*d);
    return d;
}

// A single-phase window's texts with one primary and one secondary, as the
// engine's reader takes them: 50 Hz, the flux density, current density and
// coefficient K (1,0 T, 2,5 A/mm² and 1,3 unless given), the primary's
// voltage and the secondary's voltage, current and power.
struct UnAvvolgimento {
    const char *priVolt, *secVolt, *secAmp, *secPot;
    const char *induzione = "1,0", *densita = "2,5", *coefK = "1,3";
};
inline DatiAlimTesti TestiUnAvvolgimento(const UnAvvolgimento& v) {
    DatiAlimTesti t;
    t.Cmb_PriNumAvv = t.Cmb_SecNumAvv = "1";
    t.Cmb_Frequenza = "50";
    t.Cmb_Induzione = v.induzione;
    t.Cmb_Densita = v.densita;
    t.Cmb_CoefK = v.coefK;
    t.Txt_PriVolt[0] = v.priVolt;
    t.Txt_SecVolt[0] = v.secVolt;
    t.Txt_SecAmp[0] = v.secAmp;
    t.Txt_SecPot[0] = v.secPot;
    return t;
}

// The memory file system where there is one (a save there waits for no
// disk), else the system's temporary folder.
inline std::filesystem::path CartellaInMemoria() {
    std::error_code ec;
    const std::filesystem::path shm("/dev/shm");
    return std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
}

// This process's scratch file "marlovine_<nome>_<pid><estensione>" in `cartella`.
inline std::string FileDiLavoro(const std::string& nome, const std::string& estensione,
                                const std::filesystem::path& cartella = CartellaInMemoria()) {
    return (cartella / ("marlovine_" + nome + "_" + std::to_string(::getpid()) + estensione)).string();
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

// The placement flags of windings 0..n-1 of a side, as set: bobbins then
// grooves ("1H", "2L"; "12HI" when flags clash, "" when none is set).
inline std::vector<std::string> Posti(const LatoC& l, int n) {
    std::vector<std::string> v;
    for (int i = 0; i < n; ++i) {
        std::string s;
        if (Vero(l.Roch1[i])) s += '1';
        if (Vero(l.Roch2[i])) s += '2';
        if (Vero(l.GolaH[i])) s += 'H';
        if (Vero(l.GolaI[i])) s += 'I';
        if (Vero(l.GolaL[i])) s += 'L';
        v.push_back(s);
    }
    return v;
}
