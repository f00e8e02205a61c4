// The File menu of the single-phase window and its refill after an open, with
// fake dialogs and boxes and a temporary program folder.
#include <sys/stat.h>

#include <map>
#include <optional>

#include "Progetti.h"
#include "UiTestSupport.h"
#include "engine/ModRoutine.h"
#include "files/Progetto.h"
#include "files/RecordFile.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

namespace {

const QString kBase = QStringLiteral("Calcolo di Trasformatore Monofase");
const QString kStato = QStringLiteral("Inserire i Parametri Desiderati, per ottenere il Calcolo del Trasformatore");
const QString kNuovo = QStringLiteral("67 Nuovo Progetto di Calcolo Trasformatore: Prima di Creare un Nuovo Progetto di Calcolo\n    Vuoi Salvare il Progetto di "
                                      "Calcolo\n       del Trasformatore Esistente ?");
const QString kChiudi = QStringLiteral("68 Chiusura Progetto di Calcolo Trasformatore: Prima di Chiudere il Progetto di Calcolo\n    Vuoi Salvare le Ultime Modifiche\n"
                                       "       del Trasformatore Esistente ?");
const QString kEsiste = QStringLiteral("36 Salva Progetto Trasformatore Monofase: Il file prova.tmf esiste già.\nSostituirlo?");
const QString kNonSalvato = QStringLiteral("48 Verifica File Progetto Trasformatore: Impossibile salvare");
// A file that opens but is no project of this window: its name, then why.
const QString kRifiuto = QStringLiteral("48 Verifica File Progetto Trasformatore: Il File %1 non è un Progetto valido\n%2");
const QString kAltroTipo = kRifiuto.arg("altro.tmf", "Il File non contiene un Progetto di Trasformatore Monofase");
const QString kNessuno = QStringLiteral("Il contenuto del file non è quello di un progetto: è forse una libreria di fili o di "
                                        "lamierini, un testo o il file di un altro programma.");
// A path that is no file to read, the path the dialog gave standing as %1.
const QString kNonUnFile = QStringLiteral("48 Verifica File Progetto Trasformatore: Impossibile aprire il progetto:\n\"%1\" non è un file");
const QString kLungo = QStringLiteral("48 Verifica File Progetto Trasformatore: Nome File Troppo Lungo          201\nNON è possibile %1 questo File.%2\nRinominare File con meno caratteri     ");
constexpr int kSecVolt0 = 8273;  // record of SecVolt(0)

QString Record(const QString& file, int n) {
    std::vector<std::string> rec(progetto::NUM_RECORD);
    return recfile::Leggi(U8(file), progetto::LUNG_REC, progetto::NUM_RECORD, rec.data()).ok ? Qs(rec[n - 1]) : QString();
}

}  // namespace

class TestMenuProgetto : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> tmp;
    std::unique_ptr<ModuleDIC> d;
    std::unique_ptr<Frm_Alim> w;
    std::unique_ptr<FakeMessaggiUi> msg;
    std::unique_ptr<FakeDialoghiUi> dlg;
    Frm_Alim::Controlli& ui() { return w->ui; }

    QString Archivio(const QString& nome = {}) const {
        return tmp->path() + QStringLiteral("/Archivio") + (nome.isEmpty() ? QString() : QLatin1Char('/') + nome);
    }
    void Finestra() {
        w = std::make_unique<Frm_Alim>(*d);
        w->ImpostaCartellaApplicazione(tmp->path());
        w->Form_Load();
    }
    // The design as it stands, written as a project by the file layer.
    QString Scrivi(const QString& nome) {
        std::string err;
        auto copia = std::make_unique<ModuleDIC>(*d);
        if (!progetto::SalvaProgetto(*copia, U8(Archivio(nome)), "altro", err)) QTest::qFail(err.c_str(), __FILE__, __LINE__);
        return Archivio(nome);
    }

private slots:
    void init() {
        tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(Archivio(QStringLiteral("a.tmf"))));
        QVERIFY(QFile::link(QCoreApplication::applicationDirPath() + QStringLiteral("/LIBRERIA"), tmp->path() + QStringLiteral("/LIBRERIA")));
        msg = std::make_unique<FakeMessaggiUi>();
        dlg = std::make_unique<FakeDialoghiUi>();
        d = std::make_unique<ModuleDIC>();
        d->Versione = "1.5.0";
        Finestra();
    }
    void cleanup() { w.reset(); dlg.reset(); msg.reset(); }

    void menu_data() {
        QTest::addColumn<QString>("azione");
        QTest::addColumn<bool>("conFile");     // after a save as "prova"
        QTest::addColumn<QString>("prepara");
        QTest::addColumn<QString>("dialogo");  // path the file dialog gives ("" not shown, "-" cancelled, #N: N characters)
        QTest::addColumn<QList<int>>("risposte");
        QTest::addColumn<QString>("primoBox");  // "style title: text" of the first box, as it begins (%1: the path chosen)
        QTest::addColumn<QString>("scritto");  // the file that now holds the design ("" none)
        QTest::addColumn<QString>("file");     // caption's file part ("" none, "-" base only)
        QTest::addColumn<bool>("caricato");    // the default design back
        const QList<int> no;
        QTest::newRow("salva con nome") << "SalvaNome" << false << "" << "prova" << no << "" << "prova.tmf" << "prova" << false;
        QTest::newRow("estensione a meta'") << "SalvaNome" << false << "" << "x.TMF.bak" << no << "" << "x.TMF.bak" << "x.TMF.bak" << false;
        QTest::newRow("cartella .tmf") << "SalvaNome" << false << "" << "a.tmf/prova" << no << "" << "a.tmf/prova" << "prova" << false;
        QTest::newRow("esiste, tenuto") << "SalvaNome" << false << "esiste" << "prova" << QList<int>{mb::No} << kEsiste << "" << "-" << false;
        QTest::newRow("200 caratteri") << "SalvaNome" << false << "" << "#200" << no << "" << "#200.tmf" << "prova" << false;
        QTest::newRow("201 caratteri") << "SalvaNome" << false << "" << "#201" << QList<int>{mb::Ok} << kLungo.arg("Salvare", "   ") << "" << "-" << false;
        QTest::newRow("cartella mancante") << "SalvaNome" << false << "" << "manca/x" << QList<int>{mb::Ok} << kNonSalvato << "" << "-" << false;
        QTest::newRow("salva") << "Salva" << true << "" << "" << no << "" << "prova.tmf" << "prova" << false;
        QTest::newRow("salva senza file, annullato") << "Salva" << false << "" << "-" << no << "" << "" << "-" << false;
        QTest::newRow("salva, nome non salvabile") << "Salva" << true << "nome" << "" << QList<int>{mb::Ok} << kNonSalvato << "" << "prova" << false;
        QTest::newRow("nuovo sì") << "Nuovo" << true << "" << "" << QList<int>{mb::Yes} << kNuovo << "prova.tmf" << "" << true;
        QTest::newRow("nuovo no") << "Nuovo" << true << "" << "" << QList<int>{mb::No} << kNuovo << "" << "" << true;
        QTest::newRow("nuovo annulla") << "Nuovo" << true << "" << "" << QList<int>{mb::Cancel} << kNuovo << "" << "prova" << false;
        QTest::newRow("nuovo sì, salva annullato") << "Nuovo" << false << "" << "-" << QList<int>{mb::Yes} << kNuovo << "" << "-" << false;
        QTest::newRow("chiudi sì") << "Chiudi" << true << "" << "" << QList<int>{mb::Yes} << kChiudi << "prova.tmf" << "" << true;
        QTest::newRow("finestra riaperta") << "Riapri" << true << "" << "" << no << "" << "" << "-" << true;
        QTest::newRow("apri trifase") << "Apri" << true << "tipo3" << "altro.tmf" << QList<int>{mb::Ok} << kAltroTipo << "" << "prova" << false;
        QTest::newRow("apri 20 avvolgimenti") << "Apri" << true << "avv20" << "altro.tmf" << QList<int>{mb::Ok} << kAltroTipo << "" << "prova" << false;
        QTest::newRow("apri troncato") << "Apri" << true << "tronco" << "altro.tmf" << QList<int>{mb::Ok}
                                       << kRifiuto.arg("altro.tmf", "Il progetto è incompleto: il file ne contiene solo una parte (5000 record su 9042).")
                                       << "" << "prova" << false;
        QTest::newRow("apri un testo") << "Apri" << true << "testo" << "testo.tmf" << QList<int>{mb::Ok} << kRifiuto.arg("testo.tmf", kNessuno) << "" << "prova" << false;
        QTest::newRow("apri un file vuoto") << "Apri" << true << "vuoto" << "vuoto.tmf" << QList<int>{mb::Ok} << kRifiuto.arg("vuoto.tmf", "Il file è vuoto.") << "" << "prova" << false;
        QTest::newRow("apri libreria fili") << "Apri" << true << "LibRame1.wir" << "filo.tmf" << QList<int>{mb::Ok} << kRifiuto.arg("filo.tmf", kNessuno) << "" << "prova" << false;
        QTest::newRow("apri libreria lamierini") << "Apri" << true << "LamMantelloStandard.lam" << "lam.tmf" << QList<int>{mb::Ok} << kRifiuto.arg("lam.tmf", kNessuno) << "" << "prova" << false;
        QTest::newRow("apri una pipe") << "Apri" << true << "fifo" << "fifo.tmf" << QList<int>{mb::Ok} << kNonUnFile << "" << "prova" << false;
        QTest::newRow("apri 201 caratteri") << "Apri" << true << "" << "#201" << QList<int>{mb::Ok} << kLungo.arg("Aprire", "    ") << "" << "prova" << false;
    }
    void menu() {
        QFETCH(QString, azione); QFETCH(bool, conFile); QFETCH(QString, prepara); QFETCH(QString, dialogo);
        QFETCH(QList<int>, risposte); QFETCH(QString, primoBox); QFETCH(QString, scritto); QFETCH(QString, file);
        QFETCH(bool, caricato);
        if (conFile) {
            dlg->percorsiSalva.push_back(Archivio(QStringLiteral("prova")));
            w->MnuFileSalvaNome_Click();
        }
        if (dialogo.startsWith(QLatin1Char('#'))) {  // a deep folder: the name stays one a record holds
            const QString cartella = Archivio(QString(dialogo.mid(1).toInt() - Archivio().size() - 7, QLatin1Char('c')));
            QVERIFY(QDir().mkpath(cartella));
            scritto.replace(dialogo, cartella + QStringLiteral("/prova"));
            dialogo = cartella + QStringLiteral("/prova");
        }
        d->PriUlt = prepara == QStringLiteral("avv20") ? 19 : 1;
        d->TipoCalcolo = prepara == QStringLiteral("tipo3") ? 3 : 1;
        if (prepara == QStringLiteral("tipo3"))  // and whole as one: line values and letters
            for (int i = 0; i < 9; ++i) {
                d->PriVoltLin[i] = d->SecVoltLin[i] = 380;
                d->SecAmpLin[i] = 1;
                d->SecPotLin[i] = 660;
                d->PriTrif[i] = "Y";
                d->SecTrif[i] = "y";
            }
        if (dialogo == QStringLiteral("altro.tmf")) Scrivi(dialogo);
        if (prepara == QStringLiteral("tronco")) QVERIFY(QFile::resize(Archivio(dialogo), 500000));
        if (prepara == QStringLiteral("esiste")) Scrivi(QStringLiteral("prova.tmf"));
        // A plain text, an empty file or a default library, given to the open dialog.
        const bool nonProgetto = prepara == QStringLiteral("testo") || prepara == QStringLiteral("vuoto") || prepara.contains('.');
        if (prepara == QStringLiteral("testo") || prepara == QStringLiteral("vuoto")) {
            QFile t(Archivio(dialogo));
            QVERIFY(t.open(QIODevice::WriteOnly));
            if (prepara == QStringLiteral("testo")) QVERIFY(t.write(QByteArray("Questo non e' un progetto.\n").repeated(40)) > 0);
        }
        if (prepara.contains('.')) QVERIFY(QFile::copy(LibreriaDefault(U8(prepara).c_str()), Archivio(dialogo)));
        if (prepara == QStringLiteral("nome")) d->LamNome[0] = "EI Ω";
        if (prepara == QStringLiteral("fifo")) QVERIFY(::mkfifo(QFile::encodeName(Archivio(dialogo)).constData(), 0644) == 0);
        // The design the user has now.
        d->PriUlt = 1;
        d->TipoCalcolo = 1;
        d->SecVolt[0] = 33;
        dlg->chiamate.clear();
        msg->Azzera();
        for (int r : risposte) msg->Attendi(r);
        const QString scelto = dialogo == QStringLiteral("-") ? QString() : QDir(Archivio()).absoluteFilePath(dialogo);
        (azione == QStringLiteral("Apri") ? dlg->percorsiApri : dlg->percorsiSalva).push_back(scelto);
        static const std::map<QString, void (Frm_Alim::*)()> gestori{
            {"SalvaNome", &Frm_Alim::MnuFileSalvaNome_Click}, {"Salva", &Frm_Alim::MnuFileSalva_Click},
            {"Apri", &Frm_Alim::MnuFileApri_Click}, {"Nuovo", &Frm_Alim::MnuFileNuovo_Click},
            {"Chiudi", &Frm_Alim::MnuFileChiudi_Click}};
        if (azione == QStringLiteral("Riapri"))
            Finestra();
        else
            (w.get()->*gestori.at(azione))();

        QCOMPARE(dlg->chiamate.size(), size_t(dialogo.isEmpty() ? 0 : 1));
        for (const auto& c : dlg->chiamate)
            QCOMPARE(c.titolo + c.cartella + c.filtro, c.tipo + " Progetto Trasformatore Monofase" + Archivio() + "Progetto Trasformatore Monofase(*.tmf)|*.tmf");
        QCOMPARE(msg->boxes.size(), size_t(risposte.size()));
        if (!primoBox.isEmpty()) {
            primoBox.replace(QStringLiteral("%1"), scelto);
            const auto& b = msg->boxes[0];
            QVERIFY2(QStringLiteral("%1 %2: %3").arg(b.stile).arg(Qs(b.titolo), Qs(b.testo)).startsWith(primoBox), b.testo.c_str());
        }
        for (QDirIterator it(Archivio(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString f = it.next();
            QCOMPARE(Record(f, kSecVolt0) == QStringLiteral("33"), f == QDir(Archivio()).absoluteFilePath(scritto));
            QVERIFY(QFileInfo(f).size() == 999900 || prepara == QStringLiteral("tronco") || nonProgetto);
        }
        QCOMPARE(w->windowTitle(), kBase + (file == QStringLiteral("-") ? QString() : QStringLiteral("   Ver=1.5.0")) +
                                       (file.size() > 1 ? QStringLiteral("   File=") + file : QString()));
        QCOMPARE(LeggiTestoStato(w.get()), kStato + (file.size() > 1 ? QStringLiteral("    ") + file : QString()));
        QVERIFY(d->FileTitolo.empty() == (file.size() <= 1) && d->SecVolt[0] == (caricato ? 150.0f : 33.0f));
    }

    // An opened design comes back as stored, without a calculation: texts in
    // full precision, counts and frames, taps, results, the design mode.
    void riapre() {
        for (bool potenza : {false, true}) {   // by laminations; by power with K outside the list
            d->PriUlt = 2;
            d->SecUlt = 1;
            d->SecAmp[1] = num::Sng(2.0 / 3.0);
            Serie(Secondari(*d), 0, 2);
            d->Rendimento = 12.25f;
            d->LamCdP = 2.25f;
            d->CoefK = 99.9f;
            d->ConoscoPotenza = potenza ? VERO : FALSO;
            const QString file = Scrivi(QStringLiteral("prova.tmf"));
            w->Form_Load();
            const QString coef = ui().Cmb_CoefK->currentText();
            msg->falliscePerInattesi = false;  // range warnings of the stored results are not at stake
            dlg->percorsiApri.push_back(file);
            w->MnuFileApri_Click();
            QCOMPARE(ui().Txt_SecAmp[1]->text() + ui().Txt_LamCdP->text(), QStringLiteral("0,66666672,25"));
            QCOMPARE(ui().Cmb_PriNumAvv->currentText() + ui().Cmb_SecNumAvv->currentText(), QStringLiteral("32"));
            for (int i = 0; i < 12; ++i) QVERIFY(ui().Frm_PriAvv[i]->isHidden() == (i >= 3) && ui().Frm_SecAvv[i]->isHidden() == (i >= 2));
            QCOMPARE(ui().Cmd_SecAvv[0]->text() + " " + ui().Lbl_Rendimento->text(), QStringLiteral("R2 12,3"));
            QVERIFY(ui().Opt_Lam->isChecked() == !potenza && ui().Cmb_CoefK->isEnabled() == potenza && ui().Cmd_Lamierino->isEnabled() == !potenza);
            QCOMPARE(ui().Cmb_CoefK->currentText(), coef);
        }
    }

    // A two-leg design (K 0,9 from its list, then the lamination kept) saved,
    // a new design (the shell list back), the file opened again: the list is
    // the two-leg one again, and the stored K sits inside its ends.
    void riapreLaListaDelLamierinoSalvato() {
        d->TipoLam = 4;
        d->LamMantello = FALSO;
        d->Lam2Colonne = VERO;
        VerificaParametriLamierino(*d, *msg, &w->ListaCoefK());
        w->CalcolaTrasfo();
        ui().Opt_Lam->click();
        w->CalcolaTrasfo();
        QCOMPARE(ui().Lbl_CoefK->text(), QStringLiteral("0,9"));
        dlg->percorsiSalva.push_back(Archivio(QStringLiteral("prova")));
        w->MnuFileSalvaNome_Click();
        msg->Attendi(mb::No);
        w->MnuFileNuovo_Click();
        QCOMPARE(ui().Cmb_CoefK->currentText(), QStringLiteral("1,3"));
        dlg->percorsiApri.push_back(Archivio(QStringLiteral("prova.tmf")));
        w->MnuFileApri_Click();
        const QComboBox* k = ui().Cmb_CoefK;
        QCOMPARE(k->itemText(0) + " " + k->currentText() + " " + k->itemText(k->count() - 1), QStringLiteral("0,6 0,9 1,2"));
        w->CalcolaTrasfo();  // no box: K is not below 0,6
        QVERIFY(msg->boxes.size() == 1 && ui().Opt_Lam->isChecked());
    }

    // A list choice takes effect when the list is left, so the file keeps
    // it: 60 Hz and two secondaries come back after a new design and an open.
    void sceltaListaSalvata() {
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        for (auto [lista, testo] : {std::pair{ui().Cmb_Frequenza, "60"}, {ui().Cmb_SecNumAvv, "2"}}) {
            lista->setFocus();
            QTRY_VERIFY(lista->hasFocus());
            lista->setCurrentText(testo);
            QTest::keyClick(lista, Qt::Key_Tab);
        }
        dlg->percorsiSalva.push_back(Archivio(QStringLiteral("prova")));
        w->MnuFileSalvaNome_Click();
        msg->Attendi(mb::No);
        w->MnuFileNuovo_Click();
        QCOMPARE(ui().Cmb_Frequenza->currentText() + ui().Cmb_SecNumAvv->currentText(), QStringLiteral("501"));
        // Opened while the list holds the focus: leaving it is no new choice.
        ui().Cmb_Frequenza->setFocus();
        QTRY_VERIFY(ui().Cmb_Frequenza->hasFocus());
        dlg->percorsiApri.push_back(Archivio(QStringLiteral("prova.tmf")));
        w->MnuFileApri_Click();
        QCOMPARE(ui().Cmb_Frequenza->currentText() + ui().Cmb_SecNumAvv->currentText(), QStringLiteral("602"));
        ui().Lbl_PriSpire[0]->setText("-");
        QTest::keyClick(ui().Cmb_Frequenza, Qt::Key_Tab);
        QCOMPARE(ui().Lbl_PriSpire[0]->text(), QStringLiteral("-"));
    }

    // A command from the menu bar takes the user's own edit the focus still
    // holds, and the focus stays: a text typed, a list choice, saved and
    // opened again; a print shows the figures of what it shows (220 V at
    // 60 Hz: 366,8 turns; 230 V at 50 Hz: 460,1; SE = 1,3 x sqrt(300 VA)).
    // With no edit of the user's own, nothing runs. The wheel is a choice
    // only in the list holding the focus (3,0 A/mm²: wire 0,9).
    void proprioNonLasciato_data() {
        QTest::addColumn<QString>("controllo");
        QTest::addColumn<QString>("valore");   // typed or chosen; "": none; "rotella": one notch down
        QTest::addColumn<QString>("comando");  // SalvaNome, Nuovo, Chiudi (each then Apri), Stampa
        QTest::addColumn<QString>("atteso");   // name=text
        QTest::newRow("campo") << "Txt_PriVolt(0)" << "230" << "SalvaNome" << "Txt_PriVolt(0)=230";
        QTest::newRow("frequenza") << "Cmb_Frequenza" << "60" << "SalvaNome" << "Cmb_Frequenza=60";
        QTest::newRow("densita, Nuovo") << "Cmb_Densita" << "5,0" << "Nuovo" << "Cmb_Densita=5,0";
        QTest::newRow("campo, Chiudi") << "Txt_SecVolt(0)" << "100" << "Chiudi" << "Txt_SecVolt(0)=100";
        QTest::newRow("stampa, lista") << "Cmb_Frequenza" << "60" << "Stampa" << "Lbl_PriSpire(0)=367";
        QTest::newRow("stampa, campo") << "Txt_PriVolt(0)" << "230" << "Stampa" << "Lbl_PriSpire(0)=460";
        QTest::newRow("niente di proprio") << "Txt_PriVolt(0)" << "" << "Stampa" << "Lbl_PriSpire(0)=-";
        QTest::newRow("rotella senza fuoco") << "" << "rotella" << "Stampa" << "Cmb_Densita=2,5";
        QTest::newRow("rotella con fuoco") << "Cmb_Densita" << "rotella" << "Stampa" << "Lbl_SecFiloNudo(0)=0,9";
    }
    void proprioNonLasciato() {
        QFETCH(QString, controllo);
        QFETCH(QString, valore);
        QFETCH(QString, comando);
        QFETCH(QString, atteso);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QWidget* c = controllo.isEmpty() ? ui().Txt_LamCdP : Figlio<QWidget>(w.get(), controllo);
        c->setFocus();
        QTRY_VERIFY(c->hasFocus());
        auto* lista = qobject_cast<QComboBox*>(c);
        if (valore == "rotella") {
            QWheelEvent rotella(QPointF(5, 5), ui().Cmb_Densita->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton,
                                Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(ui().Cmb_Densita, &rotella);
        } else if (lista) {
            lista->setCurrentText(valore);
        } else if (!valore.isEmpty()) {
            static_cast<CampoNumerico*>(c)->selectAll();
            QTest::keyClicks(c, valore);
        }
        ui().Lbl_PriSpire[0]->setText("-");
        const std::map<QString, QAction*> voci = {{"SalvaNome", ui().MnuFileSalvaNome}, {"Nuovo", ui().MnuFileNuovo},
                                                  {"Chiudi", ui().MnuFileChiudi}, {"Stampa", ui().MnuFileStampa}};
        if (comando != "Stampa") dlg->percorsiSalva.push_back(Archivio(QStringLiteral("prova")));
        if (comando == "Nuovo" || comando == "Chiudi") msg->Attendi(mb::Yes);
        DalMenu(w.get(), ui().MnuFile, voci.at(comando));
        QTRY_VERIFY(!ui().MnuFile->isVisible());
        QVERIFY(c->hasFocus());
        if (comando != "Stampa") {
            if (comando == "SalvaNome") {
                msg->Attendi(mb::No);
                w->MnuFileNuovo_Click();
            }
            dlg->percorsiApri.push_back(Archivio(QStringLiteral("prova.tmf")));
            w->MnuFileApri_Click();
        }
        const QStringList a = atteso.split('=');
        QCOMPARE(TestiDi(w.get(), a[0]), a[1]);
    }

    void cartellaNonScrivibile() {
        // Archivio cannot be written (a read-only disk, or a program folder
        // installed by another user): the save dialog starts in the home
        // folder, the open dialog still in Archivio.
        std::optional<Montaggio> solaLettura;
        if (::geteuid() != 0)
            QVERIFY(QFile::setPermissions(Archivio(), QFile::ReadOwner | QFile::ExeOwner));
        else if (solaLettura.emplace(Archivio(), MS_RDONLY, "size=8k"); !solaLettura->Fatto())
            QVERIFY(QDir(Archivio()).removeRecursively() && QFile(Archivio()).open(QIODevice::WriteOnly));
        w->MnuFileSalvaNome_Click();
        w->MnuFileApri_Click();
        QFile::setPermissions(Archivio(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(dlg->chiamate.size(), size_t(2));
        QCOMPARE(dlg->chiamate[0].cartella + "|" + dlg->chiamate[1].cartella, QDir::homePath() + "|" + Archivio());
    }

    // Printer setup asked; the print is the window in landscape.
    void stampa() {
        w->MnuFileImpostaStampante_Click();
        w->MnuFileStampa_Click();
        QVERIFY(dlg->stampate.size() == 1 && dlg->orizzontale && dlg->chiamate.size() == 2);
        QCOMPARE(dlg->chiamate[0].tipo, QStringLiteral("ImpostaStampante"));
    }
};

QTEST_MAIN(TestMenuProgetto)
#include "test_menu_progetto.moc"
