// Why a file could not be read or written, in the user's language: the
// system's error code told in Italian, for every message that reports a
// failed save, open or print.
#pragma once

#include <string>

namespace motivi {

// The reason for a system error code (errno), as a short Italian clause to
// follow a colon ("permesso negato", "disco pieno"); any code without a text
// of its own gives a plain Italian line with its number.
std::string DiErrore(int codice);

}  // namespace motivi
