#include "shell/Finestre.h"

#include "engine/ModuleDIC.h"
#include "shell/Frm_About.h"

void FinestreReali::Mostra(Finestra f) {
    switch (f) {
    case Finestra::About: {
        Frm_About about;
        about.exec();
        break;
    }
    case Finestra::Alim:
    case Finestra::AutoTrasf:
    case Finestra::Trifase:
    case Finestra::AutoTrifase:
    case Finestra::Usci:
    case Finestra::CreaLibLam:
    case Finestra::CreaLibRame:
        // Not available in this build yet.
        break;
    }
    (void)dati_;
}
