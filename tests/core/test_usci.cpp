// The output transformer: reader, powers, winding sections of every
// configuration, air gap and whole passes. Expected figures were worked out
// apart from the code, in Single arithmetic, from the formulas.
#include <cmath>

#include "FakeSinks.h"
#include "ProgettiAutoUsci.h"

namespace {

constexpr int S = SLOT_USCI;

// A shell lamination library of two rows: the 63,2 cm² the default 10 VA need
// take row 0 (C 28 mm, so LamSE 7,0630631 cm²).
std::unique_ptr<ModuleDIC> Progetto() {
    auto d = NuovoProgettoUsci();
    d->LamMantello = VERO;
    d->LamAxB[0] = 60;
    d->LamC[0] = 28;
    d->LamE[0] = 42;
    d->LamF[0] = 14;
    d->LamPeso[0] = 0.45f;
    d->LamAxB[1] = 80;
    d->CoefK = 1.25f;
    d->PotMin = 3;
    d->PotMax = 30;
    return d;
}

// The stack of the defaults, and the figures the power routine leaves.
void StackEPotenzeFinestra(ModuleDIC& d, std::initializer_list<float> carichi) {
    d.Frequenza = 50;
    d.Induzione = 0.5f;
    d.LamSE = 7.0630631f;
    d.PriImp[S] = 6250;
    d.PriAmp[S] = 0.04f;
    auto it = carichi.begin();
    for (int i = S; i <= S + 2; ++i) d.SecImp[i] = *it++;
    CalcolaPotenzeUsci(d);
}

// One volt per turn exactly and no drop: the turns are the voltages.
void UnVoltPerSpira(ModuleDIC& d) {
    d.Frequenza = 1;
    d.LamSE = 1;
    d.Induzione = 2252.2522f;
    d.CadutaVolt = 0;
    d.PriAmp[S] = 0.1f;
    for (int i = S; i <= S + 2; ++i) d.SecAmp[i] = static_cast<float>(i - S + 1);
}

TEST(UsciLettura, CopiesTheTextsIntoTheirSlots) {
    auto d = Progetto();
    DatiUsciTesti t = TestiUsci();
    t.Cmb_PriNumAvv = "10";
    t.Cmb_SecNumAvv = "8";
    t.Cmb_SecTipo = "h ";
    LeggiDatiUsci(*d, t);  // the lists' and boxes' values: the whole pass
    Esatti({V(d->PriUlt, 9), V(d->SecUlt, 7)});
    EXPECT_EQ(d->SecTipo, "h ");
    // A count past twelve, or a text that is no number, leaves the value.
    t.Cmb_PriNumAvv = "13";
    t.Cmb_SecNumAvv = "";
    t.Txt_PriImp = ",";
    t.Txt_SecImp[2] = "x";
    LeggiDatiUsci(*d, t);
    Esatti({V(d->PriUlt, 9), V(d->SecUlt, 7), V(d->PriImp[S], 6250), V(d->SecImp[S + 2], 6)});
}

// The window's powers are checked by the whole pass. No impedance typed yet:
// no current, rather than a division by zero.
TEST(UsciPotenze, NoImpedanceNoCurrent) {
    auto d = Progetto();
    StackEPotenzeFinestra(*d, {8, 0, 6});
    Esatti({V(d->SecVolt[S + 1], 0), V(d->SecAmp[S + 1], 0)});
}

// Single-ended the gap is in the centre leg: half the two-leg value for a
// shell (in the whole pass) or three-leg core; push-pull has none; a core of unknown shape takes
// the two-leg value.
TEST(UsciAvvolgimenti, AirGapByStageAndCoreShape) {
    struct Caso { const char* nome; int16_t single, mantello, dueColonne, treColonne; float traferro; };
    const Caso casi[] = {
        {"three-leg", VERO, FALSO, FALSO, VERO, 0.16021536f},
        {"two-leg", VERO, FALSO, VERO, FALSO, 0.32043073f},
        {"no shape", VERO, FALSO, FALSO, FALSO, 0.32043073f},
        {"push-pull", FALSO, VERO, FALSO, FALSO, 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        auto d = Progetto();
        d->SecTipo = "N";
        d->OptSingle = c.single;
        d->LamMantello = c.mantello;
        d->Lam2Colonne = c.dueColonne;
        d->Lam3Colonne = c.treColonne;
        d->Traferro = 9;
        StackEPotenzeFinestra(*d, {8, 7, 6});
        CalcolaAvvolgimentiUsci(*d);
        Circa({V(d->Traferro, c.traferro), V(d->Induttanza, 19.904459f)});
    }
}

// The rounding to a multiple and the shares of every letter, with one volt per
// turn and no drop. Primary and secondary load turns are the voltages.
TEST(UsciAvvolgimenti, MultiplesAndShares) {
    struct Caso { const char* nome; const char* tipo; int16_t single; float priUlt, secUlt, priVolt, secVolt16, secVolt17;
                  float priSpire16, priSez, secSpire16; std::vector<float> secSez, secAmp; };
    const Caso casi[] = {
        {"N: 12,5 rounds up", "N", VERO, 0, 0, 12.5f, 12.3f, 1, 13, 13, 12, {12}, {1}},
        {"N: 3 primaries, 3 secondaries", "N", VERO, 2, 2, 100, 100, 1, 100, 33, 100,
         {33.333332f, 33.333332f, 33.333332f}, {1, 1, 1}},
        {"H push-pull: 1234 down to 1230", "H", FALSO, 9, 7, 1234, 100, 1, 1230, 123, 100,
         {25, 50, 25, 50, 50, 25, 50, 25}, std::vector<float>(8, 1.0f / 3)},
        {"H push-pull: 1235 up to 1240", "H", FALSO, 9, 7, 1235, 100, 1, 1240, 124, 100,
         {25, 50, 25, 50, 50, 25, 50, 25}, std::vector<float>(8, 1.0f / 3)},
        {"B: 101 up to 102", "B", FALSO, 3, 1, 100, 101, 1, 100, 25, 102, {51, 51}, {1, 1}},
        {"D: 100 down to 99", "D", VERO, 3, 3, 100, 100, 1, 100, 25, 99, {66, 66, 33, 33}, {0.5f, 0.5f, 0.5f, 0.5f}},
        {"C: quarters", "C", FALSO, 5, 3, 100, 100, 1, 102, 17, 100, {25, 25, 25, 25}, {1, 1, 1, 1}},
        {"E: thirds of the current", "E", VERO, 3, 5, 100, 100, 1, 100, 25, 100, {25, 75, 75, 25, 75, 25},
         std::vector<float>(6, 1.0f / 3)},
        {"F: seven sections", "F", FALSO, 7, 6, 100, 100, 1, 104, 13, 100, {25, 75, 75, 25, 50, 25, 25},
         std::vector<float>(7, 1.0f / 3)},
        {"G: sixths", "G", VERO, 4, 5, 100, 100, 1, 100, 20, 102, {17, 34, 51, 51, 34, 17},
         std::vector<float>(6, 0.5f)},
        {"A single-ended: 50 over 47", "A", VERO, 2, 1, 99, 50, 47, 99, 33, 3, {3, 47}, {1, 2}},
        {"A push-pull: halves", "A", FALSO, 5, 3, 99, 50, 46, 102, 17, 4, {2, 2, 23, 23}, {1, 1, 2, 2}},
        // A second load larger than the first, from a direct caller: 0, never negative.
        {"A with the loads swapped", "A", VERO, 2, 1, 99, 47, 50, 99, 33, 0, {0, 50}, {1, 2}},
        // F's eight primary sections from a count that no Single can step through.
        {"F: 2^25 + 4 up to 2^25 + 8", "F", FALSO, 7, 6, 33554436, 100, 1, 33554440, 4194305, 100,
         {25, 75, 75, 25, 50, 25, 25}, std::vector<float>(7, 1.0f / 3)},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        auto d = Progetto();
        UnVoltPerSpira(*d);
        d->SecTipo = c.tipo;
        d->OptSingle = c.single;
        d->PriUlt = c.priUlt;
        d->SecUlt = c.secUlt;
        d->PriVolt[S] = c.priVolt;
        d->SecVolt[S] = c.secVolt16;
        d->SecVolt[S + 1] = c.secVolt17;
        d->SecVolt[S + 2] = 1;
        CalcolaAvvolgimentiUsci(*d);
        ASSERT_EQ(d->FEMI, 1.0f);
        Esatti({V(d->PriSpire[S], c.priSpire16), V(d->SecSpire[S], c.secSpire16)});
        // Each section's power and impedance: the whole passes, on independent figures.
        for (int i = 0; i <= static_cast<int>(c.priUlt); ++i)
            Circa({V(d->PriSpire[i], c.priSez), V(d->PriVolt[i], c.priSez), V(d->PriAmp[i], 0.1f)});
        ASSERT_EQ(c.secSez.size(), static_cast<size_t>(c.secUlt) + 1);
        for (size_t i = 0; i < c.secSez.size(); ++i) {
            const float v = c.secSez[i];
            Circa({V(d->SecSpire[i], v), V(d->SecVoltVuoto[i], v), V(d->SecVolt[i], v), V(d->SecAmp[i], c.secAmp[i])});
        }
    }
}

// A letter outside N, A..H (lower case too) leaves every section as it was;
// the load turns, the inductance and the gap are still computed.
TEST(UsciAvvolgimenti, UnknownLetterLeavesTheSections) {
    for (const char* tipo : {"a", "I", "AB"}) {
        SCOPED_TRACE(tipo);
        auto d = Progetto();
        UnVoltPerSpira(*d);
        d->SecTipo = tipo;
        d->PriVolt[S] = 100;
        d->SecVolt[S] = d->SecVolt[S + 1] = 50;
        d->PriSpire[0] = d->PriVolt[0] = d->SecSpire[0] = d->SecImp[0] = 7;
        CalcolaAvvolgimentiUsci(*d);
        Esatti({V(d->PriSpire[S], 100), V(d->SecSpire[S], 50), V(d->PriSpire[0], 7), V(d->PriVolt[0], 7),
                V(d->SecSpire[0], 7), V(d->SecImp[0], 7)});
        EXPECT_GT(d->Traferro, 0.0f);
    }
}

// No stack yet: no turns anywhere, and nothing divides.
TEST(UsciAvvolgimenti, NoIronSectionGivesNoTurns) {
    auto d = Progetto();
    d->SecTipo = "H";
    d->PriUlt = 4;
    d->SecUlt = 7;
    StackEPotenzeFinestra(*d, {8, 4, 2});
    d->LamSE = 0;
    CalcolaAvvolgimentiUsci(*d);
    Esatti({V(d->FEMI, 0), V(d->PriSpire[S], 0), V(d->SecSpire[S], 0), V(d->PriSpire[0], 0), V(d->PriImp[0], 0),
            V(d->SecSpire[7], 0), V(d->SecImp[7], 0), V(d->Traferro, 0)});
}

// Whole passes: the stack sized from the primary power, then kept with only
// its iron loss recomputed; the coefficient and the power range are never written.
TEST(UsciPasso, WholePassInBothModes) {
    auto d = Progetto();
    FakeMessaggi msg;
    CalcoloUsci(*d, TestiUsci(), msg);
    Circa({V(msg.boxes.size(), 0), V(d->LamSE, 7.0630631f), V(d->LamSP, 28.0f), V(d->LamPesoPacco, 1.26f), V(d->LamPF, 0.4725f),
           V(d->FEMI, 0.078400001f), V(d->PriSpire[S], 3189), V(d->SecSpire[S], 112), V(d->SecSpire[S + 1], 105),
           V(d->SecSpire[S + 2], 97), V(d->PriSpire[0], 3189), V(d->PriVolt[0], 250.017609f),
           V(d->PriPot[0], 10.0007038f), V(d->PriImp[0], 6250.4404f), V(d->SecSpire[0], 112),
           V(d->SecVoltVuoto[0], 8.7808f), V(d->SecVolt[0], 7.61947680f), V(d->SecPot[0], 7.26632261f),
           V(d->SecImp[0], 7.98979473f), V(d->Induttanza, 19.904459f), V(d->Traferro, 0.16021536f),
           V(d->SecAmp[0], 0.95365113f), V(d->SecAmpFilo[0], 0.95365113f)});
    // The load slots keep their voltages; only the turns are new.
    Circa({V(d->PriVolt[S], 250), V(d->SecVolt[S], 7.62920904f), V(d->Rendimento, 72.7560425f),
           V(d->CadutaVolt, 15.2415066f)});
    Esatti({V(d->CoefK, 1.25f), V(d->PotMin, 3), V(d->PotMax, 30)});
    EXPECT_GT(d->PotTotPers, 0.0f);

    d->ConoscoPotenza = FALSO;
    d->LamPesoPacco = 2;  // a stack the user changed
    DatiUsciTesti t = TestiUsci();
    t.Txt_PriImp = "12500";  // twice the power: a sized stack would grow
    CalcoloUsci(*d, t, msg);
    Circa({V(d->LamSE, 7.0630631f), V(d->LamPesoPacco, 2), V(d->LamPF, 0.75f), V(d->PriVolt[S], 500)});
    Esatti({V(d->CoefK, 1.25f), V(d->PotMin, 3), V(d->PotMax, 30)});
}

// A single-ended with equal first and second loads (a refused second box goes
// back to "8"): the first section has no turns and no impedance, and the whole
// pass stays finite.
TEST(UsciPasso, ConfigurationAWithEqualLoads) {
    auto d = Progetto();
    FakeMessaggi msg;
    DatiUsciTesti t = TestiUsci();
    t.Cmb_SecTipo = "A";
    t.Cmb_PriNumAvv = "3";
    t.Cmb_SecNumAvv = "2";
    t.Txt_SecImp = {"8", "8", "6"};
    CalcoloUsci(*d, t, msg);
    Circa({V(d->PriSpire[S], 3189), V(d->PriSpire[2], 1063), V(d->PriVolt[2], 83.339203f),
           V(d->PriImp[2], 2083.48f), V(d->SecSpire[1], 112), V(d->SecVolt[1], 7.6194768f),
           V(d->SecImp[1], 7.98979473f)});
    Esatti({V(d->SecSpire[S], 0), V(d->SecSpire[0], 0), V(d->SecVolt[0], 0), V(d->SecPot[0], 0),
            V(d->SecImp[0], 0), V(d->SecLung[0], 0)});
    for (int i = 0; i <= 1; ++i)
        for (float v : {d->SecImp[i], d->SecAmp[i], d->SecDens[i], d->SecStrati[i], d->SecPotPer[i]})
            EXPECT_TRUE(std::isfinite(v)) << i << " " << v;
    EXPECT_TRUE(std::isfinite(d->IngGolaH1));
}

}  // namespace
