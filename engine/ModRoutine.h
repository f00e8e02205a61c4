// The calculation routines shared by the five kinds of transformer.
// Each works on the design data it is given; the caller's order of calls is
// its whole contract. Messages go to the window through IMessaggi, the
// coefficient list through ICoefKLista (may be null: no list attached).
#pragma once

#include "engine/Interfacce.h"
#include "engine/ModuleDIC.h"

// ---- lamination identification and coefficient lists
void IndividuaTipoLamierino(ModuleDIC& d, IMessaggi& msg);
void VerificaParametriLamierino(ModuleDIC& d, IMessaggi& msg, ICoefKLista* lista);
void CaricaCoefKAlim(ModuleDIC& d, ICoefKLista* lista);
void CaricaCoefKAutoTrasf(ModuleDIC& d, ICoefKLista* lista);
void CaricaCoefKTrif(ModuleDIC& d, ICoefKLista* lista);
void CaricaCoefKAutoTrif(ModuleDIC& d, ICoefKLista* lista);
void CaricaCoefKUsci(ModuleDIC& d, ICoefKLista* lista);
// Whether the lamination in use suits the kind of transformer (the test of
// VerificaParametriLamierino, without its message).
bool LamierinoIdoneo(const ModuleDIC& d);
// After an open: the window's list becomes the one the kind offers for the
// design's lamination, as its list routine fills it, while the design keeps
// the coefficient and the limits it holds. An unsuited lamination, or a kind
// without a list, leaves the list as it was.
void RicostruisciListaCoefK(const ModuleDIC& d, ICoefKLista* lista);
// The smallest first item and the largest last item of the coefficient lists
// of every kind: the range CoefKMin and CoefKMax are taken from.
struct EstremiCoefK {
    float minimo, massimo;
};
EstremiCoefK CoefKListe();

// ---- lamination stack
// Row of the chosen lamination; a value that names no row reads row 0.
int RigaLamierino(const ModuleDIC& d);
// Window area LamFinestra (mm²) and net area LamNetta (cm²) of lamination row r.
void AreeLamierino(ModuleDIC& d, int r);
void CalcolaPaccoLamellare(ModuleDIC& d);
// Recommended power range of the stack section LamSE from the coefficient
// limits (three phases count three times); kinds 1..4 only.
void IntervalloPotenza(ModuleDIC& d);
// Iron loss LamPF of the stack, W, from its weight and the flux density.
void CalcolaPerditaFerro(ModuleDIC& d);
// With the lamination chosen by the user: the sizing coefficient it implies
// for the power that sizes the core, on `fasi` legs (kept as it was when that
// power is not positive), and the iron loss.
void CalcolaCoefKLamierino(ModuleDIC& d, float potenza, int fasi = 1);

// ---- bobbin check and winding placement
// A new design's bobbins: both rows empty, build factor 10 %, 0,3 mm between
// windings and 0,2 mm between layers in every groove.
void RocchettoPredefinito(ModuleDIC& d);
// The default insulation alone, the bobbin rows left as they are.
void IsolantiPredefiniti(ModuleDIC& d);
void ControllaMisureRocchetto(ModuleDIC& d, IMessaggi& msg);

// The three-phase tolerances of a bobbin against the stack (three bobbins
// side by side, each on a leg with half a window): a bobbin measure r fits
// the lamination's measure x when basso * r < x <= alto * r, both products
// rounded to Single.
struct TolleranzaTrif {
    double basso, alto;
    bool Accetta(float x, float r) const;
    // The bobbin measures that fit x lie between x / alto and x / basso
    // (the range told to the user, as doubles).
    double Minimo(float x) const { return x / alto; }
    double Massimo(float x) const { return x / basso; }
};
inline constexpr TolleranzaTrif TOLL_TRIF_C{0.9, 1.01};   // Cr against C
inline constexpr TolleranzaTrif TOLL_TRIF_M{0.99, 1.2};   // M against F / 2
inline constexpr TolleranzaTrif TOLL_TRIF_SP{0.9, 1.01};  // Spr against Sp
struct EsitoRocchettoTrif {
    bool c, m, sp;  // each measure within its tolerance
};
// Cr, M and Spr of a bobbin against the lamination's C and F and the stack Sp.
EsitoRocchettoTrif ToleranzeRocchettoTrif(float c, float f, float sp, float cr, float m, float spr);

void ControllaMisureRocchettoTrif(ModuleDIC& d, IMessaggi& msg);
void VerificaPosizioneAvvolgimenti(ModuleDIC& d);

// ---- turns, wires, winding build, losses and groove fill
// Whole turns of a quotient: a fraction above 0.4 (as a Single) rounds up,
// anything up to 0.4 rounds down.
float ArrotondaSpire(float x);
// Whole turns a voltage needs at `femi` volts per turn; none without a
// positive e.m.f. per turn (no stack yet).
float SpirePerTensione(float volt, float femi);
// Bare diameter, mm, that carries `corrente` at density `densita`; 0 when the
// quotient is not positive (no current, or no density set).
float DiametroRichiesto(float corrente, float densita);
// E.m.f. per turn FEMI of the stack section LamSE at the frequency and flux density.
void CalcolaFEMI(ModuleDIC& d);
// A secondary's no-load voltage: above its full-load voltage by the voltage drop.
float TensioneVuoto(const ModuleDIC& d, float volt);
void CalcolaSpire(ModuleDIC& d);
void CalcolaDiametroFilo(ModuleDIC& d);
void ScegliFiloRame(ModuleDIC& d);
// The copper of a winding of `spire` turns on bobbin row `roch`, of wire row
// `riga` of column `colonna`, carrying `corrente`: its length (m), weight (g)
// and current density (A/mm²), each a Single, and its copper loss (W) before
// it is rounded, so that a caller can tell a loss no Single holds.
struct RameAvvolgimento {
    float lung, peso, dens;
    double perdita;
};
RameAvvolgimento CalcolaRame(const ModuleDIC& d, int roch, int riga, int colonna, double spire, float corrente);
void CalcolaAvvolgimenti(ModuleDIC& d);
void CalcolaPerditeRame(ModuleDIC& d);
void CalcolaPerditeRameTrif(ModuleDIC& d);
void SommaIngombriGole(ModuleDIC& d);
void SommaIngombriGoleTrif(ModuleDIC& d);
void VerificaIngombriAvvolgimenti(ModuleDIC& d, IMessaggi& msg);
