// Lamination library files (.lam): 200 records of 40 bytes.
//   records 10i+1 .. 10i+10  row i (0..17): area, A, B, C, D, E, F, G, name, weight
//   record  181              caption of the library's kind
//   records 182..200         empty
#pragma once

#include <string>

#include "engine/Interfacce.h"
#include "engine/ModuleDIC.h"
#include "files/GriglieLibrerie.h"

inline constexpr int LIBLAM_LUNG_REC = 40;
inline constexpr int LIBLAM_NUM_REC = 200;

// Packs the editor's grid as it stands (area caption, A..G, name, weight of
// each row) and LamTipoDescr into Rec 0..180; Rec 181..199 become empty.
void CompilaRecLibLam(ModuleDIC& d, const GrigliaLam& g);

// The reader's check of records 1..180 (rec[0..179]): an empty text when it
// takes them, else why not, in the editor's words (where the first value it
// refuses stands, the value and the range it takes, or no lamination at all).
// Every area, measure and weight is blank or a number the editor's cell
// takes, and some row has a measure.
std::string VerificaRecLibLam(const std::string* rec);

// Reads records 1..200 of FileLibreria into Rec and sets NomeLibLam. A file that
// cannot be read (missing files are never created), that lacks any of records
// 1..181, or that VerificaRecLibLam refuses, shows its message once and leaves Rec and NomeLibLam as
// they were; the result is false then, and the caller must not unpack.
bool LeggiLibreriaLamierini(ModuleDIC& d, IMessaggi& msg);

// Unpacks Rec 0..180 into rows 0..17 of the lamination table and LamTipoDescr.
// A numeric record that does not convert gives 0 and the unpacking goes on,
// so no row of an earlier library survives. Rows 18..20, LamFinestra and
// LamNetta are not touched.
void LeggiRecLibLam(ModuleDIC& d);

// Read and unpack in one, as every opener does; false when the file could not
// be read (the table is then unchanged).
bool ApriLibreriaLamierini(ModuleDIC& d, IMessaggi& msg);
