#include "files/VerificaProgetto.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <optional>

#include "engine/InputAlim.h"
#include "engine/InputTrif.h"
#include "engine/Mod_Calcolo.h"
#include "engine/ModRoutine.h"
#include "engine/Mod_AutoTrasf.h"
#include "engine/Mod_Trif.h"
#include "engine/Mod_Usci.h"
#include "engine/SceltaFilo.h"
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

// "<cosa> Avvolgimento Primario Fuori Limiti", or Secondario.
std::string FuoriAvv(const char* cosa, bool primario) {
    return std::string(cosa) + " Avvolgimento " + (primario ? "Primario" : "Secondario") + " Fuori Limiti";
}
// Winding i of a side, with the figure it holds out of range.
std::string FuoriAvv(const char* cosa, bool primario, int i, float v) {
    return Fuori(FuoriAvv(cosa, primario), (primario ? "Primario " : "Secondario ") + Numero(i), v);
}

// Column j of the wire table belongs to primary j or to secondary j - 12.
std::string Avvolgimento(int j) {
    return j < 12 ? "Primario " + Numero(j) : "Secondario " + Numero(j - 12);
}

// Positive and small enough that the calculation can divide and multiply by
// it: no larger than any wire's.
bool NienteOUtilizzabile(float v) { return v == 0.0f || (num::Positivo(v) && v <= LIMITE_DERIVATO_FILO.massimo); }
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
            if (r == FILO_FUORI_FORMATO) continue;  // the custom wire, below
            // Named only for the message: an open checks a thousand rows.
            const auto filo = [r, j] {
                return "filo " + Numero(r) + (r < FILO_FUORI_FORMATO ? " della libreria" : " della tabella") + " del " +
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
        // The custom wire: its figures unset (0) or positive, as the dialog
        // and the calculation leave them, its coefficients as the boxes hold
        // them; and what the dialog computes again from the two diameters its
        // boxes show (it needs both), whatever coefficients are typed there,
        // finite, with a section the resistance can be divided by.
        const int r = FILO_FUORI_FORMATO;
        const std::string pers = "filo personalizzato del " + Avvolgimento(j);
        const float nudo = d.FiloNudo[r][j], isolato = d.FiloIsolato[r][j];
        for (float v : {nudo, isolato, d.SezioneFilo[r][j], d.SpireCM[r][j], d.CoefKfFilo[r][j],
                        d.ResistenzaFilo[r][j], d.PesoFilo[r][j]})
            if (v != 0.0f && !num::Positivo(v)) return Fuori("Filo Rame Fuori Limiti", pers, v);
        const std::pair<float, Limite> coefficienti[] = {{d.KfRame[r][j], LIMITE_KF_FILO_PERS},
                                                        {d.OhmRame[r][j], LIMITE_OHM_FILO_PERS},
                                                        {d.PesSpeRame[r][j], LIMITE_PESSPE_FILO_PERS}};
        for (const auto& [v, limite] : coefficienti)
            if (v != 0.0f && !limite.Accetta(v)) return Fuori("Filo Rame Fuori Limiti", pers, v);
        if (nudo != 0.0f && isolato != 0.0f) {
            const DatiFilo f = CalcolaDatiFilo(nudo, isolato, LIMITE_KF_FILO_PERS.minimo, LIMITE_OHM_FILO_PERS.massimo,
                                               LIMITE_PESSPE_FILO_PERS.massimo);
            if (!std::isfinite(f.spireCM)) return Fuori("Filo Rame Fuori Limiti", pers, isolato);
            if (!num::Positivo(f.sezione) || !std::isfinite(f.resistenza) || !std::isfinite(f.peso))
                return Fuori("Filo Rame Fuori Limiti", pers, nudo);
        }
    }
    return {};
}

// A dialog closed right after the open rebuilds every winding a side can show
// (a larger count chosen then brings in those the file holds past the ones in
// use) on the bobbin row it names, the computed or the user's, from the turns,
// currents, wire rows and bobbin rows the file holds. Each figure of that
// build, and the sums of the losses and of the grooves, must be finite, as
// what the program itself computed always is. A figure no Single holds is its
// winding's fault: its current's for the density and the loss, its turns'
// for the rest; a sum's, that of the winding adding the most to it.
std::string VerificaRicostruzione(const ModuleDIC& d) {
    thread_local const std::unique_ptr<ModuleDIC> copia = std::make_unique<ModuleDIC>();
    ModuleDIC& c = *copia;
    const bool trifase = d.TipoCalcolo == tipo::Trifase || d.TipoCalcolo == tipo::AutoTrifase;
    const auto finito = [](std::initializer_list<float> v) {
        return std::all_of(v.begin(), v.end(), [](float x) { return std::isfinite(x); });
    };
    for (const int16_t roch : {int16_t{0}, int16_t{1}}) {
        static_cast<DatiDesign&>(c) = d;
        c.PriUlt = c.SecUlt = static_cast<float>(COLONNA_SEC - 1);
        c.RochScelto = roch;
        MessaggiTaciuti msg;
        RicalcoloAvvolgimenti(c, trifase, msg);
        // The winding, of the sides given, adding the most to `quanto`.
        const auto colpevole = [&c](auto quanto, std::initializer_list<bool> lati) {
            std::pair<bool, int> w{true, 0};
            float massimo = -1.0f;
            for (const bool pri : lati) {
                const LatoC l(c, pri);
                for (int i = 0; i < COLONNA_SEC; ++i) {
                    const float v = std::fabs(quanto(l, i));
                    if (!(v <= massimo)) massimo = v, w = {pri, i};
                }
            }
            return w;
        };
        // Winding w's stored current, or turns, to blame.
        const auto colpa = [&d](bool corrente, std::pair<bool, int> w) {
            const LatoC l(d, w.first);
            return corrente ? FuoriAvv("Corrente", w.first, w.second, l.AmpFilo[w.second])
                            : FuoriAvv("Spire", w.first, w.second, l.Spire[w.second]);
        };
        for (const bool pri : {true, false}) {
            const LatoC l(c, pri);
            for (int i = 0; i < COLONNA_SEC; ++i) {
                if (!finito({l.Dens[i], l.PotPer[i]})) return colpa(true, {pri, i});
                if (!finito({l.Lung[i], l.Peso[i], l.Ing[i], l.Res[i], l.SpSt[i], l.Strati[i], l.Iso[i]}))
                    return colpa(false, {pri, i});
            }
        }
        const auto perdita = [](const LatoC& l, int i) { return l.PotPer[i]; };
        if (!finito({c.PotPerPri})) return colpa(true, colpevole(perdita, {true}));
        if (!finito({c.PotPerSec})) return colpa(true, colpevole(perdita, {false}));
        if (!finito({c.PotTotPers})) return colpa(true, colpevole(perdita, {true, false}));
        const auto ingombro = [](const LatoC& l, int i) { return l.Ing[i] + l.Iso[i]; };
        if (!finito({c.SommaIngH1, c.SommaIngI1, c.SommaIngL1, c.SommaIsoH1, c.SommaIsoI1, c.SommaIsoL1,
                     c.SommaIngH2, c.SommaIngI2, c.SommaIngL2, c.SommaIsoH2, c.SommaIsoI2, c.SommaIsoL2,
                     c.IngGolaH1, c.IngGolaI1, c.IngGolaL1, c.IngGolaH2, c.IngGolaI2, c.IngGolaL2}))
            return colpa(false, colpevole(ingombro, {true, false}));
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
        for (int i = 0; i < COLONNA_SEC; ++i) {
            if (!VALORE_FINITO.Accetta(l.Spire[i])) return FuoriAvv("Spire", pri, i, l.Spire[i]);
            if (!LIMITE_CORRENTE_FILO.Accetta(l.AmpFilo[i])) return FuoriAvv("Corrente", pri, i, l.AmpFilo[i]);
        }
    }
    struct Misura {
        const char* nome;
        const RochArr& valori;
        Limite limite;
    };
    const Misura misure[] = {{"Cr", d.RochC, LIMITE_MISURA_ROCCHETTO},   {"Spr", d.RochSp, LIMITE_MISURA_ROCCHETTO},
                             {"M", d.RochM, LIMITE_M_ROCCHETTO},         {"H", d.RochH, LIMITE_MISURA_ROCCHETTO},
                             {"I", d.RochI, LIMITE_MISURA_ROCCHETTO},    {"L", d.RochL, LIMITE_MISURA_ROCCHETTO},
                             {"Gola H", d.RochGolaH, LIMITE_GOLA_ROCCHETTO}, {"Gola I", d.RochGolaI, LIMITE_GOLA_ROCCHETTO},
                             {"Gola L", d.RochGolaL, LIMITE_GOLA_ROCCHETTO}};
    for (int r = 0; r <= ROCH_UTENTE; ++r)
        for (const Misura& m : misure) {
            const float v = m.valori[static_cast<size_t>(r)];
            if (v == 0.0f || m.limite.Accetta(v)) continue;
            return Fuori(std::string("La Misura di '") + m.nome + "' Fuori Limiti",
                         r == 0 ? "Rocchetto Calcolato" : "Rocchetto Personalizzato", v);
        }
    return VerificaRicostruzione(d);
}

// A lamination row: measures and weight 0 (a blank cell) or within what a
// library the editor passes holds, or within what the stack sizing computes.
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

// What the windows for mains transformers share after their fields: the
// lists; an autotransformer's own power, the share of the windings' total
// that its ratio (at most 1) transforms, up to `potPassMax`; the sizing
// coefficient as it was stored, until the next pass; the components.
std::string VerificaRete(const ModuleDIC& d, std::optional<float> potPassMax) {
    if (std::string e = VerificaListe(d, kListeRete); !e.empty()) return e;
    if (potPassMax && !Limite{0.0f, *potPassMax}.Accetta(d.PotPass))
        return Fuori("Potenza Propria AutoTras. Fuori Limiti", "", d.PotPass);
    if (!LIMITE_COEF_K.Accetta(d.CoefK)) return Fuori("Coefficiente di Dimensionamento K Fuori Limiti", "", d.CoefK);
    return VerificaComponenti(d);
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
    const float potPassMax = static_cast<float>(numAvv) * potenza.massimo;
    return VerificaRete(d, autotrasf ? std::optional(potPassMax) : std::nullopt);
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
    for (int i = 0; i <= UltimoAvvolgimento(d.PriUlt, TRIF_NUM_AVV - 1); ++i)
        if (!inputtrif::LetteraPri(d.PriTrif[i]))
            return Fuori(inputtrif::NESSUNA_LETTERA, "Primario " + Numero(i), d.PriTrif[i]);
    for (int i = 0; i <= UltimoAvvolgimento(d.SecUlt, TRIF_NUM_AVV - 1); ++i)
        if (!inputtrif::LetteraSec(d.SecTrif[i]))
            return Fuori(inputtrif::NESSUNA_LETTERA, "Secondario " + Numero(i), d.SecTrif[i]);

    // The power routine adds each winding's three-phase power, a zig-zag one by 2/√3.
    const float potPassMax = num::Sng(TRIF_NUM_AVV * linea(potenza).massimo * 2.0 / std::sqrt(3.0));
    return VerificaRete(d, autotrasf ? std::optional(potPassMax) : std::nullopt);
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
    // What the window shows of every section and load it has, as stored.
    for (const bool pri : {true, false}) {
        const LatoC l(d, pri);
        const std::string lato = pri ? "Primario" : "Secondario";
        struct Figura {
            const char* cosa;
            const AvvArr* valori;
            Limite limite;
        };
        const Figura figure[] = {{"Tensione", &l.Volt, LIMITE_TENSIONE_USCITA},
                                 {"Tensione", l.VoltVuoto, LIMITE_TENSIONE_USCITA},
                                 {"Corrente", &l.Amp, LIMITE_CORRENTE_USCITA},
                                 {"Potenza", &l.Pot, LIMITE_POTENZA_USCITA},
                                 {"Spire", &l.Spire, VALORE_FINITO}};
        // Twelve sections a side, then the whole primary or the three loads.
        for (int i = 0, ultimo = SLOT_USCI + (pri ? 0 : 2); i <= ultimo; i = i + 1 == COLONNA_SEC ? SLOT_USCI : i + 1) {
            const std::string dove =
                i < SLOT_USCI ? lato + " " + Numero(i) : pri ? std::string() : lato + " " + Numero(i - SLOT_USCI);
            for (const Figura& f : figure)
                if (f.valori && !f.limite.Accetta((*f.valori)[i]))
                    return Fuori(FuoriAvv(f.cosa, pri), dove, (*f.valori)[i]);
        }
    }
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
