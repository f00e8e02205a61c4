// The lamination library editor: a table of up to 18 laminations of one kind
// (measures A to G, area, name, weight of 10 mm of laminations), typed cell by
// cell or, with "Tabella con Misure Standard...", computed in proportion to
// the centre leg C. It works on rows 0 to 17 of the lamination table, the kind
// flags and Rec, and leaves its last library there when it closes.
#pragma once

#include <array>
#include <memory>

#include "dialogs/ImmaginiLamierino.h"
#include "editors/EditorLibreria.h"
#include "files/GriglieLibrerie.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;

class Frm_CreaLibLam : public EditorLibreria {
    Q_OBJECT
public:
    static constexpr int NUM_TIPI = 6;

    struct Controlli {
        QGroupBox* Frame1 = nullptr;  // "Lamierino Tipo: " and the kind's description
        VistaGriglia* Griglia = nullptr;
        QGroupBox* Frame2 = nullptr;  // "Formato Lamierino"
        std::array<QRadioButton*, NUM_TIPI> Opt_TipoLam{};
        QCheckBox* Check1 = nullptr;  // proportional table: only C typed
        std::array<QLabel*, ImmaginiLamierino::NUM + 1> Image{};  // Image1..Image6
    };
    Controlli ui;

    explicit Frm_CreaLibLam(ModuleDIC& d, QWidget* parent = nullptr);

    void Form_Load() override;
    // Computes the table and locks the inputs; true when the library was packed.
    bool Cmd_Calcola_Click();
    void Opt_TipoLam_Click(int indice);
    // Opens the C cells only (Check1 ticked) or every cell.
    void AggiornaCaselle();
    // Rows 0..NumElementi from the lamination table, the caption and the drawing.
    void AggiornaTabellaLamierini();

    // The table as the window shows it.
    const GrigliaLam& Griglia() const { return g_; }

protected:
    bool ApriFile() override;
    bool NomeNoto() const override;
    bool PrimaDelSalvaNome() override { return Cmd_Calcola_Click(); }
    void DopoSalvaNome(const std::string& titolo) override;
    void Calcola_Click() override { Cmd_Calcola_Click(); }

private:
    void CostruisciTabella();
    void CostruisciTipi();
    // The grid, caption, kind option and drawing from the text model and the flags.
    void Mostra();
    void ApriInput(bool aperti) override;

    GrigliaLam g_;
    std::unique_ptr<ImmaginiLamierino> immagini_;
};
