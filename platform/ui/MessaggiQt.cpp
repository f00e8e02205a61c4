#include "platform/ui/MessaggiQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

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

// A box as wide as a window manager's title bar needs to show its whole
// title: Qt sizes a box by its text and buttons only, so a short text under a
// long title ("Verifica Inserzione Parametri Avvolgimento") had its title cut.
// Qt sets the box's size again whenever its layout changes; the width is
// made up right after each time.
class BoxMessaggio : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

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

private:
    void Allarga() {
        const int serve = LarghezzaTitolo(windowTitle());
        if (!isVisible() || width() >= serve) return;
        QLayout* l = layout();
        setFixedSize(serve, l->hasHeightForWidth() ? l->totalHeightForWidth(serve) : l->totalMinimumSize().height());
        // The new size asks for no further round.
        QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
    }
};
}  // namespace

QMessageBox* MessaggiQt::Crea(const QString& testo, int stile, const QString& titolo,
                              QWidget* parent) {
    auto* box = new BoxMessaggio(parent);
    box->setObjectName(QStringLiteral("MsgBox"));
    box->setWindowTitle(titolo);
    box->setText(testo);
    box->setWindowModality(Qt::ApplicationModal);

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
    switch (stile & kMaskPulsanti) {
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
