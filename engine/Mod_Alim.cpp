#include "engine/Mod_Alim.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "engine/ModRoutine.h"
#include "engine/Mod_Calcolo.h"
#include "platform/core/Numeri.h"

using num::Sng;

void Leggi(float& var, std::string_view testo) {
    if (const std::optional<float> v = num::TextToSng(testo)) var = *v;
}

void ProgettoMonofase(ModuleDIC& d, int16_t tipo, int numAvv, float priVolt, float secVolt) {
    d.TipoCalcolo = tipo;
    // A new design belongs to no file: a later save asks for a name.
    d.FileNome.clear();
    d.FileTitolo.clear();
    d.ConoscoPotenza = VERO;
    IsolantiPredefiniti(d);
    d.RochScelto = 0;
    d.RochDue = 0;
    d.RochGole1 = 0;
    d.RochGole2 = 0;
    d.LamCdP = 1.5f;

    d.PriUlt = 1;
    d.SecUlt = 1;
    for (Lato l : {Primari(d), Secondari(d)})
        for (int i = 0; i < numAvv; ++i) {
            l.Roch1[i] = VERO;
            l.Roch2[i] = FALSO;
            l.GolaH[i] = VERO;
            l.GolaI[i] = FALSO;
            l.GolaL[i] = FALSO;
        }
    for (int i = 0; i < numAvv; ++i) {
        d.PriVolt[i] = priVolt - static_cast<float>(i);
        d.SecVolt[i] = secVolt - static_cast<float>(i);
        d.SecPot[i] = static_cast<float>(300 - i);
        d.SecAmp[i] = Sng(static_cast<double>(d.SecPot[i]) / d.SecVolt[i]);
    }
}

void ProgettoPredefinito(ModuleDIC& d) {
    RocchettoPredefinito(d);
    ProgettoIsolato(d);
}

void ProgettoIsolato(ModuleDIC& d) {
    ProgettoMonofase(d, tipo::Monofase, DatiAlimTesti::MaxAvv, 220, 150);
    for (Lato l : {Primari(d), Secondari(d)})
        for (int i = 0; i < DatiAlimTesti::MaxAvv; ++i) {
            l.AvvIso[i] = VERO;
            l.AvvSer[i] = FALSO;
            l.AvvAda[i] = FALSO;
            if (l.AvvCar) (*l.AvvCar)[i] = FALSO;
            l.AvvSerCon[i] = 1;
        }
}

void LeggiNumeroAvv(float& ult, std::string_view testo, int numAvv) {
    const std::optional<float> v = num::TextToSng(testo);
    if (v && *v >= 1.0f && *v <= static_cast<float>(numAvv)) ult = Sng(static_cast<double>(*v) - 1.0);
}

void LeggiDatiAlim(ModuleDIC& d, const DatiAlimTesti& t, int numAvv) {
    numAvv = std::clamp(numAvv, 1, DatiAlimTesti::MaxAvv);
    LeggiNumeroAvv(d.PriUlt, t.Cmb_PriNumAvv, numAvv);
    LeggiNumeroAvv(d.SecUlt, t.Cmb_SecNumAvv, numAvv);
    Leggi(d.Frequenza, t.Cmb_Frequenza);
    Leggi(d.Induzione, t.Cmb_Induzione);
    Leggi(d.CoefK, t.Cmb_CoefK);
    Leggi(d.Densita, t.Cmb_Densita);
    const int pri = UltimoAvvolgimento(d.PriUlt, numAvv - 1);
    for (int i = 0; i <= pri; ++i) Leggi(d.PriVolt[i], t.Txt_PriVolt[i]);
    const int sec = UltimoAvvolgimento(d.SecUlt, numAvv - 1);
    for (int i = 0; i <= sec; ++i) {
        Leggi(d.SecVolt[i], t.Txt_SecVolt[i]);
        Leggi(d.SecAmp[i], t.Txt_SecAmp[i]);
        Leggi(d.SecPot[i], t.Txt_SecPot[i]);
    }
}

void CalcolaPotenzeAlim(ModuleDIC& d) { CalcolaPotenze(d, 1, DatiAlimTesti::MaxAvv); }

void CalcolaPotenze(ModuleDIC& d, int fasi, int numAvv) {
    const bool trifase = fasi == 3;
    const int pri = UltimoAvvolgimento(d.PriUlt, numAvv - 1);
    const int sec = UltimoAvvolgimento(d.SecUlt, numAvv - 1);

    d.SecPotTot = 0;
    for (int i = 0; i <= sec; ++i) {
        // A voltage adjustment tap's power is part of the winding it is in series with.
        if (Vero(d.SecAvvSer[i]) && Vero(d.SecAvvAda[i])) continue;
        // A three-phase winding counts its whole three-phase power; a zig-zag
        // one 2/√3 of it, for the two half-windings at 120° that carry it.
        double pot = d.SecPot[i];
        if (trifase) {
            pot = d.SecPotLin[i];
            if (d.SecTrif[i] == "z")
                pot *= 2.0 / std::sqrt(3.0);
            else if (d.SecTrif[i] == "b")
                pot *= 1.5;
        }
        d.SecPotTot = Sng(pot + d.SecPotTot);
        // Cut to 0.1 VA after every addition. The product is taken as a Single
        // first, so that 0,7 VA stays 0,7 and does not drop to 0,6.
        const float decimi = Sng(static_cast<double>(d.SecPotTot) * 10.0);
        d.SecPotTot = Sng(std::floor(static_cast<double>(decimi)) / 10.0);
    }

    const double s = d.SecPotTot;
    d.Rendimento = CalcolaRendimento(d.SecPotTot);
    d.PriPotTot = Sng(s / d.Rendimento * 100.0);
    d.CadutaVolt = CalcolaCadutaVolt(d.SecPotTot);

    for (int i = 0; i <= pri; ++i) {
        // Every primary (of each phase) is sized for its share of the primary
        // power at its own voltage.
        d.PriPot[i] = Sng(static_cast<double>(d.PriPotTot) / fasi);
        d.PriAmp[i] = num::Positivo(d.PriVolt[i]) ? Sng(static_cast<double>(d.PriPot[i]) / d.PriVolt[i]) : 0.0f;
    }
}

float CalcolaRendimento(float potenza) {
    const double p = potenza;
    return Sng(9.2 * std::log(std::pow(p + 1.0, 4.0)) / std::log(p + 1000.0) + 60.0);
}

float CalcolaCadutaVolt(float potenza) {
    // 2,718282 as the formula was always written, not the exact base.
    return Sng(40.0 / std::pow(std::log(static_cast<double>(potenza) / 2.0 + 2.718282), 1.35));
}

void CalcoloAlim(ModuleDIC& d, const DatiAlimTesti& t, IMessaggi& msg) {
    LeggiDatiAlim(d, t);
    CalcolaPotenzeAlim(d);
    CompletaCalcolo(d, PassiRete(false), msg);
}

void RicalcoloAvvolgimentiAlim(ModuleDIC& d, IMessaggi& msg) { RicalcoloAvvolgimenti(d, false, msg); }
