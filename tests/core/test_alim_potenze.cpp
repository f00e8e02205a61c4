// Reader and power routine of the single-phase transformer, and the
// coefficient and iron loss taken from a lamination chosen by the user.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/Mod_Alim.h"

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

TEST(AlimLettura, CopiaTestiConVirgolaDecimale) {
    auto d = NuovoModulo();
    d->PriVolt[2] = 77;  // past the last primary: left alone
    d->SecVolt[3] = 88;
    LeggiDatiAlim(*d, TestiBase());
    EXPECT_EQ(d->PriUlt, 1.0f);
    EXPECT_EQ(d->SecUlt, 2.0f);
    EXPECT_EQ(d->Frequenza, 60.0f);
    EXPECT_EQ(d->Induzione, 1.2f);
    EXPECT_EQ(d->Densita, 2.5f);
    EXPECT_EQ(d->CoefK, 1.3f);
    EXPECT_EQ(d->PriVolt[0], 230.0f);
    EXPECT_EQ(d->PriVolt[1], 115.0f);
    EXPECT_EQ(d->SecVolt[1], 12.5f);
    EXPECT_EQ(d->SecVolt[2], 6.3f);
    EXPECT_EQ(d->SecAmp[1], 0.8f);
    EXPECT_EQ(d->SecPot[2], 9.45f);
    EXPECT_EQ(d->PriVolt[2], 77.0f);
    EXPECT_EQ(d->SecVolt[3], 88.0f);
}

TEST(AlimLettura, UnAvvolgimentoPerLatoLeggeSoloIlPrimo) {
    auto d = NuovoModulo();
    DatiAlimTesti t = TestiBase();
    t.Cmb_PriNumAvv = "1";
    t.Cmb_SecNumAvv = "1";
    LeggiDatiAlim(*d, t);
    EXPECT_EQ(d->PriUlt, 0.0f);
    EXPECT_EQ(d->SecUlt, 0.0f);
    EXPECT_EQ(d->PriVolt[0], 230.0f);
    EXPECT_EQ(d->PriVolt[1], 0.0f);
    EXPECT_EQ(d->SecPot[1], 0.0f);
}

TEST(AlimLettura, DodiciAvvolgimentiPerLato) {
    auto d = NuovoModulo();
    DatiAlimTesti t = TestiBase();
    t.Cmb_PriNumAvv = "12";
    t.Cmb_SecNumAvv = "12";
    t.Txt_PriVolt[11] = "11,5";
    t.Txt_SecPot[11] = "3";
    LeggiDatiAlim(*d, t);
    EXPECT_EQ(d->PriUlt, 11.0f);
    EXPECT_EQ(d->SecUlt, 11.0f);
    EXPECT_EQ(d->PriVolt[11], 11.5f);
    EXPECT_EQ(d->SecPot[11], 3.0f);
}

// A text that does not convert leaves its variable as it was: no crash, no message.
TEST(AlimLettura, TestoNonNumericoLasciaIlValore) {
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
    EXPECT_EQ(d->Induzione, 1.2f);
    EXPECT_EQ(d->Densita, 2.5f);
    EXPECT_EQ(d->PriVolt[0], 230.0f);
    EXPECT_EQ(d->SecAmp[1], 0.8f);
    EXPECT_EQ(d->SecPot[2], 9.45f);
    EXPECT_EQ(d->SecUlt, 2.0f);
    EXPECT_EQ(d->PriUlt, 1.0f);
}

void ImpostaSecondari(ModuleDIC& d, std::initializer_list<float> potenze) {
    int i = 0;
    for (float p : potenze) d.SecPot[i++] = p;
    d.SecUlt = static_cast<float>(i - 1);
}

TEST(AlimPotenze, ValoriDiRiferimento) {
    struct Caso {
        float pot, rendimento, priPotTot, caduta;
    };
    const Caso casi[] = {
        {0.0f, 60.0f, 0.0f, 39.9999962f},
        {100.0f, 84.2517242f, 118.691933f, 6.22927141f},
        {300.0f, 89.2912369f, 335.979218f, 4.51967287f},
    };
    for (const Caso& c : casi) {
        auto d = NuovoModulo();
        d->PriUlt = 0;
        d->PriVolt[0] = 230;
        ImpostaSecondari(*d, {c.pot});
        CalcolaPotenzeAlim(*d);
        EXPECT_FLOAT_EQ(d->SecPotTot, c.pot);
        EXPECT_FLOAT_EQ(d->Rendimento, c.rendimento) << c.pot;
        EXPECT_FLOAT_EQ(d->PriPotTot, c.priPotTot) << c.pot;
        EXPECT_FLOAT_EQ(d->CadutaVolt, c.caduta) << c.pot;
    }
}

TEST(AlimPotenze, TotaleTagliatoAlDecimoDopoOgniSomma) {
    auto d = NuovoModulo();
    ImpostaSecondari(*d, {12.34f, 0.05f, 0.05f});
    CalcolaPotenzeAlim(*d);
    EXPECT_FLOAT_EQ(d->SecPotTot, 12.3f);
}

// The product by ten is taken as a Single before the cut: 0,7 VA stays 0,7.
TEST(AlimPotenze, SetteDecimiNonDiventanoSei) {
    auto d = NuovoModulo();
    ImpostaSecondari(*d, {0.7f});
    CalcolaPotenzeAlim(*d);
    EXPECT_EQ(d->SecPotTot, 0.7f);

    ImpostaSecondari(*d, {0.1f, 0.2f, 0.4f});
    CalcolaPotenzeAlim(*d);
    EXPECT_EQ(d->SecPotTot, 0.7f);
}

TEST(AlimPotenze, PreseDiRegolazioneEsclusePreseDiCaricoContate) {
    auto d = NuovoModulo();
    ImpostaSecondari(*d, {10.0f, 20.0f, 40.0f, 80.0f});
    d->SecAvvSer[0] = VERO;  // voltage adjustment tap: its power is in its partner's
    d->SecAvvAda[0] = VERO;
    d->SecAvvSer[1] = VERO;  // load tap: counted
    d->SecAvvCar[1] = VERO;
    d->SecAvvAda[2] = VERO;  // tap flag without the series flag: an ordinary winding
    d->SecAvvSer[3] = 1;     // not -1: not in series
    d->SecAvvAda[3] = VERO;
    CalcolaPotenzeAlim(*d);
    EXPECT_EQ(d->SecPotTot, 140.0f);
}

TEST(AlimPotenze, OgniPrimarioPortaTuttaLaPotenza) {
    auto d = NuovoModulo();
    ImpostaSecondari(*d, {100.0f});
    d->PriUlt = 1;
    d->PriVolt[0] = 230;
    d->PriVolt[1] = 115;
    CalcolaPotenzeAlim(*d);
    EXPECT_FLOAT_EQ(d->PriPot[0], 118.691933f);
    EXPECT_FLOAT_EQ(d->PriPot[1], 118.691933f);
    EXPECT_NEAR(d->PriAmp[0], 0.516f, 0.0005f);
    EXPECT_NEAR(d->PriAmp[1], 1.032f, 0.0005f);
}

// A primary without a voltage (never read from the window) carries no current
// rather than an infinite one.
TEST(AlimPotenze, PrimarioSenzaTensioneNonDivide) {
    auto d = NuovoModulo();
    ImpostaSecondari(*d, {100.0f});
    d->PriUlt = 0;
    d->PriVolt[0] = 0;
    CalcolaPotenzeAlim(*d);
    EXPECT_EQ(d->PriAmp[0], 0.0f);
    EXPECT_FLOAT_EQ(d->PriPot[0], 118.691933f);
}

TEST(AlimLamierinoScelto, CoefficienteEPerditaNelFerro) {
    auto d = NuovoModulo();
    d->LamSE = 10;
    d->SecPotTot = 100;
    d->Induzione = 1.2f;
    d->LamCdP = 1.5f;
    d->LamPesoPacco = 2;
    d->CoefK = 1.6f;
    CalcolaCoefKLamierino(*d);
    EXPECT_FLOAT_EQ(d->CoefK, 1.0f);
    EXPECT_FLOAT_EQ(d->LamPF, 4.32f);
}

// With no secondary power counted there is nothing to divide by: the
// coefficient stays as read, and the iron loss is still computed.
TEST(AlimLamierinoScelto, SenzaPotenzaIlCoefficienteResta) {
    auto d = NuovoModulo();
    d->LamSE = 10;
    d->SecPotTot = 0;
    d->Induzione = 1.0f;
    d->LamCdP = 1.5f;
    d->LamPesoPacco = 2;
    d->CoefK = 1.3f;
    CalcolaCoefKLamierino(*d);
    EXPECT_EQ(d->CoefK, 1.3f);
    EXPECT_FLOAT_EQ(d->LamPF, 3.0f);
}

}  // namespace
