// The single-phase autotransformer: reader, powers and coefficient, common
// section current, tapped-winding turns and whole passes. Expected figures
// were worked out apart from the code, in Single arithmetic, from the formulas.
#include <cmath>

#include "FakeSinks.h"
#include "ProgettiAutoUsci.h"

// One volt per turn exactly (in Single arithmetic): the full turns are the voltages.
static void UnVoltPerSpira(ModuleDIC& d) {
    d.Frequenza = 1;
    d.LamSE = 1;
    d.Induzione = 2252.2522f;
}

TEST(AutoTrasfLettura, SharesTheSinglePhaseReaderUpToNineWindings) {
    auto d = NuovoProgettoAutoTrasf();
    DatiAlimTesti t = TestiAutoTrasf();
    // Nine windings are read; ten, or a text that is no count, leave the count.
    t.Cmb_PriNumAvv = "9";
    t.Txt_PriVolt[8] = "12,5";
    LeggiDatiAutoTrasf(*d, t);
    Esatti({V(d->PriUlt, 8), V(d->PriVolt[8], 12.5f)});
    for (const char* testo : {"10", "0", "x"}) {
        t.Cmb_PriNumAvv = t.Cmb_SecNumAvv = testo;
        LeggiDatiAutoTrasf(*d, t);
        Esatti({V(d->PriUlt, 8), V(d->SecUlt, 0)});
    }
}

// The coefficient compares the first windings, and takes the last winding of
// the other side in its quotient; no voltage at all gives the floor, not 0/0.
// Powers, drop and currents are the single-phase transformer's (AlimPasso).
TEST(AutoTrasfPotenze, CoefficientFromFirstAndLastWindings) {
    auto d = NuovoProgettoAutoTrasf();
    d->PriUlt = 1;
    d->SecUlt = 1;
    d->PriVolt = {240, 200};
    d->SecVolt = {100, 50};
    d->SecVoltVuoto = {104, 52};
    d->SecPotTot = 80;
    CalcolaCoefAuto(*d);  // step-down: (240 - 50) / 240
    Circa({V(d->CoefAuto, 190.0f / 240), V(d->PotPass, 80 * (190.0 / 240))});
    d->PriVolt[0] = 90;  // step-up: (100 - 200) / 100, its absolute value
    CalcolaCoefAuto(*d);
    Circa({V(d->CoefAuto, 1.0f), V(d->PotPass, 80)});

    auto z = std::make_unique<ModuleDIC>();
    CalcolaPotenzeAutoTrasf(*z);
    Esatti({V(z->CoefAuto, 0.003f), V(z->PotPass, 0), V(z->PriAmp[0], 0)});
}

// Only the last winding of the lower side changes, and only load taps in
// series add their currents. The floor of 0,01 A, the side of the common
// section and its wire: AutoTrifPotenze (the same routine).
TEST(AutoTrasfCorrenti, SumsLoadTapsIntoTheLastSecondary) {
    auto d = NuovoProgettoAutoTrasf();
    d->PriUlt = 0;
    d->SecUlt = 1;
    d->PriVolt[0] = 200;
    d->SecVoltVuoto = {110, 60};
    d->SecAmp = {2, 3};
    d->SecPot = {200, 150};
    d->Rendimento = 80;
    d->Densita = 2;
    CalcolaCorrentiAuto(*d);
    // (2 - 200/200/80*100) + (3 - 150/200/80*100) = 0,75 + 2,0625
    Circa({V(d->CorrenteSez, 2.8125f), V(d->SecAmpFilo[1], 2.8125f), V(d->SecAmpFilo[0], 0)});
    // A load tap out of series and a winding in series that is no load tap add nothing: the floor.
    d->SecAvvSer[1] = FALSO;
    d->SecAvvCar[0] = FALSO;
    CalcolaCorrentiAuto(*d);
    Circa({V(d->CorrenteSez, 0.01f), V(d->SecAmpFilo[1], 0.01f)});
}

TEST(AutoTrasfSpire, OrderedTapsAndSectionTurns) {
    struct Caso { const char* nome; float priUlt, secUlt; AvvArr pri, vuoto; AutoArr voltOrd, spireOrd;
                  AvvArr priSpire, secSpire; };
    const Caso casi[] = {
        {"step-up", 0, 0, {110}, {230}, {230, 110}, {120, 110}, {110}, {120}},
        // The first section has 0 turns and is overwritten by the later match.
        {"equal voltages", 0, 0, {120}, {120}, {120, 120}, {0, 120}, {120}, {120}},
        // 100,3 and 100,2 both give 100 turns: the primary comes first.
        {"equal turns", 0, 0, {100.3f}, {100.2f}, {100.3f, 100.2f}, {0, 100}, {0}, {100}},
        {"a tap of 0 turns comes last", 0, 0, {0.3f}, {50}, {50, 0.3f}, {50, 0}, {0}, {50}},
        {"fraction above 0,4 rounds up", 0, 0, {100.45f}, {100.35f}, {100.45f, 100.35f}, {1, 100}, {1}, {100}},
        {"two a side", 1, 1, {230, 220}, {110, 50}, {230, 220, 110, 50}, {10, 110, 60, 50}, {10, 110}, {60, 50}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        auto d = NuovoProgettoAutoTrasf();
        UnVoltPerSpira(*d);
        d->PriUlt = c.priUlt;
        d->SecUlt = c.secUlt;
        d->PriVolt = c.pri;
        d->SecVoltVuoto = c.vuoto;
        d->NumAvvScelto = 3;
        CalcolaSpireAuto(*d);
        ASSERT_EQ(d->FEMI, 1.0f);
        EXPECT_TRUE(d->AutoVoltOrd == c.voltOrd && d->AutoSpireOrd == c.spireOrd);
        EXPECT_TRUE(d->AutoSpire == AutoArr{} && d->NumAvvScelto == 3.0f);
        EXPECT_TRUE(d->PriSpire == c.priSpire && d->SecSpire == c.secSpire);
    }
}

// Whole passes, with the stack sized from the own power and with the
// lamination given; the common section's current reaches the winding build.
TEST(AutoTrasfPasso, WholePassInBothModes) {
    auto d = NuovoProgettoAutoTrasf();
    FakeMessaggi msg;
    CalcoloAutoTrasf(*d, TestiAutoTrasf(), msg);
    Circa({V(msg.boxes.size(), 0), V(d->PotPass, 75), V(d->CoefAuto, 0.25f), V(d->LamSE, 11.258329f), V(d->FEMI, 0.24993491f),
           V(d->PriSpire[0], 138), V(d->SecSpire[0], 502), V(d->CorrenteSez, 0.40012988f),
           V(d->SecAmpFilo[0], 0.40012988f), V(d->SecFiloNudo[0], 0.45f), V(d->SecDens[0], 2.51586008f),
           V(d->PriAmp[0], 2.0998702f)});
    EXPECT_GT(d->PotTotPers, 0.0f);

    // The lamination stays; its coefficient now follows from LamSE and PotPass.
    d->ConoscoPotenza = FALSO;
    DatiAlimTesti t = TestiAutoTrasf();
    t.Cmb_CoefK = "1,6";
    CalcoloAutoTrasf(*d, t, msg);
    Circa({V(msg.boxes.size(), 0), V(d->CoefK, 1.3f), V(d->LamSE, 11.258329f), V(d->PriSpire[0], 138), V(d->SecSpire[0], 502)});

    // Stepping up, the primary carries the section current.
    t = TestiUnAvvolgimento({"200", "240", "0,4166667", "100", "1,2", "3,0", "1,2"});
    d->ConoscoPotenza = VERO;
    CalcoloAutoTrasf(*d, t, msg);
    Circa({V(d->LamSE, 4.89897919f), V(d->PriSpire[0], 1533), V(d->SecSpire[0], 421), V(d->PriAmp[0], 0.17679301f),
           V(d->PriFiloNudo[0], 0.27f), V(d->PriDens[0], 3.08779192f)});
}

// No power at all (a secondary of 0 VA, only from a direct caller): with the
// lamination given the coefficient keeps its value; with the power given the
// stack has no section, and no turns. Nothing becomes infinite or NaN.
TEST(AutoTrasfPasso, NoPowerKeepsTheCoefficientAndDividesNothing) {
    for (int16_t modo : {FALSO, VERO}) {
        SCOPED_TRACE(modo);
        auto d = NuovoProgettoAutoTrasf();
        FakeMessaggi msg;
        CalcoloAutoTrasf(*d, TestiAutoTrasf(), msg);
        d->ConoscoPotenza = modo;
        DatiAlimTesti t = TestiAutoTrasf();
        t.Txt_SecPot[0] = "0";
        t.Cmb_CoefK = "1,6";
        CalcoloAutoTrasf(*d, t, msg);
        Esatti({V(d->PotPass, 0), V(d->CoefK, 1.6f)});
        if (Vero(modo)) Esatti({V(d->LamSE, 0), V(d->PriSpire[0], 0), V(d->SecSpire[0], 0)});
        for (float v : {d->CorrenteSez, d->PriFiloNudo[0], d->SecFiloNudo[0], d->PriDens[0], d->SecDens[0],
                        d->PotTotPers, d->IngGolaH1})
            EXPECT_TRUE(std::isfinite(v)) << v;
    }
}

