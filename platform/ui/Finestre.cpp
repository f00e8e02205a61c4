#include "platform/ui/Finestre.h"

#include "platform/ui/Sostituibile.h"

namespace {

struct Nessuna : IFinestre {
    void Mostra(Finestra) override {}
};

using Servizio = Sostituibile<IFinestre, Nessuna>;

}  // namespace

namespace Piattaforma {

IFinestre& Finestre() { return Servizio::Attuale(); }
void ImpostaFinestre(IFinestre* f) { Servizio::Imposta(f); }

}  // namespace Piattaforma
