// One whole three-phase pass with nine primaries (a tapped mains primary,
// each tap in series with the next) and nine star secondaries, and one whole
// three-phase autotransformer pass (the window's defaults). Neither pass may
// touch the heap.
#include <memory>
#include <string>

#include "bench/BenchSupport.h"
#include "bench/ProgettoTrif.h"
#include "engine/Mod_AutoTrifase.h"
#include "engine/Mod_Trif.h"

namespace {

using progettotrif::Progetto;
using progettotrif::Testi;

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
