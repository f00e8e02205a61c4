// libFuzzer target: bytes as a file for the LibreriaLamierini reader.
#include "fuzz/Ingressi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    ingressi::LibreriaLamierini(dati, n);
    return 0;
}
