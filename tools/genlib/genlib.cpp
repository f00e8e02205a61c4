// Makes the program's default libraries from the public size tables:
//   genlib <data folder> <LIBRERIA folder>
// The tables are typed into the same text grids the library editors show and
// go through the editors' own computation and packing, so the files are exactly
// what "Calcola" and "Salva" would write.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/ModuleDIC.h"
#include "files/CalcoloLibrerie.h"
#include "files/LibLam.h"
#include "files/LibRame.h"
#include "files/RecordFile.h"
#include "platform/core/Numeri.h"

namespace fs = std::filesystem;

namespace {

// Every message the computation shows is a failure here.
struct MessaggiSuStderr : IMessaggi {
    int conta = 0;
    int MsgBox(const std::string& testo, int, const std::string& titolo) override {
        ++conta;
        std::cerr << "genlib: " << titolo << ": " << testo << "\n";
        return mb::Ok;
    }
};

using Riga = std::vector<std::string>;

// Rows of a comma-separated table with a header line; fields hold no commas
// except in the last column, which we do not read.
std::vector<Riga> LeggiCsv(const fs::path& file, size_t campiMinimi) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::vector<Riga> righe;
    std::string linea;
    bool intestazione = true;
    while (std::getline(in, linea)) {
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        if (linea.empty()) continue;
        if (intestazione) {
            intestazione = false;
            continue;
        }
        Riga r;
        std::stringstream ss(linea);
        std::string campo;
        while (std::getline(ss, campo, ',')) r.push_back(campo);
        if (r.size() < campiMinimi) throw std::runtime_error("short row in " + file.string() + ": " + linea);
        righe.push_back(r);
    }
    return righe;
}

// "0.050" as the user types it: "0,050".
std::string Digitato(std::string s) {
    for (char& ch : s)
        if (ch == '.') ch = ',';
    return s;
}

void Scrivi(const fs::path& file, int lung, int n, const ModuleDIC& d) {
    const recfile::Esito e = recfile::Scrivi(file.string(), lung, n, d.Rec.data());
    if (!e.ok) throw std::runtime_error("cannot write " + file.string() + ": " + e.messaggio);
}

void LibreriaRame(const fs::path& csv, const fs::path& out) {
    const auto righe = LeggiCsv(csv, 2);
    if (righe.size() != static_cast<size_t>(RAME_GRIGLIA_RIGHE))
        throw std::runtime_error(csv.string() + ": a wire library holds exactly 38 wires");
    auto d = std::make_unique<ModuleDIC>();
    auto g = std::make_unique<GrigliaRame>();
    for (size_t i = 0; i < righe.size(); ++i) {
        g->Txt_FiloNudo[i] = Digitato(righe[i][0]);
        g->Txt_FiloIsolato[i] = Digitato(righe[i][1]);
    }
    g->Txt_CoefKf = KF_RAME_STANDARD;
    g->Txt_Ohm_m = OHM_RAME_STANDARD;
    g->Txt_PesSpeRam = PESSPE_RAME_STANDARD;
    MessaggiSuStderr msg;
    if (CalcolaLibreriaRame(*d, *g, msg) != EsitoCalcoloRame::Calcolata || msg.conta > 0 ||
        d->NumElementi != RAME_GRIGLIA_RIGHE - 1)
        throw std::runtime_error(csv.string() + ": the wire table does not compute");
    if (LibreriaRameVecchia(*d, 0)) throw std::runtime_error("the wire library fails the old-library test");
    Scrivi(out, LIBRAME_LUNG_REC, LIBRAME_NUM_REC, *d);
}

void LibreriaLam(const fs::path& csv, const std::string& serie, int opzione, const fs::path& out) {
    const auto tutte = LeggiCsv(csv, 9);
    std::vector<Riga> righe;
    for (const auto& r : tutte)
        if (r[0] == serie) righe.push_back(r);
    if (righe.size() != static_cast<size_t>(LAM_GRIGLIA_RIGHE))
        throw std::runtime_error(csv.string() + ": series " + serie + " must have exactly 18 rows");

    auto d = std::make_unique<ModuleDIC>();
    GrigliaLam g;
    g.proporzionale = false;
    g.opzione = opzione;
    OpzioneTipoLam(*d, opzione);
    // series,name,C,A,B,D,E,F,G
    for (size_t i = 0; i < righe.size(); ++i) {
        const Riga& c = righe[i];
        RigaLam& r = g.righe[i];
        r.Txt_EI = c[1];
        r.Txt_C = Digitato(c[2]);
        r.Txt_A = Digitato(c[3]);
        r.Txt_B = Digitato(c[4]);
        r.Txt_D = Digitato(c[5]);
        r.Txt_E = Digitato(c[6]);
        r.Txt_F = Digitato(c[7]);
        r.Txt_G = Digitato(c[8]);
        r.Txt_PesoLam = "1";  // replaced below by the weight of its net area
    }
    MessaggiSuStderr msg;
    // First pass: the table gives each row's net area; the weight of 10 mm of
    // laminations follows from it as in a proportional table.
    if (!CalcolaLamierini(*d, g, msg) || msg.conta > 0)
        throw std::runtime_error(csv.string() + ": series " + serie + " does not pass the check");
    for (int i = 0; i < LAM_GRIGLIA_RIGHE; ++i)
        g.righe[i].Txt_PesoLam = num::SngToText(PesoLamierino(d->LamNetta[i]));
    if (!CalcolaLamierini(*d, g, msg) || msg.conta > 0 || d->NumElementi != LAM_GRIGLIA_RIGHE - 1)
        throw std::runtime_error(csv.string() + ": series " + serie + " does not pass the check");
    for (int i = 0; i < LAM_GRIGLIA_RIGHE; ++i)
        if (d->LamNome[i].size() > 12) throw std::runtime_error("name longer than 12 characters: " + d->LamNome[i]);
    Scrivi(out, LIBLAM_LUNG_REC, LIBLAM_NUM_REC, *d);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: genlib <data folder> <LIBRERIA folder>\n";
        return 2;
    }
    const fs::path dati = argv[1];
    const fs::path libreria = argv[2];
    try {
        fs::create_directories(libreria);
        LibreriaRame(dati / "enamelled-copper-wire-grade1.csv", libreria / "LibRame1.wir");
        LibreriaLam(dati / "laminations.csv", "shell", 0, libreria / "LamMantelloStandard.lam");
        LibreriaLam(dati / "laminations.csv", "three-leg", 3, libreria / "LamTrifaseStandard.lam");
    } catch (const std::exception& e) {
        std::cerr << "genlib: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
