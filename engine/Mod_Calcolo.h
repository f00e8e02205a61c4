// The steps of a calculation pass that follow the reader and the power
// routine: the same for the four kinds of mains transformer but for the
// routine each kind takes at some of them.
#pragma once

#include "engine/ModuleDIC.h"
#include "platform/core/Messaggi.h"

// From the stack to the fit check, for the kinds Monofase to AutoTrifase:
// the stack sized from the power that sizes the core (PotPass for an
// autotransformer, SecPotTot otherwise) when the power is given, else the
// coefficient and the iron loss of the chosen lamination for that power on
// one leg or three; the bobbin check (three bobbins side by side for three
// phases); the turns (of a tapped winding for an autotransformer); the wire
// diameters, then an autotransformer's common section; the wire choice; and
// RicalcoloAvvolgimenti.
void CompletaCalcolo(ModuleDIC& d, tipo::Calcolo genere, IMessaggi& msg);

// Winding build, copper losses (three legs of each winding for three phases),
// groove sums and fit check, keeping the wires as they are.
void RicalcoloAvvolgimenti(ModuleDIC& d, bool trifase, IMessaggi& msg);
