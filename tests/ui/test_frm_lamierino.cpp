// The lamination dialog: its fields, load, library, out-of-format lamination,
// confirmation and print; and the single-phase window's lamination button.
#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "UiTestSupport.h"
#include "dialogs/Frm_Lamierino.h"
#include "dialogs/Lanciatore.h"
#include "engine/ModRoutine.h"
#include "files/LibLam.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

namespace {

constexpr int kAvviso = mb::OkOnly + mb::Exclamation;

QString Libreria(const char* nome) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("LIBRERIA/") + nome);
}

// A fake dialog: whatever the test puts in `azione` edits the design data.
struct FakeLanciatore : ILanciatoreDialoghi {
    std::vector<Dialogo> mostrati;
    std::function<void(ModuleDIC&)> azione;
    FakeLanciatore() { dialoghi::ImpostaLanciatore(this); }
    ~FakeLanciatore() override { dialoghi::ImpostaLanciatore(nullptr); }
    void Mostra(Dialogo dl, ModuleDIC& d, ICoefKLista*) override {
        mostrati.push_back(dl);
        if (azione) azione(d);
    }
};

}  // namespace

class TestFrmLamierino : public QObject {
    Q_OBJECT

    std::unique_ptr<ModuleDIC> d;
    std::unique_ptr<Frm_Lamierino> f;
    std::unique_ptr<FakeMessaggiUi> msg;
    std::unique_ptr<Sorveglianza> guardia;

    Frm_Lamierino::Controlli& ui() { return f->ui; }
    CampoNumerico* Txt(int k) { return ui().Txt[static_cast<size_t>(k)]; }

    // The default shell library, row 2 replaced by a lamination of known figures.
    void Progetto(int16_t scelto = 2) {
        d = std::make_unique<ModuleDIC>();
        d->TipoCalcolo = 1;
        d->FileLibreria = U8(Libreria("LamMantelloStandard.lam"));
        QVERIFY(ApriLibreriaLamierini(*d, *msg));
        IndividuaTipoLamierino(*d, *msg);
        d->LamAxB[2] = 45;
        d->LamC[2] = 25;
        d->LamE[2] = 37.5f;
        d->LamF[2] = 12.5f;
        d->LamPeso[2] = 0.6f;
        d->LamNome[2] = "150";
        d->LamAxB[5] = 0;  // an empty library row
        d->LamScelto = scelto;
        d->LamSP = 35;
        d->Induzione = 1.2f;
        d->LamCdP = 1.5f;
    }
    void Apri() {
        f = std::make_unique<Frm_Lamierino>(*d, nullptr);
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
    }
    void Digita(CampoNumerico* c, const QString& testo) {
        c->setFocus();
        c->clear();
        QTest::keyClicks(c, testo);
        // A number is checked on Enter, a name when it is left.
        if (c->TipoCampo() == CampoNumerico::Tipo::Numero)
            QTest::keyClick(c, Qt::Key_Return);
        else
            ui().Txt_SP->setFocus();
    }
    void Scrivi(const QStringList& testi) {
        for (int k = 0; k < LF_NUM; ++k) Txt(k)->setText(testi.value(k));
    }
    QList<int> Visibili() {
        QList<int> v;
        for (int t = 1; t <= 6; ++t)
            if (!ui().Image[static_cast<size_t>(t)]->isHidden()) v << t;
        return v;
    }

private slots:
    void init() {
        msg = std::make_unique<FakeMessaggiUi>();
        guardia = std::make_unique<Sorveglianza>();
        Piattaforma::AzzeraBeep();
    }
    void cleanup() {
        f.reset();
        guardia->Verifica();
        guardia.reset();
        msg.reset();
    }

    void campiConMessaggio_data() {
        QTest::addColumn<int>("campo");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("messaggio");  // empty: accepted
        QTest::addColumn<QString>("resta");
        QTest::addColumn<bool>("giallo");
        QTest::addColumn<int>("beep");
        const QString a = QStringLiteral("La Misura di 'A' Fuori Limiti");
        const QString p = QStringLiteral("La Misura di 'Peso Lamierino' Fuori Limiti");
        QTest::newRow("A 5") << int(LF_A) << "5" << "" << "5" << false << 0;
        QTest::newRow("A 9999") << int(LF_A) << "9999" << "" << "9999" << false << 0;
        QTest::newRow("A 4,9") << int(LF_A) << "4,9" << a << "" << true << 0;
        QTest::newRow("A lone comma") << int(LF_A) << "," << a << "" << true << 0;
        QTest::newRow("A empty") << int(LF_A) << "" << "" << "" << true << 1;
        QTest::newRow("A five characters") << int(LF_A) << "1234,5" << "" << "1234," << false << 1;
        QTest::newRow("C four characters") << int(LF_C) << "12,55" << "" << "12,5" << false << 1;
        QTest::newRow("weight 0,01") << int(LF_PESO) << "0,01" << "" << "0,01" << false << 0;
        QTest::newRow("weight 0,009") << int(LF_PESO) << "0,009" << p << "" << true << 0;
        QTest::newRow("name empty") << int(LF_EI) << "" << "" << "" << true << 1;
        QTest::newRow("name") << int(LF_EI) << "EI 78 lungo" << "" << "EI 78 lungo" << false << 0;
    }
    void campiConMessaggio() {
        QFETCH(int, campo);
        QFETCH(QString, testo);
        QFETCH(QString, messaggio);
        QFETCH(QString, resta);
        QFETCH(bool, giallo);
        QFETCH(int, beep);
        Progetto();
        Apri();
        if (!messaggio.isEmpty()) msg->Attendi();
        Txt(campo)->SetGiallo(!giallo);
        Digita(Txt(campo), testo);
        QCOMPARE(msg->boxes.size(), size_t(messaggio.isEmpty() ? 0 : 1));
        if (!messaggio.isEmpty()) {
            QCOMPARE(msg->Ultimo(), messaggio);
            QCOMPARE(msg->UltimoTitolo(), QStringLiteral("Verifica Lamierino"));
            QCOMPARE(msg->boxes[0].stile, kAvviso);
        }
        QCOMPARE(Txt(campo)->text(), resta);
        QCOMPARE(Txt(campo)->Giallo(), giallo);
        QCOMPARE(Piattaforma::BeepContati(), beep);
    }

    void caricaRigheMaschereImmagine() {
        Progetto();
        d->LamA[18] = 80;
        d->LamPeso[18] = 0.25f;
        d->LamNome[18] = "0";
        Apri();
        QCOMPARE(ui().Opt_AxB[2]->text(), QStringLiteral("45,0"));
        QCOMPARE(ui().Lbl_C[2]->text(), QStringLiteral("25,0"));
        QCOMPARE(ui().Lbl_E[2]->text(), QStringLiteral("37,5"));
        QCOMPARE(ui().Lbl_EI[2]->text(), QStringLiteral("150"));
        QCOMPARE(ui().Lbl_PesoLam[2]->text(), QStringLiteral("0,600"));
        QCOMPARE(d->LamFinestra[2], 468.75f);
        QCOMPARE(ui().Txt_SP->text(), QStringLiteral("35,"));
        // Row 18 at load: labels "0.0" / "####" / "0.000", boxes "##0.0#" / "##0.000".
        QCOMPARE(ui().Lbl_A[18]->text(), QStringLiteral("80,0"));
        QCOMPARE(ui().Lbl_B[18]->text(), QStringLiteral("0,0"));
        QCOMPARE(ui().Lbl_EI[18]->text(), QString());
        QCOMPARE(ui().Lbl_PesoLam[18]->text(), QStringLiteral("0,250"));
        QCOMPARE(Txt(LF_A)->text(), QStringLiteral("80,0"));
        QCOMPARE(Txt(LF_PESO)->text(), QStringLiteral("0,250"));
        QCOMPARE(Visibili(), QList<int>({1}));
        QVERIFY(ui().Opt_AxB[2]->isChecked());
        QVERIFY(ui().Opt_AxB[5]->isEnabled());
        QVERIFY(!ui().Opt_AxB[18]->isEnabled());
        QVERIFY(ui().Frame1->title().startsWith(QStringLiteral("Lamierini Tipo: ")));
        QCOMPARE(f->windowTitle(), QStringLiteral("Scelta Tipo Lamierino Monofase"));

        f.reset();
        Progetto(18);
        Apri();
        QVERIFY(ui().Opt_AxB[18]->isEnabled());
        QVERIFY(ui().Opt_AxB[18]->isChecked());
    }

    void apreLibreria() {
        Progetto();
        Apri();
        FakeDialoghiUi dialoghi;
        dialoghi.percorsiApri = {QString(), Libreria("non esiste.lam"), Libreria("LamTrifaseStandard.lam")};
        const std::string primaNome = d->NomeLibLam;
        const float primaAxB = d->LamAxB[0];

        f->Cmd_Apri_Click();  // cancelled
        QCOMPARE(dialoghi.chiamate.at(0).titolo, QStringLiteral("Apri Libreria Lamierini"));
        QCOMPARE(dialoghi.chiamate.at(0).filtro, QStringLiteral("Libreria Lamierini(*.lam)|*.lam"));
        QVERIFY(dialoghi.chiamate.at(0).cartella.endsWith(QStringLiteral("LIBRERIA")));

        msg->Attendi();  // unreadable: the reader's message, nothing else changes
        f->Cmd_Apri_Click();
        QCOMPARE(msg->Ultimo(), QStringLiteral("Errore di Aperture File Libreria"));
        QCOMPARE(d->NomeLibLam, primaNome);
        QCOMPARE(d->LamAxB[0], primaAxB);
        QCOMPARE(Visibili(), QList<int>({1}));

        ui().Txt_SP->setText(QStringLiteral("12"));
        f->Cmd_Apri_Click();
        QCOMPARE(ui().Frame1->title(), QStringLiteral("Lamierini Tipo: 3 Colonne Stadard per Trifase"));
        QCOMPARE(ui().Lbl_LibLam->text(), Libreria("LamTrifaseStandard.lam"));
        QCOMPARE(Visibili(), QList<int>({3}));
        QVERIFY(ui().Opt_AxB[2]->isChecked());
        QCOMPARE(ui().Txt_SP->text(), QStringLiteral("12"));
        QCOMPARE(d->LamScelto, int16_t(2));
        QCOMPARE(msg->boxes.size(), size_t(1));
    }

    void calcolaLamFuori() {
        Progetto();
        Apri();
        // A failure disables row 18 and marks its box; a success fills and
        // enables it without selecting it.
        ui().Opt_AxB[18]->setEnabled(true);
        Scrivi({"80", "78", "26", "13", "40", "13", "19,5", "EI 78", "0,5"});
        msg->Attendi();
        f->Cmd_CalcLamFuori_Click();
        QCOMPARE(msg->Ultimo(), QStringLiteral("La Misura di A non concorda con E+G+G"));
        QVERIFY(Txt(LF_A)->Giallo());
        QVERIFY(!ui().Opt_AxB[18]->isEnabled());

        Txt(LF_G)->setText(QStringLiteral("20"));
        Txt(LF_EI)->clear();
        msg->Attendi();
        f->Cmd_CalcLamFuori_Click();
        QCOMPARE(msg->Ultimo(), QStringLiteral("Manca il Tipo Lamierino"));
        QVERIFY(Txt(LF_EI)->Giallo());

        Txt(LF_EI)->setText(QStringLiteral("EI 78"));
        f->Cmd_CalcLamFuori_Click();
        QCOMPARE(msg->boxes.size(), size_t(2));
        QVERIFY(!Txt(LF_A)->Giallo());
        QVERIFY(ui().Opt_AxB[18]->isEnabled());
        QVERIFY(!ui().Opt_AxB[18]->isChecked());
        QCOMPARE(ui().Opt_AxB[18]->text(), QStringLiteral("62,4"));
        QCOMPARE(ui().Lbl_G[18]->text(), QStringLiteral("20,0"));
        QCOMPARE(ui().Lbl_EI[18]->text(), QStringLiteral("EI 78"));
        QCOMPARE(ui().Lbl_PesoLam[18]->text(), QStringLiteral("0,500"));

        // Chosen and confirmed like any other row.
        ui().Opt_AxB[18]->click();
        f->Cmd_Ok_Click();
        QCOMPARE(f->result(), int(QDialog::Accepted));
        QCOMPARE(d->LamScelto, int16_t(18));
        QCOMPARE(d->LamFinestra[18], 520.0f);
    }

    void confermaERifiuti() {
        Progetto();
        Apri();
        // An empty row: nothing, not even the chosen row; Esci leaves the design as it was.
        ui().Opt_AxB[5]->click();
        f->Cmd_Ok_Click();
        QVERIFY(f->isVisible());
        QCOMPARE(d->LamScelto, int16_t(2));
        for (const char* sp : {"", "0", ","}) {
            ui().Opt_AxB[3]->click();
            ui().Txt_SP->setText(QString::fromUtf8(sp));
            msg->Attendi();
            f->Cmd_Ok_Click();
            QCOMPARE(msg->Ultimo(), QStringLiteral("Manca la Misura di SP"));
            QCOMPARE(msg->UltimoTitolo(), QStringLiteral("Errore Misure Lamierino"));
            QVERIFY(f->isVisible());
            QCOMPARE(d->LamScelto, int16_t(2));
            QCOMPARE(d->LamSP, 35.0f);
        }
        QTest::keyClick(f.get(), Qt::Key_Escape);
        QVERIFY(!f->isVisible());
        QCOMPARE(d->LamScelto, int16_t(2));

        f.reset();
        Progetto();
        Apri();
        ui().Txt_SP->setText(QStringLiteral("35"));
        f->Cmd_Ok_Click();
        QVERIFY(!f->isVisible());
        QCOMPARE(d->LamSE, 7.882883f);
        QCOMPARE(d->LamPF, 4.536001f);
    }

    void enterPremeSoloIlPulsanteConFuoco() {
        Progetto();
        Apri();
        ui().Txt_SP->setFocus();
        QTest::keyClick(ui().Txt_SP, Qt::Key_Return);
        QVERIFY(f->isVisible());
        ui().Cmd_Esci->setFocus();
        QTest::keyClick(ui().Cmd_Esci, Qt::Key_Return);
        QVERIFY(!f->isVisible());
        QCOMPARE(f->result(), int(QDialog::Rejected));
    }

    void stampa() {
        Progetto();
        Apri();
        FakeDialoghiUi dialoghi;
        dialoghi.stampanteOk = false;
        ui().Cmd_Stampa->click();
        QCOMPARE(dialoghi.stampate.size(), size_t(0));
        dialoghi.stampanteOk = true;
        ui().Cmd_Stampa->click();
        QCOMPARE(dialoghi.stampate.size(), size_t(1));
        QCOMPARE(dialoghi.stampate[0].size(), f->size());
        QVERIFY(f->isVisible());
    }

    void finestraDopoIlDialogo() {
        // The window's button: whatever the dialog left, a shell lamination
        // takes one bobbin, windings on bobbin 2 go back to bobbin 1, and the
        // calculation runs.
        d = std::make_unique<ModuleDIC>();
        Frm_Alim w(*d);
        w.Form_Load();
        d->RochDue = 1;
        d->SecRoch1[0] = FALSO;
        d->SecRoch2[0] = VERO;
        w.PulsantiRocchetto();
        QCOMPARE(w.ui.Cmd_SecRoch[0]->text(), QStringLiteral("H2"));
        w.ui.Lbl_SP->clear();

        FakeLanciatore lanciatore;
        lanciatore.azione = [](ModuleDIC& dd) { dd.RochDue = 1; };
        w.Cmd_Lamierino_Click();
        QCOMPARE(lanciatore.mostrati, std::vector<Dialogo>({Dialogo::Lamierino}));
        QCOMPARE(d->RochDue, int16_t(0));
        QCOMPARE(w.ui.Cmd_SecRoch[0]->text(), QStringLiteral("H1"));
        QCOMPARE(w.ui.Lbl_SP->text(), QStringLiteral("50,0"));
    }
};

QTEST_MAIN(TestFrmLamierino)
#include "test_frm_lamierino.moc"
