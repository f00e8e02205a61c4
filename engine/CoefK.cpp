// The design windows' lists of sizing coefficients K. Each kind offers a fixed
// list, chosen by the lamination's shape; its first and last values bound the
// recommended power range of the lamination.
#include <algorithm>
#include <array>
#include <string>

#include "engine/ModRoutine.h"
#include "platform/core/Numeri.h"

namespace {

struct ListaFissa {
    std::array<const char*, 7> voci;
    int selezionato;
};

constexpr ListaFissa DUE_COLONNE{{"0,6", "0,7", "0,8", "0,9", "1,0", "1,1", "1,2"}, 3};
constexpr ListaFissa MANTELLO{{"1,0", "1,1", "1,2", "1,3", "1,4", "1,5", "1,6"}, 3};
constexpr ListaFissa TRE_COLONNE{{"0,8", "0,9", "1,0", "1,1", "1,2", "1,3", "1,4"}, 5};

float Valore(const std::string& testo) { return num::TextToSng(testo).value_or(0.0f); }

// The window's list holds exactly the items of `l`, with its item selected.
void Riempi(ICoefKLista& lista, const ListaFissa& l) {
    lista.Svuota();
    for (const char* v : l.voci) lista.Aggiungi(v);
    lista.Seleziona(l.selezionato);
}

// Fills the window's list (when there is one) and takes the limits and the
// selected coefficient from it; without a list, from the fixed items. No
// list at all (`l` null) leaves both as they were.
void Carica(ModuleDIC& d, ICoefKLista* lista, const ListaFissa* l) {
    if (l == nullptr) return;
    if (lista != nullptr) {
        Riempi(*lista, *l);
        const int n = lista->Conta();
        if (n <= 0) return;
        d.CoefKMax = Valore(lista->Voce(n - 1));
        d.CoefKMin = Valore(lista->Voce(0));
        if (l->selezionato < n) d.CoefK = Valore(lista->Voce(l->selezionato));
        return;
    }
    d.CoefKMax = Valore(l->voci.back());
    d.CoefKMin = Valore(l->voci.front());
    d.CoefK = Valore(l->voci[static_cast<size_t>(l->selezionato)]);
}

// The list each kind's routine offers for the lamination in use, or null
// when the routine leaves the window's list as it was.
const ListaFissa* ListaAlim(const ModuleDIC& d) {
    if (Vero(d.Lam2Colonne)) return &DUE_COLONNE;
    return Vero(d.LamMantello) ? &MANTELLO : nullptr;
}

const ListaFissa* ListaAutoTrasf(const ModuleDIC& d) { return Vero(d.Lam2Colonne) ? &DUE_COLONNE : &MANTELLO; }

const ListaFissa* ListaTrif(const ModuleDIC& d) { return Vero(d.Lam3Colonne) ? &TRE_COLONNE : nullptr; }

}  // namespace

EstremiCoefK CoefKListe() {
    EstremiCoefK e{Valore(DUE_COLONNE.voci.front()), Valore(DUE_COLONNE.voci.back())};
    for (const ListaFissa* l : {&MANTELLO, &TRE_COLONNE}) {
        e.minimo = std::min(e.minimo, Valore(l->voci.front()));
        e.massimo = std::max(e.massimo, Valore(l->voci.back()));
    }
    return e;
}

void CaricaCoefKAlim(ModuleDIC& d, ICoefKLista* lista) { Carica(d, lista, ListaAlim(d)); }

void CaricaCoefKAutoTrasf(ModuleDIC& d, ICoefKLista* lista) { Carica(d, lista, ListaAutoTrasf(d)); }

void CaricaCoefKTrif(ModuleDIC& d, ICoefKLista* lista) { Carica(d, lista, ListaTrif(d)); }

void CaricaCoefKAutoTrif(ModuleDIC& d, ICoefKLista* lista) { Carica(d, lista, ListaTrif(d)); }

// The output transformer window has no coefficient list.
void CaricaCoefKUsci(ModuleDIC&, ICoefKLista*) {}

void RicostruisciListaCoefK(const ModuleDIC& d, ICoefKLista* lista) {
    if (lista == nullptr || !LamierinoIdoneo(d)) return;
    const ListaFissa* l = nullptr;
    switch (d.TipoCalcolo) {
    case tipo::Monofase: l = ListaAlim(d); break;
    case tipo::AutoMonofase: l = ListaAutoTrasf(d); break;
    case tipo::Trifase:
    case tipo::AutoTrifase: l = ListaTrif(d); break;
    default: break;
    }
    if (l != nullptr) Riempi(*lista, *l);
}
