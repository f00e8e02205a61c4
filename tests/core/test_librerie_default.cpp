// The default libraries the build made in LIBRERIA: each file loads as the
// design windows load it and meets what the program relies on.
#include "FakeSinks.h"
#include "engine/ModRoutine.h"
#include "files/LibLam.h"
#include "files/LibRame.h"
#include "platform/core/Numeri.h"

const std::string kLibreria = MARLOVINE_TEST_LIBRERIA;

// Loads a lamination library and checks every row and the kind.
static void ControllaLam(const std::string& nome, const char* descr, int16_t tipoAtteso) {
    auto d = std::make_unique<ModuleDIC>();
    d->FileLibreria = kLibreria + "/" + nome;
    FakeMessaggi msg;
    ASSERT_TRUE(ApriLibreriaLamierini(*d, msg)) << nome;
    EXPECT_TRUE(msg.boxes.empty());
    EXPECT_EQ(d->LamTipoDescr, descr);
    for (int i = 0; i < 18; ++i) {
        SCOPED_TRACE(nome + " row " + std::to_string(i));
        for (float v : {d->LamA[i], d->LamB[i], d->LamC[i], d->LamD[i], d->LamE[i], d->LamF[i], d->LamG[i],
                        d->LamPeso[i], d->LamAxB[i]})
            EXPECT_GT(v, 0.0f);
        EXPECT_TRUE(!d->LamNome[i].empty() && d->LamNome[i].size() <= 12u);
        EXPECT_TRUE(i == 0 || d->LamAxB[i - 1] < d->LamAxB[i]);
        // Every row is of the library's own shape, not only the first.
        EXPECT_EQ(d->LamA[i], num::Sng(double(d->LamE[i]) + d->LamG[i] + d->LamG[i]));
        EXPECT_EQ(d->LamB[i], num::Sng(double(d->LamC[i]) + d->LamD[i] + d->LamD[i] + d->LamF[i] + d->LamF[i]));
    }
    d->LamScelto = 0;
    d->TipoLam = 0;
    d->Lam2Colonne = VERO;  // the flag must be cleared by the identification
    IndividuaTipoLamierino(*d, msg);
    Esatti({V(msg.boxes.size(), 0), V(d->TipoLam, tipoAtteso), V(d->LamMantello, Flag(tipoAtteso == 1)),
            V(d->Lam3Colonne, Flag(tipoAtteso == 3)), V(d->Lam2Colonne, FALSO)});
}

TEST(LibrerieDefault, WireLibraryHasThirtyEightWiresAndPassesTheOldLibraryTest) {
    auto d = std::make_unique<ModuleDIC>();
    d->FileLibreria = kLibreria + "/LibRame1.wir";
    d->NumAvvScelto = 0;
    FakeMessaggi msg;
    ASSERT_TRUE(ApriLibreriaRame(*d, msg, MSG_LIBRAME_VECCHIA_DIALOGO) && msg.boxes.empty());
    Esatti({V(d->NumElementi, 39), V(d->KfRame[0][0], 1.05f), V(d->OhmRame[0][0], 0.0176f), V(d->PesSpeRame[0][0], 8.9f)});
    // The table as typed, every wire thicker than the one before and enamelled;
    // the derived figures are the editor's computation (CalcoloRame).
    for (int r = 0; r < 38; ++r)
        EXPECT_TRUE(d->FiloIsolato[r][0] > d->FiloNudo[r][0] && d->FiloNudo[r][0] > (r ? d->FiloNudo[r - 1][0] : 0) &&
                    d->PesoFilo[r][0] > 0)
            << r;
    // A few wires of the grade 1 table, as typed.
    Esatti({V(d->FiloNudo[0][0], 0.05f), V(d->FiloIsolato[23][0], 0.544f), V(d->FiloNudo[37][0], 2.5f)});
}

TEST(LibrerieDefault, LaminationLibrariesIdentifyAsTheirKind) {
    ControllaLam("LamMantelloStandard.lam", "Mantello per Monofase", 1);
    ControllaLam("LamTrifaseStandard.lam", "3 Colonne Stadard per Trifase", 3);
}
