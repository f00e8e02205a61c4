// libFuzzer target: bytes as a file for the LibreriaRame reader.
#include "fuzz/Ingressi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    ingressi::LibreriaRame(dati, n);
    return 0;
}
