#include "platform/ui/LostFocus.h"

#include <QApplication>
#include <QEvent>

LostFocus::LostFocus(QWidget* controllo, std::function<void()> azione)
    : QObject(controllo), controllo_(controllo), azione_(std::move(azione)) {
    connect(qApp, &QApplication::focusChanged, this, &LostFocus::FocusCambiato);
    controllo->installEventFilter(this);
    haFuoco_ = Dentro(QApplication::focusWidget());
}

bool LostFocus::Dentro(const QWidget* w) const {
    if (!w || !controllo_) return false;
    return w == controllo_ || controllo_->isAncestorOf(w);
}

void LostFocus::Esegui() {
    if (inCorso_ || !controllo_) return;
    QPointer<LostFocus> io(this);
    inCorso_ = true;
    emit lostFocusCheck();
    if (!io) return;  // the check closed the window
    if (azione_) azione_();
    if (io) inCorso_ = false;
}

void LostFocus::PrendiModifiche(QWidget* finestra) {
    if (!finestra) return;
    for (QWidget* w = finestra->focusWidget(); w; w = w == finestra ? nullptr : w->parentWidget()) {
        auto* uscita = w->findChild<LostFocus*>(QString(), Qt::FindDirectChildrenOnly);
        if (!uscita) continue;
        if (uscita->haFuoco_ && uscita->modificato_ && uscita->modificato_()) uscita->Esegui();
        return;
    }
}

void LostFocus::FocusCambiato(QWidget* vecchio, QWidget* nuovo) {
    if (!controllo_) return;
    QWidget* const finestra = controllo_->window();
    // Where the focus of the control's window is now, also while a message
    // box shown by an earlier check holds the activation.
    QWidget* ora = finestra->focusWidget();
    if (Dentro(nuovo)) {
        // A change told late (a check that ran on it moved the focus on, and
        // may have shown a box since, its own range box or the calculation's):
        // a control disabled on the way, or passed by for another control of
        // its window, never held the focus, whether or not the window is
        // active again yet.
        const bool passato = !Dentro(ora);
        lasciato_ = false;
        if (controllo_->isEnabled() && !passato) haFuoco_ = true;
        return;
    }
    if (!haFuoco_) {
        // The focus moves on within the window from a control it reached
        // before this was told: the coming, told later, is a passing.
        if (Dentro(vecchio) && nuovo && nuovo->window() == finestra) lasciato_ = true;
        return;
    }
    // Disabled while it held the focus: the user did not leave it, and the
    // focus goes on to the next enabled control with no check on the way.
    if (!controllo_->isEnabled()) {
        haFuoco_ = false;
        return;
    }
    // A change told late: the focus has come to this control since.
    if (Dentro(ora)) return;
    // No focus at all (window deactivated) or a focus in another window
    // (message box, popup, menu, another window): the control keeps its
    // window's focus and gets it back when the window is active again.
    if (!nuovo || nuovo->window() != controllo_->window()) return;
    haFuoco_ = false;
    Esegui();
}

bool LostFocus::eventFilter(QObject* o, QEvent* e) {
    // A window that closes forgets its focus: no check fires afterwards.
    if (o == controllo_ && e->type() == QEvent::Hide &&
        controllo_->window()->testAttribute(Qt::WA_WState_Hidden))
        haFuoco_ = false;
    // A disabled control holds no focus, also when its window was inactive
    // as the focus moved on (no change is told then).
    if (o == controllo_ && e->type() == QEvent::EnabledChange && !controllo_->isEnabled()) haFuoco_ = false;
    return QObject::eventFilter(o, e);
}
