// The File menu of every design window: new, open, close, save, save under a
// name, printer setup and print. Written once; a window gives its texts, the
// kind code its files must hold, its highest winding count, its load and its
// refill after an open, through IFinestraProgetto.
#pragma once

#include <cstdint>

#include <QString>

#include "engine/ModuleDIC.h"

class QMainWindow;

// The File menu's texts of one kind of design window.
struct TestiProgetto {
    const char* titoloApri;      // "Apri Progetto Trasformatore Monofase"
    const char* titoloSalva;     // "Salva Progetto Trasformatore Monofase"
    const char* filtro;          // "Progetto Trasformatore Monofase(*.tmf)|*.tmf"
    const char* estensione;      // ".tmf"
    const char* titoloBase;      // "Calcolo di Trasformatore Monofase"
    const char* tipo;            // "Trasformatore Monofase": the kind, in the wrong-file box
    const char* titoloNuovo;     // "Nuovo Progetto di Calcolo Trasformatore"
    const char* titoloChiudi;    // "Chiusura Progetto di Calcolo Trasformatore"
    const char* rigaEsistente;   // "       del Trasformatore Esistente ?"
};

// What the menu needs of its window.
// The status text of a design window, before the name of its project file.
inline constexpr const char* TESTO_STATO =
    "Inserire i Parametri Desiderati, per ottenere il Calcolo del Trasformatore";

class IFinestraProgetto {
public:
    virtual ~IFinestraProgetto() = default;
    virtual const TestiProgetto& Testi() const = 0;
    // The kind code its files hold (1 single-phase ...), its windings per
    // side, and the most of them an opened project may use.
    virtual int16_t Tipo() const = 0;
    virtual int NumAvv() const = 0;
    virtual int MaxConteggio() const { return NumAvv(); }
    // The window: parent of the dialogs, its caption and status bar, the image printed.
    virtual QMainWindow* Vista() = 0;
    virtual ModuleDIC& Dati() = 0;
    // The program's folder (its Archivio subfolder holds the projects).
    virtual QString CartellaApplicazione() const = 0;
    // The default design and its first calculation.
    virtual void Form_Load() = 0;
    // Puts an opened design back into the fields and shows its stored results.
    virtual void RiempiDopoApertura() = 0;
    // The lists now show what the opened design holds: leaving one as it is
    // is no new choice.
    virtual void ScelteListeMostrate() {}
};

class MenuProgetto {
public:
    static constexpr int MAX_PERCORSO = 200;  // longest project path accepted

    explicit MenuProgetto(IFinestraProgetto& finestra) : f_(finestra) {}

    // Asks whether to save first (Yes / No / Cancel), then the default design.
    void Nuovo();
    // Reads a project; a file that is not a usable project of this kind changes nothing.
    void Apri();
    // Asks whether to save first (Yes / No, and Cancel where the kind offers
    // it, which changes nothing), then the default design with no file.
    void Chiudi();
    void ChiudiConAnnulla(bool si) { chiudiAnnulla_ = si; }
    // Writes the design to its file, or asks for a name when it has none.
    // True when the design was written.
    bool Salva();
    // Asks for a name, then writes. True when the design was written.
    bool SalvaNome();
    void ImpostaStampante();
    // Prints the window's image in landscape after the print dialog.
    void Stampa();

private:
    // "Calcolo di ...   Ver=1.5.0", and "   File=" + titolo when a file is given.
    QString Caption(const QString& titolo = QString()) const;
    QString CartellaArchivio() const;
    // Caption and status text naming the file.
    void MostraFile(const QString& titolo);
    // A menu never takes the focus, so the field or list holding it has not
    // been left: the user's own edit it holds is taken first (its check, the
    // calculation of a list's new choice), and the command works on what the
    // window shows.
    void PrendiProprio();
    // Asks whether to save first: false when cancelled or when the save did not complete.
    bool SalvaPrima(const char* righe, int pulsanti, const char* titolo);
    // Names emptied, caption and status without a file, the default design.
    void Ricomincia();
    void Avviso(const QString& testo);
    void NomeTroppoLungo(qsizetype lunghezza, const char* riga);

    IFinestraProgetto& f_;
    bool chiudiAnnulla_ = false;
};

class QComboBox;

// For the refills after an open: selects the list's item with this text; a
// text that is not one of its items leaves the list as it is (false).
bool ScegliVoce(QComboBox* lista, const QString& testo);

