// The single-phase power transformer: its reader, its power routine and the
// calculation pass the window runs.
#pragma once

#include <array>
#include <string>

#include "engine/Interfacce.h"
#include "engine/ModuleDIC.h"

// The texts of the single-phase window's lists and winding boxes, as the window
// shows them (decimal comma: "230", "1,0", "2,5"). The window fills it before a
// pass; the engine only reads it, so it runs without any window.
struct DatiAlimTesti {
    static constexpr int MaxAvv = 12;  // windings per side

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

// Copies the window's texts into the design data: counts, frequency, flux
// density, current density, coefficient and the winding inputs. A text that
// does not convert leaves its variable as it was; a count outside 1..12 too.
void LeggiDatiAlim(ModuleDIC& d, const DatiAlimTesti& t);

// Total secondary power, efficiency, primary power, voltage drop and the
// power and current of every primary.
void CalcolaPotenzeAlim(ModuleDIC& d);

// With the lamination chosen by the user: the sizing coefficient it implies
// for the power (kept as it was when there is no power) and the iron loss.
void CalcolaCoefKLamierino(ModuleDIC& d);

// One whole calculation pass after the window's input check: reader, powers,
// stack (sized from the power, or from the chosen lamination), bobbin check,
// turns, wire diameters, wire choice, winding build, losses, groove sums and
// fit check. The window then shows the results.
void CalcoloAlim(ModuleDIC& d, const DatiAlimTesti& t, IMessaggi& msg);

// After the wire, insulation, placement and bobbin dialogs: winding build,
// losses, groove sums and fit check, keeping the wires as they are.
void RicalcoloAvvolgimentiAlim(ModuleDIC& d, IMessaggi& msg);
