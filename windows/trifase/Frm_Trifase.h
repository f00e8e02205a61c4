// The three-phase power transformer design window.
//
// Nine primary and nine secondary windings, three to a tab page. A primary
// takes its phase voltage and shows its line voltage; a secondary takes its
// phase voltage, current and power and shows their line values (or, at a
// click on its "Linea"/"Fase" button, the phase values again). Each winding
// carries its connection letter: "D"/"Y" on a primary, "d"/"y"/"z" on a
// secondary.
#pragma once

#include "engine/InputTrif.h"
#include "engine/Mod_Trif.h"
#include "files/LimitiCampi.h"
#include "windows/comune/FinestraProgetto.h"

class Frm_Trifase : public FinestraProgetto {
    Q_OBJECT
public:
    static constexpr int NUM_AVV = TRIF_NUM_AVV;  // windings per side
    static constexpr int NUM_PAG = 3;             // winding pages per strip

    struct Controlli : ControlliComuni {
        // ---- primary windings
        Arr<CampoNumerico> Txt_PriVolt{}, Txt_PriVoltLin{};
        Arr<QPushButton> Cmd_PriTrif{};
        Arr<QLabel> Lbl_PriPot{}, Lbl_PriAmp{}, Lbl_PriSpire{}, Lbl_PriAmpLin{}, Lbl_PriPotLin{};
        // ---- secondary windings
        Arr<CampoNumerico> Txt_SecVolt{}, Txt_SecAmp{}, Txt_SecPot{};
        Arr<CampoNumerico> Txt_SecVoltLin{}, Txt_SecAmpLin{}, Txt_SecPotLin{};
        Arr<QPushButton> Cmd_SecTrif{}, Cmd_FaseLinea{};
        Arr<QLabel> Lbl_SecVoltVuoto{}, Lbl_SecSpire{};
    };

    explicit Frm_Trifase(ModuleDIC& dic, QWidget* parent = nullptr);

    Controlli ui;

    // CalcolaTrifTrasfo: input check, the three-phase pass, results.
    void CalcolaTrifTrasfo() { CalcolaTrasfo(); }
    // RefreshTrifAlim: the results, the primaries' line values by their
    // letters, then the range warnings.
    void Refresh() override;
    void Form_Load() override;
    // Orders both sides by phase voltage (letters, placements and the
    // isolated look moving along), the primaries' line voltages, the changed
    // secondary currents, every secondary in the line view, placement buttons.
    void ControllaInputDati() override;
    // The phase view when the button reads "Linea", else the line view.
    void Cmd_FaseLinea_Click(int i);
    // The letter dialog of winding i; however it closed, the button shows
    // the letter, taps in series below it take their partners' letters, and
    // the primaries' line values (or every secondary's line view) follow the
    // letters, without a calculation; what the line boxes hold is the
    // design's from then on.
    void Cmd_PriTrif_Click(int i);
    void Cmd_SecTrif_Click(int i);
    // Letter buttons: off exactly for a tap in series (the autotransformer's,
    // all taps, are left as they are).
    void PulsantiLettere();

    DatiTrifTesti DatiTesti() const;

    const TestiProgetto& Testi() const override;
    void RiempiDopoApertura() override;

protected:
    // What sets a kind apart on this window: the transformer's by default.
    struct Genere {
        int16_t tipo = tipo::Trifase;
        const char* nome = "Frm_Trifase";
        const char* titolo = "Calcolo di Trasformatore Trifase";
        const char* salvaNome = "Sa&lva con Nome";
        const char* stampa = "Sta&mpa";
        // The autotransformer: one tapped winding a side, every winding a
        // tap in series with the next, connections fixed, the secondary's
        // letter following the primary's, the core judged on PotPass.
        bool prese = false;
        CampoNumerico::Limiti priVoltLin = campitrif::PriVoltLin, secPot = campitrif::SecPot;
        // The secondaries' letter at load (its phase values follow from the
        // line ones by it) and the mask of their current boxes.
        const char* letteraSec = "z";
        const char* mascheraAmpCarico = "0.0";
        // Results: the primaries' phase and line currents, no-load voltages.
        const char* mascheraPriAmp = "##0.###";
        const char* mascheraPriAmpLin = "##0.0";
        const char* mascheraVuoto = "#####.0";
        // The phase power a phase current gives.
        const char* mascheraPotDaAmp = "##0.0";
        inputtrif::Formato vista;
    };
    Frm_Trifase(ModuleDIC& dic, QWidget* parent, const Genere& g);

    void CostruisciPaginaLamierino(QGroupBox* pagina) override;
    void CostruisciFrameAvv(bool primario, int i, QGroupBox* frame) override;
    void EseguiCalcolo() override;
    void DopoCollegamento(Lato lato, int i) override;
    void NumeroAvvCambiato(Lato lato, int n) override;
    void RicalcoloAvvolgimenti() override;
    // A nonzero figure is never written as "0,0" into a box the pass reads.
    std::string TestoRiletto(float v, const char* maschera) const override {
        return inputtrif::TestoCasella(v, maschera);
    }

private:
    using Conv = inputtrif::Conversione;
    // A phase or line box left: the box it rewrites by the winding's letter.
    void Converti(Conv c, CampoNumerico* da, CampoNumerico* a, bool primario, int i);
    // A secondary phase box left: the current (or, after the current, the
    // power, through `mascheraPot`) that follows, then the row's other view.
    void DopoFase(int i, bool corrente, const char* mascheraPot = "##0.0");
    // Every secondary in use in the line view.
    void VistaLineaTutti();
    // A secondary line box left: its phase box, the current or power that
    // follows, then the row's line view rebuilt.
    void DopoLinea(int i, Conv c, CampoNumerico* linea, CampoNumerico* fase);
    // The caption and tooltips of row i's view, the phase view or the line one.
    void StatoVista(int i, bool mostraFase);
    // Whether row i shows line values: the view lives in its button's caption.
    bool VistaDiLinea(int i) const;
    // Row i's line boxes take input while the row shows line values. This is
    // set where the view settles (the user's click, every row's line view),
    // never by the click procedure on its own: a phase box's check passes
    // through its row's phase view before the calculation puts the line
    // view back, and a line box locked and unlocked on the way would lose
    // the focus the user is giving it.
    void AbilitaCaselleLinea(int i);
    void SceltaLettera(Lato l, Arr<QPushButton>& cmd, int i);
    // The later winding whose letter winding k takes: its partner when k is
    // a tap in series with it, else -1.
    static int PartnerLettera(const LatoC& l, int k);
    // The line current (through `mascheraAmp`) and power labels of primary
    // i by its letter.
    void MostraLineaPri(int i, const char* mascheraAmp);
    void Lettera(QPushButton* b, const std::string& lettera);

    Genere g_;
};
