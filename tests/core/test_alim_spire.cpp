// Turns: e.m.f. per turn, rounding of the turns, series windings.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/ModRoutine.h"
#include "FakeSinks.h"

namespace {

// 50 Hz, 1,0 T and 22,5167 cm² give about 0,49987 V per turn; one primary of
// 240 V (or two, 240 and 220 V) and one secondary of 150 V.
std::unique_ptr<ModuleDIC> ModuloEsempio(float priUlt = 0) {
    auto d = std::make_unique<ModuleDIC>();
    d->Frequenza = 50;
    d->Induzione = 1.0f;
    d->LamSE = 22.5167f;
    d->CadutaVolt = 4.5197f;
    d->PriUlt = priUlt;
    d->PriVolt[0] = 240;
    d->PriVolt[1] = 220;
    d->SecUlt = 0;
    d->SecVolt[0] = 150;
    return d;
}

// One volt per turn exactly (in Single arithmetic), so the quotient is the voltage.
std::unique_ptr<ModuleDIC> ModuloUnVoltPerSpira() {
    auto d = std::make_unique<ModuleDIC>();
    d->Frequenza = 1;
    d->LamSE = 1;
    d->Induzione = 2252.2522f;
    return d;
}

TEST(AlimSpire, ExampleWithPrimariesInSeriesAndASecondary) {
    auto d = ModuloEsempio(1);
    CalcolaSpire(*d);
    EXPECT_FLOAT_EQ(d->FEMI, 0.499870747f);
    EXPECT_FLOAT_EQ(d->SecVoltVuoto[0], 156.779556f);
    Esatti({V(d->PriSpire[0], 480), V(d->PriSpire[1], 440), V(d->SecSpire[0], 314)});

    // The first primary in series with winding 2 keeps the 40 turns beyond it.
    d->PriAvvSer[0] = d->PriAvvAda[0] = VERO;
    d->PriAvvSerCon[0] = 2;
    CalcolaSpire(*d);
    Esatti({V(d->PriSpire[0], 40), V(d->PriSpire[1], 440)});
}

// The fraction is taken as a Single: 12,4 is just below 12.4 and rounds down,
// 100,4 is just above and rounds up.
TEST(AlimSpire, FractionAboveFourTenthsRoundsUp) {
    auto d = ModuloUnVoltPerSpira();
    const float tensioni[] = {12.4f, 100.4f, 0.4f, 7.0f, 46.396f, 47.297f, 313.641f, 5.41f, 5.5f};
    const float attese[] = {12, 101, 0, 7, 46, 47, 314, 6, 6};
    d->PriUlt = 8;
    for (int i = 0; i < 9; ++i) d->PriVolt[i] = tensioni[i];
    CalcolaSpire(*d);
    ASSERT_EQ(d->FEMI, 1.0f);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(d->PriSpire[i], attese[i]) << tensioni[i];
}

TEST(AlimSpire, SecondariesInSeriesAndTheLastNeverCorrected) {
    auto d = ModuloUnVoltPerSpira();
    d->CadutaVolt = 0;
    d->SecUlt = 2;
    d->SecVolt = {30, 20, 20};
    d->SecAvvSer[0] = d->SecAvvCar[0] = VERO;  // load tap in series with winding 2
    d->SecAvvSerCon[0] = 2;
    d->SecAvvSer[1] = d->SecAvvAda[1] = VERO;  // voltage tap in series with winding 3, same voltage
    d->SecAvvSerCon[1] = 3;
    d->SecAvvSer[2] = VERO;  // the last winding is never corrected
    d->SecAvvSerCon[2] = 1;
    CalcolaSpire(*d);
    // Ascending order: winding 0 subtracts winding 1's full count, taken before
    // winding 1 is itself corrected.
    Esatti({V(d->SecSpire[0], 10), V(d->SecSpire[1], 0), V(d->SecSpire[2], 20)});
}

// No iron section yet: no e.m.f. per turn, so no turns, and nothing infinite.
TEST(AlimSpire, NoSectionNoTurns) {
    for (float se : {0.0f, -5.0f}) {
        auto d = ModuloEsempio();
        d->LamSE = se;
        d->PriSpire[0] = d->SecSpire[0] = 99;
        CalcolaSpire(*d);
        Esatti({V(d->PriSpire[0], 0), V(d->SecSpire[0], 0)});
        if (se == 0) {
            EXPECT_EQ(d->FEMI, 0.0f);
        }
        EXPECT_FLOAT_EQ(d->SecVoltVuoto[0], 156.779556f);
    }
}

// A partner that is not a later winding in use on the same side is ignored:
// itself, an earlier winding, 0 (the store's start value) or a slot past the last.
TEST(AlimSpire, InvalidPartnerIsIgnored) {
    auto d = ModuloUnVoltPerSpira();
    d->PriUlt = 2;
    d->PriVolt = {50, 40, 30};
    d->PriSpire[3] = 5;  // stale turns past the last primary
    d->PriAvvSer[0] = d->PriAvvSer[1] = VERO;
    for (auto [p0, p1] : {std::pair{4, 1}, std::pair{0, 2}}) {
        d->PriAvvSerCon[0] = static_cast<int16_t>(p0);
        d->PriAvvSerCon[1] = static_cast<int16_t>(p1);
        CalcolaSpire(*d);
        Esatti({V(d->PriSpire[0], 50), V(d->PriSpire[1], 40)});
    }
    d->PriAvvSerCon[0] = 3;  // a later winding in use: applied
    CalcolaSpire(*d);
    EXPECT_EQ(d->PriSpire[0], 20.0f);
}

}  // namespace
