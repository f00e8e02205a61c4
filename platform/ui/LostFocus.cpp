#include "platform/ui/LostFocus.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>

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

int LostFocus::riportando_ = 0;

void LostFocus::FocusCambiato(QWidget*, QWidget* nuovo) {
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
        if (controllo_->isEnabled() && Dentro(ora)) haFuoco_ = true;
        return;
    }
    if (!haFuoco_) return;
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
    // The focus given back to where the user put it leaves a control that
    // only held it in between: that control was not left by the user.
    if (riportando_) return;
    // Where the user put the focus, watched while the check runs.
    meta_ = nuovo;
    metaSpenta_ = false;
    nuovo->installEventFilter(this);
    const Qt::FocusReason motivo = motivoUscita_;
    motivoUscita_ = Qt::OtherFocusReason;
    QPointer<LostFocus> io(this);
    Esegui();
    if (!io) return;
    if (meta_) meta_->removeEventFilter(this);
    RiportaFuoco(motivo);
    meta_ = nullptr;
}

void LostFocus::RiportaFuoco(Qt::FocusReason motivo) {
    // The check disabled (or hid) the control the user clicked or tabbed
    // into and enabled it again (a view that locks its boxes, then rebuilt
    // with them unlocked): Qt moved the focus on to the next control on the
    // way and left it there. The user's keys go where the user put them.
    QWidget* const meta = meta_;
    if (!meta || !metaSpenta_) return;
    if (!meta->isEnabled() || !meta->isVisible() || meta->focusPolicy() == Qt::NoFocus) return;
    const QWidget* ora = meta->window()->focusWidget();
    if (ora == meta || meta->isAncestorOf(ora)) return;
    ++riportando_;
    meta->setFocus(motivo);
    --riportando_;
}

bool LostFocus::eventFilter(QObject* o, QEvent* e) {
    if (o == meta_ && o != controllo_) {
        if ((e->type() == QEvent::EnabledChange && !meta_->isEnabled()) || e->type() == QEvent::Hide)
            metaSpenta_ = true;
        return QObject::eventFilter(o, e);
    }
    // A window that closes forgets its focus: no check fires afterwards.
    if (o == controllo_ && e->type() == QEvent::Hide &&
        controllo_->window()->testAttribute(Qt::WA_WState_Hidden))
        haFuoco_ = false;
    // A disabled control holds no focus, also when its window was inactive
    // as the focus moved on (no change is told then).
    if (o == controllo_ && e->type() == QEvent::EnabledChange && !controllo_->isEnabled()) haFuoco_ = false;
    // How the focus is leaving (a click, Tab ...): given back the same way.
    if (o == controllo_ && e->type() == QEvent::FocusOut)
        motivoUscita_ = static_cast<QFocusEvent*>(e)->reason();
    return QObject::eventFilter(o, e);
}
