// The lamination dialog: its fields, load, library, out-of-format lamination,
// confirmation and print; and the single-phase window's lamination button.

#include "UiTestSupport.h"
#include "dialogs/Frm_Lamierino.h"
#include "dialogs/Frm_Rocchetto.h"
#include "engine/ModRoutine.h"
#include "files/CalcoloLibrerie.h"
#include "files/LibLam.h"
#include "files/RecordFile.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"
#include "windows/trifase/Frm_Trifase.h"

class TestFrmLamierino : public QObject, ProvaDialogo<Frm_Lamierino> {
    Q_OBJECT

    Frm_Lamierino::Controlli& ui() { return f->ui; }
    CampoNumerico* Txt(int k) { return ui().Txt[static_cast<size_t>(k)]; }

    // The default shell library with row 2 of known figures and row 5 empty,
    // shown with `scelto` as the chosen row.
    void Apri(int16_t scelto = 2) {
        f.reset();
        d = std::make_unique<ModuleDIC>();
        d->TipoCalcolo = 1;
        d->FileLibreria = U8(LibreriaDefault("LamMantelloStandard.lam"));
        QVERIFY(ApriLibreriaLamierini(*d, *msg));
        IndividuaTipoLamierino(*d, *msg);
        d->LamAxB[2] = 45;
        d->LamC[2] = 25;
        d->LamE[2] = 37.5f;
        d->LamF[2] = 12.5f;
        d->LamPeso[2] = 0.6f;
        d->LamNome[2] = "150";
        d->LamAxB[5] = 0;
        d->LamA[18] = 80;
        d->LamPeso[18] = 0.25f;
        d->LamNome[18] = "0";
        d->LamScelto = scelto;
        d->LamSP = 35;
        d->Induzione = 1.2f;
        d->LamCdP = 1.5f;
        Mostra<ICoefKLista*>(nullptr);
    }
    QList<int> Visibili() {
        QList<int> v;
        for (int t = 1; t <= 6; ++t)
            if (!ui().Image[static_cast<size_t>(t)]->isHidden()) v << t;
        return v;
    }

private slots:
    void init() { Inizia(); }
    void cleanup() { Finisci(); }

    void campi() {
        const QString a = QStringLiteral("La Misura di 'A' Fuori Limiti");
        // messaggio "": no box
        // "1234,5": five characters
        const struct { int campo; const char* testo; QString messaggio; const char* resta; bool giallo; int beep; } casi[] = {
            {LF_A, "5", "", "5", false, 0}, {LF_A, "9999", "", "9999", false, 0}, {LF_A, "4,9", a, "", true, 0},
            {LF_A, "", "", "", true, 1}, {LF_A, "1234,5", "", "1234,", false, 1}, {LF_PESO, "0,01", "", "0,01", false, 0},
            {LF_PESO, "0,009", QStringLiteral("La Misura di 'Peso Lamierino' Fuori Limiti"), "", true, 0}, {LF_EI, "", "", "", true, 1}};
        for (const auto& k : casi) {
            Piattaforma::AzzeraBeep();
            Apri();
            if (!k.messaggio.isEmpty()) msg->Attendi();
            CampoNumerico* c = Txt(k.campo);
            c->SetGiallo(!k.giallo);
            c->setFocus();
            c->clear();
            QTest::keyClicks(c, k.testo);
            ui().Txt_SP->setFocus();  // leaving the field runs its check
            QCOMPARE(msg->Ultimo(), k.messaggio);
            if (!k.messaggio.isEmpty()) QCOMPARE(msg->UltimoTitolo(), QStringLiteral("Verifica Lamierino"));
            QVERIFY2(c->text() == k.resta && c->Giallo() == k.giallo && Piattaforma::BeepContati() == k.beep, k.testo);
            msg->Azzera();
        }
    }

    void carica() {
        Apri();
        QCOMPARE(TestiDi(f.get(), "Opt_AxB(2) Lbl_PesoLam(2) Txt_SP Lbl_EI(18) Txt_A Txt_PesoLam"),
                 QStringLiteral("45,0|0,600|35,||80,0|0,250"));
        QVERIFY(d->LamFinestra[2] == 468.75f && Visibili() == QList<int>({1}));
        // The focus starts on the chosen row.
        QVERIFY(ui().Opt_AxB[2]->isChecked() && ui().Opt_AxB[2]->hasFocus() && ui().Opt_AxB[5]->isEnabled() && !ui().Opt_AxB[18]->isEnabled());
        Apri(18);
        QVERIFY(ui().Opt_AxB[18]->isEnabled() && ui().Opt_AxB[18]->isChecked() && ui().Opt_AxB[18]->hasFocus());
    }

    void apreLibreria() {
        Apri();
        FakeDialoghiUi dialoghi;
        dialoghi.percorsiApri = {QString(), LibreriaDefault("non esiste.lam"), LibreriaDefault("LamTrifaseStandard.lam")};
        const std::string primaNome = d->NomeLibLam;
        const float primaAxB = d->LamAxB[0];
        f->Cmd_Apri_Click();  // cancelled
        QCOMPARE(dialoghi.chiamate.at(0).cartella, QFileInfo(LibreriaDefault("")).absolutePath());
        msg->Attendi();  // unreadable: the reader's message and nothing else
        f->Cmd_Apri_Click();
        QVERIFY(msg->Ultimo() == QStringLiteral("Errore di Aperture File Libreria\nMotivo: il file o la cartella non esiste") && d->NomeLibLam == primaNome && d->LamAxB[0] == primaAxB);
        f->Cmd_Apri_Click();
        QCOMPARE(ui().Frame1->title() + "|" + ui().Lbl_LibLam->text(),
                 "Lamierini Tipo: 3 Colonne Stadard per Trifase|" + LibreriaDefault("LamTrifaseStandard.lam"));
        QVERIFY(Visibili() == QList<int>({3}) && ui().Opt_AxB[2]->isChecked() && d->LamScelto == 2);
    }

    void calcolaLamFuori() {
        Apri();
        ui().Opt_AxB[18]->setEnabled(true);
        const QStringList testi{"80", "78", "26", "13", "40", "13", "19,5", "EI 78", "0,5"};
        for (int k = 0; k < LF_NUM; ++k) Txt(k)->setText(testi[k]);
        msg->Attendi();
        f->Cmd_CalcLamFuori_Click();
        QVERIFY(Txt(LF_A)->Giallo() && !ui().Opt_AxB[18]->isEnabled());
        Txt(LF_G)->setText(QStringLiteral("20"));
        f->Cmd_CalcLamFuori_Click();
        QVERIFY(!Txt(LF_A)->Giallo() && ui().Opt_AxB[18]->isEnabled() && !ui().Opt_AxB[18]->isChecked());
        QCOMPARE(ui().Opt_AxB[18]->text() + " " + ui().Lbl_EI[18]->text() + " " + ui().Lbl_PesoLam[18]->text(),
                 QStringLiteral("62,4 EI 78 0,500"));
        ui().Opt_AxB[18]->click();
        f->Cmd_Ok_Click();
        QVERIFY(f->result() == QDialog::Accepted && d->LamScelto == 18);
    }

    void conferma() {
        Apri();
        // An empty row does nothing, not even choose; Esci leaves the design as it was.
        ui().Opt_AxB[5]->click();
        f->Cmd_Ok_Click();
        ui().Opt_AxB[3]->click();
        ui().Txt_SP->setText(QStringLiteral(","));
        msg->Attendi();
        f->Cmd_Ok_Click();
        QCOMPARE(msg->Ultimo(), QStringLiteral("Manca la Misura di SP"));
        QTest::keyClick(f.get(), Qt::Key_Escape);
        QVERIFY(!f->isVisible() && d->LamScelto == 2 && d->LamSP == 35.0f);

        // A stack above the 1E+07 mm a project holds, or below the 1E-04 mm
        // whose figures a project still holds, is refused, the dialog open
        // and the design as it was; the limits themselves are confirmed.
        for (const auto& [fuori, limite, sp] : {std::tuple{"10000001", "10000000", 1e7f}, {"1E-30", "0,0001", 1e-4f}}) {
            Apri();
            ui().Opt_AxB[3]->click();
            ui().Txt_SP->setText(QString(fuori));
            msg->Attendi();
            f->Cmd_Ok_Click();
            QCOMPARE(msg->Ultimo() + " / " + msg->UltimoTitolo(),
                     QStringLiteral("La Misura di 'SP' Fuori Limiti / Errore Misure Lamierino"));
            QVERIFY(f->isVisible() && d->LamScelto == 2 && d->LamSP == 35.0f);
            ui().Txt_SP->setText(QString(limite));
            f->Cmd_Ok_Click();
            QVERIFY(f->result() == QDialog::Accepted && d->LamScelto == 3 && d->LamSP == sp);
            d->LamScelto = 2;
            d->LamSP = 35.0f;
        }

        // Enter presses only the button that holds the focus.
        Apri();
        QTest::keyClick(ui().Txt_SP, Qt::Key_Return);
        QVERIFY(f->isVisible());
        ui().Cmd_Ok->setFocus();
        QTest::keyClick(ui().Cmd_Ok, Qt::Key_Return);
        QVERIFY(f->result() == QDialog::Accepted && d->LamSE == 7.882883f);
    }

    // A two-leg library ("2 Colonne per Monofase", proportional, C 20, 25, 32,
    // 40) written by the editor's own code, opened over a window's library
    // while row 14, which it lacks, is the chosen one: its kind is that of
    // its first lamination, so the single-phase window takes its list and
    // its two bobbins, and the three-phase window refuses it.
    void libreriaDueColonneSuUnaRigaCheNonHa() {
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("UI.lam"));
        {
            auto l = std::make_unique<ModuleDIC>();
            GrigliaLam g;
            g.proporzionale = true;
            g.opzione = 2;
            OpzioneTipoLam(*l, 2);
            for (size_t i = 0; i < 4; ++i) g.righe[i].Txt_C = std::to_string(std::array{20, 25, 32, 40}[i]);
            FakeMessaggi m;
            QVERIFY(CalcolaLamierini(*l, g, m));
            QVERIFY(recfile::Scrivi(U8(file), LIBLAM_LUNG_REC, LIBLAM_NUM_REC, l->Rec.data()).ok);
        }
        for (const bool trifase : {false, true}) {
            d = std::make_unique<ModuleDIC>();
            std::unique_ptr<FinestraProgetto> w;
            if (trifase)
                w = std::make_unique<Frm_Trifase>(*d);
            else
                w = std::make_unique<Frm_Alim>(*d);
            w->Form_Load();
            d->LamScelto = 14;
            Mostra<ICoefKLista*>(&w->ListaCoefK());
            FakeDialoghiUi dialoghi;
            dialoghi.percorsiApri = {file};
            f->Cmd_Apri_Click();  // no box
            QCOMPARE(ui().Frame1->title(), QStringLiteral("Lamierini Tipo: 2 Colonne per Monofase"));
            QVERIFY(Visibili() == QList<int>({4}) && d->TipoLam == 4 && d->Lam2Colonne == VERO && d->LamMantello == FALSO);
            // Row 1: C 25 with a 40 mm stack, LamSE = 40 x 25 / 1,11 / 100 = 9,009 cm2.
            ui().Opt_AxB[1]->click();
            ui().Txt_SP->setText(QStringLiteral("40"));
            if (trifase) msg->Attendi();
            f->Cmd_Ok_Click();
            QCOMPARE(f->result(), int(QDialog::Accepted));
            if (trifase) {
                QCOMPARE(msg->Ultimo(), QStringLiteral("Lamierino NON Idoneo per Trasformatore Trifase"));
                continue;
            }
            // The two-leg list: 0,6 .. 1,2 with 0,9 chosen; the power range
            // 9,009² / 1,2² = 56,36 VA to 9,009² / 0,6² = 225,45 VA.
            const auto* k = w->findChild<QComboBox*>(QStringLiteral("Cmb_CoefK"));
            QCOMPARE(k->itemText(0) + " " + k->currentText() + " " + k->itemText(k->count() - 1), QStringLiteral("0,6 0,9 1,2"));
            QVERIFY(std::fabs(d->PotMin - 56.36f) < 0.01f && std::fabs(d->PotMax - 225.45f) < 0.01f);
            Frm_Rocchetto rocchetto(*d);
            QVERIFY(rocchetto.ui.Opt_RochDue->isEnabled() && rocchetto.ui.Opt_RochUno->isEnabled());
        }
    }

    void stampa() {
        Apri();
        FakeDialoghiUi dialoghi;
        ui().Cmd_Stampa->click();
        QVERIFY(dialoghi.stampate.size() == 1 && f->isVisible());
    }

    void finestraDopoIlDialogo() {
        // However the dialog closed, a shell lamination takes one bobbin, the
        // windings on bobbin 2 go back to bobbin 1, and the calculation runs.
        d = std::make_unique<ModuleDIC>();
        Frm_Alim w(*d);
        w.Form_Load();
        d->SecRoch1[0] = FALSO;
        d->SecRoch2[0] = VERO;
        w.PulsantiRocchetto();
        w.ui.Lbl_SP->clear();
        FakeLanciatoreUi lanciatore;
        lanciatore.azione = [](ModuleDIC& dd) { dd.RochDue = 1; };
        w.Cmd_Lamierino_Click();
        QCOMPARE(lanciatore.mostrati, std::vector<Dialogo>({Dialogo::Lamierino}));
        QVERIFY(d->RochDue == 0 && w.ui.Cmd_SecRoch[0]->text() == QStringLiteral("H1") && w.ui.Lbl_SP->text() == QStringLiteral("50,0"));
    }
};

QTEST_MAIN(TestFrmLamierino)
#include "test_frm_lamierino.moc"
