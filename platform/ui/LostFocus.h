// A check that runs when a control loses the focus to another control of its
// window, and only then:
//  - it fires when the focus moves from the control to another control of
//    the same window: mouse click, Tab, or setFocus(). The control is the
//    very widget that takes the focus (a list made editable too: its text
//    box hands the focus to the list);
//  - it does not fire when the window merely loses activation, when a popup,
//    a menu, another window or a message box takes the focus; when the
//    control's window becomes active again the control still holds the focus;
//  - it is never re-entered: while the check runs (and shows its own message
//    box) a further focus change or Enter does not start it again;
//  - closing (hiding) the window forgets the focus, so no check fires later;
//    minimizing it does not;
//  - a control disabled or hidden (itself or the page holding it) while it
//    holds the focus, or while the focus is on its way to it, forgets the
//    focus: Qt moves the focus on to the next enabled control in the Tab
//    order, forwards also after a Shift+Tab (so back to the control just
//    left), and the controls it passes run nothing. A control disabled runs
//    no check; one hidden while its window stays shown first has the user's
//    own edit taken, as a command takes it, so nothing typed is dropped;
//  - the focus stays where the user put it (or where a check put it): the
//    layer never moves it. A window's check therefore never locks (disables
//    or hides) a control on its way and unlocks it again: it sets each
//    control's state once, where it settles;
//  - a text field tabbed into has its whole text selected once the check is
//    over, also when the check rewrote that text, so the keys typed next
//    replace it; a click leaves the cursor where the user clicked;
//  - the user's own edit (Proprio) is what the control holds that no check
//    has taken yet: a text typed, a choice changed. Leaving the control and
//    a command take it; Enter checks it and leaves it the user's own, so
//    leaving afterwards runs the check once more. A control made with
//    Uscita::SeProprio runs no check when left without an edit of the
//    user's own: passing through it changes nothing;
//  - a focus change told late (a check that ran on it has moved the focus
//    on since) is judged by where the focus of the window is now, also when
//    that check has shown a message box meanwhile: a control the focus only
//    passed on its way runs nothing when the window is active again.
// The check runs synchronously inside the focus change, before a clicked
// button's click handler runs.
#pragma once

#include <functional>

#include <QObject>
#include <QWidget>

class LostFocus : public QObject {
    Q_OBJECT
public:
    // When leaving the control runs its check: always, or only when it holds
    // an edit of the user's own.
    enum class Uscita { Sempre, SeProprio };

    // Watches `controllo` (becomes its child). `proprio` tells whether it
    // holds an edit of the user's own; `prendi` (optional) takes it, once the
    // control is left or a command takes it.
    LostFocus(QWidget* controllo, Uscita uscita, std::function<bool()> proprio, std::function<void()> prendi = {});

    // Runs the check now, as Enter does; does nothing while the check runs.
    void Esegui();
    // A command (save, print, new ...) works on what the window shows: the
    // control holding the focus of `finestra` has its own edit taken as if it
    // were left, while the focus stays where it is. A control with no edit
    // of the user's own runs nothing.
    static void PrendiProprio(QWidget* finestra);
    // True while the check runs (e.g. while its message box is shown).
    bool InCorso() const { return inCorso_; }
    // True while the control holds its window's focus (also while the window
    // is inactive).
    bool HaFuoco() const { return haFuoco_; }

signals:
    void lostFocusCheck();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void FocusCambiato(QWidget* vecchio, QWidget* nuovo);
    // The check; `prende` (leaving, a command) takes the user's own edit first.
    void Controlla(bool prende);
    // The check, taking the user's own edit, when the control holds one.
    void PrendiSeProprio();

    QWidget* const controllo_;
    Uscita uscita_;
    std::function<bool()> proprio_;
    std::function<void()> prendi_;
    bool haFuoco_ = false;
    bool inCorso_ = false;
    // How the focus last left the control (a click, Tab ...).
    Qt::FocusReason motivoUscita_ = Qt::OtherFocusReason;
};
