#include "platform/ui/CampoNumerico.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>

#include "platform/core/Numeri.h"
#include "platform/ui/MessaggiQt.h"
#include "platform/ui/Posiziona.h"

CampoNumerico::CampoNumerico(QWidget* parent, int limite, Tipo tipo, LostFocus::Uscita uscita)
    : QLineEdit(parent),
      limite_(limite),
      tipo_(tipo),
      sentinella_(new LostFocus(this, uscita, [this] { return isModified(); }, [this] { setModified(false); })) {
    // Typed text goes through the key filter; an input method could bypass it.
    if (tipo_ == Tipo::Numero) setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(sentinella_, &LostFocus::lostFocusCheck, this, [this] {
        QPointer<CampoNumerico> io(this);
        rifiutato_ = false;
        emit lostFocusCheck();
        if (io && controllo_) controllo_();
        // The default put back for a refused value is selected in the field
        // that keeps the focus, whatever the check wrote since: the user, just
        // told the value is wrong, types the right one over it.
        if (io && rifiutato_ && window()->focusWidget() == this) selectAll();
    });
    SetGiallo(false);
}

void CampoNumerico::ImpostaControllo(std::function<void()> f) { controllo_ = std::move(f); }
void CampoNumerico::EseguiControllo() { sentinella_->Esegui(); }
bool CampoNumerico::ControlloInCorso() const { return sentinella_->InCorso(); }

void CampoNumerico::SetGiallo(bool giallo) { SfondoGiallo(this, giallo); }
bool CampoNumerico::Giallo() const { return EGiallo(this); }

std::optional<float> CampoNumerico::Valore() const { return num::TextToSng(U8(text())); }
std::string CampoNumerico::TestoU8() const { return U8(text()); }
void CampoNumerico::ImpostaTestoU8(const std::string& s) { setText(Qs(s)); }

bool CampoNumerico::Verifica() {
    if (!limiti_) return true;
    const std::optional<float> v = Valore();
    const bool preso = v && limiti_->Accetta(*v);
    if (!limiti_->messaggio) {
        SetGiallo(!preso);
        if (!preso && limiti_->predefinito) RimettiPredefinito();
        return preso;
    }
    if (preso) return true;
    Piattaforma::MsgBox(Qs(limiti_->messaggio), mb::OkOnly + mb::Exclamation, Qs(limiti_->titolo));
    SetGiallo(true);
    RimettiPredefinito();
    return false;
}

void CampoNumerico::RimettiPredefinito() {
    setText(Qs(limiti_->predefinito));
    rifiutato_ = true;
}

QString CampoNumerico::TestoRestante(bool sostituisce) const {
    QString t = text();
    if (sostituisce && hasSelectedText()) t.remove(selectionStart(), selectedText().length());
    return t;
}

bool CampoNumerico::FiltroAccetta(const QString& s, bool sostituisce) const {
    if (s.isEmpty()) return false;
    const QString resta = TestoRestante(sostituisce);
    qsizetype l = resta.length();
    bool virgola = resta.contains(QLatin1Char(','));
    for (QChar c : s) {
        if (l >= limite_) return false;
        if (tipo_ == Tipo::Numero) {
            if (c == QLatin1Char(',')) {
                if (virgola) return false;
                virgola = true;
            } else if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                return false;
            }
        } else if (!c.isPrint()) {
            return false;
        }
        ++l;
    }
    return true;
}

void CampoNumerico::InserisciFiltrato(const QString& s) {
    if (isReadOnly() || s.isEmpty()) return;
    if (FiltroAccetta(s))
        insert(s);
    else
        Piattaforma::Beep();
}

void CampoNumerico::keyPressEvent(QKeyEvent* e) {
    const int k = e->key();
    const Qt::KeyboardModifiers mod = e->modifiers();
    const bool ctrl = mod & (Qt::ControlModifier | Qt::MetaModifier);
    const bool pieno = text().length() >= limite_;
    const bool pienoDopo = TestoRestante(true).length() >= limite_;

    if (k == Qt::Key_Return || k == Qt::Key_Enter) {
        // Taken here, so a dialog's default button does not see it.
        e->accept();
        if (tipo_ == Tipo::Numero || pieno) EseguiControllo();
        return;
    }
    if (k == Qt::Key_Backspace && !ctrl) {
        QLineEdit::keyPressEvent(e);
        return;
    }

    // Does the key type a character?  Ctrl+letter types a control character
    // (Ctrl+V pastes), Shift+Insert pastes; Delete, arrows, Home/End and the
    // like type nothing and pass unfiltered.
    QString t = e->text();
    // The keypad's decimal key types the decimal comma in a number, whatever
    // the keyboard layout gives it; the main keyboard's point stays a point.
    if (tipo_ == Tipo::Numero && (mod & Qt::KeypadModifier) && !ctrl &&
        (k == Qt::Key_Period || k == Qt::Key_Comma))
        t = QStringLiteral(",");
    const bool ctrlLettera = ctrl && k >= Qt::Key_A && k <= Qt::Key_Z;
    const bool incolla = e->matches(QKeySequence::Paste);
    const bool stampabile = !t.isEmpty() && t.at(0).isPrint();
    const bool carattere = ctrlLettera || incolla || stampabile ||
                           (ctrl && k == Qt::Key_Backspace);
    if (!carattere) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    e->accept();
    if (pienoDopo) {
        Piattaforma::Beep();
        return;
    }
    if (tipo_ == Tipo::Nome) {
        if (incolla)
            InserisciFiltrato(QGuiApplication::clipboard()->text());
        else if (stampabile && !ctrl)
            InserisciFiltrato(t);
        else
            QLineEdit::keyPressEvent(e);  // copy, select all, undo ...
        return;
    }
    if (stampabile && !ctrl && t.length() == 1 && FiltroAccetta(t)) {
        // A locked field runs the filter but keeps its text.
        if (!isReadOnly()) insert(t);
    } else {
        Piattaforma::Beep();
    }
}

void CampoNumerico::inputMethodEvent(QInputMethodEvent* e) {
    // No composing inside the field: only a committed text, filtered.
    e->accept();
    InserisciFiltrato(e->commitString());
}

void CampoNumerico::contextMenuEvent(QContextMenuEvent* e) {
    QMenu* menu = createStandardContextMenu();
    // The menu's paste entry is the action wired to QLineEdit::paste: it is
    // rewired to the filtered insertion.
    for (QAction* a : menu->actions()) {
        const bool incolla = disconnect(a, &QAction::triggered, this, &QLineEdit::paste) ||
                             disconnect(a, SIGNAL(triggered()), this, SLOT(paste()));
        if (incolla)
            connect(a, &QAction::triggered, this,
                    [this] { InserisciFiltrato(QGuiApplication::clipboard()->text()); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

void CampoNumerico::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::MiddleButton) {
        // The X11 selection paste, filtered.
        e->accept();
        QClipboard* cb = QGuiApplication::clipboard();
        if (cb->supportsSelection()) InserisciFiltrato(cb->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

bool CampoNumerico::PrendeTrascinato(const QDropEvent* e) const {
    return e->mimeData()->hasText() && FiltroAccetta(e->mimeData()->text(), false);
}

void CampoNumerico::dragEnterEvent(QDragEnterEvent* e) {
    if (PrendeTrascinato(e))
        QLineEdit::dragEnterEvent(e);
    else
        e->ignore();
}

void CampoNumerico::dragMoveEvent(QDragMoveEvent* e) {
    if (PrendeTrascinato(e))
        QLineEdit::dragMoveEvent(e);
    else
        e->ignore();
}

void CampoNumerico::dropEvent(QDropEvent* e) {
    if (!PrendeTrascinato(e)) {
        e->ignore();
        Piattaforma::Beep();
        return;
    }
    // A dropped text is the user's own edit: the field takes the focus with
    // it, as a click into it would (the control left runs its check first),
    // so leaving the field or a command checks it like a typed value. The
    // text goes in only if the field still holds its window's focus and
    // takes the text after that check.
    QPointer<CampoNumerico> io(this);
    setFocus(Qt::MouseFocusReason);
    if (io && window()->focusWidget() == this && isEnabled() && PrendeTrascinato(e))
        QLineEdit::dropEvent(e);
    else
        e->ignore();
}
