#include "engine/Mod_Usci.h"

#include <cmath>
#include <cstdint>

#include "engine/ModRoutine.h"
#include "engine/Mod_Alim.h"
#include "platform/core/Numeri.h"

using num::Sng;

namespace {

constexpr int NUM_SEZ = COLONNA_SEC;  // twelve sections a side at most reach the wire table

// Primary sections: the turns are made a multiple of k (push-pull,
// single-ended) and split into k equal sections; 0 splits them by the count.
struct ConfigPri {
    char lettera;
    int8_t kPush, kSingle;
};
constexpr ConfigPri TABELLA_PRI[] = {
    {'N', 0, 0}, {'A', 6, 3}, {'B', 4, 3}, {'C', 6, 3}, {'D', 6, 4},
    {'E', 4, 4}, {'F', 8, 8}, {'G', 8, 5}, {'H', 10, 5},
};

// One secondary section: `parti` shares of the turns of load slot 16 + slot
// (0: the configuration has no such section, which keeps its old values).
struct Sezione {
    int8_t slot, parti;
};
using Sezioni = std::array<Sezione, NUM_SEZ>;

constexpr Sezioni Tutte() {
    Sezioni s{};
    for (Sezione& x : s) x = {0, 1};
    return s;
}

constexpr int8_t OGNI_STADIO = -1, PUSH_PULL = 0, SINGLE_ENDED = 1;

// Secondary sections: the load turns are made a multiple of k (0: none) and
// divided into `quote` shares (0: as many as the sections); each section
// carries the load current divided by `divisore`.
struct ConfigSec {
    char lettera;
    int8_t stadio;
    int8_t k, quote, divisore;
    Sezioni sezioni;
};
constexpr ConfigSec TABELLA_SEC[] = {
    {'N', OGNI_STADIO, 0, 0, 1, Tutte()},
    // In series: the first impedance's section is what it needs beyond the second's.
    {'A', SINGLE_ENDED, 0, 1, 1, {{{0, 1}, {1, 1}, {2, 1}}}},
    {'A', PUSH_PULL, 0, 2, 1, {{{0, 1}, {0, 1}, {1, 1}, {1, 1}, {2, 1}, {2, 1}}}},
    {'B', OGNI_STADIO, 2, 2, 1, Tutte()},
    {'C', OGNI_STADIO, 4, 4, 1, Tutte()},
    {'D', OGNI_STADIO, 3, 3, 2, {{{0, 2}, {0, 2}, {0, 1}, {0, 1}}}},
    {'E', OGNI_STADIO, 4, 4, 3, {{{0, 1}, {0, 3}, {0, 3}, {0, 1}, {0, 3}, {0, 1}}}},
    {'F', OGNI_STADIO, 4, 4, 3, {{{0, 1}, {0, 3}, {0, 3}, {0, 1}, {0, 2}, {0, 1}, {0, 1}}}},
    {'G', OGNI_STADIO, 6, 6, 2, {{{0, 1}, {0, 2}, {0, 3}, {0, 3}, {0, 2}, {0, 1}}}},
    {'H', OGNI_STADIO, 4, 4, 3, {{{0, 1}, {0, 2}, {0, 1}, {0, 2}, {0, 2}, {0, 1}, {0, 2}, {0, 1}}}},
};

// The letter is compared exactly: one upper-case character.
const ConfigPri* TrovaPri(const std::string& tipo) {
    if (tipo.size() != 1) return nullptr;
    for (const ConfigPri& c : TABELLA_PRI)
        if (c.lettera == tipo[0]) return &c;
    return nullptr;
}

const ConfigSec* TrovaSec(const std::string& tipo, bool single) {
    if (tipo.size() != 1) return nullptr;
    const int8_t stadio = single ? SINGLE_ENDED : PUSH_PULL;
    for (const ConfigSec& c : TABELLA_SEC)
        if (c.lettera == tipo[0] && (c.stadio == OGNI_STADIO || c.stadio == stadio)) return &c;
    return nullptr;
}

// The multiple of k nearest to n, the larger one on a tie. Worked out on a
// whole 64-bit count, so that it also ends for counts no Single can step through.
float MultiploVicino(float n, int k) {
    const double x = std::nearbyint(static_cast<double>(n));
    if (k <= 0 || !std::isfinite(x) || std::fabs(x) > 1e18) return n;
    const auto v = static_cast<int64_t>(x);
    int64_t r = v % k;
    if (r < 0) r += k;
    if (r == 0) return n;
    return Sng(static_cast<double>(2 * r >= k ? v - r + k : v - r));
}

// One section of a side: its turns, then its voltage (a secondary's at no
// load and at full load), current, power and impedance V² / P, which is 0 for
// a section that carries no power.
void FissaSezione(Lato& l, int i, float spire, float amp, float femi, double caduta) {
    l.Spire[i] = spire;
    const float volt = Sng(static_cast<double>(femi) * spire);
    if (l.VoltVuoto) {
        (*l.VoltVuoto)[i] = volt;
        l.Volt[i] = Sng(volt / caduta);
    } else {
        l.Volt[i] = volt;
    }
    l.Amp[i] = amp;
    l.Pot[i] = Sng(static_cast<double>(amp) * l.Volt[i]);
    l.Imp[i] = num::Positivo(l.Pot[i]) ? Sng(static_cast<double>(l.Volt[i]) * l.Volt[i] / l.Pot[i]) : 0.0f;
}

void SezioniPrimario(ModuleDIC& d, const ConfigPri& c) {
    Lato l = Primari(d);
    const int pri = l.Ultimo(NUM_SEZ);
    const int k = Vero(d.OptSingle) ? c.kSingle : c.kPush;
    float& tutte = d.PriSpire[SLOT_USCI];
    if (k > 0) tutte = MultiploVicino(tutte, k);
    for (int i = 0; i <= pri; ++i) {
        const float spire = k > 0 ? Sng(static_cast<double>(tutte) / k)
                                  : ArrotondaSpire(Sng(static_cast<double>(tutte) / (pri + 1)));
        FissaSezione(l, i, spire, d.PriAmp[SLOT_USCI], d.FEMI, 1.0);
    }
}

void SezioniSecondario(ModuleDIC& d, const ConfigSec& c) {
    Lato l = Secondari(d);
    const int sec = l.Ultimo(NUM_SEZ);
    if (c.k > 0) d.SecSpire[SLOT_USCI] = MultiploVicino(d.SecSpire[SLOT_USCI], c.k);
    const double quote = c.quote > 0 ? c.quote : sec + 1;
    const double caduta = static_cast<double>(d.CadutaVolt) / 100.0 + 1.0;
    for (int i = 0; i <= sec; ++i) {
        const Sezione s = c.sezioni[static_cast<size_t>(i)];
        if (s.parti == 0) continue;
        const int carico = SLOT_USCI + s.slot;
        FissaSezione(l, i, Sng(static_cast<double>(d.SecSpire[carico]) / quote * s.parti),
                     Sng(static_cast<double>(d.SecAmp[carico]) / c.divisore), d.FEMI, caduta);
    }
}

}  // namespace

void ProgettoPredefinitoUsci(ModuleDIC& d) {
    ProgettoPredefinito(d);
    d.TipoCalcolo = tipo::Uscita;
    d.OptSingle = VERO;
    d.SecTipo.assign(1, 'N');
    const double amp = 0.04f, imp = 6250;
    d.PriImp[SLOT_USCI] = static_cast<float>(imp);
    d.PriAmp[SLOT_USCI] = static_cast<float>(amp);
    d.PriPot[SLOT_USCI] = Sng(amp * amp * imp);
    d.PriVolt[SLOT_USCI] = Sng(std::sqrt(static_cast<double>(d.PriPot[SLOT_USCI]) * imp));
    for (int i = SLOT_USCI; i <= SLOT_USCI + 2; ++i) {
        // The efficiency the power routine gives for 10 W, near enough for
        // the figures before the first calculation.
        d.SecImp[i] = static_cast<float>(8 - (i - SLOT_USCI));
        d.SecPot[i] = Sng(static_cast<double>(d.PriPot[SLOT_USCI]) * 0.7275);
        d.SecVolt[i] = Sng(std::sqrt(static_cast<double>(d.SecPot[i]) * d.SecImp[i]));
        d.SecAmp[i] = Sng(std::sqrt(static_cast<double>(d.SecPot[i]) / d.SecImp[i]));
    }
}

void LeggiDatiUsci(ModuleDIC& d, const DatiUsciTesti& t) {
    LeggiNumeroAvv(d.PriUlt, t.Cmb_PriNumAvv, DatiUsciTesti::MaxAvv);
    LeggiNumeroAvv(d.SecUlt, t.Cmb_SecNumAvv, DatiUsciTesti::MaxAvv);
    d.SecTipo = t.Cmb_SecTipo;
    Leggi(d.Frequenza, t.Cmb_Frequenza);
    Leggi(d.Induzione, t.Cmb_Induzione);
    Leggi(d.Densita, t.Cmb_Densita);
    Leggi(d.PriImp[SLOT_USCI], t.Txt_PriImp);
    Leggi(d.PriAmp[SLOT_USCI], t.Txt_PriAmp);
    for (int i = 0; i < 3; ++i) Leggi(d.SecImp[SLOT_USCI + i], t.Txt_SecImp[static_cast<size_t>(i)]);
}

void CalcolaPotenzeUsci(ModuleDIC& d) {
    const double amp = d.PriAmp[SLOT_USCI];
    d.PriPot[SLOT_USCI] = Sng(amp * amp * d.PriImp[SLOT_USCI]);
    d.PriVolt[SLOT_USCI] = Sng(std::sqrt(static_cast<double>(d.PriImp[SLOT_USCI]) * d.PriPot[SLOT_USCI]));
    d.PriPotTot = d.PriPot[SLOT_USCI];
    // The primary power is the input here: what the secondaries get is what
    // is left after the efficiency.
    d.Rendimento = CalcolaRendimento(d.PriPotTot);
    d.SecPotTot = Sng(static_cast<double>(d.Rendimento) * d.PriPotTot / 100.0);
    d.CadutaVolt = CalcolaCadutaVolt(d.PriPotTot);
    // Each load impedance receives the whole secondary power.
    for (int i = SLOT_USCI; i <= SLOT_USCI + 2; ++i) {
        d.SecPot[i] = d.SecPotTot;
        d.SecVolt[i] = Sng(std::sqrt(static_cast<double>(d.SecImp[i]) * d.SecPot[i]));
        d.SecAmp[i] = num::Positivo(d.SecImp[i]) ? Sng(std::sqrt(static_cast<double>(d.SecPot[i]) / d.SecImp[i])) : 0.0f;
    }
}

void CalcolaAvvolgimentiUsci(ModuleDIC& d) {
    CalcolaFEMI(d);
    d.PriSpire[SLOT_USCI] = SpirePerTensione(d.PriVolt[SLOT_USCI], d.FEMI);
    for (int i = SLOT_USCI; i <= SLOT_USCI + 2; ++i) {
        d.SecVoltVuoto[i] = TensioneVuoto(d, d.SecVolt[i]);
        d.SecSpire[i] = SpirePerTensione(d.SecVoltVuoto[i], d.FEMI);
    }

    // A letter outside the table leaves every section as it was.
    if (const ConfigPri* p = TrovaPri(d.SecTipo)) SezioniPrimario(d, *p);
    if (d.SecTipo == "A") {
        // A second impedance that needs more turns than the first leaves no
        // section for the first, never a negative one.
        const double resto = static_cast<double>(d.SecSpire[SLOT_USCI]) - d.SecSpire[SLOT_USCI + 1];
        d.SecSpire[SLOT_USCI] = resto > 0.0 ? Sng(resto) : 0.0f;
    }
    if (const ConfigSec* s = TrovaSec(d.SecTipo, Vero(d.OptSingle))) SezioniSecondario(d, *s);

    d.Induttanza = num::Positivo(d.Frequenza) ? Sng(static_cast<double>(d.PriImp[SLOT_USCI]) / 6.28 / d.Frequenza) : 0.0f;

    // Push-pull currents cancel in the core: no gap. Single-ended, a shell or
    // three-leg core has its gap in the centre leg only, half the two-leg gap;
    // a core of no known shape takes the two-leg value.
    if (!Vero(d.OptSingle) || !num::Positivo(d.Induzione)) {
        d.Traferro = 0;
        return;
    }
    const double traferro = std::pow(10.0, -3.0) * 1.256 * d.PriSpire[SLOT_USCI] * d.PriAmp[SLOT_USCI] / d.Induzione;
    const bool centrale = (Vero(d.LamMantello) || Vero(d.Lam3Colonne)) && !Vero(d.Lam2Colonne);
    d.Traferro = Sng(centrale ? traferro / 2.0 : traferro);
}

void CalcoloUsci(ModuleDIC& d, const DatiUsciTesti& t, IMessaggi& msg) {
    LeggiDatiUsci(d, t);
    CalcolaPotenzeUsci(d);
    // No sizing coefficient and no power range for this kind.
    if (Vero(d.ConoscoPotenza))
        CalcolaPaccoLamellare(d);
    else
        CalcolaPerditaFerro(d);
    ControllaMisureRocchetto(d, msg);
    CalcolaAvvolgimentiUsci(d);
    CalcolaDiametroFilo(d);
    ScegliFiloRame(d);
    RicalcoloAvvolgimentiAlim(d, msg);
}
