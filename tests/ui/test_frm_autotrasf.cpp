// The single-phase autotransformer window on the design-window base, and the
// connection dialogs of its taps.
//
// Figures of the default design (160 V primary, 120 V 300 VA secondary,
// default libraries: lamination "EI 105", K list at "1,3") worked out apart
// in float32: CoefAuto = (160 - 120) / 160 = 0,25, PotPass = 75 VA.
#include <algorithm>
#include <cmath>

#include "ControlliProgetto.h"
#include "dialogs/Frm_AvvAuto.h"
#include "platform/ui/Ui.h"
#include "windows/autotrasf/Frm_AutoTrasf.h"

namespace {

const QColor kVerde(0, 255, 0);
const QColor kCiano(0, 255, 255);
const QString kLimiti = QStringLiteral("Controllo Parametri Fuori Limite");

// The contrast of two colours, (L1 + 0,05) / (L2 + 0,05), L the relative
// luminance of sRGB; 4,5 is the least for text to read well.
double Contrasto(const QColor& a, const QColor& b) {
    const auto luminanza = [](const QColor& c) {
        const auto lineare = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) + 0.0722 * lineare(c.blueF());
    };
    const double x = luminanza(a), y = luminanza(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

struct Auto : FinestraDiProva<Frm_AutoTrasf> {
    QString Testo(const char* nomi) { return TestiDi(w.get(), nomi); }
};

}  // namespace

class TestFrmAutoTrasf : public QObject {
    Q_OBJECT
private slots:
    void caricamento() {
        Auto a;
        VerificaControlli(a.w.get(), ControlliComuni(), 9);
        VerificaMenuAiuto(a.w.get(), "MnuHelp");
        a.w->Form_Load();
        QVERIFY(a.msg.Mostrati() == QStringList() && !a.w->findChild<QObject*>("Frm_PriAvv(9)"));
        QCOMPARE(a.Testo("Txt_PriVolt(0) Txt_SecVolt(0) Txt_SecPot(0) Txt_SecAmp(0) Txt_LamCdP Cmb_Induzione Cmb_Frequenza "
                         "Cmb_Densita Cmb_CoefK Cmb_PriNumAvv Cmb_SecNumAvv Lbl_Lamierino"),
                 QStringLiteral("160|120|300|2,5|1,5|1,0|50|2,5|1,3|1|1|EI 105"));
        // one figure of the pass and its range; the rest are the core test's
        QCOMPARE(a.Testo("Cmd_PriAvv(0) Cmd_SecAvv(0) Cmd_SecAvv(1) Lbl_PotPass Lbl_SecPotTot Lbl_PotMin Lbl_PotMax"),
                 QStringLiteral("C2|C2|C|75,0|300,0|49,5|126,8"));
        auto& ui = a.ui();
        for (int i = 0; i < 9; ++i)
            QVERIFY(!ui.Cmd_PriAvv[i]->isEnabled() && !ui.Cmd_SecAvv[i]->isEnabled() && ui.Frm_PriAvv[i]->isHidden() == (i > 0));
        QVERIFY(Frm_AutoTrasf::ColoreCollegamento(ui.Cmd_PriAvv[0]) == kCiano && Frm_AutoTrasf::ColoreCollegamento(ui.Cmd_SecAvv[0]) == kCiano);
        // their captions, disabled, still read on cyan
        for (QPushButton* b : {ui.Cmd_PriAvv[0], ui.Cmd_SecAvv[0]}) {
            const QPalette p = b->palette();
            QVERIFY(Contrasto(p.color(QPalette::Disabled, QPalette::ButtonText), p.color(QPalette::Disabled, QPalette::Button)) >= 4.5);
        }
        QVERIFY(a.ui().Cmb_PriNumAvv->count() == 1 && a.ui().TabStrip2->count() == 3);
        QVERIFY(a.d->TipoCalcolo == 2 && a.d->SecAvvSerCon[8] == 10);
    }

    // Lamination given: K of the new stack is out of the list, then the
    // throughput power (120 -> 159 V gives 0,6 VA) below the stack's range.
    void avvisi() {
        Auto a;
        a.w->Form_Load();
        a.ui().Opt_Lam->click();
        a.msg.Attendi();
        a.msg.Attendi();
        a.ui().Txt_SecVolt[0]->ImpostaTestoU8("159");
        a.w->Cmd_Aggiorna_Click();
        QCOMPARE(a.msg.Mostrati(), QStringList({"Coefficiente di Dimensionamento Troppo Alto",
                                         "La Potenza del AutoTrasformatore è Troppo Bassa"}));
        QVERIFY(a.msg.UltimoTitolo() == kLimiti && a.Testo("Lbl_CoefK") == QStringLiteral("8,2"));
        // New (No) brings the power-given mode back on screen.
        a.msg.Azzera();
        a.msg.Attendi(mb::No);
        a.w->MnuFileNuovo_Click();
        QVERIFY(a.ui().Opt_Pot->isChecked() && a.ui().Cmb_CoefK->isEnabled() && !a.ui().Cmd_Lamierino->isEnabled());
        QCOMPARE(a.Testo("Txt_SecVolt(0)"), QStringLiteral("120"));
    }

    // A voltage tap takes its partner's power (partner 2: 299 VA, 299/120 A);
    // partner 0 takes nothing. Leaving a count list keeps every connection.
    void preseEConteggi() {
        Auto a;
        a.w->Form_Load();
        const std::tuple<int16_t, const char*, const char*, const char*> casi[] = {
            {2, "R2", "299,0", "2,5"}, {0, "R0", "300", "2,5"}};
        for (const auto& [partner, caption, pot, amp] : casi) {
            a.ui().Txt_SecPot[0]->ImpostaTestoU8("300");
            a.d->SecPot[0] = 300;
            a.d->SecAvvCar[0] = FALSO;
            a.d->SecAvvAda[0] = VERO;
            a.d->SecAvvSerCon[0] = partner;
            a.w->PulsantiCollegamento();
            QCOMPARE(a.Testo("Cmd_SecAvv(0) Txt_SecPot(0) Txt_SecAmp(0)"), QStringLiteral("%1|%2|%3").arg(caption, pot, amp));
            QCOMPARE(Frm_AutoTrasf::ColoreCollegamento(a.ui().Cmd_SecAvv[0]), kVerde);
        }
        a.w->Cmb_SecNumAvv_LostFocus();
        QVERIFY(a.d->SecUlt == 0.0f && a.d->SecAvvAda[0] == VERO && a.d->SecAvvSerCon[0] == 0);
        QVERIFY(a.Testo("Cmd_SecAvv(0)") == QStringLiteral("R0") && !a.ui().Cmd_SecAvv[0]->isEnabled());
    }

    // The connection buttons open the autotransformer dialogs, then calculate.
    void pulsanteCollegamento() {
        Auto a;
        a.w->Form_Load();
        FakeLanciatoreUi l;
        l.azione = [](ModuleDIC& d) { d.SecVolt[0] = 0; };
        a.w->Cmd_SecAvv_Click(0);
        QCOMPARE(l.mostrati, std::vector<Dialogo>{Dialogo::SecAvvAuto});
        QVERIFY(a.d->SecVolt[0] == 120.0f && a.Testo("Cmd_SecAvv(0)") == QStringLiteral("C2"));
    }

    void file() {
        QTemporaryDir tmp;
        QVERIFY(QDir().mkpath(tmp.path() + "/Archivio") && QFile::link(LibreriaDefault(""), tmp.path() + "/LIBRERIA"));
        FakeDialoghiUi dlg;
        Auto a;
        a.w->ImpostaCartellaApplicazione(tmp.path());
        a.w->Form_Load();
        dlg.percorsiSalva.push_back(tmp.path() + "/Archivio/prova");
        a.w->MnuFileSalvaNome_Click();
        QVERIFY(QFile::exists(tmp.path() + "/Archivio/prova.atm"));
        QVERIFY(a.w->windowTitle().startsWith("Calcolo di AutoTrasformatore Monofase   Ver="));

        // Reopened: the stored figures come back, with no calculation.
        a.ui().Txt_SecVolt[0]->ImpostaTestoU8("100");
        a.d->PotPass = 1;
        dlg.percorsiApri.push_back(tmp.path() + "/Archivio/prova.atm");
        a.w->MnuFileApri_Click();
        QCOMPARE(a.Testo("Txt_SecVolt(0) Lbl_PotPass Cmd_SecAvv(0)"), QStringLiteral("120|75,0|C"));

        // A single-phase transformer's project is refused.
        a.d->TipoCalcolo = tipo::Monofase;
        for (int i = 9; i < 12; ++i) a.d->PriVolt[i] = a.d->SecVolt[i] = a.d->SecPot[i] = a.d->SecAmp[i] = 100;
        dlg.percorsiSalva.push_back(tmp.path() + "/Archivio/mono.atm");
        a.w->MnuFileSalvaNome_Click();
        a.d->TipoCalcolo = tipo::AutoMonofase;
        a.msg.Attendi();
        dlg.percorsiApri.push_back(tmp.path() + "/Archivio/mono.atm");
        a.w->MnuFileApri_Click();
        QCOMPARE(a.msg.Ultimo(), QStringLiteral("Il File mono.atm non è un Progetto valido\n"
                                                "Il File non contiene un Progetto di AutoTrasformatore Monofase"));
        QCOMPARE(a.d->TipoCalcolo, int16_t(tipo::AutoMonofase));
    }

    // The dialogs: stored connection (Iso Ser Ada Car as 0/1, partner) -> what
    // the dialog shows (frame 2 enabled, partner label) -> what Ok writes.
    void dialoghi() {
        const struct { bool pri; QString flag; bool serie; QString mostra, scrive; } casi[] = {
            {false, "1000 3", true, "0 0", "0110 3"}, {false, "0101 4", false, "1 4", "0101 4"},
            {false, "0110 2", false, "1 2", "0110 2"}, {true, "0100 5", false, "1 1", "0110 5"},
            {true, "1000 3", false, "0 0", "1000 1"}};
        FakeMessaggiUi msg;
        for (const auto& [pri, flag, serie, mostra, scrive] : casi) {
            auto d = std::make_unique<ModuleDIC>();
            d->NumAvvScelto = 0;
            Lato l(*d, pri);
            auto f = [&](int k) { return static_cast<int16_t>(flag[k] == '1' ? VERO : FALSO); };
            l.AvvIso[0] = f(0);
            l.AvvSer[0] = f(1);
            l.AvvAda[0] = f(2);
            if (l.AvvCar) (*l.AvvCar)[0] = f(3);
            l.AvvSerCon[0] = static_cast<int16_t>(flag.mid(5).toInt());
            Frm_AvvAuto dlg(*d, pri);
            QCOMPARE(dlg.objectName(), QString(pri ? "Frm_PriAvvAuto" : "Frm_SecAvvAuto"));
            QVERIFY(dlg.ui.Frm_Coll1->title() == QStringLiteral("Scelta Collegamento Avv. 1") && !dlg.ui.Opt_AvvIso->isEnabled());
            QCOMPARE(QString::number(dlg.ui.Frm_Coll2->isEnabled()) + " " + dlg.ui.Lbl_AvvSer->text(), mostra);
            if (serie) dlg.ui.Opt_AvvSer->click();
            dlg.Cmd_Ok_Click();
            QString s;
            for (int16_t v : {l.AvvIso[0], l.AvvSer[0], l.AvvAda[0], l.AvvCar ? (*l.AvvCar)[0] : int16_t(0)})
                s += Vero(v) ? '1' : '0';
            QCOMPARE(s + " " + QString::number(l.AvvSerCon[0]), scrive);
        }
    }
};

QTEST_MAIN(TestFrmAutoTrasf)
#include "test_frm_autotrasf.moc"
