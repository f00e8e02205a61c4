// Wire diameters from the currents, and the choice of a wire in each winding's
// column of the wire table.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/ModRoutine.h"

namespace {

// Column c holds 38 wires from 0,10 to 1,95 mm in steps of 0,05 mm.
void LibreriaPiena(ModuleDIC& d, int c) {
    for (int r = 0; r < 38; ++r) {
        d.FiloNudo[r][c] = static_cast<float>(0.1 + 0.05 * r);
        d.FiloIsolato[r][c] = static_cast<float>(0.1 + 0.05 * r + 0.02);
    }
}

// Column c holds only 10 wires; rows 10..37 are 0.
void LibreriaCorta(ModuleDIC& d, int c) {
    LibreriaPiena(d, c);
    for (int r = 10; r < 38; ++r) d.FiloNudo[r][c] = d.FiloIsolato[r][c] = 0;
}

int Scegli(ModuleDIC& d, float richiesto) {
    d.PriUlt = 0;
    d.SecUlt = -1;
    d.PriFiloNudo[0] = richiesto;
    ScegliFiloRame(d);
    return static_cast<int>(d.PriFiloRiga[0]);
}

TEST(AlimDiametro, DalleCorrentiEDallaDensita) {
    auto d = std::make_unique<ModuleDIC>();
    d->Densita = 2.5f;
    d->PriUlt = 0;
    d->PriAmp[0] = 1;
    d->SecUlt = 0;
    d->SecAmp[0] = 2;
    CalcolaDiametroFilo(*d);
    EXPECT_FLOAT_EQ(d->PriFiloNudo[0], 0.713649929f);
    EXPECT_FLOAT_EQ(d->SecAmpFilo[0], 2.0f);
    EXPECT_FLOAT_EQ(d->SecFiloNudo[0], 1.00925338f);
}

TEST(AlimDiametro, PreseInSeriePassanoLaCorrente) {
    auto d = std::make_unique<ModuleDIC>();
    d->TipoCalcolo = 1;
    d->Densita = 2.5f;
    d->PriUlt = -1;
    d->SecUlt = 3;
    for (int i = 0; i < 4; ++i) d->SecAmp[i] = static_cast<float>(i + 1);
    d->SecAvvSer[0] = VERO;  // load tap in series with winding 2
    d->SecAvvCar[0] = VERO;
    d->SecAvvSerCon[0] = 2;
    d->SecAvvSer[1] = VERO;  // voltage tap in series with winding 3: passes on what it got
    d->SecAvvAda[1] = VERO;
    d->SecAvvSerCon[1] = 3;
    CalcolaDiametroFilo(*d);
    EXPECT_EQ(d->SecAmpFilo[0], 1.0f);
    EXPECT_EQ(d->SecAmpFilo[1], 3.0f);
    EXPECT_EQ(d->SecAmpFilo[2], 4.0f);
    EXPECT_EQ(d->SecAmpFilo[3], 4.0f);
    EXPECT_FLOAT_EQ(d->SecFiloNudo[1], 1.23607802f);
    EXPECT_FLOAT_EQ(d->SecFiloNudo[2], 1.42729986f);
    // Only the output transformer shows the wire currents as its currents.
    EXPECT_EQ(d->SecAmp[1], 2.0f);

    d->TipoCalcolo = 5;
    CalcolaDiametroFilo(*d);
    EXPECT_EQ(d->SecAmp[1], 3.0f);
    EXPECT_EQ(d->SecAmp[2], 4.0f);
}

TEST(AlimDiametro, PresaDiRegolazioneSenzaCorrenteAggiuntaNonPassaNulla) {
    auto d = std::make_unique<ModuleDIC>();
    d->Densita = 2.5f;
    d->PriUlt = -1;
    d->SecUlt = 1;
    d->SecAmp[0] = 1;
    d->SecAmp[1] = 2;
    d->SecAvvSer[0] = VERO;
    d->SecAvvAda[0] = VERO;
    d->SecAvvSerCon[0] = 2;
    CalcolaDiametroFilo(*d);
    EXPECT_EQ(d->SecAmpFilo[1], 2.0f);
}

// A series partner outside the later windings in use is ignored. Partner 0 is
// what a fresh store holds: it must not write before the start of the arrays.
TEST(AlimDiametro, PartnerNonValidoIgnorato) {
    auto d = std::make_unique<ModuleDIC>();
    d->Densita = 2.5f;
    d->PriUlt = -1;
    d->SecUlt = 1;
    d->SecAmp[0] = 1;
    d->SecAmp[1] = 2;
    d->SecAmpFilo[2] = 7;
    d->SecAvvSer[0] = VERO;
    d->SecAvvCar[0] = VERO;
    for (int16_t partner : {0, 1, 3, -4}) {
        d->SecAvvSerCon[0] = partner;
        CalcolaDiametroFilo(*d);
        EXPECT_EQ(d->SecAmpFilo[0], 1.0f) << partner;
        EXPECT_EQ(d->SecAmpFilo[1], 2.0f) << partner;
        EXPECT_EQ(d->SecAmpFilo[2], 7.0f) << partner;
    }
}

TEST(AlimSceltaFilo, ConfiniTraLeRighe) {
    auto d = std::make_unique<ModuleDIC>();
    LibreriaPiena(*d, 0);
    EXPECT_EQ(Scegli(*d, d->FiloNudo[5][0]), 5);  // exactly a row's diameter
    EXPECT_EQ(Scegli(*d, 0.37f), 5);              // between rows: the thinner
    EXPECT_EQ(Scegli(*d, d->FiloNudo[6][0]), 6);  // the next row's diameter
    EXPECT_EQ(d->PriFiloNudo[0], d->FiloNudo[6][0]);
    EXPECT_EQ(d->PriFiloIsol[0], d->FiloIsolato[6][0]);
}

TEST(AlimSceltaFilo, UltimaRigaCopreFinoAlDieciPerCento) {
    auto d = std::make_unique<ModuleDIC>();
    LibreriaPiena(*d, 0);
    const float ultimo = d->FiloNudo[37][0];  // 1,95
    EXPECT_EQ(Scegli(*d, ultimo), 37);
    EXPECT_EQ(Scegli(*d, std::nextafter(2.145f, 0.0f)), 37);
    // 1.1 * 1,95 as a Single is 2,145: from there on a wire is computed.
    EXPECT_EQ(Scegli(*d, 2.145f), 38);
    EXPECT_FLOAT_EQ(d->FiloNudo[38][0], 2.1400001f);
    EXPECT_FLOAT_EQ(d->SpireCM[38][0], 4.32075596f);
}

TEST(AlimSceltaFilo, LibreriaCortaNessunMargine) {
    auto d = std::make_unique<ModuleDIC>();
    LibreriaCorta(*d, 0);
    EXPECT_EQ(Scegli(*d, 0.5f), 8);
    EXPECT_EQ(Scegli(*d, d->FiloNudo[9][0]), 38);
    EXPECT_EQ(Scegli(*d, 0.56f), 38);
}

TEST(AlimSceltaFilo, FiloCalcolato) {
    auto d = std::make_unique<ModuleDIC>();
    LibreriaPiena(*d, 0);
    EXPECT_EQ(Scegli(*d, 3.0f), 38);
    EXPECT_EQ(Scegli(*d, 1.2345f), 22);  // back in the library: row 38 stays as built
    EXPECT_FLOAT_EQ(d->FiloNudo[38][0], 3.0f);

    auto v = std::make_unique<ModuleDIC>();  // empty column: every wire is computed
    EXPECT_EQ(Scegli(*v, 1.2345f), 38);
    EXPECT_FLOAT_EQ(v->FiloNudo[38][0], 1.23000002f);
    EXPECT_FLOAT_EQ(v->FiloIsolato[38][0], 1.26690006f);
    EXPECT_FLOAT_EQ(v->SezioneFilo[38][0], 1.18822789f);
    EXPECT_FLOAT_EQ(v->KfRame[38][0], 1.05f);
    EXPECT_FLOAT_EQ(v->CoefKfFilo[38][0], 1.05f);
    EXPECT_FLOAT_EQ(v->SpireCM[38][0], 7.51741219f);
    EXPECT_FLOAT_EQ(v->ResistenzaFilo[38][0], 0.0148119731f);
    EXPECT_FLOAT_EQ(v->PesoFilo[38][0], 10.5752287f);
    EXPECT_FLOAT_EQ(v->PriFiloNudo[0], 1.23000002f);
    EXPECT_FLOAT_EQ(v->PriFiloIsol[0], 1.26690006f);

    // The column's own Kf stays when it is set.
    v->KfRame[38][0] = 1.2f;
    Scegli(*v, 1.2345f);
    EXPECT_FLOAT_EQ(v->CoefKfFilo[38][0], 1.2f);
    EXPECT_FLOAT_EQ(v->SpireCM[38][0], 6.57773495f);
}

TEST(AlimSceltaFilo, SottoIlPiuSottileDiUnaLibreriaPiena) {
    auto d = std::make_unique<ModuleDIC>();
    LibreriaPiena(*d, 0);
    EXPECT_EQ(Scegli(*d, 0.057f), 38);
    EXPECT_FLOAT_EQ(d->FiloNudo[38][0], 0.05f);
    EXPECT_FLOAT_EQ(d->ResistenzaFilo[38][0], 8.96361351f);
}

// A computed wire is never thinner than 0,01 mm: with no current at all its
// turns per cm, resistance and the winding's density stay finite.
TEST(AlimSceltaFilo, FiloCalcolatoMaiSottoUnCentesimo) {
    auto d = std::make_unique<ModuleDIC>();
    d->Densita = 2.5f;
    d->PriUlt = 0;
    d->PriAmp[0] = 0;
    d->SecUlt = -1;
    CalcolaDiametroFilo(*d);
    EXPECT_EQ(d->PriFiloNudo[0], 0.0f);
    ScegliFiloRame(*d);
    EXPECT_EQ(d->PriFiloRiga[0], 38.0f);
    EXPECT_FLOAT_EQ(d->FiloNudo[38][0], 0.01f);
    EXPECT_FLOAT_EQ(d->SpireCM[38][0], 924.641724f);
    EXPECT_FLOAT_EQ(d->ResistenzaFilo[38][0], 224.090347f);
    EXPECT_FLOAT_EQ(d->PesoFilo[38][0], 0.000699003751f);

    // No density set: no diameter, the same thin wire, nothing infinite.
    d->Densita = 0;
    d->PriAmp[0] = 1;
    CalcolaDiametroFilo(*d);
    EXPECT_EQ(d->PriFiloNudo[0], 0.0f);
    ScegliFiloRame(*d);
    EXPECT_FLOAT_EQ(d->FiloNudo[38][0], 0.01f);
}

TEST(AlimSceltaFilo, SecondarioUsaLaColonnaPiuDodici) {
    auto d = std::make_unique<ModuleDIC>();
    LibreriaPiena(*d, 13);  // column of secondary 1 only
    d->PriUlt = -1;
    d->SecUlt = 1;
    d->SecFiloNudo[0] = 0.37f;
    d->SecFiloNudo[1] = 0.37f;
    ScegliFiloRame(*d);
    EXPECT_EQ(d->SecFiloRiga[0], 38.0f);  // column 12 is empty
    EXPECT_FLOAT_EQ(d->FiloNudo[38][12], 0.37f);
    EXPECT_EQ(d->SecFiloRiga[1], 5.0f);
    EXPECT_EQ(d->SecFiloNudo[1], d->FiloNudo[5][13]);
    EXPECT_EQ(d->SecFiloIsol[1], d->FiloIsolato[5][13]);
}

}  // namespace
