// The design windows of the single-phase kinds (the power transformer and the
// autotransformer): a primary takes its voltage, a secondary its voltage,
// current and power; the lamination page holds the general data, the
// coefficient list and the totals besides the stack. What the two share is
// here once: their controls, their winding rows, the texts the engine reads,
// the results, the load of the default design and the refill after an open.
#pragma once

#include <string>

#include "engine/InputAlim.h"
#include "windows/comune/FinestraProgetto.h"

class FinestraMonofase : public FinestraProgetto {
    Q_OBJECT
public:
    struct ControlliMonofase : ControlliComuni {
        // ---- primary windings
        Arr<CampoNumerico> Txt_PriVolt{};
        Arr<QLabel> Lbl_PriPot{}, Lbl_PriAmp{}, Lbl_PriSpire{};
        // ---- secondary windings
        Arr<CampoNumerico> Txt_SecVolt{}, Txt_SecAmp{}, Txt_SecPot{};
        Arr<QLabel> Lbl_SecVoltVuoto{}, Lbl_SecSpire{};
    };

    // The texts the engine's reader takes from the window.
    DatiAlimTesti DatiTesti() const;

protected:
    // What sets a kind apart on this frame.
    struct Monofase {
        // The throughput power, beside the totals (the autotransformer).
        bool potenzaPassante = false;
        // Mask of the secondary no-load voltages.
        const char* mascheraVuoto = "#####.0";
        // The power warnings.
        const char* troppoAlta = "";
        const char* troppoBassa = "";
    };

    FinestraMonofase(ModuleDIC& dic, QWidget* parent, ControlliMonofase& c, const Monofase& m);

    // The winding rows of both sides into the description.
    void DescriviAvvolgimenti(Descrizione& k);
    void CostruisciPaginaLamierino(QGroupBox* pagina) override;

    // The load: window size, status text, the default design `predefinito`
    // sets, the default libraries, the winding fields, the lists (counts
    // 1..maxConteggio), the power-given mode on screen, the frames and pages,
    // the connection and placement buttons, then the first calculation.
    void CaricaPredefinito(void (*predefinito)(ModuleDIC&), int maxConteggio);
    // Every winding's fields from the design, in the general text form.
    void ScriviCampiAvv();
    // Winding texts that changed in `t` back into their fields.
    void ScriviTesti(const DatiAlimTesti& t);
    // The refill after an open: fields, lists and mode, frames, connection
    // buttons, (with `verificaPosizione`, no winding left on a bobbin or
    // groove that is gone), placement buttons, then the stored results
    // without calculating.
    void RiempiMonofase(bool verificaPosizione);
    // Results: totals, the common part, the windings in use, the warnings on
    // the power `giudicata`.
    void RefreshMonofase(float giudicata);
    // A secondary voltage tap takes its partner's power and the current that
    // gives: into the design and, with one decimal, into its fields.
    void PresaSec(int i);

private:
    ControlliMonofase& m_;
    Monofase tipo_;
};
