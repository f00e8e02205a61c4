#include "app/Finestre.h"

#include <utility>

#include "editors/Frm_CreaLibLam.h"
#include "editors/Frm_CreaLibRame.h"
#include "engine/ModuleDIC.h"
#include "platform/ui/FinestraModale.h"
#include "shell/Frm_About.h"
#include "windows/alim/Frm_Alim.h"
#include "windows/autotrasf/Frm_AutoTrasf.h"
#include "windows/autotrifase/Frm_AutoTrifase.h"
#include "windows/trifase/Frm_Trifase.h"
#include "windows/usci/Frm_Usci.h"

namespace {

// A design window or library editor is made anew each time: its load sets
// its defaults anew (a design window's kind, libraries and design; an
// editor's empty table and coefficients).
template <class T>
void Nuova(ModuleDIC& dati) {
    T finestra(dati);
    finestra.Form_Load();
    MostraModale(&finestra);
}

void About(ModuleDIC&) {
    Frm_About about;
    about.exec();
}

// Windows not listed are not available in this build yet.
constexpr std::pair<Finestra, void (*)(ModuleDIC&)> kFinestre[] = {
    {Finestra::Alim, &Nuova<Frm_Alim>},
    {Finestra::AutoTrasf, &Nuova<Frm_AutoTrasf>},
    {Finestra::CreaLibLam, &Nuova<Frm_CreaLibLam>},
    {Finestra::Trifase, &Nuova<Frm_Trifase>},
    {Finestra::Usci, &Nuova<Frm_Usci>},
    {Finestra::AutoTrifase, &Nuova<Frm_AutoTrifase>},
    {Finestra::CreaLibRame, &Nuova<Frm_CreaLibRame>},
    {Finestra::About, &About},
};

}  // namespace

void FinestreReali::Mostra(Finestra f) {
    for (const auto& [tipo, apri] : kFinestre)
        if (tipo == f) {
            apri(dati_);
            return;
        }
}
