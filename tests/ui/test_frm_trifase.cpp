// The three-phase design window: the default design and its first pass, the
// primaries' line figures, the phase and line view of a secondary, the input
// ordering, the counts and the letter buttons. Expected figures worked out
// apart (float32 by a short script).
#include <cctype>

#include "ControlliProgetto.h"
#include "Progetti.h"
#include "dialogs/Frm_AvvColl.h"
#include "files/Progetto.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"
#include "windows/trifase/Frm_Trifase.h"

namespace {

using Trif = FinestraDiProva<Frm_Trifase>;
const QString kNoLettera = QStringLiteral("Non è Stato Specificato il Tipo di Collegamento");

QString T(const QWidget* w) { return w->property("text").toString(); }

}  // namespace

class TestFrmTrifase : public QObject {
    Q_OBJECT

    std::unique_ptr<Trif> a;
    Frm_Trifase::Controlli* ui = nullptr;
    ModuleDIC* d = nullptr;
    // Loads the default design (with no message: the fake fails on any).
    void Carica() { a->w->Form_Load(); }

private slots:
    void init() {
        a = std::make_unique<Trif>();
        ui = &a->ui();
        d = a->d.get();
    }
    void cleanup() { a.reset(); }

    void caricamento() {
        VerificaControlli(a->w.get(), ControlliComuni(), 9);
        Carica();
        // Winding 5 keeps its own load texts; winding 1 shows the pass.
        const QString riga = "Txt_SecVoltLin(%1) Txt_SecPotLin(%1) Txt_SecAmpLin(%1) Txt_SecVolt(%1) Txt_SecPot(%1) "
                             "Txt_SecAmp(%1) Txt_PriVoltLin(%1) Txt_PriVolt(%1)";
        QCOMPARE(TestiDi(a->w.get(), riga.arg(4)), QStringLiteral("216|996|2,7|72,0|191,7|2,7|376|217,1"));
        QCOMPARE(TestiDi(a->w.get(), riga.arg(0)), QStringLiteral("219,9|1000,3|2,6|73,3|192,5|2,626|380,0|219,4"));
        QCOMPARE(TestiDi(a->w.get(), "Cmb_Induzione Cmb_Frequenza Cmb_Densita Cmb_PriNumAvv Cmb_SecNumAvv Cmb_CoefK"),
                 QStringLiteral("1,0|50|2,5|1|1|1,3"));
        // the total, and the primary's line columns from its letter "Y"
        QCOMPARE(TestiDi(a->w.get(), "Lbl_SecPotTot Lbl_PriAmpLin(0) Lbl_PriPotLin(0) Cmd_PriTrif(0) Cmd_SecTrif(0) Cmd_PriAvv(0) "
                                     "Cmd_SecRoch(0) Cmd_FaseLinea(0)"), QStringLiteral("1155,0|1,9|1231,2|Y|z|I|H1|Linea"));
        QVERIFY(!ui->Frm_PriAvv[0]->isHidden() && ui->Frm_PriAvv[1]->isHidden() && ui->Frm_SecAvv[1]->isHidden());

        // The primaries' line columns follow the letter; bounds bring no warning,
        // a coefficient above the list and a power below the range two, in order.
        d->PriUlt = 0;
        d->CoefK = 1.4f;
        d->SecPotTot = d->PotMax;
        const struct { const char* lettera; const char* amp; const char* pot; } casi[] = {
            {"D", "3,5", "1500,0"}, {"Y", "2,0", "1500,0"}, {"x", "2,0", "1500,0"}};
        for (const auto& c : casi) {
            d->PriTrif[0] = c.lettera;
            d->PriAmp[0] = 2;
            d->PriPot[0] = c.lettera[0] == 'x' ? 1 : 500;   // no letter: old captions stay
            a->w->Refresh();
            QCOMPARE(a->ui().Lbl_PriAmpLin[0]->text() + " " + a->ui().Lbl_PriPotLin[0]->text(), QStringLiteral("%1 %2").arg(c.amp, c.pot));
        }
        d->CoefK = 1.5f;
        d->SecPotTot = d->PotMin - 1;
        a->msg.Attendi();
        a->msg.Attendi();
        a->w->Refresh();
        QCOMPARE(a->msg.Mostrati(), QStringList({"Coefficiente di Dimensionamento Troppo Alto",
                                                "La Potenza del Trasformatore è Troppo Bassa"}));
    }

    // Phase and line view of a secondary by its letter; a missing letter
    // brings its message; a small line current is not shown as 0,0.
    void vista() {
        Carica();
        const struct { const char* lettera; const char* vip[3]; const char* prima; const char* atteso[3]; } casi[] = {
            {"y", {"127", "0,5", "63,5"}, "Fase", {"220,0", "0,5", "190,5"}},
            {"y", {"127", "0,5", "63,5"}, "Linea", {"127,0", "0,5", "63,5"}},
            {"d", {"100", "1", "500"}, "Fase", {"100,0", "1,7", "1500,0"}},
            {"y", {"24", "0,03", "0,7"}, "Fase", {"41,6", "0,03", "2,1"}},
            {"", {"100", "1", "500"}, "Fase", {"100,0", "1,0", "1500,0"}}};
        for (const auto& c : casi) {
            a->d->SecTrif[0] = c.lettera;
            CampoNumerico* fase[] = {ui->Txt_SecVolt[0], ui->Txt_SecAmp[0], ui->Txt_SecPot[0]};
            for (int k = 0; k < 3; ++k) fase[k]->ImpostaTestoU8(c.vip[k]);
            ui->Cmd_FaseLinea[0]->setText(c.prima);
            if (!*c.lettera) a->msg.Attendi();
            ui->Cmd_FaseLinea[0]->click();
            QCOMPARE(T(ui->Txt_SecVoltLin[0]) + " " + T(ui->Txt_SecAmpLin[0]) + " " + T(ui->Txt_SecPotLin[0]),
                     QStringLiteral("%1 %2 %3").arg(c.atteso[0], c.atteso[1], c.atteso[2]));
            const bool ora = QString(c.prima) == "Fase";   // now the line view
            QVERIFY(T(ui->Cmd_FaseLinea[0]) == (ora ? "Linea" : "Fase") && ui->Txt_SecAmpLin[0]->isEnabled() == ora);
        }
        QCOMPARE(a->msg.Ultimo(), kNoLettera);
    }

    // Primaries 100, 200, 300 end as 300, 200, 100 with their letters and
    // placements; equal secondaries stay; changed currents take their masks.
    void ordinamento() {
        Carica();
        d->PriUlt = d->SecUlt = 2;
        const char* lettere[] = {"D", "Y", "Y"};
        for (int i = 0; i < 3; ++i) {
            ui->Txt_PriVolt[i]->ImpostaTestoU8(std::to_string(100 * (i + 1)));
            ui->Cmd_PriTrif[i]->setText(lettere[i]);
            d->PriTrif[i] = lettere[i];
        }
        Posto(Primari(*d), 0, 1, 'L');
        const char* sec[][2] = {{"200", "100"}, {"150", "150"}, {"1,5", "150"}};
        for (int i = 0; i < 3; ++i) {
            ui->Txt_SecVolt[i]->ImpostaTestoU8(sec[i][0]);
            ui->Txt_SecPot[i]->ImpostaTestoU8(sec[i][1]);
            d->SecVolt[i] = 0;
        }
        a->w->ControllaInputDati();
        QCOMPARE(T(ui->Txt_PriVolt[0]) + T(ui->Txt_PriVolt[2]), QStringLiteral("300100"));
        QCOMPARE(T(ui->Cmd_PriTrif[0]) + T(ui->Cmd_PriTrif[2]) + QString::fromStdString(d->PriTrif[2]), QStringLiteral("YDD"));
        QVERIFY(T(ui->Txt_PriVoltLin[2]) == QStringLiteral("100,0") && Vero(d->PriGolaL[2]) && !Vero(d->PriGolaL[0]));
        QCOMPARE(T(ui->Cmd_PriRoch[2]) + T(ui->Cmd_PriAvv[2]), QStringLiteral("L1I"));
        QVERIFY(!ui->Cmd_PriAvv[2]->isEnabled() && ui->Cmd_PriTrif[2]->isEnabled());
        QCOMPARE(T(ui->Txt_SecAmp[0]) + "|" + T(ui->Txt_SecAmp[1]) + "|" + T(ui->Txt_SecAmp[2]),
                 QStringLiteral("0,5|1,0|100,0"));
    }

    // Counts: a lower count isolates the last winding and gives its letter
    // button back; a reset also brings the power-given option back.
    void conteggiEModo() {
        Carica();
        ui->Cmb_PriNumAvv->setCurrentIndex(2);
        a->w->Cmb_PriNumAvv_LostFocus();
        Serie(Primari(*d), 1, 3);
        a->w->PulsantiCollegamento();
        a->w->PulsantiLettere();
        QVERIFY(!ui->Cmd_PriTrif[1]->isEnabled() && T(ui->Cmd_PriAvv[1]) == QStringLiteral("R3"));
        ui->Cmb_PriNumAvv->setCurrentIndex(1);
        a->w->Cmb_PriNumAvv_LostFocus();
        QVERIFY(ui->Cmd_PriTrif[1]->isEnabled() && !ui->Cmd_PriAvv[1]->isEnabled() && ui->Frm_PriAvv[2]->isHidden());
        QCOMPARE(T(ui->Cmd_PriAvv[1]), QStringLiteral("I"));

        ui->Opt_Lam->click();
        QVERIFY(ui->Cmd_Lamierino->isEnabled() && !ui->Cmb_CoefK->isEnabled());
        Carica();
        QVERIFY(ui->Opt_Pot->isChecked() && !ui->Cmd_Lamierino->isEnabled() && ui->Cmb_CoefK->isEnabled());
    }

    // A line box left: its phase box, the current or power that follows and
    // the line view rebuilt; a refused or unreadable value brings its default.
    void campi() {
        Carica();
        a->msg.falliscePerInattesi = false;
        auto lascia = [](CampoNumerico* c, const char* t) { c->ImpostaTestoU8(t); c->EseguiControllo(); };
        a->d->SecTrif[0] = "d";
        lascia(ui->Txt_SecVolt[0], "220");
        lascia(ui->Txt_SecAmpLin[0], "2,62");
        QCOMPARE(T(ui->Txt_SecAmp[0]) + " " + T(ui->Txt_SecPot[0]) + " " + T(ui->Txt_SecAmpLin[0]) + " " + T(ui->Txt_SecPotLin[0]),
                 QStringLiteral("1,5 330,0 2,6 990,0"));
        a->d->SecTrif[0] = "z";
        lascia(ui->Txt_SecVoltLin[0], "0");
        lascia(ui->Txt_SecAmp[0], ",");
        QVERIFY(T(ui->Txt_SecVolt[0]) + " " + T(ui->Txt_SecAmp[0]) == QStringLiteral("73,3 0,5") && ui->Txt_SecVoltLin[0]->Giallo());
    }

    // A chosen letter goes down a chain of taps in series, not to a winding
    // with the tap flag alone; line values follow without a pass. Then a
    // made tap shows "R2" with its partner's letter and power.
    void lettere() {
        Carica();
        FakeLanciatoreUi lanciatore;
        a->msg.falliscePerInattesi = false;
        d->PriUlt = 3;
        Serie(Primari(*d), 0, 2);
        Serie(Primari(*d), 1, 3);
        d->PriAvvAda[3] = VERO;   // the tap flag alone, isolated
        d->PriAvvSerCon[3] = 5;
        d->PriAmp[2] = 2;
        d->PriPot[2] = 440;
        lanciatore.azione = [](ModuleDIC& m) { m.PriTrif[2] = "D"; };
        ui->Cmd_PriTrif[2]->click();
        QCOMPARE(T(ui->Cmd_PriTrif[0]) + T(ui->Cmd_PriTrif[1]) + T(ui->Cmd_PriTrif[2]) + T(ui->Cmd_PriTrif[3]) + " " +
                     ui->Lbl_PriAmpLin[2]->text() + " " + ui->Lbl_PriPotLin[2]->text(),
                 QStringLiteral("DDDY 3,5 1320,0"));
        QCOMPARE(QString::fromStdString(d->PriTrif[0] + d->PriTrif[3]), QStringLiteral("DY"));

        ui->Cmb_SecNumAvv->setCurrentIndex(1);
        a->w->Cmb_SecNumAvv_LostFocus();
        ui->Cmd_SecTrif[1]->setText("y");
        lanciatore.azione = [](ModuleDIC& m) { Serie(Secondari(m), 0, 2); };
        ui->Cmd_SecAvv[0]->click();
        QCOMPARE(T(ui->Cmd_SecAvv[0]) + T(ui->Cmd_SecTrif[0]) + " " + T(ui->Txt_SecPot[0]), QStringLiteral("R2y 192,3"));
        QVERIFY(!ui->Cmd_SecTrif[0]->isEnabled());
    }

    // Tab out of a phase box: the row passes through its phase view and back
    // to its line view; the line box the focus enters is not checked, and the
    // box left keeps its text. Current = power / 73,3 V;
    // zig-zag: line power 3√3 P, total 2/√3 of it (6 P); delta: line power 3 P.
    // The boxes show for real and take the focus: a pass that shows one
    // (0,1 VA) shows it once, and the line box is not checked when the window
    // is active again: 7,45 V stays, its line voltage 3 x 7,45 = 22,35 -> 22,4,
    // and 858 turns (864 at 7,5 V).
    void tabDaCasellaDiFase() {
        const struct {
            const char* lettera; const char* pot; const char* attesi;
            const char* volt = nullptr; const char* nomi = "Txt_SecPot(0) Txt_SecAmp(0) Txt_SecPotLin(0) Lbl_SecPotTot";
            QStringList boxes = {};
        } casi[] = {
            {"z", "500", "500|6,821|2598,1|3000,0"},
            {"z", "99999", "99999|1364,24|519610,0|599993,9"},
            {"z", "300", "300|4,093|1558,8|1799,9"},
            {"d", "300", "300|4,093|900,0|900,0"},
            {"z", "0,1", "7,45|22,4|0,013|858", "7,45", "Txt_SecVolt(0) Txt_SecVoltLin(0) Txt_SecAmp(0) Lbl_SecSpire(0)",
             {"Avvolgimenti Troppo Ingombranti in Gola H Rocchetto 1"}}};
        for (const auto& c : casi) {
            cleanup();
            init();
            Carica();
            a->MostraConFuoco();
            a->msg.falliscePerInattesi = false;
            a->msg.veri = true;
            d->SecTrif[0] = c.lettera;
            ui->Cmd_SecTrif[0]->setText(c.lettera);
            if (c.volt) ScriviETab(ui->Txt_SecVolt[0], c.volt);
            a->msg.Azzera();
            ScriviETab(ui->Txt_SecPot[0], c.pot);
            QVERIFY(QTest::qWaitForWindowActive(a->w.get(), kAttesaMs));
            QCOMPARE(TestiDi(a->w.get(), c.nomi), QString(c.attesi));
            if (!c.boxes.isEmpty()) QCOMPARE(a->msg.Mostrati(), c.boxes);
            QVERIFY2(!a->msg.Mostrati().join(' ').contains("Fuori Limiti"), c.pot);
            QVERIFY(!ui->Txt_SecAmpLin[0]->Giallo());
            // Nothing stays armed: the next focus change checks nothing.
            ui->Txt_LamCdP->setFocus();
            ui->Txt_SecVolt[0]->setFocus();
            QCOMPARE(T(ui->Txt_SecPot[0]), QString(c.pot));
        }
        // A letter chosen after two phase boxes: the line view by the new
        // letter (star: 100 √3, 3 x 192), no pass (the total stays 6 x 192,
        // from the one-decimal line power 997,7), the texts as typed.
        cleanup();
        init();
        Carica();
        a->MostraConFuoco();
        a->msg.falliscePerInattesi = false;
        FakeLanciatoreUi lanciatore;
        lanciatore.azione = [](ModuleDIC& m) { m.SecTrif[0] = "y"; };
        ScriviETab(ui->Txt_SecVolt[0], "100");
        ScriviETab(ui->Txt_SecPot[0], "192");
        QCOMPARE(TestiDi(a->w.get(), "Txt_SecAmp(0) Txt_SecPotLin(0) Lbl_SecPotTot"), QStringLiteral("1,92|997,7|1152,0"));
        ui->Cmd_SecTrif[0]->click();
        QCOMPARE(TestiDi(a->w.get(), "Txt_SecVolt(0) Txt_SecPot(0) Txt_SecVoltLin(0) Txt_SecPotLin(0) Lbl_SecPotTot"),
                 QStringLiteral("100|192|173,2|576,0|1152,0"));
    }

    // A phase box refused by its own range box: one box, and the line box
    // the focus went to is not checked when the window is active again.
    // 7,45 V stays, 3 x 7,45 = 22,35 -> "22,4", 192,4 VA / 7,45 V = 25,826 A;
    // a refused 0 V brings back the default 127 V and its 232 turns (the
    // line box's 220,0 read back would give 127,02 V and 233).
    void casellaDiFaseRifiutata() {
        const struct { const char* volt; const char* campo; const char* testo; bool clic; const char* nomi; const char* attesi; } casi[] = {
            {"7,45", "Txt_SecPot(0)", "0", false, "Txt_SecVolt(0) Txt_SecVoltLin(0) Txt_SecAmp(0)", "7,45|22,4|25,826"},
            {nullptr, "Txt_SecVolt(0)", "0", true, "Txt_SecVolt(0) Lbl_SecSpire(0)", "127|232"}};
        for (const auto& c : casi) {
            cleanup();
            init();
            Carica();
            a->MostraConFuoco();
            a->msg.falliscePerInattesi = false;
            a->msg.veri = true;
            if (c.volt) ScriviETab(ui->Txt_SecVolt[0], c.volt);
            QTest::mouseClick(ui->Opt_Pot, Qt::LeftButton);
            a->msg.Azzera();
            auto* campo = a->w->findChild<CampoNumerico*>(c.campo);
            campo->setFocus();
            campo->selectAll();
            QTest::keyClicks(campo, c.testo);
            if (c.clic) QTest::mouseClick(ui->Txt_SecAmpLin[0], Qt::LeftButton);
            else QTest::keyClick(campo, Qt::Key_Tab);
            QVERIFY(QTest::qWaitForWindowActive(a->w.get(), kAttesaMs));
            QCOMPARE(a->msg.boxes.size(), size_t(1));
            QVERIFY(a->msg.Mostrati().join(' ').contains("Fuori Limiti"));
            QCOMPARE(TestiDi(a->w.get(), c.nomi), QString(c.attesi));
        }
    }

    // A click or Tab into a line box of the row lands there, whatever the
    // phase box just left did to the line boxes on its way (a valid value, a
    // refused one with its range box, or nothing typed): the next keys go
    // into the line box, not to the letter button beside it.
    void fuocoNellaCasellaDiLinea() {
        struct Caso { int riga; const char* fase; const char* linea; const char* testo; bool tab; };
        std::vector<Caso> casi;
        for (const char* fase : {"Volt", "Amp", "Pot"})
            for (const char* linea : {"VoltLin", "AmpLin", "PotLin"})
                for (const char* testo : {"100", "0", ""}) casi.push_back({0, fase, linea, testo, false});
        for (const char* testo : {"100", "0", ""}) casi.push_back({0, "Pot", "VoltLin", testo, true});
        casi.push_back({1, "Volt", "PotLin", "100", false});
        casi.push_back({1, "Pot", "VoltLin", "", true});
        for (const Caso& c : casi) {
            const QByteArray caso = QByteArray("Sec") + c.fase + " Sec" + c.linea + " (" + QByteArray::number(c.riga) +
                                    ") '" + c.testo + (c.tab ? "' Tab" : "'");
            cleanup();
            init();
            Carica();
            a->msg.falliscePerInattesi = false;
            a->msg.veri = true;
            if (c.riga) {
                ui->Cmb_SecNumAvv->setCurrentIndex(1);
                a->w->Cmb_SecNumAvv_LostFocus();
            }
            a->MostraConFuoco();
            auto* da = a->w->findChild<CampoNumerico*>(NomeIndice((std::string("Txt_Sec") + c.fase).c_str(), c.riga));
            auto* verso = a->w->findChild<CampoNumerico*>(NomeIndice((std::string("Txt_Sec") + c.linea).c_str(), c.riga));
            QTest::mouseClick(da, Qt::LeftButton);
            if (*c.testo) {
                da->selectAll();
                QTest::keyClicks(da, c.testo);
            }
            const QString dove = FuocoEDigitato(da, verso, c.tab);
            QVERIFY2(dove.isEmpty(), caso + " -> " + dove.toUtf8());
        }
    }

    // Tab out of a box lands in the next one with its whole text selected,
    // also when the box left rewrote that text: the digit typed next stands
    // alone (in the last pair the box entered ends with the text it had).
    void tabSelezionaIlTestoRiscritto() {
        const char* coppie[][3] = {{"Txt_PriVolt(0)", "230", "Txt_PriVoltLin(0)"},
                                   {"Txt_SecVolt(0)", "24", "Txt_SecAmp(0)"},
                                   {"Txt_SecAmp(0)", "2", "Txt_SecPot(0)"},
                                   {"Txt_SecVoltLin(0)", "100", "Txt_SecAmpLin(0)"},
                                   {"Txt_SecAmpLin(0)", "2", "Txt_SecPotLin(0)"},
                                   {"Txt_SecPot(0)", "50", "Txt_SecVoltLin(0)"}};
        for (const auto& c : coppie) {
            cleanup();
            init();
            Carica();
            a->MostraConFuoco();
            a->msg.falliscePerInattesi = false;
            QCOMPARE(TabEScrivi(a->w.get(), c[0], c[1]), QString(c[2]) + " 3");
        }
    }

    // A walk with Tab through boxes the user types nothing in changes
    // nothing: 7,45 V on the zig-zag row keeps its line voltage 3 x 7,45 =
    // 22,35 -> "22,4" and its turns, not 22,4 / 3 = 7,47 -> "7,5"; a star
    // primary's 1,23 V keeps 1,23 x √3 = 2,13 -> "2,1", not 2,1 / √3 -> "1,2".
    // Enter in the untouched line box does derive the phase voltage: 7,5.
    void giroDiTab() {
        const struct { const char* campo; const char* testo; int tab; const char* nomi; const char* attesi; } casi[] = {
            {"Txt_SecVolt(0)", "7,45", 3, "Txt_SecVolt(0) Txt_SecVoltLin(0) Lbl_SecSpire(0)", "7,45|22,4|"},
            {"Txt_PriVolt(0)", "1,23", 1, "Txt_PriVolt(0) Txt_PriVoltLin(0) Lbl_PriSpire(0)", "1,23|2,1|"}};
        for (const auto& c : casi) {
            cleanup();
            init();
            Carica();
            a->MostraConFuoco();
            a->msg.falliscePerInattesi = false;
            const auto [prima, dopo] = GiroDiTab(a->w.get(), c.campo, c.testo, c.tab, c.nomi);
            QVERIFY2(prima.startsWith(c.attesi), qPrintable(prima));
            QCOMPARE(dopo, prima);
            if (c.tab != 3) continue;
            QTest::mouseClick(ui->Txt_SecVoltLin[0], Qt::LeftButton);
            QTest::keyClick(ui->Txt_SecVoltLin[0], Qt::Key_Return);
            QCOMPARE(T(ui->Txt_SecVolt[0]), QStringLiteral("7,5"));
        }
    }

    // A Single is shown by its 7 digits, as in every window: the Single 0,35
    // under "##0.0" is 0,4; a delta primary's line voltage is its phase voltage.
    void testiDiSingoli() {
        Carica();
        a->MostraConFuoco();
        a->msg.falliscePerInattesi = false;
        d->PriTrif[0] = "D";
        ui->Cmd_PriTrif[0]->setText("D");
        ScriviETab(ui->Txt_PriVolt[0], "0,35");
        QCOMPARE(T(ui->Txt_PriVoltLin[0]), QStringLiteral("0,4"));
    }

    // A voltage tap made of secondary 1 takes winding 2's power, 1 VA, and at
    // 500 V a current of 0,002 A: shown so, and read so by the pass.
    void presaConCorrentePiccola() {
        Carica();
        FakeLanciatoreUi lanciatore;
        a->msg.falliscePerInattesi = false;
        ui->Cmb_SecNumAvv->setCurrentIndex(1);
        a->w->Cmb_SecNumAvv_LostFocus();
        const std::pair<CampoNumerico*, const char*> campi[] = {
            {ui->Txt_SecVolt[1], "1"}, {ui->Txt_SecPot[1], "1"}, {ui->Txt_SecVolt[0], "500"}};
        for (const auto& [c, t] : campi) {
            c->ImpostaTestoU8(t);
            c->EseguiControllo();
        }
        lanciatore.azione = [](ModuleDIC& m) { Serie(Secondari(m), 0, 2); };
        ui->Cmd_SecAvv[0]->click();
        QCOMPARE(T(ui->Cmd_SecAvv[0]) + " " + T(ui->Txt_SecAmp[0]) + " " + T(ui->Txt_SecPot[0]), QStringLiteral("R2 0,002 1,0"));
        QCOMPARE(d->SecAmp[0], 0.002f);
        QCOMPARE(T(ui->Lbl_SecRes[0]), QStringLiteral("30817,38"));
    }

    // The primary's tap option, alone in its frame, stays chosen when
    // clicked: two primaries, the first in series with the second is a
    // voltage tap, "R2" on green, its letter button off.
    void presaPrimarioSempreScelta() {
        Carica();
        FakeLanciatoreUi lanciatore;
        ui->Cmb_PriNumAvv->setCurrentIndex(1);
        a->w->Cmb_PriNumAvv_LostFocus();
        bool scelta = false;
        lanciatore.azione = [&scelta](ModuleDIC& m) {
            Frm_AvvColl f(m, true);
            f.ui.Opt_AvvSer->click();
            f.ui.Opt_AvvAda->click();
            scelta = f.ui.Opt_AvvAda->isChecked();
            f.ui.Cmb_AvvSer->setCurrentIndex(1);
            f.ui.Cmd_Ok->click();
        };
        ui->Cmd_PriAvv[0]->click();
        QVERIFY(scelta && Vero(d->PriAvvAda[0]) && Vero(d->PriAvvSer[0]));
        QCOMPARE(T(ui->Cmd_PriAvv[0]), QStringLiteral("R2"));
        QCOMPARE(Frm_Trifase::ColoreCollegamento(ui->Cmd_PriAvv[0]), QColor(0, 255, 0));
        QVERIFY(!ui->Cmd_PriTrif[0]->isEnabled());
    }

    // The File menu: Sa&lva con Nome, Sta&mpa, the "?" menu MnuHelp; Close
    // asks Yes / No / Cancel with the information icon, and Cancel keeps the
    // design; New keeps the user's bobbin (row 1 of the bobbin table).
    void menuFile() {
        Carica();
        QCOMPARE(TestiDi(a->w.get(), "MnuFileSalvaNome MnuFileStampa"), QStringLiteral("Sa&lva con Nome|Sta&mpa"));
        VerificaMenuAiuto(a->w.get(), "MnuHelp");
        d->RochC[1] = 40;
        d->RochTipo[1] = "Mio";
        ui->Txt_SecVolt[0]->ImpostaTestoU8("100");
        a->msg.Attendi(mb::Cancel);
        a->w->MnuFileChiudi_Click();
        QCOMPARE(a->msg.boxes.back().stile, mb::YesNoCancel + mb::Information);
        QCOMPARE(T(ui->Txt_SecVolt[0]), QStringLiteral("100"));
        a->msg.Attendi(mb::No);
        a->w->MnuFileNuovo_Click();
        QCOMPARE(QString::number(d->RochC[1]) + QString::fromStdString(d->RochTipo[1]), QStringLiteral("40Mio"));
        QCOMPARE(T(ui->Txt_SecVolt[0]), QStringLiteral("73,3"));
    }

    // A letter chosen and the project saved at once: the line values of the
    // boxes are saved and come back with the file; the primary's line
    // current and power are only shown, the design keeps its own pair (the
    // new design's 0 and 0). Delta: 73,3 V, 2,626 x √3 = 4,5 A,
    // 3 x 192,5 = 577,5 VA; star: 73,3 x √3 = 127,0 V; 219,4 x √3 = 380,0 V.
    void letteraSalvata() {
        Carica();
        FakeLanciatoreUi lanciatore;
        const char* pri = "Cmd_PriTrif(0) Txt_PriVoltLin(0) Lbl_PriAmpLin(0) Lbl_PriPotLin(0)";
        const char* sec = "Cmd_SecTrif(0) Txt_SecVoltLin(0) Txt_SecAmpLin(0) Txt_SecPotLin(0)";
        const struct { const char* lettera; const char* nomi; const char* mostrati; const char* riaperti; } passi[] = {
            {"D", pri, "D|219,4|3,2|1231,2", "D|219,4|0 0"}, {"Y", pri, "Y|380,0|1,9|1231,2", "Y|380|0 0"},
            {"d", sec, "d|73,3|4,5|577,5", "d|73,3|4,5|577,5"}, {"y", sec, "y|127,0|2,6|577,5", "y|127|2,6|577,5"}};
        for (const auto& p : passi) {
            const bool primario = std::isupper(p.lettera[0]);
            lanciatore.azione = [&p, primario](ModuleDIC& m) { (primario ? m.PriTrif : m.SecTrif)[0] = p.lettera; };
            (primario ? ui->Cmd_PriTrif : ui->Cmd_SecTrif)[0]->click();
            QCOMPARE(TestiDi(a->w.get(), p.nomi), QString(p.mostrati));
            SalvaNuovoApri(*a);
            const QString progetto = QStringLiteral("|%1 %2").arg(Qs(num::SngToText(d->PriAmpLin[0])), Qs(num::SngToText(d->PriPotLin[0])));
            QCOMPARE(TestiDi(a->w.get(), p.nomi).section('|', 0, primario ? 1 : 3) + (primario ? progetto : QString()),
                     QString(p.riaperti));
        }
    }

    // The primary's line current and power follow its letter and the pass
    // on screen only: no calculation reads them. Delta primary, 300 VA a
    // phase on the zig-zag secondary: 3√3 x 300 = 1558,8 VA a line, total
    // 2/√3 of it = 1799,9 VA, efficiency 94,754 %, 1899,6 VA on the primary,
    // 1899,6 / (√3 x 219,4 V) = 5,0 A. The file keeps the design's own pair,
    // the new design's 0 and 0, not the 3,2 A and 1231,2 VA the letter showed.
    void lineeDelPrimarioNonSalvate() {
        Carica();
        a->MostraConFuoco();
        FakeLanciatoreUi lanciatore;
        lanciatore.azione = [](ModuleDIC& m) { m.PriTrif[0] = "D"; };
        QTest::mouseClick(ui->Cmd_PriTrif[0], Qt::LeftButton);
        QCOMPARE(TestiDi(a->w.get(), "Lbl_PriAmpLin(0) Lbl_PriPotLin(0)"), QStringLiteral("3,2|1231,2"));
        ScriviETab(ui->Txt_SecPot[0], "300");
        QCOMPARE(TestiDi(a->w.get(), "Lbl_SecPotTot Lbl_PriAmpLin(0) Lbl_PriPotLin(0)"), QStringLiteral("1799,9|5,0|1899,6"));
        SalvaNuovoApri(*a);
        QCOMPARE(Qs(num::SngToText(d->PriAmpLin[0]) + " " + num::SngToText(d->PriPotLin[0])), QStringLiteral("0 0"));
    }

    // An opened project, a new one, a pass (Enter in a phase box) or a
    // letter chosen puts every row back in the line view with its line boxes
    // open, also the row the user had turned to its phase view; the open
    // shows the project's letters and stored line values.
    void tornaAllaVistaDiLinea() {
        QTemporaryDir cartella;
        const QString file = cartella.path() + QStringLiteral("/p.ttf");
        const struct { const char* come; const char* nomi; const char* attesi; } casi[] = {
            {"Apri", "Cmd_SecTrif(0) Txt_SecVoltLin(0)", "y|123,5"}, {"Nuovo", "Txt_SecVolt(0)", "73,3"},
            {"Invio", "Txt_SecVolt(0)", "100"}, {"Lettera", "Cmd_SecTrif(0)", "y"}};
        for (const auto& c : casi) {
            const QString come = QString::fromUtf8(c.come);
            cleanup();
            init();
            Carica();
            a->MostraConFuoco();
            a->msg.falliscePerInattesi = false;
            FakeDialoghiUi dlg;
            FakeLanciatoreUi lanciatore;
            lanciatore.azione = [](ModuleDIC& m) { m.SecTrif[0] = "y"; };
            if (come == "Apri") {
                ModuleDIC copia = *a->d;
                copia.SecTrif[0] = "y";
                copia.SecVoltLin[0] = 123.5f;
                std::string err;
                QVERIFY(progetto::SalvaProgetto(copia, U8(file), "p", err));
                dlg.percorsiApri.push_back(file);
            }
            QTest::mouseClick(ui->Cmd_FaseLinea[0], Qt::LeftButton);   // the phase view
            QVERIFY(!ui->Txt_SecVoltLin[0]->isEnabled());
            if (come == "Invio") {
                QTest::mouseClick(ui->Txt_SecVolt[0], Qt::LeftButton);
                ui->Txt_SecVolt[0]->selectAll();
                QTest::keyClicks(ui->Txt_SecVolt[0], "100");
                QTest::keyClick(ui->Txt_SecVolt[0], Qt::Key_Return);
            } else if (come == "Lettera") {
                QTest::mouseClick(ui->Cmd_SecTrif[0], Qt::LeftButton);
            } else {
                a->msg.Attendi(mb::No);
                DalMenu(a->w.get(), ui->MnuFile, come == "Apri" ? ui->MnuFileApri : ui->MnuFileNuovo);
            }
            QCOMPARE(TestiDi(a->w.get(), c.nomi), QString(c.attesi));
            for (CampoNumerico* l : {ui->Txt_SecVoltLin[0], ui->Txt_SecAmpLin[0], ui->Txt_SecPotLin[0]})
                QVERIFY2(T(ui->Cmd_FaseLinea[0]) == "Linea" && l->isEnabled(), c.come);
        }
    }
};

QTEST_MAIN(TestFrmTrifase)
#include "test_frm_trifase.moc"
