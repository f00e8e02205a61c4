#include "files/VerificaProgetto.h"

#include <array>
#include <cmath>

#include "engine/InputAlim.h"
#include "files/GriglieLibrerie.h"
#include "files/LimitiCampi.h"
#include "platform/core/Numeri.h"

namespace progetto {

namespace {

std::string Fuori(const std::string& cosa, const std::string& dove, float v) {
    return cosa + " (" + (dove.empty() ? "" : dove + ": ") + num::SngToText(v) + ")";
}

std::string Numero(int i) { return std::to_string(i + 1); }

// Column j of the wire table belongs to primary j or to secondary j - 12.
std::string Avvolgimento(int j) {
    return j < 12 ? "Primario " + Numero(j) : "Secondario " + Numero(j - 12);
}

// Positive and small enough that the calculation can divide and multiply by it.
bool Utilizzabile(float v) { return std::isnormal(v) && v > 0.0f && v <= 1e7f; }

// What every design window takes from its dialogs: insulation, laminations,
// wires.
std::string VerificaComponenti(const ModuleDIC& d) {
    const std::array<float, 6> spessori = {d.RochIsoAvvH, d.RochIsoAvvI, d.RochIsoAvvL,
                                           d.RochIsoStrH, d.RochIsoStrI, d.RochIsoStrL};
    for (float v : spessori)
        if (!LIMITE_ISOLAMENTO.Accetta(v)) return Fuori("Spessore Isolamento Fuori Limiti", "", v);
    if (!LIMITE_KI.Accetta(d.RochIngKi)) return Fuori("Valore del Coefficiente 'Ki' Fuori Limiti", "", d.RochIngKi);

    static constexpr const char* kMisure = "ABCDEFG";
    for (int i = 0; i < LAM_RIGHE; ++i) {
        const std::array<float, 7> m = {d.LamA[i], d.LamB[i], d.LamC[i], d.LamD[i],
                                        d.LamE[i], d.LamF[i], d.LamG[i]};
        const std::string lam = "Lamierino " + (d.LamNome[i].empty() ? Numero(i) : d.LamNome[i]);
        for (int c = 0; c < 7; ++c)
            if (!MisuraLamAccettabile(m[static_cast<size_t>(c)], c))
                return Fuori(std::string("Misura '") + kMisure[c] + "' Fuori Limiti", lam, m[static_cast<size_t>(c)]);
        if (!MisuraLamAccettabile(d.LamPeso[i], CELLA_PESO))
            return Fuori("Peso Lamierino Fuori Limiti", lam, d.LamPeso[i]);
        if (!LIMITE_AREA_LAM.Accetta(d.LamAxB[i])) return Fuori("Area Lamierino Fuori Limiti", lam, d.LamAxB[i]);
    }

    for (int j = 0; j < FILO_COLONNE; ++j) {
        for (int r = 0; r < FILO_RIGHE - 3 && d.FiloNudo[r][j] != 0.0f; ++r) {
            if (!FiloAccettabile(d.FiloNudo[r][j], d.FiloIsolato[r][j],
                                 {d.SezioneFilo[r][j], d.SpireCM[r][j], d.CoefKfFilo[r][j],
                                  d.ResistenzaFilo[r][j], d.PesoFilo[r][j]}))
                return Fuori("Filo Rame Fuori Limiti",
                             "filo " + Numero(r) + " della libreria del " + Avvolgimento(j), d.FiloNudo[r][j]);
        }
        // The custom wire and its coefficients: unset (0) or usable.
        const int r = FILO_RIGHE - 3;
        const std::array<float, 10> propri = {d.FiloNudo[r][j],       d.FiloIsolato[r][j], d.SezioneFilo[r][j],
                                              d.SpireCM[r][j],        d.CoefKfFilo[r][j],  d.ResistenzaFilo[r][j],
                                              d.PesoFilo[r][j],       d.KfRame[r][j],      d.OhmRame[r][j],
                                              d.PesSpeRame[r][j]};
        for (float v : propri)
            if (v != 0.0f && !Utilizzabile(v))
                return Fuori("Filo Rame Fuori Limiti", "filo personalizzato del " + Avvolgimento(j), v);
    }
    return {};
}

// The single-phase window: its text fields and lists, the windings it shows.
std::string VerificaAlim(const ModuleDIC& d) {
    using namespace campialim;
    if (!LamCdP.Accetta(d.LamCdP)) return Fuori(LamCdP.messaggio, "", d.LamCdP);
    // A secondary's current and power are also written from each other, within
    // what the other field and the voltage allow, and round to 0 when tiny.
    const Limite corrente{0.0f, SecPot.massimo / SecVolt.minimo};
    const Limite potenza{0.0f, SecAmp.massimo * SecVolt.massimo};
    for (int i = 0; i < inputalim::NUM_AVV; ++i) {
        if (!PriVolt.Accetta(d.PriVolt[i])) return Fuori(PriVolt.messaggio, "Primario " + Numero(i), d.PriVolt[i]);
        const std::string sec = "Secondario " + Numero(i);
        if (!SecVolt.Accetta(d.SecVolt[i])) return Fuori(SecVolt.messaggio, sec, d.SecVolt[i]);
        if (!corrente.Accetta(d.SecAmp[i])) return Fuori(SecAmp.messaggio, sec, d.SecAmp[i]);
        if (!potenza.Accetta(d.SecPot[i])) return Fuori(SecPot.messaggio, sec, d.SecPot[i]);
    }
    if (!Frequenza.Estremi().Accetta(d.Frequenza)) return Fuori("Frequenza Fuori Limiti", "", d.Frequenza);
    if (!Induzione.Estremi().Accetta(d.Induzione)) return Fuori("Induzione Fuori Limiti", "", d.Induzione);
    if (!Densita.Estremi().Accetta(d.Densita)) return Fuori("Densità di Corrente Fuori Limiti", "", d.Densita);
    return VerificaComponenti(d);
}

}  // namespace

std::string ValoreFuoriLimiti(const ModuleDIC& d) {
    switch (d.TipoCalcolo) {
        case 1: return VerificaAlim(d);
        default: return {};
    }
}

}  // namespace progetto
