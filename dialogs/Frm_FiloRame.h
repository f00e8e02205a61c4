// "Scelta Filo di Rame Smaltato": the enamelled wire of one winding.
//
// The dialog works on the wire table column of the winding NumAvvScelto:
// rows 0..37 (the column's library) and row 38, the user's own wire, as a
// grid of options. Another library can be opened for the column, row 38
// computed from typed diameters and coefficients, a row confirmed as
// FiloScelto, and the dialog printed. What it writes to the wire table stays
// however it is closed; FiloScelto changes only on confirmation.
#pragma once

#include <array>

#include "dialogs/DialogoBase.h"
#include "engine/SceltaFilo.h"

class QLabel;
class QRadioButton;

class Frm_FiloRame : public DialogoBase {
    Q_OBJECT
public:
    static constexpr int RIGHE = FILO_FUORI_FORMATO + 1;  // grid rows 0..38

    template <typename T>
    using Riga = std::array<T*, RIGHE>;

    struct Controlli {
        Riga<QRadioButton> Opt_FiloNudo{};
        Riga<QLabel> Lbl_FiloIsolato{}, Lbl_SezioneFilo{}, Lbl_SpireCM{}, Lbl_CoefKf{},
            Lbl_Resistenza{}, Lbl_PesoFilo{};
        // Txt_FiloNudo, Txt_FiloIsolato, Txt_CoefKf, Txt_Ohm_m, Txt_PesSpeRam in
        // the order of CampoFiloFuori.
        std::array<CampoNumerico*, FF_NUM> Txt{};
        QLabel* Lbl_LibRam = nullptr;
        QPushButton *Cmd_Apri = nullptr, *Cmd_Stampa = nullptr, *Cmd_FiloRame = nullptr,
                    *Cmd_Ok = nullptr;
    };

    // Loads itself from `d`: the column's library read again, its custom
    // coefficients back to the standard copper.
    explicit Frm_FiloRame(ModuleDIC& d, QWidget* parent = nullptr);

    Controlli ui;

    // Library path and rows 0..37 of the column; the rows past its last wire
    // are zeroed, read "0" and cannot be chosen.
    void AggiornaTabellaRame();
    // Enables "Calcola Filo" once every box of the user's wire holds a value.
    void ControlloDatiPresenti01();

    void Cmd_Apri_Click();
    void Cmd_FiloRame_Click();
    void Cmd_Ok_Click();

private:
    void Costruisci();
    void Form_Load();
    // Row i of the column in the grid; `diametri` gives the masks of the two
    // diameters (none: the general form).
    void MostraRiga(int i, bool diametriConMaschera = true);

    int col_;
};
