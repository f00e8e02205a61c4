// The demonstration bobbin, the check of the user's bobbin against the stack
// (single-phase and three-phase), and the placement of windings on bobbins
// and grooves that exist.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "engine/ModRoutine.h"
#include "tests/core/FakeSinks.h"

namespace {

constexpr int INFO = mb::OkOnly + mb::Information;

const char* const kTitolo = "Controllo Misure Rocchetto";
const char* const kMsgC =
    "Il Pacco Lamellare ha subito Variazioni\n\n"
    "La misura della Colonna Centrale C è cambiata\n"
    "Necessita Ridefinire la Misura Cr del Rocchetto";
const char* const kMsgF =
    "Il Pacco Lamellare ha subito Variazioni\n\n"
    "La misura della Finestra F è cambiata\n"
    "Necessita Ridefinire la Misura M del Rocchetto";
const char* const kMsgSp =
    "Il Pacco Lamellare ha subito Variazioni\n\n"
    "La misura dello Spessore Pacco Sp è cambiata\n"
    "Necessita Ridefinire la Misura Spr del Rocchetto";
const char* const kMsgChiusura =
    "Il Pacco Lamellare ha subito Variazioni\n\n"
    "Verrà Ricalcolato un\n"
    "Rocchetto Dimostrativo ";
const char* const kMsgChiusuraTrif =
    "Il Pacco Lamellare ha subito Variazioni\n\n"
    "Alcune misure sono cambiate\n"
    "Necessita Ridefinire le Misure del Rocchetto";

// Lamination row 2 in use: C 20, E 40, F 19 (F / 1.9 = 10), stack 30 mm.
// The user's bobbin passes every single-phase check.
std::unique_ptr<ModuleDIC> Monofase() {
    auto d = std::make_unique<ModuleDIC>();
    d->LamScelto = 2;
    d->LamC[2] = 20;
    d->LamE[2] = 40;
    d->LamF[2] = 19;
    d->LamSP = 30;
    d->RochScelto = 1;
    d->RochC[1] = 26;   // 1.3 * C
    d->RochM[1] = 10;   // F / 1.9
    d->RochSp[1] = 32;  // Sp + 2
    d->RochH[1] = 33;
    d->RochTipo[1] = "mio";
    d->RochTipo[0] = "vecchio";
    return d;
}

// Lamination C 20, F 24 (F / 2 = 12), stack 30; the user's bobbin Cr 20,
// M 10, Spr 30 passes every three-phase check.
std::unique_ptr<ModuleDIC> Trifase() {
    auto d = std::make_unique<ModuleDIC>();
    d->LamScelto = 0;
    d->LamC[0] = 20;
    d->LamE[0] = 40;
    d->LamF[0] = 24;
    d->LamSP = 30;
    d->RochScelto = 1;
    d->RochC[1] = 20;
    d->RochM[1] = 10;
    d->RochSp[1] = 30;
    d->RochTipo[0] = "vecchio";
    return d;
}

void AttesoDemo(const ModuleDIC& d, float c, float sp, float m, float h) {
    EXPECT_EQ(d.RochScelto, 0);
    EXPECT_EQ(d.RochTipo[0], "Demo Calcolato");
    EXPECT_EQ(d.RochC[0], c);
    EXPECT_EQ(d.RochSp[0], sp);
    EXPECT_EQ(d.RochM[0], m);
    EXPECT_EQ(d.RochH[0], h);
    EXPECT_EQ(d.RochI[0], h / 2 - 0.5f);
    EXPECT_EQ(d.RochL[0], h / 2 - 0.5f);
    EXPECT_EQ(d.RochI[0] + d.RochL[0] + 1, d.RochH[0]);
    EXPECT_EQ(d.RochGolaH[0], h * m);
    EXPECT_EQ(d.RochGolaI[0], m * (h / 2 - 0.5f));
}

}  // namespace

// ------------------------------------------------------------ demonstration bobbin

TEST(RocchettoDemo, WindowFortyByTwelveGivesTheKnownBobbin) {
    auto d = std::make_unique<ModuleDIC>();
    d->LamScelto = 4;
    d->LamC[4] = 16;
    d->LamE[4] = 40;
    d->LamF[4] = 12;
    d->LamSP = 22.5f;
    FakeMessaggi msg;
    ControllaMisureRocchetto(*d, msg);
    EXPECT_TRUE(msg.boxes.empty());
    EXPECT_EQ(d->RochM[0], 10.0f);
    EXPECT_EQ(d->RochH[0], 37.0f);
    EXPECT_EQ(d->RochI[0], 18.0f);
    EXPECT_EQ(d->RochL[0], 18.0f);
    EXPECT_EQ(d->RochGolaH[0], 370.0f);
    EXPECT_EQ(d->RochGolaI[0], 180.0f);
    EXPECT_EQ(d->RochGolaL[0], 180.0f);
    EXPECT_EQ(d->RochC[0], 17.0f);
    EXPECT_EQ(d->RochSp[0], 23.5f);
    EXPECT_EQ(d->RochTipo[0], "Demo Calcolato");
    EXPECT_EQ(d->RochScelto, 0);

    // Two bobbins share the window: each gets half of F - 2.
    d->RochDue = 1;
    ControllaMisureRocchetto(*d, msg);
    EXPECT_EQ(d->RochM[0], 5.0f);
    EXPECT_EQ(d->RochGolaH[0], 185.0f);
    EXPECT_EQ(d->RochGolaI[0], 90.0f);
    EXPECT_TRUE(msg.boxes.empty());
}

TEST(RocchettoDemo, ThreePhaseAlwaysHalvesTheWindow) {
    for (int16_t due : {0, 1}) {
        auto d = std::make_unique<ModuleDIC>();
        d->LamC[0] = 16;
        d->LamE[0] = 40;
        d->LamF[0] = 12;
        d->LamSP = 20;
        d->RochDue = due;
        FakeMessaggi msg;
        ControllaMisureRocchettoTrif(*d, msg);
        EXPECT_TRUE(msg.boxes.empty());
        AttesoDemo(*d, 17, 21, 5, 37);
    }
}

TEST(RocchettoDemo, AnyRowOtherThanTheUsersCountsAsTheDemonstration) {
    for (int16_t scelto : {0, 2, 5, 6, -1, 1000}) {
        auto d = Monofase();
        d->RochScelto = scelto;
        FakeMessaggi msg;
        ControllaMisureRocchetto(*d, msg);
        EXPECT_TRUE(msg.boxes.empty()) << scelto;
        AttesoDemo(*d, 21, 31, 17, 37);
        EXPECT_EQ(d->RochTipo[1], "mio");

        auto t = Trifase();
        t->RochScelto = scelto;
        ControllaMisureRocchettoTrif(*t, msg);
        EXPECT_TRUE(msg.boxes.empty()) << scelto;
        AttesoDemo(*t, 21, 31, 11, 37);
    }
}

// ------------------------------------------------------------ user's bobbin, single-phase

TEST(ControllaMisureRocchetto, BobbinAtTheUpperBoundsPasses) {
    auto d = Monofase();
    FakeMessaggi msg;
    ControllaMisureRocchetto(*d, msg);
    EXPECT_TRUE(msg.boxes.empty());
    EXPECT_EQ(d->RochScelto, 1);
    EXPECT_EQ(d->RochTipo[0], "vecchio");  // row 0 not rebuilt
}

TEST(ControllaMisureRocchetto, CentreLegMustBeWiderAndAtMostThirtyPercentMore) {
    struct Caso {
        float cr;
        bool ok;
    };
    for (Caso k : {Caso{20, false}, Caso{20.5f, true}, Caso{26, true},
                   Caso{std::nextafter(26.0f, 30.0f), false}}) {
        auto d = Monofase();
        d->RochC[1] = k.cr;
        FakeMessaggi msg;
        ControllaMisureRocchetto(*d, msg);
        if (k.ok) {
            EXPECT_TRUE(msg.boxes.empty()) << k.cr;
            EXPECT_EQ(d->RochScelto, 1);
            continue;
        }
        ASSERT_EQ(msg.boxes.size(), 2u) << k.cr;
        EXPECT_EQ(msg.boxes[0].testo, kMsgC);
        EXPECT_EQ(msg.boxes[0].titolo, kTitolo);
        EXPECT_EQ(msg.boxes[0].stile, INFO);
        EXPECT_EQ(msg.boxes[1].testo, kMsgChiusura);
        EXPECT_EQ(msg.boxes[1].titolo, kTitolo);
        EXPECT_EQ(msg.boxes[1].stile, INFO);
        AttesoDemo(*d, 21, 31, 17, 37);
        EXPECT_EQ(d->RochC[1], k.cr);  // the user's row stays as it was
    }
}

TEST(ControllaMisureRocchetto, WindingDepthOneBobbin) {
    struct Caso {
        float m;
        bool ok;
    };
    // F = 19: F / 1.9 = 10 <= M < 19.
    for (Caso k : {Caso{10, true}, Caso{18.9f, true}, Caso{19, false},
                   Caso{std::nextafter(10.0f, 0.0f), false}}) {
        auto d = Monofase();
        d->RochM[1] = k.m;
        FakeMessaggi msg;
        ControllaMisureRocchetto(*d, msg);
        if (k.ok) {
            EXPECT_TRUE(msg.boxes.empty()) << k.m;
            continue;
        }
        ASSERT_EQ(msg.boxes.size(), 2u) << k.m;
        EXPECT_EQ(msg.boxes[0].testo, kMsgF);
        EXPECT_EQ(msg.boxes[0].titolo, kTitolo);
        EXPECT_EQ(msg.boxes[1].testo, kMsgChiusura);
        EXPECT_EQ(d->RochScelto, 0);
    }
}

TEST(ControllaMisureRocchetto, WindingDepthTwoBobbins) {
    struct Caso {
        float m;
        bool ok;
    };
    // F = 19: F / 2 / 1.9 = 5 <= M < 9.5.
    for (Caso k : {Caso{5, true}, Caso{9.4f, true}, Caso{9.5f, false}, Caso{4.9f, false},
                   Caso{10, false}}) {
        auto d = Monofase();
        d->RochDue = 1;
        d->RochM[1] = k.m;
        FakeMessaggi msg;
        ControllaMisureRocchetto(*d, msg);
        if (k.ok) {
            EXPECT_TRUE(msg.boxes.empty()) << k.m;
            continue;
        }
        ASSERT_EQ(msg.boxes.size(), 2u) << k.m;
        EXPECT_EQ(msg.boxes[0].testo, kMsgF);
        // The demonstration bobbin for two bobbins: (19 - 2) / 2.
        AttesoDemo(*d, 21, 31, 8.5f, 37);
    }
}

TEST(ControllaMisureRocchetto, StackDepthMustExceedTheStackByAtMostTwo) {
    struct Caso {
        float spr;
        bool ok;
    };
    for (Caso k : {Caso{30, false}, Caso{30.1f, true}, Caso{32, true}, Caso{32.1f, false}}) {
        auto d = Monofase();
        d->RochSp[1] = k.spr;
        FakeMessaggi msg;
        ControllaMisureRocchetto(*d, msg);
        if (k.ok) {
            EXPECT_TRUE(msg.boxes.empty()) << k.spr;
            continue;
        }
        ASSERT_EQ(msg.boxes.size(), 2u) << k.spr;
        EXPECT_EQ(msg.boxes[0].testo, kMsgSp);
        EXPECT_EQ(msg.boxes[1].testo, kMsgChiusura);
    }
}

TEST(ControllaMisureRocchetto, TwoFailuresShowTwoMessagesThenTheClosingOne) {
    auto d = Monofase();
    d->RochC[1] = 19;   // narrower than the leg
    d->RochSp[1] = 40;  // far too deep
    FakeMessaggi msg;
    ControllaMisureRocchetto(*d, msg);
    ASSERT_EQ(msg.boxes.size(), 3u);
    EXPECT_EQ(msg.boxes[0].testo, kMsgC);
    EXPECT_EQ(msg.boxes[1].testo, kMsgSp);
    EXPECT_EQ(msg.boxes[2].testo, kMsgChiusura);
    for (const auto& b : msg.boxes) {
        EXPECT_EQ(b.titolo, kTitolo);
        EXPECT_EQ(b.stile, INFO);
    }
    AttesoDemo(*d, 21, 31, 17, 37);
    EXPECT_EQ(d->RochC[1], 19.0f);
    EXPECT_EQ(d->RochSp[1], 40.0f);
    EXPECT_EQ(d->RochTipo[1], "mio");

    // The next pass uses the demonstration bobbin quietly.
    msg.boxes.clear();
    d->LamSP = 28;
    ControllaMisureRocchetto(*d, msg);
    EXPECT_TRUE(msg.boxes.empty());
    EXPECT_EQ(d->RochSp[0], 29.0f);
}

TEST(ControllaMisureRocchetto, AllThreeFailuresInOrder) {
    auto d = Monofase();
    d->RochC[1] = 30;
    d->RochM[1] = 19;
    d->RochSp[1] = 29;
    FakeMessaggi msg;
    ControllaMisureRocchetto(*d, msg);
    ASSERT_EQ(msg.boxes.size(), 4u);
    EXPECT_EQ(msg.boxes[0].testo, kMsgC);
    EXPECT_EQ(msg.boxes[1].testo, kMsgF);
    EXPECT_EQ(msg.boxes[2].testo, kMsgSp);
    EXPECT_EQ(msg.boxes[3].testo, kMsgChiusura);
}

// ------------------------------------------------------------ user's bobbin, three-phase

TEST(ControllaMisureRocchettoTrif, MatchingBobbinPassesWhateverTheBobbinCount) {
    for (int16_t due : {0, 1}) {
        auto d = Trifase();
        d->RochDue = due;
        FakeMessaggi msg;
        ControllaMisureRocchettoTrif(*d, msg);
        EXPECT_TRUE(msg.boxes.empty());
        EXPECT_EQ(d->RochScelto, 1);
        EXPECT_EQ(d->RochTipo[0], "vecchio");
    }
}

TEST(ControllaMisureRocchettoTrif, CentreLegTolerance) {
    // Cr 20: accepted when 18 < C <= 20.2.
    struct Caso {
        float c;
        bool ok;
    };
    for (Caso k : {Caso{18, false}, Caso{18.1f, true}, Caso{20.2f, true}, Caso{20.3f, false}}) {
        auto d = Trifase();
        d->LamC[0] = k.c;
        FakeMessaggi msg;
        ControllaMisureRocchettoTrif(*d, msg);
        if (k.ok) {
            EXPECT_TRUE(msg.boxes.empty()) << k.c;
            continue;
        }
        ASSERT_EQ(msg.boxes.size(), 2u) << k.c;
        EXPECT_EQ(msg.boxes[0].testo, "misura di C Lam");
        EXPECT_EQ(msg.boxes[0].titolo, "controllo rocchetto");
        EXPECT_EQ(msg.boxes[0].stile, INFO);
        EXPECT_EQ(msg.boxes[1].testo, kMsgChiusuraTrif);
        EXPECT_EQ(msg.boxes[1].titolo, kTitolo);
        EXPECT_EQ(msg.boxes[1].stile, INFO);
        AttesoDemo(*d, k.c + 1, 31, 11, 37);
    }
}

TEST(ControllaMisureRocchettoTrif, WindingDepthMessageShowsBothMeasures) {
    // M 10: accepted when 9.9 < F / 2 <= 12.
    struct Caso {
        float f;
        bool ok;
        const char* testo;
    };
    const Caso casi[] = {
        {24, true, ""},
        {19.9f, true, ""},
        {19.8f, false, "misura di F/2 Lamierino 9,9 Rocchetto  10"},
        {25, false, "misura di F/2 Lamierino 12,5 Rocchetto  10"},
    };
    for (const Caso& k : casi) {
        for (int16_t due : {0, 1}) {
            auto d = Trifase();
            d->RochDue = due;
            d->LamF[0] = k.f;
            FakeMessaggi msg;
            ControllaMisureRocchettoTrif(*d, msg);
            if (k.ok) {
                EXPECT_TRUE(msg.boxes.empty()) << k.f;
                continue;
            }
            ASSERT_EQ(msg.boxes.size(), 2u) << k.f;
            EXPECT_EQ(msg.boxes[0].testo, k.testo);
            EXPECT_EQ(msg.boxes[0].titolo, "controllo rocchetto");
            EXPECT_EQ(msg.boxes[1].testo, kMsgChiusuraTrif);
        }
    }

    auto d = Trifase();
    d->RochM[1] = 12.25f;
    d->LamF[0] = 30;
    FakeMessaggi msg;
    ControllaMisureRocchettoTrif(*d, msg);  // 12.1275 < 15 <= 14.7 fails
    ASSERT_EQ(msg.boxes.size(), 2u);
    EXPECT_EQ(msg.boxes[0].testo, "misura di F/2 Lamierino 15 Rocchetto  12,25");
}

TEST(ControllaMisureRocchettoTrif, StackToleranceAndThreeFailures) {
    // Spr 30: accepted when 27 < Sp <= 30.3.
    for (float sp : {27.1f, 30.3f}) {
        auto d = Trifase();
        d->LamSP = sp;
        FakeMessaggi msg;
        ControllaMisureRocchettoTrif(*d, msg);
        EXPECT_TRUE(msg.boxes.empty()) << sp;
    }
    for (float sp : {27.0f, 30.4f}) {
        auto d = Trifase();
        d->LamSP = sp;
        FakeMessaggi msg;
        ControllaMisureRocchettoTrif(*d, msg);
        ASSERT_EQ(msg.boxes.size(), 2u) << sp;
        EXPECT_EQ(msg.boxes[0].testo, "misura di SP Lam");
        EXPECT_EQ(msg.boxes[1].testo, kMsgChiusuraTrif);
    }

    auto d = Trifase();
    d->LamC[0] = 25;
    d->LamF[0] = 40;
    d->LamSP = 40;
    FakeMessaggi msg;
    ControllaMisureRocchettoTrif(*d, msg);
    ASSERT_EQ(msg.boxes.size(), 4u);
    EXPECT_EQ(msg.boxes[0].testo, "misura di C Lam");
    EXPECT_EQ(msg.boxes[1].testo, "misura di F/2 Lamierino 20 Rocchetto  10");
    EXPECT_EQ(msg.boxes[2].testo, "misura di SP Lam");
    EXPECT_EQ(msg.boxes[3].testo, kMsgChiusuraTrif);
    AttesoDemo(*d, 26, 41, 19, 37);
}

// ------------------------------------------------------------ winding placement

namespace {

// Two primaries and three secondaries in use.
std::unique_ptr<ModuleDIC> Avvolgimenti() {
    auto d = std::make_unique<ModuleDIC>();
    d->PriUlt = 1;
    d->SecUlt = 2;
    return d;
}

}  // namespace

TEST(VerificaPosizioneAvvolgimenti, OneGrooveMovesEveryWindingInIOrLToH) {
    auto d = Avvolgimenti();
    d->RochGole1 = 0;
    d->RochGole2 = 1;  // not consulted
    d->PriGolaI[0] = VERO;
    d->PriGolaL[1] = VERO;
    d->SecGolaI[0] = VERO;
    d->SecGolaL[1] = VERO;
    d->SecGolaH[2] = VERO;
    VerificaPosizioneAvvolgimenti(*d);
    for (int i = 0; i <= 1; ++i) {
        EXPECT_EQ(d->PriGolaH[i], VERO) << i;
        EXPECT_EQ(d->PriGolaI[i], FALSO) << i;
        EXPECT_EQ(d->PriGolaL[i], FALSO) << i;
    }
    for (int i = 0; i <= 2; ++i) {
        EXPECT_EQ(d->SecGolaH[i], VERO) << i;
        EXPECT_EQ(d->SecGolaI[i], FALSO) << i;
        EXPECT_EQ(d->SecGolaL[i], FALSO) << i;
    }
}

TEST(VerificaPosizioneAvvolgimenti, TwoGroovesPutPrimariesInIAndSecondariesInL) {
    auto d = Avvolgimenti();
    d->RochGole1 = 1;
    d->PriGolaH = {VERO, VERO};
    d->SecGolaH = {VERO, VERO};
    d->SecGolaI[2] = VERO;  // already in a groove that exists
    d->PriGolaL[1] = VERO;
    d->PriGolaH[1] = FALSO;
    VerificaPosizioneAvvolgimenti(*d);
    EXPECT_EQ(d->PriGolaH[0], FALSO);
    EXPECT_EQ(d->PriGolaI[0], VERO);
    EXPECT_EQ(d->PriGolaL[0], FALSO);
    EXPECT_EQ(d->PriGolaL[1], VERO);  // stays in L
    EXPECT_EQ(d->PriGolaI[1], FALSO);
    for (int i = 0; i <= 1; ++i) {
        EXPECT_EQ(d->SecGolaH[i], FALSO) << i;
        EXPECT_EQ(d->SecGolaL[i], VERO) << i;
        EXPECT_EQ(d->SecGolaI[i], FALSO) << i;
    }
    EXPECT_EQ(d->SecGolaI[2], VERO);  // stays in I
    EXPECT_EQ(d->SecGolaL[2], FALSO);
}

TEST(VerificaPosizioneAvvolgimenti, OneBobbinBringsWindingsToBobbinOneKeepingGroove) {
    auto d = Avvolgimenti();
    d->RochDue = 0;
    d->RochGole1 = 1;
    d->PriRoch2[1] = VERO;
    d->PriGolaI[1] = VERO;
    d->SecRoch2[0] = VERO;
    d->SecGolaL[0] = VERO;
    VerificaPosizioneAvvolgimenti(*d);
    EXPECT_EQ(d->PriRoch1[1], VERO);
    EXPECT_EQ(d->PriRoch2[1], FALSO);
    EXPECT_EQ(d->PriGolaI[1], VERO);
    EXPECT_EQ(d->SecRoch1[0], VERO);
    EXPECT_EQ(d->SecRoch2[0], FALSO);
    EXPECT_EQ(d->SecGolaL[0], VERO);

    // With two bobbins nobody moves.
    auto e = Avvolgimenti();
    e->RochDue = 1;
    e->RochGole1 = 1;
    e->PriRoch2[0] = VERO;
    e->PriGolaI[0] = VERO;
    VerificaPosizioneAvvolgimenti(*e);
    EXPECT_EQ(e->PriRoch2[0], VERO);
    EXPECT_EQ(e->PriRoch1[0], FALSO);
}

TEST(VerificaPosizioneAvvolgimenti, SlotsPastTheCountsAndFalseFlagsAreLeftAlone) {
    auto d = Avvolgimenti();
    d->RochDue = 0;
    d->RochGole1 = 0;
    d->PriRoch2[2] = VERO;  // past PriUlt = 1
    d->PriGolaI[2] = VERO;
    d->SecGolaL[3] = VERO;  // past SecUlt = 2
    d->SecGolaI[20] = VERO;
    d->PriGolaI[0] = 1;     // not -1: counts as False
    VerificaPosizioneAvvolgimenti(*d);
    EXPECT_EQ(d->PriRoch2[2], VERO);
    EXPECT_EQ(d->PriRoch1[2], FALSO);
    EXPECT_EQ(d->PriGolaI[2], VERO);
    EXPECT_EQ(d->PriGolaH[2], FALSO);
    EXPECT_EQ(d->SecGolaL[3], VERO);
    EXPECT_EQ(d->SecGolaH[3], FALSO);
    EXPECT_EQ(d->SecGolaI[20], VERO);
    EXPECT_EQ(d->PriGolaI[0], 1);
    EXPECT_EQ(d->PriGolaH[0], FALSO);
}

TEST(VerificaPosizioneAvvolgimenti, CountsBeyondTheArraysStopAtTheLastSlot) {
    auto d = std::make_unique<ModuleDIC>();
    d->PriUlt = 40;
    d->SecUlt = 20;
    d->RochGole1 = 0;
    d->PriGolaI[20] = VERO;
    d->SecGolaL[20] = VERO;
    VerificaPosizioneAvvolgimenti(*d);
    EXPECT_EQ(d->PriGolaH[20], VERO);
    EXPECT_EQ(d->SecGolaH[20], VERO);

    auto e = std::make_unique<ModuleDIC>();
    e->PriUlt = -1;
    e->SecUlt = -1;
    e->PriGolaI[0] = VERO;
    VerificaPosizioneAvvolgimenti(*e);
    EXPECT_EQ(e->PriGolaI[0], VERO);
}
