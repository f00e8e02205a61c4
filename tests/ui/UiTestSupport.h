// Shared helpers of the UI tests: message boxes answered from a queue, fake
// file and printer dialogs, and a watchdog that fails a test instead of
// letting it hang on a real modal box.
//
//   FakeMessaggiUi msg;            // installed for the scope of the object
//   msg.Attendi(mb::Yes);          // the next box is expected, answered Yes
//   ... code that shows one box ...
//   QCOMPARE(msg.boxes.size(), 1);
//   // a box with no queued answer records a failure (QTest::qFail) at once
//
//   Sorveglianza guardia;          // in init(); guardia.Verifica() in cleanup()
#pragma once

#include <sys/mount.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QtTest>
#include <QtWidgets>

#include "dialogs/Lanciatore.h"
#include "FakeSinks.h"
#include "engine/Interfacce.h"
#include "platform/ui/DialoghiFile.h"
#include "platform/ui/Finestre.h"
#include "platform/ui/MessaggiQt.h"
#include "platform/ui/Posiziona.h"

// How long a test waits for a window to show or take the activation: generous,
// as a loaded machine may be slow; a passing test never waits that long.
constexpr int kAttesaMs = 20000;

// The recording fake of the core tests, installed as the program's message
// boxes for its scope. A box with an empty queue is unexpected: it fails the
// running test and answers mb::Ok.
struct FakeMessaggiUi : FakeMessaggi {
    bool falliscePerInattesi = true;

    FakeMessaggiUi() { Piattaforma::ImpostaMessaggi(this); }
    ~FakeMessaggiUi() override { Piattaforma::ImpostaMessaggi(nullptr); }
    Q_DISABLE_COPY(FakeMessaggiUi)

    // Expects one more box, answered with `risposta`.
    void Attendi(int risposta = mb::Ok) { risposte.push_back(risposta); }
    void Azzera() {
        boxes.clear();
        risposte.clear();
    }
    // Text of the last box ("" when none).
    QString Ultimo() const { return boxes.empty() ? QString() : Qs(boxes.back().testo); }
    QString UltimoTitolo() const { return boxes.empty() ? QString() : Qs(boxes.back().titolo); }
    // Texts of the boxes shown, in order.
    QStringList Mostrati() const {
        QStringList l;
        for (const auto& b : boxes) l << Qs(b.testo);
        return l;
    }

    // Each box also shows for real (MessaggiQt): it takes the activation and
    // the focus from the window, and gives them back as it closes, as a
    // person's screen does. It is answered as soon as it is active, after
    // `primaDellaRisposta` (may be empty) has had it: a box that closes then
    // is not answered again. The program gets the real box's answer.
    bool veri = false;
    std::function<void(QMessageBox*)> primaDellaRisposta;

    int MsgBox(const std::string& testo, int stile, const std::string& titolo) override {
        if (risposte.empty() && falliscePerInattesi) {
            const QByteArray m = "unexpected message box: \"" + QByteArray::fromStdString(titolo) + "\" / \"" +
                                 QByteArray::fromStdString(testo) + "\"";
            QTest::qFail(m.constData(), __FILE__, __LINE__);
        }
        const int r = FakeMessaggi::MsgBox(testo, stile, titolo);
        if (!veri) return r;
        QTimer risposta;
        risposta.setInterval(5);
        QObject::connect(&risposta, &QTimer::timeout, [&risposta, r, this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || QApplication::activeWindow() != box) return;
            risposta.stop();
            if (primaDellaRisposta) primaDellaRisposta(box);
            if (!box->isVisible()) return;
            for (QAbstractButton* b : box->buttons())
                if (MessaggiQt::Risposta(box, b) == r) return b->click();
            box->reject();
        });
        risposta.start();
        return MessaggiQt().MsgBox(testo, stile, titolo);
    }
};

// Records the windows asked for instead of opening them; installed for its scope.
struct FakeFinestreUi : IFinestre {
    std::vector<Finestra> richieste;
    FakeFinestreUi() { Piattaforma::ImpostaFinestre(this); }
    ~FakeFinestreUi() override { Piattaforma::ImpostaFinestre(nullptr); }
    Q_DISABLE_COPY(FakeFinestreUi)
    void Mostra(Finestra f) override { richieste.push_back(f); }
};

// Records the component dialogs a window opens instead of showing them; what
// `azione` does stands for what the user did in the dialog.
struct FakeLanciatoreUi : ILanciatoreDialoghi {
    std::vector<Dialogo> mostrati;
    std::function<void(ModuleDIC&)> azione;
    FakeLanciatoreUi() { dialoghi::ImpostaLanciatore(this); }
    ~FakeLanciatoreUi() override { dialoghi::ImpostaLanciatore(nullptr); }
    Q_DISABLE_COPY(FakeLanciatoreUi)
    void Mostra(Dialogo dl, ModuleDIC& d, ICoefKLista*) override {
        mostrati.push_back(dl);
        if (azione) azione(d);
    }
};

// Fake file and printer dialogs: paths from queues ("" = cancelled), printer
// answers from flags; every call is recorded.
struct FakeDialoghiUi : IDialoghiFile {
    struct Chiamata {
        QString tipo;  // "Apri", "Salva", "ImpostaStampante", "Stampa"
        QString titolo, cartella, filtro;
    };
    std::vector<Chiamata> chiamate;
    std::deque<QString> percorsiApri, percorsiSalva;
    bool stampanteOk = true;        // answer of the printer dialogs
    std::vector<QImage> stampate;   // images "printed"
    bool orizzontale = false;       // orientation asked by the last print
    QString nomeStampa;             // name asked by the last print

    FakeDialoghiUi() { Piattaforma::ImpostaDialoghi(this); }
    ~FakeDialoghiUi() override { Piattaforma::ImpostaDialoghi(nullptr); }
    Q_DISABLE_COPY(FakeDialoghiUi)

    QString Apri(QWidget*, const QString& t, const QString& c, const QString& f) override {
        return Prossimo(percorsiApri, {QStringLiteral("Apri"), t, c, f});
    }
    QString Salva(QWidget*, const QString& t, const QString& c, const QString& f) override {
        return Prossimo(percorsiSalva, {QStringLiteral("Salva"), t, c, f});
    }
    bool ImpostaStampante(QWidget*, bool orizz) override {
        chiamate.push_back({QStringLiteral("ImpostaStampante"), {}, {}, {}});
        orizzontale = orizz;
        return stampanteOk;
    }
    bool Stampa(QWidget*, QWidget* finestra, bool orizz, const QString& nome) override {
        chiamate.push_back({QStringLiteral("Stampa"), {}, {}, {}});
        orizzontale = orizz;
        nomeStampa = nome;
        if (stampanteOk) stampate.push_back(finestra ? finestra->grab().toImage() : QImage());
        return stampanteOk;
    }

private:
    QString Prossimo(std::deque<QString>& coda, Chiamata c) {
        chiamate.push_back(std::move(c));
        if (coda.empty()) return {};
        QString p = coda.front();
        coda.pop_front();
        return p;
    }
};

// Watchdog: every `periodoMs` it looks for a modal dialog, message box or
// window left open (a real one, which no person will answer), records it and
// closes it, so the test goes on and fails in Verifica() instead of hanging.
// A box that has just opened may be one the test is about to answer itself,
// however slowly a loaded machine runs it: only one left open `attesaMs` is
// stuck. Verifica() closes any that is still open at once.
class Sorveglianza : public QObject {
public:
    explicit Sorveglianza(int periodoMs = 200, int attesaMs = 10000) : attesaMs_(attesaMs) {
        timer_.setInterval(periodoMs);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { Controlla(); });
        timer_.start();
    }
    // Boxes the watchdog had to close (title: text).
    QStringList chiusi;

    // Call in cleanup(): fails the test if a modal box was found.
    void Verifica() {
        Controlla(true);
        if (chiusi.isEmpty()) return;
        const QByteArray m = "a modal box opened that no test answered: " + chiusi.join(QStringLiteral(" | ")).toUtf8();
        QTest::qFail(m.constData(), __FILE__, __LINE__);
        chiusi.clear();
    }
    // The modal dialog the test itself shows and drives: never closed here.
    void Consenti(QWidget* w) { consentito_ = w; }

private:
    void Controlla(bool subito = false) {
        QWidget* modale = QApplication::activeModalWidget();
        if (!modale) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && (qobject_cast<QMessageBox*>(w) || qobject_cast<QDialog*>(w)) && w->isModal()) {
                    modale = w;
                    break;
                }
        }
        if (!modale || modale == consentito_) return;
        if (!subito) {
            if (modale != visto_) {
                visto_ = modale;
                dal_.start();
                return;
            }
            if (dal_.elapsed() < attesaMs_) return;
        }
        QString descr = modale->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modale)) descr += QStringLiteral(": ") + box->text();
        chiusi << descr;
        if (auto* d = qobject_cast<QDialog*>(modale))
            d->reject();
        else
            modale->close();
    }
    QTimer timer_;
    int attesaMs_;
    QPointer<QWidget> visto_;  // modal widget seen open, since dal_
    QPointer<QWidget> consentito_;
    QElapsedTimer dal_;
};

// Finds a child by objectName and type; fails the test when missing.
template <class T>
T* Figlio(QObject* radice, const QString& nome) {
    T* w = radice ? radice->findChild<T*>(nome) : nullptr;
    if (!w) {
        const QByteArray m = "missing control " + nome.toUtf8();
        QTest::qFail(m.constData(), __FILE__, __LINE__);
    }
    return w;
}

// What a label, button or field shows.
inline QString TestoDi(const QObject* o) { return o->property("text").toString(); }
// What the controls named under `radice` (blank-separated) show, joined by
// "|"; a list shows its chosen item.
inline QString TestiDi(QObject* radice, const QString& nomi) {
    QStringList t;
    for (const QString& nome : nomi.split(' ')) {
        QObject* o = Figlio<QObject>(radice, nome);
        auto* c = qobject_cast<QComboBox*>(o);
        t << (c ? c->currentText() : o ? TestoDi(o) : QString());
    }
    return t.join('|');
}

// A real click into a table's cell and at once keys, as a user types: what
// then holds the focus, "name:text" (the field open in the cell). The events
// due run first, as they do between a user's clicks.
inline QString CliccaEScrivi(QAbstractItemView* vista, const QModelIndex& cella, const QString& tasti) {
    QCoreApplication::processEvents();
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, vista->visualRect(cella).center());
    QWidget* fuoco = QApplication::focusWidget();
    if (!fuoco) return {};
    QTest::keyClicks(fuoco, tasti);
    return fuoco->objectName() + ':' + TestoDi(fuoco);
}

// A key (Tab, Backtab) pressed where the focus is, then keys typed where it
// went, as a user does: what then holds the focus, "name:text".
inline QString TastoEScrivi(Qt::Key tasto, const QString& tasti) {
    if (QWidget* qui = QApplication::focusWidget()) QTest::keyClick(qui, tasto);
    QCoreApplication::processEvents();
    if (QWidget* dopo = QApplication::focusWidget()) QTest::keyClicks(dopo, tasti);
    QWidget* fuoco = QApplication::focusWidget();
    return fuoco ? fuoco->objectName() + ':' + TestoDi(fuoco) : QString();
}

// A text dragged from another program over `verso` and dropped at its left
// end, as a person does: whether `verso` took the drag as it entered.
inline bool Trascina(QWidget* verso, const QString& testo) {
    QMimeData dati;
    dati.setText(testo);
    const QPoint sinistra(2, verso->height() / 2);
    QDragEnterEvent entra(sinistra, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(verso, &entra);
    QDragMoveEvent muove(sinistra, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(verso, &muove);
    QDropEvent cade(sinistra, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(verso, &cade);
    return entra.isAccepted();
}

// Picks `voce` of `menu` in the window's menu bar with the mouse, as a user
// does: a menu never takes the focus from the window's controls.
inline void DalMenu(QMainWindow* finestra, QMenu* menu, QAction* voce) {
    QMenuBar* barra = finestra->menuBar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->actionGeometry(menu->menuAction()).center());
    QTRY_VERIFY(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(voce).center());
}

// Runs `apri`, which shows a window modally and returns once it is closed:
// the objectName of the modal window it showed ("" when none), closed as soon
// as it is up.
inline QString ModaleAperta(const std::function<void()>& apri) {
    QString nome;
    QTimer attesa;   // looks for the window until it is up; gone once this returns
    attesa.setInterval(5);
    QObject::connect(&attesa, &QTimer::timeout, [&] {
        if (QWidget* m = QApplication::activeModalWidget()) {
            nome = m->objectName();
            attesa.stop();
            m->close();
        }
    });
    attesa.start();
    apri();
    return nome;
}

// A small tmpfs mounted over a folder for the scope of the object, where the
// tests may mount one (as root): a disk that fills, or one that is read-only
// for root too. Elsewhere nothing is mounted and Fatto() is false.
class Montaggio {
public:
    Montaggio(const QString& cartella, unsigned long opzioni, const char* dati)
        : cartella_(QFile::encodeName(cartella)),
          fatto_(::mount("tmpfs", cartella_.constData(), "tmpfs", opzioni, dati) == 0) {}
    ~Montaggio() {
        if (fatto_) ::umount2(cartella_.constData(), MNT_DETACH);
    }
    Q_DISABLE_COPY(Montaggio)
    bool Fatto() const { return fatto_; }

private:
    QByteArray cartella_;
    bool fatto_;
};

// A file of the default libraries laid beside the test programs.
inline QString LibreriaDefault(const char* nome) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("LIBRERIA/") + nome);
}

// What a dialog's tests hold: a design, the dialog F on it, the message boxes
// answered from a queue and the watchdog. The test class derives from it and
// calls Inizia() in its init(), Finisci() in its cleanup().
template <class F>
struct ProvaDialogo {
    std::unique_ptr<ModuleDIC> d;
    std::unique_ptr<F> f;
    std::unique_ptr<FakeMessaggiUi> msg;
    std::unique_ptr<Sorveglianza> guardia;

    void Inizia() {
        msg = std::make_unique<FakeMessaggiUi>();
        guardia = std::make_unique<Sorveglianza>();
        Piattaforma::AzzeraBeep();
    }
    void Finisci() {
        f.reset();
        guardia->Verifica();
        guardia.reset();
        msg.reset();
    }
    // A new dialog on d (the former one closed), shown with the focus;
    // `altri`: what its constructor takes after the design.
    template <class... A>
    void Mostra(A... altri) {
        f.reset();
        f = std::make_unique<F>(*d, altri...);
        guardia->Consenti(f.get());
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get(), kAttesaMs));
    }
};

// What a library editor's tests hold besides a dialog's: the file dialogs
// answered from queues and a folder for the files written. init() calls
// Inizia(), sets what the design should already hold, then NuovaFinestra();
// cleanup() calls Finisci().
template <class E>
struct ProvaEditore : ProvaDialogo<E> {
    std::unique_ptr<E>& w = this->f;
    std::unique_ptr<FakeDialoghiUi> dlg;
    std::unique_ptr<QTemporaryDir> cartella;

    void Inizia() {
        ProvaDialogo<E>::Inizia();
        dlg = std::make_unique<FakeDialoghiUi>();
        cartella = std::make_unique<QTemporaryDir>();
        this->d = std::make_unique<ModuleDIC>();
    }
    // A new editor on d, loaded as the start window loads it.
    void NuovaFinestra() {
        w.reset();
        w = std::make_unique<E>(*this->d);
        w->Form_Load();
        Piattaforma::AzzeraBeep();
    }
    void Finisci() {
        ProvaDialogo<E>::Finisci();
        dlg.reset();  // uninstalls itself
    }
    auto& cmd() { return w->cmd; }
    QString File(const QString& nome) { return cartella->filePath(nome); }
    // A library opened from `percorso`, or saved as `nome` in the folder, through the file dialog.
    void Apri(const QString& percorso) {
        dlg->percorsiApri.push_back(percorso);
        cmd().Cmd_Apri->click();
    }
    void SalvaNome(const QString& nome) {
        dlg->percorsiSalva.push_back(File(nome));
        cmd().Cmd_SalvaNome->click();
    }
};
