// Turns, wire diameters and wire choice, winding build, copper losses,
// groove sums and the groove fill check: the steps every design window runs
// after the stack and the bobbin are settled.
//
// Every expression is evaluated in double and rounded to a Single (float)
// when it is stored, so results match the stored values step by step.
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/ModRoutine.h"
#include "platform/core/Numeri.h"

namespace {

inline float Sng(double v) { return static_cast<float>(v); }

// Windings are counted by the index of the last one (a Single). A loop
// "For i = 0 To ult" runs while i <= ult; the bound never goes past slot 11:
// twelve windings a side, primary i in wire column i and secondary i in
// column i + 12, so a thirteenth primary would take the first secondary's column.
constexpr int ULTIMO_SLOT = 11;

// Wire row of a winding, held as a Single: nearest whole row, kept inside
// the table so that a stray value read from a file cannot reach past it.
int RigaFilo(float riga) {
    if (!(riga >= 0.0f)) return 0;
    return static_cast<int>(std::min(std::nearbyint(static_cast<double>(riga)), FILO_RIGHE - 1.0));
}

// Bobbin row in use: the user's row 1, or else the computed row 0. Rows 2..5
// hold no bobbin, so any other value (an old project, say) means row 0.
int RigaRocchetto(int16_t scelto) { return scelto == 1 ? 1 : 0; }

// Whole turns: the fraction of the stored quotient, as a Single, above 0.4
// rounds up, anything up to 0.4 rounds down.
float ArrotondaSpire(float x) {
    const double intero = std::floor(static_cast<double>(x));
    const float frazione = Sng(static_cast<double>(x) - intero);
    return Sng(frazione > 0.4f ? intero + 1.0 : intero);
}

// A series partner (1-based) counts only when it names a later winding in
// use on the same side; anything else is ignored.
bool PartnerValido(int k, int16_t partner, int ult) { return partner >= k + 2 && partner <= ult + 1; }

// Bare diameter that carries `corrente` at density `densita`; 0 when the
// quotient is not positive (no current, or no density set).
float DiametroRichiesto(float corrente, float densita) {
    if (!num::Positivo(densita)) return 0.0f;
    const double q = static_cast<double>(corrente) / (static_cast<double>(densita) * 3.14159);
    if (!(q > 0.0) || !std::isfinite(q)) return 0.0f;
    return Sng(2.0 * std::sqrt(q));
}

// Picks the wire of column c for required diameter d; builds the column's
// custom row 38 when no library row fits. Returns the row taken.
int ScegliRiga(ModuleDIC& d, int c, float dRich) {
    for (int r = 0; r <= 37; ++r) {
        if (!(d.FiloNudo[r][c] <= dRich)) continue;
        if (r < 37) {
            if (dRich < d.FiloNudo[r + 1][c]) return r;
        } else if (Sng(1.1 * d.FiloNudo[37][c]) > dRich) {
            return 37;
        }
    }
    // No library wire fits: a wire of the required diameter cut to 0.01 mm,
    // never thinner than 0.01 mm so that nothing below divides by zero.
    float nudo = Sng(std::floor(static_cast<double>(dRich) * 100.0) / 100.0);
    if (!(nudo >= 0.01f)) nudo = 0.01f;
    d.FiloNudo[38][c] = nudo;
    d.FiloIsolato[38][c] = Sng(static_cast<double>(nudo) * 1.03);
    const double raggio = static_cast<double>(nudo) / 2.0;
    d.SezioneFilo[38][c] = Sng(raggio * raggio * 3.14159);
    if (!num::Positivo(d.KfRame[38][c])) d.KfRame[38][c] = 1.05f;
    d.CoefKfFilo[38][c] = d.KfRame[38][c];
    d.SpireCM[38][c] = Sng(10.0 / d.FiloIsolato[38][c] / d.CoefKfFilo[38][c]);
    d.ResistenzaFilo[38][c] = Sng(0.0176 / d.SezioneFilo[38][c]);
    d.PesoFilo[38][c] = Sng(static_cast<double>(d.SezioneFilo[38][c]) * 8.9);
    return 38;
}

// The figures of one winding, computed by CalcolaAvvolgimenti.
struct Avvolgimento {
    float& lung;
    float& peso;
    float& dens;
    float& potPer;
    float& ing;
    float& res;
    float& spSt;
    float& strati;
    float& iso;
    int16_t roch1, roch2, golaH, golaI, golaL;
};

void CalcolaUnAvvolgimento(ModuleDIC& d, Avvolgimento a, float spire, float corrente, float riga, int c) {
    const int b = RigaRocchetto(d.RochScelto);
    const int r = RigaFilo(riga);
    const double n = spire;

    const double perimetro = 2.0 * (static_cast<double>(d.RochSp[b]) + d.RochM[b]) +
                             2.0 * (static_cast<double>(d.RochM[b]) + d.RochC[b]);
    a.lung = Sng(perimetro * n / 1000.0);
    a.peso = Sng(static_cast<double>(d.PesoFilo[r][c]) * a.lung);
    const float sezione = d.SezioneFilo[r][c];
    a.dens = sezione > 0.0f ? Sng(static_cast<double>(corrente) / sezione) : 0.0f;
    a.potPer = Sng(static_cast<double>(a.dens) * a.dens * 2.4 * a.peso * 0.001);
    const double isolato = d.FiloIsolato[r][c];
    a.ing = Sng(isolato * isolato * n * d.CoefKfFilo[r][c]);
    a.res = Sng(static_cast<double>(d.ResistenzaFilo[r][c]) * a.lung);

    auto gola = [&](float altezza, float isoStr, float isoAvv) {
        const double x = altezza;
        a.spSt = Sng(x / 10.0 * d.SpireCM[r][c]);
        // No groove height or no turns per cm: no layers, and nothing divides.
        a.strati = a.spSt > 0.0f ? Sng(n / a.spSt) : 0.0f;
        if (!(a.spSt > 0.0f)) a.spSt = 0.0f;
        a.iso = Sng(std::floor(static_cast<double>(a.strati)) * isoStr * x + static_cast<double>(isoAvv) * x);
    };
    // Six places, in this order; with consistent flags exactly one applies.
    if (Vero(a.roch1) && Vero(a.golaH)) gola(d.RochH[b], d.RochIsoStrH, d.RochIsoAvvH);
    if (Vero(a.roch1) && Vero(a.golaI)) gola(d.RochI[b], d.RochIsoStrI, d.RochIsoAvvI);
    if (Vero(a.roch1) && Vero(a.golaL)) gola(d.RochL[b], d.RochIsoStrL, d.RochIsoAvvL);
    if (Vero(a.roch2) && Vero(a.golaH)) gola(d.RochH[b], d.RochIsoStrH, d.RochIsoAvvH);
    if (Vero(a.roch2) && Vero(a.golaI)) gola(d.RochI[b], d.RochIsoStrI, d.RochIsoAvvI);
    if (Vero(a.roch2) && Vero(a.golaL)) gola(d.RochL[b], d.RochIsoStrL, d.RochIsoAvvL);
}

// Running sum stored as a Single after every addition.
inline void Aggiungi(float& somma, double valore) { somma = Sng(static_cast<double>(somma) + valore); }

struct Somme {
    float *ingH, *isoH, *ingI, *isoI, *ingL, *isoL;
};

void SommaLato(int ult, const AvvFlag& roch, const AvvFlag& golaH, const AvvFlag& golaI,
               const AvvFlag& golaL, const AvvArr& ing, const AvvArr& iso, const AvvStr* trif, Somme s) {
    for (int i = 0; i <= ult; ++i) {
        if (!Vero(roch[i])) continue;
        // A zig-zag secondary of the three-phase kinds is wound twice.
        const double k = (trif != nullptr && (*trif)[i] == "z") ? 2.0 : 1.0;
        if (Vero(golaH[i])) {
            Aggiungi(*s.ingH, k * ing[i]);
            Aggiungi(*s.isoH, k * iso[i]);
        }
        if (Vero(golaI[i])) {
            Aggiungi(*s.ingI, k * ing[i]);
            Aggiungi(*s.isoI, k * iso[i]);
        }
        if (Vero(golaL[i])) {
            Aggiungi(*s.ingL, k * ing[i]);
            Aggiungi(*s.isoL, k * iso[i]);
        }
    }
}

void SommaGole(ModuleDIC& d, bool trifase) {
    d.SommaIngH1 = d.SommaIngI1 = d.SommaIngL1 = 0;
    d.SommaIsoH1 = d.SommaIsoI1 = d.SommaIsoL1 = 0;
    d.SommaIngH2 = d.SommaIngI2 = d.SommaIngL2 = 0;
    d.SommaIsoH2 = d.SommaIsoI2 = d.SommaIsoL2 = 0;
    const Somme roch1{&d.SommaIngH1, &d.SommaIsoH1, &d.SommaIngI1, &d.SommaIsoI1, &d.SommaIngL1, &d.SommaIsoL1};
    const Somme roch2{&d.SommaIngH2, &d.SommaIsoH2, &d.SommaIngI2, &d.SommaIsoI2, &d.SommaIngL2, &d.SommaIsoL2};
    const int pri = UltimoAvvolgimento(d.PriUlt, ULTIMO_SLOT);
    const int sec = UltimoAvvolgimento(d.SecUlt, ULTIMO_SLOT);
    const AvvStr* zSec = trifase ? &d.SecTrif : nullptr;
    SommaLato(pri, d.PriRoch1, d.PriGolaH, d.PriGolaI, d.PriGolaL, d.PriIng, d.PriIso, nullptr, roch1);
    SommaLato(pri, d.PriRoch2, d.PriGolaH, d.PriGolaI, d.PriGolaL, d.PriIng, d.PriIso, nullptr, roch2);
    SommaLato(sec, d.SecRoch1, d.SecGolaH, d.SecGolaI, d.SecGolaL, d.SecIng, d.SecIso, zSec, roch1);
    SommaLato(sec, d.SecRoch2, d.SecGolaH, d.SecGolaI, d.SecGolaL, d.SecIng, d.SecIso, zSec, roch2);
}

}  // namespace

void CalcolaSpire(ModuleDIC& d) {
    d.FEMI = Sng(static_cast<double>(d.Frequenza) * 4.44 * d.LamSE * d.Induzione * 0.0001);
    // Without an iron section there is no e.m.f. per turn: no turns either.
    const bool femiValida = d.FEMI > 0.0f && std::isfinite(d.FEMI);
    const int pri = UltimoAvvolgimento(d.PriUlt, ULTIMO_SLOT);
    const int sec = UltimoAvvolgimento(d.SecUlt, ULTIMO_SLOT);

    for (int i = 0; i <= pri; ++i)
        d.PriSpire[i] = femiValida ? ArrotondaSpire(Sng(static_cast<double>(d.PriVolt[i]) / d.FEMI)) : 0.0f;
    for (int i = 0; i <= sec; ++i) {
        d.SecVoltVuoto[i] = Sng((static_cast<double>(d.CadutaVolt) / 100.0 + 1.0) * d.SecVolt[i]);
        d.SecSpire[i] = femiValida ? ArrotondaSpire(Sng(static_cast<double>(d.SecVoltVuoto[i]) / d.FEMI)) : 0.0f;
    }

    // A winding in series keeps only the turns its voltage needs beyond its partner's.
    for (int k = 0; k <= pri - 1; ++k)
        if (Vero(d.PriAvvSer[k]) && PartnerValido(k, d.PriAvvSerCon[k], pri))
            d.PriSpire[k] = Sng(static_cast<double>(d.PriSpire[k]) - d.PriSpire[d.PriAvvSerCon[k] - 1]);
    for (int k = 0; k <= sec - 1; ++k)
        if (Vero(d.SecAvvSer[k]) && PartnerValido(k, d.SecAvvSerCon[k], sec))
            d.SecSpire[k] = Sng(static_cast<double>(d.SecSpire[k]) - d.SecSpire[d.SecAvvSerCon[k] - 1]);
}

void CalcolaDiametroFilo(ModuleDIC& d) {
    const int pri = UltimoAvvolgimento(d.PriUlt, ULTIMO_SLOT);
    const int sec = UltimoAvvolgimento(d.SecUlt, ULTIMO_SLOT);

    for (int i = 0; i <= pri; ++i) d.PriFiloNudo[i] = DiametroRichiesto(d.PriAmp[i], d.Densita);
    for (int i = 0; i <= sec; ++i) d.SecAmpFilo[i] = d.SecAmp[i];

    // Taps in series hand their current on to the winding that carries it;
    // walking first to last passes it along a chain of series windings.
    for (int i = 0; i <= sec - 1; ++i) {
        if (!Vero(d.SecAvvSer[i]) || !PartnerValido(i, d.SecAvvSerCon[i], sec)) continue;
        const int p = d.SecAvvSerCon[i] - 1;
        if (Vero(d.SecAvvCar[i])) d.SecAmpFilo[p] = Sng(static_cast<double>(d.SecAmpFilo[i]) + d.SecAmpFilo[p]);
        if (Vero(d.SecAvvAda[i]) && d.SecAmpFilo[i] != d.SecAmp[i])
            d.SecAmpFilo[p] =
                Sng(static_cast<double>(d.SecAmpFilo[i]) - d.SecAmp[i] + static_cast<double>(d.SecAmpFilo[p]));
    }

    for (int i = 0; i <= sec; ++i) d.SecFiloNudo[i] = DiametroRichiesto(d.SecAmpFilo[i], d.Densita);

    // The output transformer shows the wire currents as its secondary currents.
    if (d.TipoCalcolo == 5)
        for (int i = 0; i <= sec; ++i) d.SecAmp[i] = d.SecAmpFilo[i];
}

void ScegliFiloRame(ModuleDIC& d) {
    const int pri = UltimoAvvolgimento(d.PriUlt, ULTIMO_SLOT);
    const int sec = UltimoAvvolgimento(d.SecUlt, ULTIMO_SLOT);
    for (int i = 0; i <= pri; ++i) {
        const int c = i;
        const int r = ScegliRiga(d, c, d.PriFiloNudo[i]);
        d.PriFiloRiga[i] = static_cast<float>(r);
        d.PriFiloNudo[i] = d.FiloNudo[r][c];
        d.PriFiloIsol[i] = d.FiloIsolato[r][c];
    }
    for (int i = 0; i <= sec; ++i) {
        const int c = i + 12;
        const int r = ScegliRiga(d, c, d.SecFiloNudo[i]);
        d.SecFiloRiga[i] = static_cast<float>(r);
        d.SecFiloNudo[i] = d.FiloNudo[r][c];
        d.SecFiloIsol[i] = d.FiloIsolato[r][c];
    }
}

void CalcolaAvvolgimenti(ModuleDIC& d) {
    const int pri = UltimoAvvolgimento(d.PriUlt, ULTIMO_SLOT);
    const int sec = UltimoAvvolgimento(d.SecUlt, ULTIMO_SLOT);
    for (int i = 0; i <= pri; ++i) {
        Avvolgimento a{d.PriLung[i],   d.PriPeso[i],  d.PriDens[i],  d.PriPotPer[i], d.PriIng[i],
                       d.PriRes[i],    d.PriSpSt[i],  d.PriStrati[i], d.PriIso[i],   d.PriRoch1[i],
                       d.PriRoch2[i],  d.PriGolaH[i], d.PriGolaI[i], d.PriGolaL[i]};
        CalcolaUnAvvolgimento(d, a, d.PriSpire[i], d.PriAmp[i], d.PriFiloRiga[i], i);
    }
    for (int i = 0; i <= sec; ++i) {
        Avvolgimento a{d.SecLung[i],   d.SecPeso[i],  d.SecDens[i],  d.SecPotPer[i], d.SecIng[i],
                       d.SecRes[i],    d.SecSpSt[i],  d.SecStrati[i], d.SecIso[i],   d.SecRoch1[i],
                       d.SecRoch2[i],  d.SecGolaH[i], d.SecGolaI[i], d.SecGolaL[i]};
        // A secondary's density follows the current its wire carries.
        CalcolaUnAvvolgimento(d, a, d.SecSpire[i], d.SecAmpFilo[i], d.SecFiloRiga[i], i + 12);
    }
}

void CalcolaPerditeRame(ModuleDIC& d) {
    const int pri = UltimoAvvolgimento(d.PriUlt, ULTIMO_SLOT);
    const int sec = UltimoAvvolgimento(d.SecUlt, ULTIMO_SLOT);
    d.PotPerPri = 0;
    for (int i = 0; i <= pri; ++i) Aggiungi(d.PotPerPri, d.PriPotPer[i]);
    d.PotPerSec = 0;
    for (int i = 0; i <= sec; ++i) Aggiungi(d.PotPerSec, d.SecPotPer[i]);
    d.PotTotPers = Sng(static_cast<double>(d.PotPerSec) + d.PotPerPri);
}

void CalcolaPerditeRameTrif(ModuleDIC& d) {
    const int pri = UltimoAvvolgimento(d.PriUlt, ULTIMO_SLOT);
    const int sec = UltimoAvvolgimento(d.SecUlt, ULTIMO_SLOT);
    d.PotPerPri = 0;
    for (int i = 0; i <= pri; ++i) Aggiungi(d.PotPerPri, d.PriPotPer[i]);
    d.PotPerSec = 0;
    for (int i = 0; i <= sec; ++i) Aggiungi(d.PotPerSec, (d.SecTrif[i] == "z" ? 2.0 : 1.0) * d.SecPotPer[i]);
    // Three phases of each.
    d.PotTotPers = Sng(static_cast<double>(d.PotPerSec) * 3.0 + static_cast<double>(d.PotPerPri) * 3.0);
}

void SommaIngombriGole(ModuleDIC& d) { SommaGole(d, false); }

void SommaIngombriGoleTrif(ModuleDIC& d) { SommaGole(d, true); }

void VerificaIngombriAvvolgimenti(ModuleDIC& d, IMessaggi& msg) {
    const double ki = static_cast<double>(d.RochIngKi) / 100.0 + 1.0;
    const int b = RigaRocchetto(d.RochScelto);
    // The texts live for the whole run, so a warning costs no allocation.
    static const std::string titolo = "Verifica Ingombri Avvolgimenti";
    static const std::string testi[6] = {
        "Avvolgimenti Troppo Ingombranti in Gola H Rocchetto 1",
        "Avvolgimenti Troppo Ingombranti in Gola I Rocchetto 1",
        "Avvolgimenti Troppo Ingombranti in Gola L Rocchetto 1",
        "Avvolgimenti Troppo Ingombranti in Gola H Rocchetto 2",
        "Avvolgimenti Troppo Ingombranti in Gola I Rocchetto 2",
        "Avvolgimenti Troppo Ingombranti in Gola L Rocchetto 2",
    };
    struct Gola {
        float& ingGola;
        double somma;  // insulation plus copper build
        float spazio;  // both bobbins compare with the row in use
        const std::string& testo;
    };
    const Gola gole[6] = {
        {d.IngGolaH1, static_cast<double>(d.SommaIsoH1) + d.SommaIngH1, d.RochGolaH[b], testi[0]},
        {d.IngGolaI1, static_cast<double>(d.SommaIsoI1) + d.SommaIngI1, d.RochGolaI[b], testi[1]},
        {d.IngGolaL1, static_cast<double>(d.SommaIsoL1) + d.SommaIngL1, d.RochGolaL[b], testi[2]},
        {d.IngGolaH2, static_cast<double>(d.SommaIsoH2) + d.SommaIngH2, d.RochGolaH[b], testi[3]},
        {d.IngGolaI2, static_cast<double>(d.SommaIsoI2) + d.SommaIngI2, d.RochGolaI[b], testi[4]},
        {d.IngGolaL2, static_cast<double>(d.SommaIsoL2) + d.SommaIngL2, d.RochGolaL[b], testi[5]},
    };
    // All six values first, then the warnings, in the same order.
    for (const Gola& g : gole) g.ingGola = Sng(ki * g.somma);
    // An empty groove is never too full, whatever space the bobbin row gives it.
    for (const Gola& g : gole)
        if (g.somma != 0.0 && g.ingGola >= g.spazio)
            msg.MsgBox(g.testo, mb::OkOnly + mb::Exclamation, titolo);
}
