// The winding dialogs: connection (isolated, or in series with a later
// winding as a voltage or load tap) and placement (bobbin and groove), each
// for both sides; and the single-phase window's steps after them.
#include <memory>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "ControlliProgetto.h"
#include "Progetti.h"
#include "dialogs/Frm_AvvColl.h"
#include "dialogs/Frm_AvvRoch.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

namespace {

// The default design with windings 0..n-1 of each side in use (all isolated, on H1).
std::unique_ptr<ModuleDIC> Progetto(int n) {
    auto d = NuovoProgetto();
    d->PriUlt = d->SecUlt = static_cast<float>(n - 1);
    return d;
}

// Confirms the connection of winding k with partner p (0: isolated).
bool Collega(ModuleDIC& d, bool pri, int k, int p, bool carico = false) {
    d.NumAvvScelto = static_cast<float>(k);
    Frm_AvvColl f(d, pri);
    (p ? f.ui.Opt_AvvSer : f.ui.Opt_AvvIso)->click();
    if (carico) f.ui.Opt_AvvCar->click();
    if (p) f.ui.Cmb_AvvSer->setCurrentIndex(p - 1);
    f.ui.Cmd_Ok->click();
    return f.result() == QDialog::Accepted;
}

const QColor kVerde(0, 255, 0);
const QColor kCiano(0, 255, 255);

}  // namespace

class TestDialoghiAvvolgimento : public QObject {
    Q_OBJECT

    FakeMessaggiUi msg;  // no dialog here may show a box

private slots:
    void collegamentoNomiECaricamento() {
        auto d = Progetto(4);
        d->NumAvvScelto = 2;
        {
            Frm_AvvColl f(*d, false);
            QCOMPARE(f.objectName(), QStringLiteral("Frm_SecAvvColl"));
            QCOMPARE(f.windowTitle(), QString());
            QCOMPARE(f.ui.Frm_Coll1->objectName(), QStringLiteral("Frm_SecColl1"));
            QCOMPARE(f.ui.Frm_Coll1->title(), QStringLiteral("Scelta Collegamento Avv. 3"));
            QCOMPARE(f.ui.Opt_AvvCar->objectName(), QStringLiteral("Opt_SecAvvCar"));
            QCOMPARE(f.ui.Opt_AvvAda->toolTip(), QStringLiteral("Avvolgimento Adattamento Tensione di Uscita"));
            QCOMPARE(f.ui.Cmb_AvvSer->count(), 12);
            // isolated: the list at "1", the series controls off
            QCOMPARE(f.ui.Cmb_AvvSer->currentText(), QStringLiteral("1"));
            QVERIFY(f.ui.Opt_AvvIso->isChecked());
            for (QWidget* w : {static_cast<QWidget*>(f.ui.Frm_Coll2), static_cast<QWidget*>(f.ui.Opt_AvvCar),
                               static_cast<QWidget*>(f.ui.Label1), static_cast<QWidget*>(f.ui.Cmb_AvvSer)})
                QVERIFY(!w->isEnabled());
            f.ui.Opt_AvvSer->click();
            QVERIFY(f.ui.Cmb_AvvSer->isEnabled() && f.ui.Opt_AvvCar->isEnabled());
        }
        // a load tap shows its stored partner
        d->NumAvvScelto = 1;
        Serie(Secondari(*d), 1, 4, true);
        Frm_AvvColl f(*d, false);
        QVERIFY(f.ui.Opt_AvvSer->isChecked() && f.ui.Opt_AvvCar->isChecked());
        QCOMPARE(f.ui.Cmb_AvvSer->currentText(), QStringLiteral("4"));
        QVERIFY(f.ui.Cmb_AvvSer->isEnabled());
        // the primary has no load tap
        Frm_AvvColl p(*d, true);
        QCOMPARE(p.objectName(), QStringLiteral("Frm_PriAvvColl"));
        QVERIFY(p.ui.Opt_AvvCar == nullptr);
        QCOMPARE(p.ui.Opt_AvvAda->toolTip(), QStringLiteral("Avvolgimento Adattamento Tensione di Ingresso"));
    }

    void collegamentoPartnerAccettatiERifiutati_data() {
        QTest::addColumn<int>("n");        // windings in use
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("altro");    // another winding already in series with p (-1: none)
        QTest::addColumn<bool>("accettato");
        QTest::newRow("later winding") << 2 << 0 << 2 << -1 << true;
        QTest::newRow("itself") << 2 << 0 << 1 << -1 << false;
        QTest::newRow("past the count") << 2 << 0 << 3 << -1 << false;
        QTest::newRow("last winding, any partner") << 2 << 1 << 2 << -1 << false;
        QTest::newRow("last winding, past") << 2 << 1 << 3 << -1 << false;
        QTest::newRow("an earlier one") << 4 << 2 << 2 << -1 << false;
        QTest::newRow("partner taken") << 4 << 1 << 4 << 0 << false;
        QTest::newRow("partner free") << 4 << 1 << 3 << 0 << true;
    }
    void collegamentoPartnerAccettatiERifiutati() {
        QFETCH(int, n);
        QFETCH(int, k);
        QFETCH(int, p);
        QFETCH(int, altro);
        QFETCH(bool, accettato);
        for (bool pri : {true, false}) {
            auto d = Progetto(n);
            if (altro >= 0) QVERIFY(Collega(*d, pri, altro, 4));
            const ModuleDIC prima = *d;
            d->NumAvvScelto = static_cast<float>(k);
            Frm_AvvColl f(*d, pri);
            f.ui.Opt_AvvSer->click();
            f.ui.Cmb_AvvSer->setCurrentIndex(p - 1);
            f.ui.Cmd_Ok->click();
            QCOMPARE(f.result() == QDialog::Accepted, accettato);
            QCOMPARE(EGiallo(f.ui.Cmb_AvvSer), !accettato);
            QCOMPARE(f.ui.Cmb_AvvSer->currentText(), QString::number(p));
            const Lato l(*d, pri);
            const Lato l0(const_cast<ModuleDIC&>(prima), pri);
            if (accettato) {
                QCOMPARE(l.AvvIso[k], FALSO);
                QCOMPARE(l.AvvSer[k], VERO);
                QCOMPARE(l.AvvAda[k], VERO);
                QCOMPARE(l.AvvSerCon[k], int16_t(p));
            } else {
                // nothing written: closing now leaves the winding as it was
                QCOMPARE(l.AvvIso[k], l0.AvvIso[k]);
                QCOMPARE(l.AvvSer[k], l0.AvvSer[k]);
                QCOMPARE(l.AvvSerCon[k], l0.AvvSerCon[k]);
                f.reject();
                QCOMPARE(l.AvvSerCon[k], l0.AvvSerCon[k]);
            }
        }
        QVERIFY(msg.boxes.empty());
    }

    void collegamentoIsolatoECarico() {
        auto d = Progetto(3);
        // a refusal, then the isolated option: accepted, partner back to 1
        QVERIFY(Collega(*d, false, 0, 3));
        d->NumAvvScelto = 0;
        Frm_AvvColl f(*d, false);
        QCOMPARE(f.ui.Cmb_AvvSer->currentText(), QStringLiteral("3"));
        f.ui.Cmb_AvvSer->setCurrentIndex(0);
        f.ui.Cmd_Ok->click();
        QVERIFY(f.result() != QDialog::Accepted);
        f.ui.Opt_AvvIso->click();
        QVERIFY(!f.ui.Cmb_AvvSer->isEnabled());
        f.ui.Cmd_Ok->click();
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QCOMPARE(d->SecAvvIso[0], VERO);
        QCOMPARE(d->SecAvvSer[0], FALSO);
        QCOMPARE(d->SecAvvSerCon[0], int16_t(1));
        // a load tap: the voltage-tap flag off
        QVERIFY(Collega(*d, false, 0, 2, true));
        QCOMPARE(d->SecAvvCar[0], VERO);
        QCOMPARE(d->SecAvvAda[0], FALSO);
        QCOMPARE(d->SecAvvSerCon[0], int16_t(2));
        QVERIFY(Collega(*d, false, 0, 0));
        QCOMPARE(d->SecAvvCar[0], FALSO);
    }

    // ---- placement
    void posizioneNomi() {
        auto d = Progetto(1);
        Frm_AvvRoch f(*d, false);
        QCOMPARE(f.objectName(), QStringLiteral("Frm_SecRoch"));
        const struct {
            QWidget* w;
            const char* nome;
            const char* testo;
        } casi[] = {{f.ui.Opt_Roch1, "Opt_SecRoch1", "Avvolgimento nel Rocchetto 1"},
                    {f.ui.Opt_Roch2, "Opt_SecRoch2", "Avvolgimento nel Rocchetto 2"},
                    {f.ui.Opt_RochGolaH, "Opt_SecRochGolaH", "Avvolgimento nella Gola H"},
                    {f.ui.Opt_RochGolaI, "Opt_SecRochGolaI", "Avvolgimento nella Gola I"},
                    {f.ui.Opt_RochGolaL, "Opt_SecRochGolaL", "Avvolgimento nella Gola L"},
                    {f.ui.Cmd_Ok, "Cmd_Ok", "Ok"}};
        for (const auto& c : casi) {
            QCOMPARE(c.w->objectName(), QString(c.nome));
            QCOMPARE(static_cast<QAbstractButton*>(c.w)->text(), QString(c.testo));
        }
        QCOMPARE(f.ui.Frm_Roch1->objectName(), QStringLiteral("Frm_SecRoch1"));
        QCOMPARE(f.ui.Frm_Roch2->title(), QStringLiteral("Scelta Gola"));
    }

    void posizioneGoleOfferte_data() {
        QTest::addColumn<int>("due");     // RochDue
        QTest::addColumn<int>("gole1");   // RochGole1
        QTest::addColumn<int>("gole2");
        QTest::addColumn<int>("scelta");  // bobbin clicked (0: none)
        QTest::addColumn<QString>("abilitate");  // enabled of 1, 2, H, I, L
        QTest::newRow("one bobbin, one groove") << 0 << 0 << 0 << 0 << "10100";
        QTest::newRow("one bobbin, two grooves") << 0 << 1 << 0 << 0 << "10011";
        QTest::newRow("two bobbins, bobbin 2 two grooves") << 1 << 0 << 1 << 2 << "11011";
        QTest::newRow("two bobbins, bobbin 2 one groove") << 1 << 1 << 0 << 2 << "11100";
        QTest::newRow("back to bobbin 1") << 1 << 1 << 0 << 1 << "11011";
    }
    void posizioneGoleOfferte() {
        QFETCH(int, due);
        QFETCH(int, gole1);
        QFETCH(int, gole2);
        QFETCH(int, scelta);
        QFETCH(QString, abilitate);
        auto d = Progetto(1);
        d->RochDue = static_cast<int16_t>(due);
        d->RochGole1 = static_cast<int16_t>(gole1);
        d->RochGole2 = static_cast<int16_t>(gole2);
        Frm_AvvRoch f(*d, true);
        if (scelta) (scelta == 1 ? f.ui.Opt_Roch1 : f.ui.Opt_Roch2)->click();
        QRadioButton* opz[] = {f.ui.Opt_Roch1, f.ui.Opt_Roch2, f.ui.Opt_RochGolaH, f.ui.Opt_RochGolaI,
                               f.ui.Opt_RochGolaL};
        QString s;
        for (QRadioButton* o : opz) s += o->isEnabled() ? '1' : '0';
        QCOMPARE(s, abilitate);
    }

    void posizioneOkBloccatoDaUnaSceltaSpenta() {
        // Secondary 1 still on bobbin 2, groove H, with one bobbin of two grooves.
        auto d = Progetto(2);
        d->RochDue = 0;
        d->RochGole1 = 1;
        d->RochGole2 = 0;
        Posto(Secondari(*d), 1, 2, 'H');
        d->NumAvvScelto = 1;
        Frm_AvvRoch f(*d, false);
        QVERIFY(f.ui.Opt_Roch2->isChecked() && !f.ui.Opt_Roch2->isEnabled());
        QVERIFY(f.ui.Opt_RochGolaH->isChecked());
        f.ui.Cmd_Ok->click();
        QVERIFY(f.result() != QDialog::Accepted);
        f.ui.Opt_Roch1->click();  // bobbin 1: grooves I and L, H now blocked
        QVERIFY(!f.ui.Opt_RochGolaH->isEnabled());
        f.ui.Cmd_Ok->click();
        QVERIFY(f.result() != QDialog::Accepted);
        f.ui.Opt_RochGolaL->click();
        f.ui.Cmd_Ok->click();
        QCOMPARE(f.result(), int(QDialog::Accepted));
        // secondary 1 itself, not 13, nor the primary
        QCOMPARE(d->SecRoch1[1], VERO);
        QCOMPARE(d->SecRoch2[1], FALSO);
        QCOMPARE(d->SecGolaH[1], FALSO);
        QCOMPARE(d->SecGolaL[1], VERO);
        QCOMPARE(d->PriGolaL[1], FALSO);
        QCOMPARE(d->SecGolaL[13], FALSO);
    }

    void posizioneChiusaNonScrive() {
        auto d = Progetto(1);
        d->RochGole1 = 1;
        Frm_AvvRoch f(*d, true);
        f.ui.Opt_Roch1->click();
        f.ui.Opt_RochGolaI->click();
        f.reject();
        QCOMPARE(d->PriGolaH[0], VERO);
        QCOMPARE(d->PriGolaI[0], FALSO);
    }

    // ---- the single-phase window after the dialogs
    void finestraDopoCollegamentoEPosizione() {
        FinestraDiProva<Frm_Alim> a;
        auto& ui = a.ui();
        ModuleDIC& d = *a.d;
        a.w->Form_Load();
        ui.Cmb_SecNumAvv->setCurrentIndex(2);
        a.w->Cmb_SecNumAvv_LostFocus();
        const char* volt[] = {"150", "12", "6"};
        for (int i = 0; i < 3; ++i) ui.Txt_SecVolt[i]->setText(volt[i]);
        ui.Txt_SecPot[2]->setText("36");
        a.w->CalcolaTrasfo();
        QCOMPARE(d.SecPot[2], 36.0f);

        FakeLanciatoreUi lanciatore;
        int partner = 3;
        bool carico = false;
        lanciatore.azione = [&](ModuleDIC& dd) {
            Lato l(dd, lanciatore.mostrati.back() == Dialogo::PriAvvColl);
            const int i = static_cast<int>(dd.NumAvvScelto);
            if (l.AvvCar) (*l.AvvCar)[i] = FALSO;
            l.AvvAda[i] = FALSO;
            Serie(l, i, partner, carico);
        };
        ui.Cmd_SecAvv[1]->click();
        QCOMPARE(lanciatore.mostrati.back(), Dialogo::SecAvvColl);
        QCOMPARE(ui.Txt_SecPot[1]->text(), QStringLiteral("36,0"));
        QCOMPARE(ui.Txt_SecAmp[1]->text(), QStringLiteral("3,0"));
        QCOMPARE(ui.Cmd_SecAvv[1]->text(), QStringLiteral("R3"));
        QCOMPARE(Frm_Alim::ColoreCollegamento(ui.Cmd_SecAvv[1]), kVerde);
        QCOMPARE(d.SecPot[1], 36.0f);  // the calculation read the tap's new power

        carico = true;
        ui.Cmd_SecAvv[1]->click();
        QCOMPARE(ui.Cmd_SecAvv[1]->text(), QStringLiteral("C3"));
        QCOMPARE(Frm_Alim::ColoreCollegamento(ui.Cmd_SecAvv[1]), kCiano);

        ui.Cmb_PriNumAvv->setCurrentIndex(1);
        a.w->Cmb_PriNumAvv_LostFocus();
        ui.Txt_PriVolt[1]->setText("110");
        carico = false, partner = 2;
        a.w->Cmd_PriAvv_Click(0);
        QCOMPARE(ui.Cmd_PriAvv[0]->text(), QStringLiteral("R2"));

        // secondary 2 moved to groove L of bobbin 2: its button and the groove sums follow
        d.RochDue = 1;
        const float primaH1 = d.SommaIngH1;
        QCOMPARE(d.SommaIngL2, 0.0f);
        lanciatore.azione = [](ModuleDIC& dd) { Posto(Secondari(dd), static_cast<int>(dd.NumAvvScelto), 2, 'L'); };
        ui.Cmd_SecRoch[2]->click();
        QCOMPARE(lanciatore.mostrati.back(), Dialogo::SecRoch);
        QCOMPARE(ui.Cmd_SecRoch[2]->text(), QStringLiteral("L2"));
        QCOMPARE(ui.Cmd_SecRoch[2]->toolTip(), QStringLiteral("Avvolgimento nella Gola L del Rocchetto 2 "));
        QVERIFY(d.SecIng[2] > 0.0f);
        QCOMPARE(d.SommaIngL2, d.SecIng[2]);
        QCOMPARE(d.SommaIngH1, num::Sng(static_cast<double>(primaH1) - d.SecIng[2]));
    }
};

QTEST_MAIN(TestDialoghiAvvolgimento)
#include "test_dialoghi_avvolgimento.moc"
