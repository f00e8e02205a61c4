// Message boxes on screen, and the process-wide hook through which every
// window and dialog shows them (so tests answer them without a person).
#pragma once

#include <functional>
#include <string>

#include <QString>

#include "platform/core/Messaggi.h"

class QAbstractButton;
class QMessageBox;
class QWidget;

// A modal QMessageBox over the active window: style = buttons + icon as in
// mb:: (OkOnly, OkCancel, YesNoCancel, YesNo; Critical, Question, Exclamation,
// Information; icons from the style). Buttons read "OK", "Sì", "No",
// "Annulla", the first one is the default.  Returns mb::Ok, mb::Yes (6),
// mb::No (7) or mb::Cancel (2). Esc and the title bar's close button answer
// Cancel when the box has it, Ok when OK is its only button; a Yes/No box is
// answered by its buttons only. A box is never narrower than a window
// manager's title bar needs to show its whole title, unless its screen is.
class MessaggiQt : public IMessaggi {
public:
    int MsgBox(const std::string& testo, int stile, const std::string& titolo) override;

    // Builds the box without showing it (objectName "MsgBox").
    static QMessageBox* Crea(const QString& testo, int stile, const QString& titolo, QWidget* parent);
    // The answer for the button that closed the box (nullptr: none).
    static int Risposta(QMessageBox* box, QAbstractButton* premuto);
};

namespace Piattaforma {
// The message boxes every window uses; by default a MessaggiQt.
IMessaggi& Messaggi();
// Replaces them (tests); nullptr restores the default. Not owned.
void ImpostaMessaggi(IMessaggi* m);
// Shortcut for Qt code: Messaggi().MsgBox with QString texts.
int MsgBox(const QString& testo, int stile, const QString& titolo);
// What lies under a box and must show at once when it appears: `ridisegna`
// runs right before every box is shown on screen (a window paints there the
// figures it has just written, which would otherwise wait for the box to
// close). One per `chi`; an empty function removes it.
void PrimaDiOgniMessaggio(const void* chi, std::function<void()> ridisegna);
}  // namespace Piattaforma
