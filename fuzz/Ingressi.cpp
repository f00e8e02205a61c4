#include "fuzz/Ingressi.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>

#include "engine/Interfacce.h"
#include "engine/Mod_Alim.h"
#include "engine/Mod_AutoTrasf.h"
#include "engine/Mod_AutoTrifase.h"
#include "engine/Mod_Calcolo.h"
#include "engine/Mod_Trif.h"
#include "engine/Mod_Usci.h"
#include "engine/ModuleDIC.h"
#include "files/LibLam.h"
#include "files/LibRame.h"
#include "files/LimitiCampi.h"
#include "files/Progetto.h"
#include "files/VerificaProgetto.h"
#include "platform/core/Numeri.h"
#include "tests/support/Progetti.h"

namespace ingressi {

namespace {

#define VERIFICA(cond)                                                          \
    do {                                                                        \
        if (!(cond)) {                                                          \
            std::fprintf(stderr, "%s:%d: promise broken: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                       \
        }                                                                       \
    } while (0)

// One scratch file per process, on a memory file system when there is one.
std::string FileDi(const char* estensione) { return FileDiLavoro("fuzz", estensione); }

std::string Scrivi(const uint8_t* dati, size_t n, const char* estensione) {
    const std::string f = FileDi(estensione);
    std::ofstream(f, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(dati),
                                                               static_cast<std::streamsize>(n));
    return f;
}

// The design a new single-phase window holds, with its lists' choices and a
// mark in the library tables that a refused read must leave.
std::unique_ptr<ModuleDIC> DesignIniziale() {
    auto d = NuovoProgetto();
    d->Frequenza = 50;
    d->Induzione = 1;
    d->Densita = 2.5f;
    d->FileNome = "/prima.tmf";
    d->FileTitolo = "prima.tmf";
    d->NomeLibLam = "prima.lam";
    for (int i = 0; i < 18; ++i) d->LamC[i] = 7;
    for (int r = 0; r < 38; ++r) d->FiloNudo[r][0] = 0.25f;
    d->NomeLibRame[0] = "prima.wir";
    return d;
}

bool Uguali(const ModuleDIC& a, const ModuleDIC& b) {
    return a.TipoCalcolo == b.TipoCalcolo && a.PriVolt == b.PriVolt && a.SecPot == b.SecPot &&
           a.Densita == b.Densita && a.FileNome == b.FileNome && a.FileTitolo == b.FileTitolo &&
           a.NomeLibLam == b.NomeLibLam && a.LamC == b.LamC && a.LamNome == b.LamNome &&
           a.FiloNudo == b.FiloNudo && a.ResistenzaFilo == b.ResistenzaFilo && a.NomeLibRame == b.NomeLibRame &&
           a.NumElementi == b.NumElementi && a.Rec[0] == b.Rec[0];
}

// The bytes as a library file of `estensione` read by `leggi` into a copy of
// the initial design; null when refused, which must leave the design as it was.
template <class Lettore>
std::unique_ptr<ModuleDIC> ApriLibreria(const uint8_t* dati, size_t n, const char* estensione, Lettore leggi) {
    static const std::unique_ptr<ModuleDIC> iniziale = DesignIniziale();
    auto d = std::make_unique<ModuleDIC>(*iniziale);
    d->FileLibreria = Scrivi(dati, n, estensione);
    MessaggiTaciuti msg;
    if (!leggi(*d, msg)) {
        VERIFICA(Uguali(*d, *iniziale));
        return nullptr;
    }
    return d;
}

// The five lists every window fills after an open, the frequency and the
// induction in the window's own masks.
template <class T>
T Liste(const ModuleDIC& d, const char* frequenza, const char* induzione) {
    T t;
    t.Cmb_PriNumAvv = num::SngToText(num::Sng(d.PriUlt + 1.0));
    t.Cmb_SecNumAvv = num::SngToText(num::Sng(d.SecUlt + 1.0));
    t.Cmb_Frequenza = num::Format(d.Frequenza, frequenza);
    t.Cmb_Induzione = num::Format(d.Induzione, induzione);
    t.Cmb_Densita = num::Format(d.Densita, "0.0");
    return t;
}

// The texts the single-phase window shows after an open, as its reader takes them.
DatiAlimTesti Testi(const ModuleDIC& d) {
    auto t = Liste<DatiAlimTesti>(d, "00", "0.0");
    t.Cmb_CoefK = "1,3";
    for (int i = 0; i < DatiAlimTesti::MaxAvv; ++i) {
        t.Txt_PriVolt[i] = num::SngToText(d.PriVolt[i]);
        t.Txt_SecVolt[i] = num::SngToText(d.SecVolt[i]);
        t.Txt_SecAmp[i] = num::SngToText(d.SecAmp[i]);
        t.Txt_SecPot[i] = num::SngToText(d.SecPot[i]);
    }
    return t;
}

// The same with the three-phase windows' line values.
DatiTrifTesti TestiTrif(const ModuleDIC& d) {
    DatiTrifTesti t;
    static_cast<DatiAlimTesti&>(t) = Testi(d);
    t.Cmb_CoefK = "1,1";
    for (int i = 0; i < TRIF_NUM_AVV; ++i) {
        t.Txt_PriVoltLin[i] = num::SngToText(d.PriVoltLin[i]);
        t.Txt_SecVoltLin[i] = num::SngToText(d.SecVoltLin[i]);
        t.Txt_SecAmpLin[i] = num::SngToText(d.SecAmpLin[i]);
        t.Txt_SecPotLin[i] = num::SngToText(d.SecPotLin[i]);
    }
    return t;
}

// The output transformer window's lists and impedance boxes after an open.
DatiUsciTesti TestiUsci(const ModuleDIC& d) {
    auto t = Liste<DatiUsciTesti>(d, "0", "0.00");
    t.Cmb_SecTipo = d.SecTipo;
    t.Txt_PriImp = num::SngToText(d.PriImp[SLOT_USCI]);
    t.Txt_PriAmp = num::SngToText(d.PriAmp[SLOT_USCI]);
    for (int c = 0; c < 3; ++c) t.Txt_SecImp[static_cast<size_t>(c)] = num::SngToText(d.SecImp[SLOT_USCI + c]);
    return t;
}

// The calculation the kind's window runs on what it shows after an open.
void Calcola(ModuleDIC& d) {
    MessaggiTaciuti msg;
    switch (d.TipoCalcolo) {
        case tipo::Monofase: CalcoloAlim(d, Testi(d), msg); break;
        case tipo::AutoMonofase: CalcoloAutoTrasf(d, Testi(d), msg); break;
        case tipo::Trifase: CalcoloTrif(d, TestiTrif(d), msg); break;
        case tipo::AutoTrifase: CalcoloAutoTrif(d, TestiTrif(d), msg); break;
        default: CalcoloUsci(d, TestiUsci(d), msg); break;
    }
}

// Every winding a side can show finite in what both a dialog's rebuild and a
// calculation give it (copper, weight, resistance, current density, loss) and
// in the arrays `altri`.
void AvvolgimentiFiniti(const ModuleDIC& c, std::initializer_list<const AvvArr*> altri) {
    const auto finiti = [](std::initializer_list<const AvvArr*> lista) {
        for (const AvvArr* a : lista)
            for (int i = 0; i < 12; ++i) VERIFICA(std::isfinite((*a)[i]));
    };
    finiti({&c.PriIng, &c.SecIng, &c.PriPeso, &c.SecPeso, &c.PriRes, &c.SecRes, &c.PriDens, &c.SecDens,
            &c.PriPotPer, &c.SecPotPer});
    finiti(altri);
}

}  // namespace

bool Progetto(const uint8_t* dati, size_t n) {
    const std::string f = Scrivi(dati, n, ".tmf");
    static const std::unique_ptr<ModuleDIC> iniziale = DesignIniziale();
    auto d = std::make_unique<ModuleDIC>(*iniziale);
    std::string errore;
    if (!progetto::ApriProgetto(f, *d, errore)) {
        VERIFICA(!errore.empty());
        VERIFICA(Uguali(*d, *iniziale));
        return false;
    }
    VERIFICA(d->TipoCalcolo >= 1 && d->TipoCalcolo <= 5);
    VERIFICA(progetto::ValoreFuoriLimiti(*d).empty());
    // What opens saves, and opens again.
    VERIFICA(progetto::SalvaProgetto(*d, f, "fuzz.tmf", errore));
    // A dialog closed right after the open rebuilds the windings from what the
    // file holds, every winding a side can show in use, on either bobbin.
    for (int16_t roch : {0, 1}) {
        auto c = std::make_unique<ModuleDIC>(*d);
        c->PriUlt = c->SecUlt = 11;
        c->RochScelto = roch;
        MessaggiTaciuti msg;
        RicalcoloAvvolgimenti(*c, c->TipoCalcolo == tipo::Trifase || c->TipoCalcolo == tipo::AutoTrifase, msg);
        AvvolgimentiFiniti(*c, {&c->PriLung, &c->SecLung, &c->PriStrati, &c->SecStrati, &c->PriIso, &c->SecIso});
        for (float v : {c->SommaIngH1, c->SommaIsoH1, c->SommaIngH2, c->SommaIsoH2, c->IngGolaH1, c->IngGolaI1,
                        c->IngGolaL1, c->IngGolaH2, c->IngGolaI2, c->IngGolaL2, c->PotPerPri, c->PotPerSec,
                        c->PotTotPers})
            VERIFICA(std::isfinite(v));
    }
    // And calculates to finite results, in either design mode.
    for (int16_t modo : {d->ConoscoPotenza, static_cast<int16_t>(~d->ConoscoPotenza)}) {
        auto c = std::make_unique<ModuleDIC>(*d);
        c->ConoscoPotenza = modo;
        Calcola(*c);
        for (float v : {c->SecPotTot, c->PriPotTot, c->Rendimento, c->CadutaVolt, c->FEMI, c->LamSP, c->LamSE,
                        c->LamPesoPacco, c->LamPF, c->PotMin, c->PotMax, c->PotPass, c->CoefK, c->PotTotPers,
                        c->PotPerPri, c->PotPerSec})
            VERIFICA(std::isfinite(v));
        AvvolgimentiFiniti(*c, {&c->PriFiloNudo, &c->SecFiloNudo, &c->SecVoltVuoto, &c->PriSpire, &c->SecSpire});
    }
    auto di_nuovo = std::make_unique<ModuleDIC>(*iniziale);
    VERIFICA(progetto::ApriProgetto(f, *di_nuovo, errore));
    return true;
}

bool LibreriaLamierini(const uint8_t* dati, size_t n) {
    const auto d = ApriLibreria(dati, n, ".lam", ApriLibreriaLamierini);
    if (!d) return false;
    for (int i = 0; i < LAM_GRIGLIA_RIGHE; ++i) {
        const float misure[] = {d->LamA[i], d->LamB[i], d->LamC[i], d->LamD[i],
                                d->LamE[i], d->LamF[i], d->LamG[i]};
        for (int c = CELLA_A; c <= CELLA_G; ++c) VERIFICA(MisuraLamAccettabile(misure[c], c));
        VERIFICA(MisuraLamAccettabile(d->LamPeso[i], CELLA_PESO));
        VERIFICA(LIMITE_AREA_LAM.Accetta(d->LamAxB[i]));
    }
    return true;
}

bool LibreriaRame(const uint8_t* dati, size_t n) {
    const auto d = ApriLibreria(dati, n, ".wir", LeggiLibreriaRame);
    if (!d) return false;
    VERIFICA(d->NumElementi >= 0 && d->NumElementi <= 39);
    for (int r = 0; r < 38 && d->FiloNudo[r][0] != 0.0f; ++r)
        VERIFICA(FiloAccettabile(d->FiloNudo[r][0], d->FiloIsolato[r][0],
                                 {d->SezioneFilo[r][0], d->SpireCM[r][0], d->CoefKfFilo[r][0],
                                  d->ResistenzaFilo[r][0], d->PesoFilo[r][0]}));
    VERIFICA(LIMITE_KF_RAME.Accetta(d->KfRame[0][0]) && LIMITE_OHM_RAME.Accetta(d->OhmRame[0][0]));
    return true;
}

void RimuoviFileDiLavoro() {
    std::error_code ec;
    for (const char* estensione : {".tmf", ".lam", ".wir"}) std::filesystem::remove(FileDi(estensione), ec);
}

}  // namespace ingressi
