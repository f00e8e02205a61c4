// The output transformer design window, for valve amplifiers.
//
// The user types the anode-load impedance and current of the whole primary
// and up to three load impedances on the third page of the lamination strip,
// picks a secondary configuration ("N" free, "A" to "H") and the stage
// (single-ended or push-pull); the configuration fixes how many sections each
// side is wound in, and the sections are placed on the bobbin by a fixed
// rule. The section pages show each section's impedance, current, power,
// voltage, turns and build. The connections stay as the load set them.
#pragma once

#include <array>

#include "engine/Mod_Usci.h"
#include "windows/comune/FinestraProgetto.h"

class Frm_Usci : public FinestraProgetto {
    Q_OBJECT
public:
    static constexpr int NUM_AVV = 12;  // sections per side
    static constexpr int CARICHI = 3;   // load impedances: slots 16, 17, 18

    // Element k of a load array is slot SLOT_USCI + k.
    template <class T>
    using Carichi = std::array<T*, CARICHI>;

    struct Controlli : ControlliComuni {
        // ---- the sections
        Arr<QLabel> Lbl_PriImp{}, Lbl_PriAmp{}, Lbl_PriPot{}, Lbl_PriVolt{}, Lbl_PriSpire{};
        Arr<QLabel> Lbl_SecImp{}, Lbl_SecPot{}, Lbl_SecVolt{}, Lbl_SecVoltVuoto{}, Lbl_SecAmp{},
            Lbl_SecSpire{};
        // ---- lamination page
        QLabel *Lbl_Induttanza = nullptr, *Lbl_Traferro = nullptr;
        // ---- impedance page: configuration and stage
        QComboBox* Cmb_SecTipo = nullptr;
        QLabel* Lbl_Commento = nullptr;
        QPushButton* Cmd_Vedi = nullptr;
        QRadioButton *Opt_Single = nullptr, *Opt_Push = nullptr;
        std::array<QGroupBox*, 4> Frm_Avvolg{};
        // ---- the whole primary (slot 16) and the loads (slots 16..18)
        CampoNumerico *Txt_PriImp = nullptr, *Txt_PriAmp = nullptr;
        QLabel *Lbl_PriPotTutto = nullptr, *Lbl_PriVoltTutto = nullptr, *Lbl_PriSpireTutto = nullptr;
        Carichi<CampoNumerico> Txt_SecImp{};
        Carichi<QLabel> Lbl_SecPotCarico{}, Lbl_SecAmpCarico{}, Lbl_SecVoltCarico{}, Lbl_SecSpireCarico{};
    };

    explicit Frm_Usci(ModuleDIC& dic, QWidget* parent = nullptr);

    Controlli ui;

    // CalcolaTrasfoUsci: the impedances derived and ordered, the output
    // transformer's pass, the results.
    void CalcolaTrasfoUsci() { CalcolaTrasfo(); }
    // RefreshUsci: every result into its label; no range warnings.
    void Refresh() override;
    // The default design, the lists and the controls as a new window shows
    // them, then the first calculation.
    void Form_Load() override;
    // ControllaInputDatiUsci on the three load impedance boxes.
    void ControllaInputDati() override;
    // PulsantiUsci: the connection buttons are not used here.
    void PulsantiCollegamento() override {}

    // The configuration of the list's letter: description, stage options
    // (E and F select theirs, which applies it once more and calculates),
    // count lists and counts, the boxes and frames of the loads; then both
    // count lists' handling. No calculation of its own: leaving the list with
    // a new letter calculates after it.
    void Cmb_SecTipo_LostFocus();
    // The stage: then the configuration again and a calculation. Run when
    // the selection changes, by a click or from code.
    void Opt_Push_Click() { ImpostaStadio(false); }
    void Opt_Single_Click() { ImpostaStadio(true); }

    // The picture of the stored letter's configuration, in the picture viewer.
    void Cmd_Vedi_Click();

    // RefreshUsciImport: an opened design back into the impedance and current
    // boxes, the letter, counts and lists, the design mode and the stage; a
    // stage that changes applies the letter and calculates once.
    void RefreshUsciImport();

    DatiUsciTesti DatiTesti() const;

    const TestiProgetto& Testi() const override;
    // After an open: the refill, frames, buttons and the stored results, then
    // the letter applied again.
    void RiempiDopoApertura() override;

protected:
    void CostruisciPaginaLamierino(QGroupBox* pagina) override;
    void CostruisciPaginaExtra(QGroupBox* pagina) override;
    void EseguiCalcolo() override;
    // The count taken, the last section and those dropped isolated, every
    // section placed again by the rule.
    void NumeroAvvCambiato(Lato lato, int n) override;

private:
    void ImpostaStadio(bool single);
    // The impedance and current boxes show the design's figures.
    void TestiImpedenze();
};
