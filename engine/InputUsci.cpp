#include "engine/InputUsci.h"

#include <optional>
#include <utility>

#include "platform/core/Numeri.h"

namespace inputusci {

namespace {

using S = Stadio;
constexpr Configurazione kConfigurazioni[] = {
    {'N', "Configurazione con secondari a schema libero", S::Libero, true, false, false, false, 0, 0, 0, 0},
    {'A', "Configurazione con secondari collegati in serie", S::Libero, false, true, true, false, 3, 2, 6, 4},
    {'B', "Configurazione con due secondari uguali combinabili fra loro", S::Libero, false, false, true, false,
     3, 2, 4, 2},
    {'C', "Configurazione con quattro secondari uguali combinabili fra loro", S::Libero, false, false, true,
     true, 3, 4, 6, 4},
    {'D', "Configurazione con due coppie di secondari uguali combinabili fra loro", S::Libero, false, false,
     true, false, 4, 4, 6, 4},
    {'E', "Configurazione solo per single-ended con 2 terzine di secondari uguali combinabili fra loro",
     S::Single, false, false, true, false, 4, 6, 1, 1},
    {'F', "Configurazione solo per push-pull con secondari combinabili fra loro", S::Push, false, false, true,
     false, 1, 1, 8, 7},
    {'G', "Configurazione con 3 coppie di secondari uguali combinabili fra loro", S::Libero, false, false, true,
     true, 5, 6, 8, 6},
    {'H', "Configurazione con 2 quartine di secondari uguali combinabili fra loro", S::Libero, false, false,
     true, true, 5, 8, 10, 8},
};

// The further taps of a letter: tap 17 takes the first impedance over
// (a17 / b17)², tap 18 tap 17's over (a18 / b18)² (1: a copy). Turns go as
// the square root of the impedance, so these are ratios of section counts.
struct Derivazione {
    char lettera;
    int a17, b17, a18, b18;
};
constexpr Derivazione kDerivazioni[] = {
    {'B', 2, 1, 1, 1}, {'C', 4, 2, 2, 1}, {'D', 3, 2, 1, 1}, {'E', 4, 3, 1, 1},
    {'F', 4, 3, 1, 1}, {'G', 6, 4, 4, 3}, {'H', 4, 3, 3, 2},
};

double Quadrati(int a, int b) { return static_cast<double>(a * a) / static_cast<double>(b * b); }

// z / divisor in full precision, a copy (divisor 1) as the Single it is.
std::string Diviso(float z, double divisore) {
    if (divisore == 1.0) return num::SngToText(num::Sng(static_cast<double>(z) / 1.0));
    return num::DblToText(static_cast<double>(z) / divisore);
}

// How many of the three impedances the letter uses.
int Usate(const std::string& tipo) {
    const Configurazione* c = TrovaConfigurazione(tipo);
    if (!c || c->lettera == 'N') return 1;
    return c->lettera == 'A' ? 2 : 3;
}

}  // namespace

const Configurazione* TrovaConfigurazione(const std::string& tipo) {
    if (tipo.size() != 1) return nullptr;
    for (const Configurazione& c : kConfigurazioni)
        if (c.lettera == tipo[0]) return &c;
    return nullptr;
}

void ControllaInputDatiUsci(const std::string& secTipo, std::array<std::string, 3>& imp) {
    // Further taps derived from the first impedance.
    const std::optional<float> z16 = num::TextToSng(imp[0]);
    for (const Derivazione& r : kDerivazioni)
        if (secTipo.size() == 1 && secTipo[0] == r.lettera && z16) {
            imp[1] = Diviso(*z16, Quadrati(r.a17, r.b17));
            if (const std::optional<float> z17 = num::TextToSng(imp[1]))
                imp[2] = Diviso(*z17, Quadrati(r.a18, r.b18));
        }
    // One decimal for the two taps.
    for (int i = 1; i <= 2; ++i)
        if (const std::optional<float> z = num::TextToSng(imp[static_cast<size_t>(i)]))
            imp[static_cast<size_t>(i)] = num::Format(*z, "##0.0");
    // Largest first among those the letter uses; a pair that changes places
    // is written in the general form, and the pass starts again.
    const int usate = Usate(secTipo);
    for (int i = 1; i < usate;) {
        const auto a = num::TextToSng(imp[static_cast<size_t>(i - 1)]);
        const auto b = num::TextToSng(imp[static_cast<size_t>(i)]);
        if (a && b && *a < *b) {
            imp[static_cast<size_t>(i - 1)] = num::SngToText(*b);
            imp[static_cast<size_t>(i)] = num::SngToText(*a);
            i = 1;
        } else {
            ++i;
        }
    }
}

void PosizionaAvvRocch(ModuleDIC& d) {
    const bool centrale = Vero(d.LamMantello) || Vero(d.Lam3Colonne);
    const bool single = Vero(d.OptSingle);
    if (centrale) {
        // One bobbin; a push-pull stage splits it into two grooves.
        d.RochDue = 0;
        d.RochGole1 = single ? 0 : 1;
    }
    for (Lato l : {Primari(d), Secondari(d)})
        for (int i = 0; i <= l.Ultimo(NUM_AVV); ++i) {
            const bool pari = i % 2 == 0;
            const bool secondo = !centrale && !pari;                // bobbin 2
            const int gola = centrale && !single ? (pari ? 1 : 2) : 0;  // H, I, L
            l.Roch1[i] = Flag(!secondo);
            l.Roch2[i] = Flag(secondo);
            l.GolaH[i] = Flag(gola == 0);
            l.GolaI[i] = Flag(gola == 1);
            l.GolaL[i] = Flag(gola == 2);
        }
}

}  // namespace inputusci
