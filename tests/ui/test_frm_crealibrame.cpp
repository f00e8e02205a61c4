// The wire library editor: load state, key filter and cell checks, the
// computation as typed, open, save and print, and the library files written.
// Expected figures were worked out apart, in 32-bit floats.

#include "UiTestSupport.h"
#include "editors/Frm_CreaLibRame.h"
#include "editors/GrigliaEditor.h"
#include "engine/ModuleDIC.h"
#include "files/LibRame.h"
#include "files/RecordFile.h"
#include "platform/ui/Ui.h"

namespace {

enum Col { NUDO, ISOLATO };
using Righe = std::vector<std::pair<QString, QString>>;  // {bare, enamelled} from row 0
const Righe kTreFili = {{"0,50", "0,55"}, {"0,30", "0,34"}, {"0,40", "0,45"}};
const QString kRiga0 = QStringLiteral("0,30 / 0,340 / 0,0707 / 28,01 / 1,05 / 0,2490 / 0,63");
const QString kZeri = QStringLiteral("0 / 0 / 0 / 0 / 0 / 0 / 0");

}  // namespace

// The delegate's drawing options, as the view asks for them.
struct DelegatoAperto : DelegatoGriglia {
    using DelegatoGriglia::initStyleOption;
};

class TestFrmCreaLibRame : public QObject, ProvaEditore<Frm_CreaLibRame> {
    Q_OBJECT

    QModelIndex Cella(int riga, int col) { return w->ui.Griglia[riga / 19]->Modello()->index(riga % 19, col); }
    bool Gialla(int riga, int col) { return Cella(riga, col).data(Qt::BackgroundRole).value<QColor>() == kGiallo; }
    // The seven texts of a row, joined by " / ".
    QString Riga(int riga) {
        QStringList t;
        for (int c = 0; c < 7; ++c) t << Cella(riga, c).data().toString();
        return t.join(QStringLiteral(" / "));
    }
    // Cells typed and left, as their editor commits them.
    void Inserisci(const Righe& righe) {
        for (int i = 0; i < static_cast<int>(righe.size()); ++i)
            for (int c : {NUDO, ISOLATO})
                w->ui.Griglia[i / 19]->Modello()->setData(Cella(i, c), c == NUDO ? righe[i].first : righe[i].second);
    }
    void Calcola(const Righe& righe) {
        cmd().Cmd_Modifica->click();
        Inserisci(righe);
        cmd().Calcola->click();
    }
    std::vector<std::string> Record(const QString& nome) {
        std::vector<std::string> rec(300);
        recfile::Leggi(U8(File(nome)), 20, 300, rec.data());
        return rec;
    }
    CampoNumerico* ApriCella(int riga, int col) {
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w.get(), kAttesaMs)) return nullptr;
        VistaGriglia* v = w->ui.Griglia[riga / 19];
        v->setCurrentIndex({});
        v->setCurrentIndex(Cella(riga, col));  // a click on a cell opens its field, named after it
        CampoNumerico* c = v->Delegato()->Aperto();
        const QString nome = NomeIndice(col == NUDO ? "Txt_FiloNudo" : "Txt_FiloIsolato", riga);
        return c && c->objectName() == nome && c->hasFocus() ? c : nullptr;
    }

private slots:
    // A computed figure wider than its cell is drawn with a font in which it
    // fits; one that fits keeps the table's font.
    void cellaCalcolataIntera() {
        std::string testo;
        ColonnaGriglia c;
        c.nome = "Lbl_Prova";
        c.testo = [&](int) -> std::string& { return testo; };
        ModelloGriglia m({c}, 0, 1);
        QTableView vista;
        DelegatoAperto delegato;
        for (const char* t : {"0,5", "12345678,123"}) {
            testo = t;
            QStyleOptionViewItem o;
            o.initFrom(&vista);
            o.widget = &vista;
            o.rect = QRect(0, 0, 40, 19);
            delegato.initStyleOption(&o, m.index(0, 0));
            QCOMPARE(o.text, QString::fromLatin1(t));
            QVERIFY2(QFontMetrics(o.font).horizontalAdvance(o.text) <= 40 - 2, t);
            QCOMPARE(o.font == vista.font(), testo == "0,5");
        }
    }

    void init() {
        Inizia();
        // What a design window left in the shared data stays there.
        d->FiloNudo[3][0] = 0.7f;
        d->NumElementi = 12;
        d->UltimaLibRame = "LibRame1.wir";
        d->Rec[5] = "keep";
        NuovaFinestra();
    }
    void cleanup() { Finisci(); }

    void loadState() {
        QCOMPARE(Cella(20, 6).data(Qt::AccessibleTextRole).toString(), QStringLiteral("Lbl_PesoFilo(20)"));
        for (int r = 0; r < 38; ++r)
            QVERIFY(Riga(r) == QStringLiteral(" /  / 0 / 0 / 0 / 0 / 0") && !Gialla(r, NUDO) && !(Cella(r, NUDO).flags() & Qt::ItemIsEnabled));
        QCOMPARE(w->ui.Txt_CoefKf->text() + " " + w->ui.Txt_Ohm_m->text() + " " + w->ui.Txt_PesSpeRam->text(),
                 QStringLiteral("1,05 0,0176 8,9"));
        QVERIFY(!w->ui.Txt_CoefKf->isEnabled() && !cmd().Cmd_Salva->isEnabled() && !cmd().Calcola->isEnabled());
        QVERIFY(d->OhmRame[0][0] == 0.0176f && d->FiloNudo[3][0] == 0.7f && d->NumElementi == 12);
    }

    // Keys refused with a beep; the check on leaving only colours (empty, lone comma or out of range: yellow).
    void keyFilterAndChecks() {
        cmd().Cmd_Modifica->click();
        // campo "": the field of cell (0, enamelled)
        const struct { const char* campo; QString tasti, testo; bool gialla; } casi[] = {
            {"", "0,1234", "0,123", false}, {"", "0", "0", true}, {"", "100,1", "100,1", true}, {"", "0,001", "0,001", false},
            {"Txt_CoefKf", "2,5", "2,5", true}, {"Txt_CoefKf", "1", "1", false}, {"Txt_PesSpeRam", ",", ",", true}};
        for (const auto& k : casi) {
            CampoNumerico* c = *k.campo ? Figlio<CampoNumerico>(w.get(), k.campo) : ApriCella(0, ISOLATO);
            QVERIFY(c);
            c->clear();
            Piattaforma::AzzeraBeep();
            QTest::keyClicks(c, k.tasti);
            QVERIFY2(c->text() == k.testo && Piattaforma::BeepContati() == (k.tasti == k.testo ? 0 : 1), qPrintable(k.tasti));
            QTest::keyClick(c, Qt::Key_Return);  // runs the check; a cell's edit ends with it
            QCoreApplication::processEvents();
            QVERIFY2((*k.campo ? c->Giallo() : Gialla(0, ISOLATO)) == k.gialla, qPrintable(k.testo));
            QCOMPARE(*k.campo ? c->text() : Cella(0, ISOLATO).data().toString(), k.testo);
        }
    }

    // A click into a cell opens its field at once, its text selected: also a
    // click back into the current cell after another box took the focus.
    void clickIntoCellTypesAtOnce() {
        cmd().Cmd_Modifica->click();
        Inserisci({{"0,5", ""}});
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get(), kAttesaMs));
        for (const auto& [riga, tasti] : {std::pair{1, "12"}, {1, "7"}, {0, "7"}}) {
            const QString cella = NomeIndice("Txt_FiloNudo", riga);
            QCOMPARE(CliccaEScrivi(w->ui.Griglia[0], Cella(riga, NUDO), tasti), cella + ':' + tasti);
            QTest::mouseClick(w->ui.Txt_CoefKf, Qt::LeftButton);
            QVERIFY2(w->ui.Txt_CoefKf->hasFocus() && Cella(riga, NUDO).data().toString() == tasti, tasti);
        }
    }

    // Tab out of a table's last open cell (Backtab out of its first) goes on to
    // the window's next (previous) control, the other table's first (last)
    // cell included, and the key typed next goes there; the cell left keeps
    // its text, checked (0 mm: yellow). Come back by the other key, the cell
    // left, still current, is open again: End and a digit go into its text.
    void tabOutOfTables() {
        cmd().Cmd_Modifica->click();
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get(), kAttesaMs));
        const struct { int riga; Col col; Qt::Key tasto; const char* dopo; const char* tornato = nullptr; } casi[] = {
            {19, NUDO, Qt::Key_Backtab, "Txt_FiloIsolato(18):3"}, {37, ISOLATO, Qt::Key_Tab, "Txt_CoefKf:3", "Txt_FiloIsolato(37):03"},
            {18, ISOLATO, Qt::Key_Tab, "Txt_FiloNudo(19):3"},  // not the cell current there
            {0, NUDO, Qt::Key_Backtab, "Cmd_FiloRame:Calcola Filo", "Txt_FiloNudo(0):03"}};
        for (const auto& k : casi) {
            const QString cella = NomeIndice(k.col == NUDO ? "Txt_FiloNudo" : "Txt_FiloIsolato", k.riga);
            QCOMPARE(CliccaEScrivi(w->ui.Griglia[k.riga / 19], Cella(k.riga, k.col), "0"), cella + ":0");
            QCOMPARE(TastoEScrivi(k.tasto, "3"), QString::fromLatin1(k.dopo));
            QVERIFY2(Cella(k.riga, k.col).data().toString() == "0" && Gialla(k.riga, k.col), qPrintable(cella));
            if (!k.tornato) continue;
            QTest::keyClick(QApplication::focusWidget(), k.tasto == Qt::Key_Tab ? Qt::Key_Backtab : Qt::Key_Tab);
            QCOMPARE(TastoEScrivi(Qt::Key_End, "3"), QString::fromLatin1(k.tornato));
        }
    }

    void computesTypedTableAndEditWaitsForIt() {
        cmd().Cmd_Modifica->click();
        Inserisci({{"0,50", "0,55"}, {"0,30", "0,34"}, {"0,40", ""}});
        // The last enamelled diameter is typed, and the next cell is open, when "Calcola Filo" is pressed.
        CampoNumerico* c = ApriCella(2, ISOLATO);
        QVERIFY(c);
        QTest::keyClicks(c, QStringLiteral("0,45"));
        QTest::keyClick(c, Qt::Key_Tab);  // on to the next row's bare diameter, over the computed columns
        CampoNumerico* dopo = w->ui.Griglia[0]->Delegato()->Aperto();
        QVERIFY(dopo && dopo->objectName() == QStringLiteral("Txt_FiloNudo(3)"));
        QTest::mouseClick(cmd().Calcola, Qt::LeftButton);
        QCOMPARE(Riga(0), kRiga0);
        QCOMPARE(Cella(2, NUDO).data().toString(), QStringLiteral("0,50"));   // sorted; figures are the core test's
        QVERIFY(Riga(3) == kZeri && !(Cella(0, NUDO).flags() & Qt::ItemIsEnabled) && !w->ui.Txt_CoefKf->isEnabled());
        QVERIFY(!cmd().Calcola->isEnabled() && cmd().Cmd_Salva->isEnabled());
        // Editing again holds both saves back until the next computation.
        cmd().Cmd_Modifica->click();
        QVERIFY(!cmd().Cmd_Salva->isEnabled() && !cmd().Cmd_SalvaNome->isEnabled());
        cmd().Calcola->click();
        QVERIFY(cmd().Cmd_Salva->isEnabled() && cmd().Cmd_SalvaNome->isEnabled());
    }

    // "Salva Libreria" asks for a name: the library name a design window left is
    // not this window's file. The extension is added unless the name holds it
    // anywhere (another letter case: the lamination editor's test).
    void saveNamesAndExtension() {
        QVERIFY(QDir(cartella->path()).mkpath(QStringLiteral("lib.wir/LIBRERIA")));
        for (auto [scelto, file] : {std::pair{"rame", "rame.wir"}, {"lib.wir/rame", "lib.wir/rame"}}) {
            NuovaFinestra();
            w->ImpostaCartellaApplicazione(File(QStringLiteral("lib.wir")));
            Calcola(kTreFili);
            dlg->percorsiSalva.push_back(File(scelto));
            cmd().Cmd_Salva->click();
            const auto& c = dlg->chiamate.back();
            QVERIFY2(c.cartella == File(QStringLiteral("lib.wir/LIBRERIA")) && QFileInfo(File(file)).size() == 6000, file);
            const QString nome = QFileInfo(scelto).fileName();
            QVERIFY(cmd().Libreria->text() == nome && Qs(d->UltimaLibRame) == nome);
            QVERIFY(!cmd().Cmd_Salva->isEnabled() && !cmd().Cmd_SalvaNome->isEnabled());
        }
    }

    void savedLibraryReopens() {
        Righe righe;  // 20 wires of 0,10 to 1,05 mm
        for (int i = 0; i < 20; ++i)
            righe.push_back({QString::number(0.10 + 0.05 * i, 'f', 2).replace('.', ','),
                             QString::number(0.14 + 0.05 * i, 'f', 2).replace('.', ',')});
        Calcola(righe);
        SalvaNome(QStringLiteral("rame"));
        NuovaFinestra();
        Apri(File(QStringLiteral("rame.wir")));
        QVERIFY(Riga(19) == QStringLiteral("1,05 / 1,090 / 0,8659 / 8,74 / 1,05 / 0,0203 / 7,71") && Riga(20) == kZeri);
        QVERIFY(cmd().Libreria->text() == File(QStringLiteral("rame.wir")) && w->ui.Txt_PesSpeRam->text() == QStringLiteral("8,90"));
        QVERIFY(!(Cella(0, NUDO).flags() & Qt::ItemIsEnabled));  // opening changes no enabled state

        // An earlier layout keeps another quantity in record 77.
        std::vector<std::string> rec = Record(QStringLiteral("rame.wir"));
        rec[76] = "0,5";
        QVERIFY(recfile::Scrivi(U8(File(QStringLiteral("vecchia.wir"))), 20, 300, rec.data()).ok);
        msg->Attendi();
        Apri(File(QStringLiteral("vecchia.wir")));
        QVERIFY(msg->Ultimo() == Qs(MSG_LIBRAME_VECCHIA_EDITOR) && msg->UltimoTitolo() == Qs(TITOLO_LIBRAME_VECCHIA));
        QCOMPARE(Riga(19), QStringLiteral("1,05 / 1,090 / 0 / 0 / 0 / 0 / 0"));
    }

    // A coefficient the field only colours stops both saves with the box the
    // reader's ranges give (Kf 1 to 2, resistivity 0,001 to 2, specific weight
    // 3 to 15): nothing written, not even the file Salva writes to.
    void tableTheReaderRefusesIsNotSaved() {
        Calcola(kTreFili);
        SalvaNome(QStringLiteral("a"));
        const auto byte = [this] {
            QFile f(File(QStringLiteral("a.wir")));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QByteArray prima = byte();
        const struct { const char* campo; const char* testo; QString motivo; } casi[] = {
            {"Txt_CoefKf", "3", QStringLiteral("Coefficiente di Riempimento Kf: 3 (valori ammessi da 1 a 2)")},
            {"Txt_Ohm_m", "999999",
             QStringLiteral("Resistività Specifica Filo Rame (Ohm·mm²/m): 999999 (valori ammessi da 0,001 a 2)")},
            {"Txt_PesSpeRam", "99999",
             QStringLiteral("Peso Specifico Filo Rame (kg/dm³ ): 99999 (valori ammessi da 3 a 15)")},
        };
        for (const auto& c : casi) {
            CampoNumerico* campo = Figlio<CampoNumerico>(w.get(), c.campo);
            const QString giusto = campo->text();
            cmd().Cmd_Modifica->click();
            campo->setText(QString::fromUtf8(c.testo));
            cmd().Calcola->click();
            QVERIFY(cmd().Cmd_Salva->isEnabled());
            msg->Attendi();
            cmd().Cmd_Salva->click();
            msg->Attendi();
            SalvaNome(QStringLiteral("b"));
            QCOMPARE(msg->Mostrati(), QStringList(2, "Libreria non salvata: non si potrebbe riaprire.\n" + c.motivo));
            QVERIFY(msg->boxes[0].stile == mb::Exclamation && msg->UltimoTitolo() == QStringLiteral("Crea Libreria Filo Rame Smaltato"));
            QVERIFY(!QFileInfo::exists(File(QStringLiteral("b.wir"))) && byte() == prima);
            msg->Azzera();
            dlg->percorsiSalva.clear();
            cmd().Cmd_Modifica->click();
            campo->setText(giusto);
        }
    }

    void thirdDecimalsSurviveReopen() {
        Calcola({{"0,126", "0,15"}, {"0,2", "0,24"}});
        QCOMPARE(Riga(0), QStringLiteral("0,126 / 0,150 / 0,0125 / 63,49 / 1,05 / 1,4115 / 0,11"));
        d->Rec[266] = "1,055";  // Kf and specific weight with a third decimal
        d->Rec[268] = "8,925";
        SalvaNome(QStringLiteral("tre"));
        Apri(File(QStringLiteral("tre.wir")));
        QCOMPARE(w->ui.Txt_CoefKf->text() + " " + w->ui.Txt_PesSpeRam->text(), QStringLiteral("1,055 8,925"));
        cmd().Cmd_Stampa->click();  // named after the library on show
        QCOMPARE(dlg->nomeStampa, QStringLiteral("tre"));
        cmd().Cmd_Modifica->click();
        cmd().Calcola->click();  // from the texts on show
        QVERIFY(d->FiloNudo[0][0] == 0.126f && d->KfRame[0][0] == 1.055f && d->PesSpeRame[0][0] == 8.925f);
    }

    void cancelledDialogsPrintAndExit() {
        Calcola(kTreFili);
        const std::string rec0 = d->Rec[0];
        cmd().Cmd_Apri->click();
        cmd().Cmd_SalvaNome->click();
        QVERIFY(dlg->chiamate.size() == size_t(2) && cmd().Cmd_Salva->isEnabled() && Riga(0) == kRiga0 && d->Rec[0] == rec0);
        cmd().Cmd_Stampa->click();  // no library in the window: named after it
        QVERIFY(dlg->stampate.size() == 1 && !dlg->orizzontale && dlg->nomeStampa == w->windowTitle());
        w->show();
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QVERIFY(w->isVisible());
        cmd().Cmd_Esci->click();
        QVERIFY(!w->isVisible());
    }

    // ---- faults mended: a refused read, an unwritable file, which file Salva writes

    void refusedOpenChangesNothingAndDoesNotCount() {
        Calcola(kTreFili);
        SalvaNome(QStringLiteral("a"));
        const float sezione = d->SezioneFilo[0][0];
        QFile f(File(QStringLiteral("rotta.wir")));  // its first record claims 48 characters
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray("\x30\x00", 2)) == 2);
        f.close();
        msg->Attendi();
        Apri(File(QStringLiteral("rotta.wir")));
        QVERIFY(msg->boxes.size() == 1 && d->SezioneFilo[0][0] == sezione);
        QVERIFY(cmd().Libreria->text() == QStringLiteral("a") && Riga(0) == kRiga0);
        // The next Salva writes a.wir again, without a dialog.
        Calcola({{"0,2", "0,25"}, {"0,3", "0,36"}});
        const size_t dialoghi = dlg->chiamate.size();
        cmd().Cmd_Salva->click();
        QVERIFY(dlg->chiamate.size() == dialoghi && Record(QStringLiteral("a.wir"))[0] == std::string("0,2"));
        QVERIFY(!cmd().Cmd_Salva->isEnabled());
    }

    void unwritableSaveIsReported() {
        Calcola(kTreFili);
        msg->Attendi();
        SalvaNome(QStringLiteral("manca/rame"));
        QCOMPARE(msg->Ultimo() + "|" + msg->UltimoTitolo(),
                 "Errore di Scrittura File Libreria\n" + File(QStringLiteral("manca/rame.wir")) +
                     "\nMotivo: il file o la cartella non esiste|Salva Libreria Filo Rame Smaltato");
        QVERIFY(cmd().Cmd_Salva->isEnabled() && cmd().Cmd_SalvaNome->isEnabled());
        QVERIFY(d->UltimaLibRame == "LibRame1.wir" && w->FileFinestra().isEmpty());
    }
};

QTEST_MAIN(TestFrmCreaLibRame)
#include "test_frm_crealibrame.moc"
