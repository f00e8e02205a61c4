// The three-phase designs of the benchmarks: nine primaries (a tapped mains
// primary, each tap in series with the next) and nine star secondaries, or
// the autotransformer window's defaults; the window's texts for them; and the
// full project that the file benchmarks save and open.
// (BenchSupport.h comes with it: one source file of a program only.)
#pragma once

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/BenchSupport.h"
#include "engine/Mod_Trif.h"
#include "files/Progetto.h"
#include "platform/core/Numeri.h"
#include "tests/support/Progetti.h"

namespace progettotrif {

inline std::unique_ptr<ModuleDIC> Progetto(tipo::Calcolo genere) {
    auto d = NuovoProgetto();
    d->TipoCalcolo = genere;
    d->CoefKMin = 1.0f;
    d->CoefKMax = 1.6f;
    d->Lam3Colonne = VERO;
    // Thin insulation, so that the nine windings of a side fit in groove H.
    d->RochIsoAvvH = d->RochIsoAvvI = d->RochIsoAvvL = 0.05f;
    d->RochIsoStrH = d->RochIsoStrI = d->RochIsoStrL = 0.02f;
    CaricaLibreriaRame(*d);
    d->PriTrif.fill("Y");
    d->SecTrif.fill(genere == tipo::AutoTrifase ? "y" : "z");
    const bool autotrasf = genere == tipo::AutoTrifase;
    for (int i = 0; i < TRIF_NUM_AVV - (autotrasf ? 0 : 1); ++i) {
        Serie(Lato(*d, true), i, i + 2);
        if (autotrasf) Serie(Lato(*d, false), i, i + 2, true);
    }
    return d;
}

inline DatiTrifTesti Testi(int n) {
    DatiTrifTesti t;
    t.Cmb_PriNumAvv = t.Cmb_SecNumAvv = std::to_string(n);
    t.Cmb_Frequenza = "50";
    t.Cmb_Induzione = "1,2";
    t.Cmb_Densita = "3,0";
    t.Cmb_CoefK = "1,3";
    const char* pri[9] = {"240", "235", "230", "225", "220", "215", "210", "200", "190"};
    const char* volt[9] = {"48", "36", "30", "24", "18", "15", "12,6", "12", "9"};
    const char* amp[9] = {"1", "1,5", "0,5", "2", "1", "0,8", "3", "1", "2"};
    const char* pot[9] = {"48", "54", "15", "48", "18", "12", "37,8", "12", "18"};
    const char* potLin[9] = {"144", "162", "45", "144", "54", "36", "113,4", "36", "54"};
    for (size_t i = 0; i < 9; ++i) {
        t.Txt_PriVolt[i] = pri[i];
        t.Txt_SecVolt[i] = volt[i];
        t.Txt_SecAmp[i] = amp[i];
        t.Txt_SecPot[i] = pot[i];
        t.Txt_SecPotLin[i] = potLin[i];
    }
    return t;
}

// The nine-by-nine design as its calculation leaves it, with the line values
// its fields would show, every table filled and every text in use: a full
// project file.
inline std::unique_ptr<ModuleDIC> Pieno() {
    auto d = Progetto(tipo::Trifase);
    MessaggiMuti msg;
    CalcoloTrif(*d, Testi(9), msg);
    // The line values the window's fields would show for star windings.
    for (int i = 0; i < TRIF_NUM_AVV; ++i) {
        d->PriVoltLin[i] = num::Sng(d->PriVolt[i] * std::sqrt(3.0));
        d->SecVoltLin[i] = num::Sng(d->SecVolt[i] * std::sqrt(3.0)), d->SecAmpLin[i] = d->SecAmp[i];
        d->SecPotLin[i] = num::Sng(d->SecPot[i] * 3.0);
    }
    for (int c = 0; c < FILO_COLONNE; ++c) {
        d->NomeLibRame[c] = "/home/utente/Marlovine/LIBRERIA/Rame_standard.wir", d->KfRame[38][c] = 1.05f;
        d->OhmRame[38][c] = 0.0176f, d->PesSpeRame[38][c] = 8.9f;
    }
    d->UltimaLibRame = d->NomeLibRame[0], d->NomeLibLam = "/home/utente/Marlovine/LIBRERIA/LamTrifaseStandard.lam";
    for (int i = 18; i < LAM_RIGHE; ++i) d->LamNome[i] = "EI " + std::to_string(30 + 6 * i);
    for (int i = 0; i < ROCH_RIGHE; ++i) d->RochTipo[i] = "Rocchetto " + std::to_string(i);
    return d;
}

// The project file of this benchmark process in `cartella`.
inline std::string FileBench(const std::filesystem::path& cartella = CartellaInMemoria()) {
    return FileDiLavoro("bench", ".ttf", cartella);
}

// The full project saved once, for the benchmarks that read it; empty when
// the save failed (the benchmark is skipped).
inline std::string FileSalvato(benchmark::State& state, const std::filesystem::path& cartella = CartellaInMemoria()) {
    std::string file = FileBench(cartella), err;
    if (!progetto::SalvaProgetto(*Pieno(), file, "bench.ttf", err)) {
        state.SkipWithError(err.c_str());
        file.clear();
    }
    return file;
}

}  // namespace progettotrif
