// The single-phase calculation, step by step and as a whole pass. Expected
// figures were worked out by hand and with a short script (double
// evaluation, float storage), never taken from the code.
#include <cmath>

#include "FakeSinks.h"
#include "Progetti.h"
#include "engine/ModRoutine.h"

using AlimPasso = Banco;
using AlimVerifica = Banco;

// ------------------------------------------------------------ passo

// One primary of 230 V, one secondary of 150 V 2 A 300 VA; 50 Hz, 1,0 T,
// 2,5 A/mm², K 1,3, 1,5 W/kg. No lamination and no wire library loaded, so
// the stack and every wire are computed; the demonstration bobbin; both
// windings isolated, on bobbin 1 in groove H.
static std::unique_ptr<ModuleDIC> Progetto() {
    auto d = NuovoProgetto();
    d->CoefKMin = 1.0f;
    d->CoefKMax = 1.6f;
    return d;
}

static DatiAlimTesti Testi() { return TestiUnAvvolgimento({"230", "150", "2", "300"}); }

TEST_F(AlimPasso, WholePassWithTheStackFromThePower) {
    auto d = Progetto();
    CalcoloAlim(*d, Testi(), msg);
    // No message; powers; the stack: a computed lamination, C 51 mm; the demonstration bobbin.
    Circa({V(msg.boxes.size(), 0), V(d->SecPotTot, 300.0f), V(d->Rendimento, 89.2912369f), V(d->PriPotTot, 335.979218f),
           V(d->CadutaVolt, 4.51967287f), V(d->PriAmp[0], 1.46077919f), V(d->LamScelto, 18),
           V(d->LamSE, 22.5166588f), V(d->LamSP, 49.0068474f), V(d->LamPesoPacco, 5.88976431f),
           V(d->LamPF, 8.83464622f), V(d->RochC[0], 52.0f), V(d->RochSp[0], 50.0068474f), V(d->RochM[0], 23.5f),
           V(d->RochH[0], 73.5f), V(d->RochGolaH[0], 1727.25f)});
    // Turns; wires, both computed (row 38).
    Circa({V(d->FEMI, 0.499869823f), V(d->PriSpire[0], 460), V(d->SecVoltVuoto[0], 156.77951f),
           V(d->SecSpire[0], 314), V(d->PriFiloRiga[0], 38), V(d->SecFiloRiga[0], 38), V(d->PriFiloNudo[0], 0.86f),
           V(d->PriFiloIsol[0], 0.8858f), V(d->SecAmpFilo[0], 2.0f), V(d->SecFiloNudo[0], 1.0f),
           V(d->SecFiloIsol[0], 1.03f), V(d->SpireCM[38][0], 10.7516479f), V(d->SpireCM[38][12], 9.246418f)});
    // The winding build (each figure's rule: AlimAvvolgimenti), losses, groove sums and fill.
    Circa({V(d->PriLung[0], 137.086304f), V(d->PriRes[0], 4.15355825f), V(d->PriIso[0], 95.55f),
           V(d->SecLung[0], 93.5763016f), V(d->SecRes[0], 2.09695458f), V(d->SecIso[0], 80.85f),
           V(d->PotPerPri, 10.7566748f), V(d->PotPerSec, 10.17976f), V(d->PotTotPers, 20.9364357f),
           V(d->SommaIngH1, 728.76062f), V(d->SommaIsoH1, 176.4f), V(d->IngGolaH1, 995.676697f)});
    Esatti({V(d->IngGolaI1, 0), V(d->SommaIngH2, 0)});
}

// A design of no power gets the computed 1 mm lamination, too small for the
// bobbin's walls (E 1,5 mm, F 0,5 mm): its grooves have no room rather than
// a negative one, so no negative insulation or fill is ever shown, and a
// winding with any build in them is reported as not fitting.
TEST_F(AlimPasso, LaminationTooSmallForTheBobbinLeavesGroovesWithNoRoom) {
    auto d = Progetto();
    DatiAlimTesti t = Testi();
    t.Txt_SecVolt[0] = "10";
    t.Txt_SecAmp[0] = "0,001";
    t.Txt_SecPot[0] = "0,0";
    CalcoloAlim(*d, t, msg);
    Esatti({V(d->SecPotTot, 0), V(d->LamC[18], 1), V(d->RochM[0], 0), V(d->RochH[0], 0), V(d->RochI[0], 0),
            V(d->RochL[0], 0), V(d->RochGolaH[0], 0), V(d->PriIso[0], 0), V(d->SecIso[0], 0), V(d->IngGolaH1, 0),
            V(msg.boxes.size(), 0)});

    d->PriSpire[0] = 100;
    RicalcoloAvvolgimentiAlim(*d, msg);
    EXPECT_TRUE(d->PriIso[0] == 0.0f && d->IngGolaH1 > 0.0f);
    EXPECT_EQ(msg.Testi(), std::vector<std::string>{"Avvolgimenti Troppo Ingombranti in Gola H Rocchetto 1"});
}

// ------------------------------------------------------------ potenze

static DatiAlimTesti TestiBase() {
    DatiAlimTesti t;
    t.Cmb_PriNumAvv = "2";
    t.Cmb_SecNumAvv = "3";
    t.Cmb_Frequenza = "60";
    t.Cmb_Induzione = "1,2";
    t.Cmb_Densita = "2,5";
    t.Txt_PriVolt = {"230", "115"};
    t.Txt_SecVolt = {"24", "12,5", "6,3"};
    t.Txt_SecAmp = {"2", "0,8", "1,5"};
    t.Txt_SecPot = {"48", "10", "9,45"};
    t.Cmb_CoefK = "1,3";
    return t;
}

// Texts with the decimal comma up to the counts; a text that does not convert
// leaves its variable as it was: no crash, no message.
TEST(AlimLettura, CopiesTheTextsUpToTheCountsAndKeepsWhatIsNoNumber) {
    auto d = std::make_unique<ModuleDIC>();
    // Past the last winding: left alone.
    d->PriVolt[2] = 77;
    d->SecVolt[3] = 88;
    LeggiDatiAlim(*d, TestiBase());
    Esatti({V(d->PriUlt, 1), V(d->SecUlt, 2), V(d->Frequenza, 60), V(d->Induzione, 1.2f), V(d->Densita, 2.5f),
            V(d->CoefK, 1.3f), V(d->PriVolt[0], 230), V(d->PriVolt[1], 115), V(d->SecVolt[1], 12.5f),
            V(d->SecVolt[2], 6.3f), V(d->SecAmp[1], 0.8f), V(d->SecPot[2], 9.45f), V(d->PriVolt[2], 77),
            V(d->SecVolt[3], 88)});

    DatiAlimTesti t = TestiBase();
    t.Cmb_Induzione = "";
    t.Cmb_Densita = ",";
    t.Txt_PriVolt[0] = "abc";
    t.Txt_SecPot[2] = "9,4,5";
    t.Txt_SecAmp[1] = "1.5";  // a point is not the decimal separator here
    // No such count in the list.
    t.Cmb_SecNumAvv = "tre";
    t.Cmb_PriNumAvv = "13";
    LeggiDatiAlim(*d, t);
    Esatti({V(d->Induzione, 1.2f), V(d->Densita, 2.5f), V(d->PriVolt[0], 230), V(d->SecAmp[1], 0.8f),
            V(d->SecPot[2], 9.45f), V(d->SecUlt, 2), V(d->PriUlt, 1)});

    // Twelve windings a side read the twelfth.
    t = TestiBase();
    t.Cmb_PriNumAvv = t.Cmb_SecNumAvv = "12";
    t.Txt_PriVolt[11] = "11,5";
    t.Txt_SecPot[11] = "3";
    LeggiDatiAlim(*d, t);
    Esatti({V(d->PriUlt, 11), V(d->SecUlt, 11), V(d->PriVolt[11], 11.5f), V(d->SecPot[11], 3)});
}

static void ImpostaSecondari(ModuleDIC& d, const std::vector<float>& potenze) {
    for (size_t i = 0; i < potenze.size(); ++i) d.SecPot[i] = potenze[i];
    d.SecUlt = static_cast<float>(potenze.size()) - 1;
}

TEST(AlimPotenze, TotalIsCutToTheTenthAfterEverySum) {
    // The product by ten is taken as a Single before the cut: 0,7 VA stays 0,7.
    struct Caso { std::vector<float> potenze; float totale; };
    const Caso casi[] = {{{12.34f, 0.05f, 0.05f}, 12.3f}, {{0.7f}, 0.7f}, {{0.1f, 0.2f, 0.4f}, 0.7f}};
    for (const Caso& c : casi) {
        auto d = std::make_unique<ModuleDIC>();
        ImpostaSecondari(*d, c.potenze);
        CalcolaPotenzeAlim(*d);
        EXPECT_EQ(d->SecPotTot, c.totale) << c.potenze.front();
    }

    auto d = std::make_unique<ModuleDIC>();
    ImpostaSecondari(*d, {10.0f, 20.0f, 40.0f, 80.0f});
    // A voltage adjustment tap's power is in its partner's; a load tap, a tap flag
    // without the series flag, and a series flag of 1 (not -1) are counted.
    d->SecAvvSer[0] = d->SecAvvAda[0] = d->SecAvvSer[1] = d->SecAvvCar[1] = d->SecAvvAda[2] = d->SecAvvAda[3] = VERO;
    d->SecAvvSer[3] = 1;
    CalcolaPotenzeAlim(*d);
    EXPECT_EQ(d->SecPotTot, 140.0f);
}

// A primary of no voltage gets no current: checked with the damaged files.
TEST(AlimPotenze, EveryPrimaryCarriesThePower) {
    auto d = std::make_unique<ModuleDIC>();
    ImpostaSecondari(*d, {100.0f});
    d->PriUlt = 1;
    d->PriVolt = {230, 115};
    CalcolaPotenzeAlim(*d);
    Circa({V(d->PriPot[0], 118.691933f), V(d->PriPot[1], 118.691933f), V(d->PriAmp[0], 0.516051888f),
           V(d->PriAmp[1], 1.03210378f)});
}

// ------------------------------------------------------------ spire

// One volt per turn exactly (in Single arithmetic), so the quotient is the voltage.
static std::unique_ptr<ModuleDIC> ModuloUnVoltPerSpira() {
    auto d = std::make_unique<ModuleDIC>();
    d->Frequenza = 1;
    d->LamSE = 1;
    d->Induzione = 2252.2522f;
    return d;
}

// The fraction is taken as a Single: 12,4 is just below 12.4 and rounds down,
// 100,4 is just above and rounds up.
TEST(AlimSpire, FractionAboveFourTenthsRoundsUp) {
    auto d = ModuloUnVoltPerSpira();
    d->PriUlt = 1;
    d->PriVolt[0] = 12.4f;
    d->PriVolt[1] = 100.4f;
    CalcolaSpire(*d);
    Esatti({V(d->FEMI, 1), V(d->PriSpire[0], 12), V(d->PriSpire[1], 101)});
}

TEST(AlimSpire, SecondariesInSeriesAndTheLastNeverCorrected) {
    auto d = ModuloUnVoltPerSpira();
    d->CadutaVolt = 0;
    d->SecUlt = 2;
    d->SecVolt = {30, 20, 20};
    // A load tap in series with winding 2, a voltage tap in series with winding
    // 3 of the same voltage; the last winding is never corrected.
    Serie(Secondari(*d), 0, 2, true);
    Serie(Secondari(*d), 1, 3);
    Serie(Secondari(*d), 2, 1);
    CalcolaSpire(*d);
    // Ascending order: winding 0 subtracts winding 1's full count, taken before
    // winding 1 is itself corrected.
    Esatti({V(d->SecSpire[0], 10), V(d->SecSpire[1], 0), V(d->SecSpire[2], 20)});
}

// No iron section yet: no e.m.f. per turn, so no turns, and nothing infinite.
// The no-load voltage still follows from the 4,5197 % drop.
TEST(AlimSpire, NoSectionNoTurns) {
    for (float se : {0.0f, -5.0f}) {
        auto d = std::make_unique<ModuleDIC>();
        d->Frequenza = 50;
        d->Induzione = 1.0f;
        d->LamSE = se;
        d->CadutaVolt = 4.5197f;
        d->PriVolt[0] = 240;
        d->SecUlt = 0;
        d->SecVolt[0] = 150;
        d->PriSpire[0] = d->SecSpire[0] = 99;
        CalcolaSpire(*d);
        Esatti({V(d->PriSpire[0], 0), V(d->SecSpire[0], 0)});
        EXPECT_FLOAT_EQ(d->SecVoltVuoto[0], 156.779556f);
    }
}

// A partner that is not a later winding in use on the same side is ignored:
// itself, an earlier winding, 0 (the store's start value) or a slot past the last.
TEST(AlimSpire, InvalidPartnerIsIgnored) {
    auto d = ModuloUnVoltPerSpira();
    d->PriUlt = 2;
    d->PriVolt = {50, 40, 30};
    d->PriAvvSer[0] = d->PriAvvSer[1] = VERO;
    d->PriSpire[3] = 5;  // stale turns past the last primary
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

// ------------------------------------------------------------ filo

// Column c holds 38 wires from 0,10 to 1,95 mm in steps of 0,05 mm, or only
// the first `righe` of them (later rows 0).
static void Libreria(ModuleDIC& d, int c, int righe = 38) {
    for (int r = 0; r < righe; ++r) {
        d.FiloNudo[r][c] = static_cast<float>(0.1 + 0.05 * r);
        d.FiloIsolato[r][c] = static_cast<float>(0.12 + 0.05 * r);
    }
}

static int Scegli(ModuleDIC& d, float richiesto) {
    d.PriUlt = 0;
    d.SecUlt = -1;
    d.PriFiloNudo[0] = richiesto;
    ScegliFiloRame(d);
    return static_cast<int>(d.PriFiloRiga[0]);
}

// Secondaries only, currents 1, 2, .. at 2,5 A/mm².
static std::unique_ptr<ModuleDIC> SoloSecondari(int16_t ult) {
    auto d = std::make_unique<ModuleDIC>();
    d->Densita = 2.5f;
    d->PriUlt = -1;
    d->SecUlt = ult;
    for (int i = 0; i <= ult; ++i) d->SecAmp[i] = static_cast<float>(i + 1);
    return d;
}

TEST(AlimDiametro, TapsInSeriesPassTheirCurrentOn) {
    auto d = SoloSecondari(3);
    d->TipoCalcolo = tipo::Monofase;
    // A load tap in series with winding 2; a voltage tap in series with winding 3 passes on what it got.
    Serie(Secondari(*d), 0, 2, true);
    Serie(Secondari(*d), 1, 3);
    CalcolaDiametroFilo(*d);
    Esatti({V(d->SecAmpFilo[0], 1), V(d->SecAmpFilo[1], 3), V(d->SecAmpFilo[2], 4), V(d->SecAmpFilo[3], 4)});
    Circa({V(d->SecFiloNudo[1], 1.23607802f), V(d->SecFiloNudo[2], 1.42729986f)});
    // Only the output transformer shows the wire currents as its currents.
    EXPECT_EQ(d->SecAmp[1], 2.0f);
    d->TipoCalcolo = tipo::Uscita;
    CalcolaDiametroFilo(*d);
    Esatti({V(d->SecAmp[1], 3), V(d->SecAmp[2], 4)});

    // A voltage tap that got no extra current passes nothing on.
    auto a = SoloSecondari(1);
    Serie(Secondari(*a), 0, 2);
    CalcolaDiametroFilo(*a);
    EXPECT_EQ(a->SecAmpFilo[1], 2.0f);
}

// A series partner outside the later windings in use is ignored. Partner 0 is
// what a fresh store holds: it must not write before the start of the arrays.
TEST(AlimDiametro, InvalidPartnerIsIgnored) {
    auto d = SoloSecondari(1);
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
    struct Caso { int righe; float richiesto; int riga; };
    const Caso casi[] = {{38, 0.35f, 5},  {38, 0.37f, 5}, {38, 0.4f, 6}, {38, std::nextafter(2.145f, 0.0f), 37},
                         {38, 2.145f, 38}, {38, 0.057f, 38}, {10, 0.5f, 8}, {10, 0.55f, 38}, {0, 1.2345f, 38}};
    for (const Caso& k : casi) {
        auto d = std::make_unique<ModuleDIC>();
        Libreria(*d, 0, k.righe);
        EXPECT_EQ(Scegli(*d, k.richiesto), k.riga) << k.righe << " wires, " << k.richiesto << " mm";
        if (k.riga < 38)
            Esatti({V(d->PriFiloNudo[0], d->FiloNudo[k.riga][0]), V(d->PriFiloIsol[0], d->FiloIsolato[k.riga][0])});
    }
}

// A computed wire is never thinner than 0,01 mm: with no current at all its
// turns per cm, resistance and the winding's density stay finite. It takes
// the column's own Kf when one is set.
TEST(AlimSceltaFilo, ComputedWireNeverBelowOneHundredthAndTakesTheColumnsKf) {
    auto d = std::make_unique<ModuleDIC>();
    d->Densita = 2.5f;
    d->PriUlt = 0;
    d->PriAmp[0] = 0;
    d->SecUlt = -1;
    d->KfRame[38][0] = 1.2f;
    CalcolaDiametroFilo(*d);
    EXPECT_EQ(d->PriFiloNudo[0], 0.0f);
    ScegliFiloRame(*d);
    Circa({V(d->PriFiloRiga[0], 38), V(d->FiloNudo[38][0], 0.01f), V(d->CoefKfFilo[38][0], 1.2f),
           V(d->SpireCM[38][0], 809.061462f), V(d->ResistenzaFilo[38][0], 224.090347f), V(d->PesoFilo[38][0], 0.000699003751f)});
}

TEST(AlimSceltaFilo, SecondaryUsesColumnTwelvePlusItsIndex) {
    auto d = std::make_unique<ModuleDIC>();
    Libreria(*d, 13);  // column of secondary 1 only
    d->PriUlt = -1;
    d->SecUlt = 1;
    d->SecFiloNudo[0] = d->SecFiloNudo[1] = 0.37f;
    ScegliFiloRame(*d);
    Esatti({V(d->SecFiloRiga[0], 38), V(d->FiloNudo[38][12], 0.37f)});  // column 12 is empty
    Esatti({V(d->SecFiloRiga[1], 5), V(d->SecFiloNudo[1], d->FiloNudo[5][13]), V(d->SecFiloIsol[1], d->FiloIsolato[5][13])});
}

// ------------------------------------------------------------ avvolgimenti

const std::string kPiena = "Avvolgimenti Troppo Ingombranti in Gola ";

// Bobbin row `b`: Spr 20, Cr 16, M 10 mm; grooves H 40, I 25, L 15 mm.
// Wire row 3 of column c: 2,5 g/m, 0,5 mm², 0,85 mm enamelled, Kf 1,1,
// 0,035 ohm/m, 10 turns per cm.
static void Prepara(ModuleDIC& d, int b, int c) {
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
static std::unique_ptr<ModuleDIC> UnPrimario() {
    auto d = std::make_unique<ModuleDIC>();
    Prepara(*d, 0, 0);
    d->PriUlt = 0;
    d->SecUlt = -1;
    d->PriSpire[0] = 100;
    d->PriAmp[0] = 1.25f;
    d->PriFiloRiga[0] = 3;
    Posto(Primari(*d), 0, 1, 'H');
    return d;
}

TEST(AlimAvvolgimenti, PrimaryInEachGrooveWithItsOwnInsulation) {
    // Groove I, groove L, and groove L on bobbin 2 (the same bobbin row, so
    // the same heights); groove H is in the whole pass.
    auto d = UnPrimario();
    struct Caso { int roch; char gola; float spSt, strati, iso; };
    for (const Caso& k : {Caso{1, 'I', 25, 4, 22.5f}, Caso{1, 'L', 15, 6.66666651f, 17.25f},
                          Caso{2, 'L', 15, 6.66666651f, 17.25f}}) {
        Posto(Primari(*d), 0, k.roch, k.gola);
        d->PriIso[0] = 0;
        CalcolaAvvolgimenti(*d);
        Circa({V(d->PriSpSt[0], k.spSt), V(d->PriStrati[0], k.strati), V(d->PriIso[0], k.iso)});
    }

    // Flags that name no place leave the groove figures as they were.
    Posto(Primari(*d), 0, 0, 'L');
    d->PriIso[0] = 123;
    CalcolaAvvolgimenti(*d);
    Circa({V(d->PriIso[0], 123), V(d->PriLung[0], 11.2f)});
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
        d->RochGolaH[0] = 100;
        d->RochIngKi = 10;  // row 0: (79,475 + 28) * 1,1 = 118,2225 does not fit
        CalcolaAvvolgimenti(*d);
        Circa({V(d->PriLung[0], 11.2f), V(d->PriSpSt[0], 40.0f), V(d->PriIso[0], 28.0f)});
        SommaIngombriGole(*d);
        FakeMessaggi msg;
        VerificaIngombriAvvolgimenti(*d, msg);
        EXPECT_FLOAT_EQ(d->IngGolaH1, 118.222504f);
        EXPECT_EQ(msg.Testi(), std::vector{kPiena + "H Rocchetto 1"});
    }
}

// Twelve windings a side at most: a count read from a damaged project never
// lets a thirteenth primary pick a wire in the first secondary's column.
TEST(AlimAvvolgimenti, ThirteenthPrimaryNeverTouchesTheSecondarysColumn) {
    auto d = std::make_unique<ModuleDIC>();
    d->Densita = 2.5f;
    d->PriUlt = 12;
    d->SecUlt = -1;
    d->PriFiloRiga[12] = 7;
    for (int i = 0; i <= 12; ++i) d->PriAmp[i] = 1;
    // The first secondary's own custom wire.
    d->FiloNudo[38][12] = 0.33f;
    d->KfRame[38][12] = 1.2f;
    CalcolaDiametroFilo(*d);
    ScegliFiloRame(*d);
    CalcolaAvvolgimenti(*d);
    Circa({V(d->PriFiloRiga[11], 38), V(d->FiloNudo[38][11], 0.71f)});  // 2 * Sqr(1 / 7,853975) cut to 0,01
    Esatti({V(d->FiloNudo[38][12], 0.33f), V(d->KfRame[38][12], 1.2f), V(d->PriFiloRiga[12], 7),
            V(d->PriFiloNudo[12], 0)});
}

// A wire with no turns per cm: no turns per layer and no layers, never an
// infinite count (no groove height: AlimPasso.LaminationTooSmall...).
TEST(AlimAvvolgimenti, ZeroTurnsPerCmNeverDivides) {
    auto d = UnPrimario();
    d->SpireCM[3][0] = 0;
    CalcolaAvvolgimenti(*d);
    Esatti({V(d->PriSpSt[0], 0), V(d->PriStrati[0], 0)});
    EXPECT_FLOAT_EQ(d->PriIso[0], 12.0f);  // the sheet between windings only
}

// (The single-phase sum: the whole pass.)
TEST(AlimPerdite, ThreePhaseZigZagTwice) {
    auto d = std::make_unique<ModuleDIC>();
    d->PriUlt = 1;
    d->SecUlt = 2;
    d->PriPotPer = {1.5f, 2.25f, 100.0f};
    d->SecPotPer = {0.5f, 1.0f, 0.25f, 100.0f};
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
    d->PriRoch1[1] = d->PriGolaI[1] = d->PriGolaL[1] = d->SecGolaH[1] = VERO;
    Posto(Primari(*d), 0, 1, 'H');
    Posto(Primari(*d), 2, 1, 'H');  // past the last primary
    Posto(Secondari(*d), 0, 2, 'H');
    Posto(Secondari(*d), 2, 2, 'L');
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

static void Spazi(ModuleDIC& d, int b, float h, float i, float l) {
    d.RochScelto = static_cast<int16_t>(b);
    d.RochGolaH[b] = h;
    d.RochGolaI[b] = i;
    d.RochGolaL[b] = l;
}

// Exactly full is too full.
TEST_F(AlimVerifica, ExactlyFullWarns) {
    d->RochIngKi = 10;
    d->SommaIngH1 = 90;
    d->SommaIsoH1 = 10;
    Spazi(*d, 0, 110, 50, 50);
    VerificaIngombriAvvolgimenti(*d, msg);
    EXPECT_EQ(msg.boxes, (Scatole{{kPiena + "H Rocchetto 1", mb::Exclamation, "Verifica Ingombri Avvolgimenti"}}));
}

TEST_F(AlimVerifica, SixMessagesInOrderWithTheRowInUseAndNoneForAnEmptyGroove) {
    d->RochIngKi = 0;
    d->SommaIngH1 = d->SommaIngI1 = d->SommaIngL1 = 20;
    d->SommaIsoH2 = d->SommaIsoI2 = d->SommaIsoL2 = 20;
    Spazi(*d, 0, 1000, 1000, 1000);  // the computed bobbin would be roomy
    Spazi(*d, 1, 20, 10, 5);         // the user's bobbin, in use, is not
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

