// The check of an opened project, as its window would check typed input: a
// value that no field or list of the kind's window takes, a connection letter
// no dialog writes, a wire or lamination that neither a library editor nor
// the calculation writes, or a stack value the calculation cannot take
// refuses the file.
#pragma once

#include <string>

#include "engine/ModuleDIC.h"

namespace progetto {

// The first value of `d` that its window would not take, in the window's own
// words with the value ("Potenza Avvolgimento Secondario Fuori Limiti
// (Secondario 2: -1000)"); empty when there is none.
std::string ValoreFuoriLimiti(const ModuleDIC& d);

}  // namespace progetto
