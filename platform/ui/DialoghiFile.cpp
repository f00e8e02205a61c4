#include "platform/ui/DialoghiFile.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSizeGrip>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>

#include "platform/core/Percorsi.h"
#include "platform/core/Sostituzione.h"
#include "platform/ui/MessaggiQt.h"
#include "platform/ui/Posiziona.h"
#include "platform/ui/Sostituibile.h"

QString AccantoAlProgramma(const std::string& relativo, const QString& base) {
    const QString cartella = base.isEmpty() ? QCoreApplication::applicationDirPath() : base;
    return QString::fromStdString(percorsi::TrovaPercorso(cartella.toStdString(), relativo));
}

QString CartellaProgetti(const QString& base) { return AccantoAlProgramma("Archivio", base); }

QString CartellaPerSalvare(const QString& cartella) {
    const QFileInfo info(cartella);
    return info.isDir() && info.isWritable() ? cartella : QDir::homePath();
}

QString FiltroQt(const QString& filtroForm) {
    const QStringList parti = filtroForm.split(QLatin1Char('|'));
    QStringList filtri;
    for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
        const QString descrizione = parti[i].trimmed();
        QString modelli = parti[i + 1].trimmed();
        modelli.replace(QLatin1Char(';'), QLatin1Char(' '));
        // A description that already ends with its pattern list is kept as is.
        if (descrizione.endsWith(QLatin1Char(')')) && descrizione.contains(QLatin1Char('(')))
            filtri << descrizione;
        else
            filtri << descrizione + QStringLiteral(" (") + modelli + QLatin1Char(')');
    }
    if (filtri.isEmpty() && !filtroForm.isEmpty()) filtri << filtroForm;
    return filtri.join(QStringLiteral(";;"));
}

QRect AreaImmagine(const QSize& immagine, const QRect& pagina) {
    if (immagine.isEmpty() || pagina.isEmpty()) return {};
    QSize dim = immagine;
    if (dim.width() > pagina.width() || dim.height() > pagina.height())
        dim = immagine.scaled(pagina.size(), Qt::KeepAspectRatio);
    return QRect(QPoint(pagina.left() + (pagina.width() - dim.width()) / 2,
                        pagina.top() + (pagina.height() - dim.height()) / 2),
                 dim);
}

namespace {

// While it lives the window paints its focus, its selections and the text
// cursor of its focused field like the rest: the highlight colours become
// those of plain text, in the window and in every control with colours of its
// own (a yellow field keeps no blue selection), the focused field is
// read-only (no cursor) meanwhile, and no size grip shows. Nothing else
// changes (no focus moves, so no field's check runs).
class SenzaEvidenze {
public:
    explicit SenzaEvidenze(QWidget* finestra) {
        Spegni(finestra);
        for (QWidget* w : finestra->findChildren<QWidget*>())
            if (w->testAttribute(Qt::WA_SetPalette)) Spegni(w);
        for (QSizeGrip* g : finestra->findChildren<QSizeGrip*>())
            if (g->isVisible()) g->hide(), maniglie_.emplace_back(g);
        campo_ = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (campo_ && campo_->window() == finestra && !campo_->isReadOnly()) {
            campo_->setReadOnly(true);
        } else {
            campo_ = nullptr;
        }
    }
    ~SenzaEvidenze() {
        if (campo_) campo_->setReadOnly(false);
        for (const QPointer<QSizeGrip>& g : maniglie_)
            if (g) g->show();
        for (auto t = tavolozze_.rbegin(); t != tavolozze_.rend(); ++t) {
            if (!t->w) continue;
            t->w->setPalette(t->propria ? t->vecchia : QPalette());
            if (!t->propria) t->w->setAttribute(Qt::WA_SetPalette, false);
        }
    }
    SenzaEvidenze(const SenzaEvidenze&) = delete;
    SenzaEvidenze& operator=(const SenzaEvidenze&) = delete;

private:
    struct Tavolozza {
        QPointer<QWidget> w;
        QPalette vecchia;
        bool propria;
    };
    void Spegni(QWidget* w) {
        tavolozze_.push_back({w, w->palette(), w->testAttribute(Qt::WA_SetPalette)});
        QPalette p = w->palette();
        for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            p.setColor(g, QPalette::Highlight, p.color(g, QPalette::Base));
            p.setColor(g, QPalette::HighlightedText, p.color(g, QPalette::Text));
        }
        w->setPalette(p);
    }

    std::vector<Tavolozza> tavolozze_;
    std::vector<QPointer<QSizeGrip>> maniglie_;
    QPointer<QLineEdit> campo_;
};

// A PDF written whole ends with its end-of-file marker; a full disk leaves it
// empty or cut short.
bool PdfIntero(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly) || f.size() <= 0) return false;
    const qint64 coda = std::min<qint64>(f.size(), 64);
    return f.seek(f.size() - coda) && f.read(coda).trimmed().endsWith("%%EOF");
}

enum class Disegno { Fatto, NonIniziato, Interrotto };

// The window's picture drawn on one page of the printer, placed by AreaImmagine.
Disegno Disegna(QPrinter& stampante, QWidget* finestra, const QPicture& figura) {
    QPainter p;
    if (!p.begin(&stampante)) return Disegno::NonIniziato;
    // The painter's origin is the printable area's corner.
    const QRect pagina = stampante.pageLayout().paintRectPixels(stampante.resolution());
    const QRect area = AreaImmagine(finestra->size(), QRect(QPoint(0, 0), pagina.size()));
    if (!area.isEmpty()) {
        p.translate(area.topLeft());
        const qreal scala = qreal(area.width()) / finestra->width();
        p.scale(scala, scala);
        p.setClipRect(finestra->rect());
        p.drawPicture(0, 0, figura);
    }
    if (!p.end() || stampante.printerState() == QPrinter::Error) return Disegno::Interrotto;
    return Disegno::Fatto;
}

// Whether a PDF goes through a temporary file: any target but a device (a
// folder is refused there with its reason).
bool SuFile(const QString& destinazione) {
    const QFileInfo info(destinazione);
    return !destinazione.isEmpty() && (!info.exists() || info.isFile() || info.isDir());
}

// Why the printer left the file at `fd` short, which it does not tell: a
// write at its end meets what stopped it (a full disk, a size limit). EIO
// when that write goes through.
int PercheCorto(int fd) {
    static const std::string zeri(size_t{1} << 16, '\0');
    if (::lseek(fd, 0, SEEK_END) < 0) return errno;
    for (size_t fatto = 0; fatto < zeri.size();) {
        const ssize_t w = ::write(fd, zeri.data() + fatto, zeri.size() - fatto);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return w < 0 ? errno : EIO;
        fatto += static_cast<size_t>(w);
    }
    return EIO;
}

}  // namespace

QPicture FiguraDaStampare(QWidget* finestra) {
    QPicture figura;
    if (!finestra) return figura;
    SenzaEvidenze senza(finestra);
    finestra->render(&figura);
    return figura;
}

bool StampaFinestra(QPrinter& stampante, QWidget* finestra, QString* errore) {
    auto fallita = [errore](const QString& motivo) {
        if (errore) *errore = motivo;
        return false;
    };
    if (!finestra) return fallita(QStringLiteral("Nessuna finestra da stampare."));
    const bool pdf = stampante.outputFormat() == QPrinter::PdfFormat;
    if (!pdf && (stampante.printerName().isEmpty() || !stampante.isValid()))
        return fallita(QStringLiteral("Nessuna stampante disponibile."));
    const QString destinazione = stampante.outputFileName();
    const QString file = QStringLiteral("Il file \"") + destinazione + QStringLiteral("\" ");
    const QString nonScrivibile = file + QStringLiteral("non può essere scritto.");

    const QPicture figura = FiguraDaStampare(finestra);
    // Picture units are screen pixels; a printer at the same resolution
    // draws fonts and shapes at one scale.
    stampante.setFullPage(false);
    stampante.setResolution(figura.logicalDpiX());

    if (pdf && SuFile(destinazione)) {
        Disegno disegno = Disegno::Fatto;
        const sostituzione::Esito e = sostituzione::Sostituisci(U8(destinazione), [&](int fd, const std::string& temp) {
            stampante.setOutputFileName(Qs(temp));
            disegno = Disegna(stampante, finestra, figura);
            const bool fatto = disegno == Disegno::Fatto && PdfIntero(Qs(temp));
            stampante.setOutputFileName(destinazione);
            return fatto ? 0 : PercheCorto(fd);
        });
        if (e.ok) return true;
        // A printer that never opened the file left nothing short to tell
        // the disk's reason by.
        if (disegno == Disegno::NonIniziato) return fallita(nonScrivibile);
        return fallita(Qs(e.messaggio));
    }
    switch (Disegna(stampante, finestra, figura)) {
        case Disegno::NonIniziato:
            if (pdf) return fallita(nonScrivibile);
            return fallita(QStringLiteral("La stampante \"") + stampante.printerName() +
                           QStringLiteral("\" non accetta la stampa."));
        case Disegno::Interrotto: return fallita(QStringLiteral("La stampa si è interrotta."));
        case Disegno::Fatto: break;
    }
    if (pdf && !PdfIntero(destinazione))
        return fallita(file + QStringLiteral("non è stato scritto per intero: il disco potrebbe essere pieno."));
    return true;
}

QString FilePdfProposto(const QString& nome) {
    static const QRegularExpression vietati(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    QString file = QString(nome).replace(vietati, QStringLiteral("_")).trimmed();
    if (file.isEmpty()) file = QStringLiteral("Stampa");
    return QDir(CartellaPerSalvare(CartellaProgetti())).filePath(file + QStringLiteral(".pdf"));
}

QString NomeProgetto(const std::string& fileProgetto) {
    return QFileInfo(QString::fromStdString(fileProgetto)).completeBaseName();
}

QString NomeDiStampa(const QString& progetto, const QString& titolo) {
    return progetto.isEmpty() ? titolo : progetto + QStringLiteral(" - ") + titolo;
}

DialoghiQt::DialoghiQt() = default;
DialoghiQt::~DialoghiQt() = default;

QString DialoghiQt::Apri(QWidget* parent, const QString& titolo, const QString& cartella,
                         const QString& filtro) {
    return QFileDialog::getOpenFileName(parent, titolo, cartella, FiltroQt(filtro));
}

QString DialoghiQt::Salva(QWidget* parent, const QString& titolo, const QString& cartella,
                          const QString& filtro) {
    return QFileDialog::getSaveFileName(parent, titolo, cartella, FiltroQt(filtro));
}

QPageLayout::Orientation DialoghiQt::Orientamento(bool orizzontale) const {
    if (sceltaUtente_) return *sceltaUtente_;
    return orizzontale ? QPageLayout::Landscape : QPageLayout::Portrait;
}

std::unique_ptr<QPrinter> DialoghiQt::NuovaStampante(QPageLayout::Orientation orientamento) const {
    auto s = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    if (scelte_) {
        if (scelte_->suFile)
            s->setOutputFormat(QPrinter::PdfFormat);
        else
            s->setPrinterName(scelte_->stampante);
        s->setPageLayout(scelte_->pagina);
        s->setColorMode(scelte_->colore);
    }
    s->setPageOrientation(orientamento);
    return s;
}

void DialoghiQt::Ricorda(const QPrinter& stampante) {
    scelte_ = Scelte{stampante.outputFormat() == QPrinter::PdfFormat, stampante.printerName(),
                     stampante.pageLayout(), stampante.colorMode()};
}

bool DialoghiQt::DialogoImposta(QPrinter& stampante, QWidget* parent) {
    QPageSetupDialog dlg(&stampante, parent);
    return dlg.exec() == QDialog::Accepted;
}

bool DialoghiQt::DialogoStampa(QPrinter& stampante, QWidget* parent, const QString& filePdf) {
    QPrintDialog dlg(&stampante, parent);
    // Without a printer a PDF file is the way to print: the file output stays offered.
    dlg.setOptions(QAbstractPrintDialog::PrintToFile);
    // Copies, their order and the page range have no option of their own in
    // Qt's dialog; they share one tab, left out here.
    if (QWidget* copie = dlg.findChild<QWidget*>(QStringLiteral("copiesTab"))) {
        for (QWidget* w = copie->parentWidget(); w; w = w->parentWidget()) {
            if (auto* schede = qobject_cast<QTabWidget*>(w)) {
                schede->setTabVisible(schede->indexOf(copie), false);
                break;
            }
        }
    }
    // With a printer offered first, Qt fills the file field with a folder or
    // a name of its own there: the PDF proposed is there instead.
    auto* campo = dlg.findChild<QLineEdit*>(QStringLiteral("filename"));
    if (campo && stampante.outputFileName().isEmpty()) campo->setText(filePdf);
    return dlg.exec() == QDialog::Accepted;
}

bool DialoghiQt::ImpostaStampante(QWidget* parent, bool orizzontale) {
    const QPageLayout::Orientation propria = orizzontale ? QPageLayout::Landscape : QPageLayout::Portrait;
    const std::unique_ptr<QPrinter> stampante = NuovaStampante(Orientamento(orizzontale));
    if (!DialogoImposta(*stampante, parent)) return false;
    Ricorda(*stampante);
    const QPageLayout::Orientation scelta = stampante->pageLayout().orientation();
    if (scelta != propria)
        sceltaUtente_ = scelta;
    else
        sceltaUtente_.reset();
    return true;
}

bool DialoghiQt::Stampa(QWidget* parent, QWidget* finestra, bool orizzontale, const QString& nome) {
    // Each print takes its own orientation; one chosen in the setup serves this print only.
    const std::unique_ptr<QPrinter> stampante = NuovaStampante(Orientamento(orizzontale));
    sceltaUtente_.reset();
    QString titolo = nome;
    if (titolo.isEmpty() && finestra) titolo = finestra->windowTitle();
    if (titolo.isEmpty() && finestra) titolo = finestra->objectName();
    const QString filePdf = FilePdfProposto(titolo);
    stampante->setDocName(QFileInfo(filePdf).completeBaseName());
    if (stampante->outputFormat() == QPrinter::PdfFormat) stampante->setOutputFileName(filePdf);
    if (!DialogoStampa(*stampante, parent, filePdf)) return false;
    Ricorda(*stampante);
    if (finestra) {
        finestra->show();
        finestra->raise();
    }
    QString motivo;
    if (StampaFinestra(*stampante, finestra, &motivo)) return true;
    Piattaforma::MsgBox(QStringLiteral("Stampa non riuscita\n") + motivo, mb::OkOnly + mb::Exclamation,
                        finestra ? finestra->windowTitle() : QString());
    return false;
}

namespace Piattaforma {
using Servizio = Sostituibile<IDialoghiFile, DialoghiQt>;
IDialoghiFile& Dialoghi() { return Servizio::Attuale(); }
void ImpostaDialoghi(IDialoghiFile* d) { Servizio::Imposta(d); }
}  // namespace Piattaforma
