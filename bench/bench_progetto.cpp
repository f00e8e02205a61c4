// Save and open of a full project: every table filled, every text in use;
// beside them, a raw read and a raw write of the same 999 900 bytes with the
// same flush, on a memory file system where there is one, as the yardstick
// (open within 10 times the raw read, save within 3 times the raw write).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/ModuleDIC.h"
#include "files/Progetto.h"

namespace {

std::unique_ptr<ModuleDIC> DesignPieno() {
    auto d = std::make_unique<ModuleDIC>();
    d->TipoCalcolo = tipo::Trifase, d->PriUlt = 8, d->SecUlt = 8, d->Frequenza = 50;
    for (int r = 0; r < FILO_RIGHE; ++r)
        for (int c = 0; c < FILO_COLONNE; ++c) {
            const float n = 0.05f + 0.0137f * static_cast<float>(r) + 0.001f * static_cast<float>(c);
            d->FiloNudo[r][c] = n, d->FiloIsolato[r][c] = n * 1.08f, d->SezioneFilo[r][c] = 3.14159f * n * n / 4;
            d->SpireCM[r][c] = 10 / (n * 1.08f) / 1.05f, d->CoefKfFilo[r][c] = 1.05f;
            d->ResistenzaFilo[r][c] = 0.0176f / d->SezioneFilo[r][c];
            d->PesoFilo[r][c] = d->SezioneFilo[r][c] * 8.9f;
        }
    for (int c = 0; c < FILO_COLONNE; ++c) {
        d->NomeLibRame[c] = "/home/utente/Marlovine/LIBRERIA/Rame_standard.wir", d->KfRame[38][c] = 1.05f;
        d->OhmRame[38][c] = 0.0176f, d->PesSpeRame[38][c] = 8.9f;
    }
    for (int i = 0; i < LAM_RIGHE; ++i) {
        d->LamNome[i] = "EI " + std::to_string(30 + 6 * i), d->LamA[i] = 30.0f + 6.0f * static_cast<float>(i);
        d->LamAxB[i] = d->LamA[i] * d->LamA[i] * 1.2f / 100;
    }
    for (int i = 0; i < AVV_MAX; ++i) {
        d->PriVolt[i] = 230.0f / static_cast<float>(i + 1), d->SecVolt[i] = 12.5f * static_cast<float>(i + 1);
        d->PriTrif[i] = "D", d->SecTrif[i] = "y", d->PriAvvIso[i] = d->SecAvvIso[i] = VERO;
        d->PriAvvSerCon[i] = d->SecAvvSerCon[i] = 1;
    }
    return d;
}

std::string FileTemp() {
    std::error_code ec;
    const std::filesystem::path shm("/dev/shm");
    const std::filesystem::path cartella =
        std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
    return (cartella / ("marlovine_bench_" + std::to_string(::getpid()) + ".ttf")).string();
}

constexpr size_t kByteProgetto = 999900;

void BM_SalvaProgetto(benchmark::State& state) {
    auto d = DesignPieno();
    const std::string file = FileTemp();
    std::string err;
    for (auto _ : state) {
        if (!progetto::SalvaProgetto(*d, file, "bench.ttf", err)) state.SkipWithError(err.c_str());
    }
    std::remove(file.c_str());
}
BENCHMARK(BM_SalvaProgetto)->Unit(benchmark::kMillisecond);

// The full project saved once, for the benchmarks that read it; empty when
// the save failed (the benchmark is skipped).
std::string FileSalvato(benchmark::State& state) {
    std::string file = FileTemp(), err;
    if (!progetto::SalvaProgetto(*DesignPieno(), file, "bench.ttf", err)) {
        state.SkipWithError(err.c_str());
        file.clear();
    }
    return file;
}

void BM_ApriProgetto(benchmark::State& state) {
    const std::string file = FileSalvato(state);
    if (file.empty()) return;
    std::string err;
    auto dest = std::make_unique<ModuleDIC>();
    for (auto _ : state) {
        if (!progetto::ApriProgetto(file, *dest, err)) state.SkipWithError(err.c_str());
        benchmark::DoNotOptimize(dest->PriVolt[0]);
    }
    std::remove(file.c_str());
}
BENCHMARK(BM_ApriProgetto)->Unit(benchmark::kMillisecond);

// The yardsticks: the bytes of a project file read whole, and written whole
// with the flush a save makes.
void BM_LetturaGrezza(benchmark::State& state) {
    const std::string file = FileSalvato(state);
    if (file.empty()) return;
    std::vector<char> buf(kByteProgetto);
    for (auto _ : state) {
        const int fd = ::open(file.c_str(), O_RDONLY);
        size_t letti = 0;
        while (letti < buf.size()) {
            const ssize_t r = ::read(fd, buf.data() + letti, buf.size() - letti);
            if (r <= 0) break;
            letti += static_cast<size_t>(r);
        }
        ::close(fd);
        benchmark::DoNotOptimize(buf.data());
    }
    std::remove(file.c_str());
}
BENCHMARK(BM_LetturaGrezza)->Unit(benchmark::kMillisecond);

void BM_ScritturaGrezza(benchmark::State& state) {
    const std::string file = FileTemp();
    std::vector<char> buf(kByteProgetto, 'x');
    for (auto _ : state) {
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        size_t scritti = 0;
        while (scritti < buf.size()) {
            const ssize_t w = ::write(fd, buf.data() + scritti, buf.size() - scritti);
            if (w <= 0) break;
            scritti += static_cast<size_t>(w);
        }
        ::fsync(fd);
        ::close(fd);
    }
    std::remove(file.c_str());
}
BENCHMARK(BM_ScritturaGrezza)->Unit(benchmark::kMillisecond);

}  // namespace
