// What the wire dialog does to the wire table, without the dialog: the rows a
// column holds, and the user's own wire (row 38) computed from its typed
// diameters and copper coefficients.
#pragma once

#include <array>
#include <string>

#include "platform/core/Messaggi.h"
#include "engine/ModuleDIC.h"

inline constexpr int FILO_FUORI_FORMATO = 38;  // row of the user's own wire

// What follows from a wire's bare and enamelled diameters (mm), its fill
// coefficient `kf`, resistivity `ohm` (ohm mm2/m) and specific weight
// `pesSpe` (kg/dm3): section (mm2), turns per cm, ohm per metre and grams per
// metre, each a Single.
struct DatiFilo {
    float sezione, spireCM, resistenza, peso;
};
DatiFilo CalcolaDatiFilo(float nudo, float isolato, float kf, double ohm, double pesSpe);

// The same into row `riga` of column `colonna` from its diameters; `kf` is
// also the row's Kf. The caller makes sure both diameters and kf are above zero.
void CalcolaFilo(ModuleDIC& d, int riga, int colonna, float kf, double ohm, double pesSpe);

// The wire table column of a winding index as NumAvvScelto holds it: rounded,
// kept within the table.
int ColonnaFilo(float numAvvScelto);
// The wire table row a winding keeps (FiloScelto, PriFiloRiga ...): rounded,
// kept within the table.
int RigaFiloTab(float riga);

// The library wires of a column: rows 0.. up to its first zero bare diameter
// (at most 38). Rows from there to 37 are zeroed. The count is the column's
// own, whatever NumElementi a later read of another column left.
int ContaFiliColonna(ModuleDIC& d, int colonna);

// The boxes of the user's own wire, in the order they are checked.
enum CampoFiloFuori { FF_NUDO, FF_ISOLATO, FF_KF, FF_OHM, FF_PESSPE, FF_NUM };
using TestiFiloFuori = std::array<std::string, FF_NUM>;

// True when every box holds a number at least as large as the least value
// the computation takes (0,001 mm, 0,001 mm, 0,09, 0,0001, 0,09): the
// compute button is then enabled.
bool DatiFiloPresenti(const TestiFiloFuori& t);

// Checks the boxes in order (a box that is empty, no number, zero or negative
// is missing; the enamelled diameter must be above the bare one), showing the
// first failure's message; on success writes row 38 of the column: the two
// diameters, the three coefficients and what follows from them. No range is
// checked here. False, with nothing written, when a check failed.
bool CalcolaFiloFuoriFormato(ModuleDIC& d, int colonna, const TestiFiloFuori& t, IMessaggi& msg);
