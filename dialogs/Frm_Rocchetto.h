// "Rocchetti per Trasformatori": the bobbin the windings are built on.
//
// Row 0 is the demonstration bobbin the calculation derives from the stack,
// row 1 the user's own, computed from typed measures ("Calcola Rocchetto");
// the user chooses the row in use, one or two bobbins (two only on a two-leg
// lamination) and one groove (H) or two (I and L) for each bobbin. The
// bobbin-count buttons and the computation write the design data at once;
// OK writes the choices.
#pragma once

#include <array>

#include "dialogs/DialogoBase.h"
#include "engine/SceltaRocchetto.h"

class QGroupBox;
class QLabel;
class QRadioButton;

class Frm_Rocchetto : public DialogoBase {
    Q_OBJECT
public:
    static constexpr int RIGHE = 2;  // rows 0 and 1 of the bobbin table

    template <typename T>
    using Riga = std::array<T*, RIGHE>;

    struct Controlli {
        QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr;
        Riga<QRadioButton> Opt_RochC{};
        Riga<QLabel> Lbl_RochTipo{}, Lbl_RochSp{}, Lbl_RochM{}, Lbl_RochH{}, Lbl_RochI{}, Lbl_RochL{},
            Lbl_RochGolaH{}, Lbl_RochGolaI{}, Lbl_RochGolaL{};
        CampoNumerico *Txt_RochTipo = nullptr, *Txt_RochC = nullptr, *Txt_RochSp = nullptr,
                      *Txt_RochM = nullptr, *Txt_RochH = nullptr, *Txt_RochI = nullptr,
                      *Txt_RochL = nullptr;
        QRadioButton *Opt_RochUno = nullptr, *Opt_RochDue = nullptr;
        QRadioButton *Opt_Gola1R1 = nullptr, *Opt_Gola2R1 = nullptr, *Opt_Gola1R2 = nullptr,
                     *Opt_Gola2R2 = nullptr;
        QLabel *Lbl_RochInfo = nullptr, *Image2 = nullptr;
        QPushButton *Cmd_CalcRoch = nullptr, *Cmd_Ok = nullptr, *Cmd_Annulla = nullptr,
                    *Cmd_Stampa = nullptr;
    };

    explicit Frm_Rocchetto(ModuleDIC& d, QWidget* parent = nullptr);

    Controlli ui;

    // The measures of one groove (H) or of two (I and L) in use: their labels
    // in both rows and their boxes, the others disabled and greyed.
    void GolaUna();
    void GolaDue();

    void Opt_RochUno_Click() { NumeroRocchetti(false); }
    void Opt_RochDue_Click() { NumeroRocchetti(true); }
    void Cmd_CalcRoch_Click();
    void Cmd_Ok_Click();
    void Cmd_Annulla_Click() { reject(); }

private:
    void Costruisci();
    void Form_Load();
    void Gole(bool due);
    // One or two bobbins: M of the row in use follows the window, and so do
    // its groove spaces.
    void NumeroRocchetti(bool due);
    // Row r's measures; the groove spaces under `mascheraGole` ("" general form).
    void MostraRiga(int r, const char* mascheraSp, const char* mascheraGole);
    OpzioniRocchetto Opzioni() const;
};
