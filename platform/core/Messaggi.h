// Message boxes as the whole program asks for them: the engine and the file
// code speak to this interface, the Qt layer shows the box, a test answers it.
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

// Shows nothing and answers OK: for a calculation run only to look at its
// figures, where no one is there to read a box.
struct MessaggiTaciuti : IMessaggi {
    int MsgBox(const std::string&, int, const std::string&) override { return mb::Ok; }
};
