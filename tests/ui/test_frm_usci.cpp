// The output transformer window on the design-window base.
//
// Figures of the default design (6250 ohm at 0,04 A, loads 8/7/6 ohm, 50 Hz,
// 0,50 T, default libraries: lamination "EI 84", C 28 mm) worked out apart
// in float32.
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "ControlliProgetto.h"
#include "app/Finestre.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"
#include "windows/usci/Frm_Usci.h"

namespace {

// Counts the engine passes.
struct Contata : Frm_Usci {
    using Frm_Usci::Frm_Usci;
    int passi = 0;
    void EseguiCalcolo() override {
        ++passi;
        Frm_Usci::EseguiCalcolo();
    }
};

struct Usci : FinestraDiProva<Contata> {
    Usci(bool messaggi = false) {
        // Many sections, or 1 mA, overfill the groove: that message is not under test.
        msg.falliscePerInattesi = !messaggi;
        w->Form_Load();
    }
    // The texts of the named controls (names split by blanks), joined by "|".
    QString Vedi(const char* nomi) { return TestiDi(w.get(), nomi); }
    void Lettera(const QString& l) {
        ui().Cmb_SecTipo->setCurrentText(l);
        w->Cmb_SecTipo_LostFocus();
    }
    // Counts, lists enabled, single-ended and push-pull enabled, the stage
    // selected, the passes run: "6/4 0 11 P 1".
    QString Stato() {
        auto on = [](QWidget* x) { return x->isEnabled() ? '1' : '0'; };
        return Vedi("Cmb_PriNumAvv Cmb_SecNumAvv").replace('|', '/') + " " + on(ui().Cmb_PriNumAvv) + " " +
               on(ui().Opt_Single) + on(ui().Opt_Push) + (ui().Opt_Push->isChecked() ? " P " : " S ") +
               QString::number(w->passi);
    }
};

}  // namespace

class TestFrmUsci : public QObject {
    Q_OBJECT
private slots:
    void caricamento() {
        Usci a;
        VerificaMenuAiuto(a.w.get(), "Help");
        QCOMPARE(a.Stato(), QStringLiteral("1/1 1 11 S 1"));
        QCOMPARE(a.Vedi("Lbl_PriPotTot Lbl_Rendimento Lbl_SecPotTot Lbl_CadutaVolt Lbl_FEMI Lbl_Induttanza "
                        "Lbl_Traferro Lbl_Lamierino Lbl_Commento Cmd_PriRoch(0)"),
                 QStringLiteral("10,0|72,8|7,3|15,2|0,0784|19,9|0,16|EI 84|Commento|H1"));
        QCOMPARE(a.Vedi("Lbl_PriVolt(16) Lbl_PriSpire(16) Lbl_SecSpire(16) Lbl_SecSpire(17) Lbl_SecSpire(18) "
                        "Lbl_SecAmp(16) Lbl_SecAmp(0) Lbl_PriImp(0) Lbl_SecImp(0)"),
                 QStringLiteral("250,0|3189|112|105|97|0,95|0,954|6250,4|7,99"));
        QCOMPARE(a.Vedi("Txt_SecImp(16) Txt_SecImp(17) Txt_SecImp(18) Txt_PriAmp(16) Cmb_Induzione Cmb_Frequenza "
                        "Cmb_Densita Cmb_SecTipo"),
                 QStringLiteral("8|7,0|6,0|0,04|0,50|50|2,5|N"));
        QVERIFY(a.ui().Frm_Avvolg[2]->isHidden() && a.ui().Frm_Avvolg[3]->isHidden() &&
                !a.ui().Txt_SecImp[1]->isEnabled() && !a.ui().Cmd_SecAvv[0]->isEnabled());
        a.ui().TabStrip3->setCurrentIndex(2);
        QVERIFY(!a.ui().FrameLam[3]->isHidden() && a.ui().FrameLam[1]->isHidden());
        FakeLanciatoreUi dialoghi;  // the connection buttons open nothing and calculate nothing
        a.w->Cmd_SecAvv_Click(0);
        QVERIFY(dialoghi.mostrati.empty() && a.w->passi == 1);

        // D push-pull: 6 and 4 sections, derived loads 3,6 ohm, no air gap.
        a.Lettera("D");
        a.ui().Opt_Push->click();
        QCOMPARE(a.Stato(), QStringLiteral("6/4 0 11 P 2"));
        QCOMPARE(a.Vedi("Txt_SecImp(17) Txt_SecImp(18) Lbl_PriSpire(0) Lbl_SecSpire(0) Lbl_SecSpire(2) "
                        "Lbl_Traferro Cmd_PriRoch(1) Cmd_SecRoch(0)"),
                 QStringLiteral("3,6|3,6|532|74|37|0,00|L1|I1"));
    }

    // Letters in turn from a stage: the state after (passes counted from the
    // stage chosen), the load frames 2 and 3 shown and box 17 enabled.
    void configurazioni() {
        const std::tuple<bool, const char*, const char*> casi[] = {
            {false, "A", "3/2 0 11 S 0 101"},  {true, "A", "6/4 0 11 P 0 101"},
            {false, "C", "3/4 0 11 S 0 110"},  {true, "E", "4/6 0 10 S 1 100"},
            {false, "E", "4/6 0 10 S 0 100"},  {false, "F", "8/7 0 01 P 1 100"},
            {true, "A N", "6/4 1 11 P 0 000"},
            // A text no letter matches only closes box 17.
            {true, "A a", "6/4 0 11 P 0 100"}};
        for (const auto& [push, lettere, stato] : casi) {
            Usci a(true);
            a.ui().Cmb_SecTipo->setEditable(true);
            if (push) a.ui().Opt_Push->click();
            a.w->passi = 0;
            for (const QString& l : QString(lettere).split(' ')) a.Lettera(l);
            const QString frame = QString("%1%2%3").arg(!a.ui().Frm_Avvolg[2]->isHidden()).arg(
                !a.ui().Frm_Avvolg[3]->isHidden()).arg(a.ui().Txt_SecImp[1]->isEnabled());
            QCOMPARE(QString(lettere) + ": " + a.Stato() + " " + frame, QString(lettere) + ": " + stato);
        }
    }

    // Leaving the letter list with a new letter calculates once (E from
    // push-pull too, whose stage change calculates); as found, not at all.
    void letteraLasciata() {
        for (const char* caso : {"A 3/2 0 11 S 1", "PE 4/6 0 10 S 1", "N 1/1 1 11 S 0"}) {
            Usci a(true);
            if (caso[0] == 'P') {
                a.ui().Opt_Push->click();
                ++caso;
            }
            a.MostraConFuoco();
            a.ui().TabStrip3->setCurrentIndex(2);
            a.ui().Cmb_SecTipo->setFocus();
            QTRY_VERIFY(a.ui().Cmb_SecTipo->hasFocus());
            a.w->passi = 0;
            a.ui().Cmb_SecTipo->setCurrentText(QString(caso[0]));
            QTest::keyClick(a.ui().Cmb_SecTipo, Qt::Key_Tab);
            QCOMPARE(caso[0] + (" " + a.Stato()), QString(caso));
        }
    }

    // With configuration A the letter list, left for load 2's box, applies
    // its letter again on the way: a click there keeps the focus and takes
    // the keys.
    void fuocoDopoLaLista() {
        Usci a;
        a.Lettera("A");
        a.MostraConFuoco();
        a.ui().TabStrip3->setCurrentIndex(2);
        QTest::mouseClick(a.ui().Cmb_SecTipo, Qt::LeftButton);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(a.ui().Cmb_SecTipo->hasFocus());
        const QString dove = FuocoEDigitato(a.ui().Cmb_SecTipo, a.ui().Txt_SecImp[1], false);
        QVERIFY2(dove.isEmpty(), qPrintable(dove));
    }

    // A renewed design shows a new window's controls: F then gives the
    // push-pull counts again, with "Push-Pull" selected. With N only the
    // main impedance counts: 4 ohm stays 4 ohm.
    void caricamentoRinnovaIControlli() {
        Usci a(true);
        a.ui().Opt_Push->click();
        a.Lettera("F");
        a.w->Form_Load();
        QCOMPARE(a.Stato() + " " + a.Vedi("Lbl_Commento Cmb_SecTipo"), QStringLiteral("1/1 1 11 S 3 Commento|N"));
        a.Lettera("F");
        QCOMPARE(a.Stato(), QStringLiteral("8/7 0 01 P 4"));
        a.w->Form_Load();
        a.ui().Txt_SecImp[0]->ImpostaTestoU8("4");
        a.ui().Txt_SecImp[0]->EseguiControllo();
        QCOMPARE(a.Vedi("Txt_SecImp(16) Txt_SecImp(17)") + " " + QString::number(a.d->SecImp[SLOT_USCI]),
                 QStringLiteral("4|7,0 4"));
    }

    // Silent checks, typed and left with Tab: a refused value turns the box
    // yellow with the default text (no message of its own); either way one pass
    // follows, computed with the text the box shows. Figures by hand: the
    // primary volts are I x Z; 6250 ohm at 0,04 A give 10 W, of which the
    // efficiency 9,2 ln(11^4) / ln(1010) + 60 = 72,756 % leaves 7,2756 W to a
    // load, whose volts are sqrt(P x Z): 26,97 V at 100 ohm, 7,63 V at 8.
    void campiSilenziosi() {
        const struct {
            int campo;
            const char* tasti;  // "\b" empties the box
            const char* dopo;   // text, yellow, passes
            const char* figura;
            const char* valore;
        } casi[] = {{2, "100", "100 0 1", "Lbl_SecVolt(16)", "26,97"}, {2, "1,9", "8 1 1", "Lbl_SecVolt(16)", "7,63"},
                    {2, "2", "2 0 1", "Lbl_SecVolt(16)", "3,81"},     {2, "\b", "8 1 1", "Lbl_SecVolt(16)", "7,63"},
                    {1, "0,1", "0,1 0 1", "Lbl_PriVolt(16)", "625,0"}, {1, "0", "0,05 1 1", "Lbl_PriVolt(16)", "312,5"},
                    {1, "0,001", "0,001 0 1", "Lbl_PriPot(16)", "0,0"}, {1, "\b", "0,05 1 1", "Lbl_PriPot(16)", "15,6"},
                    {0, "6250", "6250 0 1", "Lbl_PriVolt(16)", "312,5"}, {0, "0", "1000 1 1", "Lbl_PriVolt(16)", "50,0"},
                    {0, ",", "1000 1 1", "Lbl_PriPot(16)", "2,5"},      {0, "\b", "1000 1 1", "Lbl_PriVolt(16)", "50,0"}};
        Usci a(true);
        a.MostraConFuoco();
        a.ui().TabStrip3->setCurrentIndex(2);
        for (const auto& c : casi) {
            CampoNumerico* f = c.campo == 0 ? a.ui().Txt_PriImp : c.campo == 1 ? a.ui().Txt_PriAmp : a.ui().Txt_SecImp[0];
            f->setFocus();
            a.w->passi = 0;
            ScriviETab(f, c.tasti);
            QCOMPARE(QString(c.tasti) + ": " + f->text() + " " + QString::number(f->Giallo()) + " " +
                         QString::number(a.w->passi) + " " + a.Vedi(c.figura),
                     QString(c.tasti) + ": " + c.dopo + " " + c.valore);
        }
    }

    // "Entra" with the output transformer option opens this window, computed.
    void apertaDallaTabella() {
        FakeMessaggiUi msg;
        ModuleDIC d;
        FinestreReali reali(d);
        QCOMPARE(ModaleAperta([&] { reali.Mostra(Finestra::Usci); }), QStringLiteral("Frm_Usci"));
        QCOMPARE(num::Format(d.PriPotTot, "0.0"), std::string("10,0"));
    }
};

QTEST_MAIN(TestFrmUsci)
#include "test_frm_usci.moc"
