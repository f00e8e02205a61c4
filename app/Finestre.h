// The real windows of the program, opened by kind: each design window or
// library editor made anew on the shared design data, and the about window.
#pragma once

#include "platform/ui/Finestre.h"

struct ModuleDIC;

class FinestreReali : public IFinestre {
public:
    explicit FinestreReali(ModuleDIC& dati) : dati_(dati) {}
    void Mostra(Finestra f) override;

private:
    ModuleDIC& dati_;
};
