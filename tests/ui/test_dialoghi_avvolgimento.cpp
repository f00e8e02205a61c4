// The winding dialogs, connection and placement, on both sides; and the
// single-phase window's steps after them.

#include "ControlliProgetto.h"
#include "Progetti.h"
#include "dialogs/Frm_AvvColl.h"
#include "dialogs/Frm_AvvRoch.h"
#include "dialogs/Frm_AvvTrif.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

namespace {

// The default design with windings 0..n-1 of each side in use (isolated, on H1).
std::unique_ptr<ModuleDIC> Progetto(int n) {
    auto d = NuovoProgetto();
    d->PriUlt = d->SecUlt = static_cast<float>(n - 1);
    return d;
}

// Winding k's connection as "iso ser ada car partner", flags as 0/1.
QString Collegamento(const Lato& l, int k) {
    const auto f = [](int16_t v) { return QString::number(Vero(v) ? 1 : 0); };
    return QStringList{f(l.AvvIso[k]), f(l.AvvSer[k]), f(l.AvvAda[k]), l.AvvCar ? f((*l.AvvCar)[k]) : "-",
                       QString::number(l.AvvSerCon[k])}.join(' ');
}

// Opens the connection dialog of winding k, picks partner p (0: isolated)
// and confirms; true when the dialog accepted.
bool Collega(ModuleDIC& d, bool pri, int k, int p, bool carico = false) {
    d.NumAvvScelto = static_cast<float>(k);
    Frm_AvvColl f(d, pri);
    (p ? f.ui.Opt_AvvSer : f.ui.Opt_AvvIso)->click();
    if (carico) f.ui.Opt_AvvCar->click();
    if (p) f.ui.Cmb_AvvSer->setCurrentIndex(p - 1);
    f.ui.Cmd_Ok->click();
    return f.result() == QDialog::Accepted;
}

}  // namespace

class TestDialoghiAvvolgimento : public QObject {
    Q_OBJECT

    FakeMessaggiUi msg;  // these dialogs never show a box

private slots:
    // The stored letter picks its option and picture; none of the side's
    // letters brings the message and delta; Ok writes the option's letter.
    void letteraTrifase() {
        const struct { bool pri; const char* prima; int opz; const char* dopo; } casi[] = {
            {true, "Y", 1, "Y"}, {true, "d", 0, "D"}, {false, "Z", 0, "d"}, {false, "y", 1, "y"}};
        for (const auto& c : casi) {
            auto d = Progetto(3);
            d->NumAvvScelto = 0;
            (c.pri ? d->PriTrif : d->SecTrif)[0] = c.prima;
            const bool lettera = QString(c.prima) == c.dopo;
            if (!lettera) msg.Attendi();
            Frm_AvvTrif f(*d, c.pri);
            QVERIFY(f.ui.Lbl_PriAvv->text() == QStringLiteral("1") && f.ui.Opt[c.opz]->isChecked());
            // Shown, the focus is on the chosen option: Space there keeps the letter.
            f.show();
            f.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&f, kAttesaMs) && f.ui.Opt[c.opz]->hasFocus());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QVERIFY(f.ui.Opt[c.opz]->isChecked());
            f.ui.Opt[c.opz]->click();
            for (int n = 0; n < (c.pri ? 2 : 3); ++n) QCOMPARE(f.ui.Image[n]->isHidden(), n != c.opz);
            if (!lettera) QCOMPARE(msg.Ultimo(), QStringLiteral("Non è Stato Specificato il Tipo di Collegamento"));
            f.ui.Cmd_Ok->click();
            QCOMPARE(QString::fromStdString((c.pri ? d->PriTrif : d->SecTrif)[0]), QString(c.dopo));
        }
        msg.boxes.clear();
    }

    void collegamentoCaricamento() {
        auto d = Progetto(4);
        d->NumAvvScelto = 2;
        Frm_AvvColl iso(*d, false);
        QCOMPARE(iso.ui.Frm_Coll1->title(), QStringLiteral("Scelta Collegamento Avv. 3"));
        // isolated: the list at "1", the series controls off until "in series" is clicked
        QVERIFY(iso.ui.Opt_AvvIso->isChecked() && iso.ui.Cmb_AvvSer->currentText() == QStringLiteral("1"));
        QVERIFY(!iso.ui.Cmb_AvvSer->isEnabled() && !iso.ui.Opt_AvvCar->isEnabled());
        iso.ui.Opt_AvvSer->click();
        QVERIFY(iso.ui.Cmb_AvvSer->isEnabled() && iso.ui.Opt_AvvCar->isEnabled());
        // a load tap shows its stored partner; the primary has no load tap
        d->NumAvvScelto = 1;
        Serie(Secondari(*d), 1, 4, true);
        Frm_AvvColl car(*d, false);
        QVERIFY(car.ui.Opt_AvvSer->isChecked() && car.ui.Opt_AvvCar->isChecked() && car.ui.Cmb_AvvSer->currentText() == QStringLiteral("4"));
        QVERIFY(Frm_AvvColl(*d, true).ui.Opt_AvvCar == nullptr);
    }

    void collegamentoPartner() {
        // n windings in use; winding k picks partner p; preso: winding 0 already in series with 4
        const struct { int n, k, p; bool preso, accettato; } casi[] = {{2, 0, 2, false, true},  {2, 0, 1, false, false},   // a later winding; itself
                    {2, 0, 3, false, false}, {2, 1, 2, false, false},   // past the count; from the last winding
                    {4, 1, 4, true, false},  {4, 1, 3, true, true}};    // partner taken; partner free
        for (const auto& [n, k, p, preso, accettato] : casi)
            for (bool pri : {true, false}) {
                auto d = Progetto(n);
                const Lato l(*d, pri);
                if (preso) QVERIFY(Collega(*d, pri, 0, 4));
                const QString prima = Collegamento(l, k);
                d->NumAvvScelto = static_cast<float>(k);
                Frm_AvvColl f(*d, pri);
                f.ui.Opt_AvvSer->click();
                f.ui.Cmb_AvvSer->setCurrentIndex(p - 1);
                f.ui.Cmd_Ok->click();
                QVERIFY((f.result() == QDialog::Accepted) == accettato && EGiallo(f.ui.Cmb_AvvSer) == !accettato);
                QCOMPARE(f.ui.Cmb_AvvSer->currentText(), QString::number(p));
                f.reject();  // after a refusal the close box leaves the winding as it was
                const QString dopo = QStringLiteral("0 1 1 %1 %2").arg(pri ? "-" : "0").arg(p);
                QCOMPARE(Collegamento(l, k), accettato ? dopo : prima);
            }
    }

    void invioConfermaEListaGialla() {
        // Enter in the partner list presses Ok: a refused partner (itself)
        // turns the list yellow, face included; a good one is taken.
        auto d = Progetto(2);
        d->NumAvvScelto = 0.0f;
        Frm_AvvColl f(*d, false);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f, kAttesaMs));
        f.ui.Opt_AvvSer->click();
        f.ui.Cmb_AvvSer->setCurrentIndex(0);
        f.ui.Cmb_AvvSer->setFocus();
        QTest::keyClick(f.ui.Cmb_AvvSer, Qt::Key_Return);
        const QColor faccia = f.ui.Cmb_AvvSer->grab().toImage().pixelColor(f.ui.Cmb_AvvSer->width() / 3, f.ui.Cmb_AvvSer->height() / 2);
        QVERIFY2(f.isVisible() && faccia.red() > 200 && faccia.green() > 200 && faccia.blue() < 100, qPrintable(faccia.name()));
        f.ui.Cmb_AvvSer->setCurrentIndex(1);
        QTest::keyClick(f.ui.Cmb_AvvSer, Qt::Key_Return);
        QVERIFY(f.result() == QDialog::Accepted && !f.isVisible() && !EGiallo(f.ui.Cmb_AvvSer));
        Frm_AvvRoch r(*d, true);
        msg.Attendi();  // no letter in the default design: its message
        Frm_AvvTrif t(*d, true);
        msg.Azzera();
        QVERIFY(f.ui.Cmd_Ok->isDefault() && r.ui.Cmd_Ok->isDefault() && t.ui.Cmd_Ok->isDefault());
    }

    void collegamentoIsolatoECarico() {
        auto d = Progetto(3);
        const Lato l = Secondari(*d);
        QVERIFY(Collega(*d, false, 0, 3));
        QVERIFY(Collega(*d, false, 0, 0));  // isolated is always taken, partner back to 1
        QCOMPARE(Collegamento(l, 0), QStringLiteral("1 0 0 0 1"));
        QVERIFY(Collega(*d, false, 0, 2, true));
        QVERIFY(Collegamento(l, 0) == QStringLiteral("0 1 0 1 2") && msg.boxes.empty());
    }

    void posizioneGoleOfferte() {
        // RochDue, RochGole1, RochGole2; bobbin clicked (0: none); enabled: bobbin 1, 2, groove H, I, L
        const struct { int16_t due, gole1, gole2; int scelta; const char* abilitate; } casi[] = {
            {0, 0, 0, 0, "10100"}, {0, 1, 0, 0, "10011"}, {1, 0, 1, 2, "11011"}, {1, 1, 0, 2, "11100"}, {1, 1, 0, 1, "11011"}};
        for (const auto& [due, gole1, gole2, scelta, abilitate] : casi) {
            auto d = Progetto(1);
            d->RochDue = due;
            d->RochGole1 = gole1;
            d->RochGole2 = gole2;
            Frm_AvvRoch f(*d, true);
            if (scelta) (scelta == 1 ? f.ui.Opt_Roch1 : f.ui.Opt_Roch2)->click();
            QString s;
            for (QRadioButton* o : {f.ui.Opt_Roch1, f.ui.Opt_Roch2, f.ui.Opt_RochGolaH, f.ui.Opt_RochGolaI,
                                    f.ui.Opt_RochGolaL})
                s += o->isEnabled() ? '1' : '0';
            QCOMPARE(s, QString(abilitate));
        }
    }

    void posizioneOkBloccatoDaUnaSceltaSpenta() {
        // Secondary 1 still on bobbin 2, groove H; one bobbin, of two grooves.
        auto d = Progetto(2);
        d->RochGole1 = 1;
        Posto(Secondari(*d), 1, 2, 'H');
        d->NumAvvScelto = 1;
        Frm_AvvRoch f(*d, false);
        QVERIFY(f.ui.Opt_Roch2->isChecked() && !f.ui.Opt_Roch2->isEnabled() && f.ui.Opt_RochGolaH->isChecked());
        f.ui.Opt_Roch1->click();  // bobbin 1 offers I and L: groove H now blocks OK
        f.ui.Cmd_Ok->click();
        QVERIFY(f.result() != QDialog::Accepted);
        f.ui.Opt_RochGolaL->click();
        f.ui.Cmd_Ok->click();
        QCOMPARE(f.result(), int(QDialog::Accepted));
        // secondary 1 itself: not 13, nor primary 1
        QCOMPARE(Posti(Secondari(*d), 14)[1] + Posti(Secondari(*d), 14)[13] + Posti(Primari(*d), 2)[1], std::string("1L1H"));
        // the close box writes nothing
        d->NumAvvScelto = 0;
        Frm_AvvRoch chiuso(*d, false);
        chiuso.ui.Opt_RochGolaI->click();
        chiuso.reject();
        QCOMPARE(Posti(Secondari(*d), 1)[0], std::string("1H"));
    }

    // Bobbin 1 of one groove, bobbin 2 of two: windings in I2 and L2 stay
    // there when the bobbin dialog is left with Esci or a count list is left,
    // and the placement dialog offers bobbin 2's grooves, so its Ok takes them.
    void posizioneSulRocchetto2ConLeSueGole() {
        FinestraDiProva<Frm_Alim> a;
        auto& ui = a.ui();
        ModuleDIC& d = *a.d;
        a.w->Form_Load();
        d.RochDue = 1;
        d.RochGole1 = 0;
        d.RochGole2 = 1;
        Posto(Primari(d), 0, 2, 'I');
        Posto(Secondari(d), 0, 2, 'L');
        a.w->PulsantiRocchetto();
        FakeLanciatoreUi lanciatore;  // the bobbin dialog left with Esci
        a.w->Cmd_Rocchetto_Click();
        QCOMPARE(ui.Cmd_PriRoch[0]->text() + ui.Cmd_SecRoch[0]->text(), QStringLiteral("I2L2"));
        ui.Cmb_SecNumAvv->setCurrentIndex(1);
        a.w->Cmb_SecNumAvv_LostFocus();
        QCOMPARE(ui.Cmd_PriRoch[0]->text() + ui.Cmd_SecRoch[0]->text() + ui.Cmd_SecRoch[1]->text(), QStringLiteral("I2L2H1"));
        d.NumAvvScelto = 0;
        Frm_AvvRoch f(d, true);
        QVERIFY(f.ui.Opt_Roch2->isChecked() && f.ui.Opt_RochGolaI->isChecked() && f.ui.Opt_RochGolaI->isEnabled() &&
                !f.ui.Opt_RochGolaH->isEnabled());
        f.ui.Opt_RochGolaL->click();
        f.ui.Cmd_Ok->click();
        QVERIFY(f.result() == QDialog::Accepted && Posti(Primari(d), 1)[0] == "2L");
    }

    // The window's buttons open the side's dialog for their winding and then
    // show what it left: a voltage tap (green), a load tap (cyan), a placement
    // with its tooltip and the groove sums.
    void finestraDopoCollegamentoEPosizione() {
        FinestraDiProva<Frm_Alim> a;
        auto& ui = a.ui();
        ModuleDIC& d = *a.d;
        a.w->Form_Load();
        for (QComboBox* c : {ui.Cmb_PriNumAvv, ui.Cmb_SecNumAvv}) c->setCurrentIndex(2);
        a.w->Cmb_PriNumAvv_LostFocus();
        a.w->Cmb_SecNumAvv_LostFocus();
        FakeLanciatoreUi lanciatore;
        bool carico = false;
        lanciatore.azione = [&](ModuleDIC& dd) {
            const int i = static_cast<int>(dd.NumAvvScelto);
            Serie(Lato(dd, lanciatore.mostrati.back() == Dialogo::PriAvvColl), i, i + 2, carico);
        };
        const std::tuple<QPushButton*, bool, const char*, QColor> casi[] = {
            {ui.Cmd_PriAvv[0], false, "R2", QColor(0, 255, 0)}, {ui.Cmd_SecAvv[1], true, "C3", QColor(0, 255, 255)}};
        for (const auto& [b, c, caption, colore] : casi) {
            carico = c;
            b->click();
            QVERIFY(b->text() == caption && Frm_Alim::ColoreCollegamento(b) == colore);
        }
        QCOMPARE(lanciatore.mostrati, std::vector<Dialogo>({Dialogo::PriAvvColl, Dialogo::SecAvvColl}));

        // secondary 3 moved to groove L of bobbin 2
        d.RochDue = 1;
        const float primaH1 = d.SommaIngH1;
        lanciatore.azione = [](ModuleDIC& dd) { Posto(Secondari(dd), static_cast<int>(dd.NumAvvScelto), 2, 'L'); };
        ui.Cmd_SecRoch[2]->click();
        QCOMPARE(lanciatore.mostrati.back(), Dialogo::SecRoch);
        QCOMPARE(ui.Cmd_SecRoch[2]->text() + "|" + ui.Cmd_SecRoch[2]->toolTip(), QStringLiteral("L2|Avvolgimento nella Gola L del Rocchetto 2 "));
        QVERIFY(d.SecIng[2] > 0.0f && d.SommaIngL2 == d.SecIng[2]);
        QCOMPARE(d.SommaIngH1, num::Sng(static_cast<double>(primaH1) - d.SecIng[2]));
    }
};

QTEST_MAIN(TestDialoghiAvvolgimento)
#include "test_dialoghi_avvolgimento.moc"
