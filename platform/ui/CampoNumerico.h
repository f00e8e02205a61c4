// A text field for numbers typed with the decimal comma (and, in the Nome
// kind, for names), with the key filter of the program's forms:
//
// Numero (default), with length limit N and L = length of the text before the
// key (any selection is ignored):
//  - L < N: a digit passes; a comma passes only if the whole text holds no
//    comma yet; Backspace passes; Enter runs the check (focus stays);
//    every other character (point, minus, letters, blank, Ctrl+V and the other
//    Ctrl+letter keys) is refused with a beep;
//  - L >= N: Backspace passes, Enter runs the check, every other character is
//    refused with a beep.
// Nome: L < N: every key passes (Enter does nothing); L >= N: Backspace
//    passes, Enter runs the check, everything else is refused with a beep.
// Keys that type no character pass in both kinds: Delete, arrows, Home/End,
// Tab, Page keys.
// Text brought in without typing (context-menu paste, keyboard paste,
// drag and drop, middle-click paste, input method) is taken only when typing
// it character by character would pass the filter; otherwise nothing changes
// and the computer beeps.  setText() is not filtered (the program's own
// texts may be longer than N).
//
// The check (the field's LostFocus handler) runs on focus loss as LostFocus.h
// describes, and on Enter; connect to lostFocusCheck() or pass a function to
// ImpostaControllo().
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QLineEdit>

class LostFocus;

class CampoNumerico : public QLineEdit {
    Q_OBJECT
public:
    enum class Tipo { Numero, Nome };

    explicit CampoNumerico(QWidget* parent = nullptr, int limite = 4, Tipo tipo = Tipo::Numero);

    void ImpostaLimite(int n) { limite_ = n; }
    int Limite() const { return limite_; }
    Tipo TipoCampo() const { return tipo_; }

    // The check that runs on focus loss and on Enter (besides the signal).
    void ImpostaControllo(std::function<void()> f);
    // Runs the check now; ignored while the check is already running.
    void EseguiControllo();
    bool ControlloInCorso() const;

    // Background yellow (255,255,0) or white.
    void SetGiallo(bool giallo);
    bool Giallo() const;

    // The text as a Single with the decimal comma; nullopt if it is not a number.
    std::optional<float> Valore() const;
    std::string TestoU8() const;
    void ImpostaTestoU8(const std::string& s);

    // Whether typing `s` character by character would pass the filter now.
    bool FiltroAccetta(const QString& s) const;

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
    // Inserts s at the cursor if the filter accepts it, else beeps.
    void InserisciFiltrato(const QString& s);

    int limite_;
    Tipo tipo_;
    LostFocus* fuoco_;
    std::function<void()> controllo_;
};
