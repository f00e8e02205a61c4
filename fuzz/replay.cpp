// Replays the checked-in corpus through the fuzzers' entry points: every file
// of corpus/progetto, corpus/liblam and corpus/librame. A broken promise
// aborts; the sanitizer build reports any memory or undefined-behaviour fault.
// A file whose name starts with "valido" must be accepted, one whose name
// starts with "rifiutato" refused.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/Ingressi.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s CARTELLA_CORPUS\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    // The scratch files go on every way out but an abort, which keeps them for a look.
    struct Pulizia {
        ~Pulizia() { ingressi::RimuoviFileDiLavoro(); }
    } pulizia;
    struct Lettore {
        const char* cartella;
        bool (*prova)(const uint8_t*, size_t);
    };
    const Lettore lettori[] = {{"progetto", ingressi::Progetto},
                               {"liblam", ingressi::LibreriaLamierini},
                               {"librame", ingressi::LibreriaRame}};
    for (const Lettore& l : lettori) {
        std::vector<fs::path> file;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(fs::path(argv[1]) / l.cartella, ec))
            if (e.is_regular_file()) file.push_back(e.path());
        if (file.empty()) {
            std::fprintf(stderr, "%s: nessun file\n", l.cartella);
            return 1;
        }
        std::sort(file.begin(), file.end());
        for (const fs::path& p : file) {
            std::ifstream in(p, std::ios::binary);
            const std::string b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            const bool accettato = l.prova(reinterpret_cast<const uint8_t*>(b.data()), b.size());
            const std::string nome = p.filename().string();
            std::printf("%s/%s: %s\n", l.cartella, nome.c_str(), accettato ? "accettato" : "rifiutato");
            if (nome.rfind(accettato ? "rifiutato" : "valido", 0) == 0) {
                std::fprintf(stderr, "%s/%s: atteso il contrario\n", l.cartella, nome.c_str());
                return 1;
            }
        }
        std::printf("%s: %zu file\n", l.cartella, file.size());
    }
    return 0;
}
