// The output transformer window's Qt-free steps: the load impedances derived
// and ordered by configuration letter, and the fixed placement of the
// sections. Expected texts worked out by hand (Z16 / (a/b)², one decimal).
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "ProgettiAutoUsci.h"
#include "engine/InputUsci.h"

namespace {

using Imp = std::array<std::string, 3>;

TEST(InputUsci, DerivesAndOrdersTheLoadImpedances) {
    struct Caso {
        const char* tipo;
        Imp prima, dopo;
    };
    const Caso casi[] = {
        {"N", {"8", "7", "6"}, {"8", "7,0", "6,0"}},
        {"B", {"8", "7", "6"}, {"8", "2,0", "2,0"}},
        {"C", {"8", "7", "6"}, {"8", "2,0", "0,5"}},
        {"D", {"8", "7", "6"}, {"8", "3,6", "3,6"}},
        {"E", {"8", "7", "6"}, {"8", "4,5", "4,5"}},
        {"F", {"8", "7", "6"}, {"8", "4,5", "4,5"}},
        {"G", {"8", "7", "6"}, {"8", "3,6", "2,0"}},
        {"H", {"8", "7", "6"}, {"8", "4,5", "2,0"}},
        // Only the impedances the letter uses are ordered: none for N (or
        // any other text), the first two for A.
        {"N", {"4", "7", "6"}, {"4", "7,0", "6,0"}},
        {"", {"4", "7", "6"}, {"4", "7,0", "6,0"}},
        {"A", {"8", "4", "6"}, {"8", "4,0", "6,0"}},
        {"A", {"4", "8", "6"}, {"8", "4", "6,0"}},
        // A text that is no number is left alone and never compared.
        {"A", {"4", ",", "9"}, {"4", ",", "9,0"}},
    };
    for (const Caso& c : casi) {
        Imp imp = c.prima;
        inputusci::ControllaInputDatiUsci(c.tipo, imp);
        EXPECT_EQ(imp, c.dopo) << c.tipo << " " << c.prima[0] << "/" << c.prima[1];
    }
}

// Shell (or three-leg) single-ended: all H1; push-pull: I1 and L1 alternating
// on one bobbin of two grooves; two-leg: H1 and H2 alternating, bobbins kept.
TEST(InputUsci, PlacesTheSectionsByCoreAndStage) {
    struct Caso {
        const char* nome;
        int16_t mantello, treColonne, single;
        const char* pri;  // per section: bobbin 1/2, groove H/I/L
        const char* sec;
        int16_t rochDue, gole1;
    };
    const Caso casi[] = {
        {"shell single-ended", VERO, FALSO, VERO, "1H1H1H1H1H1H", "1H1H1H1H", 0, 0},
        {"shell push-pull", VERO, FALSO, FALSO, "1I1L1I1L1I1L", "1I1L1I1L", 0, 1},
        {"three-leg push-pull", FALSO, VERO, FALSO, "1I1L1I1L1I1L", "1I1L1I1L", 0, 1},
        {"two-leg push-pull", FALSO, FALSO, FALSO, "1H2H1H2H1H2H", "1H2H1H2H", 1, 1},
        {"two-leg single-ended", FALSO, FALSO, VERO, "1H2H1H2H1H2H", "1H2H1H2H", 1, 1},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        auto d = NuovoProgettoUsci();
        d->LamMantello = c.mantello, d->Lam3Colonne = c.treColonne, d->OptSingle = c.single;
        d->PriUlt = 5, d->SecUlt = 3, d->RochDue = 1, d->RochGole1 = 1;
        d->SecGolaL[4] = VERO;  // beyond the count: untouched
        inputusci::PosizionaAvvRocch(*d);
        for (const LatoC& l : {LatoC(Primari(*d)), LatoC(Secondari(*d))}) {
            std::string s;
            for (int i = 0; i <= l.Ultimo(12); ++i) {
                ASSERT_NE(Vero(l.Roch1[i]), Vero(l.Roch2[i]));
                ASSERT_EQ(Vero(l.GolaH[i]) + Vero(l.GolaI[i]) + Vero(l.GolaL[i]), 1);
                s += Vero(l.Roch1[i]) ? '1' : '2';
                s += Vero(l.GolaH[i]) ? 'H' : Vero(l.GolaI[i]) ? 'I' : 'L';
            }
            EXPECT_EQ(s, l.Primario ? c.pri : c.sec);
        }
        EXPECT_EQ(d->SecGolaL[4], VERO);
        EXPECT_EQ(d->RochDue, c.rochDue);
        EXPECT_EQ(d->RochGole1, c.gole1);
    }
}

}  // namespace
