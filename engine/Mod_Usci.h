// The output transformer of a valve amplifier: its reader, its power routine,
// the winding sections of the secondary configurations, and the calculation
// pass the window runs.
//
// Slots: element 16 of the primary arrays holds the whole primary as typed,
// elements 16..18 of the secondary arrays the three load impedances; the
// sections actually wound lie in slots 0 onward, where the rest of the engine
// treats them as ordinary windings.
#pragma once

#include <array>
#include <string>

#include "engine/ModuleDIC.h"
#include "platform/core/Messaggi.h"

inline constexpr int SLOT_USCI = 16;  // the whole primary, the first load impedance

// The texts of the output transformer window's lists and boxes, as shown
// (decimal comma). The window fills it before a pass; the engine only reads it.
struct DatiUsciTesti {
    static constexpr int MaxAvv = 12;  // sections per side

    std::string Cmb_PriNumAvv;  // "1" .. "12"
    std::string Cmb_SecNumAvv;  // "1" .. "12"
    std::string Cmb_SecTipo;    // "N", "A" .. "H"
    std::string Cmb_Frequenza;  // Hz
    std::string Cmb_Induzione;  // T
    std::string Cmb_Densita;    // A/mm²
    std::string Txt_PriImp;     // element 16: primary impedance, ohm
    std::string Txt_PriAmp;     // element 16: primary current, A
    std::array<std::string, 3> Txt_SecImp{};  // elements 16, 17, 18: load impedances, ohm
};

// The design a new output transformer window starts from, belonging to no
// file: 6250 ohm at 0,04 A (10 W), loads of 8, 7 and 6 ohm taking 72,75 % of
// it, configuration N, single-ended, the power-given mode, iron loss 1,5
// W/kg, the computed bobbin with its default insulation, every section
// isolated in groove H of bobbin 1 (the window's count lists then say how
// many are in use). Libraries and lists come from the window.
void ProgettoPredefinitoUsci(ModuleDIC& d);

// Copies the window's texts into the design data. SecTipo is taken as it
// stands; a text that does not convert leaves its variable, a count outside
// 1..12 too.
void LeggiDatiUsci(ModuleDIC& d, const DatiUsciTesti& t);

// Primary power and voltage from its impedance and current; efficiency,
// secondary power and voltage drop from the primary power; the voltage and
// current each load impedance needs at the whole secondary power.
void CalcolaPotenzeUsci(ModuleDIC& d);

// E.m.f. per turn, turns of the whole primary and of each load impedance,
// rounded to divide evenly into the sections of the configuration SecTipo
// (push-pull or single-ended), the sections with their voltage, current,
// power and impedance, the primary inductance and the air gap.
void CalcolaAvvolgimentiUsci(ModuleDIC& d);

// One whole calculation pass after the window's input check: reader, powers,
// stack (sized from the primary power) or only the iron loss of the chosen
// lamination, bobbin check, sections, wire diameters and choice, winding
// build, losses, groove sums and fit check.
void CalcoloUsci(ModuleDIC& d, const DatiUsciTesti& t, IMessaggi& msg);
