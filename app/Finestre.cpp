#include "app/Finestre.h"

#include <utility>

#include "engine/ModuleDIC.h"
#include "platform/ui/FinestraModale.h"
#include "shell/Frm_About.h"
#include "windows/alim/Frm_Alim.h"

namespace {

// A design window is made anew each time: its load sets the kind, the
// default libraries and the default design anew.
template <class T>
void Progetto(ModuleDIC& dati) {
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
    {Finestra::Alim, &Progetto<Frm_Alim>},
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
