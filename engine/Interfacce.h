// What the engine needs of a window, as small interfaces: a window implements
// them, a test fakes them, and the engine never sees a widget.
#pragma once

#include <string>

// Message box styles and answers, with the values the rest of the program
// already speaks in (Risposta holds 6 for Yes, 7 for No).
namespace mb {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;

inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace mb

// Shows a modal message box: style = buttons + icon (mb::YesNo + mb::Question ...).
// Texts are UTF-8; lines are separated by "\n". Returns the answer (mb::Ok ...).
class IMessaggi {
public:
    virtual ~IMessaggi() = default;
    virtual int MsgBox(const std::string& testo, int stile, const std::string& titolo) = 0;
};

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
