#include "platform/ui/LostFocus.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

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
    // Enter (or a command taking a pending edit) checks the control where the
    // focus is, and the focus stays there, also when the check locks the
    // control and unlocks it again on its way.
    QWidget* const qui = haFuoco_ ? controllo_->window()->focusWidget() : nullptr;
    if (!Dentro(qui)) return Controlla();
    QPointer<LostFocus> io(this);
    Sorveglia(qui);
    Controlla();
    if (!io) return;
    FineSorveglianza(Qt::OtherFocusReason);
    if (controllo_ && controllo_->isEnabled() && controllo_->isVisible() &&
        Dentro(controllo_->window()->focusWidget()))
        haFuoco_ = true;
}

void LostFocus::Controlla() {
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

void LostFocus::FocusCambiato(QWidget* vecchio, QWidget* nuovo) {
    if (!controllo_) return;
    // While the check runs, in the target's window: Qt moves the focus off a
    // control the check disabled or hid; any other move is the check's own.
    if (meta_ && vecchio && nuovo && vecchio->window() == meta_->window() && nuovo->window() == meta_->window()) {
        if (!vecchio->isEnabled() || !vecchio->isVisible())
            spostatoA_ = nuovo;
        else
            sceltaPropria_ = true;
    }
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
    // Left while its own check runs (Enter's check hid it): the check is
    // already under way, and the focus comes back to it at its end.
    if (inCorso_) return;
    // Passing through a control whose text the user did not type changes nothing.
    if (proprio_ && !proprio_()) return;
    // Where the user put the focus, watched while the check runs.
    const Qt::FocusReason motivo = motivoUscita_;
    motivoUscita_ = Qt::OtherFocusReason;
    QPointer<LostFocus> io(this);
    Sorveglia(nuovo);
    uscendo_ = true;
    Controlla();
    if (!io) return;
    uscendo_ = false;
    FineSorveglianza(motivo);
}

void LostFocus::Sorveglia(QWidget* meta) {
    meta_ = meta;
    metaSpenta_ = sceltaPropria_ = false;
    spostatoA_ = nullptr;
    if (meta != controllo_) meta->installEventFilter(this);
}

void LostFocus::FineSorveglianza(Qt::FocusReason motivo) {
    QWidget* const meta = meta_;
    meta_ = nullptr;
    if (!meta) return;
    if (meta != controllo_) meta->removeEventFilter(this);
    RiportaFuoco(meta, motivo);
    // A Tab selects the whole text of the field it lands in, as Qt does on
    // the way in; the check may have written that text since, and writing a
    // text drops the selection. The keys typed next replace what it shows.
    auto* campo = qobject_cast<QLineEdit*>(meta);
    if (campo && (motivo == Qt::TabFocusReason || motivo == Qt::BacktabFocusReason) &&
        campo->window()->focusWidget() == campo)
        campo->selectAll();
}

void LostFocus::RiportaFuoco(QWidget* meta, Qt::FocusReason motivo) {
    // The check disabled (or hid) the control the user clicked or tabbed
    // into and enabled it again (a view that locks its boxes, then rebuilt
    // with them unlocked): Qt moved the focus on to the next control on the
    // way and left it there. The user's keys go where the user put them,
    // unless the check has put the focus somewhere itself since.
    if (!metaSpenta_ || sceltaPropria_) return;
    if (!meta->isEnabled() || !meta->isVisible() || meta->focusPolicy() == Qt::NoFocus) return;
    const QWidget* ora = meta->window()->focusWidget();
    if (ora == meta || meta->isAncestorOf(ora) || ora != spostatoA_) return;
    ++riportando_;
    meta->setFocus(motivo);
    --riportando_;
}

bool LostFocus::eventFilter(QObject* o, QEvent* e) {
    if (o == meta_) {
        const bool spenta = (e->type() == QEvent::EnabledChange && !meta_->isEnabled()) || e->type() == QEvent::Hide;
        const bool tornata = (e->type() == QEvent::EnabledChange && meta_->isEnabled()) || e->type() == QEvent::Show;
        if (spenta) metaSpenta_ = true;
        // Back, with no move of Qt's seen: in an inactive window (a message
        // box shown by the check) Qt moves the focus without telling. It
        // stands where Qt left it now, before the check can have moved it.
        if (tornata && metaSpenta_ && !spostatoA_) spostatoA_ = meta_->window()->focusWidget();
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
