// Printing through the real print routine onto PDF files (the print dialog
// answered by a subclass that chooses a PDF file): orientation of each print,
// the PDF file proposed, text kept as text, the failure message and a print
// that works after it, the printer setup's orientation, and where the
// window's image goes on the page; Qt's own dialogs in Italian.
#include <sys/resource.h>

#include <optional>

#include <QPrinter>

#include "UiTestSupport.h"
#include "dialogs/Frm_Isolanti.h"
#include "platform/core/Avvio.h"
#include "platform/ui/Traduzione.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"
#include "windows/comune/Frm_Schema.h"

namespace {

// The real printing with the dialogs answered: the print dialog chooses a PDF
// file, the page setup the orientation `scelta`.
struct StampaSuPdf : DialoghiQt {
    QString file;
    int dialoghi = 0;
    QStringList proposti;  // the PDF file each print dialog proposed
    bool reale = false;    // the real print dialog instead
    QPageLayout::Orientation scelta = QPageLayout::Portrait;
    StampaSuPdf() { Piattaforma::ImpostaDialoghi(this); }
    ~StampaSuPdf() override { Piattaforma::ImpostaDialoghi(nullptr); }
    Q_DISABLE_COPY(StampaSuPdf)

protected:
    bool DialogoStampa(QPrinter& s, QWidget* parent, const QString& proposto) override {
        ++dialoghi;
        // Without a printer the printer itself holds the name the dialog shows.
        proposti << proposto;
        if (s.outputFormat() == QPrinter::PdfFormat && s.outputFileName() != proposto) proposti << s.outputFileName();
        if (reale) return DialoghiQt::DialogoStampa(s, parent, proposto);
        s.setOutputFormat(QPrinter::PdfFormat);
        s.setOutputFileName(file);
        return true;
    }
    bool DialogoImposta(QPrinter& s, QWidget*) override {
        s.setPageOrientation(scelta);
        return true;
    }
};

// The page's width and height as its MediaBox gives them (points).
std::optional<QSizeF> Pagina(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray b = f.readAll();
    static const QRegularExpression re(QStringLiteral("/MediaBox \\[\\s*([-\\d.]+) ([-\\d.]+) ([-\\d.]+) ([-\\d.]+)\\s*\\]"));
    const QRegularExpressionMatch m = re.match(QString::fromLatin1(b));
    if (!m.hasMatch()) return std::nullopt;
    return QSizeF(m.captured(3).toDouble() - m.captured(1).toDouble(), m.captured(4).toDouble() - m.captured(2).toDouble());
}
bool Orizzontale(const QString& file) {
    const auto p = Pagina(file);
    return p && p->width() > p->height();
}

// The colours in a rectangle of the window's image as it prints.
QSet<QRgb> ColoriStampati(QWidget* finestra, const QRect& r) {
    QImage immagine(finestra->size(), QImage::Format_RGB32);
    immagine.fill(Qt::black);
    QPainter(&immagine).drawPicture(0, 0, FiguraDaStampare(finestra));
    QSet<QRgb> colori;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) colori.insert(immagine.pixel(x, y));
    return colori;
}

// The PDF's text layer, by Poppler's pdftotext; nullopt when it is not installed.
std::optional<QString> TestoPdf(const QString& file) {
    const QString programma = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (programma.isEmpty()) return std::nullopt;
    QProcess p;
    p.start(programma, {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!p.waitForFinished(kAttesaMs)) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class TestStampa : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> tmp;
    std::unique_ptr<FakeMessaggiUi> msg;
    std::unique_ptr<StampaSuPdf> stampa;
    std::unique_ptr<Sorveglianza> guardia;
    QString File(const QString& nome) const { return tmp->filePath(nome); }

private slots:
    void init() {
        tmp = std::make_unique<QTemporaryDir>();
        msg = std::make_unique<FakeMessaggiUi>();
        stampa = std::make_unique<StampaSuPdf>();
        guardia = std::make_unique<Sorveglianza>();
    }
    void cleanup() {
        guardia->Verifica();
        guardia.reset();
        stampa.reset();
        msg.reset();
        tmp.reset();
    }

    void areaNellaPagina() {
        // Natural size when it fits, centred both ways; scaled down (proportions
        // kept) when too wide or too tall.
        const struct { QSize immagine; QRect pagina, attesa; } casi[] = {
            {{300, 200}, {0, 0, 1000, 800}, {350, 300, 300, 200}},
            {{300, 200}, {10, 20, 300, 200}, {10, 20, 300, 200}},
            {{2000, 500}, {0, 0, 1000, 1000}, {0, 375, 1000, 250}},
            {{300, 600}, {0, 0, 1000, 300}, {425, 0, 150, 300}},
            {{0, 5}, {0, 0, 10, 10}, {}},
        };
        for (const auto& c : casi) QCOMPARE(AreaImmagine(c.immagine, c.pagina), c.attesa);
    }

    void finestraPoiDialogo() {
        // A design window prints in landscape, then a dialog in portrait: the
        // first orientation is not carried over. Both PDFs hold the windows'
        // captions and figures as text. Each print proposes a PDF of its own
        // in the projects' folder: the window's kind, then its project's
        // name, then the dialog's title.
        ModuleDIC d;
        Frm_Alim w(d);
        w.Form_Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w, kAttesaMs));
        const QString potenza = w.ui.Lbl_PriPotTot->text();
        stampa->file = File(QStringLiteral("finestra.pdf"));
        w.MnuFileStampa_Click();
        QVERIFY(QFileInfo::exists(stampa->file) && Orizzontale(stampa->file));
        // The file's name, not its stored title.
        d.FileNome = "/progetti/prova.v2.tmf";
        d.FileTitolo = "vecchio.tmf";
        w.MnuFileStampa_Click();

        Frm_Isolanti iso(d);
        iso.show();
        QVERIFY(QTest::qWaitForWindowExposed(&iso, kAttesaMs));
        stampa->file = File(QStringLiteral("dialogo.pdf"));
        iso.ui.Cmd_Stampa->click();
        QVERIFY(QFileInfo::exists(stampa->file) && !Orizzontale(stampa->file));
        QCOMPARE(stampa->dialoghi, 3);
        QVERIFY(msg->boxes.empty());
        const QDir archivio(QCoreApplication::applicationDirPath() + QStringLiteral("/Archivio"));
        const QStringList proposti = {QStringLiteral("Calcolo di Trasformatore Monofase.pdf"), QStringLiteral("prova.v2.pdf"),
                                      QStringLiteral("prova.v2 - Isolamento fra i vari strati degli Avvolgimenti.pdf")};
        QCOMPARE(stampa->proposti.size(), proposti.size());
        for (qsizetype i = 0; i < proposti.size(); ++i) QCOMPARE(stampa->proposti[i], archivio.filePath(proposti[i]));

        const auto testoFinestra = TestoPdf(File(QStringLiteral("finestra.pdf")));
        if (!testoFinestra) QSKIP("pdftotext is not installed: the text layer is not checked");
        QVERIFY(!potenza.isEmpty());
        QVERIFY2(testoFinestra->contains(QStringLiteral("Aggiorna Calcolo")) && testoFinestra->contains(potenza),
                 qPrintable(*testoFinestra));
        const auto testoDialogo = TestoPdf(stampa->file);
        QVERIFY2(testoDialogo->contains(QStringLiteral("Stampa")) && testoDialogo->contains(QStringLiteral("0,3")),
                 qPrintable(*testoDialogo));
    }

    void impostaStampantePerLaProssima() {
        // Portrait chosen in the setup of a design window serves its next
        // print only; the one after is landscape again.
        ModuleDIC d;
        Frm_Alim w(d);
        w.Form_Load();
        w.show();
        stampa->scelta = QPageLayout::Portrait;
        w.MnuFileImpostaStampante_Click();
        for (bool orizzontale : {false, true}) {
            stampa->file = File(QStringLiteral("p%1.pdf").arg(orizzontale));
            w.MnuFileStampa_Click();
            QCOMPARE(Orizzontale(stampa->file), orizzontale);
        }
    }

    void stampaNonRiuscita() {
        // A file that cannot be written, or a full disk: one message with the
        // window's title, naming the file; the next print is a whole PDF.
        ModuleDIC d;
        Frm_Isolanti iso(d);
        iso.show();
        for (const QString& file : {File(QStringLiteral("manca/dentro/x.pdf")), QStringLiteral("/dev/full")}) {
            stampa->file = file;
            msg->boxes.clear();
            msg->Attendi();
            iso.ui.Cmd_Stampa->click();
            QCOMPARE(msg->boxes.size(), size_t(1));
            QVERIFY2(msg->Ultimo().startsWith(QStringLiteral("Stampa non riuscita\n")) &&
                         msg->Ultimo().contains(QFileInfo(file).fileName()),
                     qPrintable(msg->Ultimo()));
            QCOMPARE(msg->boxes[0].stile, mb::OkOnly + mb::Exclamation);
            QCOMPARE(msg->UltimoTitolo(), iso.windowTitle());
        }
        QVERIFY(!QFileInfo::exists(File(QStringLiteral("manca/dentro/x.pdf"))));
        stampa->file = File(QStringLiteral("dopo.pdf"));
        msg->boxes.clear();
        iso.ui.Cmd_Stampa->click();
        QVERIFY(msg->boxes.empty());
        const auto testo = TestoPdf(stampa->file);
        if (!testo) QSKIP("pdftotext is not installed: the PDF is not read back");
        QVERIFY2(testo->contains(QStringLiteral("Stampa")), qPrintable(*testo));
    }

    void stampaNonRiuscitaTieneIlPdfDiPrima() {
        // A print over an earlier PDF that fails half way, on a full disk
        // (where the tests may mount one) or past a file size limit: that
        // PDF stays as it was and nothing else is left in its folder.
        ModuleDIC d;
        Frm_Isolanti iso(d);
        iso.show();
        const QByteArray prima = "%PDF-1.4\n% la stampa di prima\n%%EOF\n";
        for (const QString& guasto : {QStringLiteral("disco pieno"), QStringLiteral("file troppo grande")}) {
            const QString cartella = File(guasto);
            QVERIFY(QDir().mkpath(cartella));
            const bool pieno = guasto == QStringLiteral("disco pieno");
            std::optional<Montaggio> disco;
            if (pieno && !disco.emplace(cartella, 0, "size=8k").Fatto()) continue;  // the earlier PDF and a page more
            stampa->file = cartella + QStringLiteral("/iso.pdf");
            QFile f(stampa->file);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(prima) == prima.size());
            f.close();
            // The process set up as the program sets up its own.
            avvio::PreparaProcesso();
            struct rlimit limite {};
            ::getrlimit(RLIMIT_FSIZE, &limite);
            const struct rlimit piccolo = {4096, limite.rlim_max};
            if (!pieno) QCOMPARE(::setrlimit(RLIMIT_FSIZE, &piccolo), 0);
            msg->boxes.clear();
            msg->Attendi();
            iso.ui.Cmd_Stampa->click();
            ::setrlimit(RLIMIT_FSIZE, &limite);
            QVERIFY(f.open(QIODevice::ReadOnly) && f.readAll() == prima);
            QCOMPARE(QDir(cartella).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                     QStringList{QStringLiteral("iso.pdf")});
            QVERIFY2(msg->boxes.size() == 1 && msg->Ultimo() == "Stampa non riuscita\nErrore di scrittura del file \"" +
                                                                     stampa->file + "\": " + guasto,
                     qPrintable(msg->Ultimo()));
        }
    }

    void evidenzeNonStampate() {
        // The focused field's highlight colours are lent to the print only:
        // afterwards the window has its own palette back, unset as before.
        ModuleDIC d;
        Frm_Isolanti iso(d);
        iso.show();
        iso.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&iso, kAttesaMs));
        iso.ui.Txt[0]->setFocus();
        const QColor evidenza = iso.palette().color(QPalette::Highlight);
        QPrinter pdf;
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(File(QStringLiteral("e.pdf")));
        QVERIFY(StampaFinestra(pdf, &iso));
        QVERIFY(!iso.testAttribute(Qt::WA_SetPalette) && iso.palette().color(QPalette::Highlight) == evidenza);
        QVERIFY(iso.ui.Txt[0]->hasFocus() && !iso.ui.Txt[0]->isReadOnly());
    }

    void campoGialloEManiglia() {
        // A yellow field of a design window prints its selected text on
        // yellow, with no highlight; the schematic's corner prints without
        // the size grip it shows on screen.
        ModuleDIC d;
        Frm_Alim w(d);
        w.Form_Load();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w, kAttesaMs));
        CampoNumerico* campo = w.ui.Txt_LamCdP;
        campo->setFocus();
        campo->SetGiallo(true);
        campo->selectAll();
        const QRgb evidenza = campo->palette().color(QPalette::Highlight).rgb();
        QVERIFY(campo->hasSelectedText());
        const QSet<QRgb> colori =
            ColoriStampati(&w, QRect(campo->mapTo(&w, QPoint(0, 0)), campo->size()).adjusted(2, 2, -2, -2));
        QVERIFY(colori.contains(qRgb(255, 255, 0)) && !colori.contains(evidenza));
        QCOMPARE(campo->palette().color(QPalette::Highlight).rgb(), evidenza);

        Frm_Schema schema(d);
        schema.show();
        QVERIFY(QTest::qWaitForWindowExposed(&schema, kAttesaMs));
        auto* maniglia = schema.findChild<QSizeGrip*>();
        QVERIFY(maniglia && maniglia->isVisible());
        QCOMPARE(ColoriStampati(&schema, QRect(maniglia->mapTo(&schema, QPoint(0, 0)), maniglia->size())).size(), 1);
        QVERIFY(maniglia->isVisible());
    }

    void dialoghiQtInItaliano() {
        // As at start-up: Qt's file dialog then offers "Apri", not "Open".
        if (!CaricaTraduzioneQt()) QSKIP("Qt's Italian translation is not installed");
        QFileDialog dlg;
        dlg.setOption(QFileDialog::DontUseNativeDialog);
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        QPushButton* apri = Figlio<QDialogButtonBox>(&dlg, QStringLiteral("buttonBox"))->button(QDialogButtonBox::Open);
        QVERIFY(apri);
        QCOMPARE(apri->text().remove(QLatin1Char('&')), QStringLiteral("Apri"));

        // The real print dialog, its options shown: the PDF proposed in the
        // file field, no copies or page range, none of the texts Qt's
        // translation leaves in English.
        ModuleDIC d;
        Frm_Isolanti iso(d);
        stampa->reale = true;
        QStringList testi;
        QString campo;
        QTimer::singleShot(0, [&] {
            QWidget* aperto = QApplication::activeModalWidget();
            if (!aperto) return;
            for (auto* b : aperto->findChildren<QPushButton*>())
                if (b->text().contains(QStringLiteral("Opzioni"))) b->click();
            for (auto* b : aperto->findChildren<QAbstractButton*>())
                if (b->isVisibleTo(aperto)) testi << b->text();
            for (auto* g : aperto->findChildren<QGroupBox*>())
                if (g->isVisibleTo(aperto)) testi << g->title();
            campo = Figlio<QLineEdit>(aperto, QStringLiteral("filename"))->text();
            qobject_cast<QDialog*>(aperto)->reject();
        });
        iso.ui.Cmd_Stampa->click();
        QCOMPARE(campo, stampa->proposti.value(0));
        QVERIFY(campo.endsWith(QStringLiteral("/Isolamento fra i vari strati degli Avvolgimenti.pdf")));
        QVERIFY2(testi.contains(QStringLiteral("Modalità colore")) && !testi.contains(QStringLiteral("Stampa tutto")) &&
                     !testi.contains(QStringLiteral("Ordine inverso")),
                 qPrintable(testi.join('|')));
        for (const char* inglese : {"Double Sided Printing", "Off", "Long side binding", "Short side binding"})
            QVERIFY2(!testi.contains(QString::fromLatin1(inglese)), inglese);
    }
};

QTEST_MAIN(TestStampa)
#include "test_stampa.moc"
