// The three-phase transformer and autotransformer: reader, powers, the
// autotransformer coefficient and common section, and whole passes. Expected
// figures were worked out apart from the code, in Single arithmetic, from the
// formulas.
#include "FakeSinks.h"
#include "Progetti.h"
#include "engine/Mod_AutoTrifase.h"
#include "engine/InputTrif.h"
#include "engine/Mod_Trif.h"

// The three-phase window's defaults: star primaries, zig-zag secondaries.
static std::unique_ptr<ModuleDIC> ProgettoTrif() {
    auto d = NuovoProgetto();
    d->TipoCalcolo = tipo::Trifase;
    d->PriUlt = d->SecUlt = 0;
    d->CoefKMin = 1.0f;
    d->CoefKMax = 1.6f;
    d->PriTrif.fill("Y");
    d->SecTrif.fill("z");
    return d;
}

// The three-phase autotransformer window's defaults: star windings, every
// primary an adjustment tap and every secondary a load tap, each in series
// with the next.
static std::unique_ptr<ModuleDIC> ProgettoAutoTrif() {
    auto d = ProgettoTrif();
    d->TipoCalcolo = tipo::AutoTrifase;
    d->SecTrif.fill("y");
    for (int i = 0; i < TRIF_NUM_AVV; ++i) {
        Serie(Primari(*d), i, i + 2);
        Serie(Secondari(*d), i, i + 2, true);
    }
    return d;
}

// One primary and one secondary, phase and line values; 50 Hz, 1,0 T,
// 2,5 A/mm², K 1,3.
static DatiTrifTesti Testi(const char* pri, const char* sec, const char* amp, const char* pot, const char* potLin) {
    DatiTrifTesti t;
    t.Cmb_PriNumAvv = t.Cmb_SecNumAvv = "1";
    t.Cmb_Frequenza = "50";
    t.Cmb_Induzione = "1,0";
    t.Cmb_Densita = "2,5";
    t.Cmb_CoefK = "1,3";
    t.Txt_PriVolt[0] = pri;
    t.Txt_SecVolt[0] = sec;
    t.Txt_SecAmp[0] = amp;
    t.Txt_SecPot[0] = pot;
    t.Txt_SecPotLin[0] = potLin;
    return t;
}

// ------------------------------------------------------------ powers

TEST(TrifPotenze, TotalFromTheLettersAndAThirdToEachPrimary) {
    struct Sec { float potLin; const char* lettera; bool serie = false, regolazione = false; };
    struct Pri { float volt; const char* lettera; float pri, amp; };  // expected PriPot, PriAmp
    struct Caso { const char* nome; std::vector<Sec> sec; std::vector<Pri> pri;
                  float secPotTot, rendimento, priPotTot, caduta; };
    const Caso casi[] = {
        // An adjustment tap in series adds nothing, a winding only in series
        // counts; "Z" is no zig-zag; "b" counts 1,5. No voltage, no current.
        {"series taps, Z and b",
         {{100, "y", true, true}, {100, "y", true, false}, {1000, "Z"}, {1000, "b"}},
         {{400, "Y", 909.03418f, 2.27258539f}, {0, "D", 909.03418f, 0}},
         2600, 95.3392792f, 2727.10254f, 2.79852104f},
        // 0,7 VA stays 0,7 after the first cut; every primary, D, Y or one
        // with no letter, gets its third.
        {"every letter rule",
         {{0.7f, "d"}, {500, "z"}, {250, "y", true, true}, {100, "b"}, {10, "Z"}},
         {{400, "D", 265.711456f, 0.664278626f},
          {230, "Y", 265.711456f, 1.15526724f},
          {110, "", 265.711456f, 2.41555858f}},
         738, 92.5816345f, 797.134338f, 3.6275239f},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        auto d = ProgettoTrif();
        d->PriUlt = static_cast<float>(c.pri.size() - 1);
        d->SecUlt = static_cast<float>(c.sec.size() - 1);
        for (size_t i = 0; i < c.sec.size(); ++i) {
            const Sec& s = c.sec[i];
            d->SecPotLin[i] = s.potLin;
            d->SecTrif[i] = s.lettera;
            d->SecAvvSer[i] = Flag(s.serie);
            d->SecAvvAda[i] = Flag(s.regolazione);
        }
        for (size_t i = 0; i < c.pri.size(); ++i) {  // PriPot 999 from an earlier design
            d->PriVolt[i] = c.pri[i].volt;
            d->PriTrif[i] = c.pri[i].lettera;
            d->PriPot[i] = 999;
        }
        CalcolaPotenzeTrif(*d);
        Circa({V(d->SecPotTot, c.secPotTot), V(d->Rendimento, c.rendimento), V(d->PriPotTot, c.priPotTot),
               V(d->CadutaVolt, c.caduta)});
        for (size_t i = 0; i < c.pri.size(); ++i) {
            SCOPED_TRACE(i);
            Circa({V(d->PriPot[i], c.pri[i].pri), V(d->PriAmp[i], c.pri[i].amp)});
        }
    }
}

// ------------------------------------------------------------ autotransformer

TEST(AutoTrifPotenze, CoefficientOwnPowerAndCommonSection) {
    // riduttore: the common section on the secondary side; corrente: CorrenteSez, and its bare diameter.
    struct Caso { const char* nome; float pri, sec, amp, pot, potLin, secPotTot, vuoto, coefAuto, potPass, priPot, priAmp;
                  bool riduttore; float corrente, diametro; };
    const Caso casi[] = {
        {"step-up", 200, 230, 2, 460, 1380, 1380, 237.289566f, 0.130434781f, 180, 488.199615f, 2.44099808f, false,
         0.440998226f, 0.473918498f},
        {"230 V to 115 V", 230, 115, 2, 230, 690, 690, 119.236015f, 0.5f, 345, 248.993515f, 1.08258045f, true,
         0.917419553f, 0.683548331f},
        // The load current is below the line current it draws: the floor.
        {"95 % of the primary at 1000 VA", 230, 218.5f, 1.52555311f, 333.333344f, 1000, 1000, 225.911255f, 0.05f,
         50, 356.701019f, 1.55087399f, true, 0.01f, 0.0713649914f},
        // The primary equals the no-load voltage: the step-up branch of both.
        {"equal voltages", 207.609283f, 200, 0.5f, 200, 600, 600, 207.609283f, 0.0380464159f, 22.8278503f,
         217.590073f, 1.04807484f, false, 0.548074841f, 0.528329849f},
        // No voltage at all: the coefficient's floor and no current.
        {"no voltages", 0, 0, 1, 100, 300, 300, 0, 0.003f, 0.9f, 111.993073f, 0, false, 0.01f, 0.0713649914f},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        auto d = ProgettoAutoTrif();
        d->PriVolt[0] = c.pri;
        d->SecVolt[0] = c.sec;
        d->SecAmp[0] = c.amp;
        d->SecPot[0] = c.pot;
        d->SecPotLin[0] = c.potLin;
        d->Densita = 2.5f;
        CalcolaPotenzeAutoTrif(*d);
        Circa({V(d->SecPotTot, c.secPotTot), V(d->SecVoltVuoto[0], c.vuoto), V(d->CoefAuto, c.coefAuto),
               V(d->PotPass, c.potPass), V(d->PriPot[0], c.priPot), V(d->PriAmp[0], c.priAmp)});
        CalcolaCorrentiAutoTrif(*d);
        Lato comune = c.riduttore ? Secondari(*d) : Primari(*d);
        Circa({V(d->CorrenteSez, c.corrente), V(comune.AmpFilo[0], c.corrente), V(comune.FiloNudo[0], c.diametro)});
    }
}

// The no-load voltage of every place of the window, in use or not.
TEST(AutoTrifPotenze, NoLoadVoltageOfAllNinePlaces) {
    auto d = ProgettoAutoTrif();
    d->PriVolt[0] = 219.4f;
    d->SecPotLin[0] = 999.9f;
    d->SecVolt = {127, 24, 24, 24, 24, 24, 24, 24, 24, 24};
    CalcolaPotenzeAutoTrif(*d);
    Circa({V(d->SecVoltVuoto[1], 24.8140678f), V(d->SecVoltVuoto[8], 24.8140678f)});
    Esatti({V(d->SecVoltVuoto[9], 0)});
}

// ------------------------------------------------------------ passes

// With the lamination given, the coefficient follows from its section and the
// power that sizes the core, for three legs; with no power it keeps the one
// read. (With the power given the list's stands: every whole pass.)
TEST(TrifPassi, CoefficientFromTheLaminationOrFromTheList) {
    struct Caso { const char* nome; bool autotrasf; const char* potLin; float coefK; };
    const Caso casi[] = {
        {"three-phase, SecPotTot 300", false, "300", 1.0f},
        {"autotransformer, PotPass 300", true, "600", 1.0f},
        {"three-phase, no power", false, "0", 1.3f},
        {"autotransformer, no power", true, "0", 1.3f},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        auto d = c.autotrasf ? ProgettoAutoTrif() : ProgettoTrif();
        d->SecTrif[0] = "y";
        d->ConoscoPotenza = FALSO;
        d->LamSE = 10;
        d->LamPesoPacco = 2;
        d->LamCdP = 1.5f;
        FakeMessaggi msg;
        (c.autotrasf ? CalcoloAutoTrif : CalcoloTrif)(*d, Testi("230", "115", "2", "200", c.potLin), msg);
        Circa({V(d->CoefK, c.coefK), V(d->LamPF, 3)});
    }
}

// The whole three-phase pass: the line values read, the phase current sizes
// the primary's wire (the zig-zag loss: AlimPerdite).
TEST(TrifPassi, WholePassOnPhaseValues) {
    auto d = ProgettoTrif();
    FakeMessaggi msg;
    DatiTrifTesti t = Testi("219,4", "127", "2,624", "333,3", "1000,3");
    t.Txt_PriVoltLin[0] = "380";
    t.Txt_SecVoltLin[0] = "220";
    t.Txt_SecAmpLin[0] = "2,625";
    CalcoloTrif(*d, t, msg);
    Esatti({V(d->PriVoltLin[0], 380), V(d->SecVoltLin[0], 220), V(d->SecAmpLin[0], 2.625f), V(d->SecPotTot, 1155)});
    Circa({V(d->PriAmp[0], 1.87049675f), V(d->SecVoltVuoto[0], 131.17717f)});
    // No wire library: each wire is the required diameter cut to 0,01 mm.
    Circa({V(d->PriFiloNudo[0], 0.97f), V(d->SecFiloNudo[0], 1.15f)});
}

// In the autotransformer pass the common section's wire follows the section
// current, not the load current.
TEST(TrifPassi, CommonSectionWireFollowsTheSectionCurrent) {
    auto d = ProgettoAutoTrif();
    FakeMessaggi msg;
    CalcoloAutoTrif(*d, Testi("219,4", "127", "2,624", "333,3", "999,9"), msg);
    Circa({V(d->CoefAuto, 0.421148568f), V(d->PotPass, 421.106476f), V(d->CorrenteSez, 0.998355865f),
           V(d->SecAmpFilo[0], 0.998355865f), V(d->SecFiloNudo[0], 0.71f)});
}

// A box left rewrites its partner by the letter; no letter copies the value.
TEST(TrifCampi, ConversionByLetter) {
    using inputtrif::Conversione;
    const struct { Conversione c; const char* lettera; float x; const char* testo; bool ok; } casi[] = {
        {Conversione::PriVolt, "Y", 220, "381,1", true},     {Conversione::PriVolt, "d", 220, "220,0", false},
        {Conversione::PriVoltLin, "Y", 380, "219,4", true},  {Conversione::SecVoltLin, "z", 220, "73,3", true},
        {Conversione::SecVoltLin, "y", 220, "127,0", true},  {Conversione::SecPotLin, "y", 900, "300,0", true},
        {Conversione::SecPotLin, "z", 900, "173,2", true},   {Conversione::SecAmpLin, "d", 0.001f, "0,001", true},
        {Conversione::PriVolt, "D", 0.35f, "0,4", true}};   // the Single's 7 digits, as every window shows it
    for (const auto& c : casi) {
        const inputtrif::TestoLettera t = inputtrif::Converti(c.c, c.lettera, c.x);
        EXPECT_EQ(t.testo, c.testo) << c.lettera << ' ' << c.x;
        EXPECT_EQ(t.lettera, c.ok) << c.lettera << ' ' << c.x;
    }
}
