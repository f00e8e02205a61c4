#include <gtest/gtest.h>

#include <memory>

#include "engine/InputAlim.h"

using namespace inputalim;

namespace {

std::unique_ptr<ModuleDIC> NuovoDIC() {
    auto d = std::make_unique<ModuleDIC>();
    for (int i = 0; i < NUM_AVV; ++i) {
        d->PriAvvIso[i] = d->SecAvvIso[i] = VERO;
        d->PriAvvSerCon[i] = d->SecAvvSerCon[i] = 1;
        d->PriRoch1[i] = d->SecRoch1[i] = VERO;
        d->PriGolaH[i] = d->SecGolaH[i] = VERO;
    }
    return d;
}

void Posto(ModuleDIC& d, bool pri, int i, bool roch2, char gola) {
    auto& r1 = pri ? d.PriRoch1 : d.SecRoch1;
    auto& r2 = pri ? d.PriRoch2 : d.SecRoch2;
    auto& h = pri ? d.PriGolaH : d.SecGolaH;
    auto& ii = pri ? d.PriGolaI : d.SecGolaI;
    auto& l = pri ? d.PriGolaL : d.SecGolaL;
    r1[i] = Flag(!roch2);
    r2[i] = Flag(roch2);
    h[i] = Flag(gola == 'H');
    ii[i] = Flag(gola == 'I');
    l[i] = Flag(gola == 'L');
}

std::string Caption(const std::optional<AspettoPosizione>& a) { return a ? a->caption : "-"; }

}  // namespace

TEST(InputAlimOrdine, PrimariesAreSortedByDecreasingVoltageCarryingPlacementAndEndIsolated) {
    auto d = NuovoDIC();
    d->PriUlt = 2;
    DatiAlimTesti t;
    t.Txt_PriVolt = {"100", "220", "150", "90"};  // the fourth is not in use
    Posto(*d, true, 0, true, 'L');   // 100 V on bobbin 2, groove L
    Posto(*d, true, 1, false, 'H');  // 220 V
    Posto(*d, true, 2, false, 'I');  // 150 V
    d->PriAvvIso[1] = FALSO;         // 220 V was in series with winding 3
    d->PriAvvSer[1] = VERO;
    d->PriAvvAda[1] = VERO;
    d->PriAvvSerCon[1] = 3;

    auto e = OrdinaAvvolgimenti(*d, t);

    EXPECT_EQ(t.Txt_PriVolt[0], "220");
    EXPECT_EQ(t.Txt_PriVolt[1], "150");
    EXPECT_EQ(t.Txt_PriVolt[2], "100");
    EXPECT_EQ(t.Txt_PriVolt[3], "90");
    EXPECT_TRUE(e.scambioPri);
    EXPECT_FALSE(e.scambioSec);
    EXPECT_EQ(Caption(Posizione(Primari(*d), 0)), "H1");
    EXPECT_EQ(Caption(Posizione(Primari(*d), 1)), "I1");
    EXPECT_EQ(Caption(Posizione(Primari(*d), 2)), "L2");
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(e.priIsolati[i]) << i;
        EXPECT_EQ(d->PriAvvIso[i], VERO) << i;
        EXPECT_EQ(d->PriAvvSer[i], FALSO) << i;
        EXPECT_EQ(d->PriAvvSerCon[i], 1) << i;
        auto a = Collegamento(Primari(*d), i);
        ASSERT_TRUE(a);
        EXPECT_EQ(a->caption, "I");
        EXPECT_EQ(a->colore, ColoreCollegamento::FacciaPulsante);
    }
    EXPECT_FALSE(e.priIsolati[3]);
}

TEST(InputAlimOrdine, EqualVoltagesKeepOrderAndConnection) {
    auto d = NuovoDIC();
    d->SecUlt = 2;
    d->SecVolt = {150, 150, 100};
    DatiAlimTesti t;
    t.Txt_SecVolt = {"150", "150", "100"};
    t.Txt_SecPot = {"30", "45", "10"};
    t.Txt_SecAmp = {"0,2", "0,3", "0,1"};
    d->SecAvvIso[0] = FALSO;
    d->SecAvvSer[0] = VERO;
    d->SecAvvAda[0] = VERO;
    d->SecAvvSerCon[0] = 2;

    auto e = OrdinaAvvolgimenti(*d, t);

    EXPECT_FALSE(e.scambioSec);
    EXPECT_EQ(t.Txt_SecPot[0], "30");
    EXPECT_EQ(t.Txt_SecPot[1], "45");
    EXPECT_EQ(d->SecAvvSer[0], VERO);
    EXPECT_EQ(Collegamento(Secondari(*d), 0)->caption, "R2");
    for (bool b : e.secIsolati) EXPECT_FALSE(b);
}

TEST(InputAlimOrdine, SecondaryMovingUpKeepsGrooveAndPowerAndGetsItsCurrentRecomputed) {
    auto d = NuovoDIC();
    d->SecUlt = 1;
    d->SecVolt = {100, 150};  // as the last reading left them
    DatiAlimTesti t;
    t.Txt_SecVolt = {"100", "150"};
    t.Txt_SecPot = {"50", "90"};
    t.Txt_SecAmp = {"0,5", "0,6"};
    Posto(*d, false, 1, true, 'I');
    d->SecAvvCar[1] = VERO;  // a load-tap flag is not touched by the exchange

    auto e = OrdinaAvvolgimenti(*d, t);
    RicalcolaCorrentiSec(*d, t);

    EXPECT_TRUE(e.scambioSec);
    EXPECT_EQ(t.Txt_SecVolt[0], "150");
    EXPECT_EQ(t.Txt_SecPot[0], "90");
    EXPECT_EQ(t.Txt_SecVolt[1], "100");
    EXPECT_EQ(t.Txt_SecPot[1], "50");
    EXPECT_EQ(t.Txt_SecAmp[0], "0,6");  // 90 / 150
    EXPECT_EQ(t.Txt_SecAmp[1], "0,5");  // 50 / 100
    EXPECT_EQ(Caption(Posizione(Secondari(*d), 0)), "I2");
    EXPECT_EQ(Caption(Posizione(Secondari(*d), 1)), "H1");
    EXPECT_EQ(d->SecAvvIso[0], VERO);
    EXPECT_EQ(d->SecAvvIso[1], VERO);
    EXPECT_EQ(d->SecAvvCar[1], VERO);
    EXPECT_EQ(Collegamento(Secondari(*d), 1)->caption, "I");  // the series flag is off
}

TEST(InputAlimOrdine, MovedTextsComeBackInTheirGeneralForm) {
    auto d = NuovoDIC();
    d->PriUlt = 1;
    d->SecUlt = 1;
    DatiAlimTesti t;
    t.Txt_PriVolt = {"0110", "0220"};
    t.Txt_SecVolt = {"1,50", "12"};
    t.Txt_SecPot = {"3,0", "24,50"};
    OrdinaAvvolgimenti(*d, t);
    EXPECT_EQ(t.Txt_PriVolt[0], "220");
    EXPECT_EQ(t.Txt_PriVolt[1], "110");
    EXPECT_EQ(t.Txt_SecVolt[0], "12");
    EXPECT_EQ(t.Txt_SecVolt[1], "1,5");
    EXPECT_EQ(t.Txt_SecPot[0], "24,5");
    EXPECT_EQ(t.Txt_SecPot[1], "3");
}

TEST(InputAlimOrdine, ATextThatIsNotANumberIsNeverComparedOrMoved) {
    auto d = NuovoDIC();
    d->PriUlt = 2;
    DatiAlimTesti t;
    t.Txt_PriVolt = {"", ",", "220"};
    auto e = OrdinaAvvolgimenti(*d, t);
    EXPECT_FALSE(e.scambioPri);
    EXPECT_EQ(t.Txt_PriVolt[0], "");
    EXPECT_EQ(t.Txt_PriVolt[1], ",");
    EXPECT_EQ(t.Txt_PriVolt[2], "220");
}

// Decision: a winding in series with a winding that changed place loses the link,
// so its turns are never reduced by a winding that now sits elsewhere.
TEST(InputAlimOrdine, WindingInSeriesWithAMovedWindingBecomesIsolated) {
    auto d = NuovoDIC();
    d->PriUlt = 3;
    DatiAlimTesti t;
    t.Txt_PriVolt = {"230", "220", "100", "150"};
    // winding 1 in series with winding 2 (partner unmoved), winding 2 with winding 3 (moved)
    d->PriAvvIso[0] = FALSO;
    d->PriAvvSer[0] = VERO;
    d->PriAvvAda[0] = VERO;
    d->PriAvvSerCon[0] = 2;
    d->PriAvvIso[1] = FALSO;
    d->PriAvvSer[1] = VERO;
    d->PriAvvAda[1] = VERO;
    d->PriAvvSerCon[1] = 3;

    auto e = OrdinaAvvolgimenti(*d, t);

    EXPECT_EQ(t.Txt_PriVolt[2], "150");
    EXPECT_EQ(d->PriAvvSer[0], VERO);
    EXPECT_EQ(Collegamento(Primari(*d), 0)->caption, "R2");
    EXPECT_FALSE(e.priIsolati[0]);
    EXPECT_EQ(d->PriAvvSer[1], FALSO);
    EXPECT_EQ(d->PriAvvIso[1], VERO);
    EXPECT_EQ(d->PriAvvSerCon[1], 1);
    EXPECT_TRUE(e.priIsolati[1]);
    EXPECT_TRUE(e.priIsolati[2]);
    EXPECT_TRUE(e.priIsolati[3]);
}

TEST(InputAlimCorrenti, MasksDependOnTheSizeOfTheCurrent) {
    auto d = NuovoDIC();
    d->SecUlt = 6;
    d->SecVolt = {};  // every voltage text differs from the last reading
    DatiAlimTesti t;
    t.Txt_SecPot = {"99", "100", "50", "300", "300", "100", "100"};
    t.Txt_SecVolt = {"1", "100", "100", "149", "2", "150", "3"};
    RicalcolaCorrentiSec(*d, t);
    EXPECT_EQ(t.Txt_SecAmp[0], "99,0");
    EXPECT_EQ(t.Txt_SecAmp[1], "1,0");
    EXPECT_EQ(t.Txt_SecAmp[2], "0,5");
    EXPECT_EQ(t.Txt_SecAmp[3], "2,013");
    EXPECT_EQ(t.Txt_SecAmp[4], "150,0");
    EXPECT_EQ(t.Txt_SecAmp[5], "0,667");
    EXPECT_EQ(t.Txt_SecAmp[6], "33,333");
    EXPECT_EQ(TestoCorrenteSec(0.0004f), "0,0");
    EXPECT_EQ(TestoCorrenteSec(123.456f), "123,46");
}

TEST(InputAlimCorrenti, OnlyChangedVoltagesInUseAreRewritten) {
    auto d = NuovoDIC();
    d->SecUlt = 1;
    d->SecVolt = {150, 149, 148};
    DatiAlimTesti t;
    t.Txt_SecVolt = {"150", "120", "50"};   // winding 3 is not in use
    t.Txt_SecPot = {"600", "60", "100"};    // a new power with the same voltage waits for its own check
    t.Txt_SecAmp = {"2", "x", "y"};
    RicalcolaCorrentiSec(*d, t);
    EXPECT_EQ(t.Txt_SecAmp[0], "2");
    EXPECT_EQ(t.Txt_SecAmp[1], "0,5");
    EXPECT_EQ(t.Txt_SecAmp[2], "y");
}

// Decision: a voltage of 0 (only from a project file) leaves the current text alone.
TEST(InputAlimCorrenti, ZeroOrUnreadableVoltageSkipsTheRewrite) {
    auto d = NuovoDIC();
    d->SecUlt = 2;
    d->SecVolt = {150, 150, 150};
    DatiAlimTesti t;
    t.Txt_SecVolt = {"0", "", "100"};
    t.Txt_SecPot = {"100", "100", ","};
    t.Txt_SecAmp = {"0,5", "0,6", "0,7"};
    RicalcolaCorrentiSec(*d, t);
    EXPECT_EQ(t.Txt_SecAmp[0], "0,5");
    EXPECT_EQ(t.Txt_SecAmp[1], "0,6");
    EXPECT_EQ(t.Txt_SecAmp[2], "0,7");
}

TEST(InputAlimConteggi, LoweringTheCountIsolatesDroppedAndLastWindingsAndBrokenLinks) {
    auto d = NuovoDIC();
    d->PriUlt = 11;
    // winding 1 -> 2 (stays valid), winding 2 -> 5 (now hidden), winding 3 is the new last
    auto serie = [&](int i, int partner) {
        d->PriAvvIso[i] = FALSO;
        d->PriAvvSer[i] = VERO;
        d->PriAvvAda[i] = VERO;
        d->PriAvvSerCon[i] = static_cast<int16_t>(partner);
    };
    serie(0, 2);
    serie(1, 5);
    serie(2, 4);
    serie(6, 8);
    Posto(*d, true, 6, true, 'L');

    auto iso = CambiaNumeroAvv(Primari(*d), 3);

    EXPECT_EQ(d->PriUlt, 2.0f);
    EXPECT_FALSE(iso[0]);
    EXPECT_EQ(d->PriAvvSer[0], VERO);
    for (int i = 1; i < NUM_AVV; ++i) {
        EXPECT_TRUE(iso[i]) << i;
        EXPECT_EQ(d->PriAvvIso[i], VERO) << i;
        EXPECT_EQ(d->PriAvvSer[i], FALSO) << i;
        EXPECT_EQ(d->PriAvvAda[i], FALSO) << i;
        EXPECT_EQ(d->PriAvvSerCon[i], 1) << i;
    }
    EXPECT_EQ(Caption(Posizione(Primari(*d), 6)), "L2");  // placements stay
}

TEST(InputAlimConteggi, SecondaryCountClearsTheLoadTapAndKeepsValidLinks) {
    auto d = NuovoDIC();
    d->SecUlt = 3;
    d->SecAvvIso[0] = FALSO;
    d->SecAvvSer[0] = VERO;
    d->SecAvvCar[0] = VERO;
    d->SecAvvSerCon[0] = 2;
    d->SecAvvIso[1] = FALSO;
    d->SecAvvSer[1] = VERO;
    d->SecAvvCar[1] = VERO;
    d->SecAvvSerCon[1] = 3;

    auto iso = CambiaNumeroAvv(Secondari(*d), 2);

    EXPECT_EQ(d->SecUlt, 1.0f);
    EXPECT_FALSE(iso[0]);
    EXPECT_EQ(Collegamento(Secondari(*d), 0)->caption, "C2");
    EXPECT_TRUE(iso[1]);
    EXPECT_EQ(d->SecAvvCar[1], FALSO);
    EXPECT_EQ(d->SecAvvSer[1], FALSO);

    // growing the count again brings the windings back isolated
    CambiaNumeroAvv(Secondari(*d), 4);
    EXPECT_EQ(d->SecUlt, 3.0f);
    EXPECT_EQ(Collegamento(Secondari(*d), 2)->caption, "I");
    EXPECT_EQ(Collegamento(Secondari(*d), 0)->caption, "C2");
}

TEST(InputAlimPulsanti, ConnectionCaptionsAndColours) {
    auto d = NuovoDIC();
    EXPECT_EQ(Collegamento(Secondari(*d), 0)->caption, "I");
    EXPECT_EQ(Collegamento(Secondari(*d), 0)->colore, ColoreCollegamento::FacciaPulsante);

    d->SecAvvIso[1] = FALSO;
    d->SecAvvSer[1] = VERO;
    d->SecAvvAda[1] = VERO;
    d->SecAvvSerCon[1] = 2;
    EXPECT_EQ(Collegamento(Secondari(*d), 1)->caption, "R2");
    EXPECT_EQ(Collegamento(Secondari(*d), 1)->colore, ColoreCollegamento::Verde);

    d->SecAvvAda[1] = FALSO;
    d->SecAvvCar[1] = VERO;
    EXPECT_EQ(Collegamento(Secondari(*d), 1)->caption, "C2");
    d->SecAvvSerCon[1] = 12;
    EXPECT_EQ(Collegamento(Secondari(*d), 1)->caption, "C12");
    EXPECT_EQ(Collegamento(Secondari(*d), 1)->colore, ColoreCollegamento::Ciano);

    // a tap flag without the series flag matches no row: the button stays as it was
    d->PriAvvIso[2] = FALSO;
    d->PriAvvAda[2] = VERO;
    EXPECT_FALSE(Collegamento(Primari(*d), 2));
    // a load-tap flag means nothing on the primary side
    d->PriAvvSer[3] = VERO;
    d->PriAvvIso[3] = FALSO;
    EXPECT_FALSE(Collegamento(Primari(*d), 3));
    // the flags count only when exactly -1
    d->PriAvvIso[4] = 1;
    EXPECT_FALSE(Collegamento(Primari(*d), 4));
}

TEST(InputAlimPulsanti, PlacementCaptionsAndTooltipsForEveryRow) {
    struct Caso {
        bool roch2;
        char gola;
        const char* caption;
        const char* tooltip;
    };
    const Caso casi[] = {
        {false, 'H', "H1", "Avvolgimento nella Gola H del Rocchetto 1 "},
        {true, 'H', "H2", "Avvolgimento nella Gola H del Rocchetto 2 "},
        {false, 'I', "I1", "Avvolgimento nella Gola I del Rocchetto 1 "},
        {true, 'I', "I2", "Avvolgimento nella Gola I del Rocchetto 2 "},
        {false, 'L', "L1", "Avvolgimento nella Gola L del Rocchetto 1 "},
        {true, 'L', "L2", "Avvolgimento nella Gola L del Rocchetto 2 "},
    };
    auto d = NuovoDIC();
    for (const auto& c : casi) {
        Posto(*d, false, 5, c.roch2, c.gola);
        auto a = Posizione(Secondari(*d), 5);
        ASSERT_TRUE(a) << c.caption;
        EXPECT_EQ(a->caption, c.caption);
        EXPECT_EQ(a->tooltip, c.tooltip);
    }
    // several rows match: the last one wins; none: the button keeps its look
    auto flags = [](int16_t r1, int16_t r2, int16_t h, int16_t i, int16_t l) {
        auto d = std::make_unique<ModuleDIC>();
        d->PriRoch1[0] = r1; d->PriRoch2[0] = r2;
        d->PriGolaH[0] = h; d->PriGolaI[0] = i; d->PriGolaL[0] = l;
        return Posizione(Primari(*d), 0);
    };
    EXPECT_EQ(Caption(flags(VERO, VERO, VERO, FALSO, VERO)), "L2");
    EXPECT_EQ(Caption(flags(VERO, FALSO, VERO, VERO, FALSO)), "I1");
    EXPECT_FALSE(flags(FALSO, FALSO, VERO, VERO, VERO));
    EXPECT_FALSE(flags(VERO, VERO, FALSO, FALSO, FALSO));
}

TEST(InputAlimConteggi, LastIndexFromTheStoredCount) {
    EXPECT_EQ(UltimoIndice(0.0f), 0);
    EXPECT_EQ(UltimoIndice(1.0f), 1);
    EXPECT_EQ(UltimoIndice(11.0f), 11);
    EXPECT_EQ(UltimoIndice(20.0f), 11);
    EXPECT_EQ(UltimoIndice(-1.0f), -1);
}
