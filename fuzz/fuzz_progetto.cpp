// libFuzzer target: bytes as a file for the Progetto reader.
#include "fuzz/Ingressi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    ingressi::Progetto(dati, n);
    return 0;
}
