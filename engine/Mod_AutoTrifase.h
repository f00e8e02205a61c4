// The three-phase autotransformer: one tapped phase winding on each leg,
// connected in delta or star. Its routines are the three-phase ones with the
// autotransformer's coefficient, own power and common section, on phase values.
#pragma once

#include "engine/Mod_AutoTrasf.h"
#include "engine/Mod_Trif.h"

// Reads the window as the three-phase transformer's reader does.
inline void LeggiDatiAutoTrif(ModuleDIC& d, const DatiTrifTesti& t) { LeggiDatiTrif(d, t); }

// The three-phase totals and primary phase powers, then the no-load voltage
// of all nine secondary places, CoefAuto and PotPass.
void CalcolaPotenzeAutoTrif(ModuleDIC& d);

// The current and bare diameter of the common section, from phase values.
inline void CalcolaCorrentiAutoTrif(ModuleDIC& d) { CalcolaCorrentiAuto(d); }

// One whole calculation pass after the window's input check: reader, powers,
// stack (sized from PotPass, or the coefficient of the chosen lamination for
// three legs), three-phase bobbin check, tapped-winding turns, wire
// diameters, common section, wire choice, winding build, three-phase losses,
// groove sums and fit check. After the dialogs the window runs
// RicalcoloAvvolgimentiTrif.
void CalcoloAutoTrif(ModuleDIC& d, const DatiTrifTesti& t, IMessaggi& msg);
