// The single-phase design window: names, captions and layout, winding
// counts, tab pages, connection and placement buttons, the input check, the
// load with the default design and libraries, the results and their range
// warnings, and the checks of the numeric fields.
//
// The expected figures of the default design were worked out by hand from the
// formulas (single-precision rounding of every stored value) and from the
// records of our default libraries: lamination "EI 150" (C 50, E 75, F 25,
// 1,149 kg per 10 mm), wires of 0,8 / 0,855 mm (row 27) and 1,0 / 1,062 mm
// (row 29).
#include <cmath>

#include <QtTest/qtestspontaneevent.h>

#include "ControlliProgetto.h"
#include "Progetti.h"
#include "engine/ModRoutine.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

namespace {

const QColor kVerde(0, 255, 0);
const QString kTitoloLimiti = QStringLiteral("Controllo Parametri Fuori Limite");
const char* const kTitoloAvv = "Verifica Inserzione Parametri Avvolgimento";
constexpr int kAvviso = mb::OkOnly + mb::Exclamation;

QColor Faccia(const QWidget* w) { return QApplication::palette(w).color(QPalette::Active, QPalette::Button); }

// The window before its load, on the design data its load would set.
struct Alim : FinestraDiProva<Frm_Alim> {
    Alim() { ProgettoPredefinito(*d); }
};

}  // namespace

class TestFrmAlim : public QObject {
    Q_OBJECT

    std::unique_ptr<Alim> a;
    Frm_Alim::Controlli* ui = nullptr;
    // A new window on the default design, before its load (the former one closed first).
    void Nuova() {
        a.reset();
        a = std::make_unique<Alim>();
        ui = &a->ui();
    }

private slots:
    void init() { Nuova(); }
    void cleanup() { a.reset(); }

    void nomiDidascalieEMenu() {
        VerificaControlli(a->w.get(), ControlliComuni(), 12);
        VerificaMenuAiuto(a->w.get(), "Help");
        QCOMPARE(ui->Frm_PriAvv[11]->parentWidget(), ui->FramePri[4]);   // page p holds windings 3(p-1) .. 3p-1
    }

    void ogniControlloStaNelSuoContenitore() {
        a->w->show();
        QVERIFY(QTest::qWaitForWindowExposed(a->w.get(), kAttesaMs));
        for (QWidget* c : a->w->centralWidget()->findChildren<QWidget*>()) {
            if (c->objectName().isEmpty() || c->isWindow()) continue;
            QWidget* p = c->parentWidget();
            if (qobject_cast<QTabBar*>(p)) continue;   // the strip's own scroll buttons
            QVERIFY2(p->rect().contains(c->geometry()), qPrintable(c->objectName() + " outside " + p->objectName()));
        }
        // the three strips do not overlap each other's pages; every tab fits
        const QRect pri = ui->FramePri[1]->geometry().united(ui->TabStrip1->geometry());
        const QRect sec = ui->FrameSec[1]->geometry().united(ui->TabStrip2->geometry());
        const QRect lam = ui->FrameLam[1]->geometry().united(ui->TabStrip3->geometry());
        QVERIFY(!pri.intersects(sec) && !pri.intersects(lam) && !sec.intersects(lam));
        QVERIFY(a->w->centralWidget()->rect().contains(lam));
        for (QTabBar* t : {ui->TabStrip1, ui->TabStrip2, ui->TabStrip3})
            QVERIFY2(t->tabRect(t->count() - 1).right() < t->width(), qPrintable(t->objectName()));
    }

    void conteggiMostranoFrameEIsolanoGliAvvolgimentiLasciati() {
        a->d->PriUlt = 11;
        Serie(Primari(*a->d), 0, 2);   // stays: partner still in use
        Serie(Primari(*a->d), 1, 6);   // partner dropped: isolated
        Serie(Primari(*a->d), 5, 7);   // dropped itself
        Posto(Primari(*a->d), 1, 2, 'H');   // with one bobbin, a winding on bobbin 2 moves to bobbin 1
        a->w->PulsantiCollegamento();
        QCOMPARE(ui->Cmd_PriAvv[1]->text(), QStringLiteral("R6"));

        ui->Cmb_PriNumAvv->setCurrentIndex(2);  // "3"
        a->w->Cmb_PriNumAvv_LostFocus();
        QCOMPARE(a->d->PriUlt, 2.0f);
        for (int i = 0; i < 12; ++i)   // the last winding in use has no partner to take
            QVERIFY2(ui->Frm_PriAvv[i]->isHidden() == (i >= 3) && ui->Cmd_PriAvv[i]->isEnabled() == (i < 2), qPrintable(QString::number(i)));
        QVERIFY(ui->Cmd_PriAvv[0]->text() == QStringLiteral("R2") && Frm_Alim::ColoreCollegamento(ui->Cmd_PriAvv[0]) == kVerde);
        // the winding whose partner was dropped shows isolated (which windings
        // become isolated: the core count test)
        QCOMPARE(ui->Cmd_PriAvv[1]->text(), QStringLiteral("I"));
        QCOMPARE(Frm_Alim::ColoreCollegamento(ui->Cmd_PriAvv[1]), Faccia(ui->Cmd_PriAvv[1]));
        // placements follow the single bobbin
        QVERIFY(Vero(a->d->PriRoch1[1]) && ui->Cmd_PriRoch[1]->text() == QStringLiteral("H1"));

        // one winding: one frame, its connection button off, its load tap gone
        ui->Cmb_SecNumAvv->setCurrentIndex(0);
        Serie(Secondari(*a->d), 0, 2, true);
        a->w->Cmb_SecNumAvv_LostFocus();
        QVERIFY(!ui->Frm_SecAvv[0]->isHidden() && ui->Frm_SecAvv[1]->isHidden() && !ui->Cmd_SecAvv[0]->isEnabled());
        QVERIFY(!Vero(a->d->SecAvvCar[0]) && ui->Cmd_SecAvv[0]->text() == QStringLiteral("I"));
    }

    // A count takes effect when its list is left, not when an entry is picked;
    // a click on a tab leaves it, so the page turned to shows the new frames.
    void conteggioAllaPerditaDelFuoco() {
        a->MostraConFuoco();
        ui->Cmb_PriNumAvv->setFocus();
        QTRY_VERIFY(ui->Cmb_PriNumAvv->hasFocus());
        a->msg.falliscePerInattesi = false;   // leaving the empty voltage field is refused
        ui->Cmb_PriNumAvv->setCurrentIndex(5);  // "6", then the second tab
        QCOMPARE(a->d->PriUlt, 1.0f);           // nothing changed yet
        QTest::mouseClick(ui->TabStrip1, Qt::LeftButton, {}, ui->TabStrip1->tabRect(1).center());
        QTRY_COMPARE(a->d->PriUlt, 5.0f);
        QVERIFY(!ui->FramePri[2]->isHidden() && ui->Frm_PriAvv[3]->isVisible() && ui->Frm_PriAvv[5]->isVisible() && !ui->Frm_PriAvv[6]->isVisible());
    }

    // A list left with a new choice calculates (turns go with 1 / (f x B):
    // 220 V on 22,517 cm² are 366,76 turns at 60 Hz, 400,10 at 1,1 T; K 1,4:
    // 24,249 cm², 408,68 turns; 3 A/mm² asks 0,921 mm, the library's 0,9
    // below it; a second primary of 219 V: 438,1 turns; a second secondary of
    // 299 VA: 300 + 299 VA); a list left as found, or changed back,
    // calculates nothing.
    void listaLasciata_data() {
        QTest::addColumn<QString>("lista");
        QTest::addColumn<QStringList>("scelte");
        QTest::addColumn<QString>("segue");  // label=text after leaving; "": no calculation
        QTest::newRow("frequenza") << "Cmb_Frequenza" << QStringList{"60"} << "Lbl_PriSpire(0)=367";
        QTest::newRow("induzione") << "Cmb_Induzione" << QStringList{"1,1"} << "Lbl_PriSpire(0)=400";
        QTest::newRow("densita") << "Cmb_Densita" << QStringList{"3,0"} << "Lbl_SecFiloNudo(0)=0,9";
        QTest::newRow("coefficiente") << "Cmb_CoefK" << QStringList{"1,4"} << "Lbl_PriSpire(0)=409";
        QTest::newRow("primari") << "Cmb_PriNumAvv" << QStringList{"2"} << "Lbl_PriSpire(1)=438";
        QTest::newRow("secondari") << "Cmb_SecNumAvv" << QStringList{"2"} << "Lbl_SecPotTot=599,0";
        QTest::newRow("lasciata com'era") << "Cmb_Frequenza" << QStringList{} << "";
        QTest::newRow("cambiata e rimessa") << "Cmb_Frequenza" << QStringList{"60", "50"} << "";
        QTest::newRow("conteggio com'era") << "Cmb_PriNumAvv" << QStringList{} << "";
    }
    void listaLasciata() {
        QFETCH(QString, lista);
        QFETCH(QStringList, scelte);
        QFETCH(QString, segue);
        a->w->Form_Load();
        a->MostraConFuoco();
        auto* l = Figlio<QComboBox>(a->w.get(), lista);
        l->setFocus();
        QTRY_VERIFY(l->hasFocus());
        for (const QString& s : scelte) l->setCurrentText(s);  // as picked from the list
        const QStringList atteso = segue.isEmpty() ? QStringList{"Lbl_PriSpire(0)", "-"} : segue.split('=');
        Figlio<QLabel>(a->w.get(), atteso[0])->setText("-");
        QTest::keyClick(l, Qt::Key_Tab);
        QCOMPARE(TestoDi(Figlio<QLabel>(a->w.get(), atteso[0])), atteso[1]);
    }

    void pagineDelleSchede() {
        // first opening: stored page 0, the refresh keeps page 1 and stores it
        a->d->TabPri = a->d->TabSec = a->d->TabLam = 0;
        ui->Cmb_PriNumAvv->setCurrentIndex(1);
        ui->Cmb_SecNumAvv->setCurrentIndex(1);
        ui->FramePri[3]->show();
        a->w->ContolloFrame();
        QVERIFY(a->d->TabPri == 1 && a->d->TabSec == 1 && a->d->TabLam == 1);
        QVERIFY(!ui->FramePri[1]->isHidden() && ui->FramePri[3]->isHidden() && ui->FrameLam[2]->isHidden());
        // (A tab clicked shows its page: the count test below and the output transformer's load.)
        // a page number from a project that differs from the tab: the tab's page is shown again
        a->d->TabSec = 3;
        a->w->ContolloFrame();
        QVERIFY(a->d->TabSec == 1 && !ui->FrameSec[1]->isHidden());
    }

    // The input check orders the windings by voltage (placement and buttons
    // with them) and rewrites the currents whose voltage changed; the
    // calculation reads the ordered texts.
    void controlloInputOrdinaERiscriveLeCorrenti() {
        a->d->PriUlt = 2;
        ui->Cmb_PriNumAvv->setCurrentIndex(2);
        a->w->ContolloFrame();
        const char* pri[] = {"100", "220", "150"};
        for (int i = 0; i < 3; ++i) ui->Txt_PriVolt[i]->setText(pri[i]);
        Posto(Primari(*a->d), 0, 2, 'I');  // 100 V in groove I of bobbin 2
        // 300 VA at 149 V, the last reading 150 V (which currents are rewritten,
        // and their masks: the core input test)
        ui->Txt_SecVolt[0]->setText("149");
        ui->Txt_SecPot[0]->setText("300");

        a->w->ControllaInputDati();
        const auto testi = [](auto& arr) { return TestoDi(arr[0]) + "|" + TestoDi(arr[1]) + "|" + TestoDi(arr[2]); };
        QCOMPARE(testi(ui->Txt_PriVolt), QStringLiteral("220|150|100"));
        QCOMPARE(testi(ui->Cmd_PriAvv), QStringLiteral("I|I|I"));
        QVERIFY(!ui->Cmd_PriAvv[2]->isEnabled());
        QCOMPARE(testi(ui->Cmd_PriRoch), QStringLiteral("H1|H1|I2"));  // the placement moved with it
        QCOMPARE(TestoDi(ui->Txt_SecAmp[0]), QStringLiteral("2,013"));
    }

    void apreIlProgettoPredefinito() {
        ModuleDIC& d = *a->d;
        a->w->Form_Load();   // with no message: the fake fails on any

        // ---- inputs, lists and mode
        for (int i = 0; i < 12; ++i)
            QCOMPARE(ui->Txt_PriVolt[i]->text() + " " + ui->Txt_SecVolt[i]->text() + " " + ui->Txt_SecPot[i]->text(),
                     QStringLiteral("%1 %2 %3").arg(220 - i).arg(150 - i).arg(300 - i));
        // 299 / 149 stays as the load wrote it
        QCOMPARE(ui->Txt_SecAmp[0]->text() + " " + ui->Txt_SecAmp[1]->text() + " " + ui->Txt_LamCdP->text(),
                 QStringLiteral("2 2,006711 1,5"));
        QCOMPARE(TestiDi(a->w.get(), "Cmb_Induzione Cmb_Densita Cmb_PriNumAvv Cmb_CoefK"), QStringLiteral("1,0|2,5|1|1,3"));
        QVERIFY(ui->Opt_Pot->isChecked() && d.ConoscoPotenza == VERO && d.TipoCalcolo == 1);

        // ---- libraries from LIBRERIA beside the program, in every wire column
        QCOMPARE(QString::fromStdString(d.NomeLibLam), LibreriaDefault("LamMantelloStandard.lam"));
        for (int c = 0; c < 25; ++c)
            QVERIFY2(Qs(d.NomeLibRame[c]) == LibreriaDefault("LibRame1.wir") && d.FiloNudo[29][c] == 1.0f,
                     qPrintable(QString::number(c)));

        // ---- a few results with their masks; the hidden second windings were not written
        QCOMPARE(TestiDi(a->w.get(), "Lbl_SecPotTot Lbl_Lamierino Lbl_SF Lbl_FEMI Lbl_PriAmp(0) Lbl_PriSpire(0) "
                                     "Lbl_SecFiloNudo(0) Lbl_PriRes(0) Lbl_RochTipo Lbl_PriSpire(1)"),
                 QStringLiteral("300,0|EI 150|1875|0,500|1,527|440|1|4,56|Demo Calcolato|"));

        // ---- the masks at other values
        a->d->PriAmp[0] = 0.45f;
        a->d->LamSP = 0.5f;
        a->d->LamFinestra[a->d->LamScelto] = 0.0f;
        a->d->PriSpire[0] = 0.0f;
        a->w->Refresh();
        // "#####0" keeps its zero
        QCOMPARE(ui->Lbl_PriAmp[0]->text() + "|" + ui->Lbl_SP->text() + "|" + ui->Lbl_SF->text() + "|" + ui->Lbl_PriSpire[0]->text(),
                 QStringLiteral("0,45|,5||0"));
        a->d->PriAmp[0] = 2.0f;
        a->d->LamCdP = 2.25f;
        a->w->Refresh();
        QCOMPARE(ui->Lbl_PriAmp[0]->text() + "|" + ui->Txt_LamCdP->text(), QStringLiteral("2,|2,25"));
    }

    // Equal to the ends: no warning; beyond: the coefficient's box before the
    // power's. An empty coefficient list gives none and keeps the coefficient.
    void avvisiDiLimite() {
        ModuleDIC& d = *a->d;
        a->w->Form_Load();
        for (float k : {1.0f, 1.6f})
            for (float p : {d.PotMin, d.PotMax}) {
                d.CoefK = k;
                d.SecPotTot = p;
                a->w->Refresh();   // no box: the fake fails on any
            }

        const struct { float k, p; const char *coef, *pot; } casi[] = {
            {1.65f, std::nextafter(d.PotMax, 1e9f), "Coefficiente di Dimensionamento Troppo Alto", "La Potenza del Trasformatore è Troppo Alta"},
            {0.99f, std::nextafter(d.PotMin, 0.0f), "Coefficiente di Dimensionamento Troppo Basso", "La Potenza del Trasformatore è Troppo Bassa"}};
        for (const auto& c : casi) {
            a->msg.Azzera();
            a->msg.Attendi();
            a->msg.Attendi();
            d.CoefK = c.k;
            d.SecPotTot = c.p;
            a->w->Refresh();
            QCOMPARE(a->msg.Mostrati(), QStringList({QString::fromUtf8(c.coef), QString::fromUtf8(c.pot)}));
            for (const auto& b : a->msg.boxes) QVERIFY(Qs(b.titolo) == kTitoloLimiti && b.stile == kAvviso);
        }

        // The list as the engine fills it: a pick outside it changes nothing.
        a->msg.Azzera();
        a->w->Form_Load();
        a->w->ListaCoefK().Seleziona(99);
        QVERIFY(a->ui().Cmb_CoefK->currentText() == QStringLiteral("1,3") && a->w->ListaCoefK().Voce(99).empty());
        a->w->ListaCoefK().Svuota();
        d.CoefK = 9.0f;
        a->w->Refresh();
        d.CoefK = 1.3f;
        a->w->CalcolaTrasfo();   // no box either
        QVERIFY(d.CoefK == 1.3f && a->ui().Lbl_SE->text() == QStringLiteral("22,5"));
    }

    // A warning box comes up over the new figures: the winding pages in view
    // are painted before it shows. A window that has closed paints nothing
    // before later boxes.
    void pagineDipinteSottoLAvviso() {
        ModuleDIC& d = *a->d;
        a->w->Form_Load();
        a->MostraConFuoco();
        QCoreApplication::processEvents();
        struct ContaPittura : QObject {
            int n = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                n += e->type() == QEvent::Paint;
                return false;
            }
        } pri, sec;
        // The paints each page had when a box was shown, and the boxes closed.
        struct AllaComparsa : QObject {
            const ContaPittura *pri, *sec;
            std::vector<std::pair<int, int>> visti;
            bool eventFilter(QObject* o, QEvent* e) override {
                if (e->type() == QEvent::Show && qobject_cast<QMessageBox*>(o)) {
                    visti.emplace_back(pri->n, sec->n);
                    QTimer::singleShot(0, o, [o] { static_cast<QMessageBox*>(o)->accept(); });
                }
                return false;
            }
        } comparsa;
        comparsa.pri = &pri;
        comparsa.sec = &sec;
        ui->FramePri[static_cast<size_t>(d.TabPri)]->installEventFilter(&pri);
        ui->FrameSec[static_cast<size_t>(d.TabSec)]->installEventFilter(&sec);
        qApp->installEventFilter(&comparsa);
        Piattaforma::ImpostaMessaggi(nullptr);  // the boxes on screen

        d.CoefK = 1.65f;
        d.SecPotTot = d.PotMin;
        d.PriSpire[0] = 1234;
        a->w->Refresh();
        QCOMPARE(comparsa.visti.size(), size_t(1));
        QVERIFY(comparsa.visti[0].first > 0 && comparsa.visti[0].second > 0);
        QCOMPARE(ui->Lbl_PriSpire[0]->text(), QStringLiteral("1234"));

        a.reset();
        Piattaforma::MsgBox(QStringLiteral("dopo"), mb::OkOnly, QStringLiteral("dopo"));
        qApp->removeEventFilter(&comparsa);
        QCOMPARE(comparsa.visti.size(), size_t(2));
        Nuova();
    }

    // Each field's check: a value out of range or no
    // number brings the field's message and title, turns it yellow and puts
    // its default text back; both ends are taken. The secondary current and
    // power follow each other; the calculation runs in every case.
    void controlliDeiCampi() {
        const char* pri = "Tensione Avvolgimento Primario Fuori Limiti";
        const char* sec = "Tensione Avvolgimento Secondario Fuori Limiti";
        const char* amp = "Corrente Avvolgimento Secondario Fuori Limiti";
        const char* pot = "Potenza Avvolgimento Secondario Fuori Limiti";
        const char* cdp = "Cifra di Perdita Lamierino Fuori Limiti";
        // volt: Txt_SecVolt(0) before; segue: name=text
        const struct { const char *campo, *volt, *testo, *msg, *resta, *segue; } casi[] = {
            {"Txt_PriVolt(0)", "", "0,1", "", "0,1", ""},
            {"Txt_PriVolt(0)", "", "0,09", pri, "240", "Lbl_PriSpire(0)=480"},
            // no number is out of range too
            {"Txt_PriVolt(0)", "", "", pri, "240", ""},
            {"Txt_SecVolt(0)", "", ",", sec, "150", ""},
            {"Txt_SecPot(0)", "", "9999", "", "9999", "Txt_SecAmp(0)=66,66"},
            {"Txt_SecPot(0)", "", "0", pot, "100", "Txt_SecAmp(0)=0,667"},
            {"Txt_SecAmp(0)", "", "0,001", "", "0,001", "Txt_SecPot(0)=0,2"},
            // the new voltage has the current written again from the power
            {"Txt_SecAmp(0)", "9999", "999", "", "999,0", "Txt_SecPot(0)=9989001,0"},
            {"Txt_SecAmp(0)", "", "1000", amp, "0,5", "Txt_SecPot(0)=75,0"},
            {"Txt_SecVolt(0)", "", "10000", sec, "150", "Txt_SecAmp(0)=2,0"},
            // the iron-loss figure is used at once, or refused back to 1,5
            {"Txt_LamCdP", "", "2", "", "2", "Lbl_LamPF=11,5"},
            {"Txt_LamCdP", "", "0", cdp, "1,5", "Lbl_LamPF=8,6"},
        };
        for (const auto& k : casi) {
            const QString caso = QString("%1 = %2").arg(k.campo, k.testo);
            const char* titolo = QByteArray(k.campo) == "Txt_LamCdP" ? "Verifica Inserzione Parametri Lamierino" : kTitoloAvv;
            Nuova();
            a->w->Form_Load();
            // At the ends the windings may not fit the bobbin: those warnings are
            // not what is counted here.
            a->msg.falliscePerInattesi = false;
            if (*k.volt) a->ui().Txt_SecVolt[0]->setText(k.volt);
            auto* c = Figlio<CampoNumerico>(a->w.get(), k.campo);
            c->setText(k.testo);   // also what the key filter would refuse ("10000")
            c->EseguiControllo();
            const auto conTitolo = std::count_if(a->msg.boxes.begin(), a->msg.boxes.end(), [&](const auto& b) { return b.titolo == titolo; });
            QVERIFY2(conTitolo == (*k.msg ? 1 : 0), qPrintable(caso));
            if (*k.msg) QVERIFY2(a->msg.boxes.at(0).testo == k.msg && a->msg.boxes.at(0).stile == kAvviso, qPrintable(caso));
            QVERIFY2(c->text() == k.resta && c->Giallo() == bool(*k.msg), qPrintable(caso));
            const QStringList segue = QString(k.segue).split('=');
            if (*k.segue) QCOMPARE(TestoDi(Figlio<QObject>(a->w.get(), segue[0])), segue[1]);
            // The calculation ran with what the fields now hold.
            const std::optional<float> p = a->ui().Txt_SecPot[0]->Valore();
            QCOMPARE(a->ui().Lbl_SecPotTot->text(), Qs(num::Format(p.value_or(-1), "0.0")));
        }
    }

    // Values typed one after another. A Tab into the current the voltage
    // rewrote (300 VA / 24 V = 12,5 A) selects it: a 3 typed replaces it, and
    // 3 A x 24 V = 72 VA. A click keeps the cursor where it was clicked
    // (72 VA / 200 V = 0,36, a 3 clicked in after its comma). Passing through the power box
    // (7,45 V x 1,234 A = 9,19 -> "9,2") changes nothing: the current stays
    // 1,234 A, not 9,2 / 7,45 = 1,235, and so does its wire.
    void valoriUnoDopoLAltro() {
        a->w->Form_Load();
        a->MostraConFuoco();
        a->msg.falliscePerInattesi = false;   // 9,7 A at 7,45 V overfill the bobbin
        QCOMPARE(TabEScrivi(a->w.get(), "Txt_SecVolt(0)", "24"), QStringLiteral("Txt_SecAmp(0) 3"));
        QTest::keyClick(ui->Txt_SecAmp[0], Qt::Key_Tab);
        QCOMPARE(ui->Txt_SecPot[0]->text(), QStringLiteral("72,0"));

        ScriviETab(ui->Txt_SecVolt[0], "200");
        ui->Txt_SecAmp[0]->setCursorPosition(2);   // "0,|36"
        QTest::mouseClick(ui->Txt_SecAmp[0], Qt::LeftButton, {}, ui->Txt_SecAmp[0]->inputMethodQuery(Qt::ImCursorRectangle).toRect().center());
        QTest::keyClick(ui->Txt_SecAmp[0], Qt::Key_3);
        QCOMPARE(ui->Txt_SecAmp[0]->text(), QStringLiteral("0,336"));

        ScriviETab(ui->Txt_SecVolt[0], "7,45");
        const auto [prima, dopo] = GiroDiTab(a->w.get(), "Txt_SecAmp(0)", "1,234", 1,
                                             "Txt_SecAmp(0) Txt_SecPot(0) Lbl_SecFiloNudo(0)");
        QVERIFY(prima.startsWith(QStringLiteral("1,234|9,2|")));
        QCOMPARE(dopo, prima);
    }

    // With the lamination given, a total power of 0 leaves the coefficient as
    // it was instead of dividing by it. A reload brings the power-given mode
    // back on screen too, and reads the wire library into column 0 whatever
    // winding index was left.
    void potenzaNullaERicaricamento() {
        a->w->Form_Load();
        ui->Opt_Lam->click();
        QVERIFY(a->d->ConoscoPotenza == FALSO && !ui->Cmb_CoefK->isEnabled() && ui->Cmd_Lamierino->isEnabled());
        ui->Txt_SecVolt[0]->setText("10");
        ui->Txt_SecVolt[0]->EseguiControllo();   // 300 VA at 10 V
        QCOMPARE(ui->Txt_SecAmp[0]->text(), QStringLiteral("30,0"));
        const float k = a->d->CoefK;
        QVERIFY(std::isfinite(k));

        a->msg.Attendi();   // 0 VA is below the stack's range
        ui->Txt_SecAmp[0]->setText("0,001");
        ui->Txt_SecAmp[0]->EseguiControllo();
        QCOMPARE(ui->Txt_SecPot[0]->text() + " " + ui->Lbl_CoefK->text(), QStringLiteral("0,0 1,3"));
        QVERIFY(a->d->CoefK == k && a->msg.Ultimo() == QStringLiteral("La Potenza del Trasformatore è Troppo Bassa"));
        for (const QLabel* l : a->w->findChildren<QLabel*>()) {
            const QString t = l->text().toLower();
            QVERIFY2(!t.contains("nan") && !t.contains("inf"), qPrintable(l->objectName() + " = " + l->text()));
        }
        a->d->NumAvvScelto = 99.0f;
        a->d->FiloNudo[5][24] = 0.0f;
        a->w->Form_Load();
        QVERIFY(ui->Opt_Pot->isChecked() && !ui->Opt_Lam->isChecked() && a->d->ConoscoPotenza == VERO);
        QVERIFY(ui->Cmb_CoefK->isEnabled() && ui->Label2->isEnabled() && !ui->Lbl_CoefK->isEnabled() && !ui->Cmd_Lamierino->isEnabled());
        QVERIFY(a->d->FiloNudo[5][0] > 0.0f && a->d->FiloNudo[5][24] == a->d->FiloNudo[5][0]);
    }

    // The power-given mode chosen again after a lamination-given pass (3 A at
    // 150 V: 450 VA on the 22,5 cm² stack, K = 22,5 / √450 = 1,06) takes the
    // coefficient its list shows, 1,3: saved, the project opens with 1,3.
    void coefficienteDellaListaSalvato() {
        a->w->Form_Load();
        a->MostraConFuoco();
        QTest::mouseClick(ui->Opt_Lam, Qt::LeftButton);
        ScriviETab(ui->Txt_SecAmp[0], "3");
        QCOMPARE(TestiDi(a->w.get(), "Txt_SecPot(0) Lbl_CoefK Cmb_CoefK"), QStringLiteral("450,0|1,06|1,3"));
        QTest::mouseClick(ui->Opt_Pot, Qt::LeftButton);
        QVERIFY(ui->Opt_Pot->isChecked() && ui->Cmb_CoefK->isEnabled());
        SalvaNuovoApri(*a);
        QVERIFY(ui->Opt_Pot->isChecked());
        QCOMPARE(ui->Cmb_CoefK->currentText(), QStringLiteral("1,3"));
    }

    // "Aggiorna Calcolo" recalculates what the fields hold; "Vedi Schema"
    // shows the schematic modally and changes nothing; "Esci" asks first;
    // "About" asks for the about window.
    void pulsantiEMenu() {
        a->w->Form_Load();
        ui->Txt_SecVolt[0]->setText("100");   // typed, field not left yet
        ui->Cmd_Aggiorna->click();
        QVERIFY(a->d->SecVolt[0] == 100.0f && ui->Txt_SecAmp[0]->text() == QStringLiteral("3,0"));  // 300 VA at 100 V

        const float spire = a->d->SecSpire[0];
        QVERIFY(ModaleAperta([&] { ui->Cmd_Schema->click(); }) == QStringLiteral("Frm_Schema") && a->d->SecSpire[0] == spire);

        a->MostraConFuoco();
        a->msg.Attendi(mb::No);
        ui->MnuFileEsci->trigger();
        QVERIFY(a->msg.Ultimo() == QStringLiteral("Uscire dal Progetto di Calcolo?") && a->w->isVisible());
        FakeFinestreUi finestre;
        ui->MnuAbout->trigger();
        QCOMPARE(finestre.richieste, std::vector<Finestra>{Finestra::About});
        a->msg.Attendi(mb::Yes);
        ui->MnuFileEsci->trigger();
        QVERIFY(!a->w->isVisible());
    }

    // The title bar's close box (a close from the window system) asks as
    // "Esci" does: No keeps the window open, Yes closes it; once, not twice.
    void chiusuraDallaBarra() {
        a->MostraConFuoco();
        for (int risposta : {mb::No, mb::Yes}) {
            a->msg.Azzera();
            a->msg.Attendi(risposta);
            // What the window system sends for the close box, delivered as it delivers it.
            QCloseEvent chiudi;
            QSpontaneKeyEvent::setSpontaneous(&chiudi);
            QCoreApplication::instance()->notify(a->w->windowHandle(), &chiudi);
            QVERIFY(a->msg.Mostrati() == QStringList{QStringLiteral("Uscire dal Progetto di Calcolo?")});
            QCOMPARE(a->w->isVisible(), risposta == mb::No);
        }
    }

    // The library folder is found in any letter case; a missing default
    // library gives its reader's message once and the window still opens.
    void libreriaMancante() {
        QTemporaryDir cartella;
        QVERIFY(QDir(cartella.path()).mkdir("libreria"));
        QVERIFY(QFile::copy(LibreriaDefault("LamMantelloStandard.lam"), cartella.filePath("libreria/lammantellostandard.lam")));
        a->w->ImpostaCartellaApplicazione(cartella.path());
        a->msg.Attendi();
        a->w->Form_Load();
        // the reader's message (its words: the damaged-files test)
        QCOMPARE(a->msg.UltimoTitolo(), QStringLiteral("Libreria Filo Rame Smaltato"));
        // no library wire: cut to 0,01 mm
        QVERIFY(a->ui().Lbl_SecPotTot->text() == QStringLiteral("300,0") && a->d->SecFiloRiga[0] == 38.0f);

        // The lamination library missing after a first load: its message
        // once, the table of the first load goes on.
        QVERIFY(QFile::remove(cartella.filePath("libreria/lammantellostandard.lam")));
        QVERIFY(QFile::copy(LibreriaDefault("LibRame1.wir"), cartella.filePath("libreria/LIBRAME1.WIR")));
        a->msg.Azzera();
        a->msg.Attendi();
        a->w->Form_Load();
        QCOMPARE(a->msg.Ultimo() + " | " + a->msg.UltimoTitolo(), QStringLiteral("Errore di Aperture File Libreria\nMotivo: il file o la cartella non esiste | Apri Libreria Lamierini"));
        QVERIFY(a->d->SecFiloRiga[0] == 29.0f && a->ui().Lbl_Lamierino->text() == QStringLiteral("EI 150"));
    }
};

QTEST_MAIN(TestFrmAlim)
#include "test_frm_alim.moc"
