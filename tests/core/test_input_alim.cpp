// The winding inputs of a design window: ordering by voltage, the current
// texts, count changes and the looks of the connection and placement buttons.
#include "FakeSinks.h"
#include "Progetti.h"
#include "engine/InputAlim.h"

using namespace inputalim;

// How the first n windings of a side look: connection caption, then the
// placement caption ("-" when no row matches), e.g. "R2 I1".
static std::vector<std::string> Vista(const LatoC& l, int n) {
    std::vector<std::string> v;
    for (int i = 0; i < n; ++i) {
        const auto c = Collegamento(l, i);
        const auto p = Posizione(l, i);
        v.push_back((c ? c->caption : "-") + " " + (p ? p->caption : "-"));
    }
    return v;
}

using Testi = std::vector<std::string>;
static Testi Primi(const std::array<std::string, DatiAlimTesti::MaxAvv>& a, int n) { return {a.begin(), a.begin() + n}; }

TEST(InputAlimOrdine, PrimariesByDecreasingVoltageCarryPlacementAndEndIsolated) {
    auto d = NuovoProgetto();
    d->PriUlt = 2;
    DatiAlimTesti t;
    t.Txt_PriVolt = {"100", "220", "150", "90"};  // the fourth is not in use
    Posto(Primari(*d), 0, 2, 'L');
    Posto(Primari(*d), 2, 1, 'I');
    Serie(Primari(*d), 1, 3);
    const EsitoOrdinamento e = OrdinaAvvolgimenti(*d, t);
    EXPECT_EQ(Primi(t.Txt_PriVolt, 4), (Testi{"220", "150", "100", "90"}));
    EXPECT_TRUE(e.scambioPri && !e.scambioSec);
    EXPECT_EQ(Vista(Primari(*d), 3), (Testi{"I H1", "I I1", "I L2"}));
    EXPECT_EQ(std::vector<bool>(e.priIsolati.begin(), e.priIsolati.begin() + 4),
              (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(d->PriAvvSerCon[1], 1);
}

// Equal voltages never change places, so their link stays; texts that are
// not numbers are never compared; moved texts come back in the general form.
TEST(InputAlimOrdine, WhatStaysAndHowMovedTextsRead) {
    auto d = NuovoProgetto();
    d->PriUlt = d->SecUlt = 2;
    DatiAlimTesti t;
    t.Txt_PriVolt = {"", ",", "220"};
    t.Txt_SecVolt = {"150", "150", "100"};
    Serie(Secondari(*d), 0, 2);
    EsitoOrdinamento e = OrdinaAvvolgimenti(*d, t);
    EXPECT_FALSE(e.scambioPri || e.scambioSec);
    EXPECT_EQ(Primi(t.Txt_PriVolt, 3), (Testi{"", ",", "220"}));
    EXPECT_EQ(Vista(Secondari(*d), 2), (Testi{"R2 H1", "I H1"}));
    for (bool b : e.secIsolati) EXPECT_FALSE(b);

    d->PriUlt = d->SecUlt = 1;
    t.Txt_PriVolt = {"0110", "0220"};
    t.Txt_SecVolt = {"1,50", "12"};
    t.Txt_SecPot = {"3,0", "24,50"};
    OrdinaAvvolgimenti(*d, t);
    EXPECT_EQ(Primi(t.Txt_PriVolt, 2), (Testi{"220", "110"}));
    EXPECT_EQ((Testi{t.Txt_SecVolt[0], t.Txt_SecVolt[1], t.Txt_SecPot[0], t.Txt_SecPot[1]}),
              (Testi{"12", "1,5", "24,5", "3"}));
}

// A secondary moving up takes its power and placement; its current is then
// recomputed from them. The load-tap flag is not touched by the exchange.
TEST(InputAlimOrdine, SecondaryMovingUpGetsItsCurrentRecomputed) {
    auto d = NuovoProgetto();
    // As the last reading left them.
    d->SecUlt = 1;
    d->SecVolt = {100, 150};
    DatiAlimTesti t;
    t.Txt_SecVolt = {"100", "150"};
    t.Txt_SecPot = {"50", "90"};
    t.Txt_SecAmp = {"0,5", "0,6"};
    Posto(Secondari(*d), 1, 2, 'I');
    d->SecAvvCar[1] = VERO;
    EXPECT_TRUE(OrdinaAvvolgimenti(*d, t).scambioSec);
    RicalcolaCorrentiSec(*d, t);
    EXPECT_EQ((Testi{t.Txt_SecVolt[0], t.Txt_SecVolt[1], t.Txt_SecPot[0], t.Txt_SecPot[1], t.Txt_SecAmp[0],
                     t.Txt_SecAmp[1]}),
              (Testi{"150", "100", "90", "50", "0,6", "0,5"}));
    EXPECT_TRUE(Vista(Secondari(*d), 2) == (Testi{"I I2", "I H1"}) && d->SecAvvCar[1] == VERO);
}

// A winding in series with a winding that changed place loses the link, so
// its turns are never reduced by a winding that now sits elsewhere.
TEST(InputAlimOrdine, WindingInSeriesWithAMovedWindingBecomesIsolated) {
    auto d = NuovoProgetto();
    d->PriUlt = 3;
    DatiAlimTesti t;
    t.Txt_PriVolt = {"230", "220", "100", "150"};
    // The first partner stays, the second moves.
    Serie(Primari(*d), 0, 2);
    Serie(Primari(*d), 1, 3);
    const EsitoOrdinamento e = OrdinaAvvolgimenti(*d, t);
    EXPECT_EQ(Vista(Primari(*d), 4), (Testi{"R2 H1", "I H1", "I H1", "I H1"}));
    EXPECT_EQ(std::vector<bool>(e.priIsolati.begin(), e.priIsolati.begin() + 4),
              (std::vector<bool>{false, true, true, true}));
}

TEST(InputAlimCorrenti, MasksByTheSizeOfTheCurrent) {
    auto d = NuovoProgetto();
    d->SecUlt = 6;
    d->SecVolt = {};  // every voltage text differs from the last reading
    DatiAlimTesti t;
    t.Txt_SecPot = {"99", "100", "50", "300", "300", "100", "100"};
    t.Txt_SecVolt = {"1", "100", "100", "149", "2", "150", "3"};
    RicalcolaCorrentiSec(*d, t);
    EXPECT_EQ(Primi(t.Txt_SecAmp, 7), (Testi{"99,0", "1,0", "0,5", "2,013", "150,0", "0,667", "33,333"}));
    EXPECT_EQ((Testi{TestoCorrenteSec(0.0004f), TestoCorrenteSec(123.456f)}), (Testi{"0,0", "123,46"}));
}

// Only a changed voltage of a winding in use rewrites the current; a voltage
// of 0 (possible only from a project file) or a text that is no number
// leaves it alone.
TEST(InputAlimCorrenti, OnlyChangedReadableVoltagesInUseRewrite) {
    auto d = NuovoProgetto();
    d->SecUlt = 4;
    d->SecVolt = {150, 149, 150, 150, 150, 148};
    DatiAlimTesti t;
    t.Txt_SecVolt = {"150", "120", "0", "", "100", "50"};
    t.Txt_SecPot = {"600", "60", "100", "100", ",", "100"};
    t.Txt_SecAmp = {"2", "x", "0,5", "0,6", "0,7", "y"};
    RicalcolaCorrentiSec(*d, t);
    EXPECT_EQ(Primi(t.Txt_SecAmp, 6), (Testi{"2", "0,5", "0,5", "0,6", "0,7", "y"}));
    EXPECT_TRUE(!TestoCorrente("100", "0") && TestoCorrente("90", "150") == "0,6");
}

TEST(InputAlimConteggi, LoweringTheCountIsolatesDroppedAndLastWindingsAndBrokenLinks) {
    auto d = NuovoProgetto();
    d->PriUlt = 11;
    // A link that stays valid, one whose partner is dropped, the new last winding, a dropped winding.
    Serie(Primari(*d), 0, 2);
    Serie(Primari(*d), 1, 5);
    Serie(Primari(*d), 2, 4);
    Serie(Primari(*d), 6, 8);
    Posto(Primari(*d), 6, 2, 'L');
    const Indici iso = CambiaNumeroAvv(Primari(*d), 3);
    EXPECT_EQ(d->PriUlt, 2.0f);
    for (int i = 0; i < NUM_AVV; ++i) EXPECT_EQ(iso[i], i > 0) << i;
    EXPECT_EQ(Vista(Primari(*d), 7), (Testi{"R2 H1", "I H1", "I H1", "I H1", "I H1", "I H1", "I L2"}));
    EXPECT_EQ(d->PriAvvAda[6], FALSO);
}

// The secondaries' count also clears the load tap; growing the count brings
// the windings back isolated. A window of nine windings never goes past them.
TEST(InputAlimConteggi, SecondaryCountAndTheWindowsNumberOfWindings) {
    auto d = NuovoProgetto();
    d->SecUlt = 3;
    Serie(Secondari(*d), 0, 2, true);
    Serie(Secondari(*d), 1, 3, true);
    const Indici iso = CambiaNumeroAvv(Secondari(*d), 2);
    EXPECT_TRUE(!iso[0] && iso[1]);
    Esatti({V(d->SecUlt, 1), V(d->SecAvvCar[1], FALSO)});
    CambiaNumeroAvv(Secondari(*d), 4);
    EXPECT_EQ(Vista(Secondari(*d), 3), (Testi{"C2 H1", "I H1", "I H1"}));

    Serie(Secondari(*d), 10, 12);
    const Indici nove = CambiaNumeroAvv(Secondari(*d), 12, 9);
    EXPECT_TRUE(nove[8] && !nove[9]);
    Esatti({V(d->SecUlt, 8), V(d->SecAvvSer[10], VERO)});  // beyond the window's windings: untouched
}

TEST(InputAlimPulsanti, ConnectionCaptionsAndColours) {
    auto d = NuovoProgetto();
    // A caption of nullptr: no row matches, the button keeps its look.
    struct Caso { int16_t iso, ser, ada, car, partner; const char* caption; ColoreCollegamento colore; };
    using enum ColoreCollegamento;
    const Caso casi[] = {
        {VERO, FALSO, FALSO, FALSO, 1, "I", FacciaPulsante},
        {FALSO, VERO, VERO, FALSO, 2, "R2", Verde},
        {FALSO, VERO, FALSO, VERO, 12, "C12", Ciano},
        {FALSO, VERO, VERO, VERO, 3, "C3", Ciano},        // later rows win
        {FALSO, FALSO, VERO, VERO, 2, nullptr, Verde},    // a tap without the series flag
        {1, 1, 1, 1, 2, nullptr, Verde},                  // flags count only when -1
    };
    for (const Caso& k : casi) {
        d->SecAvvIso[0] = k.iso;
        d->SecAvvSer[0] = k.ser;
        d->SecAvvAda[0] = k.ada;
        d->SecAvvCar[0] = k.car;
        d->SecAvvSerCon[0] = k.partner;
        const auto a = Collegamento(Secondari(*d), 0);
        ASSERT_EQ(a.has_value(), k.caption != nullptr) << k.partner;
        EXPECT_TRUE(!a || (a->caption == k.caption && a->colore == k.colore)) << k.caption;
    }
    // A load-tap flag means nothing on the primary side.
    d->PriAvvIso[3] = FALSO;
    d->PriAvvSer[3] = VERO;
    EXPECT_FALSE(Collegamento(Primari(*d), 3));
}

TEST(InputAlimPulsanti, PlacementCaptionsAndTooltips) {
    auto d = NuovoProgetto();
    for (int r : {1, 2})
        for (char g : {'H', 'I', 'L'}) {
            Posto(Secondari(*d), 5, r, g);
            const auto a = Posizione(Secondari(*d), 5);
            ASSERT_TRUE(a);
            const std::string gola(1, g), roch = std::to_string(r);
            EXPECT_EQ(a->caption + "/" + a->tooltip,
                      gola + roch + "/Avvolgimento nella Gola " + gola + " del Rocchetto " + roch + " ");
        }
    // Several rows match: the last in the order H1 H2 I1 I2 L1 L2 wins; none: no look.
    d->PriRoch1[0] = d->PriRoch2[0] = d->PriGolaH[0] = d->PriGolaL[0] = VERO;
    d->PriRoch1[1] = d->PriGolaI[1] = VERO;
    d->PriRoch1[2] = d->PriRoch2[2] = VERO;
    d->PriGolaH[2] = FALSO;
    d->PriRoch1[3] = FALSO;
    EXPECT_EQ(Vista(Primari(*d), 4), (Testi{"I L2", "I I1", "I -", "I -"}));
}

// After the connection dialog: a secondary voltage tap takes its partner's
// power and the current it gives at its own voltage (50 / 7,5 in float32).
TEST(InputAlimPresa, VoltageTapTakesThePartnersPowerAndItsCurrent) {
    // A load tap (car) or a voltage tap; expected SecPot(1), SecAmp(1).
    struct Caso { const char* nome; bool car; int16_t partner; float volt; bool potenza, corrente; float pot, amp; };
    const Caso casi[] = {
        {"voltage tap", false, 3, 7.5f, true, true, 50.0f, 6.666666507720947f},
        {"zero voltage: power only", false, 3, 0.0f, true, false, 50.0f, 9.0f},
        {"load tap: nothing", true, 3, 7.5f, false, false, 20.0f, 9.0f},
        {"partner outside the arrays", false, 0, 7.5f, false, false, 20.0f, 9.0f},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        auto d = NuovoProgetto();
        d->SecPot[1] = 20.0f;
        d->SecAmp[1] = 9.0f;
        d->SecPot[2] = 50.0f;
        d->SecVolt[1] = c.volt;
        Serie(Secondari(*d), 1, c.partner, c.car);
        const EsitoPresa e = PotenzaPresaSec(*d, 1);
        EXPECT_TRUE(e.potenza == c.potenza && e.corrente == c.corrente);
        Esatti({V(d->SecPot[1], c.pot), V(d->SecAmp[1], c.amp)});
    }
}
