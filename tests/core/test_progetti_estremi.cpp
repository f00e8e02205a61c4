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
#include "files/CalcoloLibrerie.h"
#include "files/LibLam.h"
#include "files/LibRame.h"
#include "files/Progetto.h"
#include "files/RecordFile.h"
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
        t.Txt_PriVolt[i] = Testo(pri);
        t.Txt_SecVolt[i] = Testo(sec);
        t.Txt_SecAmp[i] = Testo(amp);
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
        d.PriTrif[i] = "Y";
        d.SecTrif[i] = "z";
        t.Txt_PriVoltLin[i] = inputtrif::TensioneLineaPri("Y", pri).testo;
        const inputtrif::VistaSec v = inputtrif::VistaLinea("z", sec, amp, pot);
        t.Txt_SecVoltLin[i] = v.volt;
        t.Txt_SecAmpLin[i] = v.amp;
        t.Txt_SecPotLin[i] = v.pot;
        // The windings not in use show what the window last wrote in them.
        Leggi(d.PriVoltLin[i], t.Txt_PriVoltLin[i]);
        Leggi(d.SecVoltLin[i], v.volt);
        Leggi(d.SecAmpLin[i], v.amp);
        Leggi(d.SecPotLin[i], v.pot);
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
    TestiFiloFuori filo = {};
    TestiLamFuori lam = {};
    float sp = 0;
    TestiRocchetto roch = {};
    OpzioniRocchetto opzioni = {};
    // A library the lamination dialog opens first: the editor's proportional
    // table of the kind with that option (-1: none) and centre legs; its row
    // `riga` is confirmed when no lamination is typed.
    int tipoLib = -1;
    std::vector<std::string> lib = {};
    int riga = 0;
    int rocchetti = -1;     // "Un  Rocchetto" (0) or "Due Rocchetti" (1) clicked
    int risposta = mb::No;  // to the stack question
    float pacco = 0;        // the stack the reopened design holds, mm (0: not checked)
    bool monofase = true, trifase = true;  // the kinds it runs on: the others, the three-phase ones
};
const AngoloDialoghi kAngoliDialoghi[] = {
    // The least of every box; C, D, E, F, G 5 mm (A 15, B 25), grooves I and L of 2 mm.
    {.filo = {",0001", ",0002", ",0001", ",00001", ",0001"}, .lam = {"15", "25", "5", "5", "5", "5", "5", "x", "0,01"},
     .sp = 5, .roch = {"6", "5", "3", "r", "", "2", "2"}, .opzioni = {false, false, true, false, false}, .trifase = false},
    // Two wires of a thin bare diameter and of a heavy copper, both refused on
    // reopening before; the largest lamination (A 9999, B 4995) and bobbin.
    {.filo = {"0,001", "99999", "99999", "0,0176", "8,9"},
     .lam = {"9999", "4995", "999", "999", "8001", "999", "999", "EI grande", "9999"}, .sp = 9996,
     .roch = {"1298", "9999", "998", "R grande", "8000", "", ""}, .trifase = false},
    {{"9999", "99999", "1,05", "0,0176", "99999"}, {"15", "25", "5", "5", "5", "5", "5", "x", "0,01"}, 1e7f, {}, {}},
    // The calculation's largest diameters with their commas deleted.
    {{"5046261", "5197658", "99999", "999999", "99999"}, {}, 0, {}, {}},
    // The enamelled diameter the calculation gives a 0,1 V primary of 60 kW,
    // 578,8703 mm, with its comma deleted; the most digits such a text holds.
    {{"562,01", "5788703", "1,05", "0,0176", "8,9"}, {}, 0, {}, {}},
    {{"5046261", "9999999", ",0001", "999999", "99999"}, {}, 0, {}, {}},
    // The least row the editor saves, C 3 mm (shell F 1,5 mm): "Un  Rocchetto"
    // gives the bobbin a depth F - 2 below nothing, and its grooves too.
    {.sp = 5, .tipoLib = 0, .lib = {"3", "9999"}, .rocchetti = 0},
    {.sp = 5, .tipoLib = 3, .lib = {"3", "9999"}, .rocchetti = 0, .monofase = false},
    // The largest tables of every kind, on the stack the dialog takes.
    {.sp = 1e7f, .tipoLib = 5, .lib = {"3", "9999"}, .riga = 1, .monofase = false},
    {.sp = 1e7f, .tipoLib = 2, .lib = {"3", "9999"}, .riga = 1},
    {.sp = 1e7f, .tipoLib = 1, .lib = {"3", "9999"}, .riga = 1},
    // Two bobbins on a two-leg lamination (C 20: F 20, E 60): one groove and
    // two, both of two grooves, both of one; the user's bobbin with its inner
    // depth left as it opens ("0", never computed), and Yes to fitting the
    // stack to it, which keeps the stack.
    {.lam = {}, .sp = 20, .roch = {"26", "0", "9,9", "R", "59", "12", "47"}, .opzioni = {true, true, false, false, true},
     .tipoLib = 2, .lib = {"20", "25"}, .rocchetti = 1, .risposta = mb::Yes, .trifase = false},
    {.lam = {}, .sp = 20, .roch = {"21", "0", "5,3", "R", "", "12", "12"}, .opzioni = {true, false, true, false, true},
     .tipoLib = 2, .lib = {"20", "25"}, .rocchetti = 1, .risposta = mb::Yes, .trifase = false},
    {.lam = {}, .sp = 20, .roch = {"21", "0", "5,3", "R", "43", "", ""}, .opzioni = {true, true, false, true, false},
     .tipoLib = 2, .lib = {"20", "25"}, .rocchetti = 1, .risposta = mb::Yes, .trifase = false},
    // The largest such bobbins, on the row of C 768 mm (E 2304 mm) of the
    // largest table: grooves I and L of 999.
    {.lam = {}, .sp = 990, .roch = {"998", "993", "383", "R", "", "999", "999"},
     .opzioni = {true, false, true, false, true}, .tipoLib = 2, .lib = {"768", "9999"}, .rocchetti = 1, .trifase = false},
    // A typed two-leg lamination (B = C + F + D) at its boxes' least.
    {.lam = {"15", "15", "5", "5", "5", "5", "5", "x", "0,01"}, .sp = 5, .tipoLib = 2, .lib = {"20", "25"}, .rocchetti = 1, .trifase = false},
    // Three legs: the largest bobbin their tolerances take, on C 768 mm (E
    // 1920 mm, F 768 mm); Yes to fitting the stack to an inner depth of "0"
    // (the stack stays 20 mm), and the least stack the bobbin's question
    // gives, Spr 1,0001 less 1 mm: the Single 1 + 839 x 2^-23 less 1,
    // 839 x 2^-23 = 1,00016594E-04 mm, kept in the file to seven figures:
    // 1,000166E-04.
    {.lam = {}, .sp = 990, .roch = {"853", "999", "387", "R", "0", "959", "959"},
     .opzioni = {false, false, true, true, false}, .tipoLib = 3, .lib = {"768", "9999"}, .monofase = false},
    {.lam = {}, .sp = 20, .roch = {"21", "0", "10", "R", "43", "", ""}, .opzioni = {},
     .tipoLib = 3, .lib = {"20", "25"}, .risposta = mb::Yes, .pacco = 20, .monofase = false},
    {.lam = {}, .sp = 20, .roch = {"21", "1,0001", "10", "R", "43", "", ""}, .opzioni = {},
     .tipoLib = 3, .lib = {"20", "25"}, .risposta = mb::Yes, .pacco = 1.000166e-4f, .monofase = false},
    // A stack typed thin (its box takes any positive number): beyond 1E+12
    // turns on the output transformer's highest corner.
    {.lam = {"15", "25", "5", "5", "5", "5", "5", "x", "0,01"}, .sp = 1e-4f},
};

// The editor's proportional table of kind `tipo` with centre legs `c`, saved.
std::string Libreria(const libtest::Cartella& tmp, int tipo, const std::vector<std::string>& c) {
    auto m = std::make_unique<ModuleDIC>();
    GrigliaLam g;
    g.proporzionale = true;
    g.opzione = tipo;
    OpzioneTipoLam(*m, tipo);
    for (size_t i = 0; i < c.size(); ++i) g.righe[i].Txt_C = c[i];
    FakeMessaggi msg;
    EXPECT_TRUE(CalcolaLamierini(*m, g, msg));
    const std::string f = tmp.File("lib" + std::to_string(tipo) + "_" + c.back() + ".lam");
    EXPECT_TRUE(recfile::Scrivi(f, LIBLAM_LUNG_REC, LIBLAM_NUM_REC, m->Rec.data()).ok);
    return f;
}

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

// Each dialog corner on the lowest and the highest corner of every kind it
// applies to: the custom wire on the first primary; a library opened, the
// out-of-format lamination or a library row confirmed with its stack; the
// bobbin count clicked, the user's bobbin computed, the dialog's OK, then
// what the window does; saved and opened again.
TEST(ProgettiEstremi, EveryDialogCornerSavesAndOpensAgain) {
    libtest::Cartella tmp;
    const std::string f = tmp.File("dialoghi.tmf");
    auto aperto = std::make_unique<ModuleDIC>();
    for (int16_t genere = tipo::Monofase; genere <= tipo::Uscita; ++genere)
        for (int k : {0, 15})
            for (size_t n = 0; n < std::size(kAngoliDialoghi); ++n) {
                const AngoloDialoghi& c = kAngoliDialoghi[n];
                const bool trifase = genere == tipo::Trifase || genere == tipo::AutoTrifase;
                // On other kinds only the wire.
                const bool tutto = trifase ? c.trifase : c.monofase;
                if (!tutto && c.filo[0].empty()) continue;
                SCOPED_TRACE("tipo " + std::to_string(genere) + " angolo " + std::to_string(k) + " riga " +
                             std::to_string(n));
                [&] {  // a row that stops goes on with the next
                const Angolo a{(k & 1) != 0, (k & 2) != 0, (k & 4) != 0, (k & 8) != 0, true};
                FakeMessaggi msg;
                Genere g = Nuovo(genere, a, msg);
                ModuleDIC& d = *g.d;
                g.calcola(d, msg);
                if (!c.filo[0].empty()) {
                    ASSERT_TRUE(CalcolaFiloFuoriFormato(d, 0, c.filo, msg));
                    d.PriFiloRiga[0] = FILO_FUORI_FORMATO;
                    d.PriFiloNudo[0] = d.FiloNudo[FILO_FUORI_FORMATO][0];
                    d.PriFiloIsol[0] = d.FiloIsolato[FILO_FUORI_FORMATO][0];
                    RicalcoloAvvolgimenti(d, trifase, msg);
                }
                if (tutto && c.tipoLib >= 0) {
                    d.FileLibreria = Libreria(tmp, c.tipoLib, c.lib);
                    ASSERT_TRUE(ApriLibreriaLamierini(d, msg));
                    d.LamScelto = 0;  // the kind is the first lamination's
                    IndividuaTipoLamierino(d, msg);
                }
                if (tutto && !c.lam[LF_A].empty()) {
                    ASSERT_TRUE(CalcolaLamFuoriFormato(d, c.lam, msg).ok);
                    ASSERT_TRUE(ConfermaLamierino(d, LAM_FUORI_FORMATO, c.sp, msg, nullptr));
                } else if (tutto && c.tipoLib >= 0) {
                    ASSERT_TRUE(ConfermaLamierino(d, c.riga, c.sp, msg, nullptr));
                }
                if (tutto && (!c.lam[LF_A].empty() || c.tipoLib >= 0)) {
                    if (Vero(d.Lam3Colonne) || (!trifase && Vero(d.LamMantello))) d.RochDue = 0;
                    VerificaPosizioneAvvolgimenti(d);
                    d.ConoscoPotenza = FALSO;
                    g.calcola(d, msg);
                }
                if (tutto && c.rocchetti >= 0) NumeroRocchetti(d, c.rocchetti == 1);
                if (tutto && !c.roch.C.empty()) {
                    msg.risposte = {c.risposta};
                    ASSERT_TRUE(CalcolaRocchettoUtente(d, c.roch, c.opzioni, msg));
                    d.RochScelto = ROCH_UTENTE;
                    d.RochGole1 = c.opzioni.gola2R1 ? 1 : 0;
                    d.RochGole2 = c.opzioni.gola2R2 ? 1 : 0;
                }
                VerificaPosizioneAvvolgimenti(d);
                RicalcoloAvvolgimenti(d, trifase, msg);
                std::string e;
                ASSERT_TRUE(progetto::SalvaProgetto(d, f, "dialoghi.tmf", e)) << e;
                EXPECT_TRUE(progetto::ApriProgetto(f, *aperto, e)) << e;
                if (tutto && c.pacco != 0) {
                    EXPECT_EQ(aperto->LamSP, c.pacco);
                }
                }();
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
