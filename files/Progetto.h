// Project files: the whole design packed into the record buffer, one text per
// record, written as 9999 records of 100 bytes and read back.
//
// One table (ProgettoLayout) lists every record of the layout: its first
// record number, its field(s), the text form and the loops of an array block.
// The packer and the unpacker both walk that table, so they cannot disagree.
// Files written before the version record and the custom-wire block existed
// are read through the same table, with those two blocks left out.
//
// For the design windows:
//   * saving:  SalvaProgetto(design, path, title, error)
//              sets FileNome / FileTitolo to the new file first, packs straight
//              into the file's bytes and writes them (the record buffer Rec is
//              not used); on failure (a text that cannot be stored, a write
//              error) nothing is written, FileNome / FileTitolo keep their old
//              values and `errore` holds the message to show.
//   * opening: ApriProgetto(path, design, error[, esito, verifica])
//              reads the file and unpacks its bytes into a copy of `design`
//              kept for the next open (Rec neither copied nor filled); only
//              when the file is usable, and passes the caller's own check, is
//              the copy taken into `design` (FileNome = path, FileTitolo = the
//              title stored in the file). Otherwise `design` is untouched and
//              `errore` tells why: a file that cannot be read at all names
//              its path; any other refusal, the caller's check included, is
//              "Il File <name> non è un Progetto valido" and the reason
//              (esito.motivo) on the next line. The caller refreshes its
//              fields afterwards and does not recalculate.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/ModuleDIC.h"

namespace progetto {

inline constexpr const char* VERSIONE = "1.5.0";  // record 1 of every file we write
inline constexpr int LUNG_REC = 100;               // bytes per record
inline constexpr int NUM_RECORD = 9999;            // records written and read
inline constexpr int REC_DATI = 9042;              // records that carry data
inline constexpr int REC_DATI_PRECEDENTE = 8966;   // same, in the earlier layout
inline constexpr int MAX_TESTO = LUNG_REC - 2;     // bytes of text a record holds

// Text form of a field.
enum class Forma {
    Single,         // general number text, read back as a Single
    SingleIntero,   // written as a Single, read back through the Integer conversion
    Integer,
    Boolean,
    String,
};

// One field of the layout: how to reach it in the design for the loop
// indexes (outer, inner) of its block. Exactly one accessor is set.
struct Campo {
    const char* nome;
    Forma forma;
    float& (*sng)(ModuleDIC&, int, int) = nullptr;
    int16_t& (*intero)(ModuleDIC&, int, int) = nullptr;
    std::string& (*testo)(ModuleDIC&, int, int) = nullptr;
};

// A run of records: for outer = 0 .. esterni-1, for inner = 0 .. interni-1,
// the fields in order. A scalar run has esterni = interni = 1.
struct Blocco {
    int primo;                   // first record (current layout, 1-based)
    int esterni, interni;
    std::vector<Campo> campi;
    bool soloAttuale = false;    // missing from the earlier layout
    // Names of the loop indexes ("j" column, "r" row, "i" row or winding), null for
    // a scalar run; an element is named name(outer) or, with both, name(inner, outer).
    const char* indiceEsterno = nullptr;
    const char* indiceInterno = nullptr;

    int Records() const { return esterni * interni * static_cast<int>(campi.size()); }
    int Ultimo() const { return primo + Records() - 1; }
};

// The layout, in record order, records 1 .. REC_DATI.
const std::vector<Blocco>& ProgettoLayout();

// Where a record of the current layout lies in the earlier layout: its record
// number there, or 0 when the earlier layout has no such record.
int RecordPrecedente(int recordAttuale);

// Name of one element as messages show it: "LamNome(3)", "NomeLibRame(24)".
std::string NomeElemento(const Blocco& b, const Campo& c, int esterno, int interno);

// Packs the design into d.Rec[0 .. NUM_RECORD-1] in the current layout;
// records after REC_DATI become empty texts. Record 1 is always VERSIONE.
// The file names and paths (FileNome, FileTitolo, the library paths) keep
// their last MAX_TESTO characters, a character with no Windows-1252 code
// becoming "?"; any other text that needs more than MAX_TESTO bytes or holds
// such a character fails the packing: false, and `errore` names the text in
// the user's words. d.Rec may then hold a partial pack.
bool CompilaRecProgetto(ModuleDIC& d, std::string& errore);

struct EsitoLettura {
    bool utilizzabile = false;
    bool precedente = false;   // read as the earlier layout
    int corretti = 0;          // indexes out of range set to a safe value
    std::string motivo;        // why the file is not usable
};

// Unpacks d.Rec into d itself: call it on a copy of the design in use, so that
// a refused file leaves the design as it was; the fields the earlier layout
// lacks keep their values. `recordPresenti` is how many whole records the file holds.
// Usable: every record of the layout present; kind code 1..5 and winding
// counts 0..20 read from the file; every numeric or flag record converting
// to its field ("Il progetto è danneggiato: il Record N non è leggibile."
// otherwise, N its number in the file); no value that the kind's window would not
// take (ValoreFuoriLimiti), the reason naming it otherwise. Out-of-range indexes are set to a safe value:
// LamScelto, RochScelto, FiloScelto and the wire rows to 0, NumElementi outside
// 0..39 to 0; a winding with a partner outside 0..21 becomes isolated (partner 1).
// FileNome is not read; FileTitolo takes the text of its record.
EsitoLettura LeggiRecProgetto(ModuleDIC& d, int recordPresenti = NUM_RECORD);

bool SalvaProgetto(ModuleDIC& design, const std::string& percorso, const std::string& titolo,
                   std::string& errore);

// A caller's own check of a design read from a file, made before it replaces
// the design in use: the reason to refuse it, in the words to show, or empty.
using Verifica = std::function<std::string(const ModuleDIC&)>;

bool ApriProgetto(const std::string& percorso, ModuleDIC& design, std::string& errore,
                  EsitoLettura* esito = nullptr, const Verifica& verifica = {});

}  // namespace progetto
