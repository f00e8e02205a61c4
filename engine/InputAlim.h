// What the single-phase window does with its winding inputs that needs no
// widget: ordering the windings by voltage, rewriting the secondary current
// texts, resetting connections after a count change, and the captions,
// colours and tooltips of the connection and placement buttons.
//
// The window copies its text boxes into TestiAvvolgimenti, calls these
// routines and writes back what they return; tests call them directly.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/ModuleDIC.h"

namespace inputalim {

// The single-phase window shows twelve windings per side (index 0..11).
inline constexpr int NUM_AVV = 12;

using Testi = std::array<std::string, NUM_AVV>;
using Indici = std::array<bool, NUM_AVV>;   // one mark per winding

// The winding text boxes, as the window shows them (decimal comma).
struct TestiAvvolgimenti {
    Testi PriVolt, SecVolt, SecAmp, SecPot;
};

// Index of the last winding in use from PriUlt/SecUlt (a Single used as a
// loop bound): -1 when none, never above 11.
inline int UltimoIndice(float ult) { return UltimoAvvolgimento(ult, NUM_AVV - 1); }

// ---- connection buttons
enum class ColoreCollegamento {
    FacciaPulsante,   // isolated: the system's button face
    Verde,            // voltage adjustment tap: "R" + partner
    Ciano,            // load tap (secondaries only): "C" + partner
};
struct AspettoCollegamento {
    std::string caption;
    ColoreCollegamento colore;
};
// How the connection button of winding i looks; nullopt when the flags match
// no row of the table and the button keeps its look. Later rows win.
std::optional<AspettoCollegamento> AspettoCollegamentoPri(const ModuleDIC& d, int i);
std::optional<AspettoCollegamento> AspettoCollegamentoSec(const ModuleDIC& d, int i);

// ---- placement buttons
struct AspettoPosizione {
    std::string caption;   // "H1" ... "L2"
    std::string tooltip;   // "Avvolgimento nella Gola H del Rocchetto 1 " ...
};
// Rows tested in the order H1, H2, I1, I2, L1, L2; the last match wins;
// nullopt when none matches.
std::optional<AspettoPosizione> AspettoPosizioneAvv(int16_t roch1, int16_t roch2, int16_t golaH,
                                                    int16_t golaI, int16_t golaL);
std::optional<AspettoPosizione> AspettoPosizionePri(const ModuleDIC& d, int i);
std::optional<AspettoPosizione> AspettoPosizioneSec(const ModuleDIC& d, int i);

// ---- input check before every calculation
struct EsitoOrdinamento {
    bool scambioPri = false;   // at least one pair of primaries changed places
    bool scambioSec = false;
    Indici priIsolati{};       // windings whose connection button must show "I"
    Indici secIsolati{};
};

// Orders the primaries, then the secondaries, by decreasing voltage (strict
// comparison, restarting after every exchange). Two windings that change
// places swap their voltage texts (and secondary power texts) in the general
// text form, become isolated and keep their placement. A winding in series
// with a winding that moved becomes isolated too. A text that is not a
// number is never compared, so its winding stays where it is.
EsitoOrdinamento OrdinaAvvolgimenti(ModuleDIC& d, TestiAvvolgimenti& t);

// The current text of secondary i after a change of its voltage text:
// x < 1 "0.0##", 1 < x < 99 "##0.0##", otherwise "##0.0#".
std::string TestoCorrenteSec(float x);

// Rewrites the current text of every secondary in use whose voltage text no
// longer equals SecVolt(i). A zero voltage or a text that is not a number
// leaves the current text alone.
void RicalcolaCorrentiSec(const ModuleDIC& d, TestiAvvolgimenti& t);

// ---- winding counts
// The count list of one side now reads n (1..12): sets PriUlt = n-1 and
// isolates the last winding in use and every dropped one, and every winding
// whose series partner is not a later winding in use. Returns the windings
// whose button must show "I". Placements are not touched here.
Indici CambiaNumeroAvvPri(ModuleDIC& d, int n);
Indici CambiaNumeroAvvSec(ModuleDIC& d, int n);

}  // namespace inputalim
