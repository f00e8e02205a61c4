#include "engine/SchemaLayout.h"

#include <cmath>

#include "platform/core/Numeri.h"

namespace schema {

namespace {

constexpr int X_DUE_COLONNE_PRI = 2200;
constexpr int X_DUE_COLONNE_SEC = 2755;  // 37 px right: the core bars coincide
constexpr int X_AUTO = 2200;
constexpr int T_INIZIO = 100;
constexpr int PASSO_RIGA = 600;

// Rows drawn for a last index held as a Single: every index from 0 up to it,
// but never more than the picture arrays hold.
int Righe(float ultimo) {
    if (!(ultimo >= 0.0f)) return 0;  // negative or not a number: no row
    double n = std::floor(static_cast<double>(ultimo)) + 1.0;
    return n > RIGHE_MAX ? RIGHE_MAX : static_cast<int>(n);
}

// One row: the picture at (x, t), then the side's five labels.
void Riga(Layout& l, const LatoC& lato, int figura, int elementoFigura, int i, int x, int t) {
    l.immagini.push_back({figura, elementoFigura, x, t});
    const int base = lato.Primario ? 0 : 5;
    // Offsets from the column's left edge: number, voltage, current, turns, wire.
    const int dxPri[5] = {-2000, -1400, -700, -1400, -700};
    const int dxSec[5] = {2000, 800, 1400, 800, 1400};
    const int dy[5] = {200, 150, 150, 350, 350};
    const std::string testi[5] = {TestoNumero(i), TestoVolt(lato.Volt[i]), TestoAmpere(lato.Amp[i]),
                                  TestoSpire(lato.Spire[i]), TestoFilo(lato.FiloNudo[i])};
    for (int k = 0; k < 5; ++k) {
        const int dx = lato.Primario ? dxPri[k] : dxSec[k];
        l.etichette.push_back({base + k, i, x + dx, t + dy[k], testi[k]});
    }
}

// A run of rows of one side from the top t; returns the top after the last row.
int Colonna(Layout& l, const LatoC& lato, int figura, bool elementoPerRiga, int x, int t) {
    const int n = Righe(lato.Ult);
    for (int i = 0; i < n; ++i) {
        Riga(l, lato, figura, elementoPerRiga ? i : 0, i, x, t);
        t += PASSO_RIGA;
    }
    l.indice = static_cast<float>(n);
    l.riga = static_cast<float>(t);
    l.colonna = static_cast<float>(x);
    return t;
}

}  // namespace

std::string TestoNumero(int i) { return "Avv." + std::to_string(i + 1); }
std::string TestoVolt(float v) { return num::Format(v, "###0.##") + " V"; }
std::string TestoAmpere(float a) { return num::Format(a, "##0.##") + " A"; }
std::string TestoSpire(float n) { return num::Format(n, "####0") + " sp"; }
std::string TestoFilo(float mm) { return num::Format(mm, "##0.##") + "mm"; }

Layout Calcola(const ModuleDIC& d) {
    Layout l;
    const LatoC pri = Primari(d);
    const LatoC sec = Secondari(d);

    switch (d.TipoCalcolo) {
    case tipo::Monofase:
    case tipo::Trifase:
    case tipo::Uscita:
        Colonna(l, pri, AvvPrimario, true, X_DUE_COLONNE_PRI, T_INIZIO);
        Colonna(l, sec, AvvSecondario, true, X_DUE_COLONNE_SEC, T_INIZIO);
        l.disegnato = true;
        break;
    case tipo::AutoMonofase:
    case tipo::AutoTrifase: {
        // The supply is compared with the no-load output; the row shows the
        // full-load voltage. Equal voltages draw as step-up.
        int t = T_INIZIO;
        if (d.PriVolt[0] > d.SecVoltVuoto[0]) {
            t = Colonna(l, pri, AutoPriDiscesa, false, X_AUTO, t);
            Colonna(l, sec, AutoSecDiscesa, false, X_AUTO, t);
        } else {
            t = Colonna(l, sec, AutoSecSalita, false, X_AUTO, t);
            Colonna(l, pri, AutoPriSalita, false, X_AUTO, t);
        }
        l.disegnato = true;
        break;
    }
    default:
        break;
    }
    return l;
}

std::string TestoStato(const ModuleDIC& d) { return "Schema del Trasformatore    " + d.FileTitolo; }

}  // namespace schema
