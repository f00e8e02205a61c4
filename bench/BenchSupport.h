// What every calculation-pass benchmark shares: a count of heap allocations
// (include this header in one source file of a benchmark program only: it
// replaces the global new and delete), a message sink that shows nothing, and
// a wire library of 38 enamelled wires, 0,10 to 1,95 mm, in every column.
#pragma once

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "bench/MessaggiMuti.h"
#include "engine/Interfacce.h"
#include "engine/ModuleDIC.h"

// The replaced global new/delete below pair malloc with free; GCC cannot see that.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

inline std::atomic<long> g_allocazioni{0};

void* operator new(std::size_t n) {
    g_allocazioni.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

// The messages `msg` took per pass, the settling pass included.
inline void ContaAvvisi(benchmark::State& state, const MessaggiMuti& msg) {
    state.counters["avvisi_per_passo"] = static_cast<double>(msg.mostrati) / static_cast<double>(state.iterations() + 1);
}

inline void CaricaLibreriaRame(ModuleDIC& d) {
    for (int c = 0; c < FILO_COLONNE; ++c) {
        for (int r = 0; r < 38; ++r) {
            const double nudo = 0.1 + 0.05 * r;
            const double sezione = 3.14159 * nudo * nudo / 4;
            d.FiloNudo[r][c] = static_cast<float>(nudo);
            d.FiloIsolato[r][c] = static_cast<float>(nudo * 1.08);
            d.SezioneFilo[r][c] = static_cast<float>(sezione);
            d.CoefKfFilo[r][c] = 1.05f;
            d.SpireCM[r][c] = static_cast<float>(10 / (nudo * 1.08) / 1.05);
            d.ResistenzaFilo[r][c] = static_cast<float>(0.0176 / sezione);
            d.PesoFilo[r][c] = static_cast<float>(sezione * 8.9);
        }
    }
}

// Runs `passo` once to settle the stack and the bobbin, then times it; any
// allocation while it runs fails the benchmark.
template <typename Passo>
void MisuraPasso(benchmark::State& state, Passo&& passo) {
    passo();
    const long prima = g_allocazioni.load();
    for (auto _ : state) {
        passo();
        benchmark::ClobberMemory();
    }
    const long allocazioni = g_allocazioni.load() - prima;
    state.counters["allocazioni"] = static_cast<double>(allocazioni);
    if (allocazioni != 0) state.SkipWithError("the pass allocated on the heap");
}
