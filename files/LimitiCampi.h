// The ranges of the values a user can type, in one place: the fields and lists
// of the design windows and the cells of the library editors take their limits
// from here, and so do the checks of an opened project or library, which must
// not let in what no field would have accepted.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "engine/SceltaLamierino.h"
#include "files/GriglieLibrerie.h"
#include "platform/core/Limiti.h"
#include "platform/core/Numeri.h"

// A list of numbers first, first + step, ... (voci items), shown through a mask.
struct ListaNumerica {
    double primo, passo;
    int voci;
    const char* maschera;
    int scelto;  // item selected at load
    Limite Estremi() const {
        return {static_cast<float>(primo), static_cast<float>(primo + passo * (voci - 1))};
    }
};

// The iron-loss figure, one field of every design window.
inline constexpr LimiteCampo CAMPO_LAM_CDP{0.1f, 999.0f, "Cifra di Perdita Lamierino Fuori Limiti",
                                           "Verifica Inserzione Parametri Lamierino", "1,5"};

// ---------------------------------------------------------------- single-phase window

namespace campialim {

inline constexpr const char* TITOLO_AVV = "Verifica Inserzione Parametri Avvolgimento";

inline constexpr LimiteCampo LamCdP = CAMPO_LAM_CDP;
inline constexpr LimiteCampo PriVolt{0.1f, 9999.0f, "Tensione Avvolgimento Primario Fuori Limiti",
                                     TITOLO_AVV, "240"};
inline constexpr LimiteCampo SecVolt{0.1f, 9999.0f, "Tensione Avvolgimento Secondario Fuori Limiti",
                                     TITOLO_AVV, "150"};
inline constexpr LimiteCampo SecAmp{0.001f, 999.0f, "Corrente Avvolgimento Secondario Fuori Limiti",
                                    TITOLO_AVV, "0,5"};
inline constexpr LimiteCampo SecPot{0.1f, 9999.0f, "Potenza Avvolgimento Secondario Fuori Limiti",
                                    TITOLO_AVV, "100"};

inline constexpr ListaNumerica Induzione{0.1, 0.1, 30, "0.0", 9};
inline constexpr ListaNumerica Frequenza{50, 10, 2, "0", 0};
inline constexpr ListaNumerica Densita{0.5, 0.5, 18, "0.0", 4};

}  // namespace campialim

// ---------------------------------------------------------------- three-phase window

namespace campitrif {

using campialim::TITOLO_AVV;
inline constexpr const char* VOLT_PRI = "Tensione Avvolgimento Primario Fuori Limiti";
inline constexpr const char* VOLT_SEC = "Tensione Avvolgimento Secondario Fuori Limiti";
inline constexpr const char* AMP_SEC = "Corrente Avvolgimento Secondario Fuori Limiti";
inline constexpr const char* POT_SEC = "Potenza Avvolgimento Secondario Fuori Limiti";

inline constexpr LimiteCampo PriVolt{0.1f, 9999.0f, VOLT_PRI, TITOLO_AVV, "220"};
inline constexpr LimiteCampo PriVoltLin{0.1f, 9999.0f, VOLT_PRI, TITOLO_AVV, "380"};
inline constexpr LimiteCampo SecVolt{0.1f, 9999.0f, VOLT_SEC, TITOLO_AVV, "127"};
inline constexpr LimiteCampo SecVoltLin{0.1f, 9999.0f, VOLT_SEC, TITOLO_AVV, "220"};
inline constexpr LimiteCampo SecAmp{0.001f, 999.0f, AMP_SEC, TITOLO_AVV, "0,5"};
inline constexpr LimiteCampo SecAmpLin{0.001f, 999.0f, AMP_SEC, TITOLO_AVV, "2,62"};
inline constexpr LimiteCampo SecPot{0.1f, 99999.0f, POT_SEC, TITOLO_AVV, "192,4"};
inline constexpr LimiteCampo SecPotLin{0.1f, 99999.0f, POT_SEC, TITOLO_AVV, "1000"};

// The three-phase autotransformer window puts other texts back in two fields.
inline constexpr LimiteCampo AutoPriVoltLin{0.1f, 9999.0f, VOLT_PRI, TITOLO_AVV, "240"};
inline constexpr LimiteCampo AutoSecPot{0.1f, 99999.0f, POT_SEC, TITOLO_AVV, "333,3"};

}  // namespace campitrif

// ---------------------------------------------------------------- output transformer window

namespace campiusci {

// The impedance and current fields refuse silently: yellow and the default
// text back, no message.
inline constexpr LimiteCampo PriImp{0.1f, 999999.0f, nullptr, nullptr, "1000"};
inline constexpr LimiteCampo PriAmp{0.001f, 99999.0f, nullptr, nullptr, "0,05"};
inline constexpr LimiteCampo SecImp{2.0f, 999999.0f, nullptr, nullptr, "8"};

inline constexpr ListaNumerica Induzione{0.1, 0.05, 39, "0.00", 8};
// Hz: 5 to 70 in steps of 5, 80 to 100 in steps of 5, 110 to 200 in steps
// of 10; "50" selected at load.
inline constexpr std::array<int, 29> Frequenze{5,  10, 15, 20, 25, 30, 35,  40,  45,  50,
                                               55, 60, 65, 70, 80, 85, 90,  95,  100, 110,
                                               120, 130, 140, 150, 160, 170, 180, 190, 200};
inline constexpr int FrequenzaScelta = 9;
// The frequency list's first and last items.
inline constexpr Limite FrequenzaEstremi{static_cast<float>(Frequenze.front()), static_cast<float>(Frequenze.back())};

}  // namespace campiusci

// ---------------------------------------------------------------- library editors

// Cells of a lamination row, in the order of CellaLam (the name has none).
inline constexpr std::array<Limite, 9> LIMITI_CELLE_LAM{{
    {5.0f, 9999.0f},   // A
    {5.0f, 9999.0f},   // B
    {5.0f, 999.0f},    // C
    {5.0f, 999.0f},    // D
    {5.0f, 9999.0f},   // E
    {5.0f, 999.0f},    // F
    {5.0f, 999.0f},    // G
    {0.0f, 0.0f},      // name: a text
    {0.01f, 9999.0f},  // weight of 10 mm of laminations
}};

inline constexpr Limite LIMITE_DIAMETRO_FILO{0.001f, 100.0f};  // bare and enamelled, mm
inline constexpr Limite LIMITE_KF_RAME{1.0f, 2.0f};
inline constexpr Limite LIMITE_OHM_RAME{0.001f, 2.0f};
inline constexpr Limite LIMITE_PESSPE_RAME{3.0f, 15.0f};

// The insulation dialog: thicknesses of the insulation between windings and
// between layers, mm, and the groove coefficient Ki.
inline constexpr Limite LIMITE_ISOLAMENTO{0.01f, 999.0f};
inline constexpr Limite LIMITE_KI{0.1f, 999.0f};

// The least centre leg C (and, in a typed table, window height E) the
// lamination editor's check counts as a lamination: a row with less ends the
// table. A cell below its own limit only turns yellow, so a table of C 3 mm
// passes the check and is saved.
inline constexpr float LAM_MISURA_MINIMA_TABELLA = 3.0f;

// The weight of 10 mm of laminations the editor computes for that least C in
// the kind of the least net area (shell, A 2,5 C by B 3 C less two windows of
// 1,5 C by 0,5 C: 0,06 C², 0,54 cm²), at 8,5 kg/dm³ over 1,11, as its grid
// shows and saves it ("#0.000"): 0,0041 kg, "0,004". A typed weight is 0,01
// kg at least.
constexpr double PesoLamMinimoTabella() {
    const double netta = 0.06 * LAM_MISURA_MINIMA_TABELLA * LAM_MISURA_MINIMA_TABELLA;
    const double peso = netta * 8.5 / 1.11 / 1000.0;
    return static_cast<double>(static_cast<long long>(peso * 1000.0 + 0.5)) / 1000.0;
}
inline constexpr float LAM_PESO_MINIMO_TABELLA = static_cast<float>(PesoLamMinimoTabella());
static_assert(LAM_PESO_MINIMO_TABELLA == 0.004f);

// The largest number a lamination cell's characters write (yellow above its
// limit, but a table the editor's check passes keeps it): 9999 for C, D, F
// and G, 99999 for A, B, E and the weight.
constexpr double MassimoCellaLam(int cella) {
    double m = 0;
    for (int k = 0; k < CARATTERI_CELLE_LAM[static_cast<size_t>(cella)]; ++k) m = m * 10 + 9;
    return m;
}
// The largest multiple of C a kind gives a measure (cells A, B, D..G), and the
// largest net area in C² (the area less two windows): 25 C² of the long
// three-leg kind, 7 C by 5 C less two windows of 5 C by C.
constexpr double ProporzioneMassimaLam(int cella) {
    double m = 1;  // C itself
    for (const TipoLamierino& t : TIPI_LAMIERINO) {
        const double p[] = {t.a, t.b, 1, t.d, t.e, t.f, t.g};
        m = std::max(m, p[cella]);
    }
    return m;
}
constexpr double NettaMassimaLam() {
    double m = 0;
    for (const TipoLamierino& t : TIPI_LAMIERINO) m = std::max(m, t.a * t.b - 2 * t.e * t.f);
    return m;
}

// A measure (or the weight) of a lamination as a library or a design may hold
// it: 0 for a cell left blank, else what a table the editor's check passes
// holds. C from the least the check counts, 3 mm, to its cell's largest text;
// E from that least too. D, F and G typed may be anything the cells hold, 0
// included; A and B, a window and two yokes and the legs across, from 3 mm.
// At the top the larger of the cell's largest text and the kinds' largest
// proportion of the largest C (B also no more than the legs and windows
// across, five cells of C's size); the weight the larger of its cell's text
// and what the editor computes for the largest net area, rounded up to the
// kilogram over its three decimals.
constexpr Limite LimiteMisuraLam(int cella) {
    const double c = MassimoCellaLam(CELLA_C);
    if (cella == CELLA_PESO) {
        const double peso = NettaMassimaLam() * c * c / 100 * 8.5 / 1.11 / 1000;
        return {LAM_PESO_MINIMO_TABELLA, static_cast<float>(static_cast<long long>(std::max(MassimoCellaLam(cella), peso)) + 1)};
    }
    double massimo = std::max(MassimoCellaLam(cella), ProporzioneMassimaLam(cella) * c);
    if (cella == CELLA_B) massimo = std::min(massimo, 5 * c);
    const bool gamba = cella == CELLA_D || cella == CELLA_F || cella == CELLA_G;
    return {gamba ? 0.0f : LAM_MISURA_MINIMA_TABELLA, static_cast<float>(massimo)};
}
inline bool MisuraLamAccettabile(float v, int cella) { return v == 0.0f || LimiteMisuraLam(cella).Accetta(v); }
static_assert(LimiteMisuraLam(CELLA_A).massimo == 99999.0f && LimiteMisuraLam(CELLA_B).massimo == 49995.0f);
// The area A x B / 100 of a lamination row, cm2, as the editor shows it: at
// most the largest A by the largest B.
inline constexpr Limite LIMITE_AREA_LAM{
    0.0f, static_cast<float>(static_cast<double>(LimiteMisuraLam(CELLA_A).massimo) * LimiteMisuraLam(CELLA_B).massimo / 100)};

// ---------------------------------------------------------------- the computed lamination

// When no library row fits the area the power asks for, the stack sizing
// computes a lamination of its own: C in whole mm, 1 mm at least, the other
// measures in the kind's proportions (single-phase A 2,5 C, B 3 C, D F G C/2,
// E 1,5 C; three-leg A 4,5 C, B 5 C, D F G C, E 2,5 C). The largest area is the
// output transformer's at its fields' ends: 99999 A at 999999 ohm (1E+16 W)
// at 5 Hz and 0,1 T ask for 100 x sqrt(P / f B) = 1,41E+10 cm², a lamination
// of C = 434234 mm (the mains kinds ask for 4,7E+05 cm², C 2285 mm, at most).
inline constexpr float AREA_LAM_CALCOLATA_MAX = 1.5e10f;
inline constexpr float C_LAM_CALCOLATO_MAX = 5e5f;
// A measure of the computed lamination (cells A..G): from its smaller
// proportion of a 1 mm C to its larger one of the largest C.
constexpr Limite LimiteMisuraLamCalcolata(int cella) {
    constexpr float minimo[7] = {2.5f, 3.0f, 1.0f, 0.5f, 1.5f, 0.5f, 0.5f};
    constexpr float massimo[7] = {4.5f, 5.0f, 1.0f, 1.0f, 2.5f, 1.0f, 1.0f};
    return {minimo[cella], massimo[cella] * C_LAM_CALCOLATO_MAX};
}
// Its weight of 10 mm: 8,5 kg/dm³ over 1,11 of its net area, the area less
// its two windows. The calculation keeps it at 0 or more, yet a project file
// may hold the weight of a lamination kept at 1 mm of C for an area smaller
// than its windows' (0,05 cm² at most, three-leg) worked out from that net
// area as it stands: down to -0,05 cm², a little below nothing, -3,8E-04 kg.
// Such a file is accepted, so that the design it holds opens.
inline constexpr Limite LIMITE_PESO_LAM_CALCOLATO{-1e-3f, AREA_LAM_CALCOLATA_MAX * 8.5f / 1110.0f};

// ---------------------------------------------------------------- the stack

// What the stack values of a design can hold: the thickness typed in the
// lamination dialog or sized from the power, and the iron section and pack
// weight that follow from it and from the chosen row (C and weight within
// the editor's cells). The sizing of the largest power the windows take
// (twelve secondaries of 999 A at 9999 V, K 1,6: about 17 500 cm2) on a
// library row of 5 mm centre leg gives about 4E+05 mm, the output transformer
// a stack as thick as the lamination's C: 1E+07 mm holds every stack the
// program sizes, and the results stay far from the largest Single. The
// lamination dialog takes the computed row too, at any thickness up to that.
// A stored stack goes down to -1 mm, with a section and weight below
// nothing: a stack fitted to the user's bobbin is its inner depth Spr less
// 1 mm, and a project file may hold one fitted to the "0" of a bobbin never
// computed. Such a file is accepted, so that the design it holds opens; the
// bobbin dialog itself keeps the stack when Spr - 1 is thinner than
// SPESSORE_PACCO_MINIMO.
inline constexpr Limite LIMITE_SPESSORE_PACCO{-1.0f, 1e7f};
// The thickness typed in the lamination dialog, a box with no key filter:
// from the thinnest stack a user may give the design (SPESSORE_PACCO_MINIMO).
inline constexpr Limite LIMITE_SPESSORE_DIGITATO{SPESSORE_PACCO_MINIMO, LIMITE_SPESSORE_PACCO.massimo};
inline constexpr float LAM_C_MASSIMO = std::max(LimiteMisuraLam(CELLA_C).massimo, C_LAM_CALCOLATO_MAX);
inline constexpr float LAM_PESO_MASSIMO = std::max(LimiteMisuraLam(CELLA_PESO).massimo, LIMITE_PESO_LAM_CALCOLATO.massimo);
inline constexpr Limite LIMITE_SEZIONE_FERRO{LIMITE_SPESSORE_PACCO.minimo * LAM_C_MASSIMO / 111.0f,
                                             LIMITE_SPESSORE_PACCO.massimo * LAM_C_MASSIMO / 111.0f};
inline constexpr Limite LIMITE_PESO_PACCO{
    std::min(LIMITE_SPESSORE_PACCO.massimo * LIMITE_PESO_LAM_CALCOLATO.minimo,
             LIMITE_SPESSORE_PACCO.minimo * LAM_PESO_MASSIMO) / 10.0f,
    LIMITE_SPESSORE_PACCO.massimo * LAM_PESO_MASSIMO / 10.0f};

// ---------------------------------------------------------------- stored results

// A dialog closed on an opened design rebuilds its windings from the turns,
// the wire currents and the bobbin rows the file holds, not from the fields.
// A bobbin measure is 0 (none) or from 0,001 mm, since the turns are divided
// by a groove height in layers, up to the stack's limit plus the 1 mm the
// computed bobbin adds; a groove, height by depth, is at most E by F of the
// lamination, a library's or the computed one. The depth M is what the bobbin
// dialog's count buttons make it, F - 2 mm (half on each of two bobbins),
// also of a window narrower than the bobbin's walls: from -2 mm, for the F of
// 0 a typed library may hold; a groove then from that by the tallest height.
inline constexpr Limite LIMITE_MISURA_ROCCHETTO{0.001f, LIMITE_SPESSORE_PACCO.massimo + 1.0f};
inline constexpr Limite LIMITE_M_ROCCHETTO{-2.0f, LIMITE_MISURA_ROCCHETTO.massimo};
inline constexpr Limite LIMITE_GOLA_ROCCHETTO{
    LIMITE_M_ROCCHETTO.minimo * LIMITE_MISURA_ROCCHETTO.massimo,
    std::max(LimiteMisuraLam(CELLA_E).massimo * LimiteMisuraLam(CELLA_F).massimo,
             LimiteMisuraLamCalcolata(CELLA_E).massimo * LimiteMisuraLamCalcolata(CELLA_F).massimo)};
// Any finite Single, neither infinite nor NaN: what the stored turns are
// held to. They have no range of their own: they grow as the stack thins,
// and a tap in series needing fewer turns than its partner has them
// negative. What a winding builds from the turns on its wire row and bobbin
// is checked by building it.
inline constexpr Limite VALORE_FINITO{-std::numeric_limits<float>::max(), std::numeric_limits<float>::max()};
// The windows give about 2E+09 A at most (a 0,1 V primary feeding twelve
// secondaries of 999 A at 9999 V); 1E+11 A holds them.
inline constexpr Limite LIMITE_CORRENTE_FILO{0.0f, 1e11f};

// The wire dialog computes the custom wire from whatever its five boxes hold,
// yellow (out of range) or not: digits and one comma, at most 5 characters
// (6 for the resistivity), any number above zero. The three coefficients are
// stored as typed, from ",0001" (",00001" for the resistivity) to "99999"
// ("999999"); the dialog opens them with the standard copper's.
inline constexpr Limite LIMITE_KF_FILO_PERS{1e-4f, 99999.0f};
inline constexpr Limite LIMITE_OHM_FILO_PERS{1e-5f, 999999.0f};
inline constexpr Limite LIMITE_PESSPE_FILO_PERS{1e-4f, 99999.0f};
// The two diameter boxes open with the column's custom wire, the dialog's own
// or the calculation's (a bare diameter cut to 0,01 mm, the enamelled one 3 %
// more, with four decimals): deleting the comma of such a text gives up to
// 10 000 times the diameter, and the figures that follow from it are used
// as they stand. No bound of their own holds all of that; what an opened
// project must give is what the dialog and the windings' build compute from
// them, finite (see ValoreFuoriLimiti).

// The sizing coefficient a design shows (kinds 1 to 4): an item of a list, or
// the one the lamination-given mode computes, sqrt(phases) x iron section /
// sqrt(power): at most sqrt(3) x 4,5E+10 cm² over the root of the least
// normal Single, 1,1E-19, which is 7,2E+29.
inline constexpr Limite LIMITE_COEF_K{0.0f, 1e30f};

// What the output transformer window shows of its sections and loads, each
// worked out from its fields: a power of at most 99999² A² x 999999 ohm,
// 1E+16 W; a voltage of at most sqrt(1E+16 W x 999999 ohm), 1E+11 V; a load
// current of at most sqrt(1E+16 W / 2 ohm), 7,1E+07 A. A section's voltage
// is its turns by the volts per turn (8E+09 V at most: 4,5E+10 cm² at 200 Hz
// and 2 T), its turns rounded up to whole ones or to a multiple of 10: below
// 1E+12 V; its power that voltage by its current: below 1E+20 W.
inline constexpr Limite LIMITE_TENSIONE_USCITA{0.0f, 1e12f};
inline constexpr Limite LIMITE_CORRENTE_USCITA{0.0f, 1e8f};
inline constexpr Limite LIMITE_POTENZA_USCITA{0.0f, 1e20f};

// A wire as the editor computes it from values its cells accept: both
// diameters within the cells' limits; section, turns per cm, Kf, ohm/m and
// g/m between 1E-07 and 1E+07. The smallest, the resistance of a 100 mm wire
// at 0,001 ohm mm2/m, is about 1,3E-07, the largest, that of a 0,001 mm wire
// at 2 ohm mm2/m, about 2,5E+06: nothing smaller reaches the calculation,
// which divides the current by the section and squares the quotient.
inline constexpr Limite LIMITE_DERIVATO_FILO{1e-7f, 1e7f};
inline bool FiloAccettabile(float nudo, float isolato, const std::array<float, 5>& derivati) {
    if (!LIMITE_DIAMETRO_FILO.Accetta(nudo) || !LIMITE_DIAMETRO_FILO.Accetta(isolato)) return false;
    for (float x : derivati)
        if (!LIMITE_DERIVATO_FILO.Accetta(x)) return false;
    return true;
}

// A value of a library that its reader refuses, as the editor tells it: where
// it stands, the text and the range the reader takes.
inline std::string ValoreLibreriaRifiutato(const std::string& dove, const std::string& testo, const Limite& l) {
    return dove + ": " + (testo.empty() ? "nessun valore" : testo) + " (valori ammessi da " +
           num::SngToText(l.minimo) + " a " + num::SngToText(l.massimo) + ")";
}
