// Where one winding lies: on bobbin 1 or 2, in groove H, I or L. One class
// serves both sides: "Frm_PriRoch" and "Frm_SecRoch", for winding
// NumAvvScelto of its side (0..11 on either).
//
// A bobbin offers the grooves it has (one groove: H; two: I and L), and
// bobbin 2 only when the stack has two. An option may show the winding's
// present place while it cannot be chosen: Cmd_Ok then does nothing until an
// option that can be chosen replaces it. Only Cmd_Ok writes the design.
#pragma once

#include "dialogs/DialogoBase.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

class Frm_AvvRoch : public DialogoAvvolgimento {
    Q_OBJECT
public:
    // Named with the side's prefix: Frm_PriRoch1, Opt_SecRoch2, Opt_PriRochGolaH ...
    struct Controlli {
        QGroupBox *Frm_Roch1 = nullptr, *Frm_Roch2 = nullptr;
        QRadioButton *Opt_Roch1 = nullptr, *Opt_Roch2 = nullptr;
        QRadioButton *Opt_RochGolaH = nullptr, *Opt_RochGolaI = nullptr, *Opt_RochGolaL = nullptr;
        QPushButton* Cmd_Ok = nullptr;
    };

    Frm_AvvRoch(ModuleDIC& d, bool primario, QWidget* parent = nullptr);

    Controlli ui;

    void Cmd_Ok_Click();
    void Opt_Roch1_Click() { GoleRocchetto(d_.RochGole1); }
    void Opt_Roch2_Click() { GoleRocchetto(d_.RochGole2); }

private:
    void Costruisci();
    void Form_Load();
    // The grooves a bobbin with `gole` (0: one groove, 1: two) offers.
    void GoleRocchetto(int16_t gole);
};
