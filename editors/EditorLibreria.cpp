#include "editors/EditorLibreria.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "editors/GrigliaEditor.h"
#include "engine/ModuleDIC.h"
#include "files/RecordFile.h"
#include "platform/core/Percorsi.h"
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

    cmd.Cmd_Apri = Pulsante("Cmd_Apri", "Apri Libreria", &EditorLibreria::Cmd_Apri_Click);
    cmd.Cmd_Salva = Pulsante("Cmd_Salva", "Salva Libreria", &EditorLibreria::Cmd_Salva_Click);
    cmd.Cmd_SalvaNome = Pulsante("Cmd_SalvaNome", "Salva Libreria con Nome", &EditorLibreria::Cmd_SalvaNome_Click);
    cmd.Cmd_Stampa = Pulsante("Cmd_Stampa", "Stampa", &EditorLibreria::Cmd_Stampa_Click);
    cmd.Cmd_Esci = Pulsante("Cmd_Esci", "Esci", &EditorLibreria::Cmd_Esci_Click);
    cmd.Cmd_Modifica = Pulsante("Cmd_Modifica", "Modifica Libreria", &EditorLibreria::Cmd_Modifica_Click);
    cmd.Calcola = Pulsante(descr.nomeCalcola, descr.testoCalcola, &EditorLibreria::Calcola_Click);

    cmd.Etichetta = new QLabel(QStringLiteral("File Libreria:"), centro);
    cmd.Etichetta->setObjectName(QStringLiteral("Label1"));
    cmd.Libreria = new QLabel(Qs(descr.testoLibreria), centro);
    cmd.Libreria->setObjectName(QString::fromLatin1(descr.nomeLibreria));
    cmd.Libreria->setTextFormat(Qt::PlainText);
}

QPushButton* EditorLibreria::Pulsante(const char* nome, const char* testo, void (EditorLibreria::*gestore)()) {
    auto* b = new QPushButton(Qs(testo), centralWidget());
    b->setObjectName(QString::fromLatin1(nome));
    b->setAutoDefault(false);
    // A cell still being typed in is taken (and checked) before the button acts.
    connect(b, &QPushButton::clicked, this, [this, gestore] {
        ConfermaModifiche();
        (this->*gestore)();
    });
    return b;
}

void EditorLibreria::DisponiComandi(int sinistra, int alto, int larghezzaNome) {
    const int x = sinistra, y = alto;
    Posiziona(cmd.Cmd_Apri, x, y, kLarghezzaPulsante, kAltezzaPulsante);
    Posiziona(cmd.Cmd_Salva, x + kPasso, y, kLarghezzaPulsante, kAltezzaPulsante);
    Posiziona(cmd.Cmd_Stampa, x + 2 * kPasso, y, kLarghezzaPulsante, kAltezzaPulsante);
    Posiziona(cmd.Cmd_Modifica, x + 3 * kPasso, y, kLarghezzaPulsante, kAltezzaPulsante);
    Posiziona(cmd.Cmd_SalvaNome, x + kPasso, y + kRiga, kLarghezzaPulsante, kAltezzaPulsante);
    Posiziona(cmd.Cmd_Esci, x + 2 * kPasso, y + kRiga, kLarghezzaPulsante, kAltezzaPulsante);
    Posiziona(cmd.Calcola, x + 3 * kPasso, y + kRiga, kLarghezzaPulsante, kAltezzaPulsante);
    Posiziona(cmd.Etichetta, x, y + kRiga + 120, kLarghezzaPulsante, 255);
    Posiziona(cmd.Libreria, x, y + 2 * kRiga, larghezzaNome, 255);
}

QString EditorLibreria::CartellaLibrerie() const {
    const QString app = cartella_.isEmpty() ? QCoreApplication::applicationDirPath() : cartella_;
    return Qs(percorsi::TrovaPercorso(U8(app), "LIBRERIA"));
}

QString EditorLibreria::ConEstensione(const QString& nome, const QString& estensione) {
    return nome.indexOf(estensione, 1, Qt::CaseInsensitive) < 0 ? nome + estensione : nome;
}

void EditorLibreria::ConfermaModifiche() {
    for (VistaGriglia* v : viste_) v->Delegato()->Conferma();
}

void EditorLibreria::AbilitaSalva(bool abilita) {
    cmd.Cmd_Salva->setEnabled(abilita);
    cmd.Cmd_SalvaNome->setEnabled(abilita);
}

void EditorLibreria::Cmd_Apri_Click() {
    const QString percorso =
        Piattaforma::Dialoghi().Apri(this, Qs(descr_.titoloApri), CartellaLibrerie(), Qs(descr_.filtro));
    if (percorso.isEmpty()) return;
    d_.FileLibreria = U8(percorso);
    // Only a file that was read becomes the one "Salva Libreria" writes.
    if (ApriFile()) fileFinestra_ = percorso;
}

bool EditorLibreria::Scrivi(const QString& percorso) {
    const recfile::Esito e =
        recfile::Scrivi(U8(percorso), descr_.lunghezzaRecord, descr_.numeroRecord, d_.Rec.data());
    if (!e.ok)
        Piattaforma::Messaggi().MsgBox("Errore di Scrittura File Libreria\n" + U8(percorso), mb::Exclamation,
                                       descr_.titoloSalva);
    return e.ok;
}

void EditorLibreria::Cmd_Salva_Click() {
    if (!NomeNoto() || fileFinestra_.isEmpty()) {
        Cmd_SalvaNome_Click();
        return;
    }
    if (!Scrivi(fileFinestra_)) return;
    d_.FileLibreria = U8(fileFinestra_);
    AbilitaSalva(false);
}

void EditorLibreria::Cmd_SalvaNome_Click() {
    PrimaDelSalvaNome();
    const QString scelto =
        Piattaforma::Dialoghi().Salva(this, Qs(descr_.titoloSalva), CartellaLibrerie(), Qs(descr_.filtro));
    if (scelto.isEmpty()) return;
    const QString percorso = ConEstensione(scelto, QString::fromLatin1(descr_.estensione));
    if (!Scrivi(percorso)) return;
    d_.FileLibreria = U8(percorso);
    fileFinestra_ = percorso;
    DopoSalvaNome(U8(QFileInfo(scelto).fileName()));
    AbilitaSalva(false);
}

void EditorLibreria::Cmd_Stampa_Click() { Piattaforma::Dialoghi().Stampa(this, this); }

void EditorLibreria::Cmd_Esci_Click() { close(); }
