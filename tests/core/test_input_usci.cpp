// The output transformer window's Qt-free steps: the load impedances derived
// and ordered by configuration letter, and the fixed placement of the
// sections. Expected texts worked out by hand (Z16 / (a/b)², one decimal).
#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "ProgettiAutoUsci.h"
#include "engine/InputUsci.h"

namespace {

TEST(InputUsci, DerivesAndOrdersTheLoadImpedances) {
    // letter, the three boxes before and after
    const std::tuple<const char*, const char*, const char*> casi[] = {
        {"N", "8 7 6", "8 7,0 6,0"}, {"B", "8 7 6", "8 2,0 2,0"}, {"C", "8 7 6", "8 2,0 0,5"},
        {"D", "8 7 6", "8 3,6 3,6"}, {"E", "8 7 6", "8 4,5 4,5"}, {"F", "8 7 6", "8 4,5 4,5"},
        {"G", "8 7 6", "8 3,6 2,0"}, {"H", "8 7 6", "8 4,5 2,0"},
        // Only the impedances the letter uses are ordered: none for N or any
        // other text, the first two for A; a text that is no number stays.
        {"N", "4 7 6", "4 7,0 6,0"}, {"", "4 7 6", "4 7,0 6,0"}, {"A", "8 4 6", "8 4,0 6,0"},
        {"A", "4 8 6", "8 4 6,0"},   {"A", "4 , 9", "4 , 9,0"}};
    for (const auto& [tipo, prima, dopo] : casi) {
        std::array<std::string, 3> imp;
        std::istringstream(prima) >> imp[0] >> imp[1] >> imp[2];
        inputusci::ControllaInputDatiUsci(tipo, imp);
        EXPECT_EQ(imp[0] + " " + imp[1] + " " + imp[2], dopo) << tipo << " " << prima;
    }
}

// Six primaries and four secondaries as bobbin and groove (1H ... 2L), then
// RochDue and RochGole1 (both 1 before).
TEST(InputUsci, PlacesTheSectionsByCoreAndStage) {
    // shell, three-leg, single-ended
    const std::tuple<int16_t, int16_t, int16_t, const char*> casi[] = {
        {VERO, FALSO, VERO, "1H1H1H1H1H1H 1H1H1H1H 0 0"},  {VERO, FALSO, FALSO, "1I1L1I1L1I1L 1I1L1I1L 0 1"},
        {FALSO, VERO, FALSO, "1I1L1I1L1I1L 1I1L1I1L 0 1"}, {FALSO, FALSO, FALSO, "1H2H1H2H1H2H 1H2H1H2H 1 1"},
        {FALSO, FALSO, VERO, "1H2H1H2H1H2H 1H2H1H2H 1 1"}};
    for (const auto& [mantello, treColonne, single, atteso] : casi) {
        auto d = NuovoProgettoUsci();
        d->LamMantello = mantello;
        d->Lam3Colonne = treColonne;
        d->OptSingle = single;
        d->PriUlt = 5;
        d->SecUlt = 3;
        d->RochDue = 1;
        d->RochGole1 = 1;
        d->SecGolaL[4] = VERO;
        inputusci::PosizionaAvvRocch(*d);
        std::string s;
        for (const LatoC& l : {LatoC(Primari(*d)), LatoC(Secondari(*d))}) {
            for (int i = 0; i <= l.Ultimo(12); ++i) {
                s += "-123"[Vero(l.Roch1[i]) + 2 * Vero(l.Roch2[i])];
                s += "-HI?L???"[Vero(l.GolaH[i]) + 2 * Vero(l.GolaI[i]) + 4 * Vero(l.GolaL[i])];
            }
            s += ' ';
        }
        EXPECT_EQ(s + std::to_string(d->RochDue) + " " + std::to_string(d->RochGole1), atteso);
        EXPECT_EQ(d->SecGolaL[4], VERO);  // beyond the count: untouched
    }
}

}  // namespace
