// "Isolamento fra i vari strati degli Avvolgimenti": the insulation of the
// bobbin, the coefficient Ki (the percentage the groove fill check adds to the
// copper-plus-insulation build) and the six insulation thicknesses, between
// windings and between layers of turns, of grooves H, I and L.
//
// The seven values are written only by "Ok", all together, once every field
// holds one; "Esci" and the close box write nothing.
#pragma once

#include <array>

#include "dialogs/DialogoBase.h"

class Frm_Isolanti : public DialogoBase {
    Q_OBJECT
public:
    // The fields in the order "Ok" checks them.
    enum Campo { KI, AVV_H, AVV_I, AVV_L, STR_H, STR_I, STR_L, NUM_CAMPI };

    struct Controlli {
        // Txt_IngKi, Txt_IsoAvvH .. Txt_IsoAvvL, Txt_IsoStrH .. Txt_IsoStrL.
        std::array<CampoNumerico*, NUM_CAMPI> Txt{};
        QPushButton *Cmd_Ok = nullptr, *Cmd_Esci = nullptr, *Cmd_Stampa = nullptr;
    };

    explicit Frm_Isolanti(ModuleDIC& d, QWidget* parent = nullptr);

    Controlli ui;

    void Cmd_Ok_Click();
    void Cmd_Esci_Click();

private:
    void Costruisci();
    void Form_Load();
};
