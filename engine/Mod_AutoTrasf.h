// The single-phase autotransformer: its reader, its power routine, the
// current of the common section, the turns of a tapped winding and the
// calculation pass the window runs. The power, current and turns steps serve
// the three-phase autotransformer too, on phase values.
#pragma once

#include "engine/Mod_Alim.h"
#include "engine/Mod_Calcolo.h"
#include "engine/ModuleDIC.h"
#include "platform/core/Messaggi.h"

// The autotransformer window shows nine windings a side.
inline constexpr int AUTO_NUM_AVV = 9;

// The design a new autotransformer window starts from: 160 V primaries, 120 V
// 300 VA secondaries, as ProgettoMonofase, the bobbin rows kept (the
// calculation takes the computed bobbin); every primary in series with the
// next winding, every secondary a load tap in series with the next one.
void ProgettoPredefinitoAuto(ModuleDIC& d);

// Windings 0..numAvv-1 as the autotransformers start: each in series with
// the next winding (partner i + 2), every secondary a load tap and, with
// `regolazionePri`, every primary a voltage adjustment tap.
void PreseInSerie(ModuleDIC& d, int numAvv, bool regolazionePri);

// Copies the window's texts into the design data, as the single-phase reader
// does; a count outside 1..9 is ignored like a text that does not convert.
void LeggiDatiAutoTrasf(ModuleDIC& d, const DatiAlimTesti& t);

// The single-phase totals (secondary power, efficiency, voltage drop, primary
// power and currents), then the no-load voltages, CoefAuto and PotPass.
void CalcolaPotenzeAutoTrasf(ModuleDIC& d);

// The no-load voltage of secondaries 0..ultimo, above the full-load one by
// the voltage drop.
void CalcolaTensioniVuoto(ModuleDIC& d, int ultimo);

// CoefAuto, the share of the power that is transformed (|V high - V low| over
// V high of the first primary and the first secondary, never 0), and PotPass,
// the power that sizes the core. Needs SecVoltVuoto and SecPotTot.
void CalcolaCoefAuto(ModuleDIC& d);

// The current of the common section (at least 0,01 A) and the bare diameter
// it needs: on the last secondary when stepping down, else on the last primary.
void CalcolaCorrentiAuto(ModuleDIC& d);

// Turns of the tapped winding: full turns of every tap from the e.m.f. per
// turn, the taps ordered by decreasing turns into AutoVoltOrd/AutoSpireOrd,
// and each winding given the turns of its own section.
void CalcolaSpireAuto(ModuleDIC& d);

// The common steps of both autotransformers: the core sized from PotPass,
// the turns of the tapped winding, and the common section after the wire
// diameters (its current replaces the one the diameter step took).
PassiGenere PassiAuto(bool trifase);

// One whole calculation pass after the window's input check: reader, powers,
// stack (sized from PotPass, or the coefficient of the chosen lamination),
// bobbin check, turns, wire diameters, common section, wire choice, winding
// build, losses, groove sums and fit check.
void CalcoloAutoTrasf(ModuleDIC& d, const DatiAlimTesti& t, IMessaggi& msg);
