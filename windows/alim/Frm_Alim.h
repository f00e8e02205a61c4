// The single-phase power transformer design window.
//
// Twelve primary and twelve secondary windings, three to a tab page: a
// primary takes its voltage, a secondary its voltage, current and power.
// The lamination page holds the general data, the coefficient list and the
// totals besides the stack.
#pragma once

#include <string>

#include "engine/Mod_Alim.h"
#include "windows/comune/FinestraProgetto.h"

class Frm_Alim : public FinestraProgetto {
    Q_OBJECT
public:
    static constexpr int NUM_AVV = 12;    // windings per side
    static constexpr int NUM_PAG = 4;     // winding pages per strip

    struct Controlli : ControlliComuni {
        // ---- primary windings
        Arr<CampoNumerico> Txt_PriVolt{};
        Arr<QLabel> Lbl_PriPot{}, Lbl_PriAmp{}, Lbl_PriSpire{};
        // ---- secondary windings
        Arr<CampoNumerico> Txt_SecVolt{}, Txt_SecAmp{}, Txt_SecPot{};
        Arr<QLabel> Lbl_SecVoltVuoto{}, Lbl_SecSpire{};
        // ---- totals on the lamination page
        QLabel *Lbl_SecPotTot = nullptr, *Lbl_PriPotTot = nullptr, *Lbl_Rendimento = nullptr,
               *Lbl_CadutaVolt = nullptr, *Lbl_FEMI = nullptr;
    };

    explicit Frm_Alim(ModuleDIC& dic, QWidget* parent = nullptr);

    Controlli ui;

    void Refresh() override;
    void Form_Load() override;
    // Connection buttons of the windings in use.
    void PulsantiCollegamento() override;
    // Orders the windings by voltage, rewrites changed currents, placement buttons.
    void ControllaInputDati() override;

    // The texts the engine's reader takes from the window.
    DatiAlimTesti DatiTesti() const;

    // The File menu's texts, and the refill of fields, lists, mode and
    // buttons from an opened design, showing its stored results without
    // calculating.
    const TestiProgetto& Testi() const override;
    void RiempiDopoApertura() override;

protected:
    void CostruisciPaginaLamierino(QGroupBox* pagina) override;
    void EseguiCalcolo() override;
    // A secondary voltage tap shows the power it takes from its partner and
    // the current that gives.
    void DopoCollegamento(Lato lato, int i) override;
    void NumeroAvvCambiato(Lato lato, int n) override;
    void RicalcoloAvvolgimenti() override;
};
