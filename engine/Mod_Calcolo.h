// The steps of a calculation pass that follow the reader and the power
// routine: the same for the four kinds of mains transformer but for the
// steps each kind hands over in its PassiGenere.
#pragma once

#include "engine/ModuleDIC.h"
#include "platform/core/Messaggi.h"

// What a kind of mains transformer brings to the common steps.
struct PassiGenere {
    bool trifase;                      // three legs, three bobbins side by side
    float ModuleDIC::*potenzaNucleo;   // the power that sizes the core
    void (*spire)(ModuleDIC&);         // the turns of its windings
    // After the wire diameters, before the wire choice (null: nothing).
    void (*dopoDiametri)(ModuleDIC&) = nullptr;
};

// The steps of the transformer, single- or three-phase: the core sized from
// the secondaries' total power, the turns of every winding from the e.m.f.
PassiGenere PassiRete(bool trifase);

// From the stack to the fit check, for the kinds Monofase to AutoTrifase:
// the stack sized from the kind's core power when the power is given, else
// the coefficient and the iron loss of the chosen lamination for that power
// on one leg or three; the bobbin check (three bobbins side by side for three
// phases); the kind's turns; the wire diameters and the kind's step after
// them; the wire choice; and RicalcoloAvvolgimenti.
void CompletaCalcolo(ModuleDIC& d, const PassiGenere& genere, IMessaggi& msg);

// Winding build, copper losses (three legs of each winding for three phases),
// groove sums and fit check, keeping the wires as they are.
void RicalcoloAvvolgimenti(ModuleDIC& d, bool trifase, IMessaggi& msg);
