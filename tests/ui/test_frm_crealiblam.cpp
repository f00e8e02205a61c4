// The lamination library editor: load state, cells, the computation of
// proportional and typed tables, kinds, open, save and print. Expected figures
// were worked out apart (weight = net area x 8,5 / 1,11 / 1000, in 32 bits).

#include "UiTestSupport.h"
#include "editors/Frm_CreaLibLam.h"
#include "editors/GrigliaEditor.h"
#include "engine/ModuleDIC.h"
#include "files/GriglieLibrerie.h"
#include "platform/ui/Ui.h"

namespace {
const QString kMantello20 = QStringLiteral("30,0 / 50,0 / 60,0 / 20,0 / 10,0 / 30,0 / 10,0 / 10,0 / EI60/50 / 0,184");
const QString kVuota = QStringLiteral("0 /  /  /  /  /  /  /  /  / ");
}  // namespace

class TestFrmCreaLibLam : public QObject, ProvaEditore<Frm_CreaLibLam> {
    Q_OBJECT

    ModelloGriglia* M() { return w->ui.Griglia->Modello(); }
    QModelIndex Cella(int riga, int cella) { return M()->index(riga, 1 + cella); }
    QString Riga(int riga) {
        QStringList t;
        for (int c = 0; c < M()->columnCount(); ++c) t << M()->index(riga, c).data().toString();
        return t.join(QStringLiteral(" / "));
    }
    bool Gialla(int riga, int cella) { return Cella(riga, cella).data(Qt::BackgroundRole).value<QColor>() == kGiallo; }
    std::vector<int> Visibili() {
        std::vector<int> v;
        for (int t = 1; t <= 6; ++t)
            if (!w->ui.Image[t]->isHidden()) v.push_back(t);
        return v;
    }
    // Edits from Modifica: the kind, the mode, then rows of cells typed and left.
    void Scrivi(int opzione, bool proporzionale, const std::vector<QStringList>& righe) {
        cmd().Cmd_Modifica->click();
        w->ui.Opt_TipoLam[opzione]->click();
        if (w->ui.Check1->isChecked() != proporzionale) w->ui.Check1->click();
        for (int r = 0; r < static_cast<int>(righe.size()); ++r)
            for (int c = 0; c < righe[r].size(); ++c)
                M()->setData(Cella(r, proporzionale ? CELLA_C : c), righe[r][c]);
    }

private slots:
    void init() {
        Inizia();
        // What a design window left in the shared data stays there.
        d->LamTipoDescr = "Mantello Allungato per Monofase";
        d->NomeLibLam = "LamMantelloStandard.lam";
        d->NumElementi = 9;
        d->LamC[3] = 40;
        NuovaFinestra();
    }
    void cleanup() { Finisci(); }

    void loadState() {
        QCOMPARE(Riga(0), QStringLiteral("0,0 / 0,0 / 0,0 / 0,0 / 0,0 / 0,0 / 0,0 / 0,0 /  / 0,000"));
        QVERIFY(Riga(1) == kVuota && d->NumElementi == 0 && d->LamC[3] == 0.0f && d->LamNome[3] == "0");
        // the kind the design left is shown, but the first option is the one set
        QCOMPARE(w->ui.Frame1->title(), QStringLiteral("Lamierino Tipo: Mantello Allungato per Monofase"));
        QVERIFY(w->ui.Opt_TipoLam[0]->isChecked() && d->TipoLam == 1 && d->LamMantello == VERO && Visibili() == std::vector<int>{1});
        QVERIFY(!(Cella(0, CELLA_C).flags() & Qt::ItemIsEnabled) && !w->ui.Frame2->isEnabled());
        QVERIFY(!w->ui.Check1->isEnabled() && !w->ui.Check1->isChecked());
        QVERIFY(!cmd().Calcola->isEnabled() && !cmd().Cmd_Salva->isEnabled() && !cmd().Cmd_SalvaNome->isEnabled());
        // Ticked after Modifica: only the centre legs take input.
        cmd().Cmd_Modifica->click();
        w->ui.Check1->click();
        for (int c = 0; c < CELLE_LAM; ++c) QCOMPARE(bool(Cella(5, c).flags() & Qt::ItemIsEditable), c == CELLA_C);
    }

    void cellChecks() {
        cmd().Cmd_Modifica->click();
        w->show();
        const struct { int cella; QString tasti, testo; bool gialla; int beep; } casi[] = {
            {CELLA_C, "9999", "9999", true, 0}, {CELLA_C, "999", "999", false, 0}, {CELLA_C, "5", "5", false, 0},
            {CELLA_C, "4,9", "4,9", true, 0}, {CELLA_C, "12345", "1234", true, 1}, {CELLA_PESO, "0,01", "0,01", false, 0},
            {CELLA_PESO, "0,009", "0,009", true, 0}, {CELLA_E, "10000", "10000", true, 0}, {CELLA_EI, "", "", true, 1},
            {CELLA_EI, "EI 60 b", "EI 60 b", false, 0}};
        for (const auto& k : casi) {
            Piattaforma::AzzeraBeep();
            w->ui.Griglia->edit(Cella(2, k.cella));
            CampoNumerico* c = w->ui.Griglia->Delegato()->Aperto();
            QVERIFY(c);
            c->clear();
            QTest::keyClicks(c, k.tasti);
            w->ui.Griglia->Delegato()->Conferma();  // leaving the cell
            QVERIFY2(Cella(2, k.cella).data().toString() == k.testo && Gialla(2, k.cella) == k.gialla, qPrintable(k.tasti));
            QCOMPARE(Piattaforma::BeepContati(), k.beep);
        }
    }

    // A click back into the current cell, after the kind's option took the
    // focus, opens its field at once: the key typed next replaces its text.
    void clickBackIntoCurrentCell() {
        cmd().Cmd_Modifica->click();
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get(), kAttesaMs));
        for (const QString tasti : {"55", "6"}) {
            QCOMPARE(CliccaEScrivi(w->ui.Griglia, Cella(2, CELLA_C), tasti), "Txt_C(2):" + tasti);
            QTest::mouseClick(w->ui.Opt_TipoLam[0], Qt::LeftButton);
            QCOMPARE(Cella(2, CELLA_C).data().toString(), tasti);
        }
    }

    // Tab out of the table's last open cell (Backtab out of its first) goes on
    // to the window's next (previous) control, and the key typed next goes
    // there; the cell left keeps its text, checked. Ticked, only C is open.
    void tabOutOfTable() {
        cmd().Cmd_Modifica->click();
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get(), kAttesaMs));
        QWidget *opzione = w->ui.Opt_TipoLam[0], *calcola = cmd().Calcola;
        const struct { bool spuntata; int riga, cella; Qt::Key tasto; QWidget* dopo; QString tasti; bool gialla; } casi[] = {
            {false, 17, CELLA_PESO, Qt::Key_Tab, opzione, "0,009", true}, {false, 0, CELLA_A, Qt::Key_Backtab, calcola, "50", false},
            {true, 17, CELLA_C, Qt::Key_Tab, opzione, "4,9", true}, {true, 0, CELLA_C, Qt::Key_Backtab, calcola, "20", false}};
        for (const auto& k : casi) {
            if (w->ui.Check1->isChecked() != k.spuntata) w->ui.Check1->click();
            const QString cella = M()->NomeCella(Cella(k.riga, k.cella));
            QCOMPARE(CliccaEScrivi(w->ui.Griglia, Cella(k.riga, k.cella), k.tasti), cella + ':' + k.tasti);
            QCOMPARE(TastoEScrivi(k.tasto, "3"), k.dopo->objectName() + ':' + TestoDi(k.dopo));
            QVERIFY2(Cella(k.riga, k.cella).data().toString() == k.tasti && Gialla(k.riga, k.cella) == k.gialla, qPrintable(cella));
        }
    }

    // One table per path through the window, then a refused one; the two-leg
    // figures and the other refusals are the computation's own test (core).
    // After "Calcola" the table and its options are locked either way.
    void computations() {
        const auto bloccata = [this] {
            return !(Cella(0, CELLA_C).flags() & Qt::ItemIsEnabled) && !w->ui.Frame2->isEnabled() &&
                   !w->ui.Check1->isEnabled() && !cmd().Calcola->isEnabled();
        };
        const QStringList tipico{"50", "60", "20", "10", "30", "10", "10", "EI60/50", "0,184"};
        const QStringList secondo{"55", "66", "22", "11", "33", "11", "11", "EI66", "0,2"};
        const std::tuple<bool, std::vector<QStringList>, QString> casi[] = {  // the proportional one sorted
            {true, {{"30"}, {"20"}}, "67,5 / 75,0 / 90,0 / 30,0 / 15,0 / 45,0 / 15,0 / 15,0 / EI90/75 / 0,414"},
            {false, {tipico, secondo}, "36,3 / 55,0 / 66,0 / 22,0 / 11,0 / 33,0 / 11,0 / 11,0 / EI66 / 0,200"}};
        for (const auto& [proporzionale, righe, riga1] : casi) {
            Scrivi(0, proporzionale, righe);
            cmd().Calcola->click();
            QVERIFY(bloccata() && cmd().Cmd_Salva->isEnabled() && cmd().Cmd_SalvaNome->isEnabled());
            QCOMPARE(QStringList({Riga(0), Riga(1)}), QStringList({kMantello20, riga1}));
            QCOMPARE(w->ui.Frame1->title(), "Lamierino Tipo: " + w->ui.Opt_TipoLam[0]->text());
        }
        QStringList a51 = tipico;
        a51[CELLA_A] = "51";
        Scrivi(0, false, {a51, secondo});
        msg->Attendi();
        cmd().Calcola->click();
        QCOMPARE(msg->Ultimo() + " | " + msg->UltimoTitolo(),
                 QStringLiteral("La Misura di A non concorda con E+G+G   correggere i valori | Errore Misure Lamierino"));
        QVERIFY(bloccata() && Gialla(0, CELLA_A) && !cmd().Cmd_Salva->isEnabled() && !cmd().Cmd_SalvaNome->isEnabled());
        // Salva con Nome computes again and, refused, asks for no file.
        msg->Attendi();
        cmd().Cmd_SalvaNome->setEnabled(true);  // as a library opened after a good table leaves it
        cmd().Cmd_SalvaNome->click();
        QVERIFY(msg->boxes.size() == 2 && dlg->chiamate.empty());
    }

    // A weight the cell only colours (above 9999 kg) passes the computation,
    // and the reader takes whatever the computation passes: the table is
    // saved with no message, as is the largest proportional one (C 9999 of
    // the long three-leg kind, A 69993 mm).
    void tableTheCheckPassesIsSaved() {
        const QStringList secondo{"55", "66", "22", "11", "33", "11", "11", "EI66", "0,2"};
        const QStringList pesante{"50", "60", "20", "10", "30", "10", "10", "EI60/50", "99999"};
        for (const bool proporzionale : {false, true}) {
            if (proporzionale)
                Scrivi(5, true, {{"9999"}, {"3"}});
            else
                Scrivi(0, false, {pesante, secondo});
            cmd().Calcola->click();
            QVERIFY(cmd().Cmd_Salva->isEnabled());
            const QString nome = proporzionale ? QStringLiteral("Grande") : QStringLiteral("MiaLib");
            SalvaNome(nome);
            QVERIFY(msg->boxes.empty() && QFileInfo::exists(File(nome + QStringLiteral(".lam"))));
        }
        QCOMPARE(d->LamA[1], 69993.0f);
    }

    // Clicking a kind changes the flags, the option and the drawing; typed cells stay.
    void kindClickKeepsTypedCells() {
        Scrivi(0, false, {{"50", "60", "20"}});
        w->ui.Opt_TipoLam[2]->click();
        QVERIFY(d->TipoLam == 4 && d->Lam2Colonne == VERO && d->LamMantello == 0 && Visibili() == std::vector<int>{4});
        QCOMPARE(Cella(0, CELLA_B).data().toString(), QStringLiteral("60"));
        QCOMPARE(w->ui.Frame1->title(), QStringLiteral("Lamierino Tipo: Mantello Allungato per Monofase"));
    }

    void saveAndOpen() {
        std::vector<QStringList> righe;  // ten centre legs, 10 to 28 mm
        for (int i = 0; i < 10; ++i) righe.push_back({QString::number(10 + 2 * i)});
        Scrivi(3, true, righe);
        cmd().Calcola->click();
        SalvaNome(QStringLiteral("MiaLib"));
        QCOMPARE(QFileInfo(File(QStringLiteral("MiaLib.lam"))).size(), 8000);
        QVERIFY(cmd().Libreria->text() == QStringLiteral("MiaLib") && d->NomeLibLam == "MiaLib" && !cmd().Cmd_Salva->isEnabled());
        Scrivi(0, true, {{"20"}, {"30"}, {"40"}, {"50"}, {"60"}, {""}});  // five rows: the run ends at row 5
        cmd().Calcola->click();
        SalvaNome(QStringLiteral("x.LAM"));
        QVERIFY(QFileInfo::exists(File(QStringLiteral("x.LAM"))));

        Apri(File(QStringLiteral("MiaLib.lam")));
        QVERIFY(d->NumElementi == 9 && w->ui.Opt_TipoLam[3]->isChecked());
        Apri(File(QStringLiteral("x.LAM")));
        QCOMPARE(Riga(0), kMantello20);
        for (int r = 5; r < 18; ++r) QCOMPARE(Riga(r), kVuota);
        QVERIFY(d->NumElementi == 4 && w->ui.Opt_TipoLam[0]->isChecked());
        QCOMPARE(w->ui.Frame1->title(), QStringLiteral("Lamierino Tipo: Mantello per Monofase"));

        // A full library of another kind (its rows and kind stay through the refused read below;
        // that an open changes no enabled state: the wire editor's test, on the same base).
        Apri(AccantoAlProgramma("LIBRERIA/LamTrifaseStandard.lam"));
        QVERIFY(!Riga(17).contains(QStringLiteral(" /  /")));
        QCOMPARE(Visibili(), std::vector<int>{3});

        // A file that cannot be read: the reader's message, and nothing else changes.
        QFile f(File(QStringLiteral("rotta.lam")));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray("\x30\x00", 2)) == 2);
        f.close();
        const QString riga3 = Riga(3), libreria = cmd().Libreria->text();
        const std::string percorso = d->FileLibreria;
        msg->Attendi();
        Apri(File(QStringLiteral("rotta.lam")));
        QCOMPARE(msg->Ultimo() + " | " + msg->UltimoTitolo(),
                 QStringLiteral("Errore di Aperture File Libreria | Apri Libreria Lamierini"));
        QVERIFY(Riga(3) == riga3 && cmd().Libreria->text() == libreria && d->FileLibreria == percorso);
        QVERIFY(d->NumElementi == 17 && w->ui.Opt_TipoLam[3]->isChecked());
    }
};

QTEST_MAIN(TestFrmCreaLibLam)
#include "test_frm_crealiblam.moc"
