#include "platform/ui/Finestre.h"

namespace {

struct Nessuna : IFinestre {
    void Mostra(Finestra) override {}
};

Nessuna nessuna;
IFinestre* installate = nullptr;

}  // namespace

namespace Piattaforma {

IFinestre& Finestre() { return installate ? *installate : nessuna; }
void ImpostaFinestre(IFinestre* f) { installate = f; }

}  // namespace Piattaforma
