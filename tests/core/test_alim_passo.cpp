// Whole calculation passes of the single-phase transformer, with the values
// worked out by hand from the formulas of each step.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "FakeSinks.h"
#include "engine/Mod_Alim.h"

namespace {

// One primary of 230 V, one secondary of 150 V 2 A 300 VA; 50 Hz, 1,0 T,
// 2,5 A/mm², K 1,3, 1,5 W/kg. No lamination and no wire library loaded, so
// the stack and every wire are computed; the demonstration bobbin; both
// windings isolated, on bobbin 1 in groove H.
std::unique_ptr<ModuleDIC> Progetto() {
    auto d = std::make_unique<ModuleDIC>();
    ProgettoPredefinito(*d);
    d->CoefKMin = 1.0f;
    d->CoefKMax = 1.6f;
    return d;
}

DatiAlimTesti Testi() {
    DatiAlimTesti t;
    t.Cmb_PriNumAvv = "1";
    t.Cmb_SecNumAvv = "1";
    t.Cmb_Frequenza = "50";
    t.Cmb_Induzione = "1,0";
    t.Cmb_Densita = "2,5";
    t.Cmb_CoefK = "1,3";
    t.Txt_PriVolt[0] = "230";
    t.Txt_SecVolt[0] = "150";
    t.Txt_SecAmp[0] = "2";
    t.Txt_SecPot[0] = "300";
    return t;
}

TEST(AlimPasso, WholePassWithTheStackFromThePower) {
    auto d = Progetto();
    FakeMessaggi msg;
    CalcoloAlim(*d, Testi(), msg);
    EXPECT_TRUE(msg.boxes.empty());
    // Powers; the stack: a computed lamination, C 51 mm; the demonstration bobbin.
    Circa({V(d->SecPotTot, 300.0f), V(d->Rendimento, 89.2912369f), V(d->PriPotTot, 335.979218f),
           V(d->CadutaVolt, 4.51967287f), V(d->PriAmp[0], 1.46077919f), V(d->LamScelto, 18),
           V(d->LamSE, 22.5166588f), V(d->LamSP, 49.0068474f), V(d->LamPesoPacco, 5.88976431f),
           V(d->LamPF, 8.83464622f), V(d->RochC[0], 52.0f), V(d->RochSp[0], 50.0068474f), V(d->RochM[0], 23.5f),
           V(d->RochH[0], 73.5f), V(d->RochGolaH[0], 1727.25f)});
    // Turns; wires, both computed (row 38).
    Circa({V(d->FEMI, 0.499869823f), V(d->PriSpire[0], 460), V(d->SecVoltVuoto[0], 156.77951f),
           V(d->SecSpire[0], 314), V(d->PriFiloRiga[0], 38), V(d->SecFiloRiga[0], 38), V(d->PriFiloNudo[0], 0.86f),
           V(d->PriFiloIsol[0], 0.8858f), V(d->SecAmpFilo[0], 2.0f), V(d->SecFiloNudo[0], 1.0f),
           V(d->SecFiloIsol[0], 1.03f), V(d->SpireCM[38][0], 10.7516479f), V(d->SpireCM[38][12], 9.246418f)});
    // Winding build.
    Circa({V(d->PriLung[0], 137.086304f), V(d->PriPeso[0], 708.713135f), V(d->PriDens[0], 2.51476932f),
           V(d->PriPotPer[0], 10.7566748f), V(d->PriIng[0], 378.981903f), V(d->PriRes[0], 4.15355825f),
           V(d->PriSpSt[0], 79.0246124f), V(d->PriStrati[0], 5.82097149f), V(d->PriIso[0], 95.55f),
           V(d->SecLung[0], 93.5763016f), V(d->SecPeso[0], 654.101868f), V(d->SecDens[0], 2.54648113f),
           V(d->SecPotPer[0], 10.17976f), V(d->SecIng[0], 349.778687f), V(d->SecRes[0], 2.09695458f),
           V(d->SecSpSt[0], 67.961174f), V(d->SecStrati[0], 4.62028503f), V(d->SecIso[0], 80.85f)});
    // Losses, groove sums, fill.
    Circa({V(d->PotPerPri, 10.7566748f), V(d->PotPerSec, 10.17976f), V(d->PotTotPers, 20.9364357f),
           V(d->SommaIngH1, 728.76062f), V(d->SommaIsoH1, 176.4f), V(d->IngGolaH1, 995.676697f)});
    Esatti({V(d->IngGolaI1, 0), V(d->SommaIngH2, 0)});
}

// In the mode where the lamination is given, the coefficient follows from the
// stack and the power, whatever the list says ("true" is -1 only); with the
// power given the coefficient is the list's.
TEST(AlimPasso, CoefficientFromTheStackOrFromTheList) {
    for (int16_t modo : {FALSO, int16_t{1}}) {
        SCOPED_TRACE(modo);
        auto d = Progetto();
        FakeMessaggi msg;
        CalcoloAlim(*d, Testi(), msg);  // sizes the stack, which then stays
        d->ConoscoPotenza = modo;
        DatiAlimTesti t = Testi();
        t.Cmb_CoefK = "1,6";
        CalcoloAlim(*d, t, msg);
        Circa({V(d->CoefK, 1.29999995f), V(d->LamSE, 22.5166588f), V(d->LamPF, 8.83464622f), V(d->PriSpire[0], 460),
               V(d->IngGolaH1, 995.676697f)});
        EXPECT_TRUE(msg.boxes.empty());
    }
    auto d = Progetto();
    FakeMessaggi msg;
    DatiAlimTesti t = Testi();
    t.Cmb_CoefK = "1,6";
    CalcoloAlim(*d, t, msg);
    Circa({V(d->CoefK, 1.6f), V(d->LamSE, 1.6f * 17.3205081f)});
}

// After a dialog only the build and what follows run: the user's wire and
// insulation stand, the wire choice is not made again.
TEST(AlimPasso, RecalculationKeepsTheChosenWire) {
    auto d = Progetto();
    FakeMessaggi msg;
    CalcoloAlim(*d, Testi(), msg);

    d->FiloNudo[5][0] = 0.9f;
    d->FiloIsolato[5][0] = 0.95f;
    d->SezioneFilo[5][0] = 0.6f;
    d->PesoFilo[5][0] = 3.2f;
    d->CoefKfFilo[5][0] = 1.05f;
    d->SpireCM[5][0] = 10;
    d->ResistenzaFilo[5][0] = 0.03f;
    d->PriFiloRiga[0] = 5;
    d->RochIsoAvvH = 0.5f;
    RicalcoloAvvolgimentiAlim(*d, msg);
    EXPECT_EQ(d->PriFiloRiga[0], 5.0f);
    // Ingombro 0,95² * 460 * 1,05; layers 460 / 73,5; insulation 6 (or 4) *
    // 0,2 * 73,5 + 0,5 * 73,5. The totals follow the new build.
    Circa({V(d->PriLung[0], 137.086304f), V(d->PriPeso[0], 438.676178f), V(d->PriDens[0], 2.43463182f),
           V(d->PriPotPer[0], 6.24053574f), V(d->PriIng[0], 435.907471f), V(d->PriStrati[0], 6.25850344f),
           V(d->PriIso[0], 124.95f), V(d->SecIso[0], 95.55f), V(d->PotTotPers, 16.4202957f),
           V(d->SommaIsoH1, 220.5f), V(d->SommaIngH1, 785.686157f), V(d->IngGolaH1, 1106.80481f)});
    EXPECT_TRUE(msg.boxes.empty());
}

// A groove that is too full warns, and the pass still ends with every figure.
TEST(AlimPasso, OverfullGrooveWarnsAndThePassEnds) {
    auto d = Progetto();
    FakeMessaggi msg;
    DatiAlimTesti t = Testi();
    t.Cmb_Densita = "0,5";  // five times the copper
    CalcoloAlim(*d, t, msg);
    EXPECT_EQ(msg.Testi(), std::vector<std::string>{"Avvolgimenti Troppo Ingombranti in Gola H Rocchetto 1"});
    EXPECT_GE(d->IngGolaH1, d->RochGolaH[0]);
    EXPECT_GT(d->PotTotPers, 0.0f);
}

// A fresh store and texts that do not convert: the pass runs to the end
// without dividing by zero; nothing becomes infinite.
TEST(AlimPasso, EmptyTextsDoNoHarm) {
    auto d = std::make_unique<ModuleDIC>();
    d->TipoCalcolo = tipo::Monofase;
    FakeMessaggi msg;
    CalcoloAlim(*d, DatiAlimTesti{}, msg);
    Esatti({V(d->PriUlt, 0), V(d->SecPotTot, 0), V(d->PriSpire[0], 0)});
    for (float v : {d->PriLung[0], d->PriDens[0], d->PotTotPers, d->IngGolaH1}) EXPECT_TRUE(std::isfinite(v)) << v;
}

// A design of no power gets the computed 1 mm lamination, too small for the
// bobbin's walls (E 1,5 mm, F 0,5 mm): its grooves have no room rather than
// a negative one, so no negative insulation or fill is ever shown, and a
// winding with any build in them is reported as not fitting.
TEST(AlimPasso, LaminationTooSmallForTheBobbinLeavesGroovesWithNoRoom) {
    auto d = Progetto();
    FakeMessaggi msg;
    DatiAlimTesti t = Testi();
    t.Txt_SecVolt[0] = "10";
    t.Txt_SecAmp[0] = "0,001";
    t.Txt_SecPot[0] = "0,0";
    CalcoloAlim(*d, t, msg);
    Esatti({V(d->SecPotTot, 0), V(d->LamC[18], 1), V(d->RochM[0], 0), V(d->RochH[0], 0), V(d->RochI[0], 0),
            V(d->RochL[0], 0), V(d->RochGolaH[0], 0), V(d->PriIso[0], 0), V(d->SecIso[0], 0), V(d->IngGolaH1, 0)});
    EXPECT_TRUE(msg.boxes.empty());

    d->PriSpire[0] = 100;
    RicalcoloAvvolgimentiAlim(*d, msg);
    EXPECT_EQ(d->PriIso[0], 0.0f);
    EXPECT_GT(d->IngGolaH1, 0.0f);
    EXPECT_EQ(msg.Testi(), std::vector<std::string>{"Avvolgimenti Troppo Ingombranti in Gola H Rocchetto 1"});
}

}  // namespace
