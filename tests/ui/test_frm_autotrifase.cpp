// The three-phase autotransformer window as one table of cases: each starts
// from the loaded default design, acts, and reads named controls back.
// Figures worked out apart in float32: a 380 V star primary and a 220 V /
// 1000 VA star secondary give PotPass = (219,4 - 127) / 219,4 x 999,9 = 421,1.
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "ControlliProgetto.h"
#include "app/Finestre.h"
#include "files/Progetto.h"
#include "platform/ui/Ui.h"
#include "windows/autotrifase/Frm_AutoTrifase.h"

namespace {

using Auto = FinestraDiProva<Frm_AutoTrifase>;
using L = FakeLanciatoreUi;

// Texts of the named controls (a name without an index: element 0; a list:
// its chosen item), a disabled one marked "-"; "msg": the last message.
QString Testi(Auto& a, const char* nomi) {
    QStringList l;
    for (QString n : QString::fromUtf8(nomi).split(' ')) {
        if (!a.w->findChild<QWidget*>(n) && n != "msg") n += "(0)";
        auto* w = n == "msg" ? nullptr : Figlio<QWidget>(a.w.get(), n);
        l << (w ? TestiDi(a.w.get(), n) + (w->isEnabled() ? "" : "-") : a.msg.Ultimo());
    }
    return l.join(' ');
}
// The letters of primary and secondary (their phase voltage 127,0), then a field left.
void Campo(Auto& a, const char* lettere, const char* campo, const char* testo) {
    std::tie(a.d->PriTrif[0], a.d->SecTrif[0]) = std::pair(std::string(1, lettere[0]), std::string(1, lettere[1]));
    Figlio<CampoNumerico>(a.w.get(), campo)->ImpostaTestoU8(testo);
    Figlio<CampoNumerico>(a.w.get(), campo)->EseguiControllo();
}
// The primary's letter dialog, choosing `pri` (null: cancelled); the pass label emptied.
void Lettera(Auto& a, L& l, const char* pri) {
    if (pri) l.azione = [pri](ModuleDIC& m) { m.PriTrif[0] = pri; };
    a.ui().Lbl_PotPass->clear();
    a.ui().Cmd_PriTrif[0]->click();
}
const char* const kCampi = "Txt_PriVolt Txt_SecAmp Txt_SecPot";
const char* const kLettere =
    "Cmd_PriTrif Cmd_SecTrif Txt_PriVoltLin Lbl_PriAmpLin Txt_SecVoltLin Txt_SecAmpLin Lbl_PotPass";
const char* const kLineeSalvate = "Cmd_PriTrif Cmd_SecTrif Txt_PriVoltLin Txt_SecVoltLin Txt_SecAmpLin";

}  // namespace

class TestFrmAutoTrifase : public QObject {
    Q_OBJECT
private slots:
    void casi() {
        const struct { void (*fai)(Auto&, L&); const char* nomi; const char* attesi; } casi[] = {
            // Load: winding 9 keeps its texts, windings 1 and 2 show the pass; no message.
            {[](Auto&, L&) {},
             "Txt_SecVoltLin(8) Txt_SecPotLin(8) Txt_SecAmpLin(8) Txt_SecVolt(8) Txt_SecPot(8) Txt_SecAmp(8) "
             "Txt_PriVoltLin(8) Txt_PriVolt(8) Txt_SecVoltLin Txt_SecAmpLin Txt_SecPotLin Txt_SecAmp Txt_PriVoltLin "
             "Txt_SecVoltLin(1) Txt_SecAmpLin(1) Txt_SecPotLin(1) Lbl_PotPass Lbl_SecPotTot Lbl_PriAmp Lbl_PriAmpLin "
             "Lbl_SecVoltVuoto Cmd_PriTrif Cmd_SecTrif Cmd_PriAvv Cmd_SecAvv msg",
             "212 992 2,702 122,4 330,7 2,702 372 214,8 220,0 2,624 999,9 2,624 380,0 218,9 2,634 999,0 421,1 "
             "999,9 1,626 1,626 131,3 Y y- C2- C2- "},
            // A delta primary's currents; the warnings judge PotPass, not the total.
            {[](Auto& a, L&) {
                 std::tie(a.d->PriTrif[0], a.d->PriAmp[0], a.d->SecPotTot, a.d->PotPass) =
                     std::tuple("D", 2.0f, a.d->PotMax + 1, a.d->PotMin - 1);
                 a.w->Refresh();
             },
             "Lbl_PriAmpLin Lbl_PriAmp msg", "3,464 2,0 La Potenza del Trasformatore è Troppo Bassa"},
            {[](Auto& a, L&) { Campo(a, "Yy", "Txt_SecAmp(0)", "0,123"); }, kCampi, "219,4 0,123 15,621"},
            // Singles by their 7 digits: 127 x 199,9 = 25387,3; a star
            // primary's line current is its phase current.
            {[](Auto& a, L&) { Campo(a, "Yy", "Txt_SecAmp(0)", "199,9"); }, kCampi, "219,4 199,9 25387,3"},
            {[](Auto& a, L&) {
                 std::tie(a.d->PriTrif[0], a.d->PriAmp[0]) = std::tuple("Y", 1033141.0625f);
                 a.w->Refresh();
             },
             "Lbl_PriAmpLin Lbl_PriAmp", "1033141,0 1033141,0"},
            // Tab out of the phase power: taken as typed, the line box entered
            // not checked (99999 / 127 V = 787,39 A).
            {[](Auto& a, L&) {
                 a.MostraConFuoco();
                 ScriviETab(a.ui().Txt_SecPot[0], "99999");
                 QVERIFY(!a.msg.Mostrati().join(' ').contains("Fuori Limiti"));
             },
             kCampi, "219,4 787,39 99999"},
            // A click from the phase power into the line voltage, the pass
            // showing a real box that takes the focus: one box, and the line
            // box entered is not checked: 127 V stays as typed.
            {[](Auto& a, L&) {
                 a.MostraConFuoco();
                 a.msg.veri = true;
                 ScriviETab(a.ui().Txt_SecVolt[0], "127");
                 a.msg.Azzera();
                 a.ui().Txt_SecPot[0]->setFocus();
                 a.ui().Txt_SecPot[0]->selectAll();
                 QTest::keyClicks(a.ui().Txt_SecPot[0], "0,1");
                 QTest::mouseClick(a.ui().Txt_SecVoltLin[0], Qt::LeftButton);
                 QVERIFY(QTest::qWaitForWindowActive(a.w.get(), kAttesaMs));
                 QCOMPARE(a.msg.boxes.size(), size_t(1));
             },
             "Txt_SecVolt Txt_SecVoltLin msg", "127 220,0 Avvolgimenti Troppo Ingombranti in Gola H Rocchetto 1"},
            // The phase power refused by its own range box: that one box, and
            // the line box the Tab reached is not checked: 127 V stays as typed.
            {[](Auto& a, L&) {
                 a.MostraConFuoco();
                 a.msg.veri = true;
                 ScriviETab(a.ui().Txt_SecVolt[0], "127");
                 a.msg.Azzera();
                 ScriviETab(a.ui().Txt_SecPot[0], "0");
                 QVERIFY(QTest::qWaitForWindowActive(a.w.get(), kAttesaMs));
                 QCOMPARE(a.msg.boxes.size(), size_t(1));
             },
             "Txt_SecVolt", "127"},
            {[](Auto& a, L&) { a.ui().Txt_SecVolt[0]->setText("220"); Campo(a, "Dd", "Txt_SecAmpLin(0)", "2,62"); },
             kCampi, "219,4 1,513 332,9"},
            {[](Auto& a, L&) { Campo(a, "Yy", "Txt_SecAmpLin(0)", "0,04"); }, kCampi, "219,4 0,04 5,1"},
            {[](Auto& a, L&) { Campo(a, "Yy", "Txt_PriVoltLin(0)", "0"); }, kCampi, "138,6 2,624 333,3"},
            {[](Auto& a, L&) { Campo(a, "Dd", "Txt_SecPot(0)", "0"); }, kCampi, "219,4 2,624 333,3"},
            {[](Auto& a, L&) { Campo(a, "Yz", "Txt_SecAmp(0)", "0,5"); }, "Txt_SecVoltLin Txt_SecAmpLin", "439,9 0,5"},
            // The secondary's letter follows the primary's, also after a
            // cancelled dialog; the line values follow (the primary's
            // current with one decimal); nothing is calculated.
            {[](Auto& a, L& l) { Lettera(a, l, "D"); }, kLettere, "D d- 219,4 2,8 127,0 4,545 "},
            {[](Auto& a, L& l) { a.ui().Txt_SecVoltLin[0]->clear(); Lettera(a, l, "Y"); }, kLettere,
             "Y y- 380,0 1,6 220,0 2,624 "},
            {[](Auto& a, L& l) { a.d->PriTrif[0] = "D"; Lettera(a, l, nullptr); }, kLettere,
             "D d- 219,4 2,8 127,0 4,545 "},
            // A save right after keeps the line values shown, which the file
            // opened shows again.
            {[](Auto& a, L& l) {
                 Lettera(a, l, "D");
                 SalvaNuovoApri(a);
             },
             kLineeSalvate, "D d- 219,4 127 4,545"},
            {[](Auto& a, L& l) {
                 Lettera(a, l, "D");
                 SalvaNuovoApri(a);
                 Lettera(a, l, "Y");
                 SalvaNuovoApri(a);
             },
             kLineeSalvate, "Y y- 380 220 2,624"},
            // The power-given mode chosen again after a lamination-given pass
            // (1400 VA: PotPass (219,4 - 127) / 219,4 x 1400,1 = 589,7 on the
            // 15,4 cm² stack, K = 15,4 x √(3 / 589,7) = 1,1) takes the
            // coefficient its list shows, which the file opened shows again.
            {[](Auto& a, L&) {
                 a.MostraConFuoco();
                 QTest::mouseClick(a.ui().Opt_Lam, Qt::LeftButton);
                 ScriviETab(a.ui().Txt_SecPotLin[0], "1400");
                 QCOMPARE(Testi(a, "Lbl_PotPass Lbl_CoefK Cmb_CoefK"), QStringLiteral("589,7 1,1 1,3-"));
                 QTest::mouseClick(a.ui().Opt_Pot, Qt::LeftButton);
                 SalvaNuovoApri(a);
             },
             "Cmb_CoefK Lbl_CoefK", "1,3 1,3-"},
            // A row turned to its phase view is back in the line view, its
            // line boxes open.
            {[](Auto& a, L& l) { a.ui().Cmd_FaseLinea[0]->click(); Lettera(a, l, "D"); },
             "Cmd_FaseLinea Txt_SecVoltLin Txt_SecAmpLin Txt_SecPotLin", "Linea 127,0 4,545 999,9"},
            // After a connection dialog the pass runs and the captions stay; a
            // count left keeps the connection the dialog wrote.
            {[](Auto& a, L& l) {
                 l.azione = [](ModuleDIC& m) { m.SecAvvSerCon[0] = 3; };
                 a.ui().Lbl_PotPass->clear();
                 a.w->Cmd_SecAvv_Click(0);
                 QCOMPARE(a.ui().Cmd_SecAvv[0]->text(), QStringLiteral("C2"));
                 a.w->Cmb_SecNumAvv_LostFocus();
                 a.w->PulsantiCollegamento();
                 QVERIFY(l.mostrati == std::vector{Dialogo::SecAvvAuto});
             },
             "Lbl_PotPass Cmd_PriAvv Cmd_SecAvv", "421,1 C3- C-"},
            // An exchange (counts still in the data) moves texts, letters and
            // placements, not the taps.
            {[](Auto& a, L&) {
                 std::tie(a.d->SecUlt, a.d->SecGolaH[1], a.d->SecGolaL[1]) = std::tuple(1.0f, FALSO, VERO);
                 a.ui().Txt_SecVolt[1]->ImpostaTestoU8("300");
                 a.ui().Cmd_SecTrif[1]->setText("d");
                 a.w->ControllaInputDati();
                 a.w->PulsantiCollegamento();
             },
             "Txt_SecVolt Txt_SecVolt(1) Cmd_SecTrif Cmd_SecRoch Cmd_SecAvv", "300 127 d- L1 C2-"},
            // After an open: a voltage tap takes winding 2's power; an
            // isolated secondary shows its partner.
            {[](Auto& a, L&) {
                 std::tie(a.d->PriTrif[0], a.d->SecAvvCar[0], a.d->SecAvvAda[0], a.d->SecPot[1]) =
                     std::tuple("D", FALSO, VERO, 500.0f);
                 a.w->RiempiDopoApertura();
             },
             "Cmd_SecAvv Txt_SecPot Txt_SecAmp Cmd_PriTrif Cmd_SecTrif", "R2- 500,0 3,9 D y-"},
            {[](Auto& a, L&) {
                 std::tie(a.d->SecAvvIso[0], a.d->SecAvvSer[0], a.d->SecAvvSerCon[0]) = std::tuple(VERO, FALSO, 1);
                 a.w->RiempiDopoApertura();
             },
             "Cmd_SecAvv", "I1-"},
        };
        for (const auto& c : casi) {
            Auto a;
            a.w->Form_Load();
            L lanciatore;
            a.msg.falliscePerInattesi = false;
            c.fai(a, lanciatore);
            QCOMPARE(Testi(a, c.nomi), QString::fromUtf8(c.attesi));
        }
    }

    // The secondary's result rows, packed closer than the primary's, still
    // show a figure whole, its decimal comma included, a pixel clear of the
    // box's frame above and below and in one size down the frame; "90,9"
    // drawn in a secondary box inks as many pixel rows as in a primary one,
    // within one. Their rows keep the window's size and every control inside
    // its frame, apart from the others, above the third strip; in both
    // three-phase windows.
    void risultatiLeggibili() {
        Auto a;
        FinestraDiProva<Frm_Trifase> t;
        for (Frm_Trifase* w : {static_cast<Frm_Trifase*>(a.w.get()), t.w.get()}) {
            w->Form_Load();
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w, kAttesaMs));
            QList<int> alte;   // the tallest ink drawn on each side
            for (const char* lato : {"Pri", "Sec"}) {
                QSet<int> misure;
                alte << 0;
                for (TestoIntero* l : w->findChildren<TestoIntero*>(QRegularExpression(QString("^Lbl_%1.*\\(0\\)$").arg(lato)))) {
                    const QFontMetrics fm(l->CarattereMostrato());
                    const int ink = std::max(fm.tightBoundingRect("0,9").height(), fm.tightBoundingRect(l->text()).height());
                    QVERIFY2(ink + 2 <= l->contentsRect().height() && fm.height() <= l->height(), qPrintable(l->objectName()));
                    misure << QFontInfo(l->CarattereMostrato()).pixelSize();
                    l->setText(QStringLiteral("90,9"));
                    const QImage im = l->grab().toImage();
                    const QRect d = l->contentsRect();
                    int su = -1, giu = -1;   // the first and last row inked inside the frame
                    for (int y = d.top(); y <= d.bottom(); ++y)
                        for (int x = d.left(); x <= d.right(); ++x)
                            if (qGray(im.pixel(x, y)) < 200) {
                                su = su < 0 ? y : su;
                                giu = y;
                            }
                    QVERIFY2(su > d.top() && giu < d.bottom(), qPrintable(l->objectName()));
                    alte.back() = std::max(alte.back(), giu - su + 1);
                }
                QCOMPARE(misure.size(), 1);
            }
            QVERIFY2(std::abs(alte[1] - alte[0]) <= 1, qPrintable(QString("%1 %2").arg(alte[0]).arg(alte[1])));

            QCOMPARE(w->size(), QSize(Px(12300), Px(9500)));
            for (QWidget* c : w->centralWidget()->findChildren<QWidget*>())
                if (!c->objectName().isEmpty() && !qobject_cast<QTabBar*>(c->parentWidget()))
                    QVERIFY2(c->parentWidget()->rect().contains(c->geometry()), qPrintable(c->objectName()));
            for (QWidget* p : w->findChildren<QGroupBox*>(QRegularExpression("^(FrameSec|Frm_SecAvv)\\("))) {
                const QList<QWidget*> f = p->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
                for (int i = 0; i < f.size(); ++i)
                    for (int j = i + 1; j < f.size(); ++j)
                        QVERIFY2(!f[i]->geometry().intersects(f[j]->geometry()), qPrintable(f[i]->objectName() + TestoDi(f[i]) + " / " + TestoDi(f[j])));
            }
            QVERIFY(std::max(w->ui.FramePri[1]->geometry().bottom(), w->ui.FrameSec[1]->geometry().bottom()) < w->ui.TabStrip3->y());
        }
        // The size holds also when a desktop's larger font makes the menu and
        // status bars taller.
        struct Ripristina {
            QFont f = QApplication::font();
            ~Ripristina() { QApplication::setFont(f); }
        } ripristina;
        QFont grande = ripristina.f;
        grande.setPointSize(12);
        QApplication::setFont(grande);
        FinestraDiProva<Frm_AutoTrifase> g;
        g.w->Form_Load();
        g.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(g.w.get(), kAttesaMs));
        QCOMPARE(g.w->size(), QSize(Px(12300), Px(9500)));
    }

    // A click or Tab from a phase box into a line box of its row lands
    // there, also when the phase view on the way locked the line boxes:
    // the keys typed next go into the box, not to Cmd_FaseLinea(0).
    void fuocoNellaCasellaDiLinea() {
        const struct { const char* da; const char* verso; const char* testo; bool tab; } casi[] = {
            {"Txt_SecVolt(0)", "Txt_SecVoltLin(0)", "100", false}, {"Txt_SecAmp(0)", "Txt_SecPotLin(0)", "", false},
            {"Txt_SecPot(0)", "Txt_SecVoltLin(0)", "0", true}};
        for (const auto& c : casi) {
            Auto a;
            a.msg.falliscePerInattesi = false;
            a.msg.veri = true;
            a.w->Form_Load();
            a.MostraConFuoco();
            auto* da = Figlio<CampoNumerico>(a.w.get(), c.da);
            QTest::mouseClick(da, Qt::LeftButton);
            if (*c.testo) {
                da->selectAll();
                QTest::keyClicks(da, c.testo);
            }
            const QString dove = FuocoEDigitato(da, Figlio<QWidget>(a.w.get(), c.verso), c.tab);
            QVERIFY2(dove.isEmpty(), qPrintable(QString(c.verso) + " -> " + dove));
        }
    }

    // Values typed one after another: a Tab into a box the box left rewrote
    // selects it, so the 3 typed next stands alone; a Tab walk that types
    // nothing changes nothing: 7,45 V on the star row keeps 7,45 x √3 =
    // 12,90 -> "12,9" and its turns (12,9 / √3 -> "7,4" is not read back), and
    // so does the star primary's 1,23 V (2,13 -> "2,1").
    void valoriUnoDopoLAltro() {
        const char* coppie[][3] = {{"Txt_PriVolt(0)", "230", "Txt_PriVoltLin(0)"},
                                   {"Txt_SecVolt(0)", "24", "Txt_SecAmp(0)"},
                                   {"Txt_SecAmp(0)", "2", "Txt_SecPot(0)"},
                                   {"Txt_SecVoltLin(0)", "100", "Txt_SecAmpLin(0)"},
                                   {"Txt_SecAmpLin(0)", "2", "Txt_SecPotLin(0)"}};
        for (const auto& c : coppie) {
            Auto a;
            a.msg.falliscePerInattesi = false;
            a.w->Form_Load();
            a.MostraConFuoco();
            QCOMPARE(TabEScrivi(a.w.get(), c[0], c[1]), QString(c[2]) + " 3");
        }
        const struct { const char* campo; const char* testo; int tab; const char* nomi; const char* attesi; } giri[] = {
            {"Txt_SecVolt(0)", "7,45", 3, "Txt_SecVolt(0) Txt_SecVoltLin(0) Lbl_SecSpire(0)", "7,45|12,9|"},
            {"Txt_PriVolt(0)", "1,23", 1, "Txt_PriVolt(0) Txt_PriVoltLin(0) Lbl_PriSpire(0)", "1,23|2,1|"}};
        for (const auto& g : giri) {
            Auto a;
            a.msg.falliscePerInattesi = false;
            a.w->Form_Load();
            a.MostraConFuoco();
            const auto [prima, dopo] = GiroDiTab(a.w.get(), g.campo, g.testo, g.tab, g.nomi);
            QVERIFY2(prima.startsWith(g.attesi), qPrintable(prima));
            QCOMPARE(dopo, prima);
        }
    }

    // The start window's choice opens the window; only a project of this
    // kind with one winding a side is opened there.
    void aperturaRifiutata() {
        Auto a;
        FinestreReali reali(*a.d);
        QCOMPARE(ModaleAperta([&] { reali.Mostra(Finestra::AutoTrifase); }), QStringLiteral("Frm_AutoTrifase"));
        VerificaMenuAiuto(a.w.get(), "MnuHelp");
        a.w->Form_Load();
        QTemporaryDir c;
        FakeDialoghiUi dlg;
        for (auto [genere, ult] : {std::pair{tipo::Trifase, 0.0f}, {tipo::AutoTrifase, 1.0f}}) {
            ModuleDIC p = *a.d;
            std::tie(p.TipoCalcolo, p.SecUlt, p.SecVolt[0]) = std::tuple(genere, ult, 50.0f);
            std::string err;
            QVERIFY(progetto::SalvaProgetto(p, U8(c.filePath("p.att")), "p", err));
            dlg.percorsiApri.push_back(c.filePath("p.att"));
            a.msg.Attendi();
            a.w->MnuFileApri_Click();
            QCOMPARE(a.msg.Ultimo() + Testi(a, "Txt_SecVolt"), QStringLiteral("Il File p.att non è un Progetto valido\n"
                     "Il File non contiene un Progetto di AutoTrasformatore Trifase127,0"));
        }
    }
};

QTEST_MAIN(TestFrmAutoTrifase)
#include "test_frm_autotrifase.moc"
