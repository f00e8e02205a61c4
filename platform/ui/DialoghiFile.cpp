#include "platform/ui/DialoghiFile.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
#include <QWidget>

#include "platform/core/Percorsi.h"
#include "platform/ui/MessaggiQt.h"
#include "platform/ui/Sostituibile.h"

QString AccantoAlProgramma(const std::string& relativo, const QString& base) {
    const QString cartella = base.isEmpty() ? QCoreApplication::applicationDirPath() : base;
    return QString::fromStdString(percorsi::TrovaPercorso(cartella.toStdString(), relativo));
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
// those of plain text, the focused field is read-only (no cursor) meanwhile.
// Nothing else changes (no focus moves, so no field's check runs).
class SenzaEvidenze {
public:
    explicit SenzaEvidenze(QWidget* finestra) : finestra_(finestra) {
        propria_ = finestra->testAttribute(Qt::WA_SetPalette);
        vecchia_ = finestra->palette();
        QPalette p = vecchia_;
        for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            p.setColor(g, QPalette::Highlight, p.color(g, QPalette::Base));
            p.setColor(g, QPalette::HighlightedText, p.color(g, QPalette::Text));
        }
        finestra->setPalette(p);
        campo_ = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (campo_ && campo_->window() == finestra && !campo_->isReadOnly()) {
            campo_->setReadOnly(true);
        } else {
            campo_ = nullptr;
        }
    }
    ~SenzaEvidenze() {
        if (campo_) campo_->setReadOnly(false);
        finestra_->setPalette(propria_ ? vecchia_ : QPalette());
        if (!propria_) finestra_->setAttribute(Qt::WA_SetPalette, false);
    }
    SenzaEvidenze(const SenzaEvidenze&) = delete;
    SenzaEvidenze& operator=(const SenzaEvidenze&) = delete;

private:
    QWidget* finestra_;
    QPalette vecchia_;
    bool propria_ = false;
    QPointer<QLineEdit> campo_;
};

}  // namespace

bool StampaFinestra(QPrinter& stampante, QWidget* finestra, QString* errore) {
    auto fallita = [errore](const QString& motivo) {
        if (errore) *errore = motivo;
        return false;
    };
    if (!finestra) return fallita(QStringLiteral("Nessuna finestra da stampare."));
    const bool pdf = stampante.outputFormat() == QPrinter::PdfFormat;
    if (!pdf && (stampante.printerName().isEmpty() || !stampante.isValid()))
        return fallita(QStringLiteral("Nessuna stampante disponibile."));

    QPicture figura;
    {
        SenzaEvidenze senza(finestra);
        finestra->render(&figura);
    }
    // Picture units are screen pixels; a printer at the same resolution
    // draws fonts and shapes at one scale.
    stampante.setFullPage(false);
    stampante.setResolution(figura.logicalDpiX());

    QPainter p;
    if (!p.begin(&stampante)) {
        if (pdf)
            return fallita(QStringLiteral("Il file \"") + stampante.outputFileName() +
                           QStringLiteral("\" non può essere scritto."));
        return fallita(QStringLiteral("La stampante \"") + stampante.printerName() +
                       QStringLiteral("\" non accetta la stampa."));
    }
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
    if (!p.end() || stampante.printerState() == QPrinter::Error)
        return fallita(QStringLiteral("La stampa si è interrotta."));
    return true;
}

DialoghiQt::DialoghiQt() = default;
DialoghiQt::~DialoghiQt() = default;

// One printer for the whole program, so a printer setup holds for the prints.
QPrinter& DialoghiQt::Stampante() {
    if (!stampante_) stampante_ = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    return *stampante_;
}

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

bool DialoghiQt::DialogoImposta(QPrinter& stampante, QWidget* parent) {
    QPageSetupDialog dlg(&stampante, parent);
    return dlg.exec() == QDialog::Accepted;
}

bool DialoghiQt::DialogoStampa(QPrinter& stampante, QWidget* parent) {
    QPrintDialog dlg(&stampante, parent);
    // Without a printer a PDF file is the way to print: the file output stays offered.
    dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dlg.exec() == QDialog::Accepted;
}

bool DialoghiQt::ImpostaStampante(QWidget* parent, bool orizzontale) {
    QPrinter& stampante = Stampante();
    const QPageLayout::Orientation propria = orizzontale ? QPageLayout::Landscape : QPageLayout::Portrait;
    stampante.setPageOrientation(Orientamento(orizzontale));
    if (!DialogoImposta(stampante, parent)) return false;
    const QPageLayout::Orientation scelta = stampante.pageLayout().orientation();
    if (scelta != propria)
        sceltaUtente_ = scelta;
    else
        sceltaUtente_.reset();
    return true;
}

bool DialoghiQt::Stampa(QWidget* parent, QWidget* finestra, bool orizzontale) {
    QPrinter& stampante = Stampante();
    // Each print takes its own orientation; one chosen in the setup serves this print only.
    stampante.setPageOrientation(Orientamento(orizzontale));
    sceltaUtente_.reset();
    if (!DialogoStampa(stampante, parent)) return false;
    if (finestra) {
        finestra->show();
        finestra->raise();
    }
    QString motivo;
    if (StampaFinestra(stampante, finestra, &motivo)) return true;
    Piattaforma::MsgBox(QStringLiteral("Stampa non riuscita\n") + motivo, mb::OkOnly + mb::Exclamation,
                        finestra ? finestra->windowTitle() : QString());
    return false;
}

namespace Piattaforma {
using Servizio = Sostituibile<IDialoghiFile, DialoghiQt>;
IDialoghiFile& Dialoghi() { return Servizio::Attuale(); }
void ImpostaDialoghi(IDialoghiFile* d) { Servizio::Imposta(d); }
}  // namespace Piattaforma
