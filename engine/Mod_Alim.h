// The single-phase power transformer: its reader, its power routine and the
// calculation pass the window runs.
#pragma once

#include <string_view>

#include "engine/InputAlim.h"
#include "engine/ModuleDIC.h"
#include "platform/core/Messaggi.h"

// The design a new single-phase window starts from, belonging to no file:
// 220 V primaries, 150 V 2 A secondaries (power typed, current derived), the
// sizing mode that starts from the power, the computed bobbin with its
// default insulation, every winding isolated in groove H of bobbin 1 (the window's
// count lists then say how many are in use). Libraries, lists and the
// coefficient are not touched: they come from the library files.
void ProgettoPredefinito(ModuleDIC& d);
// The same design with the bobbin table left as it is (the user's bobbin
// stays for the bobbin dialog).
void ProgettoIsolato(ModuleDIC& d);

// What the default design of every single-phase kind shares: its kind code,
// no file, the power-given mode, the computed bobbin (one bobbin, one groove)
// with the default insulation, iron loss 1,5 W/kg, two windings a side
// counted, and windings 0..numAvv-1 in groove H of bobbin 1 with
// priVolt - i and secVolt - i volts, 300 - i VA and the current that gives.
// The bobbin rows and the connections are the kind's.
void ProgettoMonofase(ModuleDIC& d, int16_t tipo, int numAvv, float priVolt, float secVolt);

// Copies the window's texts into the design data: counts, frequency, flux
// density, current density, coefficient and the winding inputs. A text that
// does not convert leaves its variable as it was; a count outside
// 1..numAvv (the windings a side the window shows) too.
void LeggiDatiAlim(ModuleDIC& d, const DatiAlimTesti& t, int numAvv = DatiAlimTesti::MaxAvv);

// A text into a Single; a text that does not convert leaves `var` as it was.
void Leggi(float& var, std::string_view testo);

// A count list's text ("1" .. numAvv) into the index of the last winding;
// any other text leaves `ult` as it was.
void LeggiNumeroAvv(float& ult, std::string_view testo, int numAvv);

// Estimated efficiency (%) and full-load voltage drop (%) of a transformer of
// the given power (VA).
float CalcolaRendimento(float potenza);
float CalcolaCadutaVolt(float potenza);

// Total secondary power, efficiency, primary power, voltage drop and the
// power and current of every primary.
void CalcolaPotenzeAlim(ModuleDIC& d);

// The power routine of every kind but the output transformer, over the
// first numAvv windings a side. With three phases (fasi 3) the total sums the
// secondaries' three-phase powers by their connection letters (a zig-zag
// "z" counts 2/√3, a "b" 1,5) and every primary takes a third of the primary
// power; with one phase the total sums the secondaries' powers and every
// primary takes the whole. A primary with no voltage carries no current.
void CalcolaPotenze(ModuleDIC& d, int fasi, int numAvv);

// One whole calculation pass after the window's input check: reader, powers,
// stack (sized from the power, or from the chosen lamination), bobbin check,
// turns, wire diameters, wire choice, winding build, losses, groove sums and
// fit check. The window then shows the results.
void CalcoloAlim(ModuleDIC& d, const DatiAlimTesti& t, IMessaggi& msg);

// After the wire, insulation, placement and bobbin dialogs: winding build,
// losses, groove sums and fit check, keeping the wires as they are.
void RicalcoloAvvolgimentiAlim(ModuleDIC& d, IMessaggi& msg);
