// The insulation dialog: its fields, load, confirmation and cancel; and the
// single-phase window's insulation button.

#include "ControlliProgetto.h"
#include "dialogs/Frm_Isolanti.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

using F = Frm_Isolanti;

class TestFrmIsolanti : public QObject, ProvaDialogo<F> {
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
    std::array<float, F::NUM_CAMPI> Valori() const {
        return {d->RochIngKi, d->RochIsoAvvH, d->RochIsoAvvI, d->RochIsoAvvL, d->RochIsoStrH, d->RochIsoStrI, d->RochIsoStrL};
    }

private slots:
    void init() { Inizia(); }
    void cleanup() { Finisci(); }

    void campi() {
        // Each value typed into a full dialog and taken with Enter: "" no box;
        // a refused value is emptied and the field yellow.
        const QString ki = QStringLiteral("Il Valore del Coefficiente 'Ki' Fuori Limiti");
        const QString h = QStringLiteral("Lo Spessore Gola 'H' Fuori Limiti");
        // "0,015": no fifth character
        const struct { int campo; QString testo, messaggio, resta; int beep; } casi[] = {
            {F::KI, "0,1", "", "0,1", 0}, {F::KI, "0,09", ki, "", 0}, {F::KI, "1000", ki, "", 0}, {F::AVV_H, "0,01", "", "0,01", 0},
            {F::STR_H, "0", h, "", 0}, {F::STR_L, "999", "", "999", 0}, {F::STR_I, "0,015", "", "0,01", 1},
            {F::STR_I, ",", "Lo Spessore Gola 'I' Fuori Limiti", "", 0}, {F::AVV_L, "", "", "", 1}};
        Apri();
        for (const auto& c : casi) {
            Txt(c.campo)->setFocus();  // leaving an emptied field beeps
            msg->Azzera();
            Piattaforma::AzzeraBeep();
            if (!c.messaggio.isEmpty()) msg->Attendi();
            Txt(c.campo)->clear();
            QTest::keyClicks(Txt(c.campo), c.testo);
            QTest::keyClick(Txt(c.campo), Qt::Key_Return);
            QCOMPARE(msg->Ultimo(), c.messaggio);
            if (!c.messaggio.isEmpty()) QCOMPARE(msg->UltimoTitolo(), QStringLiteral("Verifica Spessori Isolanti"));
            QVERIFY2(Txt(c.campo)->text() == c.resta && Txt(c.campo)->Giallo() == c.resta.isEmpty(), qPrintable(c.testo));
            QCOMPARE(Piattaforma::BeepContati(), c.beep);
        }
    }

    void confermaEsci() {
        // Two empty fields: only the first one's message; nothing written.
        Apri();
        QCOMPARE(TestiDi(f.get(), "Txt_IngKi Txt_IsoAvvH Txt_IsoAvvI Txt_IsoAvvL Txt_IsoStrH Txt_IsoStrI Txt_IsoStrL"),
                 QStringLiteral("10|0,3|0,3|0,3|0,2|0,2|0,2"));
        Txt(F::KI)->clear();
        Txt(F::AVV_H)->clear();
        msg->Attendi();
        f->ui.Cmd_Ok->click();
        QCOMPARE(msg->Ultimo() + "|" + msg->UltimoTitolo(), QStringLiteral("Manca il Coefficiente di Ingombro Ki|Errore Spessore Isolanti"));
        QVERIFY(Txt(F::KI)->Giallo() && f->isVisible());
        f->ui.Cmd_Esci->click();
        QCOMPARE(Valori(), (std::array<float, 7>{10, 0.3f, 0.3f, 0.3f, 0.2f, 0.2f, 0.2f}));

        // Leaving an emptied field for "Ok" beeps first, then "Ok" names it.
        Apri();
        Txt(F::AVV_L)->setFocus();
        Txt(F::AVV_L)->clear();
        msg->Attendi();
        QTest::mouseClick(f->ui.Cmd_Ok, Qt::LeftButton);
        QVERIFY(Piattaforma::BeepContati() == 1 && msg->Ultimo() == QStringLiteral("Manca lo Spessore Isolante Avv-Avv in Gola L"));

        // Every field filled: all seven written.
        Apri();
        const QStringList nuovi{"12", "0,5", "0,6", "0,7", "0,1", "0,15", "0,25"};
        for (int k = 0; k < F::NUM_CAMPI; ++k) Txt(k)->setText(nuovi[k]);
        f->ui.Cmd_Ok->click();
        QCOMPARE(Valori(), (std::array<float, 7>{12, 0.5f, 0.6f, 0.7f, 0.1f, 0.15f, 0.25f}));
    }

    void pulsanteDellaFinestra() {
        // However the dialog closed, the builds follow the insulation it left:
        // 1 mm more between windings adds the groove's height to each winding's
        // insulation; the wires stay as they are.
        FinestraDiProva<Frm_Alim> a;
        a.w->Form_Load();
        ModuleDIC& dd = *a.d;
        const float iso = dd.PriIso[0];
        dd.SecFiloRiga[0] = 3;
        FakeLanciatoreUi lanciatore;
        lanciatore.azione = [](ModuleDIC& x) { x.RochIsoAvvH = 1.3f; };
        a.ui().Cmd_Isolanti->click();
        QVERIFY(a.ui().Lbl_RochIsoAvvH->text() == QStringLiteral("1,3") && dd.SecFiloRiga[0] == 3.0f);
        QVERIFY(dd.RochH[0] > 0 && qAbs(dd.PriIso[0] - iso - dd.RochH[0]) < 1e-3);
    }
};

QTEST_MAIN(TestFrmIsolanti)
#include "test_frm_isolanti.moc"
