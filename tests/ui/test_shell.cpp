// Start window, about window and picture viewer.
#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "UiTestSupport.h"
#include "engine/ModuleDIC.h"
#include "shell/Applicazione.h"
#include "shell/Frm_About.h"
#include "shell/Frm_Splash.h"
#include "shell/Frm_Vedi.h"

namespace {

struct FakeFinestre : IFinestre {
    std::vector<Finestra> richieste;
    void Mostra(Finestra f) override { richieste.push_back(f); }
};

QString Testo(QObject* radice, const char* nome) {
    auto* l = Figlio<QLabel>(radice, QString::fromLatin1(nome));
    return l ? l->text() : QString();
}

QRect Geometria(QObject* radice, const char* nome) {
    auto* w = Figlio<QWidget>(radice, QString::fromLatin1(nome));
    return w ? w->geometry() : QRect();
}

// A picture of w x h pixels written below the application's folder.
QString ScriviImmagine(const QString& relativo, int w, int h) {
    const QString percorso = QCoreApplication::applicationDirPath() + QLatin1Char('/') + relativo;
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::darkCyan);
    img.save(percorso, "PNG");
    return percorso;
}

}  // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void init() { guardia_ = std::make_unique<Sorveglianza>(); }
    void cleanup() {
        guardia_->Verifica();
        guardia_.reset();
    }

    // ---------------------------------------------------------------- start window

    void splashTextsAndVersion() {
        auto d = std::make_unique<ModuleDIC>();
        FakeFinestre f;
        Frm_Splash w(*d, &f);
        QCOMPARE(d->Versione, std::string("1.5.0"));
        QCOMPARE(Testo(&w, "lblVersion"), QStringLiteral("Versione 1.5.0"));
        QCOMPARE(applicazione::Versione(1, 5, 12), std::string("1.5.12"));
        QCOMPARE(Testo(&w, "Label4"), QStringLiteral("Marlovine per Windows"));
        QCOMPARE(Testo(&w, "lblPlatform"), QStringLiteral("9x/Me/NT/2000/XP"));
        QCOMPARE(Testo(&w, "Lbl_Titolo"), QStringLiteral("Dimensionamento di:"));
        QCOMPARE(Testo(&w, "Lbl_Mono"), QStringLiteral("-Trasformatori Monofasi"));
        QCOMPARE(Testo(&w, "Label1"), QStringLiteral("-AutoTrasformatori Monofasi"));
        QCOMPARE(Testo(&w, "Lbl_Trifasi"), QStringLiteral("-Trasformatori Trifasi"));
        QCOMPARE(Testo(&w, "Label2"), QStringLiteral("-AutoTrasformatori Trifasi"));
        QCOMPARE(Testo(&w, "Lbl_Uscita"), QStringLiteral("-Trasformatori di Uscita per Amplificatori Valvolari"));
        QCOMPARE(Figlio<QGroupBox>(&w, "Frame2")->title(), QStringLiteral("Scegliere il Tipo di Calcolo"));
        QCOMPARE(Figlio<QRadioButton>(&w, "Opt_Usci")->text(),
                 QStringLiteral("Calcolo di Trasformatori di Uscita per Amplificatori Valvolari Audio "));
        QCOMPARE(Figlio<QRadioButton>(&w, "Opt_AutoTrif")->text(),
                 QStringLiteral("Calcolo di AutoTrasformatori di Alimentazione Trifasi"));
        QCOMPARE(Figlio<QPushButton>(&w, "Cmd_Ok")->text(), QStringLiteral("Entra"));
        QCOMPARE(Figlio<QPushButton>(&w, "Cmd_CreaLibLami")->text(), QStringLiteral("Crea Librerie Lamierini"));
        QCOMPARE(Figlio<QPushButton>(&w, "Cmd_CreaLibRame")->text(), QStringLiteral("Crea Librerie Filo Smaltato"));
        QCOMPARE(Figlio<QPushButton>(&w, "Cmd_About")->text(), QStringLiteral("About"));
        QCOMPARE(Figlio<QPushButton>(&w, "Cmd_Esci")->text(), QStringLiteral("Esci"));

        // Twips layout: client 7890 x 6465 = 526 x 431 px; "Entra" at 5280/240/2295/975
        // inside Frame2 = 352/16/153/65; Esci at 6240/5760 = 416/384.
        QCOMPARE(w.size(), QSize(526, 431));
        QCOMPARE(Geometria(&w, "Cmd_Ok"), QRect(352, 16, 153, 65));
        QCOMPARE(Geometria(&w, "Cmd_Esci").topLeft(), QPoint(416, 384));
        auto* img = Figlio<QLabel>(&w, "Image1");
        QVERIFY(img);
        QCOMPARE(img->pixmap().size(), QSize(200, 200));
        // The picture is drawn, not left blank.
        const QImage pic = img->pixmap().toImage();
        QVERIFY(pic.pixel(20, 20) != pic.pixel(60, 120));
    }

    void splashEnterOpensSelectedKind() {
        auto d = std::make_unique<ModuleDIC>();
        FakeFinestre f;
        Frm_Splash w(*d, &f);
        QVERIFY(Figlio<QRadioButton>(&w, "Opt_Alim")->isChecked());
        // Pressing "Entra" at once opens the single-phase power transformer window.
        QTest::mouseClick(Figlio<QPushButton>(&w, "Cmd_Ok"), Qt::LeftButton);
        QCOMPARE(f.richieste.size(), size_t(1));
        QCOMPARE(f.richieste[0], Finestra::Alim);
        // Nothing is set in the shared data before the window opens.
        QCOMPARE(d->TipoCalcolo, int16_t(0));

        const struct {
            const char* opzione;
            Finestra finestra;
        } casi[] = {{"Opt_Auto", Finestra::AutoTrasf},
                    {"Opt_Trif", Finestra::Trifase},
                    {"Opt_AutoTrif", Finestra::AutoTrifase},
                    {"Opt_Usci", Finestra::Usci},
                    {"Opt_Alim", Finestra::Alim}};
        for (const auto& c : casi) {
            f.richieste.clear();
            Figlio<QRadioButton>(&w, QString::fromLatin1(c.opzione))->click();
            // One group: exactly one option selected.
            int scelte = 0;
            for (auto* o : w.findChildren<QRadioButton*>()) scelte += o->isChecked() ? 1 : 0;
            QCOMPARE(scelte, 1);
            Figlio<QPushButton>(&w, "Cmd_Ok")->click();
            QCOMPARE(f.richieste.size(), size_t(1));
            QCOMPARE(f.richieste[0], c.finestra);
        }
    }

    void splashEnterShowsRealSinglePhaseWindowModally() {
        FakeMessaggiUi msg;
        msg.falliscePerInattesi = false;  // the design window's own warnings are not under test here
        auto d = std::make_unique<ModuleDIC>();
        Frm_Splash w(*d);  // the real windows
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QString aperta;
        bool modale = false;
        QTimer::singleShot(100, &w, [&] {
            QWidget* m = QApplication::activeModalWidget();
            if (!m) return;
            aperta = m->objectName();
            modale = m->isModal();
            m->close();
        });
        Figlio<QPushButton>(&w, "Cmd_Ok")->click();  // returns when the window closes
        QCOMPARE(aperta, QStringLiteral("Frm_Alim"));
        QVERIFY(modale);
        QVERIFY(w.isVisible());  // the start window stays loaded underneath
    }

    void splashOtherButtons() {
        auto d = std::make_unique<ModuleDIC>();
        FakeFinestre f;
        Frm_Splash w(*d, &f);
        Figlio<QPushButton>(&w, "Cmd_CreaLibLami")->click();
        Figlio<QPushButton>(&w, "Cmd_CreaLibRame")->click();
        Figlio<QPushButton>(&w, "Cmd_About")->click();
        const std::vector<Finestra> attese{Finestra::CreaLibLam, Finestra::CreaLibRame, Finestra::About};
        QVERIFY(f.richieste == attese);
    }

    void splashEsciEndsWithoutQuestion() {
        FakeMessaggiUi msg;  // any box would fail the test
        auto d = std::make_unique<ModuleDIC>();
        FakeFinestre f;
        Frm_Splash w(*d, &f);
        QSignalSpy fine(&w, &Frm_Splash::Scaricata);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(Figlio<QPushButton>(&w, "Cmd_Esci"), Qt::LeftButton);
        QCOMPARE(fine.count(), 1);
        QVERIFY(!w.isVisible());
        QVERIFY(msg.boxes.empty());
        QVERIFY(f.richieste.empty());
    }

    void splashWindowManagerCloseActsAsEsci() {
        FakeMessaggiUi msg;
        auto d = std::make_unique<ModuleDIC>();
        FakeFinestre f;
        Frm_Splash w(*d, &f);
        QSignalSpy fine(&w, &Frm_Splash::Scaricata);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.close());
        QCOMPARE(fine.count(), 1);
        QVERIFY(!w.isVisible());
        QVERIFY(msg.boxes.empty());
    }

    // ---------------------------------------------------------------- about window

    void aboutTexts() {
        Frm_About a;
        QCOMPARE(a.windowTitle(), QStringLiteral("Informazioni su Marlovine"));
        QCOMPARE(Testo(&a, "lblTitle"), QStringLiteral("Marlovine"));
        // Two blanks after the word, three before "del", two after it.
        QCOMPARE(Testo(&a, "lblVersion"), QStringLiteral("Versione  1.5.0   del  2014"));
        QCOMPARE(Testo(&a, "Label3"), QStringLiteral("Descrizione Aggiornamenti : "));
        QCOMPARE(Testo(&a, "Label1"), QString::fromUtf8("Software per Windows \u00AE 9x/Me/NT/2000/XP"));
        QCOMPARE(Testo(&a, "Label7"), QStringLiteral("Risoluzione video minimo 800x600"));
        QCOMPARE(Testo(&a, "lblDisclaimer"), QString());

        const QStringList vers = Testo(&a, "lblDescVers").split(QLatin1Char('\n'));
        QCOMPARE(vers.size(), 4);
        QCOMPARE(vers[0], QStringLiteral("Ver.1.5.0  Nuovo Formato Librerie Rame;    Nuovo Formato File Progetto di "
                                         "Calcolo Trasformatori"));
        QCOMPARE(vers[1], QStringLiteral("tutti i file aperti e salvati con questa versione non sono compatibili "
                                         "con la versione precedente. "));
        QCOMPARE(vers[2], QStringLiteral("In ogni vecchio progetto aperto aggiornare il File Libreria Rame e "
                                         "salvare di nuovo il progetto"));
        QCOMPARE(vers[3], QString(45, QLatin1Char('-')));

        const QStringList tipi = Testo(&a, "lblDescription").split(QLatin1Char('\n'));
        QCOMPARE(tipi.size(), 5);
        QCOMPARE(tipi[0], QStringLiteral("Calcolo dei seguenti tipi di Trasformatori:     Trasformatori Monofase "));
        const char* seguiti[] = {"AutoTrasformatori Monofase", "Trasformatori Trifase", "AutoTrasformatori Trifase ",
                                 "Trasformatori di Uscita per Amplificatori Valvolari"};
        for (int k = 1; k < 5; ++k) {
            QCOMPARE(tipi[k].left(69), QString(69, QLatin1Char(' ')));
            QCOMPARE(tipi[k].mid(69), QString::fromLatin1(seguiti[k - 1]));
        }
        auto* ok = Figlio<QPushButton>(&a, "cmdOK");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
    }

    void aboutCreditsStrip() {
        const QStringList r = Frm_About::TitoliDiCoda();
        QCOMPARE(r.size(), 30);
        QCOMPARE(r[0], QStringLiteral("*************** Calcolo  di  Trasformatori ***************"));
        QCOMPARE(r[14], QStringLiteral("- Autotrasformatori Trifasi"));
        QCOMPARE(r[21], QStringLiteral("e senza alcuna garanzia."));
        QCOMPARE(r[23], QString::fromUtf8("L'autore non si assume alcuna responsabilit\u00E0"));
        QCOMPARE(r[29], QString(58, QLatin1Char('*')));
        int vuote = 0;
        for (const QString& s : r) vuote += s.isEmpty() ? 1 : 0;
        QCOMPARE(vuote, 16);

        Frm_About a;
        auto* striscia = Figlio<StrisciaTitoli>(&a, "Picture3");
        QVERIFY(striscia);
        QCOMPARE(striscia->Righe(), r);
        QCOMPARE(a.AltezzaStriscia(), 30 * striscia->AltezzaRiga());
        auto* timer = Figlio<QTimer>(&a, "Timer1");
        QCOMPARE(timer->interval(), 20);
        QVERIFY(timer->isActive());
    }

    void aboutScrollerRestartsAtSumZero() {
        Frm_About a;
        Figlio<QTimer>(&a, "Timer1")->stop();  // ticks driven by hand
        // Viewport 1770 twips = 118 px with a 2 px border each side: 114 inside.
        const int dentro = a.AltezzaVisibile();
        QCOMPARE(dentro, 114);
        const int h = a.AltezzaStriscia();
        QVERIFY(h > 0);
        QCOMPARE(a.CimaStriscia(), dentro);  // starts just below the visible area

        a.Timer1_Timer();
        QCOMPARE(a.CimaStriscia(), dentro - 1);
        // Up to the tick that brings the bottom edge to the top edge (sum exactly 0).
        for (int k = 1; k < dentro + h; ++k) a.Timer1_Timer();
        QCOMPARE(a.CimaStriscia(), -h);
        // Sum 0 restarts at once, not one pixel later.
        a.Timer1_Timer();
        QCOMPARE(a.CimaStriscia(), dentro);
        QVERIFY(Figlio<QTimer>(&a, "Timer1")->isActive());  // the restart starts the timer again
    }

    void aboutScrollStepFromTag() {
        Frm_About a;
        auto* timer = Figlio<QTimer>(&a, "Timer1");
        timer->stop();
        const int inizio = a.CimaStriscia();
        timer->setProperty("Tag", QStringLiteral("abc"));  // not a number: step 0
        a.Timer1_Timer();
        a.Timer1_Timer();
        QCOMPARE(a.CimaStriscia(), inizio);
        timer->setProperty("Tag", QStringLiteral("3"));  // read again at each tick
        a.Timer1_Timer();
        QCOMPARE(a.CimaStriscia(), inizio - 3);
        // The strip's widget follows, in the coordinates of the viewport's inner area.
        QCOMPARE(Figlio<QWidget>(&a, "Picture3")->y(), inizio - 3);
    }

    void aboutStripStaysInsideViewportBorder() {
        Frm_About a;
        auto* timer = Figlio<QTimer>(&a, "Timer1");
        timer->stop();
        a.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a));
        auto* viewport = Figlio<QWidget>(&a, "Picture1");
        const QImage prima = viewport->grab().toImage();
        // Move the strip until it covers the viewport's top and bottom edges.
        const int passi = a.AltezzaVisibile() + 20;
        for (int k = 0; k < passi; ++k) a.Timer1_Timer();
        QVERIFY(a.CimaStriscia() < 0);
        QVERIFY(a.CimaStriscia() + a.AltezzaStriscia() > a.AltezzaVisibile());
        const QImage dopo = viewport->grab().toImage();
        // The sunken border (two pixels each side) is drawn as before, along
        // its whole length: the strip is clipped to the inner area.
        for (int x = 0; x < viewport->width(); ++x)
            for (int y : {0, 1, viewport->height() - 2, viewport->height() - 1})
                QVERIFY2(dopo.pixel(x, y) == prima.pixel(x, y),
                         qPrintable(QStringLiteral("border pixel %1,%2 painted over").arg(x).arg(y)));
    }

    void aboutEnterAndEscClose() {
        for (int tasto : {int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_Escape)}) {
            Frm_About a;
            a.show();
            QVERIFY(QTest::qWaitForWindowExposed(&a));
            QTest::keyClick(&a, Qt::Key(tasto));
            QVERIFY2(!a.isVisible(), qPrintable(QString::number(tasto, 16)));
            QVERIFY(!Figlio<QTimer>(&a, "Timer1")->isActive());
        }
        Frm_About a;
        a.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a));
        QTest::mouseClick(Figlio<QPushButton>(&a, "cmdOK"), Qt::LeftButton);
        QVERIFY(!a.isVisible());
        QCOMPARE(a.result(), int(QDialog::Accepted));
    }

    // ---------------------------------------------------------------- picture viewer

    void viewerFitsPicture() {
        const QString file = ScriviImmagine(QStringLiteral("VediProva/Avv Sec A.png"), 200, 150);
        auto d = std::make_unique<ModuleDIC>();
        // Backslashes, and the folder's letter case differing from the disk.
        d->StrTemp = "\\vediprova\\Avv Sec A.png";
        Frm_Vedi v(*d);
        auto* pic = Figlio<QLabel>(&v, "Picture1");
        QVERIFY(pic);
        QVERIFY(!pic->pixmap().isNull());
        // 200 x 150 px + 2 px border each side = 204 x 154 px (3060 x 2310 twips);
        // window 3160 x 2410 twips = 211 x 161 px.
        QCOMPARE(pic->geometry(), QRect(0, 0, 204, 154));
        QCOMPARE(v.size(), QSize(211, 161));
        QVERIFY(v.windowFlags() & Qt::FramelessWindowHint);

        d->StrTemp = "/VediProva/Avv Sec A.png";
        Frm_Vedi v2(*d);
        QCOMPARE(v2.size(), QSize(211, 161));
        QDir(QFileInfo(file).absolutePath()).removeRecursively();
    }

    void viewerMissingFileShowsEmptyBox() {
        FakeMessaggiUi msg;  // silently: no box
        auto d = std::make_unique<ModuleDIC>();
        for (const char* nome : {"\\LIBRERIA\\non esiste.gif", "", "\\"}) {
            d->StrTemp = nome;
            Frm_Vedi v(*d);
            auto* pic = Figlio<QLabel>(&v, "Picture1");
            QVERIFY(pic->pixmap().isNull());
            // Design size 2895 x 2655 twips = 193 x 177 px; window 2995 x 2755 = 200 x 184.
            QCOMPARE(pic->size(), QSize(193, 177));
            QCOMPARE(v.size(), QSize(200, 184));
        }
        QVERIFY(msg.boxes.empty());
    }

    void viewerClosesOnlyOnPicture() {
        auto d = std::make_unique<ModuleDIC>();
        d->StrTemp = "\\LIBRERIA\\non esiste.gif";
        Frm_Vedi v(*d);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        // The margin right of and below the box does nothing.
        QTest::mouseClick(&v, Qt::LeftButton, {}, QPoint(v.width() - 3, v.height() / 2));
        QTest::mouseClick(&v, Qt::LeftButton, {}, QPoint(v.width() / 2, v.height() - 3));
        QVERIFY(v.isVisible());
        // Nor does Esc: the viewer has no cancel button.
        QTest::keyClick(&v, Qt::Key_Escape);
        QVERIFY(v.isVisible());
        // A click on the (empty) box closes the window.
        QTest::mouseClick(Figlio<QWidget>(&v, "Picture1"), Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(!v.isVisible());
        QCOMPARE(v.result(), int(QDialog::Accepted));
    }

private:
    std::unique_ptr<Sorveglianza> guardia_;
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
