// The tables of the two library editors as plain texts: what the user typed or
// what the computation wrote back, cell by cell, with each cell's yellow mark.
// The editor windows show these models; the computation and the packer work on
// them and never on widgets.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// ---------------------------------------------------------------- laminations

inline constexpr int LAM_GRIGLIA_RIGHE = 18;

// The nine text cells of a grid row, in the order they are packed after the area.
enum CellaLam : int { CELLA_A, CELLA_B, CELLA_C, CELLA_D, CELLA_E, CELLA_F, CELLA_G, CELLA_EI, CELLA_PESO, CELLE_LAM };

// The grid's column titles, by CellaLam, and the area's.
inline constexpr std::array<const char*, CELLE_LAM> TITOLI_CELLE_LAM{"A mm", "B mm", "C mm", "D mm", "E mm",
                                                                    "F mm", "G mm", "Tipo", "Peso Kg"};
inline constexpr const char* TITOLO_AREA_LAM = "AxB cm\u00b2";

// The characters each cell takes (digits and one comma), by CellaLam.
inline constexpr std::array<int, CELLE_LAM> CARATTERI_CELLE_LAM{5, 5, 4, 4, 5, 4, 4, 12, 5};

// The six kinds of lamination, by Opt_TipoLam index.
struct TipoLamierino {
    const char* didascalia;  // caption of the option, also the library's kind text
    int16_t tipoLam;
    // Measures as multiples of C, in the order A, B, D, E, F, G.
    double a, b, d, e, f, g;
    const char* prefisso;  // first letters of a computed name
};
inline constexpr std::array<TipoLamierino, 6> TIPI_LAMIERINO = {{
    {"Mantello per Monofase", 1, 2.5, 3, 0.5, 1.5, 0.5, 0.5, "EI"},
    {"Mantello Allungato per Monofase", 2, 4, 3, 0.5, 3, 0.5, 0.5, "EI"},
    {"2 Colonne per Monofase", 4, 5, 3, 1, 3, 1, 1, "UI"},
    {"3 Colonne Stadard per Trifase", 3, 4.5, 5, 1, 2.5, 1, 1, "EI"},
    {"3 Colonne Quadro per Trifase", 5, 5, 5, 1, 3, 1, 1, "EI"},
    {"3 Colonne Allungato per Trifase", 6, 7, 5, 1, 5, 1, 1, "EI"},
}};

struct RigaLam {
    std::string Lbl_AxB = "0";  // caption of the area label
    std::string Txt_A, Txt_B, Txt_C, Txt_D, Txt_E, Txt_F, Txt_G;  // measures in mm
    std::string Txt_EI;       // name of the format
    std::string Txt_PesoLam;  // kg of 10 mm of laminations
    std::array<bool, CELLE_LAM> gialla{};  // yellow background, by CellaLam

    std::string& Testo(int cella) {
        switch (cella) {
        case CELLA_A: return Txt_A;
        case CELLA_B: return Txt_B;
        case CELLA_C: return Txt_C;
        case CELLA_D: return Txt_D;
        case CELLA_E: return Txt_E;
        case CELLA_F: return Txt_F;
        case CELLA_G: return Txt_G;
        case CELLA_EI: return Txt_EI;
        default: return Txt_PesoLam;
        }
    }
    const std::string& Testo(int cella) const { return const_cast<RigaLam*>(this)->Testo(cella); }
};

struct GrigliaLam {
    std::array<RigaLam, LAM_GRIGLIA_RIGHE> righe{};
    bool proporzionale = false;   // Check1 ticked: only C typed, the rest from the kind's proportions
    int opzione = 0;              // index of the Opt_TipoLam button that is on (0..5)
    bool salvaAbilitato = false;  // Cmd_Salva and Cmd_SalvaNome enabled
};

// ---------------------------------------------------------------- wires

inline constexpr int RAME_GRIGLIA_RIGHE = 38;

// The grid's column titles: the two diameters, then the five values computed
// from them; and the captions of the three coefficients (Kf, resistivity,
// specific weight).
inline constexpr std::array<const char*, 7> TITOLI_COLONNE_RAME{"Nudo mm", "Isol.mm", "Sez.mmq", "Spire/cm",
                                                               "Kf",      "Ohm/m",   "gr/m"};
inline constexpr std::array<const char*, 3> DIDASCALIE_COEF_RAME{
    "Coefficiente di Riempimento Kf", "Resistivit\u00e0 Specifica Filo Rame (Ohm\u00b7mm\u00b2/m)",
    "Peso Specifico Filo Rame (kg/dm\u00b3 )"};

struct GrigliaRame {
    std::array<std::string, RAME_GRIGLIA_RIGHE> Txt_FiloNudo{}, Txt_FiloIsolato{};
    std::array<bool, RAME_GRIGLIA_RIGHE> giallaNudo{}, giallaIsolato{};
    std::array<std::string, RAME_GRIGLIA_RIGHE> Lbl_SezioneFilo{}, Lbl_SpireCM{}, Lbl_CoefKf{},
        Lbl_Resistenza{}, Lbl_PesoFilo{};
    std::string Txt_CoefKf, Txt_Ohm_m, Txt_PesSpeRam;
    bool giallaKf = false, giallaOhm = false, giallaPesSpe = false;
    bool salvaAbilitato = false;  // Cmd_Salva and Cmd_SalvaNome enabled

    GrigliaRame() {
        Lbl_SezioneFilo.fill("0");
        Lbl_SpireCM.fill("0");
        Lbl_CoefKf.fill("0");
        Lbl_Resistenza.fill("0");
        Lbl_PesoFilo.fill("0");
    }
};
