// The single-phase power transformer design window.
//
// Twelve primary and twelve secondary windings, three to a tab page; every
// winding starts isolated, and a winding may be put in series with a later
// one as a voltage tap (or, on the secondary side, a load tap).
#pragma once

#include "engine/Mod_Alim.h"
#include "windows/comune/FinestraMonofase.h"

class Frm_Alim : public FinestraMonofase {
    Q_OBJECT
public:
    static constexpr int NUM_AVV = 12;    // windings per side
    static constexpr int NUM_PAG = 4;     // winding pages per strip

    struct Controlli : ControlliMonofase {};

    explicit Frm_Alim(ModuleDIC& dic, QWidget* parent = nullptr);

    Controlli ui;

    void Refresh() override;
    void Form_Load() override;
    // Orders the windings by voltage, rewrites changed currents, placement buttons.
    void ControllaInputDati() override;

    // The File menu's texts, and the refill of fields, lists, mode and
    // buttons from an opened design, showing its stored results without
    // calculating.
    const TestiProgetto& Testi() const override;
    void RiempiDopoApertura() override;

protected:
    void EseguiCalcolo() override;
    // A secondary voltage tap shows the power it takes from its partner and
    // the current that gives.
    void DopoCollegamento(Lato lato, int i) override;
};
