// What the user typed is lost neither by a key on a question nor by a text
// dropped: a Yes/No question of the File menu is answered by its buttons
// only, and a text dropped onto a box is checked as a typed one.
#include "ControlliProgetto.h"
#include "dialogs/Frm_Isolanti.h"
#include "platform/core/Numeri.h"
#include "windows/alim/Frm_Alim.h"
#include "windows/autotrasf/Frm_AutoTrasf.h"
#include "windows/trifase/Frm_Trifase.h"

namespace {

// 24 typed into the first secondary's voltage and Tab; then the File menu's
// `voce` chosen with the mouse, its question shown for real: Esc pressed and
// the title bar's close button clicked on it, then, if it is still open, the
// answer No. Gives what the question did after each of the two ("aperta"
// while it waits for a button), what the box then reads and whether the
// window is still shown.
template <class W>
QString Domanda(QAction* W::Controlli::*voce) {
    FinestraDiProva<W> a;
    a.w->Form_Load();
    a.MostraConFuoco();
    a.msg.falliscePerInattesi = false;
    ScriviETab(a.ui().Txt_SecVolt[0], "24");
    a.msg.Azzera();
    QStringList dopo;
    a.msg.veri = true;
    a.msg.primaDellaRisposta = [&dopo](QMessageBox* box) {
        QTest::keyClick(box, Qt::Key_Escape);
        dopo << (box->isVisible() ? "aperta" : "chiusa");
        QCloseEvent chiudi;
        if (box->isVisible()) QApplication::sendEvent(box->windowHandle(), &chiudi);
        dopo << (box->isVisible() ? "aperta" : "chiusa");
    };
    a.msg.Attendi(mb::No);
    DalMenu(a.w.get(), a.ui().MnuFile, a.ui().*voce);
    if (!QTest::qWaitFor([] { return !QApplication::activeModalWidget(); })) return QStringLiteral("a box left open");
    return dopo.join(' ') + ' ' + a.ui().Txt_SecVolt[0]->text() + (a.w->isVisible() ? " shown" : " closed");
}

}  // namespace

class TestNullaPerso : public QObject {
    Q_OBJECT
private slots:
    // Esc and the close button leave a Yes/No question waiting for its
    // answer (No: the design is the default one again); where the question
    // has Annulla, Esc is Annulla and the design stays. The exit question
    // answered No keeps the window.
    void domandeConSiENo() {
        QCOMPARE(Domanda<Frm_Alim>(&Frm_Alim::Controlli::MnuFileChiudi), QStringLiteral("aperta aperta 150 shown"));
        QCOMPARE(Domanda<Frm_AutoTrasf>(&Frm_AutoTrasf::Controlli::MnuFileChiudi), QStringLiteral("aperta aperta 120 shown"));
        QCOMPARE(Domanda<Frm_Trifase>(&Frm_Trifase::Controlli::MnuFileChiudi), QStringLiteral("chiusa chiusa 24 shown"));
        QCOMPARE(Domanda<Frm_Alim>(&Frm_Alim::Controlli::MnuFileEsci), QStringLiteral("aperta aperta 24 shown"));
    }

    // A text dropped onto a box while the focus is in another one: the box
    // takes the focus and the text; leaving it by Tab brings the range
    // message and the default back, as a typed value does.
    void trascinatoInUnaFinestra() {
        FinestraDiProva<Frm_Alim> a;
        a.w->Form_Load();
        a.MostraConFuoco();
        CampoNumerico* amp = a.ui().Txt_SecAmp[0];
        QTest::mouseClick(a.ui().Txt_SecVolt[0], Qt::LeftButton);
        Trascina(amp, QStringLiteral("999"));
        QVERIFY(amp->hasFocus());
        QCOMPARE(amp->text(), QStringLiteral("9992"));
        a.msg.Attendi();
        QTest::keyClick(amp, Qt::Key_Tab);
        QCOMPARE(a.msg.Mostrati(), QStringList{QStringLiteral("Corrente Avvolgimento Secondario Fuori Limiti")});
        QVERIFY(amp->Giallo() && amp->text() == QLatin1String("0,5"));
    }

    // A dropped line current is the one a command (Salva con Nome) takes:
    // the project opened again shows it.
    void trascinatoPoiSalvato() {
        FinestraDiProva<Frm_Trifase> a;
        a.w->Form_Load();
        a.MostraConFuoco();
        a.msg.falliscePerInattesi = false;  // the power warnings of 52,6 A
        CampoNumerico* amp = a.ui().Txt_SecAmpLin[0];
        QTest::mouseClick(a.ui().Txt_SecVolt[0], Qt::LeftButton);
        Trascina(amp, QStringLiteral("5"));
        QCOMPARE(amp->text(), QStringLiteral("52,6"));
        SalvaNuovoApri(a);
        QCOMPARE(amp->Valore(), std::optional<float>(52.6f));
    }

    // The same in a dialog, whose refused field is emptied.
    void trascinatoInUnDialogo() {
        FakeMessaggiUi msg;
        Sorveglianza guardia;
        ModuleDIC d;
        d.RochIngKi = 10;
        d.RochIsoAvvH = d.RochIsoAvvI = d.RochIsoAvvL = 0.3f;
        d.RochIsoStrH = d.RochIsoStrI = d.RochIsoStrL = 0.2f;
        Frm_Isolanti f(d);
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f, kAttesaMs));
        CampoNumerico* ki = Figlio<CampoNumerico>(&f, "Txt_IngKi");
        QTest::mouseClick(Figlio<CampoNumerico>(&f, "Txt_IsoAvvH"), Qt::LeftButton);
        Trascina(ki, QStringLiteral("99"));
        QVERIFY(ki->hasFocus());
        QCOMPARE(ki->text(), QStringLiteral("9910"));
        msg.Attendi();
        QTest::keyClick(ki, Qt::Key_Tab);
        QCOMPARE(msg.Mostrati(), QStringList{QStringLiteral("Il Valore del Coefficiente 'Ki' Fuori Limiti")});
        QVERIFY(ki->Giallo() && ki->text().isEmpty());
        f.close();
        guardia.Verifica();
    }
};

QTEST_MAIN(TestNullaPerso)
#include "test_nulla_perso.moc"
