// What a three-phase window does with its winding inputs that needs no
// widget: the connection letters, the phase and line values of a secondary by
// its letter, the primaries' line voltages and line results, and the texts
// written into boxes the calculation reads back. The three-phase windows and
// the tests call them directly.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/ModuleDIC.h"

namespace inputtrif {

// The connection letters the letter dialogs write, compared exactly: a
// primary's "D" or "Y", a secondary's "d", "y" or "z"; any other text (the
// empty one too) is no letter.
bool LetteraPri(std::string_view t);
bool LetteraSec(std::string_view t);
// What the program says of a winding in use that has none.
inline constexpr const char* NESSUNA_LETTERA = "Non è Stato Specificato il Tipo di Collegamento";

// The text a box gets for a Single under `maschera` (its 7-digit value
// rounded by the mask, as every window shows a Single), except that a nonzero
// value the mask would show as zero ("0,0") keeps three decimals ("0.0##"):
// the calculation reads the box back and must not read 0. A figure with √3
// in it stays in double precision up to its text, by the same rule.
std::string TestoCasella(float v, const char* maschera = "##0.0");

// How a window shows a secondary's phase and line values: the transformer's
// way by default; the autotransformer's zig-zag line voltage is 2√3 times the
// phase voltage and its currents keep three decimals.
struct Formato {
    double zigzag = 3.0;              // line / phase voltage of "z" in the line view
    const char* corrente = "##0.0";   // the line current of either view, a phase current from a line one
};

// The three line boxes of a secondary from its phase voltage, current and
// power: the phase view (the phase values, a zig-zag's voltage and power by
// √3) or the line view (delta: current by √3; star: voltage by √3; zig-zag:
// voltage by the window's factor, power by 3√3; every letter: power by 3,
// except zig-zag). `lettera` says whether the winding has a letter (else the
// message is due).
struct VistaSec {
    std::string volt, amp, pot;
    bool lettera = true;
};
VistaSec VistaFase(std::string_view lettera, float v, float i, float p, const Formato& f = {});
VistaSec VistaLinea(std::string_view lettera, float v, float i, float p, const Formato& f = {});

// The line voltage text of a primary: delta the phase voltage, star by √3,
// no letter the phase voltage (and the message is due).
struct TestoLettera {
    std::string testo;
    bool lettera = true;
};
TestoLettera TensioneLineaPri(std::string_view lettera, float v);

// The box a phase or line box rewrites when left, by the winding's letter:
// a primary's other voltage, or a secondary's phase value from its line
// value. Without a letter the value is copied as it is (and the message is
// due). The text goes through "##0.0", a current through the window's mask.
enum class Conversione { PriVolt, PriVoltLin, SecVoltLin, SecAmpLin, SecPotLin };
TestoLettera Converti(Conversione c, std::string_view lettera, float x, const Formato& f = {});

// The texts of the line current (under `mascheraAmp`) and three-phase power
// ("##0.0") of a primary for its labels, by its letter: delta current by √3,
// star the same; power by 3 for both; nullopt for any other letter, whose
// labels keep what they show.
struct LineaPri {
    std::string amp, pot;
};
std::optional<LineaPri> LineaPrimario(std::string_view lettera, float amp, float pot, const char* mascheraAmp);

// The letter button of winding i is enabled unless the winding is a tap in
// series with another one.
bool LetteraAbilitata(const LatoC& l, int i);

}  // namespace inputtrif
