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
#include "engine/SceltaFilo.h"
#include "platform/core/Numeri.h"

namespace {

using num::Sng;

// Windings are counted by the index of the last one (a Single), and every
// loop visits 0 up to it. It never goes past slot 11: primary i takes wire
// column i and secondary i column COLONNA_SEC + i, so a thirteenth primary
// would take the first secondary's column.
constexpr int NUM_SLOT = COLONNA_SEC;

// Bobbin row in use: the user's row 1, or else the computed row 0. Rows 2..5
// hold no bobbin, so any other value (an old project, say) means row 0.
int RigaRocchetto(int16_t scelto) { return scelto == 1 ? 1 : 0; }

// A series partner (1-based) counts only when it names a later winding in
// use on the same side; anything else is ignored.
bool PartnerValido(int k, int16_t partner, int ult) { return partner >= k + 2 && partner <= ult + 1; }

}  // namespace

float ArrotondaSpire(float x) {
    const double intero = std::floor(static_cast<double>(x));
    const float frazione = Sng(static_cast<double>(x) - intero);
    return Sng(frazione > 0.4f ? intero + 1.0 : intero);
}

float SpirePerTensione(float volt, float femi) {
    if (!num::Positivo(femi)) return 0.0f;
    return ArrotondaSpire(Sng(static_cast<double>(volt) / femi));
}

void CalcolaFEMI(ModuleDIC& d) {
    d.FEMI = Sng(static_cast<double>(d.Frequenza) * 4.44 * d.LamSE * d.Induzione * 0.0001);
}

float TensioneVuoto(const ModuleDIC& d, float volt) {
    return Sng((static_cast<double>(d.CadutaVolt) / 100.0 + 1.0) * volt);
}

float DiametroRichiesto(float corrente, float densita) {
    if (!num::Positivo(densita)) return 0.0f;
    const double q = static_cast<double>(corrente) / (static_cast<double>(densita) * 3.14159);
    if (!(q > 0.0) || !std::isfinite(q)) return 0.0f;
    return Sng(2.0 * std::sqrt(q));
}

RameAvvolgimento CalcolaRame(const ModuleDIC& d, int roch, int riga, int colonna, double spire, float corrente) {
    const auto b = static_cast<size_t>(roch);
    const auto r = static_cast<size_t>(riga);
    const auto c = static_cast<size_t>(colonna);
    const double perimetro = 2.0 * (static_cast<double>(d.RochSp[b]) + d.RochM[b]) +
                             2.0 * (static_cast<double>(d.RochM[b]) + d.RochC[b]);
    RameAvvolgimento x;
    x.lung = Sng(perimetro * spire / 1000.0);
    x.peso = Sng(static_cast<double>(d.PesoFilo[r][c]) * x.lung);
    // The density follows the current the wire carries.
    const float sezione = d.SezioneFilo[r][c];
    x.dens = num::Positivo(sezione) ? Sng(static_cast<double>(corrente) / sezione) : 0.0f;
    x.perdita = static_cast<double>(x.dens) * x.dens * 2.4 * x.peso * 0.001;
    return x;
}

namespace {

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
    if (!num::Positivo(d.KfRame[38][c])) d.KfRame[38][c] = 1.05f;
    CalcolaFilo(d, 38, c, d.KfRame[38][c], 0.0176, 8.9);
    return 38;
}

// The build of winding i of one side: length, weight, density, loss, copper
// build, turns per layer, layers and insulation in its groove.
void CalcolaUnAvvolgimento(ModuleDIC& d, Lato& l, int i) {
    const int b = RigaRocchetto(d.RochScelto);
    const int r = RigaFiloTab(l.FiloRiga[i]);
    const int c = l.Colonna + i;
    const double n = l.Spire[i];

    const RameAvvolgimento rame = CalcolaRame(d, b, r, c, n, l.AmpFilo[i]);
    l.Lung[i] = rame.lung;
    l.Peso[i] = rame.peso;
    l.Dens[i] = rame.dens;
    l.PotPer[i] = Sng(rame.perdita);
    const double isolato = d.FiloIsolato[r][c];
    l.Ing[i] = Sng(isolato * isolato * n * d.CoefKfFilo[r][c]);
    l.Res[i] = Sng(static_cast<double>(d.ResistenzaFilo[r][c]) * rame.lung);

    auto gola = [&](float altezza, float isoStr, float isoAvv) {
        const double x = altezza;
        float& spSt = l.SpSt[i];
        spSt = Sng(x / 10.0 * d.SpireCM[r][c]);
        // No groove height or no turns per cm: no layers, and nothing divides.
        l.Strati[i] = num::Positivo(spSt) ? Sng(n / spSt) : 0.0f;
        if (!num::Positivo(spSt)) spSt = 0.0f;
        l.Iso[i] = Sng(std::floor(static_cast<double>(l.Strati[i])) * isoStr * x + static_cast<double>(isoAvv) * x);
    };
    // Six places, in this order; with consistent flags exactly one applies.
    const bool roch1 = Vero(l.Roch1[i]), roch2 = Vero(l.Roch2[i]);
    const bool golaH = Vero(l.GolaH[i]), golaI = Vero(l.GolaI[i]), golaL = Vero(l.GolaL[i]);
    if (roch1 && golaH) gola(d.RochH[b], d.RochIsoStrH, d.RochIsoAvvH);
    if (roch1 && golaI) gola(d.RochI[b], d.RochIsoStrI, d.RochIsoAvvI);
    if (roch1 && golaL) gola(d.RochL[b], d.RochIsoStrL, d.RochIsoAvvL);
    if (roch2 && golaH) gola(d.RochH[b], d.RochIsoStrH, d.RochIsoAvvH);
    if (roch2 && golaI) gola(d.RochI[b], d.RochIsoStrI, d.RochIsoAvvI);
    if (roch2 && golaL) gola(d.RochL[b], d.RochIsoStrL, d.RochIsoAvvL);
}

// Running sum stored as a Single after every addition.
inline void Aggiungi(float& somma, double valore) { somma = Sng(static_cast<double>(somma) + valore); }

struct Somme {
    float *ingH, *isoH, *ingI, *isoI, *ingL, *isoL;
};

// Adds the build and insulation of every winding of one side on one bobbin
// (its flags `roch`) to that bobbin's groove sums.
void SommaLato(const LatoC& l, const AvvFlag& roch, bool trifase, Somme s) {
    const int ult = l.Ultimo(NUM_SLOT);
    for (int i = 0; i <= ult; ++i) {
        if (!Vero(roch[i])) continue;
        // A zig-zag secondary of the three-phase kinds is wound twice.
        const double k = (trifase && !l.Primario && l.Trif[i] == "z") ? 2.0 : 1.0;
        if (Vero(l.GolaH[i])) {
            Aggiungi(*s.ingH, k * l.Ing[i]);
            Aggiungi(*s.isoH, k * l.Iso[i]);
        }
        if (Vero(l.GolaI[i])) {
            Aggiungi(*s.ingI, k * l.Ing[i]);
            Aggiungi(*s.isoI, k * l.Iso[i]);
        }
        if (Vero(l.GolaL[i])) {
            Aggiungi(*s.ingL, k * l.Ing[i]);
            Aggiungi(*s.isoL, k * l.Iso[i]);
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
    for (const LatoC& l : {LatoC(Primari(d)), LatoC(Secondari(d))}) {
        SommaLato(l, l.Roch1, trifase, roch1);
        SommaLato(l, l.Roch2, trifase, roch2);
    }
}

}  // namespace

void CalcolaSpire(ModuleDIC& d) {
    // Without an iron section there is no e.m.f. per turn: no turns either.
    CalcolaFEMI(d);
    for (Lato l : {Primari(d), Secondari(d)}) {
        const int ult = l.Ultimo(NUM_SLOT);
        // A secondary's turns give its no-load voltage.
        for (int i = 0; i <= ult; ++i) {
            float volt = l.Volt[i];
            if (l.VoltVuoto) volt = (*l.VoltVuoto)[i] = TensioneVuoto(d, volt);
            l.Spire[i] = SpirePerTensione(volt, d.FEMI);
        }
        // A winding in series keeps only the turns its voltage needs beyond its partner's.
        for (int k = 0; k <= ult - 1; ++k)
            if (Vero(l.AvvSer[k]) && PartnerValido(k, l.AvvSerCon[k], ult))
                l.Spire[k] = Sng(static_cast<double>(l.Spire[k]) - l.Spire[l.AvvSerCon[k] - 1]);
    }
}

void CalcolaDiametroFilo(ModuleDIC& d) {
    const int pri = UltimoAvvolgimento(d.PriUlt, NUM_SLOT - 1);
    const int sec = UltimoAvvolgimento(d.SecUlt, NUM_SLOT - 1);

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
    if (d.TipoCalcolo == tipo::Uscita)
        for (int i = 0; i <= sec; ++i) d.SecAmp[i] = d.SecAmpFilo[i];
}

void ScegliFiloRame(ModuleDIC& d) {
    for (Lato l : {Primari(d), Secondari(d)}) {
        for (int i = 0, ult = l.Ultimo(NUM_SLOT); i <= ult; ++i) {
            const int c = l.Colonna + i;
            const int r = ScegliRiga(d, c, l.FiloNudo[i]);
            l.FiloRiga[i] = static_cast<float>(r);
            l.FiloNudo[i] = d.FiloNudo[r][c];
            l.FiloIsol[i] = d.FiloIsolato[r][c];
        }
    }
}

void CalcolaAvvolgimenti(ModuleDIC& d) {
    for (Lato l : {Primari(d), Secondari(d)})
        for (int i = 0, ult = l.Ultimo(NUM_SLOT); i <= ult; ++i) CalcolaUnAvvolgimento(d, l, i);
}

void CalcolaPerditeRame(ModuleDIC& d) {
    const int pri = UltimoAvvolgimento(d.PriUlt, NUM_SLOT - 1);
    const int sec = UltimoAvvolgimento(d.SecUlt, NUM_SLOT - 1);
    d.PotPerPri = 0;
    for (int i = 0; i <= pri; ++i) Aggiungi(d.PotPerPri, d.PriPotPer[i]);
    d.PotPerSec = 0;
    for (int i = 0; i <= sec; ++i) Aggiungi(d.PotPerSec, d.SecPotPer[i]);
    d.PotTotPers = Sng(static_cast<double>(d.PotPerSec) + d.PotPerPri);
}

void CalcolaPerditeRameTrif(ModuleDIC& d) {
    const int pri = UltimoAvvolgimento(d.PriUlt, NUM_SLOT - 1);
    const int sec = UltimoAvvolgimento(d.SecUlt, NUM_SLOT - 1);
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
