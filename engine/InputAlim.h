// What a design window does with its winding inputs that needs no widget:
// ordering the windings by voltage, rewriting the secondary current texts,
// resetting connections after a count change, and the captions, colours and
// tooltips of the connection and placement buttons.
//
// Each routine works on one side through a Lato and takes the window's number
// of windings a side (12 for the single-phase window, 9 for the three-phase
// ones). The single-phase window hands its texts over in DatiAlimTesti, calls
// these routines and writes back what they return; tests call them directly.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/ModuleDIC.h"

namespace inputalim {

// The single-phase window shows twelve windings per side (index 0..11).
inline constexpr int NUM_AVV = 12;

using Indici = std::array<bool, AVV_MAX>;   // one mark per winding

// Index of the last winding in use from PriUlt/SecUlt (a Single used as a
// loop bound): -1 when none, never above numAvv - 1.
inline int UltimoIndice(float ult, int numAvv = NUM_AVV) { return UltimoAvvolgimento(ult, numAvv - 1); }

}  // namespace inputalim

// The texts of the single-phase window's lists and winding boxes, as the window
// shows them (decimal comma: "230", "1,0", "2,5"). The window fills it before
// the input check and the pass; the engine reorders the winding texts in it
// and reads the rest, so it runs without any window.
struct DatiAlimTesti {
    static constexpr int MaxAvv = inputalim::NUM_AVV;  // windings per side

    std::string Cmb_PriNumAvv;  // "1" .. "12"
    std::string Cmb_SecNumAvv;  // "1" .. "12"
    std::string Cmb_Frequenza;  // "50", "60"
    std::string Cmb_Induzione;  // T
    std::string Cmb_Densita;    // A/mm²
    std::string Cmb_CoefK;
    std::array<std::string, MaxAvv> Txt_PriVolt{};  // V
    std::array<std::string, MaxAvv> Txt_SecVolt{};  // V
    std::array<std::string, MaxAvv> Txt_SecAmp{};   // A
    std::array<std::string, MaxAvv> Txt_SecPot{};   // VA
};

namespace inputalim {

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
std::optional<AspettoCollegamento> Collegamento(const LatoC& l, int i);

// After the connection dialog of secondary i: a voltage tap takes the power
// of its partner n (SecPot(n-1), as the last calculation left it) and the
// current that power gives at its own voltage. Anything else, or a partner
// outside the winding arrays, changes nothing; at voltage 0 the current stays
// as it is. Says which of the two were written.
struct EsitoPresa {
    bool potenza = false;
    bool corrente = false;
};
EsitoPresa PotenzaPresaSec(ModuleDIC& d, int i);

// ---- placement buttons
struct AspettoPosizione {
    std::string caption;   // "H1" ... "L2"
    std::string tooltip;   // "Avvolgimento nella Gola H del Rocchetto 1 " ...
};
// Rows tested in the order H1, H2, I1, I2, L1, L2; the last match wins;
// nullopt when none matches.
std::optional<AspettoPosizione> Posizione(const LatoC& l, int i);

// ---- input check before every calculation
struct EsitoOrdinamento {
    bool scambioPri = false;   // at least one pair of primaries changed places
    bool scambioSec = false;
    Indici priIsolati{};       // windings whose connection button must show "I"
    Indici secIsolati{};
};

// Orders the windings 0..numAvv-1 of one side by decreasing voltage (strict
// comparison, restarting after every exchange). Two windings that change
// places swap their voltage texts (and power texts, when given) in the
// general text form, become isolated and keep their placement. A winding in
// series with a winding that moved becomes isolated too. A text that is not
// a number is never compared, so its winding stays where it is. Returns
// whether any pair changed places; marks in `isolati` every winding isolated.
// The three-phase windows' connection letters, when given, move as they are.
bool OrdinaLato(Lato l, std::span<std::string> volt, std::span<std::string> pot, int numAvv,
                Indici& isolati, std::span<std::string> lettere = {});

// The same order of the texts alone, for a window whose windings keep their
// connections and placement (the autotransformer's taps).
bool OrdinaTesti(const LatoC& l, std::span<std::string> volt, std::span<std::string> pot, int numAvv);

// The three-phase autotransformer's order: the connection letters and the
// placements move with the texts, the taps stay at their places.
bool OrdinaPrese(Lato l, std::span<std::string> volt, std::span<std::string> pot, int numAvv,
                 std::span<std::string> lettere);

// The single-phase window: primaries by their voltage, then secondaries by
// theirs, carrying their power texts.
EsitoOrdinamento OrdinaAvvolgimenti(ModuleDIC& d, DatiAlimTesti& t);

// The current text of secondary i after a change of its voltage text:
// x < 1 "0.0##", 1 < x < 99 "##0.0##", otherwise "##0.0#".
std::string TestoCorrenteSec(float x);

// The current text for a power text and a voltage text (power / voltage,
// under the masks of TestoCorrenteSec); nullopt when either is no number or
// the voltage is 0, and the current text stays as it is.
std::optional<std::string> TestoCorrente(std::string_view pot, std::string_view volt);

// Rewrites the current text of every secondary in use whose voltage text no
// longer equals SecVolt(i).
void RicalcolaCorrentiSec(const ModuleDIC& d, DatiAlimTesti& t);

// ---- winding counts
// The count list of one side now reads n (1..numAvv): sets Ult = n-1 and
// isolates the last winding in use and every dropped one, and every winding
// whose series partner is not a later winding in use. Returns the windings
// whose button must show "I". Placements are not touched here.
Indici CambiaNumeroAvv(Lato l, int n, int numAvv = NUM_AVV);

}  // namespace inputalim
