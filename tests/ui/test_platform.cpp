// The platform layer: key filter and focus-loss check of the numeric field,
// message boxes, printing, placement and the modal design window.
#include <QtTest>

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "UiTestSupport.h"
#include "platform/ui/Ui.h"

namespace {

// A small form: two numeric fields (limits 4 and 3), a name field (limit 5)
// and a button, each recording into `eventi`.
struct Modulo {
    QWidget finestra;
    CampoNumerico* a;
    CampoNumerico* b;
    CampoNumerico* nome;
    QPushButton* pulsante;
    QStringList eventi;

    Modulo() {
        finestra.setObjectName(QStringLiteral("Frm_Prova"));
        auto* l = new QVBoxLayout(&finestra);
        a = new CampoNumerico(&finestra, 4);
        a->setObjectName(NomeIndice("Txt_A", 0));
        b = new CampoNumerico(&finestra, 3);
        b->setObjectName(QStringLiteral("Txt_B"));
        nome = new CampoNumerico(&finestra, 5, CampoNumerico::Tipo::Nome);
        nome->setObjectName(QStringLiteral("Txt_EI"));
        pulsante = new QPushButton(QStringLiteral("Calcola"), &finestra);
        pulsante->setObjectName(QStringLiteral("Cmd_Ok"));
        for (QWidget* w : {static_cast<QWidget*>(a), static_cast<QWidget*>(b),
                           static_cast<QWidget*>(nome), static_cast<QWidget*>(pulsante)})
            l->addWidget(w);
        QObject::connect(a, &CampoNumerico::lostFocusCheck, [this] { eventi << QStringLiteral("A"); });
        b->ImpostaControllo([this] { eventi << QStringLiteral("B"); });
        QObject::connect(nome, &CampoNumerico::lostFocusCheck, [this] { eventi << QStringLiteral("Nome"); });
        QObject::connect(pulsante, &QPushButton::clicked, [this] { eventi << QStringLiteral("Click"); });
        finestra.resize(300, 200);
    }
    bool Mostra() {
        finestra.show();
        finestra.activateWindow();
        return QTest::qWaitForWindowActive(&finestra);
    }
};

void Digita(QWidget* w, const QString& testo) {
    for (QChar c : testo) QTest::keyClick(w, c.toLatin1());
}

// Waits for a modal message box and clicks the button with `testo`;
// gives back the button texts it saw.
QStringList* RispondiBox(const QString& testo) {
    auto* visti = new QStringList;
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, visti, testo] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        timer->stop();
        timer->deleteLater();
        for (QAbstractButton* p : box->buttons()) *visti << p->text();
        for (QAbstractButton* p : box->buttons())
            if (p->text() == testo) {
                p->click();
                return;
            }
        if (testo == QLatin1String("Esc")) QTest::keyClick(box, Qt::Key_Escape);
    });
    timer->start();
    return visti;
}

QRgb Pixel(QWidget* w, QPoint p) { return w->grab().toImage().pixel(p); }

}  // namespace

class TestPlatform : public QObject {
    Q_OBJECT

    Sorveglianza* guardia_ = nullptr;

private slots:
    void init() {
        Piattaforma::AzzeraBeep();
        guardia_ = new Sorveglianza;
    }
    void cleanup() {
        guardia_->Verifica();
        delete guardia_;
    }

    void placementAndNames() {
        // 15 twips to a pixel: 1200 x 495 at 120, 3015 -> 80 x 33 at 8, 201.
        QWidget padre;
        auto* w = new QWidget(&padre);
        Posiziona(w, 120, 3015, 1200, 495);
        QCOMPARE(w->geometry(), QRect(8, 201, 80, 33));
        QCOMPARE(Px(12300), 820);
        QCOMPARE(Px(9500), 633);  // 633.33 rounds down
        QCOMPARE(Px(7), 0);
        QCOMPARE(Px(8), 1);
        QCOMPARE(NomeIndice("Txt_SecVolt", 0), QStringLiteral("Txt_SecVolt(0)"));
        QCOMPARE(NomeIndice("Cmd_PriRoch", 11), QStringLiteral("Cmd_PriRoch(11)"));
        // UTF-8 both ways.
        const std::string s = "NON \xc3\xa8 possibile";
        QCOMPARE(Qs(s), QStringLiteral("NON è possibile"));
        QCOMPARE(U8(Qs(s)), s);
    }

    void keyFilterDigitsAndLength() {
        Modulo m;
        QVERIFY(m.Mostra());
        m.a->setFocus();
        Digita(m.a, QStringLiteral("1234"));
        QCOMPARE(m.a->text(), QStringLiteral("1234"));
        QCOMPARE(Piattaforma::BeepContati(), 0);
        // Full field: a fifth digit and a comma are refused with a beep.
        QTest::keyClick(m.a, Qt::Key_5);
        QTest::keyClick(m.a, ',');
        QCOMPARE(m.a->text(), QStringLiteral("1234"));
        QCOMPARE(Piattaforma::BeepContati(), 2);
        // A selection does not make room: the length before the key counts.
        m.a->selectAll();
        QTest::keyClick(m.a, Qt::Key_7);
        QCOMPARE(m.a->text(), QStringLiteral("1234"));
        QCOMPARE(Piattaforma::BeepContati(), 3);
        // Backspace still works in a full field, then a digit fits again.
        m.a->end(false);
        QTest::keyClick(m.a, Qt::Key_Backspace);
        QCOMPARE(m.a->text(), QStringLiteral("123"));
        QTest::keyClick(m.a, Qt::Key_9);
        QCOMPARE(m.a->text(), QStringLiteral("1239"));
        // Delete and the cursor keys pass unfiltered, no beep.
        QTest::keyClick(m.a, Qt::Key_Home);
        QTest::keyClick(m.a, Qt::Key_Right);
        QTest::keyClick(m.a, Qt::Key_Delete);
        QCOMPARE(m.a->text(), QStringLiteral("139"));
        QTest::keyClick(m.a, Qt::Key_End);
        QTest::keyClick(m.a, Qt::Key_Left);
        QCOMPARE(m.a->cursorPosition(), 2);
        QCOMPARE(Piattaforma::BeepContati(), 3);
        // In a partly selected non-full field a digit replaces the selection.
        m.a->setSelection(0, 2);
        QTest::keyClick(m.a, Qt::Key_8);
        QCOMPARE(m.a->text(), QStringLiteral("89"));
        QVERIFY(m.eventi.isEmpty());
    }

    void keyFilterCommaAndRefusedCharacters() {
        Modulo m;
        QVERIFY(m.Mostra());
        m.a->setFocus();
        // A comma typed first: ",5" reads as 0.5.
        Digita(m.a, QStringLiteral(",5"));
        QCOMPARE(m.a->text(), QStringLiteral(",5"));
        QVERIFY(m.a->Valore().has_value());
        QCOMPARE(*m.a->Valore(), 0.5f);
        // A second comma, anywhere, is refused with a beep.
        QTest::keyClick(m.a, Qt::Key_Home);
        QTest::keyClick(m.a, ',');
        QCOMPARE(m.a->text(), QStringLiteral(",5"));
        QCOMPARE(Piattaforma::BeepContati(), 1);
        // Point, minus, letters, blank: each refused with a beep.
        m.a->clear();
        int beep = Piattaforma::BeepContati();
        for (char c : {'.', '-', 'a', 'E', ' ', '+'}) {
            QTest::keyClick(m.a, c);
            QCOMPARE(m.a->text(), QString());
            QCOMPARE(Piattaforma::BeepContati(), ++beep);
        }
        Digita(m.a, QStringLiteral("5,"));
        QCOMPARE(*m.a->Valore(), 5.0f);
        // Typing a point where a comma is meant gives no decimal at all.
        m.a->clear();
        Digita(m.a, QStringLiteral("1.5"));
        QCOMPARE(m.a->text(), QStringLiteral("15"));
        // A lone comma is no number.
        m.a->setText(QStringLiteral(","));
        QVERIFY(!m.a->Valore().has_value());
    }

    void lockedFieldKeepsItsText() {
        Modulo m;
        QVERIFY(m.Mostra());
        m.a->setText(QStringLiteral("12"));
        m.a->setReadOnly(true);
        m.a->setFocus();
        m.a->end(false);
        // An accepted digit and comma do not reach a locked text; a refused
        // key still beeps; Enter still runs the check.
        Digita(m.a, QStringLiteral("3,"));
        QCOMPARE(m.a->text(), QStringLiteral("12"));
        QCOMPARE(Piattaforma::BeepContati(), 0);
        QTest::keyClick(m.a, 'x');
        QCOMPARE(Piattaforma::BeepContati(), 1);
        QTest::keyClick(m.a, Qt::Key_Backspace);
        QCOMPARE(m.a->text(), QStringLiteral("12"));
        QTest::keyClick(m.a, Qt::Key_Return);
        QCOMPARE(m.eventi, QStringList{QStringLiteral("A")});
        // Nor does a name field take typed or pasted text when locked.
        m.nome->setText(QStringLiteral("EI"));
        m.nome->setReadOnly(true);
        m.nome->setFocus();
        QTest::keyClick(m.nome, 'z');
        QGuiApplication::clipboard()->setText(QStringLiteral("Q"));
        QTest::keyClick(m.nome, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m.nome->text(), QStringLiteral("EI"));
    }

    void keyboardPasteIsRefused() {
        Modulo m;
        QVERIFY(m.Mostra());
        m.a->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("12"));  // even a good text
        QTest::keyClick(m.a, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m.a->text(), QString());
        QCOMPARE(Piattaforma::BeepContati(), 1);
        QTest::keyClick(m.a, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(m.a->text(), QString());
        QCOMPARE(Piattaforma::BeepContati(), 2);
        // Ctrl+Z cannot bring back an earlier text either.
        Digita(m.a, QStringLiteral("7"));
        QTest::keyClick(m.a, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m.a->text(), QStringLiteral("7"));
        QCOMPARE(Piattaforma::BeepContati(), 3);
    }

    void pasteDropAndInputMethodFiltered() {
        Modulo m;
        QVERIFY(m.Mostra());
        m.a->setFocus();
        m.a->setText(QStringLiteral("1"));
        m.a->end(false);

        // Context-menu paste: a bad text is refused, a good one goes in.
        auto incollaDaMenu = [&m](const QString& appunti) {
            QGuiApplication::clipboard()->setText(appunti);
            QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(5, 5), m.a->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(m.a, &ev);
            QMenu* menu = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* mm = qobject_cast<QMenu*>(w); mm && mm->isVisible()) menu = mm;
            QVERIFY(menu);
            // The entry with the paste shortcut.
            QAction* incolla = nullptr;
            for (QAction* a : menu->actions())
                if (a->text().contains(QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText)))
                    incolla = a;
            QVERIFY(incolla);
            incolla->trigger();
            menu->close();
        };
        incollaDaMenu(QStringLiteral("1.5"));
        QCOMPARE(m.a->text(), QStringLiteral("1"));
        incollaDaMenu(QStringLiteral("2,5,"));  // two commas
        QCOMPARE(m.a->text(), QStringLiteral("1"));
        incollaDaMenu(QStringLiteral("2345"));  // would make five characters
        QCOMPARE(m.a->text(), QStringLiteral("1"));
        incollaDaMenu(QStringLiteral("2,5"));
        QCOMPARE(m.a->text(), QStringLiteral("12,5"));
        QCOMPARE(Piattaforma::BeepContati(), 3);

        // Drag and drop of a bad text changes nothing.
        m.b->setText(QStringLiteral("1"));
        auto lascia = [&m](const QString& testo) {
            QMimeData dati;
            dati.setText(testo);
            QDragEnterEvent entra(QPoint(5, 5), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(m.b, &entra);
            const bool accettato = entra.isAccepted();
            QDropEvent lascia(QPointF(5, 5), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(m.b, &lascia);
            return accettato;
        };
        QVERIFY(!lascia(QStringLiteral("abc")));
        QCOMPARE(m.b->text(), QStringLiteral("1"));
        QVERIFY(!lascia(QStringLiteral("-5")));
        QCOMPARE(m.b->text(), QStringLiteral("1"));
        QVERIFY(lascia(QStringLiteral("5")));
        QCOMPARE(m.b->text().length(), 2);

        // Input method: a committed text passes the same filter.
        m.b->setText(QStringLiteral("1"));
        m.b->end(false);
        QInputMethodEvent cattivo(QString(), {});
        cattivo.setCommitString(QStringLiteral("x"));
        QApplication::sendEvent(m.b, &cattivo);
        QCOMPARE(m.b->text(), QStringLiteral("1"));
        QInputMethodEvent buono(QString(), {});
        buono.setCommitString(QStringLiteral(",2"));
        QApplication::sendEvent(m.b, &buono);
        QCOMPARE(m.b->text(), QStringLiteral("1,2"));

        // Middle-click paste of a bad selection brings in nothing.
        QGuiApplication::clipboard()->setText(QStringLiteral("abc"), QClipboard::Selection);
        QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
        m.a->setText(QStringLiteral("1"));
        QTest::mouseClick(m.a, Qt::MiddleButton);
        QCOMPARE(m.a->text(), QStringLiteral("1"));
    }

    void nameField() {
        Modulo m;
        QVERIFY(m.Mostra());
        m.nome->setFocus();
        m.eventi.clear();  // the first field had the focus when shown
        // Every key while shorter than the limit; Enter runs nothing yet.
        Digita(m.nome, QStringLiteral("E.I "));
        QTest::keyClick(m.nome, Qt::Key_Return);
        QVERIFY(m.eventi.isEmpty());
        QTest::keyClick(m.nome, 'x');
        QCOMPARE(m.nome->text(), QStringLiteral("E.I x"));
        // Full: only Backspace, and Enter runs the check.
        QTest::keyClick(m.nome, 'y');
        QCOMPARE(m.nome->text(), QStringLiteral("E.I x"));
        QCOMPARE(Piattaforma::BeepContati(), 1);
        QTest::keyClick(m.nome, Qt::Key_Return);
        QCOMPARE(m.eventi, QStringList{QStringLiteral("Nome")});
        QTest::keyClick(m.nome, Qt::Key_Backspace);
        QCOMPARE(m.nome->text(), QStringLiteral("E.I "));
        // A paste that would pass the limit is refused.
        QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
        QTest::keyClick(m.nome, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m.nome->text(), QStringLiteral("E.I "));
        QGuiApplication::clipboard()->setText(QStringLiteral("Z"));
        QTest::keyClick(m.nome, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m.nome->text(), QStringLiteral("E.I Z"));
    }

    void enterRunsCheckAndKeepsFocus() {
        Modulo m;
        QVERIFY(m.Mostra());
        m.a->setFocus();
        Digita(m.a, QStringLiteral("12"));
        QTest::keyClick(m.a, Qt::Key_Return);
        QCOMPARE(m.eventi, QStringList{QStringLiteral("A")});
        QVERIFY(m.a->hasFocus());
        QCOMPARE(m.a->text(), QStringLiteral("12"));
        // Enter works also in a full field, and the keypad Enter too.
        Digita(m.a, QStringLiteral("34"));
        QTest::keyClick(m.a, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(m.eventi.size(), 2);
        QCOMPARE(Piattaforma::BeepContati(), 0);
        // Leaving afterwards runs the check once more.
        QTest::keyClick(m.a, Qt::Key_Tab);
        QVERIFY(m.b->hasFocus());
        QCOMPARE(m.eventi.size(), 3);
    }

    void checkFiresOnFocusMoveWithinWindow() {
        Modulo m;
        QVERIFY(m.Mostra());
        m.a->setFocus();
        QVERIFY(m.eventi.isEmpty());
        // Tab, then Shift+Tab back, then a click on the button.
        QTest::keyClick(m.a, Qt::Key_Tab);
        QCOMPARE(m.eventi, QStringList{QStringLiteral("A")});
        QTest::keyClick(m.b, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(m.a->hasFocus());
        QCOMPARE(m.eventi, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
        m.eventi.clear();
        QTest::mouseClick(m.pulsante, Qt::LeftButton);
        // The check runs before the click, as LostFocus did.
        QCOMPARE(m.eventi, (QStringList{QStringLiteral("A"), QStringLiteral("Click")}));
        // Focus moved by code counts as well.
        m.eventi.clear();
        m.b->setFocus();
        m.nome->setFocus();
        QCOMPARE(m.eventi, QStringList{QStringLiteral("B")});
    }

    void checkIgnoresDeactivationAndPopups() {
        Modulo m;
        QVERIFY(m.Mostra());
        m.a->setFocus();
        QVERIFY(m.a->hasFocus());

        // Another window takes the activation, then gives it back.
        QWidget altra;
        auto* campoAltro = new QLineEdit(&altra);
        altra.show();
        altra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&altra));
        campoAltro->setFocus();
        QVERIFY(campoAltro->hasFocus());
        m.finestra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m.finestra));
        QVERIFY(m.a->hasFocus());
        QVERIFY(m.eventi.isEmpty());

        // A popup menu opens and closes.
        QMenu menu;
        menu.addAction(QStringLiteral("voce"));
        menu.popup(m.a->mapToGlobal(QPoint(0, 0)));
        QTRY_VERIFY(menu.isVisible());
        menu.close();
        QTRY_VERIFY(!menu.isVisible());
        QVERIFY(m.eventi.isEmpty());

        // Deactivated, then a click on another control of the form when it
        // comes back: the check fires once.
        altra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&altra));
        m.b->setFocus();  // the form is inactive: it only remembers the focus
        m.finestra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m.finestra));
        QTRY_VERIFY(m.b->hasFocus());
        QCOMPARE(m.eventi, QStringList{QStringLiteral("A")});
    }

    void checkNotReenteredWhileItsBoxIsShown() {
        // The check shows a real message box; while it is open, Enter and a
        // focus move must not start the check again.
        Modulo m;
        QVERIFY(m.Mostra());
        int quante = 0;
        bool riprovato = false;
        m.a->ImpostaControllo([&] {
            ++quante;
            // While the box is open: a second Enter and a focus move.
            QTimer t;
            t.setInterval(10);
            QObject::connect(&t, &QTimer::timeout, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) return;
                t.stop();
                QVERIFY(m.a->ControlloInCorso());
                m.a->EseguiControllo();
                m.nome->setFocus();
                riprovato = true;
                box->buttons().first()->click();
            });
            t.start();
            Piattaforma::MsgBox(QStringLiteral("Fuori Limiti"), mb::OkOnly + mb::Exclamation,
                                QStringLiteral("Verifica"));
            m.a->SetGiallo(true);
        });
        m.a->setFocus();
        QTest::keyClick(m.a, Qt::Key_Tab);  // focus to b, check of a runs once
        QVERIFY(riprovato);
        QCOMPARE(quante, 1);
        QVERIFY(m.a->Giallo());
        // The focus moved on from b while the box was open: b's check, once
        // (after a's, whose signal also records).
        QTRY_VERIFY(m.nome->hasFocus());
        QCOMPARE(m.eventi, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
        QVERIFY(!m.a->ControlloInCorso());
        // Once finished, the check runs again on the next Enter.
        m.a->setFocus();
        QTest::keyClick(m.a, Qt::Key_Return);
        QCOMPARE(quante, 2);
    }

    void ownMessageBoxDoesNotFireCheck() {
        // Enter runs the check, which shows a real box: the focus goes to the
        // box and back without a second check.
        Modulo m;
        QVERIFY(m.Mostra());
        int quante = 0;
        m.b->ImpostaControllo([&] {
            ++quante;
            RispondiBox(QStringLiteral("OK"));
            Piattaforma::MsgBox(QStringLiteral("Fuori Limiti"), mb::OkOnly + mb::Exclamation,
                                QStringLiteral("Verifica"));
        });
        m.b->setFocus();
        QTest::keyClick(m.b, Qt::Key_Return);
        QCOMPARE(quante, 1);
        QTRY_VERIFY(m.b->hasFocus());
        QTest::qWait(50);
        QCOMPARE(quante, 1);
    }

    void messageBoxButtonsAndAnswers_data() {
        QTest::addColumn<int>("stile");
        QTest::addColumn<QString>("premi");
        QTest::addColumn<QStringList>("pulsanti");
        QTest::addColumn<int>("risposta");
        QTest::addColumn<int>("icona");
        const QStringList sn{QStringLiteral("Sì"), QStringLiteral("No")};
        const QStringList snA{QStringLiteral("Sì"), QStringLiteral("No"), QStringLiteral("Annulla")};
        QTest::newRow("ok") << (mb::OkOnly + mb::Exclamation) << "OK" << QStringList{"OK"} << 1
                            << int(QMessageBox::Warning);
        QTest::newRow("si") << (mb::YesNo + mb::Question) << "Sì" << sn << 6 << int(QMessageBox::Question);
        QTest::newRow("no") << (mb::YesNo + mb::Question) << "No" << sn << 7 << int(QMessageBox::Question);
        QTest::newRow("annulla") << (mb::YesNoCancel + mb::Information) << "Annulla" << snA << 2
                                 << int(QMessageBox::Information);
        QTest::newRow("esc") << (mb::YesNoCancel + mb::Information) << "Esc" << snA << 2
                             << int(QMessageBox::Information);
        QTest::newRow("okcancel") << (mb::OkCancel + mb::Critical) << "Annulla"
                                  << QStringList{"OK", "Annulla"} << 2 << int(QMessageBox::Critical);
    }
    void messageBoxButtonsAndAnswers() {
        QFETCH(int, stile);
        QFETCH(QString, premi);
        QFETCH(QStringList, pulsanti);
        QFETCH(int, risposta);
        QFETCH(int, icona);
        MessaggiQt veri;
        QStringList* visti = RispondiBox(premi);
        const int r = veri.MsgBox("Uscire dal Progetto di Calcolo?", stile, "Calcolo di Trasformatore Monofase");
        QCOMPARE(r, risposta);
        visti->sort();
        pulsanti.sort();
        QCOMPARE(*visti, pulsanti);
        delete visti;

        std::unique_ptr<QMessageBox> box(MessaggiQt::Crea(QStringLiteral("riga 1\nriga 2"), stile,
                                                          QStringLiteral("Titolo"), nullptr));
        QCOMPARE(int(box->icon()), icona);
        QCOMPARE(box->text(), QStringLiteral("riga 1\nriga 2"));
        QCOMPARE(box->windowTitle(), QStringLiteral("Titolo"));
        QCOMPARE(box->defaultButton()->text(), (stile & 15) == mb::OkOnly || (stile & 15) == mb::OkCancel
                                                   ? QStringLiteral("OK") : QStringLiteral("Sì"));
    }

    void fakeMessagesAnswerFromQueue() {
        FakeMessaggiUi msg;
        msg.Attendi(mb::No);
        QCOMPARE(Piattaforma::MsgBox(QStringLiteral("Vuoi Salvare?"), mb::YesNo + mb::Question,
                                     QStringLiteral("Chiusura")),
                 mb::No);
        QCOMPARE(msg.Ultimo(), QStringLiteral("Vuoi Salvare?"));
        QCOMPARE(msg.boxes.back().stile, mb::YesNo + mb::Question);
        // A box nobody expected is recorded (failing the test is switched
        // off here so the test can look at it).
        msg.falliscePerInattesi = false;
        QCOMPARE(Piattaforma::MsgBox(QStringLiteral("strano"), mb::OkOnly, QStringLiteral("t")), mb::Ok);
        QCOMPARE(msg.inattesi.size(), size_t(1));
    }

    void watchdogClosesRealModalBox() {
        Sorveglianza sentinella(20);
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Titolo"), QStringLiteral("nessuno risponde"));
        box.exec();  // would hang without the watchdog
        QCOMPARE(sentinella.chiusi.size(), 1);
        QVERIFY(sentinella.chiusi.first().contains(QStringLiteral("nessuno risponde")));
        sentinella.chiusi.clear();
        guardia_->chiusi.clear();  // the test's own watchdog may have seen it too
    }

    void watchdogLeavesDesignWindowToTheTest() {
        // A design window the test shows modally and closes itself, after
        // several watchdog periods, is not taken for an unanswered box.
        Sorveglianza sentinella(20);
        QMainWindow w;
        bool apertaAllaFine = false;
        QTimer::singleShot(300, &w, [&] {
            apertaAllaFine = w.isVisible();
            w.close();
        });
        MostraModale(&w);
        QVERIFY(apertaAllaFine);
        QVERIFY(sentinella.chiusi.isEmpty());
        QVERIFY(guardia_->chiusi.isEmpty());
        // One left open past its time is closed and recorded.
        Sorveglianza breve(20, 100);
        QTimer::singleShot(2000, &w, [&] { w.close(); });
        MostraModale(&w);
        QCOMPARE(breve.chiusi.size(), 1);
        breve.chiusi.clear();
        sentinella.chiusi.clear();
        guardia_->chiusi.clear();
    }

    void yellowAndWhiteBackground() {
        Modulo m;
        QVERIFY(m.Mostra());
        QVERIFY(!m.a->Giallo());
        const QPoint centro(m.a->width() / 2, m.a->height() / 2);
        QCOMPARE(QColor(Pixel(m.a, centro)), QColor(255, 255, 255));
        m.a->SetGiallo(true);
        QVERIFY(m.a->Giallo());
        QCOMPARE(m.a->palette().color(QPalette::Base), QColor(255, 255, 0));
        QCOMPARE(QColor(Pixel(m.a, centro)), QColor(255, 255, 0));
        // Also without the focus (inactive colour group).
        m.b->setFocus();
        QCOMPARE(QColor(Pixel(m.a, centro)), QColor(255, 255, 0));
        m.a->SetGiallo(false);
        QVERIFY(!m.a->Giallo());
        QCOMPARE(QColor(Pixel(m.a, centro)), QColor(255, 255, 255));
    }

    void printScaling() {
        // 400 x 300 on a 1000 x 1000 page: full width, 750 high, at the top.
        QCOMPARE(AreaImmagine(QSize(400, 300), QRect(0, 0, 1000, 1000)), QRect(0, 0, 1000, 750));
        // 300 x 600: full height, 500 wide, centred across (x = 250).
        QCOMPARE(AreaImmagine(QSize(300, 600), QRect(0, 0, 1000, 1000)), QRect(250, 0, 500, 1000));
        // A smaller image is enlarged as well; page offset is kept.
        QCOMPARE(AreaImmagine(QSize(82, 63), QRect(10, 20, 820, 1000)), QRect(10, 20, 820, 630));
        QVERIFY(AreaImmagine(QSize(0, 5), QRect(0, 0, 10, 10)).isEmpty());

        QImage rossa(40, 20, QImage::Format_RGB32);
        rossa.fill(Qt::red);
        QImage pagina(100, 100, QImage::Format_RGB32);
        pagina.fill(Qt::white);
        {
            QPainter p(&pagina);
            DisegnaInPagina(p, rossa, pagina.rect());
        }
        QCOMPARE(QColor(pagina.pixel(50, 25)), QColor(Qt::red));
        QCOMPARE(QColor(pagina.pixel(99, 0)), QColor(Qt::red));
        QCOMPARE(QColor(pagina.pixel(50, 60)), QColor(Qt::white));

        // A real paged device: the window's image goes onto one page.
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("prova.pdf"));
        Modulo m;
        m.finestra.show();
        {
            QPdfWriter pdf(file);
            QVERIFY(StampaImmagine(pdf, &m.finestra));
        }
        QVERIFY(QFileInfo(file).size() > 500);
        QVERIFY(!StampaImmagine(*std::make_unique<QPdfWriter>(dir.filePath(QStringLiteral("x.pdf"))), nullptr));
    }

    void fileDialogFilterAndFakes() {
        QCOMPARE(FiltroQt(QStringLiteral("Progetto Trasformatore Monofase(*.tmf)|*.tmf")),
                 QStringLiteral("Progetto Trasformatore Monofase(*.tmf)"));
        QCOMPARE(FiltroQt(QStringLiteral("Libreria Lamierini|*.lam|Tutti|*.lam;*.txt")),
                 QStringLiteral("Libreria Lamierini (*.lam);;Tutti (*.lam *.txt)"));

        FakeDialoghiUi dialoghi;
        dialoghi.percorsiApri.push_back(QStringLiteral("/tmp/a.tmf"));
        QCOMPARE(Piattaforma::Dialoghi().Apri(nullptr, QStringLiteral("Apri"), QStringLiteral("/x"),
                                               QStringLiteral("f")),
                 QStringLiteral("/tmp/a.tmf"));
        QCOMPARE(Piattaforma::Dialoghi().Salva(nullptr, QStringLiteral("Salva"), {}, {}), QString());
        // A cancelled printer dialog prints nothing.
        QWidget w;
        w.resize(50, 40);
        dialoghi.stampanteOk = false;
        QVERIFY(!Piattaforma::Dialoghi().Stampa(nullptr, &w, true));
        QVERIFY(dialoghi.stampate.empty());
        dialoghi.stampanteOk = true;
        QVERIFY(Piattaforma::Dialoghi().Stampa(nullptr, &w, true));
        QCOMPARE(dialoghi.stampate.size(), size_t(1));
        QCOMPARE(dialoghi.chiamate.size(), size_t(4));
        QCOMPARE(dialoghi.chiamate[0].cartella, QStringLiteral("/x"));
    }

    void modalDesignWindow() {
        auto* w = new QMainWindow;
        w->setObjectName(QStringLiteral("Frm_Alim"));
        w->menuBar()->addMenu(QStringLiteral("&File"));
        ImpostaTestoStato(w, QStringLiteral("Inserire i Parametri Desiderati"));
        QCOMPARE(w->statusBar()->objectName(), QStringLiteral("StatusBar1"));
        QCOMPARE(LeggiTestoStato(w), QStringLiteral("Inserire i Parametri Desiderati"));
        QCOMPARE(TestoStato(w), TestoStato(w));  // one label, made once
        // A status tip (menu hover) does not hide the permanent text.
        w->statusBar()->showMessage(QStringLiteral("suggerimento"));
        bool escChiude = true, modale = false, visibileTesto = false;
        QTimer::singleShot(50, [&] {
            modale = QApplication::activeModalWidget() == w;
            visibileTesto = TestoStato(w)->isVisible();
            QTest::keyClick(w, Qt::Key_Escape);
            escChiude = !w->isVisible();
            w->close();
        });
        // Safety net should the window stay open; bound to the window, so it
        // cannot fire once the window (and this test) is gone.
        bool tornato = false;
        QTimer::singleShot(3000, w, [&] { if (!tornato) w->close(); });
        MostraModale(w);
        tornato = true;
        QVERIFY(modale);
        QVERIFY(visibileTesto);
        QVERIFY(!escChiude);
        QVERIFY(!w->isVisible());
        // A window that deletes itself on close ends the loop as well.
        w->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<QMainWindow> p(w);
        QTimer::singleShot(30, [w] { w->close(); });
        MostraModale(w);
        QTRY_VERIFY(p.isNull());
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
