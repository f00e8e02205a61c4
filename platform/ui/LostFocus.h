// A check that runs when a control loses the focus to another control of its
// window, and only then:
//  - it fires when the focus moves from the control (or a child of it) to
//    another control of the same window: mouse click, Tab, or setFocus();
//  - it does not fire when the window merely loses activation, when a popup,
//    a menu, another window or a message box takes the focus; when the
//    control's window becomes active again the control still holds the focus;
//  - it is never re-entered: while the check runs (and shows its own message
//    box) a further focus change or Enter does not start it again;
//  - closing (hiding) the window forgets the focus, so no check fires later;
//  - a control disabled while it holds the focus, or while the focus is on
//    its way to it, runs no check and forgets the focus: the focus goes on to
//    the next enabled control, and the controls it passes run nothing;
//  - a control the user clicks or tabs into that the check of the control
//    left disables (or hides) and enables again on its way gets the focus
//    back once the check is over (by the same reason, click or Tab), so the
//    keys typed next go where the user put them; the control that held the
//    focus in between runs no check. The focus is given back only while it
//    is still where Qt moved it: a check that puts the focus somewhere itself
//    has the last word. Enter keeps the focus in its control the same way;
//  - a text field tabbed into has its whole text selected once the check is
//    over, also when the check rewrote that text, so the keys typed next
//    replace it; a click leaves the cursor where the user clicked;
//  - with SoloTestoProprio(), a control left whose text is not the user's
//    own runs no check: passing through it changes nothing;
//  - a focus change told late (a check that ran on it has moved the focus
//    on since) is judged by where the focus of the window is now, also when
//    that check has shown a message box meanwhile: a control the focus only
//    passed on its way runs nothing when the window is active again.
// The check runs synchronously inside the focus change, before a clicked
// button's click handler runs.
#pragma once

#include <functional>

#include <QObject>
#include <QPointer>
#include <QWidget>

class LostFocus : public QObject {
    Q_OBJECT
public:
    // Watches `controllo` (becomes its child). `azione` (optional) runs on
    // each check after the lostFocusCheck() signal.
    explicit LostFocus(QWidget* controllo, std::function<void()> azione = {});

    // Runs the check now, as Enter does; does nothing while the check runs.
    void Esegui();
    // Whether the control holds an edit its check has not taken yet (a typed
    // text, a changed choice); with none set, never.
    void ImpostaModificato(std::function<bool()> modificato) { modificato_ = std::move(modificato); }
    // A control left while `proprio` says false runs no check (Enter still
    // runs it).
    void SoloTestoProprio(std::function<bool()> proprio) { proprio_ = std::move(proprio); }
    // True while the check runs because the control was left (not by Enter
    // or a command).
    bool Uscendo() const { return uscendo_; }
    // A command (save, print, new ...) works on what the window shows: the
    // control holding the focus of `finestra` has its pending edit taken as if
    // it were left, while the focus stays where it is. A control with nothing
    // pending runs nothing.
    static void PrendiModifiche(QWidget* finestra);
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
    bool Dentro(const QWidget* w) const;
    // The check itself, with its signal and action.
    void Controlla();
    // Watches `meta`, where the focus is meant to be, while the check runs;
    // then gives the focus back to it, if Qt moved it on, by `motivo`.
    void Sorveglia(QWidget* meta);
    void FineSorveglianza(Qt::FocusReason motivo);
    void RiportaFuoco(QWidget* meta, Qt::FocusReason motivo);

    QPointer<QWidget> controllo_;
    std::function<void()> azione_;
    std::function<bool()> modificato_;
    bool haFuoco_ = false;
    bool inCorso_ = false;
    std::function<bool()> proprio_;
    bool uscendo_ = false;
    Qt::FocusReason motivoUscita_ = Qt::OtherFocusReason;
    // While the check runs: the control the focus is going to, whether the
    // check has disabled or hidden it on the way, where Qt moved the focus
    // meanwhile, and whether the check moved it itself.
    QPointer<QWidget> meta_;
    bool metaSpenta_ = false;
    QPointer<QWidget> spostatoA_;
    bool sceltaPropria_ = false;
    // Set while a check gives the focus back to where the user put it.
    static int riportando_;
};
