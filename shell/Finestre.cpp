#include "shell/Finestre.h"

#include "engine/ModuleDIC.h"
#include "platform/ui/FinestraModale.h"
#include "shell/Frm_About.h"
#include "windows/alim/Frm_Alim.h"

void FinestreReali::Mostra(Finestra f) {
    switch (f) {
    case Finestra::About: {
        Frm_About about;
        about.exec();
        break;
    }
    case Finestra::Alim: {
        // A new window each time: its load sets the kind, the default
        // libraries and the default design anew.
        Frm_Alim alim(dati_);
        alim.Form_Load();
        MostraModale(&alim);
        break;
    }
    case Finestra::AutoTrasf:
    case Finestra::Trifase:
    case Finestra::AutoTrifase:
    case Finestra::Usci:
    case Finestra::CreaLibLam:
    case Finestra::CreaLibRame:
        // Not available in this build yet.
        break;
    }
}
