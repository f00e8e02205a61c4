#include "platform/ui/FinestraModale.h"

#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>

namespace {
// Ends the modal loop when the window is hidden (closed) or destroyed.
class FineModale : public QObject {
public:
    FineModale(QWidget* w, QEventLoop* loop) : QObject(w), loop_(loop) { w->installEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Hide) {
            auto* w = static_cast<QWidget*>(o);
            if (!w->isVisible()) loop_->quit();
        }
        return QObject::eventFilter(o, e);
    }

private:
    QEventLoop* loop_;
};
}  // namespace

void MostraModale(QMainWindow* w) {
    if (!w) return;
    QPointer<QMainWindow> finestra(w);
    QEventLoop loop;
    auto* fine = new FineModale(w, &loop);
    QObject::connect(w, &QObject::destroyed, &loop, &QEventLoop::quit);
    w->setWindowModality(Qt::ApplicationModal);
    // A design window opens centred on the screen, over the start window.
    if (QScreen* schermo = w->screen()) {
        QRect r = w->frameGeometry();
        r.moveCenter(schermo->availableGeometry().center());
        w->move(r.topLeft());
    }
    w->show();
    w->raise();
    w->activateWindow();
    if (w->isVisible()) loop.exec(QEventLoop::DialogExec);
    if (finestra) delete fine;
}

QLabel* TestoStato(QMainWindow* w) {
    if (!w) return nullptr;
    QStatusBar* barra = w->statusBar();
    if (barra->objectName().isEmpty()) barra->setObjectName(QStringLiteral("StatusBar1"));
    auto* etichetta = barra->findChild<QLabel*>(QStringLiteral("StatusBar1_Testo"));
    if (!etichetta) {
        etichetta = new QLabel(barra);
        etichetta->setObjectName(QStringLiteral("StatusBar1_Testo"));
        etichetta->setTextFormat(Qt::PlainText);
        // Permanent: menu status tips do not hide it; it never widens the window.
        etichetta->setMinimumWidth(1);
        barra->addPermanentWidget(etichetta, 1);
    }
    return etichetta;
}

void ImpostaTestoStato(QMainWindow* w, const QString& testo) {
    if (QLabel* l = TestoStato(w)) l->setText(testo);
}

QString LeggiTestoStato(QMainWindow* w) {
    QLabel* l = TestoStato(w);
    return l ? l->text() : QString();
}
