// The wire library editor: load state, key filter and cell checks, the
// computation as typed, open, save and print, and the library files written.
#include <memory>

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "UiTestSupport.h"
#include "editors/Frm_CreaLibRame.h"
#include "editors/GrigliaEditor.h"
#include "engine/ModuleDIC.h"
#include "files/LibRame.h"
#include "files/RecordFile.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"

namespace {

enum Col { NUDO, ISOLATO, SEZIONE, SPIRE, KF, OHM, PESO };

// Rows typed in order, each {bare, enamelled}.
using Righe = std::vector<std::pair<const char*, const char*>>;

const Righe kTreFili = {{"0,50", "0,55"}, {"0,30", "0,34"}, {"0,40", "0,45"}};

}  // namespace

class TestFrmCreaLibRame : public QObject {
    Q_OBJECT

    std::unique_ptr<ModuleDIC> d;
    std::unique_ptr<Frm_CreaLibRame> w;
    std::unique_ptr<FakeMessaggiUi> msg;
    std::unique_ptr<FakeDialoghiUi> dlg;
    std::unique_ptr<Sorveglianza> guardia;
    std::unique_ptr<QTemporaryDir> cartella;

    EditorLibreria::Comandi& cmd() { return w->cmd; }
    Frm_CreaLibRame::Controlli& ui() { return w->ui; }

    QModelIndex Cella(int riga, int col) {
        return ui().Griglia[riga / 19]->Modello()->index(riga % 19, col);
    }
    QString Testo(int riga, int col) { return Cella(riga, col).data().toString(); }
    bool Gialla(int riga, int col) { return Cella(riga, col).data(Qt::BackgroundRole).value<QColor>() == kGiallo; }
    // A cell typed and left, as its editor commits it.
    void Scrivi(int riga, int col, const char* testo) {
        QVERIFY(ui().Griglia[riga / 19]->Modello()->setData(Cella(riga, col), Qs(testo), Qt::EditRole));
    }
    void Inserisci(const Righe& righe) {
        for (size_t i = 0; i < righe.size(); ++i) {
            Scrivi(static_cast<int>(i), NUDO, righe[i].first);
            Scrivi(static_cast<int>(i), ISOLATO, righe[i].second);
        }
    }
    void Calcola(const Righe& righe) {
        cmd().Cmd_Modifica->click();
        Inserisci(righe);
        cmd().Calcola->click();
    }
    QString Percorso(const QString& nome) { return cartella->filePath(nome); }
    void Mostra() {
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    // A second window on the same data, as the next press of the start window's button makes.
    void NuovaFinestra() {
        w = std::make_unique<Frm_CreaLibRame>(*d);
        w->Form_Load();
    }
    // Opens a file through the open dialog.
    void Apri(const QString& percorso) {
        dlg->percorsiApri.push_back(percorso);
        cmd().Cmd_Apri->click();
    }
    // The seven visible texts of a row, joined by " / ".
    QString Riga(int riga) {
        QStringList t;
        for (int c = NUDO; c <= PESO; ++c) t << Testo(riga, c);
        return t.join(QStringLiteral(" / "));
    }
    QByteArray Contenuto(const QString& percorso) {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() {
        msg = std::make_unique<FakeMessaggiUi>();
        dlg = std::make_unique<FakeDialoghiUi>();
        guardia = std::make_unique<Sorveglianza>();
        cartella = std::make_unique<QTemporaryDir>();
        d = std::make_unique<ModuleDIC>();
        NuovaFinestra();
        Piattaforma::AzzeraBeep();
    }
    void cleanup() {
        w.reset();
        guardia->Verifica();
        guardia.reset();
        dlg.reset();
        msg.reset();
    }

    void loadState() {
        // What a design window left in the shared data stays there.
        d->FiloNudo[3][0] = 0.7f;
        d->NumElementi = 12;
        d->FileLibreria = "x.lam";
        d->UltimaLibRame = "LibRame1.wir";
        d->Rec[5] = "keep";
        NuovaFinestra();
        QCOMPARE(w->objectName(), QStringLiteral("Frm_CreaLibRame"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Crea Libreria Filo Rame Smaltato"));
        QCOMPARE(ui().Griglia[0]->objectName(), QStringLiteral("Griglia(0)"));
        QCOMPARE(ui().Griglia[1]->objectName(), QStringLiteral("Griglia(1)"));
        QCOMPARE(Cella(5, NUDO).data(Qt::AccessibleTextRole).toString(), QStringLiteral("Txt_FiloNudo(5)"));
        QCOMPARE(Cella(20, PESO).data(Qt::AccessibleTextRole).toString(), QStringLiteral("Lbl_PesoFilo(20)"));
        QCOMPARE(ui().Griglia[1]->Modello()->headerData(6, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("Peso in grammi di un metro di Filo"));
        QCOMPARE(cmd().Libreria->text(), QStringLiteral("Nome Libreria Filo Rame Smaltato"));
        for (int r = 0; r < 38; ++r) {
            QCOMPARE(Riga(r), QStringLiteral(" /  / 0 / 0 / 0 / 0 / 0"));
            QVERIFY(!Gialla(r, NUDO) && !Gialla(r, ISOLATO));
            QVERIFY(!(Cella(r, NUDO).flags() & Qt::ItemIsEnabled));
        }
        const struct {
            CampoNumerico* campo;
            const char* testo;
            const char* suggerimento;
        } campi[] = {{ui().Txt_CoefKf, "1,05", "da 1,00 a 2,00 "},
                     {ui().Txt_Ohm_m, "0,0176", "da 0,001 a 2,00 "},
                     {ui().Txt_PesSpeRam, "8,9", "da 3,00 a 15,0 "}};
        for (const auto& c : campi) {
            QCOMPARE(c.campo->text(), Qs(c.testo));
            QCOMPARE(c.campo->toolTip(), Qs(c.suggerimento));
            QVERIFY(!c.campo->Giallo());
            QVERIFY(!c.campo->isEnabled());
        }
        QCOMPARE(d->KfRame[0][0], 1.05f);
        QCOMPARE(d->OhmRame[0][0], 0.0176f);
        QCOMPARE(d->PesSpeRame[0][0], 8.9f);
        for (QPushButton* b : {cmd().Cmd_Salva, cmd().Cmd_SalvaNome, cmd().Calcola}) QVERIFY(!b->isEnabled());
        for (QPushButton* b : {cmd().Cmd_Apri, cmd().Cmd_Modifica, cmd().Cmd_Stampa, cmd().Cmd_Esci})
            QVERIFY(b->isEnabled());
        QCOMPARE(d->FiloNudo[3][0], 0.7f);
        QCOMPARE(d->NumElementi, int16_t(12));
        QCOMPARE(d->FileLibreria, std::string("x.lam"));
        QCOMPARE(d->UltimaLibRame, std::string("LibRame1.wir"));
        QCOMPARE(d->Rec[5], std::string("keep"));
    }

    void keyFilter_data() {
        QTest::addColumn<QString>("campo");  // "" = the editor of cell (0, bare)
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("beep");
        QTest::newRow("cell: 6th character") << "" << "0,1234" << "0,123" << 1;
        QTest::newRow("cell: second comma") << "" << "1,,5" << "1,5" << 1;
        QTest::newRow("cell: letter") << "" << "1a" << "1" << 1;
        QTest::newRow("Kf: 6th character") << "Txt_CoefKf" << "1,0555" << "1,055" << 1;
        QTest::newRow("resistivity takes 6") << "Txt_Ohm_m" << "0,01765" << "0,0176" << 1;
        QTest::newRow("weight: second comma") << "Txt_PesSpeRam" << "8,,9" << "8,9" << 1;
    }
    void keyFilter() {
        QFETCH(QString, campo);
        QFETCH(QString, tasti);
        QFETCH(QString, testo);
        QFETCH(int, beep);
        Mostra();
        cmd().Cmd_Modifica->click();
        CampoNumerico* c = nullptr;
        if (campo.isEmpty()) {
            ui().Griglia[0]->setCurrentIndex(Cella(0, NUDO));
            c = Figlio<CampoNumerico>(w.get(), QStringLiteral("Txt_FiloNudo(0)"));
        } else {
            c = Figlio<CampoNumerico>(w.get(), campo);
            c->clear();
            c->setFocus();
        }
        QVERIFY(c);
        QTest::keyClicks(c, tasti);
        QCOMPARE(c->text(), testo);
        QCOMPARE(Piattaforma::BeepContati(), beep);
    }

    void checksColour_data() {
        QTest::addColumn<QString>("campo");  // "" = cell (4, enamelled)
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("gialla");
        QTest::newRow("Kf 2,5") << "Txt_CoefKf" << "2,5" << true;
        QTest::newRow("Kf 1") << "Txt_CoefKf" << "1" << false;
        QTest::newRow("Kf 2") << "Txt_CoefKf" << "2" << false;
        QTest::newRow("Kf empty") << "Txt_CoefKf" << "" << true;
        QTest::newRow("resistivity 0,0009") << "Txt_Ohm_m" << "0,0009" << true;
        QTest::newRow("weight 15") << "Txt_PesSpeRam" << "15" << false;
        QTest::newRow("weight lone comma") << "Txt_PesSpeRam" << "," << true;
        QTest::newRow("cell 0") << "" << "0" << true;
        QTest::newRow("cell empty") << "" << "" << true;
        QTest::newRow("cell lone comma") << "" << "," << true;
        QTest::newRow("cell 0,001") << "" << "0,001" << false;
        QTest::newRow("cell 100") << "" << "100" << false;
        QTest::newRow("cell 100,01") << "" << "100,1" << true;
    }
    void checksColour() {
        QFETCH(QString, campo);
        QFETCH(QString, testo);
        QFETCH(bool, gialla);
        cmd().Cmd_Modifica->click();
        if (campo.isEmpty()) {
            Scrivi(4, ISOLATO, U8(testo).c_str());
            QCOMPARE(Gialla(4, ISOLATO), gialla);
            QCOMPARE(Testo(4, ISOLATO), testo);
        } else {
            auto* c = Figlio<CampoNumerico>(w.get(), campo);
            c->setText(testo);
            c->EseguiControllo();
            QCOMPARE(c->Giallo(), gialla);
            QCOMPARE(c->text(), testo);
        }
        QVERIFY(msg->boxes.empty());
    }

    void computesTypedTable() {
        Mostra();
        cmd().Cmd_Modifica->click();
        Inserisci({{"0,50", "0,55"}, {"0,30", "0,34"}, {"0,40", ""}});
        // The last enamelled diameter is typed and not left before "Calcola Filo".
        ui().Griglia[0]->setCurrentIndex(Cella(2, ISOLATO));
        auto* c = Figlio<CampoNumerico>(w.get(), QStringLiteral("Txt_FiloIsolato(2)"));
        QVERIFY(c);
        QTest::keyClicks(c, QStringLiteral("0,45"));
        QTest::mouseClick(cmd().Calcola, Qt::LeftButton);
        QCOMPARE(Riga(0), QStringLiteral("0,30 / 0,340 / 0,0707 / 28,01 / 1,05 / 0,2490 / 0,63"));
        QCOMPARE(Riga(1), QStringLiteral("0,40 / 0,450 / 0,1257 / 21,16 / 1,05 / 0,1401 / 1,12"));
        QCOMPARE(Riga(2), QStringLiteral("0,50 / 0,550 / 0,1963 / 17,32 / 1,05 / 0,0896 / 1,75"));
        QCOMPARE(Riga(3), QStringLiteral("0 / 0 / 0 / 0 / 0 / 0 / 0"));
        QCOMPARE(d->NumElementi, int16_t(2));
        QCOMPARE(d->Rec[76], std::string("0,07068578"));
        QVERIFY(!(Cella(0, NUDO).flags() & Qt::ItemIsEnabled));
        QVERIFY(!ui().Txt_CoefKf->isEnabled() && !cmd().Calcola->isEnabled());
        QVERIFY(cmd().Cmd_Salva->isEnabled() && cmd().Cmd_SalvaNome->isEnabled());
        QVERIFY(msg->boxes.empty());
    }

    void failedComputationStaysEditable() {
        cmd().Cmd_Modifica->click();
        Inserisci(kTreFili);
        ui().Txt_Ohm_m->clear();
        msg->Attendi();
        cmd().Calcola->click();
        QCOMPARE(msg->Ultimo(), QStringLiteral("Manca il valore della Resistivit\u00e0"));
        QVERIFY(ui().Txt_Ohm_m->Giallo() && ui().Txt_Ohm_m->isEnabled());
        QVERIFY(cmd().Calcola->isEnabled() && !cmd().Cmd_Salva->isEnabled());
        QCOMPARE(Testo(0, NUDO), QStringLiteral("0,3"));  // sorted before the check
    }

    void saveNamesAndExtension_data() {
        QTest::addColumn<QString>("scelto");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("titolo");
        QTest::newRow("extension added") << "rame" << "rame.wir" << "rame";
        QTest::newRow("upper-case extension kept") << "rame.WIR" << "rame.WIR" << "rame.WIR";
        QTest::newRow("folder holding .wir") << "lib.wir/rame" << "lib.wir/rame" << "rame";
    }
    void saveNamesAndExtension() {
        QFETCH(QString, scelto);
        QFETCH(QString, file);
        QFETCH(QString, titolo);
        QVERIFY(QDir(cartella->path()).mkpath(QStringLiteral("lib.wir")));
        w->ImpostaCartellaApplicazione(cartella->path());
        Calcola(kTreFili);
        dlg->percorsiSalva.push_back(Percorso(scelto));
        cmd().Cmd_SalvaNome->click();
        QCOMPARE(dlg->chiamate.back().titolo, QStringLiteral("Salva Libreria Filo Rame Smaltato"));
        QCOMPARE(dlg->chiamate.back().filtro, QStringLiteral("Libreria Filo Rame Smaltato(*.wir)|*.wir"));
        QCOMPARE(dlg->chiamate.back().cartella, cartella->path() + QStringLiteral("/LIBRERIA"));
        QCOMPARE(Contenuto(Percorso(file)).size(), 6000);
        QCOMPARE(cmd().Libreria->text(), titolo);
        QCOMPARE(Qs(d->UltimaLibRame), titolo);
        QVERIFY(!cmd().Cmd_Salva->isEnabled() && !cmd().Cmd_SalvaNome->isEnabled());
    }

    void savedLibraryReopens() {
        // 20 wires of 0,10 to 1,05 mm.
        std::vector<std::string> testi;
        Righe righe;
        for (int i = 0; i < 20; ++i) {
            testi.push_back(num::Format(0.10 + 0.05 * i, "0.00"));
            testi.push_back(num::Format(0.14 + 0.05 * i, "0.00"));
        }
        for (int i = 0; i < 20; ++i) righe.push_back({testi[2 * i].c_str(), testi[2 * i + 1].c_str()});
        Calcola(righe);
        QStringList mostrate;
        for (int r = 0; r < 38; ++r) mostrate << Riga(r);
        dlg->percorsiSalva.push_back(Percorso(QStringLiteral("rame")));
        cmd().Cmd_SalvaNome->click();

        NuovaFinestra();
        Apri(Percorso(QStringLiteral("rame.wir")));
        QCOMPARE(dlg->chiamate.back().titolo, QStringLiteral("Apri Libreria Filo Rame Smaltato"));
        for (int r = 0; r < 38; ++r) QCOMPARE(Riga(r), mostrate[r]);
        QCOMPARE(Riga(19), QStringLiteral("1,05 / 1,090 / 0,8659 / 8,74 / 1,05 / 0,0203 / 7,71"));
        QCOMPARE(Riga(20), QStringLiteral("0 / 0 / 0 / 0 / 0 / 0 / 0"));
        QCOMPARE(d->NumElementi, int16_t(21));
        QCOMPARE(cmd().Libreria->text(), Percorso(QStringLiteral("rame.wir")));
        QCOMPARE(ui().Txt_Ohm_m->text(), QStringLiteral("0,0176"));
        QCOMPARE(ui().Txt_PesSpeRam->text(), QStringLiteral("8,90"));
        // Opening changes no enabled state.
        QVERIFY(!(Cella(0, NUDO).flags() & Qt::ItemIsEnabled) && !cmd().Cmd_Salva->isEnabled());

        // An earlier layout keeps another quantity in record 77.
        std::vector<std::string> rec(300);
        QVERIFY(recfile::Leggi(U8(Percorso(QStringLiteral("rame.wir"))), 20, 300, rec.data()).ok);
        rec[76] = "0,5";
        QVERIFY(recfile::Scrivi(U8(Percorso(QStringLiteral("vecchia.wir"))), 20, 300, rec.data()).ok);
        msg->Attendi();
        Apri(Percorso(QStringLiteral("vecchia.wir")));
        QCOMPARE(msg->Ultimo(), Qs(MSG_LIBRAME_VECCHIA_EDITOR));
        QCOMPARE(msg->UltimoTitolo(), Qs(TITOLO_LIBRAME_VECCHIA));
        QCOMPARE(Riga(19), QStringLiteral("1,05 / 1,090 / 0 / 0 / 0 / 0 / 0"));
    }

    void thirdDecimalsSurviveReopen() {
        Calcola({{"0,126", "0,15"}, {"0,2", "0,24"}});
        QCOMPARE(Riga(0), QStringLiteral("0,126 / 0,150 / 0,0125 / 63,49 / 1,05 / 1,4115 / 0,11"));
        // A library whose Kf and specific weight have three decimals shows them.
        d->Rec[266] = "1,055";
        d->Rec[268] = "8,925";
        dlg->percorsiSalva.push_back(Percorso(QStringLiteral("tre")));
        cmd().Cmd_SalvaNome->click();
        Apri(Percorso(QStringLiteral("tre.wir")));
        QCOMPARE(ui().Txt_CoefKf->text(), QStringLiteral("1,055"));
        QCOMPARE(ui().Txt_PesSpeRam->text(), QStringLiteral("8,925"));
        QCOMPARE(Testo(0, NUDO), QStringLiteral("0,126"));
        // A new computation from the texts on show keeps them.
        cmd().Cmd_Modifica->click();
        cmd().Calcola->click();
        QCOMPARE(d->FiloNudo[0][0], 0.126f);
        QCOMPARE(d->KfRame[0][0], 1.055f);
    }

    void cancelledDialogsDoNothing() {
        Calcola(kTreFili);
        const std::string rec0 = d->Rec[0];
        cmd().Cmd_Apri->click();
        cmd().Cmd_SalvaNome->click();
        cmd().Cmd_Salva->click();  // no file yet: asks for a name
        QCOMPARE(dlg->chiamate.size(), size_t(3));
        QVERIFY(cmd().Cmd_Salva->isEnabled());
        QCOMPARE(Testo(0, NUDO), QStringLiteral("0,30"));
        QCOMPARE(d->Rec[0], rec0);
        dlg->stampanteOk = false;
        cmd().Cmd_Stampa->click();
        QVERIFY(dlg->stampate.empty());
        dlg->stampanteOk = true;
        cmd().Cmd_Stampa->click();
        QCOMPARE(dlg->stampate.size(), size_t(1));
        QVERIFY(!dlg->orizzontale);
        QVERIFY(msg->boxes.empty());
    }

    void escDoesNotCloseExitDoes() {
        Mostra();
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QVERIFY(w->isVisible());
        cmd().Cmd_Esci->click();
        QVERIFY(!w->isVisible());
        QVERIFY(msg->boxes.empty());
    }

    // ---- the decisions that mend faults

    void readErrorChangesNothing() {
        Calcola(kTreFili);
        const float sezione = d->SezioneFilo[0][0];
        const QString etichetta = cmd().Libreria->text();
        QFile f(Percorso(QStringLiteral("rotta.wir")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x30\x00", 2));  // a record that claims 48 characters
        f.close();
        msg->Attendi();
        Apri(Percorso(QStringLiteral("rotta.wir")));
        QCOMPARE(msg->boxes.size(), size_t(1));
        QCOMPARE(d->SezioneFilo[0][0], sezione);
        QCOMPARE(cmd().Libreria->text(), etichetta);
        QCOMPARE(Riga(0), QStringLiteral("0,30 / 0,340 / 0,0707 / 28,01 / 1,05 / 0,2490 / 0,63"));
    }

    void editDisablesSaves() {
        Calcola(kTreFili);
        QVERIFY(cmd().Cmd_Salva->isEnabled());
        cmd().Cmd_Modifica->click();
        QVERIFY(!cmd().Cmd_Salva->isEnabled() && !cmd().Cmd_SalvaNome->isEnabled());
        cmd().Calcola->click();
        QVERIFY(cmd().Cmd_Salva->isEnabled() && cmd().Cmd_SalvaNome->isEnabled());
    }

    void unwritableSaveIsReported() {
        Calcola(kTreFili);
        const QString percorso = Percorso(QStringLiteral("manca/rame"));
        dlg->percorsiSalva.push_back(percorso);
        msg->Attendi();
        cmd().Cmd_SalvaNome->click();
        QCOMPARE(msg->Ultimo(), QStringLiteral("Errore di Scrittura File Libreria\n") + percorso + ".wir");
        QCOMPARE(msg->UltimoTitolo(), QStringLiteral("Salva Libreria Filo Rame Smaltato"));
        QCOMPARE(msg->boxes.back().stile, mb::Exclamation);
        QVERIFY(cmd().Cmd_Salva->isEnabled() && cmd().Cmd_SalvaNome->isEnabled());
        QVERIFY(d->UltimaLibRame.empty());
        QCOMPARE(cmd().Libreria->text(), QString());
        QVERIFY(w->FileFinestra().isEmpty());
    }

    void saveWritesOnlyTheWindowsFile() {
        // A library name left by a design window is not this window's file.
        d->UltimaLibRame = "LibRame1.wir";
        Calcola(kTreFili);
        dlg->percorsiSalva.push_back(Percorso(QStringLiteral("a")));
        cmd().Cmd_Salva->click();
        QCOMPARE(dlg->chiamate.back().tipo, QStringLiteral("Salva"));
        const QByteArray prima = Contenuto(Percorso(QStringLiteral("a.wir")));

        // A failed open does not count; the next Salva writes a.wir again.
        QFile::copy(Percorso(QStringLiteral("a.wir")), Percorso(QStringLiteral("b.wir")));
        QFile f(Percorso(QStringLiteral("rotta.wir")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x30\x00", 2));
        f.close();
        msg->Attendi();
        Apri(Percorso(QStringLiteral("rotta.wir")));
        Calcola({{"0,2", "0,25"}, {"0,3", "0,36"}});
        const size_t dialoghi = dlg->chiamate.size();
        cmd().Cmd_Salva->click();
        QCOMPARE(dlg->chiamate.size(), dialoghi);
        const QByteArray dopo = Contenuto(Percorso(QStringLiteral("a.wir")));
        QCOMPARE(dopo.size(), 6000);
        QVERIFY(dopo != prima);
        QCOMPARE(Contenuto(Percorso(QStringLiteral("b.wir"))), prima);
        QVERIFY(!cmd().Cmd_Salva->isEnabled());
    }
};

QTEST_MAIN(TestFrmCreaLibRame)
#include "test_frm_crealibrame.moc"
