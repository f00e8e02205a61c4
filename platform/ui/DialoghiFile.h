// Open, save and printer dialogs, and printing a window's image, behind one
// interface with a process-wide hook (tests put a fake there).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include <QPageLayout>
#include <QString>

class QPrinter;
class QRect;
class QSize;
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
    // Printer setup (paper, orientation, margins) of the program's one
    // printer, showing the orientation the next print of parent takes
    // (orizzontale: landscape); false when cancelled. Paper and margins hold
    // for every later print, an orientation changed here for the next print.
    virtual bool ImpostaStampante(QWidget* parent, bool orizzontale = false) = 0;
    // Printer dialog, then prints finestra (see StampaFinestra) in landscape
    // or portrait. False when the dialog is cancelled (nothing printed, no
    // message) or printing fails (the failure message shown).
    virtual bool Stampa(QWidget* parent, QWidget* finestra, bool orizzontale = false) = 0;
};

// The real dialogs (QFileDialog, QPageSetupDialog, QPrintDialog) and the
// program's one printer.
class DialoghiQt : public IDialoghiFile {
public:
    DialoghiQt();
    ~DialoghiQt() override;
    QString Apri(QWidget* parent, const QString& titolo, const QString& cartella,
                 const QString& filtro) override;
    QString Salva(QWidget* parent, const QString& titolo, const QString& cartella,
                  const QString& filtro) override;
    bool ImpostaStampante(QWidget* parent, bool orizzontale = false) override;
    bool Stampa(QWidget* parent, QWidget* finestra, bool orizzontale = false) override;

protected:
    // The print dialog on the printer: false when cancelled. Printing to a
    // PDF file is always offered; page ranges and selection are not.
    virtual bool DialogoStampa(QPrinter& stampante, QWidget* parent);
    // The page setup dialog on the printer: false when cancelled.
    virtual bool DialogoImposta(QPrinter& stampante, QWidget* parent);

private:
    // The program's one printer, made at its first use.
    QPrinter& Stampante();
    QPageLayout::Orientation Orientamento(bool orizzontale) const;

    std::unique_ptr<QPrinter> stampante_;
    // The orientation the user chose in the setup for the next print.
    std::optional<QPageLayout::Orientation> sceltaUtente_;
};

// "Progetto Trasformatore Monofase(*.tmf)|*.tmf" -> the QFileDialog filter
// "Progetto Trasformatore Monofase(*.tmf)"; pairs become ";;"-separated.
QString FiltroQt(const QString& filtroForm);

// Where an image goes on the page: its own size, scaled down (proportions
// kept) only when it does not fit, centred in the page.
QRect AreaImmagine(const QSize& immagine, const QRect& pagina);
// Prints the window on one page of a printer already chosen: recorded as
// drawing commands (text stays text), at the printer's resolution set to the
// screen's so fonts and geometry scale alike, placed by AreaImmagine in the
// printable area; the focus and the selected cells are drawn as if unmarked.
// False with the reason in `errore` (if given) when it cannot print.
bool StampaFinestra(QPrinter& stampante, QWidget* finestra, QString* errore = nullptr);

// A file or folder below the program's own folder, or below `base` when one is
// given ("LIBRERIA", "Archivio", "LIBRERIA/LibRame1.wir"), taken in whatever
// letter case it has on disk.
QString AccantoAlProgramma(const std::string& relativo, const QString& base = {});

namespace Piattaforma {
IDialoghiFile& Dialoghi();
// Replaces the dialogs (tests); nullptr restores the real ones. Not owned.
void ImpostaDialoghi(IDialoghiFile* d);
}  // namespace Piattaforma
