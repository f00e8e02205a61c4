// Layout of the winding schematic, worked out from the design data alone:
// which picture and which labels each winding row shows, where (twips, inside
// the window's client area) and with what text. The window only places and
// draws what this returns, so the arithmetic can be checked without widgets.
#pragma once

#include <string>
#include <vector>

#include "engine/ModuleDIC.h"

namespace schema {

// Picture kinds, numbered like the schematic window's picture arrays.
enum Figura : int {
    AvvPrimario = 1,    // Image1: primary winding, core bars on its right
    AvvSecondario = 2,  // Image2: secondary winding, core bars on its left
    AutoSecSalita = 3,  // Image3: step-up, upper (secondary) section
    AutoPriDiscesa = 4, // Image4: step-down, upper (primary) section
    AutoPriSalita = 5,  // Image5: step-up, lower (primary) section
    AutoSecDiscesa = 6, // Image6: step-down, lower (secondary) section
};

inline constexpr int RIGHE_MAX = 12;  // rows per side: picture and label elements 0..11

// Sizes of the pictures in twips (15 twips a pixel).
inline constexpr int FIGURA_LATO = 705;         // Image1, Image2: 47 x 47 px
inline constexpr int FIGURA_AUTO_LARGA = 1140;  // Image3..Image6: 76 x 47 px

struct Immagine {
    int figura = 0;    // Figura
    int elemento = 0;  // element of the picture array (0 for the tapped sections)
    int left = 0, top = 0;
};

struct Etichetta {
    int serie = 0;     // 0..9: Label0..Label9
    int elemento = 0;  // 0..11
    int left = 0, top = 0;
    std::string testo;
};

struct Layout {
    std::vector<Immagine> immagini;    // in drawing order
    std::vector<Etichetta> etichette;  // in drawing order
    // Last values of the working variables (winding index, row top, column left),
    // left in the shared scratch fields as the drawing leaves them.
    bool disegnato = false;
    float indice = 0, riga = 0, colonna = 0;
};

// Texts of the rows' number labels and value labels.
std::string TestoNumero(int i);        // "Avv.1" for winding 0
std::string TestoVolt(float v);        // up to two decimals, then " V"
std::string TestoAmpere(float a);      // up to two decimals, then " A"
std::string TestoSpire(float n);       // whole turns, then " sp"
std::string TestoFilo(float mm);       // up to two decimals, then "mm"

// The whole layout. Power and output transformers: primaries and secondaries
// in two facing columns. Autotransformers: the one tapped winding, drawn
// step-down when the first primary's voltage is above the first secondary's
// no-load voltage, else step-up. Any other kind: nothing. Each side draws at
// most RIGHE_MAX rows.
Layout Calcola(const ModuleDIC& d);

// Status text: "Schema del Trasformatore" and four spaces before the file title.
std::string TestoStato(const ModuleDIC& d);

}  // namespace schema
