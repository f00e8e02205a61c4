// The wire dialog: load, library rows, another library, the user's own wire,
// confirmation; and the single-phase window's wire buttons.
//
// Library figures come from our default library (data/enamelled-copper-wire-
// grade1.csv): row 5 is 0,08 / 0,094 mm; the derived columns were worked out
// by hand (section (d/2)² x 3,14159, turns/cm 10 / enamelled / Kf, ohm/m
// 0,0176 / section, g/m section x 8,9).

#include "ControlliProgetto.h"
#include "dialogs/Frm_FiloRame.h"
#include "files/LibRame.h"
#include "files/RecordFile.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

class TestFrmFiloRame : public QObject, ProvaDialogo<Frm_FiloRame> {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> tmp;

    Frm_FiloRame::Controlli& ui() { return f->ui; }
    CampoNumerico* Txt(int k) { return ui().Txt[static_cast<size_t>(k)]; }
    bool Scelta(int i) { return ui().Opt_FiloNudo[static_cast<size_t>(i)]->isEnabled(); }

    // A fresh design with `libreria` (default: ours) read into `colonna`.
    void Nuovo(int colonna, const QString& libreria = LibreriaDefault("LibRame1.wir")) {
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
    QString Riga(int i) {
        return TestiDi(f.get(), QStringLiteral("Opt_FiloNudo(%1) Lbl_FiloIsolato(%1) Lbl_SezioneFilo(%1) Lbl_SpireCM(%1) "
                                               "Lbl_CoefKf(%1) Lbl_Resistenza(%1) Lbl_PesoFilo(%1)").arg(i));
    }
    // Types into box k, then leaves it.
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
        Nuovo(12);
        d->KfRame[38][12] = 1.2f;
        d->FiloNudo[38][12] = 1.5f;
        Apri();
        QCOMPARE(Riga(5), QStringLiteral("0,08|0,094|0,0050|101,32|1,05|3,5014|0,0447"));
        QCOMPARE(ui().Lbl_LibRam->text(), LibreriaDefault("LibRame1.wir"));
        // The user's wire starts again from standard copper.
        QCOMPARE(TestiDi(f.get(), "Txt_FiloNudo Txt_FiloIsolato Txt_CoefKf Txt_Ohm_m Txt_PesSpeRam"), QStringLiteral("1,5|0|1,05|0,0176|8,9"));
        QVERIFY(ui().Opt_FiloNudo[5]->isChecked() && !Scelta(38) && !ui().Cmd_FiloRame->isEnabled());
        Apri(38);
        QVERIFY(Scelta(38) && ui().Opt_FiloNudo[38]->isChecked());
    }

    void righeDellaLibreria() {
        Nuovo(3, ScriviLibreria("37.wir", 37));
        Apri();
        QVERIFY(Riga(37) == QStringLiteral("0|0|0|0|0|0|0") && !Scelta(37) && Scelta(36));

        // A column of 38 wires whose file is gone keeps them all, in silence,
        // whatever count another read left behind.
        Nuovo(3);
        d->NomeLibRame[3] = U8(tmp->filePath("sparita.wir"));
        d->NumElementi = 13;
        Apri();
        QVERIFY(Scelta(37));

        // A file that is there but cannot be read brings the reader's message.
        QDir(tmp->path()).mkdir("cartella.wir");
        d->NomeLibRame[3] = U8(tmp->filePath("cartella.wir"));
        msg->Attendi();
        Apri();
        QVERIFY(msg->UltimoTitolo() == QStringLiteral("Libreria Filo Rame Smaltato") && Scelta(37));
    }

    void apreLibreria() {
        Nuovo(3);
        Apri();
        FakeDialoghiUi dialoghi;
        dialoghi.percorsiApri = {QString(), ScriviLibreria("vecchia.wir", 20, true), ScriviLibreria("10.wir", 10)};
        f->Cmd_Apri_Click();  // cancelled
        msg->Attendi();
        f->Cmd_Apri_Click();
        QCOMPARE(msg->Ultimo(), QString::fromUtf8(MSG_LIBRAME_VECCHIA_DIALOGO));
        QVERIFY(d->NomeLibRame[3] == U8(LibreriaDefault("LibRame1.wir")) && d->FiloNudo[37][3] == 2.5f && Scelta(37));
        f->Cmd_Apri_Click();
        QVERIFY(ui().Lbl_LibRam->text() == tmp->filePath("10.wir") && Scelta(9) && !Scelta(10));
    }

    void filoFuoriFormato() {
        Nuovo(12);
        Apri();
        // Kf 0,5 is out of its range: yellow and kept, no sound; once the
        // diameters are taken the button comes on all the same, and the
        // computation uses 0,5.
        Digita(FF_KF, "0,5");
        QVERIFY(Txt(FF_KF)->Giallo() && Txt(FF_KF)->text() == "0,5");
        Digita(FF_NUDO, "1");
        QVERIFY(!ui().Cmd_FiloRame->isEnabled());
        Digita(FF_ISOLATO, "1,08");
        QVERIFY(ui().Cmd_FiloRame->isEnabled() && Piattaforma::BeepContati() == 0);
        ui().Cmd_FiloRame->click();
        QCOMPARE(Riga(38), QStringLiteral("1|1,08|0,7854|18,52|0,50|0,0224|6,9900"));
        QVERIFY(Scelta(38) && !ui().Opt_FiloNudo[38]->isChecked());

        // Equal diameters: the message, and the row can no longer be chosen.
        Apri(38);
        Digita(FF_NUDO, "1,08");
        msg->Attendi();
        ui().Cmd_FiloRame->click();
        QVERIFY(msg->Ultimo() == QStringLiteral("La Misura Filo Nudo >= Filo Isolato") && !Scelta(38));
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
        QVERIFY(f->result() == QDialog::Accepted && d->FiloScelto == 7.0f);
    }

    void lanciatoreReale() {
        d = std::make_unique<ModuleDIC>();
        // The real launcher shows each dialog modally and returns once it is closed.
        const std::pair<Dialogo, const char*> dialoghi[] = {
            {Dialogo::FiloRame, "Frm_FiloRame"}, {Dialogo::SecAvvColl, "Frm_SecAvvColl"}, {Dialogo::PriRoch, "Frm_PriRoch"}};
        for (auto [dl, nome] : dialoghi)
            QCOMPARE(ModaleAperta([&, dl = dl] { dialoghi::Lanciatore().Mostra(dl, *d, nullptr); }), QString(nome));
    }

    void pulsantiDellaFinestra() {
        // A wire button opens the dialog on its winding's column and row; the
        // row left there, with that column's diameters, outlives the winding
        // recalculation, and a full pass chooses the wire anew.
        FinestraDiProva<Frm_Alim> a;
        a.w->Form_Load();
        ModuleDIC& dd = *a.d;
        const float riga = dd.SecFiloRiga[0], rigaPri = dd.PriFiloRiga[0];
        dd.FiloNudo[20][12] = 0.36f;  // column 12 only
        FakeLanciatoreUi lanciatore;
        std::vector<std::pair<float, float>> visti;
        lanciatore.azione = [&visti](ModuleDIC& x) {
            visti.emplace_back(x.NumAvvScelto, x.FiloScelto);
            x.FiloScelto = 20;
        };
        a.ui().Cmd_SecFiloRame[0]->click();
        a.ui().Cmd_PriFiloRame[0]->click();
        QCOMPARE(visti, (std::vector<std::pair<float, float>>{{12.0f, riga}, {0.0f, rigaPri}}));
        QCOMPARE(a.ui().Lbl_SecFiloNudo[0]->text() + " " + a.ui().Lbl_PriFiloNudo[0]->text(), QStringLiteral("0,36 0,355"));
        a.ui().Cmd_Aggiorna->click();
        QCOMPARE(dd.SecFiloRiga[0], riga);
    }
};

QTEST_MAIN(TestFrmFiloRame)
#include "test_frm_filorame.moc"
