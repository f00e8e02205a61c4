// The user's own bobbin computed from typed measures: missing measures,
// tolerances by kind, the stack question and row 1 of the bobbin table.
#include <cmath>

#include "engine/ModRoutine.h"
#include "engine/SceltaRocchetto.h"
#include "FakeSinks.h"

namespace {

const std::string kManca = "Manca la Misura di ";

// Lamination row 2 (C, E, F; 0,6 kg per 10 mm) with a 40 mm stack at 1,0 T,
// 1,5 W/kg; row 1 holds an older bobbin.
std::unique_ptr<ModuleDIC> Pacco(int16_t tipo, float c, float e, float f) {
    auto d = std::make_unique<ModuleDIC>();
    d->TipoCalcolo = tipo;
    d->LamScelto = 2;
    d->LamC[2] = c;
    d->LamE[2] = e;
    d->LamF[2] = f;
    d->LamPeso[2] = 0.6f;
    d->LamSP = 40;
    d->Induzione = 1.0f;
    d->LamCdP = 1.5f;
    d->RochC[1] = 99;
    d->RochH[1] = 99;
    d->RochTipo[1] = "vecchio";
    return d;
}

// The range line of a tolerance box.
std::string Fuori(const std::string& misura, const std::string& lam, const std::string& da,
                  const std::string& a, const char* accettati = "Sono accettati") {
    return "La Misura di " + misura + " è diversa dalla misura di " + lam + " del Lamierino Utilizzato\n\n" + accettati +
           " in tolleranza valori di " + misura + " entro questo range:\n\nda  " + da + "  a  " + a + "  (mm)";
}

// The boxes in order, by their start: the first words of a stack question are enough.
struct Caso { const char* nome; int16_t tipo; TestiRocchetto t; OpzioniRocchetto o; std::vector<std::string> boxes; bool ok; };

// Single-phase: C 25, E 30, F 20, Sp 40; the bobbin Cr 30, Spr 41, M 15, H 24 fits.
TestiRocchetto Mono() { return {"30", "41", "15", "mio", "24", "", ""}; }
// Three-phase: C 20, E 50, F 20, Sp 40; Cr 21, Spr 41, M 10, H 36 fits.
TestiRocchetto Trif() { return {"21", "41", "10", "mio", "36", "", ""}; }
template <typename F>
TestiRocchetto Con(TestiRocchetto t, F f) {
    f(t);
    return t;
}
const OpzioniRocchetto kUna{};
const OpzioniRocchetto kDueGole{false, false, true, false, true};
const OpzioniRocchetto kDueRocchetti{true, true, false, true, false};
const std::string kDomanda = "La Misura di Spr";

}  // namespace

TEST(CalcolaRocchettoUtente, RefusalsAndAcceptedMeasuresByKind) {
    const std::string cr25 = Fuori("Cr", "C", "25", "32,5", "Sono ccettati");
    const std::string m20 = Fuori("M", "F", "20", "10,5263157894737");
    const std::string m10 = Fuori("M", "F/2", "10", "5,26315789473684");
    const std::string h30 = Fuori("H", "E", "30", "21,4285714285714");
    const std::string mTrif = Fuori("M", "F/2", "8,333333", "10,1010101010101");
    const std::string crTrif = Fuori("Cr", "C", "19,80198", "22,2222222222222", "Sono ccettati");
    const std::string somma = "Le Misure I + L sono > della E del Lamierino Utilizzato";
    const Caso casi[] = {
        {"fits", 1, Mono(), kUna, {}, true},
        {"C empty", 1, Con(Mono(), [](auto& t) { t.C = ""; }), kUna, {kManca + "C"}, false},
        {"type empty", 1, Con(Mono(), [](auto& t) { t.Tipo = ""; }), kUna, {"Manca il Tipo"}, false},
        {"H empty", 1, Con(Mono(), [](auto& t) { t.H = ""; }), kUna, {kManca + "H"}, false},
        {"two grooves need no H", 1, Con(Mono(), [](auto& t) {
             t.H = "";
             t.I = "10";
             t.L = "12";
         }), kDueGole, {}, true},
        {"two grooves, I empty", 1, Con(Mono(), [](auto& t) { t.L = "12"; }), kDueGole, {kManca + "I"}, false},
        {"stale bobbin 2 option asks for I", 1, Mono(), {false, true, false, false, true}, {kManca + "I"}, false},
        {"stale bobbin 2 option not checked", 1, Con(Mono(), [](auto& t) {
             t.I = "1";
             t.L = "12";
         }), {false, true, false, false, true}, {}, true},
        {"Cr 25", 1, Con(Mono(), [](auto& t) { t.C = "25"; }), kUna, {cr25}, false},
        {"Cr 32,5", 1, Con(Mono(), [](auto& t) { t.C = "32,5"; }), kUna, {}, true},
        {"Cr 32,6", 1, Con(Mono(), [](auto& t) { t.C = "32,6"; }), kUna, {cr25}, false},
        {"M 20", 1, Con(Mono(), [](auto& t) { t.M = "20"; }), kUna, {m20}, false},
        {"M 19,9", 1, Con(Mono(), [](auto& t) { t.M = "19,9"; }), kUna, {}, true},
        {"M 10,5", 1, Con(Mono(), [](auto& t) { t.M = "10,5"; }), kUna, {m20}, false},
        {"M 10,53", 1, Con(Mono(), [](auto& t) { t.M = "10,53"; }), kUna, {}, true},
        {"two bobbins M 10", 1, Con(Mono(), [](auto& t) { t.M = "10"; }), kDueRocchetti, {m10}, false},
        {"two bobbins M 5,3", 1, Con(Mono(), [](auto& t) { t.M = "5,3"; }), kDueRocchetti, {}, true},
        {"H 30", 1, Con(Mono(), [](auto& t) { t.H = "30"; }), kUna, {h30}, false},
        {"H 21,4", 1, Con(Mono(), [](auto& t) { t.H = "21,4"; }), kUna, {h30}, false},
        {"H 21,5", 1, Con(Mono(), [](auto& t) { t.H = "21,5"; }), kUna, {}, true},
        {"I = L = 6", 1, Con(Mono(), [](auto& t) {
             t.I = "6";
             t.L = "6";
         }), kDueGole, {}, true},
        {"I + L = E", 1, Con(Mono(), [](auto& t) {
             t.I = "15";
             t.L = "15";
         }), kDueGole, {somma}, false},
        {"Spr 39 asks", 1, Con(Mono(), [](auto& t) { t.Sp = "39"; }), kUna, {kDomanda, kDomanda}, true},
        {"Spr 39,5", 1, Con(Mono(), [](auto& t) { t.Sp = "39,5"; }), kUna, {}, true},
        {"Spr 43", 1, Con(Mono(), [](auto& t) { t.Sp = "43"; }), kUna, {}, true},
        {"Spr 43,1 asks", 1, Con(Mono(), [](auto& t) { t.Sp = "43,1"; }), kUna, {kDomanda, kDomanda}, true},
        {"output transformer as single-phase", 5, Con(Mono(), [](auto& t) { t.C = "25"; }), kUna, {cr25}, false},
        // Three-phase: Cr, M and Spr on the engine's own tolerances (whose bounds
        // ControllaMisureRocchettoTrif checks), kind 4 as kind 3.
        {"3ph M 8,4", 3, Con(Trif(), [](auto& t) { t.M = "8,4"; }), kUna, {}, true},
        {"3ph M 8,3", 3, Con(Trif(), [](auto& t) { t.M = "8,3"; }), kUna, {mTrif}, false},
        {"3ph Cr 19,8", 3, Con(Trif(), [](auto& t) { t.C = "19,8"; }), kUna, {crTrif}, false},
        {"3ph Cr 22,3", 4, Con(Trif(), [](auto& t) { t.C = "22,3"; }), kUna, {crTrif}, false},
        {"3ph Spr 44,4", 3, Con(Trif(), [](auto& t) { t.Sp = "44,4"; }), kUna, {}, true},
        {"3ph Spr 39,6 asks", 3, Con(Trif(), [](auto& t) { t.Sp = "39,6"; }), kUna, {kDomanda, kDomanda}, true},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        auto d = k.tipo >= 3 && k.tipo <= 4 ? Pacco(k.tipo, 20, 50, 20) : Pacco(k.tipo, 25, 30, 20);
        FakeMessaggi msg;
        msg.risposte = {mb::No};  // No keeps the stack
        EXPECT_EQ(CalcolaRocchettoUtente(*d, k.t, k.o, msg), k.ok);
        ASSERT_EQ(msg.boxes.size(), k.boxes.size());
        for (size_t b = 0; b < k.boxes.size(); ++b) EXPECT_EQ(msg.boxes[b].testo.rfind(k.boxes[b], 0), 0u) << msg.boxes[b].testo;
        EXPECT_EQ(d->RochTipo[1], k.ok ? "mio" : "vecchio");  // a refusal writes nothing
        Esatti({V(d->RochPersCalcolato, Flag(k.ok)), V(d->LamSP, 40)});
        if (!k.ok) Esatti({V(d->RochC[1], 99), V(d->RochH[1], 99)});
    }
}

TEST(CalcolaRocchettoUtente, StackQuestionYesResizesTheStackNoTellsWhy) {
    // C 25, 0,6 kg per 10 mm, 1,0 T, 1,5 W/kg; Yes with Spr 45: Sp 44,
    // section 44 x 25 / 1,11 / 100, weight 2,64 kg, iron loss 3,96 W, and the
    // power range from the coefficient limits 1 and 2: SE² / 4 .. SE².
    // A Yes whose Spr - 1 is thinner than the lamination dialog takes
    // (1E-04 mm) keeps Sp 40 and tells why, as a No does: Spr 0 and 1, and
    // 1,00009 (the Single 1 + 755 x 2^-23: 9,0E-05 mm). 1,0001 is the Single
    // 1 + 839 x 2^-23: a stack of 1,000166E-04 mm, section 1,000166E-04 x 25
    // / 1,11 / 100 = 2,252626E-05 cm², weight 6,000996E-06 kg.
    struct Caso { const char* nome; int risposta; const char* testo; float spr; const char* tenuto; float sp; };
    const float sottile = std::ldexp(755.0f, -23), minimo = std::ldexp(839.0f, -23);
    const Caso casi[] = {
        {"Yes, 45", mb::Yes, "45", 45, nullptr, 44},
        {"No, 45", mb::No, "45", 45, "45", 40},
        {"Yes, 0", mb::Yes, "0", 0, "0", 40},
        {"Yes, 1", mb::Yes, "1", 1, "1", 40},
        {"Yes, 1,00009", mb::Yes, "1,00009", 1 + sottile, "1,00009", 40},
        {"Yes, 1,0001", mb::Yes, "1,0001", 1 + minimo, nullptr, minimo},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        auto d = Pacco(1, 25, 30, 20);
        d->CoefKMin = 1;
        d->CoefKMax = 2;
        FakeMessaggi msg;
        msg.risposte = {k.risposta};
        ASSERT_TRUE(CalcolaRocchettoUtente(*d, Con(Mono(), [&](auto& t) { t.Sp = k.testo; }), kUna, msg));
        // Row 1 takes the typed Spr whatever the answer.
        Esatti({V(d->Risposta, k.risposta), V(d->LamSP, k.sp), V(d->RochSp[1], k.spr), V(d->RochC[1], 30),
                V(d->RochPersCalcolato, VERO)});
        Scatole attese{{"La Misura di Spr è diversa dalla misura di Sp del Lamierino Utilizzato\n\n"
                        "Sono accettati in tolleranza valori di Spr entro questo range:\n\nda  39  a  43  (mm)\n\n"
                        "Ridimensionare lo Spessore Sp del Pacco Lamierini ?",
                        mb::YesNo + mb::Information, "Controllo Misure Rocchetto"}};
        if (k.tenuto) {
            attese.push_back({"La Misura di Spr del Rocchetto è diversa dal Sp del Lamierino Utilizzato\n\n"
                              "Controllare lo Spessore Sp del Pacco Lamierini  40  (mm)\n\n"
                              "Oppure Ridefinire la Misura Spr del Rocchetto  " + std::string(k.tenuto) + "  (mm)",
                              mb::Exclamation, "Controllo Misure Rocchetto"});
            Esatti({V(d->LamSE, 0), V(d->LamPesoPacco, 0), V(d->PotMax, 0)});
        } else if (k.sp == 44) {
            Circa({V(d->LamSE, 9.90991f), V(d->LamPesoPacco, 2.64f), V(d->LamPF, 3.96f),
                   V(d->PotMin, 24.55158f), V(d->PotMax, 98.206322f)});
        } else {
            Circa({V(d->LamSE, 2.252626e-05f), V(d->LamPesoPacco, 6.000996e-06f)});
        }
        EXPECT_EQ(msg.boxes, attese);
    }
}

TEST(CalcolaRocchettoUtente, RowOneWithDerivedGrooves) {
    // M 15: one groove H 24 splits into I = L = 11,5; two grooves I 10, L 12
    // make H 23 (the middle flange is 1 mm).
    struct Caso { const char* nome; TestiRocchetto t; OpzioniRocchetto o; float h, i, l; int16_t due; };
    const Caso casi[] = {
        {"one groove", Mono(), kUna, 24, 11.5f, 11.5f, 0},
        {"two grooves", Con(Mono(), [](auto& t) {
             t.I = "10";
             t.L = "12";
         }), kDueGole, 23, 10, 12, 0},
        {"two bobbins", Con(Mono(), [](auto& t) { t.M = "7,5"; }), kDueRocchetti, 24, 11.5f, 11.5f, 1},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        auto d = Pacco(1, 25, 30, 20);
        FakeMessaggi msg;
        ASSERT_TRUE(CalcolaRocchettoUtente(*d, k.t, k.o, msg) && msg.boxes.empty());
        const float m = k.due ? 7.5f : 15.0f;
        Esatti({V(d->RochC[1], 30), V(d->RochSp[1], 41), V(d->RochM[1], m), V(d->RochH[1], k.h),
                V(d->RochI[1], k.i), V(d->RochL[1], k.l), V(d->RochGolaH[1], k.h * m),
                V(d->RochGolaI[1], k.i * m), V(d->RochGolaL[1], k.l * m), V(d->RochDue, k.due)});
    }
}

TEST(CalcolaRocchettoUtente, ThreePhaseBobbinPassesTheNextCalculation) {
    // C 20, E 50, F 20, Sp 40: Cr 21, Spr 41, M 10, H 36 are accepted, and the
    // three-phase check of every pass keeps them.
    auto d = Pacco(3, 20, 50, 20);
    FakeMessaggi msg;
    ASSERT_TRUE(CalcolaRocchettoUtente(*d, Trif(), kUna, msg));
    d->RochScelto = 1;
    ControllaMisureRocchettoTrif(*d, msg);
    Esatti({V(msg.boxes.size(), 0), V(d->RochScelto, 1), V(d->RochC[1], 21)});
}
