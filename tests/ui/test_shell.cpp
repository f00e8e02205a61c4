// The program's start, start window, about window and picture viewer.
#include <csignal>

#include "UiTestSupport.h"
#include "app/Finestre.h"
#include "engine/ModuleDIC.h"
#include "shell/Frm_About.h"
#include "shell/Frm_Splash.h"
#include "windows/comune/Frm_Vedi.h"

namespace {

// The start window on a fresh design; the windows it asks for are recorded.
struct Avvio {
    std::unique_ptr<ModuleDIC> d = std::make_unique<ModuleDIC>();
    FakeFinestreUi f;
    Frm_Splash w{*d};
};

bool Mostra(QWidget* w) {
    w->show();
    return QTest::qWaitForWindowExposed(w, kAttesaMs);
}

const QString kImmagine = QStringLiteral("VediProva/Avv Sec A.png");  // below the application's folder

}  // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // A 200 x 150 picture for the viewer.
        const QString percorso = QCoreApplication::applicationDirPath() + QLatin1Char('/') + kImmagine;
        QDir().mkpath(QFileInfo(percorso).absolutePath());
        QImage img(200, 150, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        QVERIFY(img.save(percorso, "PNG"));
    }
    void cleanupTestCase() {
        QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/VediProva")).removeRecursively();
    }
    void init() { guardia_.emplace(); }
    void cleanup() { guardia_->Verifica(); guardia_.reset(); }

    // ---------------------------------------------------------------- the program's start

    // The program as built, started as a user starts it, with the file-size
    // signal at the system's default whatever this test's own process does
    // with it: it comes to ignore that signal, so that a save past a file-size
    // limit fails with its reason (FileDanneggiati) instead of ending it.
    void ilProgrammaIgnoraIlSegnaleDelLimiteDiFile() {
        QProcess programma;
        programma.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/marlovine"));
        programma.setChildProcessModifier([] { std::signal(SIGXFSZ, SIG_DFL); });
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        programma.setProcessEnvironment(ambiente);
        programma.start();
        QVERIFY(programma.waitForStarted(kAttesaMs));
        // The signals the process ignores, a hexadecimal mask whose bit n-1 is signal n.
        QFile stato(QStringLiteral("/proc/%1/status").arg(programma.processId()));
        const auto ignorato = [&] {
            if (!stato.open(QIODevice::ReadOnly)) return false;
            const QByteArray testo = stato.readAll();
            stato.close();
            const qsizetype k = testo.indexOf("SigIgn:");
            const qulonglong maschera =
                k < 0 ? 0 : testo.mid(k + 7, testo.indexOf('\n', k) - k - 7).trimmed().toULongLong(nullptr, 16);
            return (maschera >> (SIGXFSZ - 1) & 1) != 0;
        };
        // Seen ignored while the program still runs (one that ended tells nothing).
        const bool ignora = QTest::qWaitFor([&] { return programma.state() != QProcess::Running || ignorato(); }, kAttesaMs) &&
                            programma.state() == QProcess::Running;
        programma.kill();
        programma.waitForFinished(kAttesaMs);
        QVERIFY2(ignora, "the program does not ignore SIGXFSZ");
    }

    // ---------------------------------------------------------------- start window

    // Controls clicked in turn; the one window then asked for. Nothing is set
    // in the shared data before the window opens.
    void splashButtonsAskForWindows() {
        const QString ok = QStringLiteral("Cmd_Ok");
        const std::pair<QStringList, Finestra> casi[] = {
            {{ok}, Finestra::Alim}, {{"Opt_Auto", ok}, Finestra::AutoTrasf}, {{"Opt_Trif", ok}, Finestra::Trifase},
            {{"Opt_AutoTrif", ok}, Finestra::AutoTrifase}, {{"Opt_Usci", "Opt_Alim", ok}, Finestra::Alim},
            {{"Cmd_CreaLibRame"}, Finestra::CreaLibRame}, {{"Cmd_About"}, Finestra::About}};
        for (const auto& [clic, finestra] : casi) {
            Avvio a;
            QVERIFY(Figlio<QRadioButton>(&a.w, "Opt_Alim")->isChecked());
            for (const QString& nome : clic) QTest::mouseClick(Figlio<QAbstractButton>(&a.w, nome), Qt::LeftButton);
            int scelte = 0;  // one group: exactly one option selected
            for (auto* o : a.w.findChildren<QRadioButton*>()) scelte += o->isChecked() ? 1 : 0;
            QVERIFY(scelte == 1 && a.f.richieste == std::vector<Finestra>{finestra} && a.d->TipoCalcolo == 0);
        }
    }

    // The real windows open modally over the start window (one path for all).
    void splashOpensRealWindowsModally() {
        FakeMessaggiUi msg;
        msg.falliscePerInattesi = false;  // the design window's own warnings are not under test here
        auto d = std::make_unique<ModuleDIC>();
        FinestreReali reali(*d);
        Frm_Splash w(*d, &reali);
        QVERIFY(Mostra(&w));
        QCOMPARE(ModaleAperta([&] { Figlio<QPushButton>(&w, "Cmd_Ok")->click(); }), QStringLiteral("Frm_Alim"));
        QVERIFY(w.isVisible());  // the start window stays loaded underneath
    }

    // "Esci" and the window manager's close both end the program, no question asked.
    void splashEsciAndCloseEndWithoutQuestion() {
        for (bool pulsante : {true, false}) {
            FakeMessaggiUi msg;  // any box would fail the test
            Avvio a;
            QSignalSpy fine(&a.w, &Frm_Splash::Scaricata);
            QVERIFY(Mostra(&a.w));
            if (pulsante)
                QTest::mouseClick(Figlio<QPushButton>(&a.w, "Cmd_Esci"), Qt::LeftButton);
            else
                QVERIFY(a.w.close());
            QVERIFY2(fine.count() == 1 && !a.w.isVisible() && a.f.richieste.empty(), pulsante ? "Esci" : "close");
        }
    }

    // ---------------------------------------------------------------- about window

    void aboutScroller() {
        Frm_About a;
        auto* timer = Figlio<QTimer>(&a, "Timer1");
        timer->stop();  // ticks driven by hand
        // Viewport 1770 twips = 118 px with a 2 px border each side: 114 inside.
        const int dentro = a.AltezzaVisibile();
        QCOMPARE(dentro, 114);
        const int h = a.AltezzaStriscia();
        QVERIFY(h > 0 && a.CimaStriscia() == dentro);  // starts just below the visible area
        a.Timer1_Timer();
        QCOMPARE(a.CimaStriscia(), dentro - 1);
        // Up to the tick that brings the bottom edge to the top edge (sum exactly 0).
        for (int k = 1; k < dentro + h; ++k) a.Timer1_Timer();
        QCOMPARE(a.CimaStriscia(), -h);
        // Sum 0 restarts at once, not one pixel later, and starts the timer again.
        a.Timer1_Timer();
        QVERIFY(a.CimaStriscia() == dentro && timer->isActive());
        // The strip's widget follows, in the coordinates of the viewport's inner area.
        a.Timer1_Timer();
        QCOMPARE(Figlio<QWidget>(&a, "Picture3")->y(), dentro - 1);
    }

    void aboutStripStaysInsideViewportBorder() {
        Frm_About a;
        Figlio<QTimer>(&a, "Timer1")->stop();
        QVERIFY(Mostra(&a));
        auto* viewport = Figlio<QWidget>(&a, "Picture1");
        const QImage prima = viewport->grab().toImage();
        // Move the strip until it covers the viewport's top and bottom edges.
        for (int k = 0; k < a.AltezzaVisibile() + 20; ++k) a.Timer1_Timer();
        QVERIFY(a.CimaStriscia() < 0 && a.CimaStriscia() + a.AltezzaStriscia() > a.AltezzaVisibile());
        const QImage dopo = viewport->grab().toImage();
        // The sunken border (two pixels each side) is drawn as before, along
        // its whole length: the strip is clipped to the inner area.
        for (int x = 0; x < viewport->width(); ++x)
            for (int y : {0, 1, viewport->height() - 2, viewport->height() - 1})
                QVERIFY2(dopo.pixel(x, y) == prima.pixel(x, y),
                         qPrintable(QStringLiteral("border pixel %1,%2 painted over").arg(x).arg(y)));
    }

    // Enter, keypad Enter, Esc and a click on OK close the window and stop the scroller.
    void aboutCloses() {
        // 0: a click on OK
        const std::pair<int, int> casi[] = {{Qt::Key_Return, QDialog::Accepted}, {Qt::Key_Enter, QDialog::Accepted},
                                            {Qt::Key_Escape, QDialog::Rejected}, {0, QDialog::Accepted}};
        for (auto [tasto, esito] : casi) {
            Frm_About a;
            QVERIFY(Mostra(&a));
            if (tasto)
                QTest::keyClick(&a, Qt::Key(tasto));
            else
                QTest::mouseClick(Figlio<QPushButton>(&a, "cmdOK"), Qt::LeftButton);
            QVERIFY2(!a.isVisible() && a.result() == esito && !Figlio<QTimer>(&a, "Timer1")->isActive(),
                     QByteArray::number(tasto, 16));
        }
    }

    // ---------------------------------------------------------------- picture viewer

    // The box fits the picture plus a 2 px border each side; the window is
    // 100 twips wider and higher than the box. No picture: the design size.
    void viewerSizes() {
        const struct { const char* nome; bool immagine; QSize riquadro, finestra; } casi[] = {
            // 204 x 154 px = 3060 x 2310 twips; window 3160 x 2410 = 211 x 161 (folder in another letter case).
            {"\\vediprova\\Avv Sec A.png", true, {204, 154}, {211, 161}},
            // Design 2895 x 2655 twips = 193 x 177 px; window 2995 x 2755 = 200 x 184.
            {"", false, {193, 177}, {200, 184}}, {"\\", false, {193, 177}, {200, 184}}};
        for (const auto& [nome, immagine, riquadro, finestra] : casi) {
            FakeMessaggiUi msg;  // no box, even for a missing file
            auto d = std::make_unique<ModuleDIC>();
            d->StrTemp = nome;
            Frm_Vedi v(*d);
            auto* pic = Figlio<QLabel>(&v, "Picture1");
            QVERIFY2(!pic->pixmap().isNull() == immagine && pic->geometry() == QRect(QPoint(0, 0), riquadro), nome);
            QVERIFY2(v.size() == finestra && (v.windowFlags() & Qt::FramelessWindowHint), nome);
        }
    }

    void viewerClosesOnlyOnPicture() {
        auto d = std::make_unique<ModuleDIC>();
        d->StrTemp = "\\LIBRERIA\\non esiste.gif";
        Frm_Vedi v(*d);
        QVERIFY(Mostra(&v));
        // The margin right of and below the box does nothing.
        QTest::mouseClick(&v, Qt::LeftButton, {}, QPoint(v.width() - 3, v.height() / 2));
        QTest::mouseClick(&v, Qt::LeftButton, {}, QPoint(v.width() / 2, v.height() - 3));
        QVERIFY(v.isVisible());
        // Nor does Esc: the viewer has no cancel button.
        QTest::keyClick(&v, Qt::Key_Escape);
        QVERIFY(v.isVisible());
        // A click on the (empty) box closes the window.
        QTest::mouseClick(Figlio<QWidget>(&v, "Picture1"), Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(!v.isVisible() && v.result() == QDialog::Accepted);
    }

private:
    std::optional<Sorveglianza> guardia_;
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
