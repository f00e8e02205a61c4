// The bobbin dialog: load, grooves, bobbin count, computation and choices;
// and the single-phase window's bobbin button.

#include "UiTestSupport.h"
#include "dialogs/Frm_Rocchetto.h"
#include "dialogs/Lanciatore.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

class TestFrmRocchetto : public QObject, ProvaDialogo<Frm_Rocchetto> {
    Q_OBJECT

    Frm_Rocchetto::Controlli& ui() { return f->ui; }

    // A shell lamination C 25, E 30, F 30 with a 40 mm stack; row 0 the
    // demonstration bobbin, row 1 an older bobbin of the user's.
    void Dati() {
        d = std::make_unique<ModuleDIC>();
        d->TipoCalcolo = 1;
        d->LamScelto = 2;
        d->LamC[2] = 25;
        d->LamE[2] = 30;
        d->LamF[2] = 30;
        d->LamSP = 40;
        d->LamMantello = VERO;
        const float r0[] = {26, 41.46f, 28, 27, 13, 13, 756.4f, 364, 364};
        const float r1[] = {30, 41, 20, 24, 11.5f, 11.5f, 480, 230, 230};
        RochArr* righe[] = {&d->RochC, &d->RochSp, &d->RochM, &d->RochH, &d->RochI,
                            &d->RochL, &d->RochGolaH, &d->RochGolaI, &d->RochGolaL};
        for (size_t k = 0; k < std::size(righe); ++k) {
            (*righe[k])[0] = r0[k];
            (*righe[k])[1] = r1[k];
        }
        d->RochTipo[0] = "Demo Calcolato";
        d->RochTipo[1] = "mio";
    }
    void Apri() { Mostra(); }
    static QString T(const QWidget* w) { return w->property("text").toString(); }

private slots:
    void init() {
        Inizia();
        Dati();
    }
    void cleanup() { Finisci(); }

    void carica() {
        // Row 1 is chosen only when in use (or computed here); "Due Rocchetti"
        // only on a two-leg lamination.
        Apri();
        QCOMPARE(TestiDi(f.get(), "Lbl_RochSp(0) Lbl_RochGolaH(0) Lbl_RochSp(1) Txt_RochI Txt_RochTipo Lbl_RochInfo"),
                 QStringLiteral("41,5|756|41,|11,5|mio|Con il Lamierino Scelto si deve utilizzare\nn° 1 Rocchetto sulla Colonna Centrale"));
        QVERIFY(ui().Opt_RochC[0]->isChecked() && !ui().Opt_RochC[1]->isEnabled());
        QVERIFY(ui().Opt_RochUno->isChecked() && !ui().Opt_Gola1R2->isEnabled());
        for (int tipo : {0, 1, 2}) {
            d->LamMantello = Flag(tipo == 0);
            d->Lam2Colonne = Flag(tipo == 1);
            d->Lam3Colonne = Flag(tipo == 2);
            d->RochScelto = 1;
            Apri();
            QVERIFY(ui().Opt_RochC[1]->isEnabled() && ui().Opt_RochC[1]->isChecked());
            QCOMPARE(ui().Opt_RochDue->isEnabled(), tipo == 1);
        }
    }

    void gole() {
        // Bobbin 1 decides the boxes in use; a click on either bobbin's groove
        // option switches them.
        d->RochGole1 = 1;
        d->RochGole2 = 0;
        Apri();
        QVERIFY(ui().Opt_Gola2R1->isChecked() && ui().Opt_Gola1R2->isChecked());
        auto statoH = [this] {
            return std::vector<bool>{ui().Txt_RochH->isEnabled(), ui().Txt_RochI->isEnabled(),
                                     ui().Txt_RochL->isEnabled(), ui().Lbl_RochH[0]->isEnabled(),
                                     ui().Lbl_RochGolaI[1]->isEnabled()};
        };
        QCOMPARE(statoH(), std::vector<bool>({false, true, true, false, true}));
        QVERIFY(Sfondo(ui().Txt_RochH) == QColor(212, 208, 200) && Sfondo(ui().Txt_RochI) == QColor(255, 255, 255));
        ui().Opt_Gola1R1->click();
        QCOMPARE(statoH(), std::vector<bool>({true, false, false, true, false}));
        QCOMPARE(Sfondo(ui().Txt_RochI), QColor(212, 208, 200));
    }

    void numeroRocchetti() {
        // F 30: two bobbins give M 14 in the row in use, one bobbin 28; the
        // groove spaces follow, and "Esci" keeps what the clicks wrote.
        d->Lam2Colonne = VERO;
        d->LamMantello = FALSO;
        Apri();
        ui().Opt_RochDue->click();
        QCOMPARE(std::vector<float>({d->RochM[0], d->RochGolaH[0], d->RochGolaI[0], d->RochM[1]}),
                 std::vector<float>({14, 27 * 14, 13 * 14, 20}));
        QVERIFY(T(ui().Lbl_RochGolaH[0]) == QStringLiteral("378") && ui().Opt_Gola1R2->isEnabled());
        ui().Opt_RochUno->click();
        QVERIFY(d->RochM[0] == 28.0f && !ui().Opt_Gola2R2->isEnabled());
        ui().Opt_RochDue->click();
        ui().Cmd_Annulla->click();
        QVERIFY(d->RochDue == 1 && d->RochM[0] == 14.0f);
    }

    void okScriveLeScelte() {
        // One bobbin still stores bobbin 2's (disabled) groove choice.
        d->Lam2Colonne = VERO;
        d->LamMantello = FALSO;
        d->RochDue = 1;
        d->RochScelto = 1;
        Apri();
        ui().Opt_Gola2R2->click();
        ui().Opt_Gola2R1->click();
        ui().Opt_RochC[0]->click();
        ui().Opt_RochUno->click();
        ui().Cmd_Ok->click();
        QVERIFY(f->result() == QDialog::Accepted);
        QCOMPARE(std::vector<int>({d->RochScelto, d->RochDue, d->RochGole1, d->RochGole2}),
                 std::vector<int>({0, 0, 1, 1}));
    }

    void calcolaRocchetto() {
        // One groove H 24: row 1 shows I = L = 11,5 and becomes the choice; a
        // refusal afterwards disables the choice and keeps row 1.
        Apri();
        ui().Txt_RochM->setText(QStringLiteral("17"));
        ui().Txt_RochI->setText(QStringLiteral("3"));
        ui().Cmd_CalcRoch->click();
        QVERIFY(msg->boxes.empty() && d->RochM[1] == 17.0f && d->RochPersCalcolato == VERO);
        // GolaI 195,5 under "####"
        QCOMPARE(T(ui().Txt_RochI) + " " + T(ui().Lbl_RochGolaI[1]) + " " + T(ui().Lbl_RochSp[1]), QStringLiteral("11,5 196 41"));
        QVERIFY(ui().Opt_RochC[1]->isEnabled() && ui().Opt_RochC[1]->isChecked());

        msg->Attendi();
        ui().Txt_RochC->setText(QStringLiteral("25"));
        ui().Cmd_CalcRoch->click();
        QCOMPARE(msg->UltimoTitolo(), QStringLiteral("Controllo Misure Rocchetto"));
        QVERIFY(!ui().Opt_RochC[1]->isEnabled() && d->RochC[1] == 30.0f && T(ui().Opt_RochC[1]) == QStringLiteral("30"));
    }

    void sprLasciatoAZeroTieneIlPacco() {
        // The window's own design: a bobbin that fits its lamination, Spr left
        // as it opens ("0") and Yes to resizing the stack: the stack stays,
        // the second message says why, and the window shows its stack as
        // before; its next pass finds Spr off the stack, as after a No, and
        // computes a demonstration bobbin.
        d = std::make_unique<ModuleDIC>();
        Frm_Alim w(*d);
        w.Form_Load();
        const float sp = d->LamSP;
        const QString mostrato = w.ui.Lbl_SP->text();
        QVERIFY(sp > 1);
        FakeLanciatoreUi lanciatore;
        lanciatore.azione = [&](ModuleDIC& dd) {
            Mostra();
            const int l = dd.LamScelto;
            const auto scrivi = [](QLineEdit* box, float v) { box->setText(Qs(num::SngToText(v))); };
            scrivi(ui().Txt_RochC, dd.LamC[l] + 1);
            scrivi(ui().Txt_RochM, dd.LamF[l] - 2);
            scrivi(ui().Txt_RochH, dd.LamE[l] - 3);
            ui().Txt_RochTipo->setText(QStringLiteral("R"));
            QCOMPARE(ui().Txt_RochSp->text(), QStringLiteral("0"));
            msg->Attendi(mb::Yes);
            msg->Attendi();
            msg->Attendi();
            msg->Attendi();
            QTest::mouseClick(ui().Cmd_CalcRoch, Qt::LeftButton);
            QTest::mouseClick(ui().Cmd_Ok, Qt::LeftButton);
        };
        w.Cmd_Rocchetto_Click();
        const QStringList mostrati = msg->Mostrati();
        QCOMPARE(mostrati.size(), 4);
        QVERIFY2(mostrati[1].startsWith(QStringLiteral("La Misura di Spr del Rocchetto è diversa")) &&
                     mostrati[1].endsWith(QStringLiteral("Spr del Rocchetto  0  (mm)")),
                 qPrintable(mostrati[1]));
        QVERIFY(mostrati[3].contains(QStringLiteral("Rocchetto Dimostrativo")));
        QVERIFY(d->LamSP == sp && d->RochSp[1] == 0.0f);
        QCOMPARE(w.ui.Lbl_SP->text(), mostrato);
    }

    void finestraDopoIlDialogo() {
        // The user's bobbin brings the lamination-given mode; one computed in
        // the dialog a whole pass (the turns again), else the winding
        // recalculation; the windings leave grooves that are gone either way.
        for (auto [scelto, calcolato] : {std::pair{0, false}, {1, false}, {1, true}}) {
            d = std::make_unique<ModuleDIC>();
            Frm_Alim w(*d);
            w.Form_Load();
            d->FEMI = 12345;
            d->SecGolaI[0] = VERO;
            d->SecGolaH[0] = FALSO;
            FakeLanciatoreUi lanciatore;
            lanciatore.azione = [&](ModuleDIC& dd) {
                const int l = dd.LamScelto;  // a bobbin that fits the window's lamination
                dd.RochC[1] = dd.LamC[l] + 1;
                dd.RochSp[1] = dd.LamSP + 1;
                dd.RochM[1] = dd.LamF[l] - 2;
                dd.RochH[1] = dd.LamE[l] - 3;
                dd.RochGolaH[1] = dd.RochH[1] * dd.RochM[1];
                dd.RochScelto = static_cast<int16_t>(scelto);
                dd.RochPersCalcolato = Flag(calcolato);
            };
            w.Cmd_Rocchetto_Click();
            QCOMPARE(lanciatore.mostrati, std::vector<Dialogo>({Dialogo::Rocchetto}));
            QVERIFY(w.ui.Opt_Lam->isChecked() == (scelto == 1) && w.ui.Cmb_CoefK->isEnabled() == (scelto == 0));
            QVERIFY(d->RochPersCalcolato == FALSO && (d->FEMI != 12345.0f) == calcolato && d->SecGolaH[0] == VERO);
        }
    }
};

QTEST_MAIN(TestFrmRocchetto)
#include "test_frm_rocchetto.moc"
