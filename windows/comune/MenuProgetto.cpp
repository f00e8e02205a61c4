#include "windows/comune/MenuProgetto.h"

#include <string>

#include <QComboBox>
#include <QFileInfo>
#include <QMainWindow>

#include "files/Progetto.h"
#include "platform/ui/LostFocus.h"
#include "platform/ui/Ui.h"

namespace {

const char* const kTitoloVerifica = "Verifica File Progetto Trasformatore";

}  // namespace

QString MenuProgetto::CartellaArchivio() const {
    return CartellaProgetti(f_.CartellaApplicazione());
}

QString MenuProgetto::Caption(const QString& titolo) const {
    QString c = Qs(f_.Testi().titoloBase) + QStringLiteral("   Ver=") + Qs(f_.Dati().Versione);
    if (!titolo.isEmpty()) c += QStringLiteral("   File=") + titolo;
    return c;
}

void MenuProgetto::MostraFile(const QString& titolo) {
    f_.Vista()->setWindowTitle(Caption(titolo));
    ImpostaTestoStato(f_.Vista(), Qs(TESTO_STATO) + QStringLiteral("    ") + titolo);
}

void MenuProgetto::Ricomincia() {
    ModuleDIC& d = f_.Dati();
    d.FileNome.clear();
    d.FileTitolo.clear();
    f_.Vista()->setWindowTitle(Caption());
    ImpostaTestoStato(f_.Vista(), Qs(TESTO_STATO));
    f_.Form_Load();
    f_.ScelteListeMostrate();
}

void MenuProgetto::Avviso(const QString& testo) {
    Piattaforma::MsgBox(testo, mb::OkOnly + mb::Exclamation, Qs(kTitoloVerifica));
}

void MenuProgetto::NomeTroppoLungo(qsizetype lunghezza, const char* riga) {
    Avviso(QStringLiteral("Nome File Troppo Lungo          ") + QString::number(lunghezza) +
           QLatin1Char('\n') + Qs(riga) + QLatin1Char('\n') +
           QStringLiteral("Rinominare File con meno caratteri     "));
}

// ------------------------------------------------------------------ handlers

void MenuProgetto::PrendiProprio() { LostFocus::PrendiProprio(f_.Vista()); }

bool MenuProgetto::SalvaPrima(const char* righe, int pulsanti, const char* titolo) {
    PrendiProprio();
    const int r = Piattaforma::MsgBox(Qs(righe) + Qs(f_.Testi().rigaEsistente),
                                      pulsanti + mb::Information, Qs(titolo));
    f_.Dati().Risposta = static_cast<int16_t>(r);
    // A save that did not complete keeps the design it was asked to keep.
    return r != mb::Cancel && (r != mb::Yes || Salva());
}

void MenuProgetto::Nuovo() {
    if (SalvaPrima("Prima di Creare un Nuovo Progetto di Calcolo\n"
                   "    Vuoi Salvare il Progetto di Calcolo\n",
                   mb::YesNoCancel, f_.Testi().titoloNuovo))
        Ricomincia();
}

void MenuProgetto::Chiudi() {
    if (SalvaPrima("Prima di Chiudere il Progetto di Calcolo\n"
                   "    Vuoi Salvare le Ultime Modifiche\n",
                   chiudiAnnulla_ ? mb::YesNoCancel : mb::YesNo, f_.Testi().titoloChiudi))
        Ricomincia();
}

void MenuProgetto::Apri() {
    const TestiProgetto& t = f_.Testi();
    const QString percorso =
        Piattaforma::Dialoghi().Apri(f_.Vista(), Qs(t.titoloApri), CartellaArchivio(), Qs(t.filtro));
    if (percorso.isEmpty()) return;
    if (percorso.size() > MAX_PERCORSO) {
        NomeTroppoLungo(percorso.size(), "NON è possibile Aprire questo File.    ");
        return;
    }

    // The design in use changes only when the file is a usable project of
    // this window's kind, with no more windings than it shows.
    const float massimo = static_cast<float>(f_.MaxConteggio() - 1);
    const auto diQuestoTipo = [&](const ModuleDIC& letto) {
        if (letto.TipoCalcolo != f_.Tipo() || letto.PriUlt > massimo || letto.SecUlt > massimo)
            return std::string("Il File non contiene un Progetto di ") + t.tipo;
        return std::string();
    };
    std::string errore;
    if (!progetto::ApriProgetto(U8(percorso), f_.Dati(), errore, nullptr, diQuestoTipo)) {
        Avviso(Qs(errore));
        return;
    }
    MostraFile(QFileInfo(percorso).fileName());
    f_.RiempiDopoApertura();
    f_.ScelteListeMostrate();
}

bool MenuProgetto::Salva() {
    PrendiProprio();
    ModuleDIC& d = f_.Dati();
    if (d.FileTitolo.empty() || d.FileNome.empty()) return SalvaNome();
    std::string errore;
    const std::string percorso = d.FileNome;
    const std::string titolo = d.FileTitolo;
    if (!progetto::SalvaProgetto(d, percorso, titolo, errore)) {
        Avviso(Qs(errore));
        return false;
    }
    return true;
}

bool MenuProgetto::SalvaNome() {
    PrendiProprio();
    const TestiProgetto& t = f_.Testi();
    const QString scelto =
        Piattaforma::Dialoghi().Salva(f_.Vista(), Qs(t.titoloSalva), CartellaPerSalvare(CartellaArchivio()), Qs(t.filtro));
    if (scelto.isEmpty()) return false;
    if (scelto.size() > MAX_PERCORSO) {
        NomeTroppoLungo(scelto.size(), "NON è possibile Salvare questo File.   ");
        return false;
    }

    // The extension is added unless the path already holds it after its first
    // character. The dialog asked about the name as typed, so a file the
    // added extension would replace is asked about here.
    QString percorso = scelto;
    if (!scelto.mid(1).contains(Qs(t.estensione), Qt::CaseInsensitive)) {
        percorso += Qs(t.estensione);
        if (QFileInfo::exists(percorso) &&
            Piattaforma::MsgBox(QStringLiteral("Il file ") + QFileInfo(percorso).fileName() +
                                    QStringLiteral(" esiste già.\nSostituirlo?"),
                                mb::YesNo + mb::Question, Qs(t.titoloSalva)) != mb::Yes)
            return false;
    }

    const QString titolo = QFileInfo(scelto).fileName();
    std::string errore;
    if (!progetto::SalvaProgetto(f_.Dati(), U8(percorso), U8(titolo), errore)) {
        Avviso(Qs(errore));
        return false;
    }
    MostraFile(titolo);
    return true;
}

void MenuProgetto::ImpostaStampante() { Piattaforma::Dialoghi().ImpostaStampante(f_.Vista(), true); }

void MenuProgetto::Stampa() {
    PrendiProprio();
    // A cancelled dialog prints nothing; the window is raised before its image
    // is taken. A PDF is named after the project, or the window without one.
    const QString progetto = NomeProgetto(f_.Dati().FileNome);
    Piattaforma::Dialoghi().Stampa(f_.Vista(), f_.Vista(), true,
                                   progetto.isEmpty() ? Qs(f_.Testi().titoloBase) : progetto);
}

bool ScegliVoce(QComboBox* lista, const QString& testo) {
    const int k = lista->findText(testo, Qt::MatchExactly);
    if (k < 0) return false;
    lista->setCurrentIndex(k);
    return true;
}
