// What the engine needs of a window, as small interfaces: a window implements
// them, a test fakes them, and the engine never sees a widget.
#pragma once

#include <string>

#include "platform/core/Messaggi.h"

// The design window's drop-down list of sizing coefficients (Cmb_CoefK).
class ICoefKLista {
public:
    virtual ~ICoefKLista() = default;
    virtual void Svuota() = 0;
    virtual void Aggiungi(const std::string& voce) = 0;
    virtual void Seleziona(int indice) = 0;
    virtual int Conta() const = 0;
    virtual std::string Voce(int indice) const = 0;
};
