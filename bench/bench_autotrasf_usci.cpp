// One whole autotransformer pass (the window's defaults) and one whole output
// transformer pass (configuration H, push-pull, ten primary and eight
// secondary sections). Neither pass may touch the heap.
#include "bench/BenchSupport.h"
#include "tests/support/ProgettiAutoUsci.h"

namespace {

void BM_PassoAutoTrasf(benchmark::State& state) {
    auto d = NuovoProgettoAutoTrasf();
    d->LamMantello = VERO;
    CaricaLibreriaRame(*d);
    const DatiAlimTesti t = TestiAutoTrasf();
    MessaggiMuti msg;
    MisuraPasso(state, [&] {
        CalcoloAutoTrasf(*d, t, msg);
        benchmark::DoNotOptimize(d->PotTotPers);
    });
}
BENCHMARK(BM_PassoAutoTrasf);

void BM_PassoUsciH(benchmark::State& state) {
    auto d = NuovoProgettoUsci();
    d->OptSingle = FALSO;
    d->LamMantello = VERO;
    CaricaLibreriaRame(*d);
    DatiUsciTesti t = TestiUsci();
    t.Cmb_PriNumAvv = "10";
    t.Cmb_SecNumAvv = "8";
    t.Cmb_SecTipo = "H";
    t.Txt_SecImp = {"8", "4", "2"};
    MessaggiMuti msg;
    MisuraPasso(state, [&] {
        CalcoloUsci(*d, t, msg);
        benchmark::DoNotOptimize(d->PotTotPers);
    });
}
BENCHMARK(BM_PassoUsciH);

}  // namespace
