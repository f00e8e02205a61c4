// Reader and power routine of the single-phase transformer, and the
// coefficient and iron loss taken from a lamination chosen by the user.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "engine/Mod_Alim.h"
#include "FakeSinks.h"

namespace {

std::unique_ptr<ModuleDIC> NuovoModulo() { return std::make_unique<ModuleDIC>(); }

DatiAlimTesti TestiBase() {
    DatiAlimTesti t;
    t.Cmb_PriNumAvv = "2";
    t.Cmb_SecNumAvv = "3";
    t.Cmb_Frequenza = "60";
    t.Cmb_Induzione = "1,2";
    t.Cmb_Densita = "2,5";
    t.Cmb_CoefK = "1,3";
    t.Txt_PriVolt = {"230", "115"};
    t.Txt_SecVolt = {"24", "12,5", "6,3"};
    t.Txt_SecAmp = {"2", "0,8", "1,5"};
    t.Txt_SecPot = {"48", "10", "9,45"};
    return t;
}

TEST(AlimLettura, CopiesTheTextsWithDecimalCommaUpToTheCounts) {
    auto d = NuovoModulo();
    d->PriVolt[2] = 77;  // past the last primary: left alone
    d->SecVolt[3] = 88;
    LeggiDatiAlim(*d, TestiBase());
    Esatti({V(d->PriUlt, 1), V(d->SecUlt, 2), V(d->Frequenza, 60), V(d->Induzione, 1.2f), V(d->Densita, 2.5f),
            V(d->CoefK, 1.3f), V(d->PriVolt[0], 230), V(d->PriVolt[1], 115), V(d->SecVolt[1], 12.5f),
            V(d->SecVolt[2], 6.3f), V(d->SecAmp[1], 0.8f), V(d->SecPot[2], 9.45f), V(d->PriVolt[2], 77),
            V(d->SecVolt[3], 88)});

    // One winding a side reads only the first; twelve read the twelfth.
    auto u = NuovoModulo();
    DatiAlimTesti t = TestiBase();
    t.Cmb_PriNumAvv = t.Cmb_SecNumAvv = "1";
    LeggiDatiAlim(*u, t);
    Esatti({V(u->PriUlt, 0), V(u->SecUlt, 0), V(u->PriVolt[0], 230), V(u->PriVolt[1], 0), V(u->SecPot[1], 0)});
    t.Cmb_PriNumAvv = t.Cmb_SecNumAvv = "12";
    t.Txt_PriVolt[11] = "11,5";
    t.Txt_SecPot[11] = "3";
    LeggiDatiAlim(*u, t);
    Esatti({V(u->PriUlt, 11), V(u->SecUlt, 11), V(u->PriVolt[11], 11.5f), V(u->SecPot[11], 3)});
}

// A text that does not convert leaves its variable as it was: no crash, no message.
TEST(AlimLettura, TextThatIsNoNumberLeavesTheValue) {
    auto d = NuovoModulo();
    LeggiDatiAlim(*d, TestiBase());
    DatiAlimTesti t = TestiBase();
    t.Cmb_Induzione = "";
    t.Cmb_Densita = ",";
    t.Txt_PriVolt[0] = "abc";
    t.Txt_SecAmp[1] = "1.5";  // a point is not the decimal separator here
    t.Txt_SecPot[2] = "9,4,5";
    t.Cmb_SecNumAvv = "tre";
    t.Cmb_PriNumAvv = "13";  // no such count in the list
    LeggiDatiAlim(*d, t);
    Esatti({V(d->Induzione, 1.2f), V(d->Densita, 2.5f), V(d->PriVolt[0], 230), V(d->SecAmp[1], 0.8f),
            V(d->SecPot[2], 9.45f), V(d->SecUlt, 2), V(d->PriUlt, 1)});
}

void ImpostaSecondari(ModuleDIC& d, const std::vector<float>& potenze) {
    for (size_t i = 0; i < potenze.size(); ++i) d.SecPot[i] = potenze[i];
    d.SecUlt = static_cast<float>(potenze.size()) - 1;
}

TEST(AlimPotenze, ReferenceValues) {
    struct Caso {
        float pot, rendimento, priPotTot, caduta;
    };
    const Caso casi[] = {
        {0.0f, 60.0f, 0.0f, 39.9999962f},
        {100.0f, 84.2517242f, 118.691933f, 6.22927141f},
        {300.0f, 89.2912369f, 335.979218f, 4.51967287f},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.pot);
        auto d = NuovoModulo();
        d->PriUlt = 0;
        d->PriVolt[0] = 230;
        ImpostaSecondari(*d, {c.pot});
        CalcolaPotenzeAlim(*d);
        Circa({V(d->SecPotTot, c.pot), V(d->Rendimento, c.rendimento), V(d->PriPotTot, c.priPotTot),
               V(d->CadutaVolt, c.caduta)});
    }
}

TEST(AlimPotenze, TotalIsCutToTheTenthAfterEverySum) {
    // The product by ten is taken as a Single before the cut: 0,7 VA stays 0,7.
    struct Caso {
        std::vector<float> potenze;
        float totale;
    };
    const Caso casi[] = {{{12.34f, 0.05f, 0.05f}, 12.3f}, {{0.7f}, 0.7f}, {{0.1f, 0.2f, 0.4f}, 0.7f}};
    for (const Caso& c : casi) {
        auto d = NuovoModulo();
        ImpostaSecondari(*d, c.potenze);
        CalcolaPotenzeAlim(*d);
        EXPECT_EQ(d->SecPotTot, c.totale) << c.potenze.front();
    }

    auto d = NuovoModulo();
    ImpostaSecondari(*d, {10.0f, 20.0f, 40.0f, 80.0f});
    d->SecAvvSer[0] = d->SecAvvAda[0] = VERO;  // voltage adjustment tap: its power is in its partner's
    d->SecAvvSer[1] = d->SecAvvCar[1] = VERO;  // load tap: counted
    d->SecAvvAda[2] = VERO;                    // tap flag without the series flag: an ordinary winding
    d->SecAvvSer[3] = 1;                       // not -1: not in series
    d->SecAvvAda[3] = VERO;
    CalcolaPotenzeAlim(*d);
    EXPECT_EQ(d->SecPotTot, 140.0f);
}

TEST(AlimPotenze, EveryPrimaryCarriesThePowerAndOneWithoutVoltageNoCurrent) {
    auto d = NuovoModulo();
    ImpostaSecondari(*d, {100.0f});
    d->PriUlt = 2;
    d->PriVolt[0] = 230;
    d->PriVolt[1] = 115;
    d->PriVolt[2] = 0;  // never read from the window: no current rather than an infinite one
    CalcolaPotenzeAlim(*d);
    Circa({V(d->PriPot[0], 118.691933f), V(d->PriPot[1], 118.691933f), V(d->PriPot[2], 118.691933f)});
    EXPECT_NEAR(d->PriAmp[0], 0.516f, 0.0005f);
    EXPECT_NEAR(d->PriAmp[1], 1.032f, 0.0005f);
    EXPECT_EQ(d->PriAmp[2], 0.0f);
}

TEST(AlimLamierinoScelto, CoefficientAndIronLoss) {
    // With no secondary power counted there is nothing to divide by: the
    // coefficient stays as read, and the iron loss is still computed.
    struct Caso {
        float pot, induzione, coefK, attesoK, pf;
    };
    for (const Caso& c : {Caso{100, 1.2f, 1.6f, 1.0f, 4.32f}, Caso{0, 1.0f, 1.3f, 1.3f, 3.0f}}) {
        SCOPED_TRACE(c.pot);
        auto d = NuovoModulo();
        d->LamSE = 10;
        d->SecPotTot = c.pot;
        d->Induzione = c.induzione;
        d->LamCdP = 1.5f;
        d->LamPesoPacco = 2;
        d->CoefK = c.coefK;
        CalcolaCoefKLamierino(*d);
        Circa({V(d->CoefK, c.attesoK), V(d->LamPF, c.pf)});
    }
}

}  // namespace
