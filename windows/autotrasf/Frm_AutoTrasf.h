// The single-phase autotransformer design window.
//
// One tapped winding: the primary and the secondary are its taps (nine a
// side on three tab pages, one of each in use), every primary in series with
// the next winding and every secondary a load tap in series with the next.
// The connections stay as the load or an opened project set them: the
// connection buttons only show them. The core is sized from the throughput
// power, which the power warnings judge.
#pragma once

#include "engine/Mod_AutoTrasf.h"
#include "windows/comune/FinestraMonofase.h"

class Frm_AutoTrasf : public FinestraMonofase {
    Q_OBJECT
public:
    static constexpr int NUM_AVV = AUTO_NUM_AVV;  // windings per side
    static constexpr int NUM_PAG = 3;             // winding pages per strip

    struct Controlli : ControlliMonofase {};

    explicit Frm_AutoTrasf(ModuleDIC& dic, QWidget* parent = nullptr);

    Controlli ui;

    void Refresh() override;
    void Form_Load() override;
    // Primaries: cyan "C" and the partner. Secondaries: "I", green "R" (the
    // tap then takes its partner's power) or cyan "C" with the partner; the
    // last secondary's button reads "C" alone.
    void PulsantiCollegamento() override;
    // Orders the winding texts by voltage (connections and placement stay)
    // and rewrites the current of a secondary whose voltage changed.
    void ControllaInputDati() override;

    const TestiProgetto& Testi() const override;
    // Fields, lists, mode and buttons from an opened design, the windings
    // brought in line with the bobbin, its stored results; no calculation.
    void RiempiDopoApertura() override;

protected:
    void EseguiCalcolo() override;
    Dialogo DialogoCollegamento(bool primario) const override {
        return primario ? Dialogo::PriAvvAuto : Dialogo::SecAvvAuto;
    }
};
