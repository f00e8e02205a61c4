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

// Fills the window's list (when there is one) and takes the limits and the
// selected coefficient from it; without a list, from the fixed items.
void Carica(ModuleDIC& d, ICoefKLista* lista, const ListaFissa& l) {
    if (lista != nullptr) {
        lista->Svuota();
        for (const char* v : l.voci) lista->Aggiungi(v);
        lista->Seleziona(l.selezionato);
        const int n = lista->Conta();
        if (n <= 0) return;
        d.CoefKMax = Valore(lista->Voce(n - 1));
        d.CoefKMin = Valore(lista->Voce(0));
        if (l.selezionato < n) d.CoefK = Valore(lista->Voce(l.selezionato));
        return;
    }
    d.CoefKMax = Valore(l.voci.back());
    d.CoefKMin = Valore(l.voci.front());
    d.CoefK = Valore(l.voci[static_cast<size_t>(l.selezionato)]);
}

}  // namespace

EstremiCoefK CoefKListe() {
    EstremiCoefK e{Valore(DUE_COLONNE.voci.front()), Valore(DUE_COLONNE.voci.back())};
    for (const ListaFissa* l : {&MANTELLO, &TRE_COLONNE}) {
        e.minimo = std::min(e.minimo, Valore(l->voci.front()));
        e.massimo = std::max(e.massimo, Valore(l->voci.back()));
    }
    return e;
}

void CaricaCoefKAlim(ModuleDIC& d, ICoefKLista* lista) {
    if (Vero(d.Lam2Colonne))
        Carica(d, lista, DUE_COLONNE);
    else if (Vero(d.LamMantello))
        Carica(d, lista, MANTELLO);
}

void CaricaCoefKAutoTrasf(ModuleDIC& d, ICoefKLista* lista) {
    Carica(d, lista, Vero(d.Lam2Colonne) ? DUE_COLONNE : MANTELLO);
}

void CaricaCoefKTrif(ModuleDIC& d, ICoefKLista* lista) {
    if (Vero(d.Lam3Colonne)) Carica(d, lista, TRE_COLONNE);
}

void CaricaCoefKAutoTrif(ModuleDIC& d, ICoefKLista* lista) {
    if (Vero(d.Lam3Colonne)) Carica(d, lista, TRE_COLONNE);
}

// The output transformer window has no coefficient list.
void CaricaCoefKUsci(ModuleDIC&, ICoefKLista*) {}
