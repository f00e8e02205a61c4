// Open, save and printer dialogs, and printing a window's image, behind one
// interface with a process-wide hook (tests put a fake there).
#pragma once

#include <string>

#include <QString>

class QPainter;
class QRect;
class QSize;
class QImage;
class QPagedPaintDevice;
class QWidget;

class IDialoghiFile {
public:
    virtual ~IDialoghiFile() = default;
    // Filters in the "Description(*.ext)|*.ext|..." form of the forms.
    // Both return the chosen full path, or an empty text when cancelled.
    // Open admits only existing files; save asks before overwriting.
    virtual QString Apri(QWidget* parent, const QString& titolo, const QString& cartella,
                         const QString& filtro) = 0;
    virtual QString Salva(QWidget* parent, const QString& titolo, const QString& cartella,
                          const QString& filtro) = 0;
    // Printer setup dialog; false when cancelled. The choice is kept for Stampa.
    virtual bool ImpostaStampante(QWidget* parent) = 0;
    // Printer dialog, then prints finestra's image scaled to the page.
    // False (and nothing printed) when the dialog is cancelled or printing fails.
    virtual bool Stampa(QWidget* parent, QWidget* finestra, bool orizzontale = false) = 0;
};

// The real dialogs (QFileDialog, QPrintDialog, QPrinter).
class DialoghiQt : public IDialoghiFile {
public:
    QString Apri(QWidget* parent, const QString& titolo, const QString& cartella,
                 const QString& filtro) override;
    QString Salva(QWidget* parent, const QString& titolo, const QString& cartella,
                  const QString& filtro) override;
    bool ImpostaStampante(QWidget* parent) override;
    bool Stampa(QWidget* parent, QWidget* finestra, bool orizzontale = false) override;
};

// "Progetto Trasformatore Monofase(*.tmf)|*.tmf" -> the QFileDialog filter
// "Progetto Trasformatore Monofase(*.tmf)"; pairs become ";;"-separated.
QString FiltroQt(const QString& filtroForm);

// The largest rectangle of the image's proportions that fits the page,
// placed at the page's top left and centred across.
QRect AreaImmagine(const QSize& immagine, const QRect& pagina);
// Paints img scaled to fit pagina (see AreaImmagine).
void DisegnaInPagina(QPainter& p, const QImage& img, const QRect& pagina);
// Prints the widget's image on one page of dev, scaled to its printable area.
bool StampaImmagine(QPagedPaintDevice& dev, QWidget* finestra);

// A file or folder below the program's own folder, or below `base` when one is
// given ("LIBRERIA", "Archivio", "LIBRERIA/LibRame1.wir"), taken in whatever
// letter case it has on disk.
QString AccantoAlProgramma(const std::string& relativo, const QString& base = {});

namespace Piattaforma {
IDialoghiFile& Dialoghi();
// Replaces the dialogs (tests); nullptr restores the real ones. Not owned.
void ImpostaDialoghi(IDialoghiFile* d);
}  // namespace Piattaforma
