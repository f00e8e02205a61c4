// File > Apri of a design window on a full project, without its dialog (the
// path comes straight back) and without the window's refill (a window of its
// own that puts nothing back): what the menu does with the file, against the
// open alone (ApriProgetto) in the same run. Goal: within 1,5 times.
#include <QCoreApplication>
#include <QMainWindow>

#include <cstdio>
#include <memory>
#include <string>

#include "bench/ProgettoTrif.h"
#include "files/Progetto.h"
#include "platform/ui/DialoghiFile.h"
#include "platform/ui/MessaggiQt.h"
#include "windows/comune/MenuProgetto.h"

namespace {

// The dialogs: the project's path at once.
struct Percorso : IDialoghiFile {
    QString file;
    QString Apri(QWidget*, const QString&, const QString&, const QString&) override { return file; }
    QString Salva(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    bool ImpostaStampante(QWidget*, bool) override { return false; }
    bool Stampa(QWidget*, QWidget*, bool, const QString&) override { return false; }
};

// A three-phase window as the menu sees it, with nothing to refill.
struct Finestra : IFinestraProgetto {
    ModuleDIC& d;
    QMainWindow vista;
    explicit Finestra(ModuleDIC& dati) : d(dati) {}
    const TestiProgetto& Testi() const override {
        static const TestiProgetto t{"Apri", "Salva", "(*.ttf)", ".ttf", "Calcolo", "Trasformatore Trifase", "Nuovo",
                                     "Chiudi", "?"};
        return t;
    }
    int16_t Tipo() const override { return tipo::Trifase; }
    int NumAvv() const override { return TRIF_NUM_AVV; }
    QMainWindow* Vista() override { return &vista; }
    ModuleDIC& Dati() override { return d; }
    QString CartellaApplicazione() const override { return QCoreApplication::applicationDirPath(); }
    void Form_Load() override {}
    void RiempiDopoApertura() override {}
};

using progettotrif::FileSalvato;

void BM_ApriProgettoSolo(benchmark::State& state) {
    const std::string file = FileSalvato(state);
    if (file.empty()) return;
    auto d = std::make_unique<ModuleDIC>();
    std::string err;
    for (auto _ : state)
        if (!progetto::ApriProgetto(file, *d, err)) state.SkipWithError(err.c_str());
    std::remove(file.c_str());
}
BENCHMARK(BM_ApriProgettoSolo)->Unit(benchmark::kMillisecond);

void BM_MenuApri(benchmark::State& state) {
    const std::string file = FileSalvato(state);
    if (file.empty()) return;
    auto d = std::make_unique<ModuleDIC>();
    Finestra f(*d);
    MenuProgetto menu(f);
    Percorso dialoghi;
    dialoghi.file = QString::fromStdString(file);
    Piattaforma::ImpostaDialoghi(&dialoghi);
    MessaggiMuti msg;
    Piattaforma::ImpostaMessaggi(&msg);
    for (auto _ : state) menu.Apri();
    if (msg.mostrati > 0 || d->FileNome != file) state.SkipWithError("the menu did not open the project");
    Piattaforma::ImpostaMessaggi(nullptr);
    Piattaforma::ImpostaDialoghi(nullptr);
    std::remove(file.c_str());
}
BENCHMARK(BM_MenuApri)->Unit(benchmark::kMillisecond);

}  // namespace
