// Lamination shape, its suitability for the kind of transformer, and the
// sizing of the lamination stack from the power.
#include <cmath>

#include "engine/ModRoutine.h"
#include "platform/core/Numeri.h"

namespace {

constexpr int RIGA_CALCOLATA = 18;   // the computed (or out-of-format) lamination
constexpr int ULTIMA_LIBRERIA = 17;  // last row a library can fill

constexpr int STILE_AVVISO = mb::OkOnly + mb::Exclamation;

}  // namespace

void IndividuaTipoLamierino(ModuleDIC& d, IMessaggi& msg) {
    // A library's rows run from row 0 up to the first without a centre leg:
    // an empty row 0 is a library with no lamination. The row chosen before
    // says nothing here, as it may name a row another library filled.
    if (d.LamC[0] == 0.0f) {
        msg.MsgBox("Dati Lamierino non Presenti", STILE_AVVISO, "Individua Tipo Lamierino");
        return;
    }

    // The shape of a library is read from its first lamination. Every sum is
    // rounded to a Single before the exact comparison with the stored measure,
    // so a library whose measures miss by any amount fits no shape.
    const double c = d.LamC[0], dd = d.LamD[0], f = d.LamF[0];
    const float A = d.LamA[0], B = d.LamB[0], C = d.LamC[0], D = d.LamD[0];
    const float treGambe = num::Sng(c + dd + dd + f + f);  // C + 2D + 2F
    const float dueGambe = num::Sng(c + dd + f);           // C + D + F

    if (num::Sng(2 * dd) == C && treGambe == B) {
        d.TipoLam = (A <= B) ? 1 : 2;
        d.LamMantello = VERO;
        d.Lam2Colonne = FALSO;
        d.Lam3Colonne = FALSO;
    }
    if (C == D && dueGambe == B) {
        d.TipoLam = 4;
        d.LamMantello = FALSO;
        d.Lam2Colonne = VERO;
        d.Lam3Colonne = FALSO;
    }
    if (C == D && treGambe == B) {
        if (A < B)
            d.TipoLam = 3;
        else if (A == B)
            d.TipoLam = 5;
        else
            d.TipoLam = 6;
        d.LamMantello = FALSO;
        d.Lam2Colonne = FALSO;
        d.Lam3Colonne = VERO;
    }
}

bool LamierinoIdoneo(const ModuleDIC& d) {
    switch (d.TipoCalcolo) {
    case tipo::Monofase:
    case tipo::AutoMonofase: return Vero(d.LamMantello) || Vero(d.Lam2Colonne);
    case tipo::Trifase:
    case tipo::AutoTrifase: return Vero(d.Lam3Colonne);
    default: return false;
    }
}

void VerificaParametriLamierino(ModuleDIC& d, IMessaggi& msg, ICoefKLista* lista) {
    const char* titolo = "Verifica Parametri Lamierino";
    const bool idoneo = LamierinoIdoneo(d);
    switch (d.TipoCalcolo) {
    case tipo::Monofase:
        if (idoneo)
            CaricaCoefKAlim(d, lista);
        else
            msg.MsgBox("Lamierino NON Idoneo per Trasformatore Monofase", STILE_AVVISO, titolo);
        break;
    case tipo::AutoMonofase:
        if (idoneo)
            CaricaCoefKAutoTrasf(d, lista);
        else
            msg.MsgBox("Lamierino NON Idoneo per AutoTrasformatore Monofase", STILE_AVVISO,
                       titolo);
        break;
    case tipo::Trifase:
        if (idoneo)
            CaricaCoefKTrif(d, lista);
        else
            msg.MsgBox("Lamierino NON Idoneo per Trasformatore Trifase", STILE_AVVISO, titolo);
        break;
    case tipo::AutoTrifase:
        if (idoneo)
            CaricaCoefKAutoTrif(d, lista);
        else
            msg.MsgBox("Lamierino NON Idoneo per AutoTrasformatore Trifase", STILE_AVVISO, titolo);
        break;
    default:
        // The output transformer has no coefficient list.
        break;
    }
}

void IntervalloPotenza(ModuleDIC& d) {
    // With no list ever filled a limit is 0 and the range stays as it was.
    const int genere = d.TipoCalcolo;
    if (genere < tipo::Monofase || genere > tipo::AutoTrifase || !num::Positivo(d.CoefKMin) ||
        !num::Positivo(d.CoefKMax))
        return;
    const double se2 = static_cast<double>(d.LamSE) * d.LamSE;
    const double fasi = (genere == tipo::Trifase || genere == tipo::AutoTrifase) ? 3 : 1;
    const double kMax = d.CoefKMax, kMin = d.CoefKMin;
    d.PotMin = num::Sng(se2 * fasi / (kMax * kMax));
    d.PotMax = num::Sng(se2 * fasi / (kMin * kMin));
}

void CalcolaPerditaFerro(ModuleDIC& d) {
    const double b = d.Induzione;
    d.LamPF = num::Sng(b * b * d.LamCdP * d.LamPesoPacco);
}

void CalcolaCoefKLamierino(ModuleDIC& d, float potenza, int fasi) {
    // With no power at all the coefficient has no meaning: keep the one read.
    if (num::Positivo(potenza)) {
        const double se = d.LamSE;
        d.CoefK = num::Sng(std::sqrt(fasi * se * se / potenza));
    }
    CalcolaPerditaFerro(d);
}

void AreeLamierino(ModuleDIC& d, int r) {
    const double finestra = static_cast<double>(d.LamF[r]) * d.LamE[r];
    d.LamNetta[r] = num::Sng(d.LamAxB[r] - 2 * (finestra / 100));
    d.LamFinestra[r] = num::Sng(finestra);
}

void CalcolaPaccoLamellare(ModuleDIC& d) {
    const int genere = d.TipoCalcolo;
    if (genere < tipo::Monofase || genere > tipo::Uscita) return;

    // 1. Lamination area the power requires, cm². The kinds that divide by
    // frequency and flux density need both.
    const bool perFb = genere == tipo::Monofase || genere == tipo::AutoMonofase || genere == tipo::Uscita;
    if (perFb && (!num::Positivo(d.Frequenza) || !num::Positivo(d.Induzione))) return;
    const double fb = static_cast<double>(d.Frequenza) * d.Induzione;
    double area = 0;
    switch (genere) {
    case tipo::Monofase: area = 80 * std::sqrt(d.SecPotTot / fb); break;
    case tipo::AutoMonofase: area = 80 * std::sqrt(d.PotPass / fb); break;
    case tipo::Trifase: area = 20 * std::sqrt(static_cast<double>(d.SecPotTot)); break;
    case tipo::AutoTrifase: area = 20 * std::sqrt(static_cast<double>(d.PotPass)); break;
    default: area = 100 * std::sqrt(d.PriPotTot / fb); break;
    }
    // A zero frequency or flux density, or a negative power, gives no area at
    // all: keep the stack that was there rather than fill it with nonsense.
    if (!std::isfinite(area)) return;
    d.AreaNecessaria = num::Sng(area);
    const float richiesta = d.AreaNecessaria;

    // 2. The largest library lamination not above the required area; the last
    // row still serves an area up to 10 % above its own.
    int riga = RIGA_CALCOLATA;
    for (int i = 0; i <= ULTIMA_LIBRERIA; ++i) {
        if (!(d.LamAxB[i] <= richiesta)) continue;
        const bool presa = (i < ULTIMA_LIBRERIA)
                               ? richiesta < d.LamAxB[i + 1]
                               : num::Sng(1.1 * d.LamAxB[ULTIMA_LIBRERIA]) > richiesta;
        if (presa) {
            riga = i;
            break;
        }
    }

    // 3. No library lamination fits: compute one in whole millimetres of C.
    // C is kept at 1 mm at least, so the stack thickness below is always defined.
    if (riga == RIGA_CALCOLATA) {
        const int r = RIGA_CALCOLATA;
        const bool treColonne = (genere == tipo::Trifase || genere == tipo::AutoTrifase);
        double c = treColonne ? num::Int(std::sqrt(richiesta / 4.5 / 5) * 10)
                              : num::Int(std::sqrt(richiesta / 7.5) * 10);
        if (c < 1) c = 1;
        d.LamAxB[r] = richiesta;
        d.LamC[r] = num::Sng(c);
        if (treColonne) {
            d.LamA[r] = num::Sng(4.5 * c);
            d.LamB[r] = num::Sng(5 * c);
            d.LamD[r] = num::Sng(c);
            d.LamE[r] = num::Sng(2.5 * c);
            d.LamF[r] = num::Sng(c);
            d.LamG[r] = num::Sng(c);
        } else {
            d.LamA[r] = num::Sng(2.5 * c);
            d.LamB[r] = num::Sng(3 * c);
            d.LamD[r] = num::Sng(0.5 * c);
            d.LamE[r] = num::Sng(1.5 * c);
            d.LamF[r] = num::Sng(0.5 * c);
            d.LamG[r] = num::Sng(0.5 * c);
        }
        d.LamNome[r] = "Calcolato";
        AreeLamierino(d, r);
        // Kept at 1 mm of C for a vanishingly small area, the lamination's two
        // windows can be larger than the area itself: it has no iron to speak
        // of, and weighs nothing rather than less than nothing.
        if (d.LamNetta[r] < 0.0f) d.LamNetta[r] = 0.0f;
        d.LamPeso[r] = num::Sng(d.LamNetta[r] * 8.5 * (1 / 1.11) * 1e-3);
    } else {
        AreeLamierino(d, riga);
    }

    // 4. Iron section of the centre leg, cm².
    const double k = d.CoefK;
    switch (genere) {
    case tipo::Monofase: d.LamSE = num::Sng(k * std::sqrt(static_cast<double>(d.SecPotTot))); break;
    case tipo::AutoMonofase: d.LamSE = num::Sng(k * std::sqrt(static_cast<double>(d.PotPass))); break;
    case tipo::Trifase: d.LamSE = num::Sng(k * std::sqrt(d.SecPotTot / 3.0)); break;
    case tipo::AutoTrifase: d.LamSE = num::Sng(k * std::sqrt(d.PotPass / 3.0)); break;
    default: {
        const double c = d.LamC[riga];
        d.LamSE = num::Sng(c * c / 1.11 / 100);
        break;
    }
    }

    // 5.-8. Stack thickness, stack weight and iron loss (the window was
    // taken with the net area). A library row without a centre leg has no stack.
    const double c = d.LamC[riga];
    d.LamSP = num::Positivo(d.LamC[riga]) ? num::Sng(d.LamSE * 1.11 * 100 / c) : 0.0f;
    d.LamPesoPacco = num::Sng(static_cast<double>(d.LamSP) * d.LamPeso[riga] / 10);
    CalcolaPerditaFerro(d);

    // 9.
    IntervalloPotenza(d);

    // 10.
    d.LamScelto = static_cast<int16_t>(riga);
}
