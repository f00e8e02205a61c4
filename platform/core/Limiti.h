// A range of values a user may type, and what a field does with a value
// outside it: the one shape shared by the fields of the windows and by the
// checks of files, which must not let in what no field accepts.
#pragma once

#include <cmath>

// A closed range of Single values (both ends accepted); NaN is never in it.
struct Limite {
    float minimo, massimo;
    bool Accetta(float v) const { return !std::isnan(v) && !(v < minimo) && !(v > massimo); }
};

// A numeric field's range, the message and title that refuse a value outside
// it, and the text put back then. Without a message the field refuses silently.
struct LimiteCampo : Limite {
    const char* messaggio = nullptr;
    const char* titolo = nullptr;
    const char* predefinito = nullptr;
};
