// How a design window opens a component or winding dialog: through one
// interface with a process-wide hook, so a window test puts a fake there that
// edits the design data as a person would in the dialog.
#pragma once

#include "engine/Interfacce.h"
#include "engine/ModuleDIC.h"

enum class Dialogo {
    Lamierino,   // Frm_Lamierino: lamination and stack thickness
    Rocchetto,   // Frm_Rocchetto: bobbin
    FiloRame,    // Frm_FiloRame: wire of winding NumAvvScelto
    Isolanti,    // Frm_Isolanti: insulation thicknesses
    PriAvvColl,  // Frm_PriAvvColl / Frm_SecAvvColl: connection of a winding
    SecAvvColl,
    PriRoch,     // Frm_PriRoch / Frm_SecRoch: placement of a winding
    SecRoch,
    PriAvvAuto,  // Frm_PriAvvAuto / Frm_SecAvvAuto: autotransformer taps
    SecAvvAuto,
    PriAvvTrif,  // Frm_PriAvvTrif / Frm_SecAvvTrif: three-phase connection letter
    SecAvvTrif,
};

class ILanciatoreDialoghi {
public:
    virtual ~ILanciatoreDialoghi() = default;
    // Makes the dialog anew from `d`, shows it modally and returns when it has
    // closed, however it closed. `lista`: the window's coefficient list, which
    // the lamination dialog refills (may be null).
    virtual void Mostra(Dialogo dialogo, ModuleDIC& d, ICoefKLista* lista) = 0;
};

// The real dialogs, over the active window.
class LanciatoreReale : public ILanciatoreDialoghi {
public:
    void Mostra(Dialogo dialogo, ModuleDIC& d, ICoefKLista* lista) override;
};

namespace dialoghi {
ILanciatoreDialoghi& Lanciatore();
// Replaces the launcher (tests); nullptr restores the real one. Not owned.
void ImpostaLanciatore(ILanciatoreDialoghi* l);
}  // namespace dialoghi
