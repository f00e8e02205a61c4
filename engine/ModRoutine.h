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

// ---- lamination stack
void CalcolaPaccoLamellare(ModuleDIC& d);
// Recommended power range of the stack section LamSE from the coefficient
// limits (three phases count three times); kinds 1..4 only.
void IntervalloPotenza(ModuleDIC& d);

// ---- bobbin check and winding placement
void ControllaMisureRocchetto(ModuleDIC& d, IMessaggi& msg);
void ControllaMisureRocchettoTrif(ModuleDIC& d, IMessaggi& msg);
void VerificaPosizioneAvvolgimenti(ModuleDIC& d);

// ---- turns, wires, winding build, losses and groove fill
void CalcolaSpire(ModuleDIC& d);
void CalcolaDiametroFilo(ModuleDIC& d);
void ScegliFiloRame(ModuleDIC& d);
void CalcolaAvvolgimenti(ModuleDIC& d);
void CalcolaPerditeRame(ModuleDIC& d);
void CalcolaPerditeRameTrif(ModuleDIC& d);
void SommaIngombriGole(ModuleDIC& d);
void SommaIngombriGoleTrif(ModuleDIC& d);
void VerificaIngombriAvvolgimenti(ModuleDIC& d, IMessaggi& msg);
