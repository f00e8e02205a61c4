// Designs at the corners of what the windows' fields and lists take, run
// through their kind's calculation pass, saved and opened again: whatever the
// program saves from input it accepted must open.
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "FakeSinks.h"
#include "LibrerieSupport.h"
#include "Progetti.h"
#include "engine/InputTrif.h"
#include "engine/ModRoutine.h"
#include "engine/Mod_AutoTrasf.h"
#include "engine/Mod_AutoTrifase.h"
#include "engine/Mod_Trif.h"
#include "engine/Mod_Usci.h"
#include "engine/SceltaFilo.h"
#include "engine/SceltaLamierino.h"
#include "engine/SceltaRocchetto.h"
#include "files/LibLam.h"
#include "files/LibRame.h"
#include "files/Progetto.h"
#include "platform/core/Numeri.h"

namespace {

const std::string kLibreria = MARLOVINE_TEST_LIBRERIA;

// The libraries a new window of the kind loads, its first lamination chosen.
void Librerie(ModuleDIC& d, const char* lamierini, FakeMessaggi& msg) {
    d.FileLibreria = kLibreria + "/" + lamierini;
    ASSERT_TRUE(ApriLibreriaLamierini(d, msg));
    d.LamScelto = 0;
    IndividuaTipoLamierino(d, msg);
    VerificaParametriLamierino(d, msg, nullptr);
    d.FileLibreria = kLibreria + "/LibRame1.wir";
    d.NumAvvScelto = 0;
    ASSERT_TRUE(LeggiLibreriaRame(d, msg));
    CopiaLibreriaRame(d);
}

// One corner: every typed value at the low or the high end of its field.
struct Angolo {
    bool priAlta, secAlta, correnteAlta, listeAlte, tutti;
};

std::string Testo(double v) { return num::SngToText(num::Sng(v)); }

// The lists at their first or last items, the coefficient at the end of its
// list that gives the larger or the smaller stack.
void Liste(DatiAlimTesti& t, const Angolo& a, int numAvv, const char* kMin, const char* kMax) {
    const std::string n = a.tutti ? std::to_string(numAvv) : "1";
    t.Cmb_PriNumAvv = t.Cmb_SecNumAvv = n;
    t.Cmb_Frequenza = a.listeAlte ? "60" : "50";
    t.Cmb_Induzione = a.listeAlte ? "3,0" : "0,1";
    t.Cmb_Densita = a.listeAlte ? "9,0" : "0,5";
    t.Cmb_CoefK = a.listeAlte ? kMax : kMin;
}

// The single-phase windows: 0,1 or 9999 V a winding, 0,001 or 999 A a
// secondary, its power written from the current as the window writes it.
DatiAlimTesti TestiMonofase(const Angolo& a, int numAvv, const char* kMin, const char* kMax) {
    DatiAlimTesti t;
    Liste(t, a, numAvv, kMin, kMax);
    const float pri = a.priAlta ? 9999.0f : 0.1f, sec = a.secAlta ? 9999.0f : 0.1f;
    const float amp = a.correnteAlta ? 999.0f : 0.001f;
    for (int i = 0; i < numAvv; ++i) {
        t.Txt_PriVolt[i] = Testo(pri), t.Txt_SecVolt[i] = Testo(sec), t.Txt_SecAmp[i] = Testo(amp);
        t.Txt_SecPot[i] = num::Format(num::Sng(static_cast<double>(amp) * sec), "##0.0");
    }
    return t;
}

// The three-phase windows: the phase boxes as above, the line boxes written
// from them by each winding's letter (star primaries, zig-zag secondaries:
// the largest three-phase power).
DatiTrifTesti TestiTrifase(const Angolo& a, int numAvv, ModuleDIC& d) {
    DatiTrifTesti t;
    static_cast<DatiAlimTesti&>(t) = TestiMonofase(a, numAvv, "0,8", "1,4");
    const float pri = a.priAlta ? 9999.0f : 0.1f, sec = a.secAlta ? 9999.0f : 0.1f;
    const float amp = a.correnteAlta ? 999.0f : 0.001f;
    const float pot = num::Sng(static_cast<double>(amp) * sec);
    for (int i = 0; i < TRIF_NUM_AVV; ++i) {
        d.PriTrif[i] = "Y", d.SecTrif[i] = "z";
        t.Txt_PriVoltLin[i] = inputtrif::TensioneLineaPri("Y", pri).testo;
        const inputtrif::VistaSec v = inputtrif::VistaLinea("z", sec, amp, pot);
        t.Txt_SecVoltLin[i] = v.volt, t.Txt_SecAmpLin[i] = v.amp, t.Txt_SecPotLin[i] = v.pot;
        // The windings not in use show what the window last wrote in them.
        Leggi(d.PriVoltLin[i], t.Txt_PriVoltLin[i]), Leggi(d.SecVoltLin[i], v.volt);
        Leggi(d.SecAmpLin[i], v.amp), Leggi(d.SecPotLin[i], v.pot);
    }
    return t;
}

// The output transformer: 0,1 or 999999 ohm and 0,001 or 99999 A at the
// anode, loads of 2 or 999999 ohm, its lists at their ends, configuration N
// with one or twelve sections a side.
DatiUsciTesti TestiUscita(const Angolo& a) {
    DatiUsciTesti t;
    t.Cmb_PriNumAvv = t.Cmb_SecNumAvv = a.tutti ? "12" : "1";
    t.Cmb_SecTipo = "N";
    t.Cmb_Frequenza = a.listeAlte ? "200" : "5";
    t.Cmb_Induzione = a.listeAlte ? "2,00" : "0,10";
    t.Cmb_Densita = a.listeAlte ? "9,0" : "0,5";
    t.Txt_PriImp = a.priAlta ? "999999" : "0,1";
    t.Txt_PriAmp = a.correnteAlta ? "99999" : "0,001";
    const char* carico = a.secAlta ? "999999" : "2";
    t.Txt_SecImp = {carico, carico, carico};
    return t;
}

// The kind's new design with its libraries, and its calculation pass on the
// corner's texts.
struct Genere {
    std::unique_ptr<ModuleDIC> d;
    std::function<void(ModuleDIC&, FakeMessaggi&)> calcola;
};
Genere Nuovo(int16_t genere, const Angolo& a, FakeMessaggi& msg) {
    Genere g{NuovoProgetto(), {}};
    ModuleDIC& d = *g.d;
    switch (genere) {
        case tipo::Monofase:
            Librerie(d, "LamMantelloStandard.lam", msg);
            g.calcola = [t = TestiMonofase(a, inputalim::NUM_AVV, "1,0", "1,6")](ModuleDIC& x, FakeMessaggi& m) {
                CalcoloAlim(x, t, m);
            };
            break;
        case tipo::AutoMonofase:
            ProgettoPredefinitoAuto(d);
            Librerie(d, "LamMantelloStandard.lam", msg);
            g.calcola = [t = TestiMonofase(a, AUTO_NUM_AVV, "1,0", "1,6")](ModuleDIC& x, FakeMessaggi& m) {
                CalcoloAutoTrasf(x, t, m);
            };
            break;
        case tipo::Trifase:
            d.TipoCalcolo = tipo::Trifase;
            Librerie(d, "LamTrifaseStandard.lam", msg);
            g.calcola = [t = TestiTrifase(a, TRIF_NUM_AVV, d)](ModuleDIC& x, FakeMessaggi& m) { CalcoloTrif(x, t, m); };
            break;
        case tipo::AutoTrifase: {
            ProgettoPredefinitoAuto(d);
            d.TipoCalcolo = tipo::AutoTrifase;
            Librerie(d, "LamTrifaseStandard.lam", msg);
            // This window shows one winding a side.
            const Angolo uno{a.priAlta, a.secAlta, a.correnteAlta, a.listeAlte, false};
            g.calcola = [t = TestiTrifase(uno, 1, d)](ModuleDIC& x, FakeMessaggi& m) { CalcoloAutoTrif(x, t, m); };
            break;
        }
        default:
            ProgettoPredefinitoUsci(d);
            Librerie(d, "LamMantelloStandard.lam", msg);
            g.calcola = [t = TestiUscita(a)](ModuleDIC& x, FakeMessaggi& m) { CalcoloUsci(x, t, m); };
            break;
    }
    return g;
}

}  // namespace

// One corner of the dialogs: the wire dialog's five boxes (yellow ones
// included), an out-of-format lamination of a shell kind at its boxes' ends
// with a stack, and a bobbin within that lamination's tolerances.
struct AngoloDialoghi {
    TestiFiloFuori filo;
    TestiLamFuori lam;
    float sp;
    TestiRocchetto roch;
    OpzioniRocchetto opzioni;
};
const AngoloDialoghi kAngoliDialoghi[] = {
    // The least of every box; C, D, E, F, G 5 mm (A 15, B 25), grooves I and L of 2 mm.
    {{",0001", ",0002", ",0001", ",00001", ",0001"}, {"15", "25", "5", "5", "5", "5", "5", "x", "0,01"}, 5,
     {"6", "5", "3", "r", "", "2", "2"}, {false, false, true, false, false}},
    // Two wires of a thin bare diameter and of a heavy copper, both refused on
    // reopening before; the largest lamination (A 9999, B 4995) and bobbin.
    {{"0,001", "99999", "99999", "0,0176", "8,9"},
     {"9999", "4995", "999", "999", "8001", "999", "999", "EI grande", "9999"}, 9996,
     {"1298", "9999", "998", "R grande", "8000", "", ""}, {}},
    {{"9999", "99999", "1,05", "0,0176", "99999"}, {"15", "25", "5", "5", "5", "5", "5", "x", "0,01"}, 1e7f, {}, {}},
    // The calculation's largest diameters with their commas deleted.
    {{"5046261", "5197658", "99999", "999999", "99999"}, {}, 0, {}, {}},
    // The enamelled diameter the calculation gives a 0,1 V primary of 60 kW,
    // 578,8703 mm, with its comma deleted; the most digits such a text holds.
    {{"562,01", "5788703", "1,05", "0,0176", "8,9"}, {}, 0, {}, {}},
    {{"5046261", "9999999", ",0001", "999999", "99999"}, {}, 0, {}, {}},
};

// Every corner of every kind, in the power-given mode, and then with the
// lamination the pass chose confirmed at the thickest stack the lamination
// dialog takes (the lamination-given mode): each saves and opens again.
TEST(ProgettiEstremi, EveryCornerOfEveryKindSavesAndOpensAgain) {
    // On a memory file system when there is one: a save waits for its disk.
    const std::string f = FileDiLavoro("estremi", ".tmf");
    struct Rimuovi {
        std::string f;
        ~Rimuovi() { std::error_code e; std::filesystem::remove(f, e); }
    } rimuovi{f};
    auto aperto = std::make_unique<ModuleDIC>();
    for (int16_t genere = tipo::Monofase; genere <= tipo::Uscita; ++genere)
        for (int k = 0; k < 16; ++k) {
            // Every winding a side in use: the most power at the high end, and
            // at the low end still a total that rounds to nothing.
            const Angolo a{(k & 1) != 0, (k & 2) != 0, (k & 4) != 0, (k & 8) != 0, true};
            SCOPED_TRACE("tipo " + std::to_string(genere) + " angolo " + std::to_string(k));
            FakeMessaggi msg;
            Genere g = Nuovo(genere, a, msg);
            ModuleDIC& d = *g.d;
            for (const bool pacco : {false, true}) {
                if (pacco) {
                    // The lowest and the highest corners again, the stack given.
                    if (k != 0 && k != 15) continue;
                    ASSERT_TRUE(ConfermaLamierino(d, d.LamScelto, 1e7f, msg, nullptr));
                    d.ConoscoPotenza = FALSO;
                }
                g.calcola(d, msg);
                std::string e;
                ASSERT_TRUE(progetto::SalvaProgetto(d, f, "angolo.tmf", e)) << e;
                EXPECT_TRUE(progetto::ApriProgetto(f, *aperto, e)) << e;
            }
        }
}

// Each dialog corner on the lowest and the highest corner of every kind: the
// custom wire on the first primary, the out-of-format lamination confirmed
// with its stack, the user's bobbin taken, each rebuilt as the window does,
// saved and opened again.
TEST(ProgettiEstremi, EveryDialogCornerSavesAndOpensAgain) {
    libtest::Cartella tmp;
    const std::string f = tmp.File("dialoghi.tmf");
    auto aperto = std::make_unique<ModuleDIC>();
    for (int16_t genere = tipo::Monofase; genere <= tipo::Uscita; ++genere)
        for (int k : {0, 15})
            for (const AngoloDialoghi& c : kAngoliDialoghi) {
                SCOPED_TRACE("tipo " + std::to_string(genere) + " angolo " + std::to_string(k) + " filo " + c.filo[0]);
                const Angolo a{(k & 1) != 0, (k & 2) != 0, (k & 4) != 0, (k & 8) != 0, true};
                FakeMessaggi msg;
                Genere g = Nuovo(genere, a, msg);
                ModuleDIC& d = *g.d;
                g.calcola(d, msg);
                const bool trifase = genere == tipo::Trifase || genere == tipo::AutoTrifase;
                ASSERT_TRUE(CalcolaFiloFuoriFormato(d, 0, c.filo, msg));
                d.PriFiloRiga[0] = FILO_FUORI_FORMATO;
                d.PriFiloNudo[0] = d.FiloNudo[FILO_FUORI_FORMATO][0];
                d.PriFiloIsol[0] = d.FiloIsolato[FILO_FUORI_FORMATO][0];
                RicalcoloAvvolgimenti(d, trifase, msg);
                if (!trifase && !c.lam[LF_A].empty()) {
                    ASSERT_TRUE(CalcolaLamFuoriFormato(d, c.lam, msg).ok);
                    ASSERT_TRUE(ConfermaLamierino(d, LAM_FUORI_FORMATO, c.sp, msg, nullptr));
                    if (!c.roch.C.empty()) {
                        ASSERT_TRUE(CalcolaRocchettoUtente(d, c.roch, c.opzioni, msg));
                        d.RochScelto = ROCH_UTENTE;
                    }
                    RicalcoloAvvolgimenti(d, false, msg);
                }
                std::string e;
                ASSERT_TRUE(progetto::SalvaProgetto(d, f, "dialoghi.tmf", e)) << e;
                EXPECT_TRUE(progetto::ApriProgetto(f, *aperto, e)) << e;
            }
}

// A project the previous release saved, as its own save wrote it: a 0,1 V
// primary of 100 V x 600 A, its computed wire (562,01 / 578,8703 mm) taken in
// the wire dialog with the enamelled diameter's comma deleted, Kf 1,05. It
// opens with its custom wire: 10 / 5788703 / 1,05 = 1,645E-06 turns per cm.
TEST(ProgettiEstremi, AProjectOfThePreviousReleaseOpens) {
    auto d = NuovoProgetto();
    std::string e;
    ASSERT_TRUE(progetto::ApriProgetto(std::string(MARLOVINE_TEST_DATI) + "/filo_virgola_tolta_1.5.0.tmf", *d, e)) << e;
    EXPECT_EQ(d->PriFiloRiga[0], 38.0f);
    EXPECT_EQ(d->FiloIsolato[38][0], 5788703.0f);
    EXPECT_EQ(d->FiloNudo[38][0], 562.01f);
    EXPECT_NEAR(d->SpireCM[38][0], 1.6452e-6f, 1e-9f);
}
