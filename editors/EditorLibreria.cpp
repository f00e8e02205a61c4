#include "editors/EditorLibreria.h"

#include <utility>

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "editors/GrigliaEditor.h"
#include "engine/ModuleDIC.h"
#include "files/RecordFile.h"
#include "platform/ui/Ui.h"

namespace {
constexpr int kLarghezzaPulsante = 2040;  // twips
constexpr int kAltezzaPulsante = 495;
constexpr int kPasso = 2160;              // from one button to the next, across
constexpr int kRiga = 615;                // from one row of buttons to the next
}  // namespace

EditorLibreria::EditorLibreria(ModuleDIC& d, const DescrizioneEditor& descr, QWidget* parent)
    : QMainWindow(parent), d_(d), descr_(descr) {
    setObjectName(QString::fromLatin1(descr.nome));
    setWindowTitle(Qs(descr.titolo));
    auto* centro = new QWidget(this);
    centro->setObjectName(QStringLiteral("Centro"));
    setCentralWidget(centro);
    QFont base = font();
    base.setPixelSize(11);
    setFont(base);

    // Two rows: open, save, print, edit; then save as, exit and compute, each
    // under the one above it.
    cmd.Cmd_Apri = Comando("Cmd_Apri", "Apri Libreria", 0, 0, &EditorLibreria::Cmd_Apri_Click);
    cmd.Cmd_Salva = Comando("Cmd_Salva", "Salva Libreria", 1, 0, &EditorLibreria::Cmd_Salva_Click);
    cmd.Cmd_Stampa = Comando("Cmd_Stampa", "Stampa", 2, 0, &EditorLibreria::Cmd_Stampa_Click);
    cmd.Cmd_Modifica = Comando("Cmd_Modifica", "Modifica Libreria", 3, 0, &EditorLibreria::Cmd_Modifica_Click);
    cmd.Cmd_SalvaNome =
        Comando("Cmd_SalvaNome", "Salva Libreria con Nome", 1, 1, &EditorLibreria::Cmd_SalvaNome_Click);
    cmd.Cmd_Esci = Comando("Cmd_Esci", "Esci", 2, 1, &EditorLibreria::Cmd_Esci_Click);
    cmd.Calcola = Comando(descr.nomeCalcola, descr.testoCalcola, 3, 1, &EditorLibreria::Calcola_Click);

    const int x = descr.comandiX, y = descr.comandiY;
    cmd.Etichetta = Etichetta(centro, QStringLiteral("Label1"), QStringLiteral("File Libreria:"), x, y + kRiga + 120,
                              kLarghezzaPulsante, 255);
    cmd.Libreria = Didascalia(centro, QString::fromLatin1(descr.nomeLibreria), Qs(descr.testoLibreria), x,
                              y + 2 * kRiga, descr.larghezzaNome, 255);
    cmd.Libreria->setTextFormat(Qt::PlainText);
}

QPushButton* EditorLibreria::Comando(const char* nome, const char* testo, int colonna, int riga,
                                     void (EditorLibreria::*gestore)()) {
    QPushButton* b = Pulsante(centralWidget(), QString::fromLatin1(nome), Qs(testo), {},
                              descr_.comandiX + colonna * kPasso, descr_.comandiY + riga * kRiga,
                              kLarghezzaPulsante, kAltezzaPulsante);
    AdattaCarattere(b, b->text());
    // A cell still being typed in is taken (and checked) before the button acts.
    connect(b, &QPushButton::clicked, this, [this, gestore] {
        ConfermaModifiche();
        (this->*gestore)();
    });
    return b;
}

QString EditorLibreria::CartellaLibrerie() const {
    return AccantoAlProgramma("LIBRERIA", cartella_);
}

QString EditorLibreria::ConEstensione(const QString& nome, const QString& estensione) {
    return nome.indexOf(estensione, 1, Qt::CaseInsensitive) < 0 ? nome + estensione : nome;
}

void EditorLibreria::ConfermaModifiche() {
    for (VistaGriglia* v : viste_) v->Delegato()->Conferma();
}

void EditorLibreria::Cmd_Modifica_Click() {
    ApriInput(true);
    // What is saved is always the table on show: a save waits for the next computation.
    AbilitaSalva(false);
}

void EditorLibreria::AbilitaSalva(bool abilita) {
    cmd.Cmd_Salva->setEnabled(abilita);
    cmd.Cmd_SalvaNome->setEnabled(abilita);
}

void EditorLibreria::Cmd_Apri_Click() {
    const QString percorso =
        Piattaforma::Dialoghi().Apri(this, Qs(descr_.titoloApri), CartellaLibrerie(), Qs(descr_.filtro));
    if (percorso.isEmpty()) return;
    std::string prima = std::exchange(d_.FileLibreria, U8(percorso));
    // Only a file that was read becomes the one "Salva Libreria" writes.
    if (ApriFile())
        fileFinestra_ = percorso;
    else
        d_.FileLibreria = std::move(prima);
}

bool EditorLibreria::Scrivi(const QString& percorso) {
    const recfile::Esito e =
        recfile::Scrivi(U8(percorso), descr_.lunghezzaRecord, descr_.numeroRecord, d_.Rec.data());
    if (!e.ok)
        Piattaforma::Messaggi().MsgBox("Errore di Scrittura File Libreria\n" + U8(percorso) + recfile::RigaMotivo(e),
                                       mb::Exclamation, descr_.titoloSalva);
    return e.ok;
}

bool EditorLibreria::Rileggibile() {
    const std::string motivo = descr_.verifica(d_.Rec.data());
    if (motivo.empty()) return true;
    // The cells take such a value while typing; a file holding it would not open again.
    Piattaforma::Messaggi().MsgBox("Libreria non salvata: non si potrebbe riaprire.\n" + motivo, mb::Exclamation,
                                   descr_.titolo);
    return false;
}

void EditorLibreria::Cmd_Salva_Click() {
    if (!NomeNoto() || fileFinestra_.isEmpty()) {
        Cmd_SalvaNome_Click();
        return;
    }
    if (!Rileggibile() || !Scrivi(fileFinestra_)) return;
    d_.FileLibreria = U8(fileFinestra_);
    AbilitaSalva(false);
}

void EditorLibreria::Cmd_SalvaNome_Click() {
    if (!PrimaDelSalvaNome() || !Rileggibile()) return;
    const QString scelto =
        Piattaforma::Dialoghi().Salva(this, Qs(descr_.titoloSalva), CartellaPerSalvare(CartellaLibrerie()),
                                      Qs(descr_.filtro));
    if (scelto.isEmpty()) return;
    const QString percorso = ConEstensione(scelto, QString::fromLatin1(descr_.estensione));
    if (!Scrivi(percorso)) return;
    d_.FileLibreria = U8(percorso);
    fileFinestra_ = percorso;
    DopoSalvaNome(U8(QFileInfo(scelto).fileName()));
    AbilitaSalva(false);
}

void EditorLibreria::Cmd_Stampa_Click() {
    // Named after the library on show, so that two libraries print to two PDFs.
    const QString libreria = NomeProgetto(U8(fileFinestra_));
    Piattaforma::Dialoghi().Stampa(this, this, false, libreria.isEmpty() ? windowTitle() : libreria);
}

void EditorLibreria::Cmd_Esci_Click() { close(); }
