// The platform layer: key filter and focus-loss check of the numeric field,
// message boxes, printing and the status text.
#include "UiTestSupport.h"
#include "files/LibRame.h"
#include "files/LimitiCampi.h"
#include "platform/ui/Ui.h"

namespace {

const QString A = QStringLiteral("A"), B = QStringLiteral("B"), NOME = QStringLiteral("Nome");

// A small form: two numeric fields (limits 4 and 3) and a name field (limit
// 5), each recording its check into `eventi`; a, alone on its page, is left
// as `uscita` says.
struct Modulo {
    QWidget finestra;
    QWidget* pagina = new QWidget(&finestra);
    CampoNumerico* a;
    CampoNumerico* b = new CampoNumerico(&finestra, 3);
    CampoNumerico* nome = new CampoNumerico(&finestra, 5, CampoNumerico::Tipo::Nome);
    QStringList eventi;

    explicit Modulo(LostFocus::Uscita uscita = LostFocus::Uscita::Sempre)
        : a(new CampoNumerico(pagina, 4, CampoNumerico::Tipo::Numero, uscita)) {
        a->setObjectName(NomeIndice("Txt_A", 0));
        (new QVBoxLayout(pagina))->addWidget(a);
        auto* l = new QVBoxLayout(&finestra);
        for (QWidget* w : std::initializer_list<QWidget*>{pagina, b, nome}) l->addWidget(w);
        QObject::connect(a, &CampoNumerico::lostFocusCheck, [this] { eventi << A; });
        b->ImpostaControllo([this] { eventi << B; });
        QObject::connect(nome, &CampoNumerico::lostFocusCheck, [this] { eventi << NOME; });
        finestra.resize(300, 200);
    }
    bool Mostra() {
        finestra.show();
        finestra.activateWindow();
        return QTest::qWaitForWindowActive(&finestra, kAttesaMs);
    }
    CampoNumerico* Campo(const QString& n) { return n == QLatin1String("b") ? b : n == NOME ? nome : a; }
};

// Types `tasti` into w: plain characters; {Key} for a key sequence such as
// {Home}, {Backspace}, {Ctrl+V}, {Num+Enter}; {All} and {Tail2} select all
// or the last two characters; {Comando}: a command (save, print ...) takes
// the user's own edit the window holds.
void Digita(QLineEdit* w, const QString& tasti) {
    static const QRegularExpression re(QStringLiteral("\\{([^}]+)\\}|(.)"));
    for (const QRegularExpressionMatch& t : re.globalMatch(tasti)) {
        const QString n = t.captured(1);
        if (n.isEmpty())
            QTest::keyClick(w, t.captured(2)[0].toLatin1());
        else if (n == QLatin1String("All"))
            w->selectAll();
        else if (n == QLatin1String("Tail2"))
            w->setSelection(w->text().length() - 2, 2);
        else if (n == QLatin1String("Comando"))
            LostFocus::PrendiProprio(w->window());
        else
            QTest::keySequence(w, QKeySequence(n));
    }
}

// Waits for a modal message box to open and take the activation (as a person
// sees it), runs `mentre` while it is open, then answers it step by step as
// `passi` says ('+' between steps): "Esc" the Escape key, "X" the title bar's
// close button, else a click on the button of that text; the steps stop once
// the box is closed. Gives back the buttons seen.
std::shared_ptr<QStringList> RispondiBox(const QString& passi, std::function<void()> mentre = {}) {
    auto visti = std::make_shared<QStringList>();
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, visti, passi, mentre] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || QApplication::activeWindow() != box) return;
        timer->deleteLater();
        timer->stop();
        if (mentre) mentre();
        for (QAbstractButton* p : box->buttons()) *visti << p->text();
        for (const QString& passo : passi.split('+')) {
            if (!box->isVisible()) break;
            if (passo == QLatin1String("Esc")) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else if (passo == QLatin1String("X")) {
                QCloseEvent chiudi;
                QApplication::sendEvent(box->windowHandle(), &chiudi);
            } else {
                for (QAbstractButton* p : box->buttons())
                    if (p->text() == passo) p->click();
            }
        }
    });
    timer->start();
    return visti;
}

QColor Centro(QWidget* w) { return w->grab().toImage().pixel(w->width() / 2, w->height() / 2); }

// Pastes `appunti` through the field's context menu.
void IncollaDaMenu(QLineEdit* campo, const QString& appunti) {
    QGuiApplication::clipboard()->setText(appunti);
    QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(5, 5), campo->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(campo, &ev);
    const QString incolla = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* menu = qobject_cast<QMenu*>(w); menu && menu->isVisible()) {
            for (QAction* a : menu->actions())
                if (a->text().contains(incolla)) {
                    a->trigger();
                    menu->close();
                    return;
                }
        }
    QFAIL("no context menu with a paste entry");
}

}  // namespace

class TestPlatform : public QObject {
    Q_OBJECT

    std::optional<Sorveglianza> guardia_;

private slots:
    void init() {
        Piattaforma::AzzeraBeep();
        guardia_.emplace();
    }
    void cleanup() { guardia_->Verifica(); guardia_.reset(); }

    // One key sequence typed into a field with a given text; the text, the
    // beeps and the checks run afterwards. The field keeps the focus.
    // (A full field refusing a digit and Enter running the check: the
    // dialogs' field tests. No field of the program is ever made read-only.)
    void keyFilter() {
        const QStringList no;
        const struct { const char *nome, *campo, *iniziale, *appunti, *tasti, *atteso; int beep; QStringList eventi; } casi[] = {
            // The filter judges the text the key leaves: a selection is replaced.
            {"full: a digit replaces the selection", "b", "1,5", "", "{All}2", "2", 0, no},
            {"comma over a selected comma", "a", "0,5", "", "{Tail2},25", "0,25", 0, no},
            {"full: Backspace, then a digit fits", "a", "1234", "", "{Backspace}9", "1239", 0, no},
            {"second comma refused anywhere", "a", ",5", "", "{Home},", ",5", 1, no},
            {"point minus letters blank plus", "a", "", "", ".-aE +", "", 6, no},
            {"keypad Enter in a full field", "a", "1234", "", "{Num+Enter}", "1234", 0, {A}},
            {"keypad decimal key types the comma", "a", "12", "", "{Num+.}5", "12,5", 0, no},
            {"keypad comma after a comma refused", "a", "1,2", "", "{Num+.}", "1,2", 1, no},
            {"main keyboard point after digits refused", "a", "12", "", ".", "12", 1, no},
            {"name: the keypad key stays a point", "Nome", "E", "", "{Num+.}", "E.", 0, no},
            {"Ctrl+V refused, even a good text", "a", "", "12", "{Ctrl+V}", "", 1, no},
            {"Ctrl+Z refused", "a", "", "", "7{Ctrl+Z}", "7", 1, no},
            {"name: any key below the limit, Enter idle", "Nome", "", "", "E.I {Return}x", "E.I x", 0, no},
            {"name full: key refused, Enter runs check", "Nome", "E.I x", "", "y{Return}", "E.I x", 1, {NOME}},
            {"name: paste past the limit", "Nome", "E.I ", "abc", "{Ctrl+V}", "E.I ", 1, no},
            {"name: paste within the limit", "Nome", "E.I ", "Z", "{Ctrl+V}", "E.I Z", 0, no},
        };
        for (const auto& k : casi) {
            Piattaforma::AzzeraBeep();
            Modulo m;
            QVERIFY2(m.Mostra(), k.nome);
            CampoNumerico* c = m.Campo(k.campo);
            c->setText(k.iniziale);
            c->setFocus();
            m.eventi.clear();
            QGuiApplication::clipboard()->setText(k.appunti);
            Digita(c, k.tasti);
            QVERIFY2(c->text() == k.atteso && Piattaforma::BeepContati() == k.beep, k.nome);
            QVERIFY2(m.eventi == k.eventi && c->hasFocus(), k.nome);
        }
    }

    // Text brought in without typing passes the same filter (field limit 4).
    void pasteDropAndInputMethod() {
        // beep -1: not counted (a refused drag never gets to drop)
        const struct { const char *via, *iniziale, *testo, *atteso; int beep; } casi[] = {
            // ",5,": four characters, only the comma rule refuses
            {"menu", "1", "1.5", "1", 1}, {"menu", "1", ",5,", "1", 1}, {"menu", "1", "2,5", "12,5", 0},
            {"drop", "1", "abc", "1", -1}, {"drop", "", "5", "5", 0},
            {"im", "1", "x", "1", 1}, {"im", "1", ",2", "1,2", 0}, {"middle", "1", "abc", "1", -1}};
        for (const auto& k : casi) {
            const QString via = k.via, iniziale = k.iniziale, testo = k.testo, atteso = k.atteso;
            Piattaforma::AzzeraBeep();
            Modulo m;
            QVERIFY(m.Mostra());
            m.a->setFocus();
            m.a->setText(iniziale);
            if (via == QLatin1String("menu")) {
                IncollaDaMenu(m.a, testo);
            } else if (via == QLatin1String("drop")) {
                QCOMPARE(Trascina(m.a, testo), atteso != iniziale);
            } else if (via == QLatin1String("im")) {
                QInputMethodEvent ev(QString(), {});
                ev.setCommitString(testo);
                QApplication::sendEvent(m.a, &ev);
            } else {
                QGuiApplication::clipboard()->setText(testo, QClipboard::Selection);
                QGuiApplication::clipboard()->setText(testo);
                QTest::mouseClick(m.a, Qt::MiddleButton);
            }
            QCOMPARE(m.a->text(), atteso);
            if (k.beep >= 0) QCOMPARE(Piattaforma::BeepContati(), k.beep);
        }
    }

    // (A popup menu is another window too: the same rule.)
    void checkIgnoresDeactivationAndPopups() {
        Modulo m;
        QVERIFY(m.Mostra());
        m.a->setFocus();
        // Another window takes the activation (and its own focus), then gives it back.
        QWidget altra;
        auto* campoAltro = new QLineEdit(&altra);
        altra.show();
        altra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&altra, kAttesaMs));
        campoAltro->setFocus();
        m.finestra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m.finestra, kAttesaMs));
        QVERIFY(m.a->hasFocus());
        // Minimized and shown again: a still holds the focus.
        m.finestra.showMinimized();
        m.finestra.showNormal();
        QVERIFY(m.Mostra() && m.a->hasFocus());
        QVERIFY(m.eventi.isEmpty());
        // Deactivated, then another control is chosen while inactive: the
        // check fires once when the form comes back.
        altra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&altra, kAttesaMs));
        m.b->setFocus();
        m.finestra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m.finestra, kAttesaMs));
        QTRY_VERIFY(m.b->hasFocus());
        QCOMPARE(m.eventi, QStringList{A});
    }

    // Closed while b holds the focus, and shown again with the focus given
    // to the name field: b was never left, and runs nothing.
    void closedWindowForgetsTheFocus() {
        Modulo m;
        QVERIFY(m.Mostra());
        m.b->setFocus();
        m.eventi.clear();
        m.finestra.hide();
        m.nome->setFocus();
        m.finestra.show();
        QApplication::setActiveWindow(&m.finestra);
        QTRY_VERIFY(m.nome->hasFocus());
        QVERIFY(m.eventi.isEmpty());
    }

    void checkNotReenteredWhileItsBoxIsShown() {
        // The check shows a real message box; while it is open, Enter and a
        // focus move must not start the check again.
        Modulo m;
        QVERIFY(m.Mostra());
        int quante = 0;
        bool inCorso = false;
        m.a->ImpostaControllo([&] {
            ++quante;
            RispondiBox(QStringLiteral("OK"), [&] {
                inCorso = m.a->ControlloInCorso();
                m.a->EseguiControllo();
                m.nome->setFocus();
            });
            Piattaforma::MsgBox(QStringLiteral("Fuori Limiti"), mb::OkOnly + mb::Exclamation, QStringLiteral("V"));
            m.a->SetGiallo(true);
        });
        m.a->setFocus();
        QTest::keyClick(m.a, Qt::Key_Tab);  // focus to b, check of a runs once
        QVERIFY(inCorso && quante == 1 && m.a->Giallo());
        // a's check moved the focus on from b while its box was open: b was
        // only passed on the way, so its check does not run (a's signal
        // records alone).
        QTRY_VERIFY(m.nome->hasFocus());
        QVERIFY(m.eventi == QStringList({A}) && !m.a->ControlloInCorso());
        // Once finished, the check runs again on the next Enter.
        m.a->setFocus();
        QTest::keyClick(m.a, Qt::Key_Return);
        QCOMPARE(quante, 2);
    }

    // A field disabled while it holds the focus (also while its window is
    // inactive, and enabled again before the window is back), or while the
    // focus is on its way to it (a's check turns b off as Tab enters b), runs
    // no check and keeps no mark: the focus goes on to the next enabled
    // field, and only fields the user really leaves are checked afterwards.
    void disabledWithTheFocusRunsNoCheck() {
        for (const int modo : {0, 1, 2}) {
            const bool entrando = modo == 1, inattiva = modo == 2;
            Modulo m;
            QVERIFY(m.Mostra());
            if (entrando) {
                // b is turned off and on again within a's check, as a view switch does.
                QObject::connect(m.a, &CampoNumerico::lostFocusCheck, [&m] { m.b->setEnabled(false); });
                m.a->setFocus();
                QTest::keyClick(m.a, Qt::Key_Tab);
                m.b->setEnabled(true);
            } else {
                m.b->setFocus();
                m.eventi.clear();   // a, which had the focus at first, was left
                QWidget altra;
                if (inattiva) {
                    altra.show();
                    altra.activateWindow();
                }
                QVERIFY(!inattiva || QTest::qWaitForWindowActive(&altra, kAttesaMs));
                m.b->setEnabled(false);
                m.b->setEnabled(true);
                QVERIFY(!inattiva || m.Mostra());
                QTRY_VERIFY(m.nome->hasFocus());
            }
            QVERIFY2(m.nome->hasFocus(), QByteArray::number(modo));
            QCOMPARE(m.eventi, entrando ? QStringList{A} : QStringList{});
            // Leaving the name field checks it alone; b, left long ago, is never checked.
            m.a->setFocus();
            m.nome->setFocus();
            QCOMPARE(m.eventi, entrando ? QStringList({A, NOME, A}) : QStringList({NOME, A}));
        }
    }

    // The focus stays where the check of the field left puts it, whatever it
    // locks on its way: a's check turns b off (or hides it) as the user
    // enters it, by Tab or by a click, and puts the focus back into a, or
    // into the name field where Qt has just moved it, while b is off or once
    // it is on again. b, never held, is not checked; also when b is told of
    // the focus before the field left runs its check (the name field left
    // backwards, by Shift+Tab or a click, its check hiding b).
    void theCheckOwnFocusHasTheLastWord() {
        const struct { bool nascosto, tab, durante, suNome, daNome = false; } casi[] = {
            {false, true, false, false}, {true, false, false, false}, {false, true, true, false},
            {true, false, true, false},  {false, true, true, true},    {true, false, true, true},
            {true, true, false, false, true}, {true, false, true, false, true}};
        for (const auto& c : casi) {
            const QByteArray caso = QByteArray::number(&c - casi);
            Modulo m;
            QVERIFY(m.Mostra());
            CampoNumerico* scelto = c.suNome ? m.nome : m.a;
            CampoNumerico* lasciato = c.daNome ? m.nome : m.a;
            QObject::connect(lasciato, &CampoNumerico::lostFocusCheck, [&m, &c, scelto] {
                m.b->setVisible(!c.nascosto);
                m.b->setEnabled(c.nascosto);
                if (c.durante) scelto->setFocus();
                m.b->setVisible(true);
                m.b->setEnabled(true);
                if (!c.durante) scelto->setFocus();
            });
            lasciato->setFocus();
            if (c.tab) QTest::keyClick(lasciato, c.daNome ? Qt::Key_Backtab : Qt::Key_Tab);
            else QTest::mouseClick(m.b, Qt::LeftButton);
            QVERIFY2(scelto->hasFocus(), caso);
            QVERIFY2(!m.eventi.contains(B), caso);
        }
    }

    // The page holding a hidden while a holds the focus, its window still
    // shown: a text typed into a is checked first, once, as a command takes
    // it, and a forgets the focus (Qt moves it on to b, never left by the
    // user). With no edit of the user's own nothing runs; a window closed or
    // minimized runs nothing either, and the restored one keeps a's edit for
    // its Tab.
    void hiddenPageTakesTheEditFirst() {
        const struct { const char* tasti; const char* come; QStringList nascosta, dopo; } casi[] = {
            {"5", "pagina", {A}, {}}, {"", "pagina", {}, {}}, {"5", "finestra", {}, {}},
            {"5", "ridotta", {}, {A}}};
        for (const auto& c : casi) {
            const QByteArray caso = QByteArray(c.tasti) + ' ' + c.come;
            Modulo m(LostFocus::Uscita::SeProprio);
            QVERIFY(m.Mostra());
            m.a->setFocus();
            Digita(m.a, QString::fromUtf8(c.tasti));
            const QString come = QString::fromUtf8(c.come);
            if (come == QLatin1String("pagina")) {
                m.pagina->hide();
                QVERIFY2(m.eventi == c.nascosta, caso);
                QTRY_VERIFY2(m.b->hasFocus(), caso);
                m.pagina->show();
            } else if (come == QLatin1String("finestra")) {
                m.finestra.hide();
                QVERIFY2(m.eventi == c.nascosta, caso);
                m.nome->setFocus();
                m.finestra.show();
                QApplication::setActiveWindow(&m.finestra);
                QTRY_VERIFY2(m.nome->hasFocus(), caso);
            } else {
                m.finestra.showMinimized();
                QVERIFY2(m.eventi == c.nascosta, caso);
                m.finestra.showNormal();
                QVERIFY(m.Mostra());
                QVERIFY2(m.a->hasFocus(), caso);
                QTest::keyClick(m.a, Qt::Key_Tab);
            }
            QVERIFY2(m.eventi == c.nascosta + c.dopo, caso);
        }
    }

    // A field that takes only the user's own text, as the design windows'
    // boxes do: each row gives the focus to a, types, has the program write
    // what follows "=", presses Enter if asked, then Tab; the checks of a so
    // far. Left after typing, a is checked, once more after Enter too;
    // passed through with a text the program wrote (also the very text
    // typed), or with the one already checked, it is not; Enter checks it
    // whatever it holds, and typing the same text again is an edit. A
    // command takes the text as leaving does: once more after Enter, and
    // leaving afterwards checks nothing.
    void passingThroughChecksNothing() {
        Modulo m(LostFocus::Uscita::SeProprio);
        QVERIFY(m.Mostra());
        const struct { const char* tasti; bool invio; int controlli; } righe[] = {
            {"", false, 0}, {"{All}5", false, 1}, {"", false, 1}, {"{All}6", true, 3},
            {"", true, 4},  {"=7", false, 4},     {"{All}7", false, 5}, {"{All}8=8", false, 5},
            {"{All}9{Return}{Comando}", false, 7}, {"{All}4{Comando}", false, 8}, {"{Comando}", false, 8}};
        for (const auto& r : righe) {
            const QStringList tasti = QString::fromUtf8(r.tasti).split('=');
            m.a->setFocus();
            Digita(m.a, tasti[0]);
            if (tasti.size() > 1) m.a->setText(tasti[1]);
            if (r.invio) QTest::keyClick(m.a, Qt::Key_Return);
            QTest::keyClick(m.a, Qt::Key_Tab);
            QVERIFY2(m.eventi.count(A) == r.controlli, r.tasti);
        }
    }

    // A Tab into b, whose text a's check rewrites on the way, selects the new
    // text whole: the key typed next replaces it. A click leaves the cursor
    // where it was clicked, and a typed key goes there.
    void tabSelectsTheTextTheCheckWrote() {
        for (const bool tab : {true, false}) {
            Modulo m;
            QVERIFY(m.Mostra());
            // Between the 3 and the 4 of the text the check writes.
            m.b->setText(QStringLiteral("34"));
            m.b->setCursorPosition(1);
            const QPoint tra = m.b->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
            m.b->setText(QStringLiteral("12"));
            QObject::connect(m.a, &CampoNumerico::lostFocusCheck, [&m] { m.b->setText(QStringLiteral("34")); });
            m.a->setFocus();
            if (tab) QTest::keyClick(m.a, Qt::Key_Tab);
            else QTest::mouseClick(m.b, Qt::LeftButton, {}, tra);
            QVERIFY(m.b->hasFocus());
            QTest::keyClick(m.b, Qt::Key_7);
            QCOMPARE(m.b->text(), tab ? QStringLiteral("7") : QStringLiteral("374"));
        }
    }

    void messageBoxButtonsAndAnswers() {
        const QString si = QStringLiteral("Sì"), no = QStringLiteral("No"), ann = QStringLiteral("Annulla");
        const QString ok = QStringLiteral("OK");
        // premi: the steps of RispondiBox. Esc and the title bar's close
        // button answer Cancel, or OK alone; a Yes/No box waits for a button.
        const struct { int stile; QString premi; QStringList pulsanti; int risposta, icona; } casi[] = {
            {mb::OkOnly + mb::Exclamation, ok, {ok}, 1, QMessageBox::Warning}, {mb::YesNo + mb::Question, si, {si, no}, 6, QMessageBox::Question},
            {mb::YesNo + mb::Question, no, {si, no}, 7, QMessageBox::Question}, {mb::OkCancel + mb::Critical, ann, {ok, ann}, 2, QMessageBox::Critical},
            {mb::YesNoCancel + mb::Information, ann, {si, no, ann}, 2, QMessageBox::Information},
            {mb::YesNoCancel + mb::Information, "Esc", {si, no, ann}, 2, QMessageBox::Information},
            {mb::YesNoCancel + mb::Information, "X", {si, no, ann}, 2, QMessageBox::Information},
            {mb::OkCancel + mb::Critical, "X", {ok, ann}, 2, QMessageBox::Critical},
            {mb::OkOnly + mb::Exclamation, "Esc", {ok}, 1, QMessageBox::Warning},
            {mb::OkOnly + mb::Exclamation, "X", {ok}, 1, QMessageBox::Warning},
            {mb::YesNo + mb::Question, "Esc+X+Sì", {si, no}, 6, QMessageBox::Question},
            {mb::YesNo + mb::Question, "X+Esc+Sì", {si, no}, 6, QMessageBox::Question}};
        for (const auto& k : casi) {
            MessaggiQt veri;
            auto visti = RispondiBox(k.premi);
            QCOMPARE(veri.MsgBox("Uscire dal Progetto di Calcolo?", k.stile, "Calcolo di Trasformatore Monofase"), k.risposta);
            QCOMPARE(QSet<QString>(visti->begin(), visti->end()), QSet<QString>(k.pulsanti.begin(), k.pulsanti.end()));
            std::unique_ptr<QMessageBox> box(
                MessaggiQt::Crea(QStringLiteral("riga 1\nriga 2"), k.stile, QStringLiteral("Titolo"), nullptr));
            QVERIFY(int(box->icon()) == k.icona && box->text() == QStringLiteral("riga 1\nriga 2") && box->windowTitle() == QStringLiteral("Titolo"));
            const bool conOk = (k.stile & 15) == mb::OkOnly || (k.stile & 15) == mb::OkCancel;
            QCOMPARE(box->defaultButton()->text(), conOk ? ok : si);
            // The title bar offers its close button where the box can be left without a button.
            QCOMPARE(bool(box->windowFlags() & Qt::WindowCloseButtonHint), (k.stile & 15) != mb::YesNo);
        }
    }

    // A box is at least as wide as a window manager's title bar needs for its
    // whole title: the title in bold and about 130 px for the bar's icon and
    // three buttons at the default font, in proportion in a larger one, also
    // after a layout request. A box whose text is wider keeps the width Qt
    // gives it; one whose title is wider than the screen is as wide as the
    // screen.
    void messageBoxShowsItsWholeTitle() {
        const int avviso = mb::OkOnly + mb::Exclamation;
        const struct { const char* titolo; const char* testo; int stile; } casi[] = {
            {campitrif::TITOLO_AVV, campitrif::VOLT_PRI, avviso},
            {CAMPO_LAM_CDP.titolo, CAMPO_LAM_CDP.messaggio, avviso},
            {"Verifica Spessori Isolanti", "Spessore Isolante Fuori Limiti", avviso},
            {"Verifica Rocchetto", "Misura Fuori Limiti", avviso},
            {TITOLO_LIBRAME_VECCHIA, "Fuori Limiti", avviso},
            {"Verifica File Progetto Trasformatore",
             "Impossibile aprire il progetto:\n\"/x.tmf\": il file o la cartella non esiste", avviso},
            {"Nuovo Progetto di Calcolo Trasformatore", "Salvare le Modifiche\n       del Trasformatore Esistente ?",
             mb::YesNoCancel + mb::Question},
            {"Chiusura Progetto di Calcolo AutoTrasformatore", "Salvare le Modifiche", mb::YesNoCancel + mb::Question},
            {"Calcolo di Trasformatore Trifase", "Uscire dal Progetto di Calcolo?", mb::YesNo + mb::Question},
            {"Controllo Parametri Fuori Limite", "La Potenza del Trasformatore è Troppo Alta", avviso}};
        const QFont normale = QApplication::font();
        const int riga = QFontMetrics(normale).height();
        const auto ripristina = qScopeGuard([&normale] { QApplication::setFont(normale); });
        for (const double scala : {1.0, 1.6}) {
            QFont f = normale;
            f.setPointSizeF(normale.pointSizeF() * scala);
            QApplication::setFont(f);
            f.setBold(true);
            const QFontMetrics fm(f);
            const int barra = 130 * fm.height() / riga;
            for (const auto& c : casi) {
                std::unique_ptr<QMessageBox> box(MessaggiQt::Crea(Qs(c.testo), c.stile, Qs(c.titolo), nullptr));
                box->show();
                QVERIFY(QTest::qWaitForWindowExposed(box.get(), kAttesaMs));
                QVERIFY2(box->width() >= fm.horizontalAdvance(Qs(c.titolo)) + barra, c.titolo);
                // On a desktop the box is asked for its layout once more after it is shown.
                QCoreApplication::postEvent(box.get(), new QEvent(QEvent::LayoutRequest));
                QCoreApplication::processEvents();
                QVERIFY2(box->width() >= fm.horizontalAdvance(Qs(c.titolo)) + barra, c.titolo);
            }
        }
        QApplication::setFont(normale);
        const QString lungo = QString(QStringLiteral("Errore di Scrittura File Libreria ")).repeated(3);
        std::unique_ptr<QMessageBox> box(MessaggiQt::Crea(lungo, avviso, QStringLiteral("Titolo"), nullptr));
        QMessageBox qt(QMessageBox::Warning, QStringLiteral("Titolo"), lungo);
        qt.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box->show();
        qt.show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get(), kAttesaMs) && QTest::qWaitForWindowExposed(&qt, kAttesaMs));
        QCOMPARE(box->size(), qt.size());
        // A title wider than the screen: the box goes as wide as the screen, no wider.
        const QString titolo = QStringLiteral("Verifica Inserzione Parametri Avvolgimento ").repeated(6);
        std::unique_ptr<QMessageBox> largo(MessaggiQt::Crea(QStringLiteral("Fuori Limiti"), avviso, titolo, nullptr));
        largo->show();
        QVERIFY(QTest::qWaitForWindowExposed(largo.get(), kAttesaMs));
        QCOMPARE(largo->width(), largo->screen()->availableGeometry().width());
    }

    void yellowAndWhiteBackground() {
        Modulo m;
        QVERIFY(m.Mostra());
        // White at first; yellow with and without the focus (inactive colour group); white again.
        for (int giallo : {0, 1, 1, 0}) {
            if (giallo && m.a->Giallo())
                m.b->setFocus();
            else if (m.a->Giallo() != bool(giallo))
                m.a->SetGiallo(giallo);
            QVERIFY(m.a->Giallo() == bool(giallo) && Centro(m.a) == QColor(255, 255, giallo ? 0 : 255));
        }
    }

    void figureShownWhole() {
        // A result box 60 x 17 px: a figure that fits keeps the label's font;
        // a wider one (9999 V x 999 A + ...) or a lower box takes a smaller
        // font whose line and ink fit; the box stays where it was.
        QWidget finestra;
        QLabel* l = Risultato(&finestra, QStringLiteral("Lbl_Prova"), QStringLiteral("Prova"), 0, 0, 900, 255);
        auto* t = qobject_cast<TestoIntero*>(l);
        QVERIFY(t);
        const QRect box = l->geometry();
        const struct { QString testo; int altezza; bool ridotto; } casi[] = {
            {"336,0", 17, false}, {"10319240,0", 17, true}, {"-1,5E+07", 17, true}, {"0,9", 11, true}};
        for (const auto& c : casi) {
            l->resize(box.width(), c.altezza);
            l->setText(c.testo);
            const QFont f = t->CarattereMostrato();
            const QFontMetrics fm(f);
            QVERIFY2(fm.horizontalAdvance(c.testo) <= l->contentsRect().width(), qPrintable(c.testo));
            // a pixel clear of the frame above and below
            QVERIFY2(fm.tightBoundingRect(c.testo).height() + 2 <= l->contentsRect().height(), qPrintable(c.testo));
            QCOMPARE(QFontInfo(f).pixelSize() < QFontInfo(l->font()).pixelSize(), c.ridotto);
            QCOMPARE(l->pos(), box.topLeft());
        }
    }

    void fileFilters() {
        QCOMPARE(FiltroQt(QStringLiteral("Progetto Trasformatore Monofase(*.tmf)|*.tmf")),
                 QStringLiteral("Progetto Trasformatore Monofase(*.tmf)"));
        QCOMPARE(FiltroQt(QStringLiteral("Libreria Lamierini|*.lam|Tutti|*.lam;*.txt")),
                 QStringLiteral("Libreria Lamierini (*.lam);;Tutti (*.lam *.txt)"));
    }

    // A status tip (a menu hovered) leaves the window's own text on show. (The
    // window shown modally: the schematic's and the start window's tests.)
    void statusTipKeepsTheStatusText() {
        QMainWindow w;
        ImpostaTestoStato(&w, QStringLiteral("Inserire i Parametri Desiderati"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w, kAttesaMs));
        w.statusBar()->showMessage(QStringLiteral("suggerimento"));
        QVERIFY(TestoStato(&w)->isVisible());
        QCOMPARE(LeggiTestoStato(&w), QStringLiteral("Inserire i Parametri Desiderati"));
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
