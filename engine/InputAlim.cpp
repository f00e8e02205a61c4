#include "engine/InputAlim.h"

#include <utility>

#include "platform/core/Numeri.h"

namespace inputalim {

namespace {

// Isolated, as after a count change: no series link, no tap, partner 1.
void Isola(Lato& l, int i) {
    l.AvvIso[i] = VERO;
    l.AvvSer[i] = FALSO;
    l.AvvAda[i] = FALSO;
    if (l.AvvCar) (*l.AvvCar)[i] = FALSO;
    l.AvvSerCon[i] = 1;
}

// A series link counts only towards a later winding in use on the same side.
bool PartnerValido(const Lato& l, int i, int ult) {
    int p = l.AvvSerCon[i] - 1;
    return p > i && p <= ult;
}

// Every winding in use that is in series with a winding that is not a later
// one in use, or with one of the marked windings, loses its link.
void IsolaLegamiRotti(Lato& l, int ult, const Indici& mossi, Indici& isolati) {
    for (int j = 0; j <= ult; ++j) {
        if (!Vero(l.AvvSer[j])) continue;
        int p = l.AvvSerCon[j] - 1;
        bool partnerMosso = p >= 0 && p < AVV_MAX && mossi[p];
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

void ScambiaTesti(std::span<std::string> t, int k) {
    std::string a = Normalizza(t[k - 1]);
    std::string b = Normalizza(t[k]);
    t[k - 1] = std::move(b);
    t[k] = std::move(a);
}

// The placement of windings k-1 and k goes with the winding.
void ScambiaPosizione(Lato& l, int k) {
    std::swap(l.Roch1[k - 1], l.Roch1[k]);
    std::swap(l.Roch2[k - 1], l.Roch2[k]);
    std::swap(l.GolaH[k - 1], l.GolaH[k]);
    std::swap(l.GolaI[k - 1], l.GolaI[k]);
    std::swap(l.GolaL[k - 1], l.GolaL[k]);
}

// After windings k-1 and k of one side exchanged their texts: both become
// isolated (the tap flag set, which counts only with the series flag), the
// placement goes with the winding.
void Scambia(Lato& l, int k) {
    for (int i : {k, k - 1}) {
        l.AvvIso[i] = VERO;
        l.AvvSer[i] = FALSO;
        l.AvvAda[i] = VERO;
        l.AvvSerCon[i] = 1;
    }
    ScambiaPosizione(l, k);
}

// Bubbles the texts of windings 0..ult into decreasing voltage (strict
// comparison, restarting after every exchange); `scambiato(k)` follows each
// exchange of k-1 and k. A text that is not a number is never compared.
template <class F>
bool Ordina(int ult, std::span<std::string> volt, std::span<std::string> pot, F scambiato) {
    bool scambio = false;
    bool ancora = true;
    while (ancora) {
        ancora = false;
        for (int k = 1; k <= ult; ++k) {
            auto a = num::TextToSng(volt[k - 1]);
            auto b = num::TextToSng(volt[k]);
            if (!a || !b || !(*a < *b)) continue;
            ScambiaTesti(volt, k);
            if (!pot.empty()) ScambiaTesti(pot, k);
            scambiato(k);
            scambio = true;
            ancora = true;
            break;
        }
    }
    return scambio;
}

}  // namespace

bool OrdinaLato(Lato l, std::span<std::string> volt, std::span<std::string> pot, int numAvv,
                Indici& isolati, std::span<std::string> lettere) {
    const int ult = l.Ultimo(numAvv);
    return Ordina(ult, volt, pot, [&](int k) {
        if (!lettere.empty()) std::swap(lettere[k - 1], lettere[k]);
        Scambia(l, k);
        isolati[k - 1] = isolati[k] = true;
        Indici mossi{};
        mossi[k - 1] = mossi[k] = true;
        IsolaLegamiRotti(l, ult, mossi, isolati);
    });
}

bool OrdinaTesti(const LatoC& l, std::span<std::string> volt, std::span<std::string> pot, int numAvv) {
    return Ordina(l.Ultimo(numAvv), volt, pot, [](int) {});
}

bool OrdinaPrese(Lato l, std::span<std::string> volt, std::span<std::string> pot, int numAvv,
                 std::span<std::string> lettere) {
    return Ordina(l.Ultimo(numAvv), volt, pot, [&](int k) {
        std::swap(lettere[k - 1], lettere[k]);
        ScambiaPosizione(l, k);
    });
}

std::optional<AspettoCollegamento> Collegamento(const LatoC& l, int i) {
    std::optional<AspettoCollegamento> r;
    const bool serie = Vero(l.AvvSer[i]);
    if (Vero(l.AvvIso[i])) r = AspettoCollegamento{"I", ColoreCollegamento::FacciaPulsante};
    if (Vero(l.AvvAda[i]) && serie)
        r = AspettoCollegamento{"R" + num::IntToText(l.AvvSerCon[i]), ColoreCollegamento::Verde};
    if (l.AvvCar && Vero((*l.AvvCar)[i]) && serie)
        r = AspettoCollegamento{"C" + num::IntToText(l.AvvSerCon[i]), ColoreCollegamento::Ciano};
    return r;
}

EsitoPresa PotenzaPresaSec(ModuleDIC& d, int i) {
    EsitoPresa e;
    if (i < 0 || i >= AVV_MAX || !Vero(d.SecAvvAda[i]) || !Vero(d.SecAvvSer[i])) return e;
    const int n = d.SecAvvSerCon[i];
    if (n < 1 || n > AVV_MAX) return e;
    d.SecPot[i] = d.SecPot[n - 1];
    e.potenza = true;
    if (d.SecVolt[i] == 0.0f) return e;
    d.SecAmp[i] = num::Sng(static_cast<double>(d.SecPot[i]) / d.SecVolt[i]);
    e.corrente = true;
    return e;
}

std::optional<AspettoPosizione> Posizione(const LatoC& l, int i) {
    std::optional<AspettoPosizione> r;
    auto riga = [&r](bool vale, const char* gola, const char* rocchetto) {
        if (!vale) return;
        r = AspettoPosizione{std::string(gola) + rocchetto, std::string("Avvolgimento nella Gola ") +
                                                                gola + " del Rocchetto " + rocchetto +
                                                                " "};
    };
    const bool roch1 = Vero(l.Roch1[i]), roch2 = Vero(l.Roch2[i]);
    riga(roch1 && Vero(l.GolaH[i]), "H", "1");
    riga(roch2 && Vero(l.GolaH[i]), "H", "2");
    riga(roch1 && Vero(l.GolaI[i]), "I", "1");
    riga(roch2 && Vero(l.GolaI[i]), "I", "2");
    riga(roch1 && Vero(l.GolaL[i]), "L", "1");
    riga(roch2 && Vero(l.GolaL[i]), "L", "2");
    return r;
}

EsitoOrdinamento OrdinaAvvolgimenti(ModuleDIC& d, DatiAlimTesti& t) {
    EsitoOrdinamento e;
    e.scambioPri = OrdinaLato(Primari(d), t.Txt_PriVolt, {}, NUM_AVV, e.priIsolati);
    e.scambioSec = OrdinaLato(Secondari(d), t.Txt_SecVolt, t.Txt_SecPot, NUM_AVV, e.secIsolati);
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

std::optional<std::string> TestoCorrente(std::string_view pot, std::string_view volt) {
    const auto p = num::TextToSng(pot);
    const auto v = num::TextToSng(volt);
    if (!p || !v || *v == 0.0f) return std::nullopt;   // nothing to divide by
    std::string testo = num::SngToText(num::Sng(static_cast<double>(*p) / static_cast<double>(*v)));
    const auto x = num::TextToSng(testo);
    return x ? TestoCorrenteSec(*x) : testo;
}

void RicalcolaCorrentiSec(const ModuleDIC& d, DatiAlimTesti& t) {
    const int ult = UltimoIndice(d.SecUlt);
    for (int i = 0; i <= ult; ++i) {
        const auto v = num::TextToSng(t.Txt_SecVolt[i]);
        if (!v || *v == d.SecVolt[i]) continue;
        if (auto a = TestoCorrente(t.Txt_SecPot[i], t.Txt_SecVolt[i])) t.Txt_SecAmp[i] = std::move(*a);
    }
}

Indici CambiaNumeroAvv(Lato l, int n, int numAvv) {
    Indici isolati{};
    if (n < 1) n = 1;
    if (n > numAvv) n = numAvv;
    l.Ult = static_cast<float>(n - 1);
    const int ult = n - 1;
    for (int i = ult; i < numAvv; ++i) {
        Isola(l, i);
        isolati[i] = true;
    }
    IsolaLegamiRotti(l, ult, Indici{}, isolati);
    return isolati;
}

}  // namespace inputalim
