// The three-phase connection letter of one winding: "Frm_PriAvvTrif" for a
// primary (delta "D", star "Y"), "Frm_SecAvvTrif" for a secondary (delta "d",
// star "y", zig-zag "z"), one class. Each option shows a drawing of its
// connection.
//
// The winding is NumAvvScelto. A stored text that is none of the side's
// letters brings a message and the delta option. Only Cmd_Ok writes the
// letter.
#pragma once

#include "dialogs/DialogoBase.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class Frm_AvvTrif : public DialogoAvvolgimento {
    Q_OBJECT
public:
    static constexpr int NUM_OPZ = 3;  // delta, star, zig-zag (secondary only)

    struct Controlli {
        QGroupBox* Frm_PriColl1 = nullptr;  // so named on both sides
        // Opt_PriTriangolo, Opt_PriStella / Opt_SecTriangolo, Opt_SecStella,
        // Opt_SecZigzag; the primary has no third.
        std::array<QRadioButton*, NUM_OPZ> Opt{};
        std::array<QLabel*, NUM_OPZ> Image{};  // Image1..Image3
        QLabel *Label1 = nullptr, *Lbl_PriAvv = nullptr;
        QPushButton* Cmd_Ok = nullptr;
    };

    Frm_AvvTrif(ModuleDIC& d, bool primario, QWidget* parent = nullptr);

    Controlli ui;

    void Cmd_Ok_Click();
    // Option n chosen: only its picture shows.
    void Opt_Click(int n);

private:
    void Form_Load();
    int NumOpz() const { return lato_.Primario ? 2 : 3; }
};
