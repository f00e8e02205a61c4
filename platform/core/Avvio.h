// What the program sets up in its own process before anything else runs.
#pragma once

namespace avvio {

// A file-size limit (a shared machine's or a quota's) must not end the
// program: the system's signal for a write past it is ignored, so that the
// write fails with its error (EFBIG, "file troppo grande") like any other
// failed write, and the save or print that met it says so and keeps the
// design and the earlier file. The program's main() calls this first.
void PreparaProcesso();

}  // namespace avvio
