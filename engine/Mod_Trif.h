// The three-phase power transformer: its reader, its power routine and the
// calculation pass the window runs. Every winding stands for one phase
// winding, repeated on each of the three legs; the window keeps its phase and
// line values consistent through the connection letter.
#pragma once

#include <array>
#include <string>

#include "engine/InputAlim.h"
#include "engine/ModuleDIC.h"
#include "platform/core/Messaggi.h"

// The three-phase windows show nine windings a side.
inline constexpr int TRIF_NUM_AVV = 9;

// The texts of a three-phase window: the lists and the phase values as the
// single-phase window has them (only the first nine windings are read), and
// the line values of every winding.
struct DatiTrifTesti : DatiAlimTesti {
    std::array<std::string, TRIF_NUM_AVV> Txt_PriVoltLin{};  // V
    std::array<std::string, TRIF_NUM_AVV> Txt_SecVoltLin{};  // V
    std::array<std::string, TRIF_NUM_AVV> Txt_SecAmpLin{};   // A
    std::array<std::string, TRIF_NUM_AVV> Txt_SecPotLin{};   // VA, the winding's whole three-phase power
};

// Copies the window's texts into the design data, phase and line values. A
// text that does not convert leaves its variable as it was; a count outside
// 1..9 too.
void LeggiDatiTrif(ModuleDIC& d, const DatiTrifTesti& t);
// Its line values alone, of the windings in use: the primaries' line
// voltages, or the secondaries' line voltage, current and power.
void LeggiLineePri(ModuleDIC& d, const DatiTrifTesti& t);
void LeggiLineeSec(ModuleDIC& d, const DatiTrifTesti& t);

// Total secondary power from the windings' three-phase powers (a zig-zag
// winding counts 2/√3 of its power, a "b" winding 1,5), efficiency, primary
// power, voltage drop, and the phase power (a third of the total) and phase
// current of every primary.
void CalcolaPotenzeTrif(ModuleDIC& d);

// One whole calculation pass after the window's input check: reader, powers,
// stack (sized from the power, or the coefficient of the chosen lamination
// for three legs), three-phase bobbin check, turns, wire diameters, wire
// choice, winding build, losses, groove sums and fit check.
void CalcoloTrif(ModuleDIC& d, const DatiTrifTesti& t, IMessaggi& msg);

// After the wire, insulation, placement and bobbin dialogs: winding build,
// three-phase losses and groove sums and the fit check, keeping the wires.
void RicalcoloAvvolgimentiTrif(ModuleDIC& d, IMessaggi& msg);
