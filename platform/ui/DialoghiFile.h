// Open, save and printer dialogs, and printing a window's image, behind one
// interface with a process-wide hook (tests put a fake there).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include <QPageLayout>
#include <QPrinter>
#include <QString>

class QPicture;
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
    // message) or printing fails (the failure message shown). A PDF file
    // proposed takes the name `nome`, or finestra's title when it is empty.
    virtual bool Stampa(QWidget* parent, QWidget* finestra, bool orizzontale = false,
                        const QString& nome = {}) = 0;
};

// The real dialogs (QFileDialog, QPageSetupDialog, QPrintDialog). Every print
// and setup has a printer of its own, made with the choices the user left
// (printer or file, paper, margins, colour), so a failed print leaves nothing
// behind for the next.
class DialoghiQt : public IDialoghiFile {
public:
    DialoghiQt();
    ~DialoghiQt() override;
    QString Apri(QWidget* parent, const QString& titolo, const QString& cartella,
                 const QString& filtro) override;
    QString Salva(QWidget* parent, const QString& titolo, const QString& cartella,
                  const QString& filtro) override;
    bool ImpostaStampante(QWidget* parent, bool orizzontale = false) override;
    bool Stampa(QWidget* parent, QWidget* finestra, bool orizzontale = false,
                const QString& nome = {}) override;

protected:
    // The print dialog on the printer: false when cancelled. Printing to a
    // PDF file is always offered, as filePdf when nothing else is proposed;
    // page ranges, copies and their order are not (every print is one page).
    virtual bool DialogoStampa(QPrinter& stampante, QWidget* parent, const QString& filePdf);
    // The page setup dialog on the printer: false when cancelled.
    virtual bool DialogoImposta(QPrinter& stampante, QWidget* parent);

private:
    // What a dialog left chosen, for the printers to come.
    struct Scelte {
        bool suFile = true;
        QString stampante;
        QPageLayout pagina;
        QPrinter::ColorMode colore = QPrinter::Color;
    };
    std::unique_ptr<QPrinter> NuovaStampante(QPageLayout::Orientation orientamento) const;
    void Ricorda(const QPrinter& stampante);
    QPageLayout::Orientation Orientamento(bool orizzontale) const;

    std::optional<Scelte> scelte_;
    // The orientation the user chose in the setup for the next print.
    std::optional<QPageLayout::Orientation> sceltaUtente_;
};

// The PDF file a print proposes: `nome` (characters a file name cannot hold
// replaced) with ".pdf", in the folder of the projects, Archivio beside the
// program, or the home folder when that cannot be written.
QString FilePdfProposto(const QString& nome);
// The name of a project file without its folder and extension; empty when
// the design has no file.
QString NomeProgetto(const std::string& fileProgetto);
// What a window other than the design window proposes for its PDF: the
// project's name and the window's title, so that it overwrites neither the
// design window's PDF nor another project's; the title alone with no project.
QString NomeDiStampa(const QString& progetto, const QString& titolo);

// "Progetto Trasformatore Monofase(*.tmf)|*.tmf" -> the QFileDialog filter
// "Progetto Trasformatore Monofase(*.tmf)"; pairs become ";;"-separated.
QString FiltroQt(const QString& filtroForm);

// Where an image goes on the page: its own size, scaled down (proportions
// kept) only when it does not fit, centred in the page.
QRect AreaImmagine(const QSize& immagine, const QRect& pagina);
// The window's image as it prints: drawing commands in screen pixels (text
// stays text), the focus, the selections (of fields with colours of their own
// too), the text cursor and the size grip left out.
QPicture FiguraDaStampare(QWidget* finestra);
// Prints the window on one page of a printer already chosen: its
// FiguraDaStampare, at the printer's resolution set to the screen's so fonts
// and geometry scale alike, placed by AreaImmagine in the printable area.
// A PDF is read back: one that is not whole has failed. A PDF file is
// written beside its target and put in its place only when whole, so a
// failed print leaves no broken file and keeps an earlier file of that name;
// a target that is a device, not a file, is written directly. False with the
// reason in `errore` (if given, in Italian) when it cannot print.
bool StampaFinestra(QPrinter& stampante, QWidget* finestra, QString* errore = nullptr);

// A file or folder below the program's own folder, or below `base` when one is
// given ("LIBRERIA", "Archivio", "LIBRERIA/LibRame1.wir"), taken in whatever
// letter case it has on disk.
QString AccantoAlProgramma(const std::string& relativo, const QString& base = {});
// The folder the projects are kept in: Archivio, as AccantoAlProgramma finds it.
QString CartellaProgetti(const QString& base = {});
// Where a save dialog or a PDF starts: `cartella` when it is a folder that can
// be written, else the home folder (a program installed where its user cannot
// write keeps his files at home).
QString CartellaPerSalvare(const QString& cartella);

namespace Piattaforma {
IDialoghiFile& Dialoghi();
// Replaces the dialogs (tests); nullptr restores the real ones. Not owned.
void ImpostaDialoghi(IDialoghiFile* d);
}  // namespace Piattaforma
