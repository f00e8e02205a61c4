// The demonstration bobbin, the check of the user's bobbin against the stack
// (single-phase and three-phase), and the placement of windings on bobbins
// and grooves that exist.
#include <cmath>

#include "engine/ModRoutine.h"
#include "FakeSinks.h"
#include "Progetti.h"

using Testi = std::vector<std::string>;
constexpr int INFO = mb::OkOnly + mb::Information;

const char* const kTitolo = "Controllo Misure Rocchetto";
const std::string kVariato = "Il Pacco Lamellare ha subito Variazioni\n\n";
const std::string kMsgC = kVariato + "La misura della Colonna Centrale C è cambiata\nNecessita Ridefinire la Misura Cr del Rocchetto";
const std::string kMsgF = kVariato + "La misura della Finestra F è cambiata\nNecessita Ridefinire la Misura M del Rocchetto";
const std::string kMsgSp = kVariato + "La misura dello Spessore Pacco Sp è cambiata\nNecessita Ridefinire la Misura Spr del Rocchetto";
const std::string kChiusura = kVariato + "Verrà Ricalcolato un\nRocchetto Dimostrativo ";
const std::string kChiusuraTrif = kVariato + "Alcune misure sono cambiate\nNecessita Ridefinire le Misure del Rocchetto";

// Lamination row `riga` in use (C, E 40, F, stack 30 mm) and the user's
// bobbin (Cr, M, Spr) in row 1.
static std::unique_ptr<ModuleDIC> Pacco(int16_t riga, float c, float f, float cr, float m, float spr) {
    auto d = std::make_unique<ModuleDIC>();
    d->LamScelto = riga;
    d->LamC[riga] = c;
    d->LamE[riga] = 40;
    d->LamF[riga] = f;
    d->LamSP = 30;
    d->RochScelto = 1;
    d->RochC[1] = cr;
    d->RochM[1] = m;
    d->RochSp[1] = spr;
    d->RochH[1] = 33;
    d->RochTipo[1] = "mio";
    d->RochTipo[0] = "vecchio";
    return d;
}

// Single-phase: C 20, F 19 (F / 1.9 = 10); the user's bobbin (Cr 26 = 1.3 C,
// M 10 = F / 1.9, Spr 32 = Sp + 2) sits on the upper bounds of every check.
static std::unique_ptr<ModuleDIC> Monofase(float cr = 26, float m = 10, float spr = 32) { return Pacco(2, 20, 19, cr, m, spr); }

// Three-phase: C 20, F 24 (F / 2 = 12); the user's bobbin Cr 20, M 10,
// Spr 30 passes every check.
static std::unique_ptr<ModuleDIC> Trifase() { return Pacco(0, 20, 24, 20, 10, 30); }

// Row 0 rebuilt as the demonstration bobbin of height h; the grooves I and L
// share h less the 1 mm between them.
static void AttesoDemo(const ModuleDIC& d, float c, float sp, float m, float h) {
    EXPECT_EQ(d.RochTipo[0], "Demo Calcolato");
    const float il = h / 2 - 0.5f;
    Esatti({V(d.RochScelto, 0), V(d.RochC[0], c), V(d.RochSp[0], sp), V(d.RochM[0], m), V(d.RochH[0], h), V(d.RochI[0], il),
            V(d.RochL[0], il), V(d.RochGolaH[0], h * m), V(d.RochGolaI[0], m * il), V(d.RochGolaL[0], m * il)});
}

// Two primaries and three secondaries in use, none placed yet.
static std::unique_ptr<ModuleDIC> Avvolgimenti(int16_t gole1, int16_t due = 0) {
    auto d = std::make_unique<ModuleDIC>();
    d->PriUlt = 1;
    d->SecUlt = 2;
    d->RochGole1 = gole1;
    d->RochDue = due;
    return d;
}

// ------------------------------------------------------------ demonstration bobbin

// The demonstration bobbin of each kind and bobbin count is checked with the
// refused bobbins below.
TEST(RocchettoDemo, AnyRowOtherThanTheUsersIsTheDemonstration) {
    // Only row 1 is the user's bobbin; every other value builds row 0 quietly.
    for (int16_t scelto : {0, 2, 6, -1}) {
        SCOPED_TRACE(scelto);
        auto d = Monofase();
        d->RochScelto = scelto;
        FakeMessaggi msg;
        ControllaMisureRocchetto(*d, msg);
        AttesoDemo(*d, 21, 31, 17, 37);
        EXPECT_EQ(d->RochTipo[1], "mio");
        auto t = Trifase();
        t->RochScelto = scelto;
        ControllaMisureRocchettoTrif(*t, msg);
        EXPECT_TRUE(msg.boxes.empty());
        AttesoDemo(*t, 21, 31, 11, 37);
    }
}

// ------------------------------------------------------------ user's bobbin

TEST(ControllaMisureRocchetto, BoundsOfEachMeasureAndTheMessagesInOrder) {
    // Accepted: C < Cr <= 1.3 C; F / 1.9 <= M < F (halved for two bobbins);
    // Sp < Spr <= Sp + 2. Any failure rebuilds the demonstration bobbin.
    struct Caso {
        float cr, m, spr;
        int16_t due;
        Testi attesi;  // without the closing message
        float demoM;   // (F - 2), halved for two bobbins
    };
    const float sopraCr = std::nextafter(26.0f, 30.0f), sottoM = std::nextafter(10.0f, 0.0f);
    const Caso casi[] = {
        {26, 10, 32, 0, {}, 0},          {20.5f, 10, 32, 0, {}, 0},     {20, 10, 32, 0, {kMsgC}, 17},
        {sopraCr, 10, 32, 0, {kMsgC}, 17}, {26, 18.9f, 32, 0, {}, 0},   {26, 19, 32, 0, {kMsgF}, 17},
        {26, sottoM, 32, 0, {kMsgF}, 17}, {26, 5, 32, 1, {}, 0},        {26, 9.4f, 32, 1, {}, 0},
        {26, 9.5f, 32, 1, {kMsgF}, 8.5f}, {26, 4.9f, 32, 1, {kMsgF}, 8.5f}, {26, 10, 30.1f, 0, {}, 0},
        {26, 10, 30, 0, {kMsgSp}, 17},    {26, 10, 32.1f, 0, {kMsgSp}, 17}, {30, 19, 29, 0, {kMsgC, kMsgF, kMsgSp}, 17},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(::testing::Message() << "Cr " << k.cr << " M " << k.m << " Spr " << k.spr << " due " << k.due);
        auto d = Monofase(k.cr, k.m, k.spr);
        d->RochDue = k.due;
        FakeMessaggi msg;
        ControllaMisureRocchetto(*d, msg);
        if (k.attesi.empty()) {  // row 0 not rebuilt
            EXPECT_TRUE(msg.boxes.empty() && d->RochScelto == 1 && d->RochTipo[0] == "vecchio");
            continue;
        }
        Testi attesi = k.attesi;
        attesi.push_back(kChiusura);
        EXPECT_EQ(msg.Testi(), attesi);
        for (const auto& b : msg.boxes) EXPECT_TRUE(b.titolo == kTitolo && b.stile == INFO) << b.testo;
        AttesoDemo(*d, 21, 31, k.demoM, 37);
        // The user's row stays as it was.
        Esatti({V(d->RochC[1], k.cr), V(d->RochM[1], k.m), V(d->RochSp[1], k.spr)});
        EXPECT_EQ(d->RochTipo[1], "mio");
    }
}

TEST(ControllaMisureRocchettoTrif, TolerancesMessagesAndTheDemonstrationBobbin) {
    // Cr 20, M 10, Spr 30: accepted when 18 < C <= 20.2, 9.9 < F / 2 <= 12
    // (M 12.25: up to 14.7) and 27 < Sp <= 30.3, whatever the bobbin count.
    const std::string c = "misura di C Lam", sp = "misura di SP Lam";
    struct Caso {
        float c, f, sp, m;
        Testi attesi;  // without the closing message
        float demoC, demoSp, demoM;
    };
    const Caso casi[] = {
        {20, 24, 30, 10, {}, 0, 0, 0},
        {18.1f, 24, 30, 10, {}, 0, 0, 0},
        {20.2f, 24, 30, 10, {}, 0, 0, 0},
        {18, 24, 30, 10, {c}, 19, 31, 11},
        {20.3f, 24, 30, 10, {c}, 21.3f, 31, 11},
        {20, 19.9f, 30, 10, {}, 0, 0, 0},
        {20, 19.8f, 30, 10, {"misura di F/2 Lamierino 9,9 Rocchetto  10"}, 21, 31, 8.9f},
        {20, 25, 30, 10, {"misura di F/2 Lamierino 12,5 Rocchetto  10"}, 21, 31, 11.5f},
        {20, 30, 30, 12.25f, {"misura di F/2 Lamierino 15 Rocchetto  12,25"}, 21, 31, 14},
        {20, 24, 27.1f, 10, {}, 0, 0, 0},
        {20, 24, 30.3f, 10, {}, 0, 0, 0},
        {20, 24, 27, 10, {sp}, 21, 28, 11},
        {20, 24, 30.4f, 10, {sp}, 21, 31.4f, 11},
        {25, 40, 40, 10, {c, "misura di F/2 Lamierino 20 Rocchetto  10", sp}, 26, 41, 19},
    };
    for (const Caso& k : casi) {
        for (int16_t due : {0, 1}) {
            SCOPED_TRACE(::testing::Message() << "C " << k.c << " F " << k.f << " Sp " << k.sp << " due " << due);
            auto d = Pacco(0, k.c, k.f, 20, k.m, 30);
            d->LamSP = k.sp;
            d->RochDue = due;
            FakeMessaggi msg;
            ControllaMisureRocchettoTrif(*d, msg);
            if (k.attesi.empty()) {
                EXPECT_TRUE(msg.boxes.empty() && d->RochScelto == 1 && d->RochTipo[0] == "vecchio");
                continue;
            }
            Testi attesi = k.attesi;
            attesi.push_back(kChiusuraTrif);
            ASSERT_EQ(msg.Testi(), attesi);
            for (size_t i = 0; i < msg.boxes.size(); ++i)
                EXPECT_TRUE(msg.boxes[i].titolo == (i + 1 < msg.boxes.size() ? "controllo rocchetto" : kTitolo) &&
                            msg.boxes[i].stile == INFO) << i;
            AttesoDemo(*d, k.demoC, k.demoSp, k.demoM, 37);
        }
    }
}

// ------------------------------------------------------------ winding placement

// One groove: every winding in I or L goes to H. Two grooves: primaries in H
// go to I, secondaries in H to L; a winding in a groove that exists stays.
// Each winding goes by the grooves of its own bobbin. One bobbin: bobbin 2
// becomes bobbin 1, the groove then follows bobbin 1; with two bobbins
// nobody changes bobbin.
TEST(VerificaPosizioneAvvolgimenti, WindingsMoveToBobbinsAndGroovesThatExist) {
    using P = std::vector<std::string>;
    struct Caso { int16_t gole1, gole2, due; P pri, sec, priDopo, secDopo; };
    const Caso casi[] = {
        {0, 1, 0, {"1I", "1L"}, {"1I", "1L", "1H"}, {"1H", "1H"}, {"1H", "1H", "1H"}},
        {1, 1, 0, {"1H", "1L"}, {"1H", "1H", "1I"}, {"1I", "1L"}, {"1L", "1L", "1I"}},
        {1, 1, 0, {"1I", "2I"}, {"2L", "1L", "1L"}, {"1I", "1I"}, {"1L", "1L", "1L"}},
        {1, 1, 1, {"1I", "2I"}, {"2L", "1L", "1L"}, {"1I", "2I"}, {"2L", "1L", "1L"}},
        // Bobbin 1 with one groove, bobbin 2 with two: I2 and L2 stay, H2 goes to I2 or L2.
        {0, 1, 1, {"2I", "2H"}, {"2L", "1L", "2H"}, {"2I", "2I"}, {"2L", "1H", "2L"}},
        // Bobbin 1 with two grooves, bobbin 2 with one.
        {1, 0, 1, {"2I", "1H"}, {"2L", "2H", "1H"}, {"2H", "1I"}, {"2H", "2H", "1L"}},
        // Back on a one-groove bobbin 1, a winding leaves bobbin 2's groove I.
        {0, 1, 0, {"2I", "2H"}, {"2L", "1H", "2H"}, {"1H", "1H"}, {"1H", "1H", "1H"}},
    };
    for (const Caso& k : casi) {
        auto d = Avvolgimenti(k.gole1, k.due);
        d->RochGole2 = k.gole2;
        for (int i = 0; i < 2; ++i) Posto(Primari(*d), i, k.pri[i][0] - '0', k.pri[i][1]);
        for (int i = 0; i < 3; ++i) Posto(Secondari(*d), i, k.sec[i][0] - '0', k.sec[i][1]);
        VerificaPosizioneAvvolgimenti(*d);
        EXPECT_EQ(Posti(Primari(*d), 2), k.priDopo) << k.gole1 << k.due << k.pri[0];
        EXPECT_EQ(Posti(Secondari(*d), 3), k.secDopo) << k.gole1 << k.due << k.sec[0];
    }
}

TEST(VerificaPosizioneAvvolgimenti, OnlyTrueFlagsOfWindingsInUseWithinTheArraysMove) {
    auto d = Avvolgimenti(0);
    d->PriRoch2[2] = d->PriGolaI[2] = VERO;  // past PriUlt = 1
    d->SecGolaL[3] = d->SecGolaI[20] = VERO;  // past SecUlt = 2
    d->PriGolaI[0] = 1;                       // not -1: counts as False
    VerificaPosizioneAvvolgimenti(*d);
    EXPECT_EQ(Posti(Primari(*d), 3), (std::vector<std::string>{"", "", "2I"}));
    Esatti({V(d->SecGolaL[3], VERO), V(d->SecGolaH[3], FALSO), V(d->SecGolaI[20], VERO), V(d->PriGolaI[0], 1)});

    // Counts beyond the arrays stop at the last slot; a count of -1 moves nothing.
    d->PriUlt = 40;
    d->SecUlt = 20;
    d->PriGolaI[20] = d->SecGolaL[20] = VERO;
    VerificaPosizioneAvvolgimenti(*d);
    Esatti({V(d->PriGolaH[20], VERO), V(d->SecGolaH[20], VERO)});
    d->PriUlt = d->SecUlt = -1;
    d->PriGolaI[0] = VERO;
    VerificaPosizioneAvvolgimenti(*d);
    EXPECT_EQ(d->PriGolaI[0], VERO);
}
