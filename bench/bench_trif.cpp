// One whole three-phase pass with nine primaries (a tapped mains primary,
// each tap in series with the next) and nine star secondaries, and one whole
// three-phase autotransformer pass (the window's defaults). Neither pass may
// touch the heap.
#include <memory>
#include <string>

#include "bench/BenchSupport.h"
#include "engine/Mod_AutoTrifase.h"
#include "engine/Mod_Trif.h"
#include "tests/support/Progetti.h"

namespace {

std::unique_ptr<ModuleDIC> Progetto(tipo::Calcolo genere) {
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

DatiTrifTesti Testi(int n) {
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

void BM_PassoTrif9x9(benchmark::State& state) {
    auto d = Progetto(tipo::Trifase);
    const DatiTrifTesti t = Testi(9);
    MessaggiMuti msg;
    MisuraPasso(state, [&] {
        CalcoloTrif(*d, t, msg);
        benchmark::DoNotOptimize(d->PotTotPers);
    });
    ContaAvvisi(state, msg);
}
BENCHMARK(BM_PassoTrif9x9);

void BM_PassoAutoTrif(benchmark::State& state) {
    auto d = Progetto(tipo::AutoTrifase);
    DatiTrifTesti t = Testi(1);
    t.Txt_PriVolt[0] = "219,4";
    t.Txt_SecVolt[0] = "127";
    t.Txt_SecAmp[0] = "2,624";
    t.Txt_SecPot[0] = "333,3";
    t.Txt_SecPotLin[0] = "999,9";
    MessaggiMuti msg;
    MisuraPasso(state, [&] {
        CalcoloAutoTrif(*d, t, msg);
        benchmark::DoNotOptimize(d->PotTotPers);
    });
    ContaAvvisi(state, msg);
}
BENCHMARK(BM_PassoAutoTrif);

}  // namespace
