// What the two library editors share: a modal window over the design data
// with the open, save, save-as, print, exit, edit and compute buttons, the
// "File Libreria:" label with the library's name, and the tables' views.
//
// Open and save dialogs start in LIBRERIA beside the program (in whatever
// letter case it has on disk); a save dialog starts in the home folder when
// LIBRERIA cannot be written. A print proposes a PDF named after the library
// last opened or saved in the window, or after the window before any. A save
// writes the library records exactly as the last computation (or open) left
// them in Rec. "Salva Libreria" writes
// only to the file last opened or saved in this window; before that it asks
// for a name. A file that cannot be written is reported and changes nothing,
// and so is a table the library's reader would refuse: nothing is written.
#pragma once

#include <string>
#include <vector>

#include <QMainWindow>
#include <QString>

struct ModuleDIC;
class QLabel;
class QPushButton;
class VistaGriglia;

struct DescrizioneEditor {
    const char* nome;          // window objectName ("Frm_CreaLibRame")
    const char* titolo;        // caption
    const char* titoloApri;    // open dialog
    const char* titoloSalva;   // save dialog, also the title of a write error
    const char* filtro;        // "Description(*.ext)|*.ext"
    const char* estensione;    // ".wir"
    int lunghezzaRecord;       // bytes a record
    int numeroRecord;          // records a file
    // Why the library's reader would refuse these records, in the editor's
    // words; empty when they read back.
    std::string (*verifica)(const std::string* rec);
    const char* nomeCalcola;   // the compute button and its caption
    const char* testoCalcola;
    const char* nomeLibreria;  // the label of the library's name and its first text
    const char* testoLibreria;
    // Where the two rows of buttons start, below the table, and how wide the
    // library's name may run beneath them (twips).
    int comandiX, comandiY, larghezzaNome;
};

class EditorLibreria : public QMainWindow {
    Q_OBJECT
public:
    struct Comandi {
        QPushButton *Cmd_Apri = nullptr, *Cmd_Salva = nullptr, *Cmd_SalvaNome = nullptr,
                    *Cmd_Stampa = nullptr, *Cmd_Esci = nullptr, *Cmd_Modifica = nullptr;
        QPushButton* Calcola = nullptr;  // Cmd_FiloRame, Cmd_Calcola
        QLabel* Etichetta = nullptr;     // "File Libreria:"
        QLabel* Libreria = nullptr;      // Lbl_LibRam, Lbl_LibLam
    };
    Comandi cmd;

    EditorLibreria(ModuleDIC& d, const DescrizioneEditor& descr, QWidget* parent = nullptr);

    // Empty table, default coefficients, inputs locked (run by whoever shows the window).
    virtual void Form_Load() = 0;

    void Cmd_Apri_Click();
    void Cmd_Salva_Click();
    void Cmd_SalvaNome_Click();
    void Cmd_Stampa_Click();
    void Cmd_Esci_Click();
    // Opens the inputs; a save waits for the next computation.
    void Cmd_Modifica_Click();

    // The folder whose LIBRERIA the dialogs start in; the program's own unless set.
    void ImpostaCartellaApplicazione(const QString& cartella) { cartella_ = cartella; }
    QString CartellaLibrerie() const;
    // The file last opened or saved in this window ("" before any).
    const QString& FileFinestra() const { return fileFinestra_; }

    // The name with the extension added when it holds none from its second
    // character on (letter case ignored): "rame" -> "rame.wir", "rame.WIR" kept.
    static QString ConEstensione(const QString& nome, const QString& estensione);

    ModuleDIC& Dati() { return d_; }

protected:
    // Reads FileLibreria and shows it; false when the file was refused (and
    // nothing changed: FileLibreria is then given back its earlier path).
    virtual bool ApriFile() = 0;
    // Whether a library name is known, without which Salva asks for one.
    virtual bool NomeNoto() const = 0;
    // Runs before the save dialog of "Salva Libreria con Nome"; false ends
    // the save there (a table that cannot be saved).
    virtual bool PrimaDelSalvaNome() { return true; }
    // After a save under a name: the title as typed becomes the library's name.
    virtual void DopoSalvaNome(const std::string& titolo) = 0;
    // Opens or locks the table's cells and the editor's other inputs.
    virtual void ApriInput(bool aperti) = 0;
    virtual void Calcola_Click() = 0;

    void RegistraVista(VistaGriglia* v) { viste_.push_back(v); }
    // Ends an edit open in a table, as leaving its cell does.
    void ConfermaModifiche();
    void AbilitaSalva(bool abilita);

    ModuleDIC& d_;
    const DescrizioneEditor& descr_;

private:
    QPushButton* Comando(const char* nome, const char* testo, int colonna, int riga,
                         void (EditorLibreria::*gestore)());
    bool Scrivi(const QString& percorso);
    // False, after telling why, when the records would not read back.
    bool Rileggibile();

    std::vector<VistaGriglia*> viste_;
    QString cartella_;
    QString fileFinestra_;
};
