// What the output transformer window does with its inputs that needs no
// widget: the secondary configurations (what each letter sets on screen),
// the load impedances derived and ordered before every calculation, and the
// fixed placement of the winding sections on the bobbin.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/ModuleDIC.h"

namespace inputusci {

// Sections a side the window shows.
inline constexpr int NUM_AVV = 12;

// A stage a configuration forces.
enum class Stadio : int8_t { Libero, Single, Push };

// One secondary configuration as the window applies it.
struct Configurazione {
    char lettera;             // 'N', 'A' .. 'H'
    const char* commento;     // the description shown beside the list
    Stadio forzato;           // E single-ended only, F push-pull only
    bool conteggiLiberi;      // the count lists stay open to the user (N)
    bool impedenza17;         // the second load impedance is typed (A)
    bool frame2, frame3;      // the second and third load frames shown
    // Primary / secondary sections, single-ended then push-pull (N: none, the
    // counts stay as they are).
    int8_t priSingle, secSingle, priPush, secPush;
};

// The row of a letter; null for any other text (compared exactly).
const Configurazione* TrovaConfigurazione(const std::string& tipo);

// The three load impedance texts (16, 17, 18) before a calculation, by the
// stored letter: the further taps derived from the first (B..H), 17 and 18
// shown with one decimal, and the impedances the letter uses (A: two, B..H:
// three, none for any other) ordered from the largest. A text that is no
// number is left as it is and never compared.
void ControllaInputDatiUsci(const std::string& secTipo, std::array<std::string, 3>& imp);

// Places every section in use by the core's shape and the stage: a shell or
// three-leg core single-ended on one bobbin in one groove (H), push-pull on
// one bobbin with two grooves, the sections alternating I and L; a two-leg
// core alternating bobbin 1 and bobbin 2, groove H, its bobbins as they are.
void PosizionaAvvRocch(ModuleDIC& d);

}  // namespace inputusci
