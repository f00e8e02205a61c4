#include "platform/ui/MessaggiQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/ui/Posiziona.h"
#include "platform/ui/Sostituibile.h"

namespace {
constexpr int kMaskPulsanti = 0x0F;
constexpr int kMaskIcona = 0x70;
const char* const kRisposta = "marlovine_risposta";

std::vector<std::pair<const void*, std::function<void()>>>& DaRidisegnare() {
    static std::vector<std::pair<const void*, std::function<void()>>> elenco;
    return elenco;
}

// How wide a window manager's title bar must be to show `titolo` whole: the
// title in the bold application font and, beside it, the bar's icon and its
// three buttons, each a square about two lines high, with a line and a half
// of room around them. It follows the desktop's font.
int LarghezzaTitolo(const QString& titolo) {
    QFont f = QApplication::font();
    f.setBold(true);
    const QFontMetrics fm(f);
    return fm.horizontalAdvance(titolo) + fm.height() * 19 / 2;
}

// A box at least as wide as a window manager's title bar needs to show its
// whole title (Qt widens a box for its title by a smaller measure of its
// own), and never wider than its screen. Qt sets the box's size as it is
// shown and again on each layout request that follows (on a desktop, one
// comes right after the box is shown); the width is made up after each time.
//
// A box with Yes and No alone asks a question that has no "leave it": it
// is answered by its buttons only. Qt would take its No for Esc and for the
// title bar's close button, and answer for the user; here Esc does nothing
// and the title bar has no close button.
class BoxMessaggio : public QMessageBox {
public:
    BoxMessaggio(QWidget* parent, bool soloPulsanti) : QMessageBox(parent), soloPulsanti_(soloPulsanti) {
        // Before the flags: setting the modality puts back the default ones.
        setWindowModality(Qt::ApplicationModal);
        if (soloPulsanti_)
            setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    }

protected:
    bool event(QEvent* e) override {
        const bool r = QMessageBox::event(e);
        if (e->type() == QEvent::LayoutRequest) Allarga();
        return r;
    }
    void showEvent(QShowEvent* e) override {
        QMessageBox::showEvent(e);
        Allarga();
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (soloPulsanti_ && e->matches(QKeySequence::Cancel)) return;
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override {
        if (soloPulsanti_)
            e->ignore();
        else
            QMessageBox::closeEvent(e);
    }

private:
    void Allarga() {
        const int schermo = screen()->availableGeometry().width();
        const int serve = std::min(LarghezzaTitolo(windowTitle()), schermo);
        if (width() >= serve) return;
        QLayout* l = layout();
        setFixedSize(serve, l->hasHeightForWidth() ? l->totalHeightForWidth(serve) : l->totalMinimumSize().height());
    }

    const bool soloPulsanti_;
};
}  // namespace

QMessageBox* MessaggiQt::Crea(const QString& testo, int stile, const QString& titolo,
                              QWidget* parent) {
    const int pulsanti = stile & kMaskPulsanti;
    auto* box = new BoxMessaggio(parent, pulsanti == mb::YesNo);
    box->setObjectName(QStringLiteral("MsgBox"));
    box->setWindowTitle(titolo);
    box->setText(testo);

    switch (stile & kMaskIcona) {
    case mb::Critical: box->setIcon(QMessageBox::Critical); break;
    case mb::Question: box->setIcon(QMessageBox::Question); break;
    case mb::Exclamation: box->setIcon(QMessageBox::Warning); break;
    case mb::Information: box->setIcon(QMessageBox::Information); break;
    default: box->setIcon(QMessageBox::NoIcon); break;
    }

    auto aggiungi = [box](const QString& testoPulsante, QMessageBox::ButtonRole ruolo, int risposta) {
        QPushButton* b = box->addButton(testoPulsante, ruolo);
        b->setProperty(kRisposta, risposta);
        return b;
    };
    QPushButton* primo = nullptr;
    switch (pulsanti) {
    case mb::OkCancel:
        primo = aggiungi(QStringLiteral("OK"), QMessageBox::AcceptRole, mb::Ok);
        box->setEscapeButton(aggiungi(QStringLiteral("Annulla"), QMessageBox::RejectRole, mb::Cancel));
        break;
    case mb::YesNoCancel:
        primo = aggiungi(QStringLiteral("Sì"), QMessageBox::YesRole, mb::Yes);
        aggiungi(QStringLiteral("No"), QMessageBox::NoRole, mb::No);
        box->setEscapeButton(aggiungi(QStringLiteral("Annulla"), QMessageBox::RejectRole, mb::Cancel));
        break;
    case mb::YesNo:
        primo = aggiungi(QStringLiteral("Sì"), QMessageBox::YesRole, mb::Yes);
        aggiungi(QStringLiteral("No"), QMessageBox::NoRole, mb::No);
        break;
    default:
        primo = aggiungi(QStringLiteral("OK"), QMessageBox::AcceptRole, mb::Ok);
        box->setEscapeButton(primo);
        break;
    }
    box->setDefaultButton(primo);
    return box;
}

int MessaggiQt::Risposta(QMessageBox* box, QAbstractButton* premuto) {
    if (premuto) {
        const QVariant r = premuto->property(kRisposta);
        if (r.isValid()) return r.toInt();
    }
    // Closed without one of our buttons.
    int cancel = 0, no = 0;
    if (box) {
        for (QAbstractButton* b : box->buttons()) {
            const int r = b->property(kRisposta).toInt();
            if (r == mb::Cancel) cancel = r;
            if (r == mb::No) no = r;
        }
    }
    if (cancel) return cancel;
    if (no) return no;
    return mb::Ok;
}

int MessaggiQt::MsgBox(const std::string& testo, int stile, const std::string& titolo) {
    // By index: the list stays valid whatever a repaint sets off.
    const auto& elenco = DaRidisegnare();
    for (size_t i = 0; i < elenco.size(); ++i) elenco[i].second();
    QPointer<QWidget> attiva = QApplication::activeWindow();
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = attiva;
    QPointer<QMessageBox> box = Crea(Qs(testo), stile, Qs(titolo), parent);
    box->exec();
    const int r = box ? Risposta(box, box->clickedButton()) : mb::Cancel;
    delete box;
    // Back to the window that was active, with its focus where it was (some
    // platforms leave no window active when a modal box closes).
    if (attiva && attiva->isVisible() && !QApplication::activeWindow()) attiva->activateWindow();
    return r;
}

namespace Piattaforma {
using Servizio = Sostituibile<IMessaggi, MessaggiQt>;
IMessaggi& Messaggi() { return Servizio::Attuale(); }
void ImpostaMessaggi(IMessaggi* m) { Servizio::Imposta(m); }
int MsgBox(const QString& testo, int stile, const QString& titolo) {
    return Messaggi().MsgBox(U8(testo), stile, U8(titolo));
}
void PrimaDiOgniMessaggio(const void* chi, std::function<void()> ridisegna) {
    auto& elenco = DaRidisegnare();
    std::erase_if(elenco, [chi](const auto& voce) { return voce.first == chi; });
    if (ridisegna) elenco.emplace_back(chi, std::move(ridisegna));
}
}  // namespace Piattaforma
