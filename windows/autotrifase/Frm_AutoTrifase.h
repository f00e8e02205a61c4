// The three-phase autotransformer design window: the three-phase window with
// one tapped winding a side. Its primary is a voltage adjustment tap and its
// secondary a load tap, each in series with the next winding; the
// connections stay as the load or an opened project set them. The core is
// sized from the throughput power, which the power warnings judge and the
// lamination page shows; the secondary is connected as the primary is (its
// letter follows the primary's), and the currents keep three decimals.
#pragma once

#include "windows/trifase/Frm_Trifase.h"

class Frm_AutoTrifase : public Frm_Trifase {
    Q_OBJECT
public:
    explicit Frm_AutoTrifase(ModuleDIC& dic, QWidget* parent = nullptr);

    // CalcolaAutoTrifTrasfo: input check, the autotransformer's pass, results.
    void CalcolaAutoTrifTrasfo() { CalcolaTrasfo(); }
    // PulsantiAutoTrif: the secondaries' letter buttons off; every primary
    // cyan "C" with its secondary's partner; the secondary "I", green "R"
    // (taking its partner's power) or cyan "C" with its partner, the last
    // one's button "C" alone.
    void PulsantiCollegamento() override;

    const TestiProgetto& Testi() const override;

protected:
    // The autotransformer's masks, captions and defaults.
    static Genere Autotrasformatore();
    void EseguiCalcolo() override;
    // The buttons keep their captions until an open.
    void DopoCollegamento(Lato, int) override {}
    Dialogo DialogoCollegamento(bool primario) const override {
        return primario ? Dialogo::PriAvvAuto : Dialogo::SecAvvAuto;
    }
};
