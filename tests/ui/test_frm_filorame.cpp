// The wire dialog: load, library rows, another library, the user's own wire,
// confirmation; and the single-phase window's wire buttons.
//
// Library figures come from our default library (data/enamelled-copper-wire-
// grade1.csv): row 5 is 0,08 / 0,094 mm; the derived columns were worked out
// by hand (section (d/2)² x 3,14159, turns/cm 10 / enamelled / Kf, ohm/m
// 0,0176 / section, g/m section x 8,9).
#include <memory>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ControlliProgetto.h"
#include "dialogs/Frm_FiloRame.h"
#include "files/LibRame.h"
#include "files/RecordFile.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

class TestFrmFiloRame : public QObject, ProvaDialogo<Frm_FiloRame> {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> tmp;

    Frm_FiloRame::Controlli& ui() { return f->ui; }
    CampoNumerico* Txt(int k) { return ui().Txt[static_cast<size_t>(k)]; }

    // A fresh design with `libreria` read into `colonna`.
    void Nuovo(int colonna, const QString& libreria) {
        f.reset();
        d = std::make_unique<ModuleDIC>();
        d->NumAvvScelto = static_cast<float>(colonna);
        d->FileLibreria = U8(libreria);
        QVERIFY(LeggiLibreriaRame(*d, *msg));
    }
    // The dialog on it, the winding's row `scelto`.
    void Apri(float scelto = 5) {
        d->FiloScelto = scelto;
        Mostra();
    }
    // Our default library cut to its first `fili` wires, written under `nome`;
    // `vecchia`: its first section stored as an older layout has it.
    QString ScriviLibreria(const char* nome, int fili, bool vecchia = false) {
        auto t = std::make_unique<ModuleDIC>();
        t->FileLibreria = U8(LibreriaDefault("LibRame1.wir"));
        LeggiLibreriaRame(*t, *msg);
        for (int r = fili; r < LIBRAME_FILI; ++r) t->FiloNudo[r][0] = 0;
        if (vecchia) t->SezioneFilo[0][0] *= 2;
        CompilaRecLibRame(*t);
        const QString p = tmp->filePath(nome);
        recfile::Scrivi(U8(p), LIBRAME_LUNG_REC, LIBRAME_NUM_REC, t->Rec.data());
        return p;
    }
    QStringList Riga(int i) {
        const auto r = static_cast<size_t>(i);
        return {ui().Opt_FiloNudo[r]->text(), ui().Lbl_FiloIsolato[r]->text(), ui().Lbl_SezioneFilo[r]->text(),
                ui().Lbl_SpireCM[r]->text(),  ui().Lbl_CoefKf[r]->text(),      ui().Lbl_Resistenza[r]->text(),
                ui().Lbl_PesoFilo[r]->text()};
    }
    // Types into a box and leaves it for the next one.
    void Digita(int k, const QString& testo) {
        Txt(k)->setFocus();
        Txt(k)->clear();
        QTest::keyClicks(Txt(k), testo);
        Txt((k + 1) % FF_NUM)->setFocus();
    }

private slots:
    void init() {
        Inizia();
        tmp = std::make_unique<QTemporaryDir>();
    }
    void cleanup() { Finisci(); }

    void carica() {
        Nuovo(12, LibreriaDefault("LibRame1.wir"));
        d->KfRame[38][12] = 1.2f;
        d->FiloNudo[38][12] = 1.5f, d->FiloIsolato[38][12] = 1.6f;
        Apri();
        QCOMPARE(f->windowTitle(), QStringLiteral("Scelta Filo di Rame Smaltato"));
        auto* frame = Figlio<QGroupBox>(f.get(), "Frame1");
        QCOMPARE(frame->title(), QStringLiteral("Tabella dei Fili di Rame Smaltato"));
        QCOMPARE(frame->toolTip(), QStringLiteral("Selezionare il Filo di Rame Smaltato"));
        QCOMPARE(Figlio<QLabel>(f.get(), "Cap_Lbl_Resistenza")->toolTip(),
                 QStringLiteral("Resistenza Elettrica a 20°C di un metro di Filo"));
        QCOMPARE(Riga(5), QStringList({"0,08", "0,094", "0,0050", "101,32", "1,05", "3,5014", "0,0447"}));
        QCOMPARE(Riga(37).first(), QStringLiteral("2,50"));
        QCOMPARE(ui().Lbl_LibRam->text(), LibreriaDefault("LibRame1.wir"));
        const QStringList testi{"1,5", "1,6", "1,05", "0,0176", "8,9"};
        const QStringList tooltip{"da 0,001 a 100 ", "da 0,001 a 100 ", "da 1,00 a 2,00 ", "da 0,001 a 2,00 ",
                                  "da 3,00 a 15,0 "};
        for (int k = 0; k < FF_NUM; ++k) {
            QCOMPARE(Txt(k)->text(), testi[k]);
            QCOMPARE(Txt(k)->toolTip(), tooltip[k]);
            QVERIFY(!Txt(k)->Giallo());
        }
        // The custom coefficients start again from standard copper.
        QCOMPARE(d->KfRame[38][12], 1.05f);
        QVERIFY(ui().Opt_FiloNudo[5]->isChecked());
        QVERIFY(!ui().Opt_FiloNudo[38]->isEnabled());
        QVERIFY(!ui().Cmd_FiloRame->isEnabled());
        Apri(38);
        QVERIFY(ui().Opt_FiloNudo[38]->isEnabled() && ui().Opt_FiloNudo[38]->isChecked());
        QCOMPARE(ui().Opt_FiloNudo[38]->text(), QStringLiteral("1,50"));
    }

    void righeDellaLibreria() {
        const QStringList zeri(7, QStringLiteral("0"));
        Nuovo(3, ScriviLibreria("37.wir", 37));
        Apri();
        QCOMPARE(Riga(37), zeri);
        QVERIFY(!ui().Opt_FiloNudo[37]->isEnabled() && ui().Opt_FiloNudo[36]->isEnabled());

        // A column of 38 wires whose file is gone keeps all of them, in silence,
        // whatever count another read left behind.
        Nuovo(3, LibreriaDefault("LibRame1.wir"));
        d->NomeLibRame[3] = U8(tmp->filePath("sparita.wir"));
        d->NumElementi = 13;
        Apri();
        QVERIFY(msg->boxes.empty());
        QVERIFY(ui().Opt_FiloNudo[37]->isEnabled());
        QCOMPARE(d->FiloNudo[37][3], 2.5f);

        // A file that is there but cannot be read brings the reader's message.
        QDir(tmp->path()).mkdir("cartella.wir");
        d->NomeLibRame[3] = U8(tmp->filePath("cartella.wir"));
        msg->Attendi();
        Apri();
        QCOMPARE(msg->UltimoTitolo(), QStringLiteral("Libreria Filo Rame Smaltato"));
        QVERIFY(ui().Opt_FiloNudo[37]->isEnabled());
    }

    void apreLibreria() {
        Nuovo(3, LibreriaDefault("LibRame1.wir"));
        const QString vecchia = ScriviLibreria("vecchia.wir", 20, true);
        const QString corta = ScriviLibreria("corta.wir", 10);
        Apri();
        FakeDialoghiUi dialoghi;
        dialoghi.percorsiApri = {QString(), vecchia, corta};
        f->Cmd_Apri_Click();  // cancelled
        QCOMPARE(dialoghi.chiamate.at(0).titolo, QStringLiteral("Apri Libreria Filo Rame Smaltato"));
        QCOMPARE(dialoghi.chiamate.at(0).filtro, QStringLiteral("Libreria Filo Rame Smaltato(*.wir)|*.wir"));
        msg->Attendi();
        f->Cmd_Apri_Click();
        QCOMPARE(msg->Ultimo(), QString::fromUtf8(MSG_LIBRAME_VECCHIA_DIALOGO));
        QCOMPARE(d->NomeLibRame[3], U8(LibreriaDefault("LibRame1.wir")));
        QCOMPARE(d->FiloNudo[37][3], 2.5f);
        QVERIFY(ui().Opt_FiloNudo[37]->isEnabled());
        f->Cmd_Apri_Click();
        QCOMPARE(ui().Lbl_LibRam->text(), corta);
        QVERIFY(ui().Opt_FiloNudo[9]->isEnabled() && !ui().Opt_FiloNudo[10]->isEnabled());
        QCOMPARE(d->FiloNudo[10][3], 0.0f);
    }

    void filoFuoriFormato() {
        Nuovo(12, LibreriaDefault("LibRame1.wir"));
        Apri();
        const QStringList testi{"1", "1,08", "1,05", "0,0176", "8,9"};
        for (int k = 0; k < FF_NUM; ++k) Digita(k, testi[k]);
        QVERIFY(ui().Cmd_FiloRame->isEnabled());
        ui().Cmd_FiloRame->click();
        QCOMPARE(Riga(38), QStringList({"1", "1,08", "0,7854", "8,82", "1,05", "0,0224", "6,9900"}));
        QVERIFY(ui().Opt_FiloNudo[38]->isEnabled() && !ui().Opt_FiloNudo[38]->isChecked());

        // Equal diameters: the message, and the row can no longer be chosen.
        Digita(FF_ISOLATO, "1");
        msg->Attendi();
        ui().Cmd_FiloRame->click();
        QCOMPARE(msg->Ultimo(), QStringLiteral("La Misura Filo Nudo >= Filo Isolato"));
        QVERIFY(!ui().Opt_FiloNudo[38]->isEnabled());
        QCOMPARE(Riga(38).at(1), QStringLiteral("1,08"));
    }

    void campiSilenziosi() {
        // Out of range: yellow, kept, no sound, and no enabling; the button is
        // enabled later all the same, and the computation takes the value.
        Nuovo(12, LibreriaDefault("LibRame1.wir"));
        d->FiloNudo[38][12] = 1, d->FiloIsolato[38][12] = 1.28f;
        Apri();
        Digita(FF_KF, "0,5");
        QVERIFY(Txt(FF_KF)->Giallo());
        QCOMPARE(Txt(FF_KF)->text(), QStringLiteral("0,5"));
        QVERIFY(!ui().Cmd_FiloRame->isEnabled());
        Digita(FF_OHM, ",");
        QVERIFY(Txt(FF_OHM)->Giallo());
        Digita(FF_OHM, "0,0176");
        QVERIFY(!Txt(FF_OHM)->Giallo());
        QVERIFY(ui().Cmd_FiloRame->isEnabled());
        QCOMPARE(Piattaforma::BeepContati(), 0);
        Digita(FF_KF, "1,2");
        ui().Cmd_FiloRame->click();
        QCOMPARE(ui().Lbl_SpireCM[38]->text(), QStringLiteral("6,51"));
        // Reopened, the box starts from standard copper; the row keeps its own.
        Apri();
        QCOMPARE(Txt(FF_KF)->text(), QStringLiteral("1,05"));
        QCOMPARE(ui().Lbl_CoefKf[38]->text(), QStringLiteral("1,20"));
    }

    void conferma() {
        Nuovo(12, ScriviLibreria("37.wir", 37));
        Apri();
        ui().Opt_FiloNudo[37]->setEnabled(true);
        ui().Opt_FiloNudo[37]->click();
        f->Cmd_Ok_Click();  // a "0" row is no choice
        QVERIFY(f->isVisible());
        QTest::keyClick(f.get(), Qt::Key_Escape);
        QCOMPARE(d->FiloScelto, 5.0f);
        Apri();
        ui().Opt_FiloNudo[7]->click();
        ui().Cmd_Ok->click();
        QCOMPARE(f->result(), int(QDialog::Accepted));
        QCOMPARE(d->FiloScelto, 7.0f);
    }

    void lanciatoreReale() {
        d = std::make_unique<ModuleDIC>();
        for (Dialogo dl : {Dialogo::FiloRame, Dialogo::Isolanti}) {
            QString mostrato;
            QTimer::singleShot(0, [&mostrato] {
                QWidget* m = QApplication::activeModalWidget();
                mostrato = m ? m->objectName() : QString();
                if (auto* x = qobject_cast<QDialog*>(m)) x->reject();
            });
            dialoghi::Lanciatore().Mostra(dl, *d, nullptr);
            QCOMPARE(mostrato, dl == Dialogo::FiloRame ? QStringLiteral("Frm_FiloRame") : QStringLiteral("Frm_Isolanti"));
        }
    }

    void pulsantiDellaFinestra() {
        // Each wire button opens the dialog on its winding's column and row;
        // the row left there, with that column's diameters, is kept by the
        // winding recalculation, and a full pass chooses the wire anew.
        FinestraDiProva<Frm_Alim> a;
        a.w->Form_Load();
        ModuleDIC& dd = *a.d;
        const float riga = dd.SecFiloRiga[0];
        dd.FiloNudo[20][12] = 0.36f;  // column 12 only
        FakeLanciatoreUi lanciatore;
        std::vector<std::pair<float, float>> visti;
        lanciatore.azione = [&visti](ModuleDIC& x) {
            visti.emplace_back(x.NumAvvScelto, x.FiloScelto);
            x.FiloScelto = 20;
        };
        a.ui().Cmd_SecFiloRame[0]->click();
        a.ui().Cmd_PriFiloRame[0]->click();
        QCOMPARE(lanciatore.mostrati, std::vector<Dialogo>({Dialogo::FiloRame, Dialogo::FiloRame}));
        QCOMPARE(visti.at(0), std::make_pair(12.0f, riga));
        QCOMPARE(visti.at(1).first, 0.0f);
        QCOMPARE(dd.SecFiloRiga[0], 20.0f);
        QCOMPARE(a.ui().Lbl_SecFiloNudo[0]->text(), QStringLiteral("0,36"));
        QCOMPARE(a.ui().Lbl_SecFiloIsol[0]->text(), QStringLiteral("0,392"));
        QCOMPARE(a.ui().Lbl_PriFiloNudo[0]->text(), QStringLiteral("0,355"));
        QCOMPARE(dd.PriFiloRiga[0], 20.0f);
        a.ui().Cmd_Aggiorna->click();
        QCOMPARE(dd.SecFiloRiga[0], riga);
    }
};

QTEST_MAIN(TestFrmFiloRame)
#include "test_frm_filorame.moc"
