#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/core/Percorsi.h"

namespace fs = std::filesystem;

TEST(Percorsi, PathsFoundInAnyLetterCase) {
    const fs::path dir = fs::temp_directory_path() / ("marlovine_perc_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "LIBRERIA");
    std::ofstream(dir / "LIBRERIA" / "LibRame1.wir").put('x');
    const std::string base = dir.string();
    const std::string atteso = base + "/LIBRERIA/LibRame1.wir";
    EXPECT_EQ(percorsi::TrovaPercorso(base, "LIBRERIA/LibRame1.wir"), atteso);
    EXPECT_EQ(percorsi::TrovaPercorso(base, "Libreria\\LibRame1.wir"), atteso);
    EXPECT_EQ(percorsi::TrovaPercorso(base, "libreria/LIBRAME1.WIR"), atteso);
    EXPECT_EQ(percorsi::TrovaPercorso(base + "/", ".\\LIBRERIA\\LibRame1.wir"), atteso);
    // Found folder, new file: the folder as found, the file as given.
    EXPECT_EQ(percorsi::TrovaPercorso(base, "Libreria\\Nuova.wir"), base + "/LIBRERIA/Nuova.wir");
    // Nothing found: base and the path as given, with '/'.
    EXPECT_EQ(percorsi::TrovaPercorso(base, "Archivio\\Prova.tmf"), base + "/Archivio/Prova.tmf");
    // The exact name wins over another that differs only in case.
    fs::create_directories(dir / "Libreria");
    EXPECT_EQ(percorsi::TrovaPercorso(base, "Libreria"), base + "/Libreria");
    EXPECT_EQ(percorsi::TrovaPercorso(base, "LIBRERIA/librame1.wir"), atteso);
    fs::remove_all(dir);
}
