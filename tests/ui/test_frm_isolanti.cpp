// The insulation dialog: its fields, load, confirmation and cancel; and the
// single-phase window's insulation button.
#include <memory>

#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

#include "ControlliProgetto.h"
#include "dialogs/Frm_Isolanti.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

class TestFrmIsolanti : public QObject, ProvaDialogo<Frm_Isolanti> {
    Q_OBJECT

    CampoNumerico* Txt(int k) { return f->ui.Txt[static_cast<size_t>(k)]; }

    // The default insulation of a design window's load.
    void Apri() {
        f.reset();
        d = std::make_unique<ModuleDIC>();
        d->RochIngKi = 10;
        d->RochIsoAvvH = d->RochIsoAvvI = d->RochIsoAvvL = 0.3f;
        d->RochIsoStrH = d->RochIsoStrI = d->RochIsoStrL = 0.2f;
        Mostra();
    }
    std::array<float, Frm_Isolanti::NUM_CAMPI> Valori() const {
        return {d->RochIngKi,   d->RochIsoAvvH, d->RochIsoAvvI, d->RochIsoAvvL,
                d->RochIsoStrH, d->RochIsoStrI, d->RochIsoStrL};
    }

private slots:
    void init() { Inizia(); }
    void cleanup() { Finisci(); }

    void carica() {
        Apri();
        QCOMPARE(f->windowTitle(), QStringLiteral("Isolamento fra i vari strati degli Avvolgimenti"));
        const QStringList testi{"10", "0,3", "0,3", "0,3", "0,2", "0,2", "0,2"};
        const QStringList nomi{"Txt_IngKi",   "Txt_IsoAvvH", "Txt_IsoAvvI", "Txt_IsoAvvL",
                               "Txt_IsoStrH", "Txt_IsoStrI", "Txt_IsoStrL"};
        for (int k = 0; k < Frm_Isolanti::NUM_CAMPI; ++k) {
            QCOMPARE(Txt(k)->objectName(), nomi[k]);
            QCOMPARE(Txt(k)->text(), testi[k]);
        }
        QCOMPARE(Txt(Frm_Isolanti::STR_I)->toolTip(), QStringLiteral("Spessore Isolante"));
        QCOMPARE(Figlio<QGroupBox>(f.get(), "Frame2")->title(), QStringLiteral("Spessore Isolante fra Strato e Strato"));
    }

    void campi_data() {
        QTest::addColumn<int>("campo");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("messaggio");  // empty: no box
        QTest::addColumn<QString>("resta");
        QTest::addColumn<int>("beep");
        const QString ki = QStringLiteral("Il Valore del Coefficiente 'Ki' Fuori Limiti");
        const QString h = QStringLiteral("Lo Spessore Gola 'H' Fuori Limiti");
        QTest::newRow("Ki 0,1") << int(Frm_Isolanti::KI) << "0,1" << "" << "0,1" << 0;
        QTest::newRow("Ki 0,09") << int(Frm_Isolanti::KI) << "0,09" << ki << "" << 0;
        QTest::newRow("Ki 999") << int(Frm_Isolanti::KI) << "999" << "" << "999" << 0;
        QTest::newRow("Ki 1000") << int(Frm_Isolanti::KI) << "1000" << ki << "" << 0;
        QTest::newRow("Avv H 0,01") << int(Frm_Isolanti::AVV_H) << "0,01" << "" << "0,01" << 0;
        QTest::newRow("Avv H 0") << int(Frm_Isolanti::AVV_H) << "0" << h << "" << 0;
        QTest::newRow("Str H 1000") << int(Frm_Isolanti::STR_H) << "1000" << h << "" << 0;
        QTest::newRow("Str L 0") << int(Frm_Isolanti::STR_L)
                                 << "0" << QStringLiteral("Lo Spessore Gola 'L' Fuori Limiti") << "" << 0;
        QTest::newRow("Str I fifth character") << int(Frm_Isolanti::STR_I) << "0,015" << "" << "0,01" << 1;
        QTest::newRow("Str I lone comma") << int(Frm_Isolanti::STR_I)
                                          << "," << QStringLiteral("Lo Spessore Gola 'I' Fuori Limiti") << "" << 0;
        QTest::newRow("Avv L empty") << int(Frm_Isolanti::AVV_L) << "" << "" << "" << 1;
    }
    void campi() {
        QFETCH(int, campo);
        QFETCH(QString, testo);
        QFETCH(QString, messaggio);
        QFETCH(QString, resta);
        QFETCH(int, beep);
        Apri();
        if (!messaggio.isEmpty()) msg->Attendi();
        CampoNumerico* c = Txt(campo);
        c->setFocus();
        c->clear();
        QTest::keyClicks(c, testo);
        QTest::keyClick(c, Qt::Key_Return);
        QCOMPARE(msg->Ultimo(), messaggio);
        if (!messaggio.isEmpty()) QCOMPARE(msg->UltimoTitolo(), QStringLiteral("Verifica Spessori Isolanti"));
        QCOMPARE(c->text(), resta);
        QCOMPARE(c->Giallo(), resta.isEmpty());
        QCOMPARE(Piattaforma::BeepContati(), beep);
        // The value waits for "Ok".
        QCOMPARE(d->RochIsoStrI, 0.2f);
    }

    void conferma() {
        // Two empty fields: only the first one's message; nothing written.
        Apri();
        Txt(Frm_Isolanti::KI)->clear();
        Txt(Frm_Isolanti::AVV_H)->clear();
        msg->Attendi();
        f->ui.Cmd_Ok->click();
        QCOMPARE(msg->boxes.size(), size_t(1));
        QCOMPARE(msg->Ultimo(), QStringLiteral("Manca il Coefficiente di Ingombro Ki"));
        QCOMPARE(msg->UltimoTitolo(), QStringLiteral("Errore Spessore Isolanti"));
        QVERIFY(Txt(Frm_Isolanti::KI)->Giallo() && f->isVisible());
        QCOMPARE(d->RochIngKi, 10.0f);

        // Leaving an emptied field for "Ok" beeps first, then "Ok" names it.
        Apri();
        CampoNumerico* l = Txt(Frm_Isolanti::AVV_L);
        l->setFocus();
        l->clear();
        msg->Attendi();
        QTest::mouseClick(f->ui.Cmd_Ok, Qt::LeftButton);
        QCOMPARE(Piattaforma::BeepContati(), 1);
        QCOMPARE(msg->Ultimo(), QStringLiteral("Manca lo Spessore Isolante Avv-Avv in Gola L"));

        // Every field filled: all seven written.
        Apri();
        const QStringList testi{"12", "0,5", "0,6", "0,7", "0,1", "0,15", "0,25"};
        for (int k = 0; k < Frm_Isolanti::NUM_CAMPI; ++k) Txt(k)->setText(testi[k]);
        f->ui.Cmd_Ok->click();
        QCOMPARE(f->result(), int(QDialog::Accepted));
        QCOMPARE(Valori(), (std::array<float, 7>{12, 0.5f, 0.6f, 0.7f, 0.1f, 0.15f, 0.25f}));
    }

    void esci() {
        Apri();
        for (int k = 0; k < Frm_Isolanti::NUM_CAMPI; ++k) Txt(k)->setText(QStringLiteral("5"));
        f->ui.Cmd_Esci->click();
        QCOMPARE(f->result(), int(QDialog::Rejected));
        QCOMPARE(Valori(), (std::array<float, 7>{10, 0.3f, 0.3f, 0.3f, 0.2f, 0.2f, 0.2f}));
    }

    void pulsanteDellaFinestra() {
        // However the dialog closed, the builds follow the insulation it left,
        // and the wires stay as they are.
        FinestraDiProva<Frm_Alim> a;
        a.w->Form_Load();
        ModuleDIC& dd = *a.d;
        const float iso = dd.PriIso[0];
        dd.SecFiloRiga[0] = 3;
        FakeLanciatoreUi lanciatore;
        lanciatore.azione = [](ModuleDIC& x) { x.RochIsoAvvH = 1.3f; };
        a.ui().Cmd_Isolanti->click();
        QCOMPARE(lanciatore.mostrati, std::vector<Dialogo>({Dialogo::Isolanti}));
        QCOMPARE(a.ui().Lbl_RochIsoAvvH->text(), QStringLiteral("1,3"));
        QCOMPARE(dd.SecFiloRiga[0], 3.0f);
        // One mm more between windings in groove H, over its height.
        QVERIFY(dd.RochH[0] > 0);
        QVERIFY(qAbs(dd.PriIso[0] - iso - dd.RochH[0]) < 1e-3);
    }
};

QTEST_MAIN(TestFrmIsolanti)
#include "test_frm_isolanti.moc"
