// Winding build, copper-loss totals, groove sums and the groove fill check.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FakeSinks.h"
#include "engine/ModRoutine.h"

namespace {

const std::string kPiena = "Avvolgimenti Troppo Ingombranti in Gola ";

// Bobbin row `b`: Spr 20, Cr 16, M 10 mm; grooves H 40, I 25, L 15 mm.
// Wire row 3 of column c: 2,5 g/m, 0,5 mm², 0,85 mm enamelled, Kf 1,1,
// 0,035 ohm/m, 10 turns per cm.
void Prepara(ModuleDIC& d, int b, int c) {
    d.RochScelto = static_cast<int16_t>(b);
    d.RochSp[b] = 20;
    d.RochC[b] = 16;
    d.RochM[b] = 10;
    d.RochH[b] = 40;
    d.RochI[b] = 25;
    d.RochL[b] = 15;
    d.RochIsoStrH = 0.2f;
    d.RochIsoAvvH = 0.3f;
    d.RochIsoStrI = 0.1f;
    d.RochIsoAvvI = 0.5f;
    d.RochIsoStrL = 0.15f;
    d.RochIsoAvvL = 0.25f;
    d.PesoFilo[3][c] = 2.5f;
    d.SezioneFilo[3][c] = 0.5f;
    d.FiloIsolato[3][c] = 0.85f;
    d.CoefKfFilo[3][c] = 1.1f;
    d.ResistenzaFilo[3][c] = 0.035f;
    d.SpireCM[3][c] = 10;
}

// 100 turns of 1,25 A on bobbin 1 in groove H.
std::unique_ptr<ModuleDIC> UnPrimario() {
    auto d = std::make_unique<ModuleDIC>();
    Prepara(*d, 0, 0);
    d->PriUlt = 0;
    d->SecUlt = -1;
    d->PriSpire[0] = 100;
    d->PriAmp[0] = 1.25f;
    d->PriFiloRiga[0] = 3;
    d->PriRoch1[0] = d->PriGolaH[0] = VERO;
    return d;
}

TEST(AlimAvvolgimenti, PrimaryInEachGrooveWithItsOwnInsulation) {
    auto d = UnPrimario();
    CalcolaAvvolgimenti(*d);
    // Length (2 * 30 + 2 * 26) * 100 / 1000; 2,5 layers: two interlayer
    // sheets plus one between windings.
    Circa({V(d->PriLung[0], 11.2f), V(d->PriPeso[0], 28.0f), V(d->PriDens[0], 2.5f), V(d->PriPotPer[0], 0.419999987f),
           V(d->PriIng[0], 79.4750061f), V(d->PriRes[0], 0.39199999f), V(d->PriSpSt[0], 40.0f),
           V(d->PriStrati[0], 2.5f), V(d->PriIso[0], 2 * 0.2f * 40 + 0.3f * 40)});

    // Groove I, groove L, and groove L on bobbin 2 (the same bobbin row, so
    // the same heights).
    struct Caso {
        int16_t roch2, golaI, golaL;
        float spSt, strati, iso;
    };
    for (const Caso& k : {Caso{FALSO, VERO, FALSO, 25, 4, 22.5f}, Caso{FALSO, FALSO, VERO, 15, 6.66666651f, 17.25f},
                          Caso{VERO, FALSO, VERO, 15, 6.66666651f, 17.25f}}) {
        d->PriGolaH[0] = FALSO;
        d->PriRoch1[0] = Flag(!Vero(k.roch2));
        d->PriRoch2[0] = k.roch2;
        d->PriGolaI[0] = k.golaI;
        d->PriGolaL[0] = k.golaL;
        d->PriIso[0] = 0;
        CalcolaAvvolgimenti(*d);
        Circa({V(d->PriSpSt[0], k.spSt), V(d->PriStrati[0], k.strati), V(d->PriIso[0], k.iso)});
    }

    // Flags that name no place leave the groove figures as they were.
    d->PriRoch2[0] = FALSO;
    d->PriIso[0] = 123;
    CalcolaAvvolgimenti(*d);
    EXPECT_EQ(d->PriIso[0], 123.0f);
    EXPECT_FLOAT_EQ(d->PriLung[0], 11.2f);
}

TEST(AlimAvvolgimenti, SecondaryUsesTheWireCurrentAndTheBobbinRowInUse) {
    auto d = std::make_unique<ModuleDIC>();
    Prepara(*d, 1, 12);
    d->PriUlt = -1;
    d->SecUlt = 0;
    d->SecSpire[0] = 100;
    d->SecAmp[0] = 1.25f;
    d->SecAmpFilo[0] = 2.0f;  // raised by a load tap in series
    d->SecFiloRiga[0] = 3;
    d->SecRoch1[0] = d->SecGolaH[0] = VERO;
    CalcolaAvvolgimenti(*d);
    Circa({V(d->SecLung[0], 11.2f), V(d->SecDens[0], 4.0f), V(d->SecPotPer[0], 1.07519996f), V(d->SecIso[0], 28.0f)});
}

// Only 1 names the user's bobbin; any other value (2..5 hold no bobbin, or a
// stray value from an old project) builds on the computed row 0.
TEST(AlimAvvolgimenti, BobbinRowOtherThanOneMeansRowZero) {
    for (int16_t scelto : {int16_t{2}, int16_t{5}, int16_t{6}, int16_t{-1}}) {
        SCOPED_TRACE(scelto);
        auto d = UnPrimario();
        d->RochScelto = scelto;
        // Rows 1..5 hold a much larger bobbin that must not be used.
        for (int b = 1; b < ROCH_RIGHE; ++b) {
            d->RochSp[b] = 200;
            d->RochC[b] = 160;
            d->RochM[b] = 100;
            d->RochH[b] = 400;
            d->RochGolaH[b] = 1e6f;
        }
        d->RochGolaH[0] = 100;  // row 0: (79,475 + 28) * 1,1 = 118,2225 does not fit
        d->RochIngKi = 10;
        CalcolaAvvolgimenti(*d);
        Circa({V(d->PriLung[0], 11.2f), V(d->PriSpSt[0], 40.0f), V(d->PriIso[0], 28.0f)});
        SommaIngombriGole(*d);
        FakeMessaggi msg;
        VerificaIngombriAvvolgimenti(*d, msg);
        EXPECT_FLOAT_EQ(d->IngGolaH1, 118.222504f);
        EXPECT_EQ(msg.Testi(), std::vector<std::string>{kPiena + "H Rocchetto 1"});
    }
}

// Twelve windings a side at most: a count read from a damaged project never
// lets a thirteenth primary pick a wire in the first secondary's column.
TEST(AlimAvvolgimenti, ThirteenthPrimaryNeverTouchesTheSecondarysColumn) {
    auto d = std::make_unique<ModuleDIC>();
    d->Densita = 2.5f;
    d->PriUlt = 12;
    d->SecUlt = -1;
    for (int i = 0; i <= 12; ++i) d->PriAmp[i] = 1;
    d->FiloNudo[38][12] = 0.33f;  // the first secondary's own custom wire
    d->KfRame[38][12] = 1.2f;
    d->PriFiloRiga[12] = 7;
    CalcolaDiametroFilo(*d);
    ScegliFiloRame(*d);
    CalcolaAvvolgimenti(*d);
    EXPECT_EQ(d->PriFiloRiga[11], 38.0f);
    EXPECT_FLOAT_EQ(d->FiloNudo[38][11], 0.71f);  // 2 * Sqr(1 / 7,853975) cut to 0,01
    Esatti({V(d->FiloNudo[38][12], 0.33f), V(d->KfRame[38][12], 1.2f), V(d->PriFiloRiga[12], 7),
            V(d->PriFiloNudo[12], 0)});
}

// No groove height, or a wire with no turns per cm: no turns per layer and no
// layers, never an infinite count.
TEST(AlimAvvolgimenti, ZeroGrooveOrTurnsPerCmNeverDivide) {
    auto d = UnPrimario();
    d->RochH[0] = 0;
    CalcolaAvvolgimenti(*d);
    Esatti({V(d->PriSpSt[0], 0), V(d->PriStrati[0], 0), V(d->PriIso[0], 0)});
    d->RochH[0] = 40;
    d->SpireCM[3][0] = 0;
    CalcolaAvvolgimenti(*d);
    Esatti({V(d->PriSpSt[0], 0), V(d->PriStrati[0], 0)});
    EXPECT_FLOAT_EQ(d->PriIso[0], 12.0f);  // the sheet between windings only
}

TEST(AlimPerdite, SinglePhaseOnceThreePhaseZigZagTwice) {
    auto d = std::make_unique<ModuleDIC>();
    d->PriUlt = 1;
    d->SecUlt = 2;
    d->PriPotPer = {1.5f, 2.25f, 100.0f};
    d->SecPotPer = {0.5f, 1.0f, 0.25f, 100.0f};
    d->SecTrif[1] = "z";  // not a three-phase design: counted once
    CalcolaPerditeRame(*d);
    Circa({V(d->PotPerPri, 3.75f), V(d->PotPerSec, 1.75f), V(d->PotTotPers, 5.5f)});

    d->SecTrif = {"y", "z", "Z"};  // only a lower-case z is a zig-zag
    CalcolaPerditeRameTrif(*d);
    Circa({V(d->PotPerPri, 3.75f), V(d->PotPerSec, 2.75f), V(d->PotTotPers, 19.5f)});
}

TEST(AlimGole, SumsPerGrooveAndBobbin) {
    // Primary 0 in H1, primary 1 in I1 and L1 (inconsistent flags: counted in
    // both), secondary 0 in H2, secondary 1 on no bobbin, secondary 2 in L2.
    auto d = std::make_unique<ModuleDIC>();
    d->PriUlt = 1;
    d->SecUlt = 2;
    d->PriIng = {10, 20, 999};
    d->PriIso = {1, 2, 999};
    d->SecIng = {30, 40, 50, 999};
    d->SecIso = {3, 4, 5, 999};
    d->PriRoch1[0] = d->PriGolaH[0] = VERO;
    d->PriRoch1[1] = d->PriGolaI[1] = d->PriGolaL[1] = VERO;
    d->SecRoch2[0] = d->SecGolaH[0] = VERO;
    d->SecGolaH[1] = VERO;
    d->SecRoch2[2] = d->SecGolaL[2] = VERO;
    d->PriRoch1[2] = d->PriGolaH[2] = VERO;  // past the last primary
    d->SommaIngI2 = 55;                       // reset on every call
    d->PriTrif[0] = d->SecTrif[2] = "z";
    SommaIngombriGole(*d);
    Esatti({V(d->SommaIngH1, 10), V(d->SommaIsoH1, 1), V(d->SommaIngI1, 20), V(d->SommaIsoI1, 2),
            V(d->SommaIngL1, 20), V(d->SommaIsoL1, 2), V(d->SommaIngH2, 30), V(d->SommaIsoH2, 3),
            V(d->SommaIngI2, 0), V(d->SommaIngL2, 50), V(d->SommaIsoL2, 5)});

    // Three-phase: a zig-zag secondary counts twice, primaries once.
    SommaIngombriGoleTrif(*d);
    Esatti({V(d->SommaIngH1, 10), V(d->SommaIsoH1, 1), V(d->SommaIngH2, 30), V(d->SommaIngL2, 100),
            V(d->SommaIsoL2, 10)});
}

void Spazi(ModuleDIC& d, int b, float h, float i, float l) {
    d.RochScelto = static_cast<int16_t>(b);
    d.RochGolaH[b] = h;
    d.RochGolaI[b] = i;
    d.RochGolaL[b] = l;
}

TEST(AlimVerifica, KiWidensTheBuildAndExactlyFullWarns) {
    auto d = std::make_unique<ModuleDIC>();
    d->RochIngKi = 10;
    d->SommaIngH1 = 90;
    d->SommaIsoH1 = 10;
    Spazi(*d, 0, 111, 50, 50);
    FakeMessaggi msg;
    VerificaIngombriAvvolgimenti(*d, msg);
    EXPECT_FLOAT_EQ(d->IngGolaH1, 110.0f);
    EXPECT_EQ(d->IngGolaI1, 0.0f);
    EXPECT_TRUE(msg.boxes.empty());

    d->RochGolaH[0] = d->IngGolaH1;  // exactly full is too full
    VerificaIngombriAvvolgimenti(*d, msg);
    ASSERT_EQ(msg.Testi(), std::vector<std::string>{kPiena + "H Rocchetto 1"});
    EXPECT_EQ(msg.boxes[0].titolo, "Verifica Ingombri Avvolgimenti");
    EXPECT_EQ(msg.boxes[0].stile, mb::OkOnly + mb::Exclamation);
}

TEST(AlimVerifica, SixMessagesInOrderWithTheRowInUseAndNoneForAnEmptyGroove) {
    auto d = std::make_unique<ModuleDIC>();
    d->RochIngKi = 0;
    d->SommaIngH1 = d->SommaIngI1 = d->SommaIngL1 = 20;
    d->SommaIsoH2 = d->SommaIsoI2 = d->SommaIsoL2 = 20;
    Spazi(*d, 0, 1000, 1000, 1000);  // the computed bobbin would be roomy
    Spazi(*d, 1, 20, 10, 5);         // the user's bobbin, in use, is not
    FakeMessaggi msg;
    VerificaIngombriAvvolgimenti(*d, msg);
    std::vector<std::string> attesi;
    for (const char* r : {"1", "2"})
        for (const char* g : {"H", "I", "L"}) attesi.push_back(kPiena + g + " Rocchetto " + r);
    EXPECT_EQ(msg.Testi(), attesi);
    EXPECT_EQ(d->IngGolaL2, 20.0f);

    // A groove with nothing in it is not too full, even on a bobbin row whose
    // groove has no space (a one-groove bobbin has no I and L).
    auto v = std::make_unique<ModuleDIC>();
    v->RochIngKi = 10;
    v->SommaIngH1 = 100;
    Spazi(*v, 0, 500, 0, 0);
    FakeMessaggi vuota;
    VerificaIngombriAvvolgimenti(*v, vuota);
    EXPECT_TRUE(vuota.boxes.empty());
    Esatti({V(v->IngGolaI1, 0), V(v->IngGolaL2, 0)});
}

}  // namespace
