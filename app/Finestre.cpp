#include "app/Finestre.h"

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

}  // namespace

void FinestreReali::Mostra(Finestra f) {
    switch (f) {
        case Finestra::Alim: return Nuova<Frm_Alim>(dati_);
        case Finestra::AutoTrasf: return Nuova<Frm_AutoTrasf>(dati_);
        case Finestra::Trifase: return Nuova<Frm_Trifase>(dati_);
        case Finestra::AutoTrifase: return Nuova<Frm_AutoTrifase>(dati_);
        case Finestra::Usci: return Nuova<Frm_Usci>(dati_);
        case Finestra::CreaLibLam: return Nuova<Frm_CreaLibLam>(dati_);
        case Finestra::CreaLibRame: return Nuova<Frm_CreaLibRame>(dati_);
        case Finestra::About: {
            Frm_About about;
            about.exec();
            return;
        }
    }
}
