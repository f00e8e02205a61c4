#include "platform/ui/DialoghiFile.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
#include <QWidget>

#include "platform/core/Percorsi.h"
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
    const QSize dim = immagine.scaled(pagina.size(), Qt::KeepAspectRatio);
    const int x = pagina.left() + (pagina.width() - dim.width()) / 2;
    return QRect(QPoint(x, pagina.top()), dim);
}

void DisegnaInPagina(QPainter& p, const QImage& img, const QRect& pagina) {
    const QRect area = AreaImmagine(img.size(), pagina);
    if (area.isEmpty()) return;
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(area, img);
    p.restore();
}

bool StampaImmagine(QPagedPaintDevice& dev, QWidget* finestra) {
    if (!finestra) return false;
    const QImage img = finestra->grab().toImage();
    if (img.isNull()) return false;
    QPainter p;
    if (!p.begin(&dev)) return false;
    // The painter's origin is the printable area's corner.
    const QRect pagina = dev.pageLayout().paintRectPixels(dev.logicalDpiX());
    DisegnaInPagina(p, img, QRect(QPoint(0, 0), pagina.size()));
    return p.end();
}

namespace {
// One printer for the whole program, so a printer setup holds for the prints.
QPrinter& Stampante() {
    static QPrinter stampante(QPrinter::HighResolution);
    return stampante;
}
}  // namespace

QString DialoghiQt::Apri(QWidget* parent, const QString& titolo, const QString& cartella,
                         const QString& filtro) {
    return QFileDialog::getOpenFileName(parent, titolo, cartella, FiltroQt(filtro));
}

QString DialoghiQt::Salva(QWidget* parent, const QString& titolo, const QString& cartella,
                          const QString& filtro) {
    return QFileDialog::getSaveFileName(parent, titolo, cartella, FiltroQt(filtro));
}

bool DialoghiQt::ImpostaStampante(QWidget* parent) {
    QPrintDialog dlg(&Stampante(), parent);
    dlg.setOption(QAbstractPrintDialog::PrintToFile, false);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dlg.exec() == QDialog::Accepted;
}

bool DialoghiQt::Stampa(QWidget* parent, QWidget* finestra, bool orizzontale) {
    QPrinter& stampante = Stampante();
    if (orizzontale) stampante.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dlg(&stampante, parent);
    dlg.setOption(QAbstractPrintDialog::PrintToFile, false);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dlg.exec() != QDialog::Accepted) return false;
    if (finestra) {
        finestra->show();
        finestra->raise();
    }
    return StampaImmagine(stampante, finestra);
}

namespace Piattaforma {
using Servizio = Sostituibile<IDialoghiFile, DialoghiQt>;
IDialoghiFile& Dialoghi() { return Servizio::Attuale(); }
void ImpostaDialoghi(IDialoghiFile* d) { Servizio::Imposta(d); }
}  // namespace Piattaforma
