#include "engine/InputAlim.h"

#include <cmath>
#include <utility>

#include "platform/core/Numeri.h"

namespace inputalim {

namespace {

// The arrays of one side, so primaries and secondaries share one code path.
struct Lato {
    AvvFlag& iso;
    AvvFlag& ser;
    AvvFlag& ada;
    AvvFlag* car;   // secondaries only
    std::array<int16_t, AVV_MAX>& serCon;
    AvvFlag& roch1;
    AvvFlag& roch2;
    AvvFlag& golaH;
    AvvFlag& golaI;
    AvvFlag& golaL;
    float& ult;
};

Lato LatoPri(ModuleDIC& d) {
    return {d.PriAvvIso, d.PriAvvSer, d.PriAvvAda, nullptr, d.PriAvvSerCon, d.PriRoch1,
            d.PriRoch2,  d.PriGolaH,  d.PriGolaI,  d.PriGolaL, d.PriUlt};
}

Lato LatoSec(ModuleDIC& d) {
    return {d.SecAvvIso, d.SecAvvSer, d.SecAvvAda, &d.SecAvvCar, d.SecAvvSerCon, d.SecRoch1,
            d.SecRoch2,  d.SecGolaH,  d.SecGolaI,  d.SecGolaL,   d.SecUlt};
}

// Isolated, as after a count change: no series link, no tap, partner 1.
void Isola(Lato& l, int i) {
    l.iso[i] = VERO;
    l.ser[i] = FALSO;
    l.ada[i] = FALSO;
    if (l.car) (*l.car)[i] = FALSO;
    l.serCon[i] = 1;
}

// A series link counts only towards a later winding in use on the same side.
bool PartnerValido(const Lato& l, int i, int ult) {
    int p = l.serCon[i] - 1;
    return p > i && p <= ult;
}

// Every winding in use that is in series with a winding that is not a later
// one in use, or with one of the marked windings, loses its link.
void IsolaLegamiRotti(Lato& l, int ult, const Indici& mossi, Indici& isolati) {
    for (int j = 0; j <= ult; ++j) {
        if (!Vero(l.ser[j])) continue;
        int p = l.serCon[j] - 1;
        bool partnerMosso = p >= 0 && p < NUM_AVV && mossi[p];
        if (!PartnerValido(l, j, ult) || partnerMosso) {
            Isola(l, j);
            isolati[j] = true;
        }
    }
}

// A text through its number and back; a text that is not a number stays.
std::string Normalizza(const std::string& s) {
    auto v = num::TextToSng(s);
    return v ? num::SngToText(*v) : s;
}

// Exchanges windings k-1 and k of one side. The texts move, both become
// isolated (the tap flag set, which counts only with the series flag), the
// placement goes with the winding.
void Scambia(Lato& l, Testi& volt, Testi* pot, int k) {
    std::string a = Normalizza(volt[k - 1]);
    std::string b = Normalizza(volt[k]);
    volt[k - 1] = std::move(b);
    volt[k] = std::move(a);
    if (pot) {
        std::string pa = Normalizza((*pot)[k - 1]);
        std::string pb = Normalizza((*pot)[k]);
        (*pot)[k - 1] = std::move(pb);
        (*pot)[k] = std::move(pa);
    }
    for (int i : {k, k - 1}) {
        l.iso[i] = VERO;
        l.ser[i] = FALSO;
        l.ada[i] = VERO;
        l.serCon[i] = 1;
    }
    std::swap(l.roch1[k - 1], l.roch1[k]);
    std::swap(l.roch2[k - 1], l.roch2[k]);
    std::swap(l.golaH[k - 1], l.golaH[k]);
    std::swap(l.golaI[k - 1], l.golaI[k]);
    std::swap(l.golaL[k - 1], l.golaL[k]);
}

// Bubble order with a restart after every exchange; returns whether any
// pair changed places.
bool OrdinaLato(Lato& l, Testi& volt, Testi* pot, Indici& isolati) {
    const int ult = UltimoIndice(l.ult);
    bool scambio = false;
    bool ancora = true;
    while (ancora) {
        ancora = false;
        for (int k = 1; k <= ult; ++k) {
            auto a = num::TextToSng(volt[k - 1]);
            auto b = num::TextToSng(volt[k]);
            if (!a || !b || !(*a < *b)) continue;
            Scambia(l, volt, pot, k);
            isolati[k - 1] = isolati[k] = true;
            Indici mossi{};
            mossi[k - 1] = mossi[k] = true;
            IsolaLegamiRotti(l, ult, mossi, isolati);
            scambio = true;
            ancora = true;
            break;
        }
    }
    return scambio;
}

Indici CambiaNumero(Lato l, int n) {
    Indici isolati{};
    if (n < 1) n = 1;
    if (n > NUM_AVV) n = NUM_AVV;
    l.ult = static_cast<float>(n - 1);
    const int ult = n - 1;
    for (int i = ult; i < NUM_AVV; ++i) {
        Isola(l, i);
        isolati[i] = true;
    }
    IsolaLegamiRotti(l, ult, Indici{}, isolati);
    return isolati;
}

}  // namespace

std::optional<AspettoCollegamento> AspettoCollegamentoPri(const ModuleDIC& d, int i) {
    std::optional<AspettoCollegamento> r;
    if (Vero(d.PriAvvIso[i])) r = AspettoCollegamento{"I", ColoreCollegamento::FacciaPulsante};
    if (Vero(d.PriAvvAda[i]) && Vero(d.PriAvvSer[i]))
        r = AspettoCollegamento{"R" + num::IntToText(d.PriAvvSerCon[i]), ColoreCollegamento::Verde};
    return r;
}

std::optional<AspettoCollegamento> AspettoCollegamentoSec(const ModuleDIC& d, int i) {
    std::optional<AspettoCollegamento> r;
    if (Vero(d.SecAvvIso[i])) r = AspettoCollegamento{"I", ColoreCollegamento::FacciaPulsante};
    if (Vero(d.SecAvvAda[i]) && Vero(d.SecAvvSer[i]))
        r = AspettoCollegamento{"R" + num::IntToText(d.SecAvvSerCon[i]), ColoreCollegamento::Verde};
    if (Vero(d.SecAvvCar[i]) && Vero(d.SecAvvSer[i]))
        r = AspettoCollegamento{"C" + num::IntToText(d.SecAvvSerCon[i]), ColoreCollegamento::Ciano};
    return r;
}

std::optional<AspettoPosizione> AspettoPosizioneAvv(int16_t roch1, int16_t roch2, int16_t golaH,
                                                    int16_t golaI, int16_t golaL) {
    std::optional<AspettoPosizione> r;
    auto riga = [&r](bool vale, const char* gola, const char* rocchetto) {
        if (!vale) return;
        r = AspettoPosizione{std::string(gola) + rocchetto, std::string("Avvolgimento nella Gola ") +
                                                                gola + " del Rocchetto " + rocchetto +
                                                                " "};
    };
    riga(Vero(roch1) && Vero(golaH), "H", "1");
    riga(Vero(roch2) && Vero(golaH), "H", "2");
    riga(Vero(roch1) && Vero(golaI), "I", "1");
    riga(Vero(roch2) && Vero(golaI), "I", "2");
    riga(Vero(roch1) && Vero(golaL), "L", "1");
    riga(Vero(roch2) && Vero(golaL), "L", "2");
    return r;
}

std::optional<AspettoPosizione> AspettoPosizionePri(const ModuleDIC& d, int i) {
    return AspettoPosizioneAvv(d.PriRoch1[i], d.PriRoch2[i], d.PriGolaH[i], d.PriGolaI[i],
                               d.PriGolaL[i]);
}

std::optional<AspettoPosizione> AspettoPosizioneSec(const ModuleDIC& d, int i) {
    return AspettoPosizioneAvv(d.SecRoch1[i], d.SecRoch2[i], d.SecGolaH[i], d.SecGolaI[i],
                               d.SecGolaL[i]);
}

EsitoOrdinamento OrdinaAvvolgimenti(ModuleDIC& d, TestiAvvolgimenti& t) {
    EsitoOrdinamento e;
    Lato pri = LatoPri(d);
    e.scambioPri = OrdinaLato(pri, t.PriVolt, nullptr, e.priIsolati);
    Lato sec = LatoSec(d);
    e.scambioSec = OrdinaLato(sec, t.SecVolt, &t.SecPot, e.secIsolati);
    return e;
}

std::string TestoCorrenteSec(float x) {
    const char* maschera = "##0.0#";
    if (x < 1.0f)
        maschera = "0.0##";
    else if (x > 1.0f && x < 99.0f)
        maschera = "##0.0##";
    return num::Format(x, maschera);
}

void RicalcolaCorrentiSec(const ModuleDIC& d, TestiAvvolgimenti& t) {
    const int ult = UltimoIndice(d.SecUlt);
    for (int i = 0; i <= ult; ++i) {
        auto v = num::TextToSng(t.SecVolt[i]);
        if (!v || *v == d.SecVolt[i]) continue;
        if (*v == 0.0f) continue;   // nothing to divide by: the text stays
        auto p = num::TextToSng(t.SecPot[i]);
        if (!p) continue;
        std::string testo =
            num::SngToText(num::Sng(static_cast<double>(*p) / static_cast<double>(*v)));
        auto x = num::TextToSng(testo);
        t.SecAmp[i] = x ? TestoCorrenteSec(*x) : testo;
    }
}

Indici CambiaNumeroAvvPri(ModuleDIC& d, int n) { return CambiaNumero(LatoPri(d), n); }

Indici CambiaNumeroAvvSec(ModuleDIC& d, int n) { return CambiaNumero(LatoSec(d), n); }

}  // namespace inputalim
