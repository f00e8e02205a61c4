#include "dialogs/Lanciatore.h"

#include <utility>

#include <QApplication>

#include "dialogs/Frm_AvvAuto.h"
#include "dialogs/Frm_AvvColl.h"
#include "dialogs/Frm_AvvRoch.h"
#include "dialogs/Frm_AvvTrif.h"
#include "dialogs/Frm_FiloRame.h"
#include "dialogs/Frm_Isolanti.h"
#include "dialogs/Frm_Lamierino.h"
#include "dialogs/Frm_Rocchetto.h"
#include "platform/ui/Sostituibile.h"

namespace {

// Makes the dialog, shows it modally and returns once it is closed.
template <class F, class... A>
void Esegui(A&&... a) {
    F f(std::forward<A>(a)...);
    f.exec();
}

}  // namespace

void LanciatoreReale::Mostra(Dialogo dialogo, ModuleDIC& d, ICoefKLista* lista) {
    QWidget* finestra = QApplication::activeWindow();
    switch (dialogo) {
    case Dialogo::Lamierino: Esegui<Frm_Lamierino>(d, lista, finestra); break;
    case Dialogo::FiloRame: Esegui<Frm_FiloRame>(d, finestra); break;
    case Dialogo::Isolanti: Esegui<Frm_Isolanti>(d, finestra); break;
    case Dialogo::PriAvvColl: Esegui<Frm_AvvColl>(d, true, finestra); break;
    case Dialogo::SecAvvColl: Esegui<Frm_AvvColl>(d, false, finestra); break;
    case Dialogo::PriAvvAuto: Esegui<Frm_AvvAuto>(d, true, finestra); break;
    case Dialogo::SecAvvAuto: Esegui<Frm_AvvAuto>(d, false, finestra); break;
    case Dialogo::PriRoch: Esegui<Frm_AvvRoch>(d, true, finestra); break;
    case Dialogo::SecRoch: Esegui<Frm_AvvRoch>(d, false, finestra); break;
    case Dialogo::Rocchetto: Esegui<Frm_Rocchetto>(d, finestra); break;
    case Dialogo::PriAvvTrif: Esegui<Frm_AvvTrif>(d, true, finestra); break;
    case Dialogo::SecAvvTrif: Esegui<Frm_AvvTrif>(d, false, finestra); break;
    }
}

namespace dialoghi {
using Servizio = Sostituibile<ILanciatoreDialoghi, LanciatoreReale>;
ILanciatoreDialoghi& Lanciatore() { return Servizio::Attuale(); }
void ImpostaLanciatore(ILanciatoreDialoghi* l) { Servizio::Imposta(l); }
}  // namespace dialoghi
