// Wire diameters from the currents, and the choice of a wire in each winding's
// column of the wire table.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/ModRoutine.h"
#include "FakeSinks.h"

namespace {

// Column c holds 38 wires from 0,10 to 1,95 mm in steps of 0,05 mm, or only
// the first `righe` of them (later rows 0).
void Libreria(ModuleDIC& d, int c, int righe = 38) {
    for (int r = 0; r < righe; ++r) {
        d.FiloNudo[r][c] = static_cast<float>(0.1 + 0.05 * r);
        d.FiloIsolato[r][c] = static_cast<float>(0.1 + 0.05 * r + 0.02);
    }
}

int Scegli(ModuleDIC& d, float richiesto) {
    d.PriUlt = 0;
    d.SecUlt = -1;
    d.PriFiloNudo[0] = richiesto;
    ScegliFiloRame(d);
    return static_cast<int>(d.PriFiloRiga[0]);
}

// Secondaries only, currents 1, 2, .. at 2,5 A/mm².
std::unique_ptr<ModuleDIC> Secondari(int16_t ult) {
    auto d = std::make_unique<ModuleDIC>();
    d->Densita = 2.5f;
    d->PriUlt = -1;
    d->SecUlt = ult;
    for (int i = 0; i <= ult; ++i) d->SecAmp[i] = static_cast<float>(i + 1);
    return d;
}

TEST(AlimDiametro, FromTheCurrentsAndTheDensity) {
    auto d = std::make_unique<ModuleDIC>();
    d->Densita = 2.5f;
    d->PriUlt = 0;
    d->PriAmp[0] = 1;
    d->SecUlt = 0;
    d->SecAmp[0] = 2;
    CalcolaDiametroFilo(*d);
    Circa({V(d->PriFiloNudo[0], 0.713649929f), V(d->SecAmpFilo[0], 2.0f), V(d->SecFiloNudo[0], 1.00925338f)});
}

TEST(AlimDiametro, TapsInSeriesPassTheirCurrentOn) {
    auto d = Secondari(3);
    d->TipoCalcolo = tipo::Monofase;
    d->SecAvvSer[0] = d->SecAvvCar[0] = VERO;  // load tap in series with winding 2
    d->SecAvvSerCon[0] = 2;
    d->SecAvvSer[1] = d->SecAvvAda[1] = VERO;  // voltage tap in series with winding 3: passes on what it got
    d->SecAvvSerCon[1] = 3;
    CalcolaDiametroFilo(*d);
    Esatti({V(d->SecAmpFilo[0], 1), V(d->SecAmpFilo[1], 3), V(d->SecAmpFilo[2], 4), V(d->SecAmpFilo[3], 4)});
    Circa({V(d->SecFiloNudo[1], 1.23607802f), V(d->SecFiloNudo[2], 1.42729986f)});
    // Only the output transformer shows the wire currents as its currents.
    EXPECT_EQ(d->SecAmp[1], 2.0f);
    d->TipoCalcolo = tipo::Uscita;
    CalcolaDiametroFilo(*d);
    Esatti({V(d->SecAmp[1], 3), V(d->SecAmp[2], 4)});

    // A voltage tap that got no extra current passes nothing on.
    auto a = Secondari(1);
    a->SecAvvSer[0] = a->SecAvvAda[0] = VERO;
    a->SecAvvSerCon[0] = 2;
    CalcolaDiametroFilo(*a);
    EXPECT_EQ(a->SecAmpFilo[1], 2.0f);
}

// A series partner outside the later windings in use is ignored. Partner 0 is
// what a fresh store holds: it must not write before the start of the arrays.
TEST(AlimDiametro, InvalidPartnerIsIgnored) {
    auto d = Secondari(1);
    d->SecAmpFilo[2] = 7;
    d->SecAvvSer[0] = d->SecAvvCar[0] = VERO;
    for (int16_t partner : {0, 1, 3, -4}) {
        d->SecAvvSerCon[0] = partner;
        CalcolaDiametroFilo(*d);
        Esatti({V(d->SecAmpFilo[0], 1), V(d->SecAmpFilo[1], 2), V(d->SecAmpFilo[2], 7)});
    }
}

TEST(AlimSceltaFilo, RowOfTheThinnerWireAndTheTenPercentMarginOfTheLast) {
    // Between rows the thinner wire serves. The last row of a full column
    // (1,95) serves up to 1.1 * 1,95, which as a Single is 2,145; a column cut
    // short gives no margin; past the end, or below the thinnest wire of a
    // full column, row 38 holds a computed wire.
    struct Caso {
        int righe;
        float richiesto;
        int riga;
    };
    const Caso casi[] = {{38, 0.35f, 5},  {38, 0.37f, 5},  {38, 0.4f, 6},   {38, 1.95f, 37},
                         {38, std::nextafter(2.145f, 0.0f), 37}, {38, 2.145f, 38}, {38, 3.0f, 38},
                         {38, 1.2345f, 22}, {38, 0.057f, 38}, {10, 0.5f, 8},  {10, 0.55f, 38},
                         {10, 0.56f, 38}, {0, 1.2345f, 38}};
    for (const Caso& k : casi) {
        auto d = std::make_unique<ModuleDIC>();
        Libreria(*d, 0, k.righe);
        EXPECT_EQ(Scegli(*d, k.richiesto), k.riga) << k.righe << " wires, " << k.richiesto << " mm";
        if (k.riga < 38) {
            Esatti({V(d->PriFiloNudo[0], d->FiloNudo[k.riga][0]), V(d->PriFiloIsol[0], d->FiloIsolato[k.riga][0])});
        }
    }
}

TEST(AlimSceltaFilo, ComputedWire) {
    auto d = std::make_unique<ModuleDIC>();
    Libreria(*d, 0);
    Scegli(*d, 2.145f);
    Circa({V(d->FiloNudo[38][0], 2.1400001f), V(d->SpireCM[38][0], 4.32075596f)});
    Scegli(*d, 3.0f);
    Scegli(*d, 1.2345f);  // back in the library: row 38 stays as built
    EXPECT_FLOAT_EQ(d->FiloNudo[38][0], 3.0f);
    Scegli(*d, 0.057f);
    Circa({V(d->FiloNudo[38][0], 0.05f), V(d->ResistenzaFilo[38][0], 8.96361351f)});

    auto v = std::make_unique<ModuleDIC>();  // empty column: every wire is computed
    Scegli(*v, 1.2345f);
    Circa({V(v->FiloNudo[38][0], 1.23000002f), V(v->FiloIsolato[38][0], 1.26690006f),
           V(v->SezioneFilo[38][0], 1.18822789f), V(v->KfRame[38][0], 1.05f), V(v->CoefKfFilo[38][0], 1.05f),
           V(v->SpireCM[38][0], 7.51741219f), V(v->ResistenzaFilo[38][0], 0.0148119731f),
           V(v->PesoFilo[38][0], 10.5752287f), V(v->PriFiloNudo[0], 1.23000002f), V(v->PriFiloIsol[0], 1.26690006f)});
    // The column's own Kf stays when it is set.
    v->KfRame[38][0] = 1.2f;
    Scegli(*v, 1.2345f);
    Circa({V(v->CoefKfFilo[38][0], 1.2f), V(v->SpireCM[38][0], 6.57773495f)});
}

// A computed wire is never thinner than 0,01 mm: with no current at all its
// turns per cm, resistance and the winding's density stay finite.
TEST(AlimSceltaFilo, ComputedWireNeverBelowOneHundredth) {
    auto d = std::make_unique<ModuleDIC>();
    d->Densita = 2.5f;
    d->PriUlt = 0;
    d->PriAmp[0] = 0;
    d->SecUlt = -1;
    CalcolaDiametroFilo(*d);
    EXPECT_EQ(d->PriFiloNudo[0], 0.0f);
    ScegliFiloRame(*d);
    EXPECT_EQ(d->PriFiloRiga[0], 38.0f);
    Circa({V(d->FiloNudo[38][0], 0.01f), V(d->SpireCM[38][0], 924.641724f), V(d->ResistenzaFilo[38][0], 224.090347f),
           V(d->PesoFilo[38][0], 0.000699003751f)});

    // No density set: no diameter, the same thin wire, nothing infinite.
    d->Densita = 0;
    d->PriAmp[0] = 1;
    d->FiloNudo[38][0] = 5;
    CalcolaDiametroFilo(*d);
    EXPECT_EQ(d->PriFiloNudo[0], 0.0f);
    ScegliFiloRame(*d);
    EXPECT_FLOAT_EQ(d->FiloNudo[38][0], 0.01f);
}

TEST(AlimSceltaFilo, SecondaryUsesColumnTwelvePlusItsIndex) {
    auto d = std::make_unique<ModuleDIC>();
    Libreria(*d, 13);  // column of secondary 1 only
    d->PriUlt = -1;
    d->SecUlt = 1;
    d->SecFiloNudo[0] = d->SecFiloNudo[1] = 0.37f;
    ScegliFiloRame(*d);
    EXPECT_EQ(d->SecFiloRiga[0], 38.0f);  // column 12 is empty
    EXPECT_FLOAT_EQ(d->FiloNudo[38][12], 0.37f);
    Esatti({V(d->SecFiloRiga[1], 5), V(d->SecFiloNudo[1], d->FiloNudo[5][13]), V(d->SecFiloIsol[1], d->FiloIsolato[5][13])});
}

}  // namespace
