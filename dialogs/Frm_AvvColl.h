// How one winding is connected: isolated from the others, or in series with
// a later winding of its side, its partner. A primary in series is a voltage
// adjustment tap; a secondary in series is a voltage adjustment tap or a load
// tap. One class serves both sides: "Frm_PriAvvColl" and "Frm_SecAvvColl".
//
// The winding is NumAvvScelto. Only Cmd_Ok writes the design, and only a
// choice it accepts: a partner that is not a later winding in use, or that
// another winding of the side already has, turns the list yellow and the
// dialog stays open with the winding as it was.
#pragma once

#include "dialogs/DialogoBase.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class Frm_AvvColl : public DialogoAvvolgimento {
    Q_OBJECT
public:
    static constexpr int NUM_PARTNER = 12;  // the list offers windings 1..12

    struct Controlli : ControlliCollegamento {
        QComboBox* Cmb_AvvSer = nullptr;   // the partner
    };

    // Loads itself from `d` for winding NumAvvScelto of the primaries
    // (`primario`) or of the secondaries.
    Frm_AvvColl(ModuleDIC& d, bool primario, QWidget* parent = nullptr);

    Controlli ui;

    void Cmd_Ok_Click();
    void Opt_AvvIso_Click() { Abilita(false); }
    void Opt_AvvSer_Click() { Abilita(true); }

private:
    void Costruisci();
    void Form_Load();
    // The second frame, its options, its label and the list.
    void Abilita(bool si);
    void MostraPartner(int p);
    bool PartnerAccettato(int p) const;
};
