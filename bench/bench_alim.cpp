// One whole single-phase calculation pass on a design with 12 primaries and
// 12 secondaries: a tapped mains primary (each tap in series with the next)
// and twelve isolated secondaries, all in groove H. The pass must not touch the heap: every allocation made
// while it runs is counted and fails the benchmark.
#include <memory>

#include "bench/BenchSupport.h"
#include "engine/Mod_Alim.h"
#include "tests/support/Progetti.h"

namespace {

std::unique_ptr<ModuleDIC> Progetto() {
    auto d = NuovoProgetto();
    d->CoefKMin = 1.0f;
    d->CoefKMax = 1.6f;
    // Thin insulation, so that all twelve windings of a side fit in groove H.
    d->RochIsoAvvH = d->RochIsoAvvI = d->RochIsoAvvL = 0.05f;
    d->RochIsoStrH = d->RochIsoStrI = d->RochIsoStrL = 0.02f;
    CaricaLibreriaRame(*d);
    for (int i = 0; i < 11; ++i) Serie(Lato(*d, true), i, i + 2);
    return d;
}

DatiAlimTesti Testi() {
    DatiAlimTesti t;
    t.Cmb_PriNumAvv = "12", t.Cmb_SecNumAvv = "12", t.Cmb_Frequenza = "50", t.Cmb_Induzione = "1,2";
    t.Cmb_Densita = "3,0", t.Cmb_CoefK = "1,3";
    const char* pri[12] = {"240", "235", "230", "225", "220", "215", "210", "200", "190", "180", "127", "110"};
    const char* volt[12] = {"48", "36", "30", "24", "18", "15", "12,6", "12", "9", "6,3", "5", "3,3"};
    const char* amp[12] = {"1", "1,5", "0,5", "2", "1", "0,8", "3", "1", "2", "3", "2", "1,5"};
    const char* pot[12] = {"48", "54", "15", "48", "18", "12", "37,8", "12", "18", "18,9", "10", "4,95"};
    for (int i = 0; i < 12; ++i) {
        t.Txt_PriVolt[static_cast<size_t>(i)] = pri[i], t.Txt_SecVolt[static_cast<size_t>(i)] = volt[i];
        t.Txt_SecAmp[static_cast<size_t>(i)] = amp[i], t.Txt_SecPot[static_cast<size_t>(i)] = pot[i];
    }
    return t;
}

void BM_PassoAlim12x12(benchmark::State& state) {
    auto d = Progetto();
    const DatiAlimTesti t = Testi();
    MessaggiMuti msg;
    MisuraPasso(state, [&] {
        CalcoloAlim(*d, t, msg);
        benchmark::DoNotOptimize(d->PotTotPers);
    });
    state.counters["riempimento_H1"] = d->IngGolaH1 / d->RochGolaH[0];
    ContaAvvisi(state, msg);
}
BENCHMARK(BM_PassoAlim12x12);

}  // namespace
