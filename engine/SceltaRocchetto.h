// What the bobbin dialog's "Calcola Rocchetto" does to the design data,
// without the dialog: the user's own bobbin, typed as texts, checked against
// the lamination in use and the stack, then written as row 1 of the bobbin
// table.
#pragma once

#include <string>

#include "engine/Interfacce.h"
#include "engine/ModuleDIC.h"

inline constexpr int ROCH_UTENTE = 1;  // row of the user's own bobbin

// The measure boxes as typed (decimal comma) and the type text.
struct TestiRocchetto {
    std::string C, Sp, M, Tipo, H, I, L;
};

// The dialog's options: two bobbins, and the one-groove (H) or two-groove
// (I and L) choice of each bobbin.
struct OpzioniRocchetto {
    bool due = false;
    bool gola1R1 = true, gola2R1 = false;
    bool gola1R2 = true, gola2R2 = false;
};

// A missing measure (or one that is no number) and a measure out of
// tolerance are refused with their message and write nothing (false). An
// inner depth out of tolerance asks whether to resize the stack (Yes: the
// stack becomes Spr - 1 with its section, weight, iron loss and power range,
// unless that is thinner than SPESSORE_PACCO_MINIMO; otherwise a message
// names the stack and Spr) and is kept either way. On success row 1 takes
// the measures, with the groove heights not typed derived from those typed,
// RochDue follows the options and RochPersCalcolato is set.
// The single-phase kinds and the output transformer take their own
// tolerances; the three-phase kinds check Cr, M and Spr as every later
// calculation pass will.
bool CalcolaRocchettoUtente(ModuleDIC& d, const TestiRocchetto& t, const OpzioniRocchetto& o,
                            IMessaggi& msg);

// "Un  Rocchetto" or "Due Rocchetti" clicked: RochDue, and the winding depth
// of the bobbin row in use from the lamination's window, F - 2 (half of it
// on each of two bobbins), with that row's groove spaces. A window narrower
// than the bobbin's 2 mm of walls gives a depth below nothing, as the dialog
// has always written it. Returns that bobbin row.
int NumeroRocchetti(ModuleDIC& d, bool due);
