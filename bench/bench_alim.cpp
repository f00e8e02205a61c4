// One whole single-phase calculation pass on a design with 12 primaries and
// 12 secondaries: a tapped mains primary (each tap in series with the next)
// and twelve isolated secondaries, all in groove H. The pass must not touch the heap: every allocation made
// while it runs is counted and fails the benchmark.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "engine/Mod_Alim.h"

// The replaced global new/delete below pair malloc with free; GCC cannot see that.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
std::atomic<long> g_allocazioni{0};
}  // namespace

void* operator new(std::size_t n) {
    g_allocazioni.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

struct MessaggiMuti : IMessaggi {
    int mostrati = 0;
    int MsgBox(const std::string&, int, const std::string&) override {
        ++mostrati;
        return mb::Ok;
    }
};

std::unique_ptr<ModuleDIC> Progetto() {
    auto d = std::make_unique<ModuleDIC>();
    ProgettoPredefinito(*d);
    d->CoefKMin = 1.0f;
    d->CoefKMax = 1.6f;
    // Thin insulation, so that all twelve windings of a side fit in groove H.
    d->RochIsoAvvH = d->RochIsoAvvI = d->RochIsoAvvL = 0.05f;
    d->RochIsoStrH = d->RochIsoStrI = d->RochIsoStrL = 0.02f;
    // A wire library of 38 enamelled wires, 0,10 to 1,95 mm, in every column.
    for (int c = 0; c < FILO_COLONNE; ++c) {
        for (int r = 0; r < 38; ++r) {
            const double nudo = 0.1 + 0.05 * r;
            const double sezione = 3.14159 * nudo * nudo / 4;
            d->FiloNudo[r][c] = static_cast<float>(nudo), d->FiloIsolato[r][c] = static_cast<float>(nudo * 1.08);
            d->SezioneFilo[r][c] = static_cast<float>(sezione), d->CoefKfFilo[r][c] = 1.05f;
            d->SpireCM[r][c] = static_cast<float>(10 / (nudo * 1.08) / 1.05);
            d->ResistenzaFilo[r][c] = static_cast<float>(0.0176 / sezione);
            d->PesoFilo[r][c] = static_cast<float>(sezione * 8.9);
        }
    }
    for (int i = 0; i < 11; ++i) {
        d->PriAvvIso[i] = FALSO, d->PriAvvSer[i] = d->PriAvvAda[i] = VERO;
        d->PriAvvSerCon[i] = static_cast<int16_t>(i + 2);
    }
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
    CalcoloAlim(*d, t, msg);  // settles the stack and the bobbin once
    state.counters["riempimento_H1"] = d->IngGolaH1 / d->RochGolaH[0];
    state.counters["avvisi_per_passo"] = msg.mostrati;
    const long prima = g_allocazioni.load();
    for (auto _ : state) {
        CalcoloAlim(*d, t, msg);
        benchmark::DoNotOptimize(d->PotTotPers);
        benchmark::ClobberMemory();
    }
    const long allocazioni = g_allocazioni.load() - prima;
    state.counters["allocazioni"] = static_cast<double>(allocazioni);
    if (allocazioni != 0) state.SkipWithError("the pass allocated on the heap");
}
BENCHMARK(BM_PassoAlim12x12);

}  // namespace
