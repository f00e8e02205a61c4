#include "dialogs/Lanciatore.h"

#include <QApplication>

#include "dialogs/Frm_Lamierino.h"

void LanciatoreReale::Mostra(Dialogo dialogo, ModuleDIC& d, ICoefKLista* lista) {
    QWidget* finestra = QApplication::activeWindow();
    switch (dialogo) {
    case Dialogo::Lamierino: {
        Frm_Lamierino f(d, lista, finestra);
        f.exec();
        break;
    }
    default:
        // Not in this build yet: nothing opens and nothing changes.
        break;
    }
}

namespace dialoghi {
namespace {
ILanciatoreDialoghi* lanciatore = nullptr;
}
ILanciatoreDialoghi& Lanciatore() {
    static LanciatoreReale reale;
    return lanciatore ? *lanciatore : reale;
}
void ImpostaLanciatore(ILanciatoreDialoghi* l) { lanciatore = l; }
}  // namespace dialoghi
