// What the lamination dialog's buttons do to the design data, without the
// dialog: the confirmation of a row with its stack thickness, and the
// out-of-format lamination of the user's own measures (row 18).
#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/Interfacce.h"
#include "engine/ModuleDIC.h"

inline constexpr int LAM_FUORI_FORMATO = 18;  // row of the user's own lamination
inline constexpr const char* TITOLO_ERRORE_LAMIERINO = "Errore Misure Lamierino";

// Confirms row `riga` with the stack thickness `sp` (nullopt: no number typed).
// A missing, zero or negative thickness shows "Manca la Misura di SP" and
// writes nothing (false). Otherwise writes LamScelto, LamSP, LamSE, the row's
// LamNetta and LamFinestra, LamPesoPacco and LamPF; for kinds 1..4 it then
// checks the lamination against the kind (its message does not stop the
// confirmation; `lista` is refilled) and sets the power range.
bool ConfermaLamierino(ModuleDIC& d, int riga, std::optional<float> sp, IMessaggi& msg,
                       ICoefKLista* lista);

// The stack of the chosen lamination at thickness `sp`: LamSP, its section
// LamSE, weight LamPesoPacco and iron loss LamPF.
void ImpostaSpessorePacco(ModuleDIC& d, float sp);

// The thinnest stack a user may give the design, mm, typed in the lamination
// dialog or fitted to the user's bobbin: below a tenth of a micron the turns,
// lengths and losses of a high voltage on a thin lamination leave what a
// Single holds, and the design would be saved with figures no project opens.
inline constexpr float SPESSORE_PACCO_MINIMO = 1e-4f;

// The entry boxes of the out-of-format lamination, in the order they are
// checked: A..G, the format name, the weight of 10 mm of laminations.
enum CampoLamFuori { LF_A, LF_B, LF_C, LF_D, LF_E, LF_F, LF_G, LF_EI, LF_PESO, LF_NUM };
using TestiLamFuori = std::array<std::string, LF_NUM>;

struct EsitoLamFuori {
    bool ok = false;
    int giallo = -1;          // the box found wrong (CampoLamFuori), -1 none
    bool aBianco = false;     // A agreed with the shape (its box turns white)
    bool bBianco = false;     // B agreed too
};

// Checks that every box holds a number (the name: any text) and that A and B
// agree with the shape of the library in use (Lam2Colonne), each failure with
// its message; on success writes row 18 of the lamination table.
EsitoLamFuori CalcolaLamFuoriFormato(ModuleDIC& d, const TestiLamFuori& t, IMessaggi& msg);
