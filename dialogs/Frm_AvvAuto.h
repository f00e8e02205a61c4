// How one tap of an autotransformer is connected: "Frm_PriAvvAuto" for a
// primary, "Frm_SecAvvAuto" for a secondary, one class. Every winding is a
// section of the one tapped winding, so the dialog cannot make it isolated
// (it only shows a winding stored so); a winding in series is a voltage
// adjustment tap or, on the secondary side, a load tap. The partner is shown,
// not chosen.
//
// The winding is NumAvvScelto. Only Cmd_Ok writes the design; a winding not
// left in series then gets partner 1.
#pragma once

#include "dialogs/DialogoBase.h"

class QLabel;

class Frm_AvvAuto : public DialogoAvvolgimento {
    Q_OBJECT
public:
    struct Controlli : ControlliCollegamento {
        QLabel* Lbl_AvvSer = nullptr;   // the partner's number
    };

    Frm_AvvAuto(ModuleDIC& d, bool primario, QWidget* parent = nullptr);

    Controlli ui;

    void Cmd_Ok_Click();
    void Opt_AvvIso_Click();
    void Opt_AvvSer_Click();

private:
    void Form_Load();
};
