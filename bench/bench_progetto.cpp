// Save and open of a full project: a nine-by-nine three-phase design as its
// calculation leaves it, every table filled, every text in use; beside them,
// in the same run, a raw read and a raw write (with the flush and the rename
// a save makes) of the same 999 900 bytes, as the yardstick. The open and the
// raw read run on a memory file system (/dev/shm, /0) and on the file system
// of the program's own folder (/1); the saves on the memory file system, the
// last two in a folder that is empty and in one that holds 10 000 other files.
// Goals: open within 5 times the raw read, save within 2 times the raw write,
// and a save among 10 000 files within 1,2 times one in an empty folder.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/ProgettoTrif.h"
#include "files/Progetto.h"

namespace {

namespace fs = std::filesystem;

using progettotrif::FileBench;
using progettotrif::FileSalvato;

// A folder on the memory file system where there is one (0), or the
// program's own folder (1).
fs::path Cartella(int dove) {
    std::error_code ec;
    return dove == 1 ? fs::canonical("/proc/self/exe", ec).parent_path() : CartellaInMemoria();
}

constexpr size_t kByteProgetto = 999900;

void Salva(benchmark::State& state, const std::string& file) {
    auto d = progettotrif::Pieno();
    std::string err;
    for (auto _ : state)
        if (!progetto::SalvaProgetto(*d, file, "bench.ttf", err)) state.SkipWithError(err.c_str());
    std::remove(file.c_str());
}

void BM_SalvaProgetto(benchmark::State& state) { Salva(state, FileBench()); }
BENCHMARK(BM_SalvaProgetto)->Unit(benchmark::kMillisecond);

// A save into a folder of its own, empty (0) or holding 10 000 other files (10000).
void BM_SalvaInCartella(benchmark::State& state) {
    const fs::path cartella = FileDiLavoro("bench_cartella", "");
    fs::create_directory(cartella);
    for (int i = 0; i < state.range(0); ++i) std::ofstream(cartella / ("altro_" + std::to_string(i) + ".ttf"));
    Salva(state, (cartella / "bench.ttf").string());
    fs::remove_all(cartella);
}
BENCHMARK(BM_SalvaInCartella)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ApriProgetto(benchmark::State& state) {
    const std::string file = FileSalvato(state, Cartella(static_cast<int>(state.range(0))));
    if (file.empty()) return;
    std::string err;
    auto dest = std::make_unique<ModuleDIC>();
    for (auto _ : state) {
        if (!progetto::ApriProgetto(file, *dest, err)) state.SkipWithError(err.c_str());
        benchmark::DoNotOptimize(dest->PriVolt[0]);
    }
    std::remove(file.c_str());
}
BENCHMARK(BM_ApriProgetto)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The yardsticks: the bytes of a project file read whole, and written whole
// beside the target with the flush and the rename a save makes.
void BM_LetturaGrezza(benchmark::State& state) {
    const std::string file = FileSalvato(state, Cartella(static_cast<int>(state.range(0))));
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
BENCHMARK(BM_LetturaGrezza)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ScritturaGrezza(benchmark::State& state) {
    const std::string file = FileBench(), temp = file + ".nuovo";
    std::vector<char> buf(kByteProgetto, 'x');
    for (auto _ : state) {
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        size_t scritti = 0;
        while (scritti < buf.size()) {
            const ssize_t w = ::write(fd, buf.data() + scritti, buf.size() - scritti);
            if (w <= 0) break;
            scritti += static_cast<size_t>(w);
        }
        ::fsync(fd);
        ::close(fd);
        ::rename(temp.c_str(), file.c_str());
    }
    std::remove(file.c_str());
}
BENCHMARK(BM_ScritturaGrezza)->Unit(benchmark::kMillisecond);

}  // namespace
