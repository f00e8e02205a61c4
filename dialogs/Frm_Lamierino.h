// "Scelta Tipo Lamierino Monofase": the lamination and the stack thickness.
//
// Rows 0..17 of the lamination table (the library in use) and row 18, the
// user's own lamination, as a grid of options; the library can be changed,
// row 18 computed from typed measures, the choice confirmed with a stack
// thickness, and the dialog printed.
#pragma once

#include <array>
#include <memory>

#include "dialogs/DialogoBase.h"
#include "dialogs/ImmaginiLamierino.h"
#include "engine/Interfacce.h"
#include "engine/SceltaLamierino.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class Frm_Lamierino : public DialogoBase {
    Q_OBJECT
public:
    static constexpr int RIGHE = 19;        // grid rows 0..18
    static constexpr int NUM_IMMAGINI = ImmaginiLamierino::NUM;  // one drawing per lamination kind

    template <typename T>
    using Riga = std::array<T*, RIGHE>;

    struct Controlli {
        QGroupBox* Frame1 = nullptr;
        Riga<QRadioButton> Opt_AxB{};
        Riga<QLabel> Lbl_A{}, Lbl_B{}, Lbl_C{}, Lbl_D{}, Lbl_E{}, Lbl_F{}, Lbl_G{}, Lbl_EI{},
            Lbl_PesoLam{};
        // Txt_A .. Txt_G, Txt_EI, Txt_PesoLam in the order of CampoLamFuori.
        std::array<CampoNumerico*, LF_NUM> Txt{};
        QLineEdit* Txt_SP = nullptr;
        QLabel* Lbl_LibLam = nullptr;
        std::array<QLabel*, NUM_IMMAGINI + 1> Image{};  // Image1..Image6 (element 0 unused)
        QPushButton *Cmd_Apri = nullptr, *Cmd_CalcLamFuori = nullptr, *Cmd_Ok = nullptr,
                    *Cmd_Esci = nullptr, *Cmd_Stampa = nullptr;
    };

    // Loads itself from `d`; `lista` is the window's coefficient list (may be null).
    Frm_Lamierino(ModuleDIC& d, ICoefKLista* lista, QWidget* parent = nullptr);

    Controlli ui;

    // Frame caption, the kind's picture and library rows 0..17.
    void AggiornaTabellaLamierini();

    void Cmd_Apri_Click();
    void Cmd_CalcLamFuori_Click();
    void Cmd_Ok_Click();
    void Cmd_Esci_Click();

private:
    void Costruisci();
    void Form_Load();
    void MostraRiga(int i, const char* maschera, const char* mascheraNome, const char* mascheraPeso,
                    const char* mascheraAxB);

    ICoefKLista* lista_;
    std::unique_ptr<ImmaginiLamierino> immagini_;
};
