// Wire library files (.wir): 300 records of 20 bytes.
//   records   1..38   bare diameters of rows 0..37
//   records  39..76   enamelled diameters of rows 0..37
//   records  77..266  five per row: section, turns per cm, Kf, ohm/m, g/m
//   records 267..269  library Kf, resistivity, specific weight
//   records 270..300  empty
#pragma once

#include <array>
#include <string>

#include "engine/Interfacce.h"
#include "engine/ModuleDIC.h"

inline constexpr int LIBRAME_LUNG_REC = 20;
inline constexpr int LIBRAME_NUM_REC = 300;
inline constexpr int LIBRAME_FILI = 38;

// The coefficients that the wire editor and the wire dialog start from.
inline constexpr const char* KF_RAME_STANDARD = "1,05";
inline constexpr const char* OHM_RAME_STANDARD = "0,0176";
inline constexpr const char* PESSPE_RAME_STANDARD = "8,9";

// Messages of the old-library test, one for each caller.
inline constexpr const char* TITOLO_LIBRAME_VECCHIA = "Verifica Inserzione Parametri Libreria Rame";
inline constexpr const char* MSG_LIBRAME_VECCHIA_DIALOGO =
    "Questa Libreria Filo Rame \u00e8 vecchia deve essere aggiornata\n"
    "NON \u00e8 possibile aprire questo formato libreria.\n"
    "     \n"
    "     ";
inline constexpr const char* MSG_LIBRAME_VECCHIA_EDITOR =
    "Questa Libreria Filo Rame \u00e8 vecchia deve essere aggiornata\n"
    " click su  'Modifica Libreria'  impostare i parametri :\n"
    " Coefficiente Kf, Resistivit\u00e0, Peso Specifico  poi \n"
    " click su 'Calcola Filo'  e  'Salva con Nome' ";

// Packs column 0 of the wire table and the library coefficients of (0,0) into
// Rec 0..268; Rec 269..299 become empty.
void CompilaRecLibRame(ModuleDIC& d);

// Reads FileLibreria into column NumAvvScelto (the coefficients always into
// (0,0)), counts the wires into NumElementi (wires + 1) and clears the rows from
// the first zero diameter on. A file that cannot be read (missing files are never created), that
// lacks any of records 1..269, or that VerificaRecLibRame refuses, shows its
// message once and changes nothing; the result is false then.
bool LeggiLibreriaRame(ModuleDIC& d, IMessaggi& msg);

// The reader's check of records 1..269 (rec[0..268]): an empty text when it
// takes them, else why not, in the editor's words (where the first value it
// refuses stands, the value and the range it takes, or too few wires). A
// library reads back when its coefficients are within the editor's ranges,
// it has two wires at least, and every wire up to the first zero diameter has
// diameters within the editor's ranges and derived values the calculation can
// divide by.
std::string VerificaRecLibRame(const std::string* rec);

// Copies rows 0..37 of column NumAvvScelto to every column, with FileLibreria
// as every column's library name.
void CopiaLibreriaRame(ModuleDIC& d);

// Old-library test on the column just read: true when the section stored for
// the first wire is not the one our formula gives for its diameter (to the
// seven significant digits the file keeps), that is when the file is of an
// older layout.
bool LibreriaRameVecchia(const ModuleDIC& d, int colonna);

// What a wire library read can change, to put back when the library is refused.
struct StatoLibRame {
    int colonna = 0;
    std::array<std::array<float, LIBRAME_FILI>, 7> valori{};
    std::string nomeLib;
    std::string ultimaLib;
    int16_t numElementi = 0;
    float kf = 0, ohm = 0, pesSpe = 0;
};
StatoLibRame SalvaStatoLibRame(const ModuleDIC& d, int colonna);
void RipristinaStatoLibRame(ModuleDIC& d, const StatoLibRame& s);

// The open of the wire dialog and of the wire editor: reads FileLibreria into
// column NumAvvScelto and runs the old-library test. An old library shows the
// caller's message (MSG_LIBRAME_VECCHIA_DIALOGO or MSG_LIBRAME_VECCHIA_EDITOR)
// and everything the read changed is put back. True when the library was read
// and accepted.
bool ApriLibreriaRame(ModuleDIC& d, IMessaggi& msg, const char* messaggioVecchia);
