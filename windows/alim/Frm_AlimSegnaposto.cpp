// Placeholders for the result display and the window load, so the window
// builds and runs its input check and calculation before they exist. The
// real ones replace this file.
#include "windows/alim/Frm_Alim.h"

void Frm_Alim::RefreshAlim() {}

void Frm_Alim::Form_Load() {
    ContolloFrameAlim();
    PulsantiAlim();
    PulsantiRocchetto();
}
