#include "platform/ui/LostFocus.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>

LostFocus::LostFocus(QWidget* controllo, Uscita uscita, std::function<bool()> proprio, std::function<void()> prendi)
    : QObject(controllo),
      controllo_(controllo),
      uscita_(uscita),
      proprio_(std::move(proprio)),
      prendi_(std::move(prendi)) {
    connect(qApp, &QApplication::focusChanged, this, &LostFocus::FocusCambiato);
    controllo->installEventFilter(this);
    haFuoco_ = QApplication::focusWidget() == controllo;
}

void LostFocus::Esegui() { Controlla(false); }

void LostFocus::Controlla(bool prende) {
    if (inCorso_) return;
    QPointer<LostFocus> io(this);
    inCorso_ = true;
    if (prende && prendi_) prendi_();
    emit lostFocusCheck();
    if (io) inCorso_ = false;  // else the check closed the window
}

void LostFocus::PrendiProprio(QWidget* finestra) {
    QWidget* w = finestra->focusWidget();
    auto* sentinella = w ? w->findChild<LostFocus*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (sentinella) sentinella->PrendiSeProprio();
}

void LostFocus::PrendiSeProprio() {
    if (proprio_()) Controlla(true);
}

void LostFocus::FocusCambiato(QWidget*, QWidget* nuovo) {
    // Where the focus of the control's window is now: a change told late (a
    // check that ran on it has moved the focus on since, and may have shown a
    // box meanwhile, its own range box or the calculation's) is judged by it.
    const bool qui = controllo_->window()->focusWidget() == controllo_;
    if (nuovo == controllo_) {
        // A control disabled on the way, or passed by for another control of
        // its window, never held the focus, whether or not the window is
        // active again yet.
        if (qui) haFuoco_ = true;
        return;
    }
    // Still holding its window's focus (told late, or the focus gone to
    // another window: a message box, popup or menu leaves this window's focus
    // where it was), or the focus gone to no control: the control keeps its
    // window's focus and gets it back with the window.
    if (!haFuoco_ || qui || !nuovo) return;
    haFuoco_ = false;
    // A control disabled while it held the focus was not left by the user;
    // passing through one without an edit of the user's own changes nothing.
    if (!controllo_->isEnabled() || (uscita_ == Uscita::SeProprio && !proprio_())) return;
    const Qt::FocusReason motivo = motivoUscita_;
    const QPointer<QWidget> meta(nuovo);
    Controlla(true);
    // A Tab selects the whole text of the field it lands in, as Qt does on
    // the way in; the check may have written that text since, and writing a
    // text drops the selection. The keys typed next replace what it shows.
    auto* campo = qobject_cast<QLineEdit*>(meta.data());
    if (campo && (motivo == Qt::TabFocusReason || motivo == Qt::BacktabFocusReason)) campo->selectAll();
}

bool LostFocus::eventFilter(QObject* o, QEvent* e) {
    switch (e->type()) {
    // A disabled control holds no focus, also when its window was inactive as
    // the focus moved on (no change is told then).
    case QEvent::EnabledChange:
        if (!controllo_->isEnabled()) haFuoco_ = false;
        break;
    // A hidden control holds no focus, as a disabled one: hidden itself, with
    // the page holding it, or with its window closing (no check fires
    // afterwards). Hidden with its window still shown (a page turned without
    // leaving it), it takes the user's own edit first: what the page hides
    // is what the design holds. A window minimized is hidden by the platform
    // and keeps it.
    case QEvent::Hide:
        if (e->spontaneous()) break;
        if (haFuoco_ && controllo_->window()->isVisible()) PrendiSeProprio();
        haFuoco_ = false;
        break;
    case QEvent::FocusOut:
        motivoUscita_ = static_cast<QFocusEvent*>(e)->reason();
        break;
    default:
        break;
    }
    return QObject::eventFilter(o, e);
}
