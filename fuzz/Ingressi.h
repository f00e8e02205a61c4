// The readers as a fuzzer drives them: bytes become a file that the project,
// lamination library or wire library reader opens, and what it makes of them
// is checked. A broken promise aborts, so that the fuzzer and the replay of
// the checked-in corpus report it:
//  - a refused file leaves the design exactly as it was;
//  - an accepted project holds only values its window takes, calculates to
//    finite results, and saves to a file that opens again;
//  - an accepted library holds only wires and laminations its editor writes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ingressi {

// True when the reader accepted the file.
bool Progetto(const uint8_t* dati, size_t n);
bool LibreriaLamierini(const uint8_t* dati, size_t n);
bool LibreriaRame(const uint8_t* dati, size_t n);

// Removes this process's scratch files, which the readers above leave
// behind so that a long fuzzing run writes one file per kind, not one per input.
void RimuoviFileDiLavoro();

}  // namespace ingressi
