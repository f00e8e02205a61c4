// The enamelled wire library editor: a table of up to 38 wires (rows 0-18 on
// the left, 19-37 on the right) with their bare and enamelled diameters and
// the section, turns per cm, Kf, resistance and weight computed from them and
// from the library's three coefficients. It works on column 0 of the wire
// table and on Rec, and leaves its last library there when it closes.
#pragma once

#include <array>

#include "editors/EditorLibreria.h"
#include "files/GriglieLibrerie.h"

class CampoNumerico;
class QGroupBox;
class ModelloGriglia;

class Frm_CreaLibRame : public EditorLibreria {
    Q_OBJECT
public:
    struct Controlli {
        QGroupBox* Frame1 = nullptr;
        std::array<VistaGriglia*, 2> Griglia{};  // rows 0-18, 19-37
        CampoNumerico *Txt_CoefKf = nullptr, *Txt_Ohm_m = nullptr, *Txt_PesSpeRam = nullptr;
    };
    Controlli ui;

    explicit Frm_CreaLibRame(ModuleDIC& d, QWidget* parent = nullptr);

    void Form_Load() override;
    void Cmd_FiloRame_Click();

    // The table as the window shows it.
    const GrigliaRame& Griglia() const { return g_; }

protected:
    bool ApriFile() override;
    bool NomeNoto() const override;
    void DopoSalvaNome(const std::string& titolo) override;
    void Calcola_Click() override { Cmd_FiloRame_Click(); }

private:
    void CostruisciTabella();
    void CostruisciCoefficienti();
    // The table and the coefficient fields from the text model, and back.
    void Mostra();
    void LeggiCoefficienti();
    void ApriInput(bool aperti) override;

    GrigliaRame g_;
};
