// A text field for numbers typed with the decimal comma (and, in the Nome
// kind, for names), with the key filter every window and dialog uses:
//
// Numero (default), with length limit N and L = length of the text the key
// leaves standing (the selected part is what a typed or pasted text replaces,
// so it counts neither for the length nor for the comma):
//  - L < N: a digit passes; a comma passes only if the text left standing
//    holds no comma yet; Backspace passes; Enter runs the check (focus stays);
//    every other character (point, minus, letters, blank, Ctrl+V and the other
//    Ctrl+letter keys) is refused with a beep; the keypad's decimal key types
//    a comma;
//  - L >= N: Backspace passes, Enter runs the check, every other character is
//    refused with a beep.
// Nome: L < N: every key passes (Enter does nothing); L >= N: Backspace
//    passes, Enter runs the check, everything else is refused with a beep.
// Keys that type no character pass in both kinds: Delete, arrows, Home/End,
// Tab, Page keys.
// Text brought in without typing (context-menu paste, keyboard paste,
// drag and drop, middle-click paste, input method) is taken only when typing
// it character by character would pass the filter; otherwise nothing changes
// and the computer beeps. A field that takes a drop takes the focus with it,
// as a click would. setText() is not filtered (the program's own texts may be
// longer than N).
//
// The check (the field's LostFocus handler) runs on focus loss as LostFocus.h
// describes, and on Enter; connect to lostFocusCheck() or pass a function to
// ImpostaControllo(). The text is the user's own while Qt's modified flag
// says so: Qt sets it on each edit and clears it on each text the program
// writes (setText, a check's default included); leaving the field or a
// command takes it, Enter does not. A field given its range (ImpostaLimiti)
// judges its value with Verifica(): a refused value brings the range's
// message, the yellow background and the default text, the same in every
// window and dialog; when the field keeps the focus after its check, that
// text is selected, so the keys typed next replace it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QLineEdit>

#include "platform/core/Limiti.h"
#include "platform/ui/LostFocus.h"

class CampoNumerico : public QLineEdit {
    Q_OBJECT
public:
    enum class Tipo { Numero, Nome };

    // The values a field takes (both ends accepted) and what a refused one
    // brings: the message box's text and title, and the text put back. A range
    // with no message only colours the field (the library editors' fields).
    using Limiti = LimiteCampo;

    // With Uscita::SeProprio, leaving the field runs its check only on a text
    // of the user's own (a design window's box).
    explicit CampoNumerico(QWidget* parent = nullptr, int limite = 4, Tipo tipo = Tipo::Numero,
                           LostFocus::Uscita uscita = LostFocus::Uscita::Sempre);

    void ImpostaLimite(int n) { limite_ = n; }
    int Limite() const { return limite_; }
    Tipo TipoCampo() const { return tipo_; }

    // The check that runs on focus loss and on Enter (besides the signal).
    void ImpostaControllo(std::function<void()> f);
    // Runs the check now, as Enter does; ignored while the check is already running.
    void EseguiControllo();
    bool ControlloInCorso() const;

    void ImpostaLimiti(const Limiti& l) { limiti_ = l; }
    const std::optional<Limiti>& LimitiCampo() const { return limiti_; }
    // A text that is no number, or a number out of the range, brings the
    // range's message (OK, exclamation); then the field turns yellow and shows
    // the default text. True when the value was taken. A field without a
    // range takes every text. With a range that has no message the field
    // refuses silently: it turns yellow (and shows the default text, when the
    // range has one) when refused, white when taken.
    bool Verifica();

    // Background yellow (255,255,0) or white.
    void SetGiallo(bool giallo);
    bool Giallo() const;

    // The text as a Single with the decimal comma; nullopt if it is not a number.
    std::optional<float> Valore() const;
    std::string TestoU8() const;
    void ImpostaTestoU8(const std::string& s);

    // Whether typing `s` character by character would pass the filter now,
    // over the selection (sostituisce) or inserted beside it (a drop).
    bool FiltroAccetta(const QString& s, bool sostituisce = true) const;

signals:
    void lostFocusCheck();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    // The text a key leaves standing: without the selection it replaces.
    QString TestoRestante(bool sostituisce) const;
    // Inserts s at the cursor if the filter accepts it, else beeps.
    void InserisciFiltrato(const QString& s);
    // Whether a text dragged over the field may be dropped beside its selection.
    bool PrendeTrascinato(const QDropEvent* e) const;
    // A refused value: the range's default text back in the field.
    void RimettiPredefinito();

    int limite_;
    Tipo tipo_;
    LostFocus* sentinella_;
    std::function<void()> controllo_;
    std::optional<Limiti> limiti_;
    // The running check put the default back.
    bool rifiutato_ = false;
};
