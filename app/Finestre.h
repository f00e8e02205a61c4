// The real windows of the program, opened by kind. Each entry of the table in
// Finestre.cpp makes one window on the shared design data and shows it.
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
