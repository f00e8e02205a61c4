#include "files/VerificaProgetto.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/InputAlim.h"
#include "engine/ModRoutine.h"
#include "engine/Mod_AutoTrasf.h"
#include "engine/Mod_Trif.h"
#include "engine/Mod_Usci.h"
#include "engine/SceltaLamierino.h"
#include "engine/SceltaRocchetto.h"
#include "files/GriglieLibrerie.h"
#include "files/LimitiCampi.h"
#include "platform/core/Numeri.h"

namespace progetto {

namespace {

std::string Fuori(const std::string& cosa, const std::string& dove, const std::string& valore) {
    return cosa + " (" + (dove.empty() ? "" : dove + ": ") + valore + ")";
}
std::string Fuori(const std::string& cosa, const std::string& dove, float v) {
    return Fuori(cosa, dove, num::SngToText(v));
}

std::string Numero(int i) { return std::to_string(i + 1); }

// Column j of the wire table belongs to primary j or to secondary j - 12.
std::string Avvolgimento(int j) {
    return j < 12 ? "Primario " + Numero(j) : "Secondario " + Numero(j - 12);
}

// Positive and small enough that the calculation can divide and multiply by it.
bool Utilizzabile(float v, float massimo = 1e7f) { return std::isnormal(v) && v > 0.0f && v <= massimo; }
bool NienteOUtilizzabile(float v, float massimo = 1e7f) { return v == 0.0f || Utilizzabile(v, massimo); }
// A section or a count of turns per cm, which the build divides by: no
// smaller than any wire's.
bool NienteODivisore(float v) { return v == 0.0f || LIMITE_DERIVATO_FILO.Accetta(v); }

// Every row of every column: the wire choice walks all library rows, past a
// zero diameter too, and a winding's stored row may name any row of the
// table. A row with a diameter is a wire as the editor computes it; a row
// without one holds nothing a library writes there, and whatever it holds
// must still be usable.
std::string VerificaFili(const ModuleDIC& d) {
    for (int j = 0; j < FILO_COLONNE; ++j) {
        for (int r = 0; r < FILO_RIGHE; ++r) {
            if (r == FILO_RIGHE - 3) continue;  // the custom wire, below
            // Named only for the message: an open checks a thousand rows.
            const auto filo = [r, j] {
                return "filo " + Numero(r) + (r < FILO_RIGHE - 3 ? " della libreria" : " della tabella") + " del " +
                       Avvolgimento(j);
            };
            const float nudo = d.FiloNudo[r][j];
            const std::array<float, 5> derivati = {d.SezioneFilo[r][j], d.SpireCM[r][j], d.CoefKfFilo[r][j],
                                                   d.ResistenzaFilo[r][j], d.PesoFilo[r][j]};
            if (nudo != 0.0f) {
                if (!FiloAccettabile(nudo, d.FiloIsolato[r][j], derivati))
                    return Fuori("Filo Rame Fuori Limiti", filo(), nudo);
                continue;
            }
            if (!NienteOUtilizzabile(d.FiloIsolato[r][j]))
                return Fuori("Filo Rame Fuori Limiti", filo(), d.FiloIsolato[r][j]);
            for (float v : derivati)
                if (!NienteOUtilizzabile(v)) return Fuori("Filo Rame Fuori Limiti", filo(), v);
            for (float v : {d.SezioneFilo[r][j], d.SpireCM[r][j]})
                if (!NienteODivisore(v)) return Fuori("Filo Rame Fuori Limiti", filo(), v);
        }
        // The custom wire and its coefficients: unset (0) or usable; its section,
        // which the current is divided by, is that of a bare diameter of at
        // least 0,001 mm, as the wire dialog computes it, and at most what the
        // calculation's own custom wire takes, as is its weight.
        const int r = FILO_RIGHE - 3;
        const auto personalizzato = [j](float v) {
            return Fuori("Filo Rame Fuori Limiti", "filo personalizzato del " + Avvolgimento(j), v);
        };
        if (const float s = d.SezioneFilo[r][j];
            s != 0.0f && !Limite{LIMITE_DERIVATO_FILO.minimo, SEZIONE_FILO_CALCOLATO_MAX}.Accetta(s))
            return personalizzato(s);
        const std::pair<float, float> propri[] = {
            {d.FiloNudo[r][j], 1e7f},         {d.FiloIsolato[r][j], 1e7f},
            {d.SpireCM[r][j], 1e7f},          {d.CoefKfFilo[r][j], 1e7f},
            {d.ResistenzaFilo[r][j], 1e7f},   {d.PesoFilo[r][j], PESO_FILO_CALCOLATO_MAX},
            {d.KfRame[r][j], 1e7f},           {d.OhmRame[r][j], 1e7f},
            {d.PesSpeRame[r][j], 1e7f}};
        for (const auto& [v, massimo] : propri)
            if (!NienteOUtilizzabile(v, massimo)) return personalizzato(v);
        if (!NienteODivisore(d.SpireCM[r][j])) return personalizzato(d.SpireCM[r][j]);
    }
    return {};
}

// What a dialog closed on the opened design recalculates from: the turns and
// wire currents of the windings a side can show (a larger count chosen after
// the open brings in those the file holds past the ones in use) and both
// bobbin rows the bobbin dialog offers.
std::string VerificaRisultati(const ModuleDIC& d) {
    for (const bool pri : {true, false}) {
        const LatoC l(d, pri);
        const std::string lato = pri ? "Primario" : "Secondario";
        for (int i = 0; i < COLONNA_SEC; ++i) {
            if (!LIMITE_SPIRE.Accetta(l.Spire[i]))
                return Fuori("Spire Avvolgimento " + lato + " Fuori Limiti", lato + " " + Numero(i), l.Spire[i]);
            if (!LIMITE_CORRENTE_FILO.Accetta(l.AmpFilo[i]))
                return Fuori("Corrente Avvolgimento " + lato + " Fuori Limiti", lato + " " + Numero(i), l.AmpFilo[i]);
        }
    }
    struct Misura {
        const char* nome;
        const RochArr& valori;
        bool gola;
    };
    const Misura misure[] = {{"Cr", d.RochC, false},          {"Spr", d.RochSp, false},
                             {"M", d.RochM, false},           {"H", d.RochH, false},
                             {"I", d.RochI, false},           {"L", d.RochL, false},
                             {"Gola H", d.RochGolaH, true},   {"Gola I", d.RochGolaI, true},
                             {"Gola L", d.RochGolaL, true}};
    for (int r = 0; r <= ROCH_UTENTE; ++r)
        for (const Misura& m : misure) {
            const float v = m.valori[static_cast<size_t>(r)];
            if (m.gola ? LIMITE_GOLA_ROCCHETTO.Accetta(v) : (v == 0.0f || LIMITE_MISURA_ROCCHETTO.Accetta(v))) continue;
            return Fuori(std::string("La Misura di '") + m.nome + "' Fuori Limiti",
                         r == 0 ? "Rocchetto Calcolato" : "Rocchetto Personalizzato", v);
        }
    return {};
}

// A lamination row: measures and weight 0 (a blank cell) or within a
// library cell's range, or within what the stack sizing computes.
constexpr const char* kNomeCalcolato = "Calcolato";  // the name the sizing gives its lamination
std::string VerificaLamierino(const ModuleDIC& d, int i, bool calcolato) {
    static constexpr const char* kMisure = "ABCDEFG";
    const std::array<float, 7> m = {d.LamA[i], d.LamB[i], d.LamC[i], d.LamD[i], d.LamE[i], d.LamF[i], d.LamG[i]};
    const std::string lam = "Lamierino " + (d.LamNome[i].empty() ? Numero(i) : d.LamNome[i]);
    const auto accetta = [calcolato](const Limite& l, float v) { return v == 0.0f || l.Accetta(v); };
    for (int c = 0; c < 7; ++c) {
        const float v = m[static_cast<size_t>(c)];
        if (!accetta(calcolato ? LimiteMisuraLamCalcolata(c) : LimiteMisuraLam(c), v))
            return Fuori(std::string("Misura '") + kMisure[c] + "' Fuori Limiti", lam, v);
    }
    if (!accetta(calcolato ? LIMITE_PESO_LAM_CALCOLATO : LimiteMisuraLam(CELLA_PESO), d.LamPeso[i]))
        return Fuori("Peso Lamierino Fuori Limiti", lam, d.LamPeso[i]);
    if (!(calcolato ? Limite{0.0f, AREA_LAM_CALCOLATA_MAX} : LIMITE_AREA_LAM).Accetta(d.LamAxB[i]))
        return Fuori("Area Lamierino Fuori Limiti", lam, d.LamAxB[i]);
    return {};
}

// What every design window takes from its dialogs and its lamination page:
// insulation, laminations, wires, the stack, the iron-loss field and the
// coefficient limits of the power range.
std::string VerificaComponenti(const ModuleDIC& d) {
    const std::array<float, 6> spessori = {d.RochIsoAvvH, d.RochIsoAvvI, d.RochIsoAvvL,
                                           d.RochIsoStrH, d.RochIsoStrI, d.RochIsoStrL};
    for (float v : spessori)
        if (!LIMITE_ISOLAMENTO.Accetta(v)) return Fuori("Spessore Isolamento Fuori Limiti", "", v);
    if (!LIMITE_KI.Accetta(d.RochIngKi)) return Fuori("Valore del Coefficiente 'Ki' Fuori Limiti", "", d.RochIngKi);

    for (int i = 0; i < LAM_RIGHE; ++i) {
        std::string e = VerificaLamierino(d, i, false);
        // Row 18 holds the user's own lamination or the one the stack sizing
        // computed, which keeps its own ranges; a refused row is told as
        // the latter when it bears that one's name.
        if (!e.empty() && i == LAM_FUORI_FORMATO) {
            std::string calcolato = VerificaLamierino(d, i, true);
            if (calcolato.empty() || d.LamNome[i] == kNomeCalcolato) e = std::move(calcolato);
        }
        if (!e.empty()) return e;
    }
    if (std::string f = VerificaFili(d); !f.empty()) return f;
    if (std::string r = VerificaRisultati(d); !r.empty()) return r;

    // With the lamination given the pass takes the stack as it stands.
    if (!CAMPO_LAM_CDP.Accetta(d.LamCdP)) return Fuori(CAMPO_LAM_CDP.messaggio, "", d.LamCdP);
    if (!LIMITE_SPESSORE_PACCO.Accetta(d.LamSP)) return Fuori("Spessore Pacco Fuori Limiti", "", d.LamSP);
    if (!LIMITE_SEZIONE_FERRO.Accetta(d.LamSE)) return Fuori("Sezione Ferro Fuori Limiti", "", d.LamSE);
    if (!LIMITE_PESO_PACCO.Accetta(d.LamPesoPacco)) return Fuori("Peso Pacco Fuori Limiti", "", d.LamPesoPacco);
    // The limits of the power range: 0 until a list was filled, else items of one.
    const EstremiCoefK k = CoefKListe();
    const Limite liste{k.minimo, k.massimo};
    for (float v : {d.CoefKMin, d.CoefKMax})
        if (v != 0.0f && !liste.Accetta(v)) return Fuori("Coefficiente di Dimensionamento K Fuori Limiti", "", v);
    return {};
}

struct Liste {
    Limite frequenza, induzione, densita;
};

std::string VerificaListe(const ModuleDIC& d, const Liste& l) {
    if (!l.frequenza.Accetta(d.Frequenza)) return Fuori("Frequenza Fuori Limiti", "", d.Frequenza);
    if (!l.induzione.Accetta(d.Induzione)) return Fuori("Induzione Fuori Limiti", "", d.Induzione);
    if (!l.densita.Accetta(d.Densita)) return Fuori("Densità di Corrente Fuori Limiti", "", d.Densita);
    return {};
}

// The lists of the windows for mains transformers.
const Liste kListeRete{campialim::Frequenza.Estremi(), campialim::Induzione.Estremi(), campialim::Densita.Estremi()};

// The own power of an autotransformer: the share of the windings' total that
// its ratio (at most 1) transforms.
std::string VerificaPotPass(const ModuleDIC& d, float massimo) {
    if (!Limite{0.0f, massimo}.Accetta(d.PotPass)) return Fuori("Potenza Propria AutoTras. Fuori Limiti", "", d.PotPass);
    return {};
}

// The single-phase windows (transformer, numAvv 12, and autotransformer, 9):
// their text fields and lists, the windings they show.
std::string VerificaMonofase(const ModuleDIC& d, int numAvv, bool autotrasf) {
    using namespace campialim;
    // A secondary's current and power are also written from each other, within
    // what the other field and the voltage allow, and round to 0 when tiny.
    const Limite corrente{0.0f, SecPot.massimo / SecVolt.minimo};
    const Limite potenza{0.0f, SecAmp.massimo * SecVolt.massimo};
    for (int i = 0; i < numAvv; ++i) {
        if (!PriVolt.Accetta(d.PriVolt[i])) return Fuori(PriVolt.messaggio, "Primario " + Numero(i), d.PriVolt[i]);
        const std::string sec = "Secondario " + Numero(i);
        if (!SecVolt.Accetta(d.SecVolt[i])) return Fuori(SecVolt.messaggio, sec, d.SecVolt[i]);
        if (!corrente.Accetta(d.SecAmp[i])) return Fuori(SecAmp.messaggio, sec, d.SecAmp[i]);
        if (!potenza.Accetta(d.SecPot[i])) return Fuori(SecPot.messaggio, sec, d.SecPot[i]);
    }
    if (std::string e = VerificaListe(d, kListeRete); !e.empty()) return e;
    if (autotrasf)
        if (std::string e = VerificaPotPass(d, static_cast<float>(numAvv) * potenza.massimo); !e.empty()) return e;
    return VerificaComponenti(d);
}

// The three-phase windows: phase and line fields of every winding they show,
// the connection letters of the windings in use, their lists.
std::string VerificaTrifase(const ModuleDIC& d, const LimiteCampo& priVoltLin, const LimiteCampo& secPot,
                            bool autotrasf) {
    using namespace campitrif;
    // A phase value and a line value are written from each other through the
    // winding's letter, by factors up to 3√3 (a zig-zag's three-phase power).
    const double l = 3.0 * std::sqrt(3.0);
    const auto fase = [l](const LimiteCampo& c) { return Limite{num::Sng(c.minimo / l), c.massimo}; };
    const auto linea = [l](const Limite& c) { return Limite{num::Sng(c.minimo / l), num::Sng(c.massimo * l)}; };
    // As in the single-phase window, a current and a power are also written
    // from each other, and round to 0 when tiny.
    const Limite corrente{0.0f, secPot.massimo / SecVolt.minimo};
    const Limite potenza{0.0f, SecAmp.massimo * SecVolt.massimo};
    struct Campo {
        const char* messaggio;
        bool primario;
        const AvvArr& valori;
        Limite limite;
    };
    const Campo campi[] = {
        {PriVolt.messaggio, true, d.PriVolt, fase(PriVolt)},
        {priVoltLin.messaggio, true, d.PriVoltLin, linea(priVoltLin)},
        {SecVolt.messaggio, false, d.SecVolt, fase(SecVolt)},
        {SecAmp.messaggio, false, d.SecAmp, corrente},
        {secPot.messaggio, false, d.SecPot, potenza},
        {SecVoltLin.messaggio, false, d.SecVoltLin, linea(SecVoltLin)},
        {SecAmpLin.messaggio, false, d.SecAmpLin, linea(corrente)},
        {SecPotLin.messaggio, false, d.SecPotLin, linea(potenza)},
    };
    for (int i = 0; i < TRIF_NUM_AVV; ++i)
        for (const Campo& c : campi)
            if (!c.limite.Accetta(c.valori[i]))
                return Fuori(c.messaggio, (c.primario ? "Primario " : "Secondario ") + Numero(i), c.valori[i]);

    // The letters the connection dialogs write.
    const auto lettera = [](const std::string& t, std::initializer_list<const char*> ammesse) {
        return std::any_of(ammesse.begin(), ammesse.end(), [&t](const char* a) { return t == a; });
    };
    for (int i = 0; i <= UltimoAvvolgimento(d.PriUlt, TRIF_NUM_AVV - 1); ++i)
        if (!lettera(d.PriTrif[i], {"D", "Y"}))
            return Fuori("Non è Stato Specificato il Tipo di Collegamento", "Primario " + Numero(i), d.PriTrif[i]);
    for (int i = 0; i <= UltimoAvvolgimento(d.SecUlt, TRIF_NUM_AVV - 1); ++i)
        if (!lettera(d.SecTrif[i], {"d", "y", "z"}))
            return Fuori("Non è Stato Specificato il Tipo di Collegamento", "Secondario " + Numero(i), d.SecTrif[i]);

    if (std::string e = VerificaListe(d, kListeRete); !e.empty()) return e;
    // The power routine adds each winding's three-phase power, a zig-zag one by 2/√3.
    if (autotrasf)
        if (std::string e = VerificaPotPass(d, num::Sng(TRIF_NUM_AVV * linea(potenza).massimo * 2.0 / std::sqrt(3.0)));
            !e.empty())
            return e;
    return VerificaComponenti(d);
}

// The output transformer window: the impedance and anode current it reads
// back, the two further impedances it derives from the first (one decimal,
// never above it), its lists.
std::string VerificaUscita(const ModuleDIC& d) {
    using namespace campiusci;
    if (!PriImp.Accetta(d.PriImp[SLOT_USCI]))
        return Fuori("Impedenza Avvolgimento Primario Fuori Limiti", "", d.PriImp[SLOT_USCI]);
    if (!PriAmp.Accetta(d.PriAmp[SLOT_USCI]))
        return Fuori("Corrente Avvolgimento Primario Fuori Limiti", "", d.PriAmp[SLOT_USCI]);
    for (int c = 0; c < 3; ++c) {
        const float z = d.SecImp[SLOT_USCI + c];
        if (!(c == 0 ? Limite(SecImp) : Limite{0.0f, SecImp.massimo}).Accetta(z))
            return Fuori("Impedenza Avvolgimento Secondario Fuori Limiti", "Secondario " + Numero(c), z);
    }
    if (std::string e = VerificaListe(d, {FrequenzaEstremi, Induzione.Estremi(), campialim::Densita.Estremi()});
        !e.empty())
        return e;
    return VerificaComponenti(d);
}

}  // namespace

std::string ValoreFuoriLimiti(const ModuleDIC& d) {
    switch (d.TipoCalcolo) {
        case tipo::Monofase: return VerificaMonofase(d, inputalim::NUM_AVV, false);
        case tipo::AutoMonofase: return VerificaMonofase(d, AUTO_NUM_AVV, true);
        case tipo::Trifase: return VerificaTrifase(d, campitrif::PriVoltLin, campitrif::SecPot, false);
        case tipo::AutoTrifase: return VerificaTrifase(d, campitrif::AutoPriVoltLin, campitrif::AutoSecPot, true);
        case tipo::Uscita: return VerificaUscita(d);
        default: return {};
    }
}

}  // namespace progetto
