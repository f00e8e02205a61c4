// Winding build, copper-loss totals, groove sums and the groove fill check.
#include <gtest/gtest.h>

#include <memory>

#include "FakeSinks.h"
#include "engine/ModRoutine.h"

namespace {

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

std::unique_ptr<ModuleDIC> UnPrimario() {
    auto d = std::make_unique<ModuleDIC>();
    Prepara(*d, 0, 0);
    d->PriUlt = 0;
    d->SecUlt = -1;
    d->PriSpire[0] = 100;
    d->PriAmp[0] = 1.25f;
    d->PriFiloRiga[0] = 3;
    d->PriRoch1[0] = VERO;
    d->PriGolaH[0] = VERO;
    return d;
}

TEST(AlimAvvolgimenti, FigureDiUnPrimarioInGolaH) {
    auto d = UnPrimario();
    CalcolaAvvolgimenti(*d);
    EXPECT_FLOAT_EQ(d->PriLung[0], 11.2f);  // (2 * 30 + 2 * 26) * 100 / 1000
    EXPECT_FLOAT_EQ(d->PriPeso[0], 28.0f);
    EXPECT_FLOAT_EQ(d->PriDens[0], 2.5f);
    EXPECT_FLOAT_EQ(d->PriPotPer[0], 0.419999987f);
    EXPECT_FLOAT_EQ(d->PriIng[0], 79.4750061f);
    EXPECT_FLOAT_EQ(d->PriRes[0], 0.39199999f);
    EXPECT_FLOAT_EQ(d->PriSpSt[0], 40.0f);
    EXPECT_FLOAT_EQ(d->PriStrati[0], 2.5f);
    // 2,5 layers: two interlayer sheets plus one between windings.
    EXPECT_FLOAT_EQ(d->PriIso[0], 2 * 0.2f * 40 + 0.3f * 40);
}

TEST(AlimAvvolgimenti, GoleIELConIPropriIsolanti) {
    auto d = UnPrimario();
    d->PriGolaH[0] = FALSO;
    d->PriGolaI[0] = VERO;
    CalcolaAvvolgimenti(*d);
    EXPECT_FLOAT_EQ(d->PriSpSt[0], 25.0f);
    EXPECT_FLOAT_EQ(d->PriStrati[0], 4.0f);
    EXPECT_FLOAT_EQ(d->PriIso[0], 22.5f);

    d->PriGolaI[0] = FALSO;
    d->PriGolaL[0] = VERO;
    CalcolaAvvolgimenti(*d);
    EXPECT_FLOAT_EQ(d->PriSpSt[0], 15.0f);
    EXPECT_FLOAT_EQ(d->PriStrati[0], 6.66666651f);
    EXPECT_FLOAT_EQ(d->PriIso[0], 17.25f);

    // Bobbin 2 uses the same bobbin row, so the same groove heights.
    d->PriRoch1[0] = FALSO;
    d->PriRoch2[0] = VERO;
    d->PriIso[0] = 0;
    CalcolaAvvolgimenti(*d);
    EXPECT_FLOAT_EQ(d->PriSpSt[0], 15.0f);
    EXPECT_FLOAT_EQ(d->PriIso[0], 17.25f);

    // Flags that name no place leave the groove figures as they were.
    d->PriRoch2[0] = FALSO;
    d->PriIso[0] = 123;
    CalcolaAvvolgimenti(*d);
    EXPECT_EQ(d->PriIso[0], 123.0f);
    EXPECT_FLOAT_EQ(d->PriLung[0], 11.2f);
}

TEST(AlimAvvolgimenti, SecondarioUsaLaCorrenteDelFiloERigaDelRocchettoInUso) {
    auto d = std::make_unique<ModuleDIC>();
    Prepara(*d, 1, 12);
    d->PriUlt = -1;
    d->SecUlt = 0;
    d->SecSpire[0] = 100;
    d->SecAmp[0] = 1.25f;
    d->SecAmpFilo[0] = 2.0f;  // raised by a load tap in series
    d->SecFiloRiga[0] = 3;
    d->SecRoch1[0] = VERO;
    d->SecGolaH[0] = VERO;
    CalcolaAvvolgimenti(*d);
    EXPECT_FLOAT_EQ(d->SecLung[0], 11.2f);
    EXPECT_FLOAT_EQ(d->SecDens[0], 4.0f);
    EXPECT_FLOAT_EQ(d->SecPotPer[0], 1.07519996f);
    EXPECT_FLOAT_EQ(d->SecIso[0], 28.0f);
}

// Only 1 names the user's bobbin; any other value (2..5 hold no bobbin, or a
// stray value from an old project) builds on the computed row 0.
TEST(AlimAvvolgimenti, RigaDelRocchettoDiversaDaUnoValeZero) {
    for (int16_t scelto : {int16_t{2}, int16_t{5}, int16_t{6}, int16_t{-1}}) {
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
        EXPECT_FLOAT_EQ(d->PriLung[0], 11.2f) << scelto;
        EXPECT_FLOAT_EQ(d->PriSpSt[0], 40.0f) << scelto;
        EXPECT_FLOAT_EQ(d->PriIso[0], 28.0f) << scelto;
        SommaIngombriGole(*d);
        FakeMessaggi msg;
        VerificaIngombriAvvolgimenti(*d, msg);
        EXPECT_FLOAT_EQ(d->IngGolaH1, 118.222504f) << scelto;
        ASSERT_EQ(msg.boxes.size(), 1u) << scelto;
        EXPECT_EQ(msg.boxes[0].testo, "Avvolgimenti Troppo Ingombranti in Gola H Rocchetto 1");
    }
}

// Twelve windings a side at most: a count read from a damaged project never
// lets a thirteenth primary pick a wire in the first secondary's column.
TEST(AlimAvvolgimenti, TredicesimoPrimarioNonToccaLaColonnaDelSecondario) {
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
    EXPECT_EQ(d->FiloNudo[38][12], 0.33f);
    EXPECT_EQ(d->KfRame[38][12], 1.2f);
    EXPECT_EQ(d->PriFiloRiga[12], 7.0f);
    EXPECT_EQ(d->PriFiloNudo[12], 0.0f);
}

// No groove height, or a wire with no turns per cm: no turns per layer and no
// layers, never an infinite count.
TEST(AlimAvvolgimenti, GolaOSpireCmNulleNonDividono) {
    auto d = UnPrimario();
    d->RochH[0] = 0;
    CalcolaAvvolgimenti(*d);
    EXPECT_EQ(d->PriSpSt[0], 0.0f);
    EXPECT_EQ(d->PriStrati[0], 0.0f);
    EXPECT_EQ(d->PriIso[0], 0.0f);

    d->RochH[0] = 40;
    d->SpireCM[3][0] = 0;
    CalcolaAvvolgimenti(*d);
    EXPECT_EQ(d->PriSpSt[0], 0.0f);
    EXPECT_EQ(d->PriStrati[0], 0.0f);
    EXPECT_FLOAT_EQ(d->PriIso[0], 12.0f);  // the sheet between windings only
}

TEST(AlimPerdite, TotaliMonofase) {
    auto d = std::make_unique<ModuleDIC>();
    d->PriUlt = 1;
    d->SecUlt = 2;
    d->PriPotPer = {1.5f, 2.25f, 100.0f};
    d->SecPotPer = {0.5f, 1.0f, 0.25f, 100.0f};
    d->SecTrif[1] = "z";  // not a three-phase design: counted once
    CalcolaPerditeRame(*d);
    EXPECT_FLOAT_EQ(d->PotPerPri, 3.75f);
    EXPECT_FLOAT_EQ(d->PotPerSec, 1.75f);
    EXPECT_FLOAT_EQ(d->PotTotPers, 5.5f);
}

TEST(AlimPerdite, TotaliTrifaseZigZagDoppio) {
    auto d = std::make_unique<ModuleDIC>();
    d->PriUlt = 1;
    d->SecUlt = 2;
    d->PriPotPer = {1.5f, 2.25f};
    d->SecPotPer = {0.5f, 1.0f, 0.25f};
    d->SecTrif = {"y", "z", "Z"};  // only a lower-case z is a zig-zag
    CalcolaPerditeRameTrif(*d);
    EXPECT_FLOAT_EQ(d->PotPerPri, 3.75f);
    EXPECT_FLOAT_EQ(d->PotPerSec, 2.75f);
    EXPECT_FLOAT_EQ(d->PotTotPers, 19.5f);
}

// Primary 0 in H1, primary 1 in I1 and L1 (inconsistent flags: counted in both),
// secondary 0 in H2, secondary 1 on no bobbin, secondary 2 in L2.
std::unique_ptr<ModuleDIC> Gole() {
    auto d = std::make_unique<ModuleDIC>();
    d->PriUlt = 1;
    d->SecUlt = 2;
    d->PriIng = {10, 20, 999};
    d->PriIso = {1, 2, 999};
    d->SecIng = {30, 40, 50, 999};
    d->SecIso = {3, 4, 5, 999};
    d->PriRoch1[0] = VERO;
    d->PriGolaH[0] = VERO;
    d->PriRoch1[1] = VERO;
    d->PriGolaI[1] = VERO;
    d->PriGolaL[1] = VERO;
    d->SecRoch2[0] = VERO;
    d->SecGolaH[0] = VERO;
    d->SecGolaH[1] = VERO;
    d->SecRoch2[2] = VERO;
    d->SecGolaL[2] = VERO;
    d->PriRoch1[2] = VERO;  // past the last primary
    d->PriGolaH[2] = VERO;
    return d;
}

TEST(AlimGole, SommePerGolaERocchetto) {
    auto d = Gole();
    d->SommaIngI2 = 55;  // reset on every call
    d->PriTrif[0] = "z";
    d->SecTrif[2] = "z";
    SommaIngombriGole(*d);
    EXPECT_EQ(d->SommaIngH1, 10.0f);
    EXPECT_EQ(d->SommaIsoH1, 1.0f);
    EXPECT_EQ(d->SommaIngI1, 20.0f);
    EXPECT_EQ(d->SommaIsoI1, 2.0f);
    EXPECT_EQ(d->SommaIngL1, 20.0f);
    EXPECT_EQ(d->SommaIsoL1, 2.0f);
    EXPECT_EQ(d->SommaIngH2, 30.0f);
    EXPECT_EQ(d->SommaIsoH2, 3.0f);
    EXPECT_EQ(d->SommaIngI2, 0.0f);
    EXPECT_EQ(d->SommaIngL2, 50.0f);
    EXPECT_EQ(d->SommaIsoL2, 5.0f);

    // Three-phase: a zig-zag secondary counts twice, primaries once.
    SommaIngombriGoleTrif(*d);
    EXPECT_EQ(d->SommaIngH1, 10.0f);
    EXPECT_EQ(d->SommaIsoH1, 1.0f);
    EXPECT_EQ(d->SommaIngH2, 30.0f);
    EXPECT_EQ(d->SommaIngL2, 100.0f);
    EXPECT_EQ(d->SommaIsoL2, 10.0f);
}

void Spazi(ModuleDIC& d, int b, float h, float i, float l) {
    d.RochScelto = static_cast<int16_t>(b);
    d.RochGolaH[b] = h;
    d.RochGolaI[b] = i;
    d.RochGolaL[b] = l;
}

TEST(AlimVerifica, KiAllargaIngombroESpazioUgualeAvvisa) {
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
    ASSERT_EQ(msg.boxes.size(), 1u);
    EXPECT_EQ(msg.boxes[0].testo, "Avvolgimenti Troppo Ingombranti in Gola H Rocchetto 1");
    EXPECT_EQ(msg.boxes[0].titolo, "Verifica Ingombri Avvolgimenti");
    EXPECT_EQ(msg.boxes[0].stile, mb::OkOnly + mb::Exclamation);
}

TEST(AlimVerifica, SeiMessaggiInOrdineConLaRigaInUso) {
    auto d = std::make_unique<ModuleDIC>();
    d->RochIngKi = 0;
    d->SommaIngH1 = d->SommaIngI1 = d->SommaIngL1 = 20;
    d->SommaIsoH2 = d->SommaIsoI2 = d->SommaIsoL2 = 20;
    Spazi(*d, 0, 1000, 1000, 1000);  // the computed bobbin would be roomy
    Spazi(*d, 1, 20, 10, 5);         // the user's bobbin, in use, is not
    FakeMessaggi msg;
    VerificaIngombriAvvolgimenti(*d, msg);
    const char* attesi[] = {
        "Avvolgimenti Troppo Ingombranti in Gola H Rocchetto 1",
        "Avvolgimenti Troppo Ingombranti in Gola I Rocchetto 1",
        "Avvolgimenti Troppo Ingombranti in Gola L Rocchetto 1",
        "Avvolgimenti Troppo Ingombranti in Gola H Rocchetto 2",
        "Avvolgimenti Troppo Ingombranti in Gola I Rocchetto 2",
        "Avvolgimenti Troppo Ingombranti in Gola L Rocchetto 2",
    };
    ASSERT_EQ(msg.boxes.size(), 6u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(msg.boxes[static_cast<size_t>(i)].testo, attesi[i]);
    EXPECT_EQ(d->IngGolaL2, 20.0f);
}

// A groove with nothing in it is not too full, even on a bobbin row whose
// groove has no space (a one-groove bobbin has no I and L).
TEST(AlimVerifica, GolaVuotaNonAvvisa) {
    auto d = std::make_unique<ModuleDIC>();
    d->RochIngKi = 10;
    d->SommaIngH1 = 100;
    Spazi(*d, 0, 500, 0, 0);
    FakeMessaggi msg;
    VerificaIngombriAvvolgimenti(*d, msg);
    EXPECT_TRUE(msg.boxes.empty());
    EXPECT_EQ(d->IngGolaI1, 0.0f);
    EXPECT_EQ(d->IngGolaL2, 0.0f);
}

}  // namespace
