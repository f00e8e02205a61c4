#include "engine/Mod_AutoTrasf.h"

#include <algorithm>
#include <cmath>

#include "engine/ModRoutine.h"
#include "engine/Mod_Calcolo.h"
#include "platform/core/Numeri.h"

using num::Sng;

namespace {

// At most twelve windings a side reach the wire table.
constexpr int NUM_SLOT = COLONNA_SEC;

// The line current that the load of secondary i draws from the first primary;
// nothing when there is no primary voltage or no efficiency yet.
double CorrenteAssorbita(const ModuleDIC& d, int i) {
    if (!num::Positivo(d.PriVolt[0]) || !num::Positivo(d.Rendimento)) return 0.0;
    return static_cast<double>(d.SecPot[i]) / d.PriVolt[0] / d.Rendimento * 100.0;
}

}  // namespace

void ProgettoPredefinitoAuto(ModuleDIC& d) {
    ProgettoMonofase(d, tipo::AutoMonofase, AUTO_NUM_AVV, 160, 120);
    PreseInSerie(d, AUTO_NUM_AVV, false);
}

void PreseInSerie(ModuleDIC& d, int numAvv, bool regolazionePri) {
    for (Lato l : {Primari(d), Secondari(d)})
        for (int i = 0; i < numAvv; ++i) {
            l.AvvIso[i] = FALSO;
            l.AvvSer[i] = VERO;
            l.AvvAda[i] = Flag(l.Primario && regolazionePri);
            if (l.AvvCar) (*l.AvvCar)[i] = VERO;
            l.AvvSerCon[i] = static_cast<int16_t>(i + 2);
        }
}

void LeggiDatiAutoTrasf(ModuleDIC& d, const DatiAlimTesti& t) { LeggiDatiAlim(d, t, AUTO_NUM_AVV); }

void CalcolaPotenzeAutoTrasf(ModuleDIC& d) {
    // Total secondary power, efficiency, drop, primary power and currents are
    // those of the single-phase transformer; none of them depends on what follows.
    CalcolaPotenzeAlim(d);
    CalcolaTensioniVuoto(d, UltimoAvvolgimento(d.SecUlt, NUM_SLOT - 1));
    CalcolaCoefAuto(d);
}

void CalcolaTensioniVuoto(ModuleDIC& d, int ultimo) {
    for (int i = 0; i <= ultimo; ++i)
        d.SecVoltVuoto[i] = TensioneVuoto(d, d.SecVolt[i]);
}

void CalcolaCoefAuto(ModuleDIC& d) {
    const int pri = std::max(0, UltimoAvvolgimento(d.PriUlt, NUM_SLOT - 1));
    const int sec = std::max(0, UltimoAvvolgimento(d.SecUlt, NUM_SLOT - 1));
    // Step-up (or equal) when the first primary is not above the first
    // secondary's no-load voltage; the quotient takes the full-load voltage.
    const bool elevatore = d.PriVolt[0] <= d.SecVoltVuoto[0];
    const double alta = elevatore ? d.SecVolt[0] : d.PriVolt[0];
    const double bassa = elevatore ? d.PriVolt[pri] : d.SecVolt[sec];
    // No voltage at all transforms nothing: the coefficient's floor below.
    d.CoefAuto = alta != 0.0 ? Sng((alta - bassa) / alta) : 0.0f;
    d.CoefAuto = Sng(std::sqrt(static_cast<double>(d.CoefAuto) * d.CoefAuto));
    if (d.CoefAuto == 0.0f) d.CoefAuto = 0.003f;
    d.PotPass = Sng(static_cast<double>(d.CoefAuto) * d.SecPotTot);
}

void CalcolaCorrentiAuto(ModuleDIC& d) {
    const int pri = UltimoAvvolgimento(d.PriUlt, NUM_SLOT - 1);
    const int sec = UltimoAvvolgimento(d.SecUlt, NUM_SLOT - 1);
    d.CorrenteSez = 0;
    if (pri < 0 || sec < 0) return;

    // The common section is the last winding of the lower-voltage side; it
    // carries the difference between the load current and the line current.
    const bool riduttore = d.PriVolt[pri] > d.SecVoltVuoto[sec];
    for (int i = 0; i <= sec; ++i) {
        if (!Vero(d.SecAvvCar[i]) || !Vero(d.SecAvvSer[i])) continue;
        const double linea = CorrenteAssorbita(d, i);
        d.CorrenteSez = riduttore ? Sng(d.SecAmp[i] - linea + d.CorrenteSez)
                                  : Sng(linea - d.SecAmp[i] + d.CorrenteSez);
    }
    if (d.CorrenteSez < 0.01f) d.CorrenteSez = 0.01f;

    // Its wire is sized for that current, whatever the diameter step gave it.
    Lato comune = riduttore ? Secondari(d) : Primari(d);
    const int ultimo = riduttore ? sec : pri;
    comune.FiloNudo[ultimo] = DiametroRichiesto(d.CorrenteSez, d.Densita);
    comune.AmpFilo[ultimo] = d.CorrenteSez;
}

void CalcolaSpireAuto(ModuleDIC& d) {
    CalcolaFEMI(d);
    Lato lati[2] = {Primari(d), Secondari(d)};
    // A tap's voltage: a primary's own, a secondary's at no load.
    auto tensioni = [](const Lato& l) -> const AvvArr& { return l.VoltVuoto ? *l.VoltVuoto : l.Volt; };

    // Full turns of every tap into the work lists, primaries first; the two
    // sides share the lists' 26 entries.
    int ultimi[2];
    int n = -1;  // last entry in use
    for (int k = 0; k < 2; ++k) {
        Lato& l = lati[k];
        const AvvArr& v = tensioni(l);
        ultimi[k] = std::min(l.Ultimo(NUM_SLOT), AUTO_MAX - 2 - n);
        for (int i = 0; i <= ultimi[k]; ++i) {
            l.Spire[i] = SpirePerTensione(v[i], d.FEMI);
            ++n;
            d.AutoVolt[n] = v[i];
            d.AutoSpire[n] = l.Spire[i];
        }
    }

    // Taps by decreasing turns; equal turns keep their order (primaries
    // first). Every tap is placed once, those of 0 turns last.
    bool posto[AUTO_MAX] = {};
    for (int p = 0; p <= n; ++p) {
        int scelto = -1;
        for (int j = 0; j <= n; ++j)
            if (!posto[j] && (scelto < 0 || d.AutoSpire[j] > d.AutoSpire[scelto])) scelto = j;
        posto[scelto] = true;
        d.AutoSpireOrd[p] = d.AutoSpire[scelto];
        d.AutoVoltOrd[p] = d.AutoVolt[scelto];
        d.AutoSpire[scelto] = 0;
    }

    // Each entry keeps the turns between its tap and the next lower one; the
    // lowest tap keeps its full turns (the common section).
    for (int p = 1; p <= n; ++p)
        d.AutoSpireOrd[p - 1] = Sng(static_cast<double>(d.AutoSpireOrd[p - 1]) - d.AutoSpireOrd[p]);

    // Each winding takes the section of its voltage; a later match wins.
    for (int k = 0; k < 2; ++k) {
        Lato& l = lati[k];
        const AvvArr& v = tensioni(l);
        for (int i = 0; i <= ultimi[k]; ++i)
            for (int q = 0; q <= n; ++q)
                if (d.AutoVoltOrd[q] == v[i]) l.Spire[i] = d.AutoSpireOrd[q];
    }
}

PassiGenere PassiAuto(bool trifase) {
    return {.trifase = trifase,
            .potenzaNucleo = &ModuleDIC::PotPass,
            .spire = CalcolaSpireAuto,
            .dopoDiametri = CalcolaCorrentiAuto};
}

void CalcoloAutoTrasf(ModuleDIC& d, const DatiAlimTesti& t, IMessaggi& msg) {
    LeggiDatiAutoTrasf(d, t);
    CalcolaPotenzeAutoTrasf(d);
    CompletaCalcolo(d, PassiAuto(false), msg);
}
