// What the two library editors compute from their tables: the wire library
// ("Calcola Filo") and the lamination library ("Calcola Lamierino"). Both work
// on the text models of files/GriglieLibrerie.h and on the design data; the
// messages go to the sink, the windows only show the models and lock or unlock
// their controls.
#pragma once

#include <array>

#include "engine/Interfacce.h"
#include "engine/ModuleDIC.h"
#include "files/GriglieLibrerie.h"

// ---------------------------------------------------------------- wires

enum class EsitoCalcoloRame {
    Calcolata,           // table computed into column 0, packed, shown; saving allowed
    MenoDiDueFili,       // fewer than two filled rows from row 0 (message shown)
    IsolatoNonMaggiore,  // an enamelled diameter not above its bare one (that cell yellow)
    MancaCoefficiente,   // Kf, resistivity or specific weight missing (message, cell yellow)
};

// The computation of "Calcola Filo": count, checks, stable sort by bare
// diameter, coefficients, section, turns per cm, resistance, weight, zero tail,
// NumElementi = index of the last wire, CompilaRecLibRame and AggiornaTabellaRame.
// Nothing of the wire table, NumElementi or Rec changes unless it succeeds.
EsitoCalcoloRame CalcolaLibreriaRame(ModuleDIC& d, GrigliaRame& g, IMessaggi& msg);

// Shows column 0 of the wire table in the grid: rows 0..NumElementi in their
// formats, the later rows (and their data) zeroed.
void AggiornaTabellaRame(ModuleDIC& d, GrigliaRame& g);

// Row i of column 0 of the wire table in the grid's formats (colours unchanged).
void MostraRigaRame(const ModuleDIC& d, GrigliaRame& g, int i);

enum class EsitoApriRame {
    Aperta,    // the library is shown
    Vecchia,   // an older layout: diameters shown, computed columns "0"
    NonLetta,  // the reader refused the file (its message shown); nothing changed
};

// The open of the wire editor: reads FileLibreria into column 0 and shows it
// (k wires in rows 0..k-1, "0" below, the three coefficients); an older layout
// keeps its diameters for a new computation, and the editor then shows
// MSG_LIBRAME_VECCHIA_EDITOR over the table.
EsitoApriRame ApriLibreriaRameEditor(ModuleDIC& d, GrigliaRame& g, IMessaggi& msg);

// ---------------------------------------------------------------- laminations


// The kind flags and TipoLam of the option Opt_TipoLam(indice).
void OpzioneTipoLam(ModuleDIC& d, int indice);
// The option of the kind that TipoLam and the flags name; -1 when they name none.
int OpzioneDaTipoLam(const ModuleDIC& d);

// Empties row i of the grid (area "0", no texts) and of the table (zeros, name "0").
void SvuotaRigaLam(ModuleDIC& d, GrigliaLam& g, int i);

inline constexpr const char* MSG_LAM_NON_IDENTIFICATO = "Lamierino non identificato corregere i dati inseriti";

// Weight in kg of 10 mm of laminations of the given net area (cm2).
float PesoLamierino(float netta);

enum class EsitoVerificaLam {
    Completa,      // all checks passed, rows sorted by area; saving allowed
    UnaSolaRiga,   // fewer than two usable rows: nothing checked or written
    DatiMancanti,  // a presence check failed (message shown)
    MisuraErrata,  // A or B does not agree with the other measures (message, cell yellow)
    NonNumerico,   // a cell that must be a number is not: ended without message
};

// The check of the grid: count of usable rows (NumElementi), presence checks,
// blanking of the rows after the run, A and B checks in typed mode, area labels
// (A and B written from C in proportional mode), sort by area.
EsitoVerificaLam VerificaMisureLam(ModuleDIC& d, GrigliaLam& g, IMessaggi& msg);

// Writes rows 0..NumElementi of the grid from the lamination table.
void AggiornaTabellaLamierini(const ModuleDIC& d, GrigliaLam& g);

// The computation of "Calcola Lamierino" (the window then locks its inputs):
// VerificaMisureLam, rows 0..17 of the table from the grid, LamTipoDescr,
// AggiornaTabellaLamierini and, only when the check passed, CompilaRecLibLam.
// A refused table is not packed and saving is disabled; a refusal the check
// did not explain (fewer than two rows, a cell that is no number) brings
// MSG_LAM_NON_IDENTIFICATO. True when packed.
bool CalcolaLamierini(ModuleDIC& d, GrigliaLam& g, IMessaggi& msg);

// The open of the lamination editor: reads FileLibreria (ApriLibreriaLamierini);
// NumElementi = the last row before the first with C 0 (kept when row 0 has
// none); the later rows emptied; the kind found from row 0 (LamScelto 0, with
// its message when that row is empty); the grid refreshed and g.opzione set to
// the kind found (kept when none). False when the reader refused the file
// (its message shown): then nothing changed.
bool ApriLibreriaLamEditor(ModuleDIC& d, GrigliaLam& g, IMessaggi& msg);
