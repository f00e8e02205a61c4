// Helpers shared by the library tests: a scratch folder, raw file access and
// editor grids filled as a user would type them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>
#include <unistd.h>

#include "files/GriglieLibrerie.h"

// Record texts, as a file holds them.
using Testi = std::vector<std::string>;

namespace libtest {

// A fresh folder per test, removed afterwards.
class Cartella {
public:
    Cartella() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("marlovine_lib_" + std::to_string(::getpid()) + "_" + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    ~Cartella() { std::error_code ec; std::filesystem::remove_all(dir_, ec); }
    std::string File(const std::string& nome) const { return (dir_ / nome).string(); }

private:
    std::filesystem::path dir_;
};

inline std::string Byte(const std::string& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A wire grid of (bare, enamelled) rows with Kf 1,05, 0,0176 ohm mm²/m and 8,9 g/cm³.
inline GrigliaRame Fili(const std::vector<std::pair<std::string, std::string>>& righe) {
    GrigliaRame g;
    for (size_t i = 0; i < righe.size(); ++i) {
        g.Txt_FiloNudo[i] = righe[i].first;
        g.Txt_FiloIsolato[i] = righe[i].second;
    }
    g.Txt_CoefKf = "1,05";
    g.Txt_Ohm_m = "0,0176";
    g.Txt_PesSpeRam = "8,9";
    return g;
}

// A typed row: C, D, E, F, G, A, B, name, weight.
inline void Riga(GrigliaLam& g, int i, const std::vector<std::string>& m, const std::string& nome = "EI",
                 const std::string& peso = "0,2") {
    RigaLam& r = g.righe[i];
    r.Txt_C = m[0];
    r.Txt_D = m[1];
    r.Txt_E = m[2];
    r.Txt_F = m[3];
    r.Txt_G = m[4];
    r.Txt_A = m[5];
    r.Txt_B = m[6];
    r.Txt_EI = nome;
    r.Txt_PesoLam = peso;
}

// A shell row in the kind's proportions for an even centre leg c.
inline void RigaMantello(GrigliaLam& g, int i, int c, const std::string& nome = "EI", const std::string& peso = "0,2") {
    const std::string m = std::to_string(c / 2);
    Riga(g, i, {std::to_string(c), m, std::to_string(3 * c / 2), m, m, std::to_string(5 * c / 2), std::to_string(3 * c)},
         nome, peso);
}

}  // namespace libtest
